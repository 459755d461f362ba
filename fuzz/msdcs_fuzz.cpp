// Runs the TOFDCS/MSDCS reader on arbitrary bytes twice: as a coded file
// (through the decoder) and as an already decoded text of the version its
// byte 2 names, so the parser sees structured input as well. The corrupt-file
// question is answered OK and Cancel in turn.

#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <span>
#include <string>

#include "fuzz/fuzz_support.h"
#include "platform/scripted_host.h"
#include "viewer/core/spectrum.h"
#include "viewer/formats/msdcs5_importer.h"
#include "viewer/formats/msdcs_importer.h"

namespace {

struct Setup {
  std::string path;
  // One spectrum for the whole run: its destructor writes settings back.
  ionvue::CSpectrum* spectrum = nullptr;

  Setup() {
    path = ionvue::fuzz::ScratchPath("input.dcs");
    spectrum = new ionvue::CSpectrum;
  }
};

Setup& TheSetup() {
  static Setup setup;
  return setup;
}

void Check(int result, const ionvue::CSpectrum& s) {
  if (result != 0 && result != 1) std::abort();
  if (result == 1) {
    if (s.m_nLength < 0 || s.m_nLength > s.Capacity()) std::abort();
    if (s.LabelCount() > ionvue::CSpectrum::kMaxLabels) std::abort();
    volatile int64_t sum = 0;
    for (int i = 0; i < s.m_nLength; ++i) sum = sum + s.m_pData[i];
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  Setup& setup = TheSetup();
  if (!ionvue::fuzz::WriteInput(setup.path, data, size)) return 0;

  static unsigned turn = 0;
  ionvue::ScriptedHost host;
  host.fallback_ok_cancel = (turn++ & 1) ? ionvue::Answer::Ok : ionvue::Answer::Cancel;
  ionvue::CSpectrum& s = *setup.spectrum;

  Check(ionvue::CMsdcsImporter(host).Load(setup.path, s), s);

  const std::span<const uint8_t> text(data, size);
  const char version = size > 2 ? static_cast<char>(data[2]) : '3';
  const int decoded = version == '5'
                          ? ionvue::CMsdcs5Importer(host).LoadDecoded(text, setup.path, s)
                          : ionvue::CMsdcsImporter(host).LoadDecoded(text, version, setup.path, s);
  Check(decoded, s);
  return 0;
}
