// Feeds arbitrary bytes through the whole open road: the type probe picks a
// letter from a file name chosen by the first byte, then the importer of that
// letter and the finishing steps run as for a file the user opened.

#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "fuzz/fuzz_support.h"
#include "platform/scripted_host.h"
#include "platform/settings.h"
#include "viewer/core/document.h"
#include "viewer/importers/standard_services.h"

namespace {

const char* const kNames[] = {"spectrum.roziro", "run.qst",  "run.lin",       "run.mas",
                              "run.ms",          "run.txt",  "run.dat",       "run.cor",
                              "run.sci",         "run.wiff", "x_func001.dat", "run.bin",
                              "run.dta",         "raw",      "run.asc",       "testdata.raw"};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0) return 0;
  std::string path = ionvue::fuzz::ScratchPath(kNames[data[0] % (sizeof kNames / sizeof *kNames)]);
  if (!ionvue::fuzz::WriteInput(path, data + 1, size - 1)) return 0;

  ionvue::Settings().SetReadOnly(true);
  ionvue::ScriptedHost host;
  host.fallback_yes_no = (data[0] & 0x10) ? ionvue::Answer::Yes : ionvue::Answer::No;
  {
    ionvue::CIonvueDoc doc(host, ionvue::StandardServices());
    doc.m_bSkipOptionalDialogs = true;
    doc.OnOpenDocument(path);
    const ionvue::CSpectrum& s = doc.GetSpectrum();
    volatile int64_t sum = 0;
    for (int i = 0; i < s.m_nLength; ++i) sum = sum + s.m_pData[i];
  }
  std::remove(path.c_str());
  return 0;
}
