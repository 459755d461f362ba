#pragma once
// A scratch folder, a scripted host and a fresh spectrum for each test.

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "platform/scripted_host.h"
#include "tests/support/spectrum_fixture.h"
#include "viewer/core/spectrum.h"

namespace ionvue::testing {

class ImporterTest : public SpectrumTest {
 protected:
  std::vector<int32_t> Stored() const {
    const CSpectrum& s = *spectrum_;
    if (!s.m_pData || s.m_nLength <= 0) return {};
    return std::vector<int32_t>(s.m_pData.get(), s.m_pData.get() + s.m_nLength);
  }

  static std::vector<uint8_t> Words16(const std::vector<int>& values) {
    std::vector<uint8_t> out;
    for (int v : values) PutLE16(out, static_cast<uint16_t>(v));
    return out;
  }
  static std::vector<uint8_t> Words32(const std::vector<int64_t>& values) {
    std::vector<uint8_t> out;
    for (int64_t v : values) PutLE32(out, static_cast<uint32_t>(v));
    return out;
  }

  ScriptedHost host_;
};

}  // namespace ionvue::testing
