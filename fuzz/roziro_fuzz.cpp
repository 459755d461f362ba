// ROZIRO, bioml and the block reader on arbitrary bytes; a file that reads
// is written again and must read back the same.

#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

#include "fuzz/fuzz_support.h"
#include "platform/scripted_host.h"
#include "platform/settings.h"
#include "viewer/core/spectrum.h"
#include "viewer/core/spectrum_block.h"
#include "viewer/formats/roziro_reader.h"
#include "viewer/formats/roziro_writer.h"


extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  ionvue::Settings().SetReadOnly(true);
  const std::string path = ionvue::fuzz::ScratchPath("input.roziro");
  ionvue::ScriptedHost host;
  ionvue::ImporterTable none;
  ionvue::CSpectrum s;
  ionvue::CRoziroImporter importer(host, &none);
  int code = importer.LoadBytes({data, size}, path, s);
  if (s.m_nLength > s.Capacity() || s.LabelCount() > ionvue::CSpectrum::kMaxLabels) abort();

  if (code == 1 && s.m_nLength > 0) {
    s.m_bLossless = 1;
    std::string text = ionvue::RoziroText(s, &host);
    ionvue::CSpectrum back;
    ionvue::CRoziroImporter again(host, &none);
    std::span<const uint8_t> bytes(reinterpret_cast<const uint8_t*>(text.data()), text.size());
    if (again.LoadBytes(bytes, path, back) != 1 || back.m_nLength != s.m_nLength) abort();
    // Stored samples are limited to 24 bits, so only such spectra compare.
    bool small = true;
    for (int i = 0; i < s.m_nLength; ++i)
      small = small && s.m_pData[i] >= -(1 << 24) + 1 && s.m_pData[i] <= 16777215;
    if (small && std::memcmp(s.m_pData.get(), back.m_pData.get(), 4 * s.m_nLength) != 0) abort();
  }

  if (ionvue::fuzz::WriteInput(path, data, size)) {
    ionvue::SpectrumBlock block;
    std::vector<int32_t> storage;
    int n = ionvue::ReadRoziroBlock(path, block, storage);
    if (n > 0 && (storage.size() < static_cast<size_t>(n))) abort();
  }
  return 0;
}
