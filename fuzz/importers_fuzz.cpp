// Runs every raw binary and ASCII reader on the same arbitrary bytes, with
// both word sizes, the full and a small point limit, a header length taken
// from the input, and the word-size questions answered No and Yes in turn.

#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "fuzz/fuzz_support.h"
#include "platform/scripted_host.h"
#include "viewer/core/spectrum.h"
#include "viewer/importers/raw_importers.h"

namespace {

struct Setup {
  std::string path;
  ionvue::ImporterTable table;
  // One spectrum for the whole run: its destructor writes settings back.
  ionvue::CSpectrum* spectrum = nullptr;

  Setup() {
    path = ionvue::fuzz::ScratchPath("input.dat");
    ionvue::AddRawImporters(table);
    spectrum = new ionvue::CSpectrum;
  }
};

Setup& TheSetup() {
  static Setup setup;
  return setup;
}

void Run(Setup& setup, ionvue::ScriptedHost& host, size_t size, char letter, int points,
         int wordSize) {
  const ionvue::ImporterFunction* importer = setup.table.Find(letter);
  if (!importer) std::abort();
  ionvue::CSpectrum& s = *setup.spectrum;
  const ionvue::ImportResult result =
      (*importer)(ionvue::ImportRequest{host, setup.path, s, letter, points, wordSize});
  if (result.code != 0 && result.code != 1) std::abort();
  if (result.code == 1) {
    if (s.m_nLength <= 0 || s.m_nLength > s.Capacity()) std::abort();
    // Only a mass grid may hold more samples than the file has bytes.
    const bool grid = letter == '0' || letter == '7';
    if (grid ? s.m_nLength > points : static_cast<size_t>(s.m_nLength) > size) std::abort();
    volatile int64_t sum = 0;
    for (int i = 0; i < s.m_nLength; ++i) sum = sum + s.m_pData[i];
  }
  host.ClearEvents();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  Setup& setup = TheSetup();
  if (!ionvue::fuzz::WriteInput(setup.path, data, size)) return 0;

  static unsigned turn = 0;
  ionvue::ScriptedHost host;
  host.fallback_yes_no = (turn++ & 1) ? ionvue::Answer::Yes : ionvue::Answer::No;
  setup.spectrum->m_nHeaderBytes = size > 0 ? data[0] % 16 : 0;

  const int small = size > 0 ? 1 + data[size - 1] % 64 : 1;
  for (int points : {2000000, small}) {
    for (char letter : {'3', '4', 'A'}) Run(setup, host, size, letter, points, 2);
    for (char letter : {'2', '5', ionvue::ImporterTable::kQuickLoad})
      for (int wordSize : {2, 4}) Run(setup, host, size, letter, points, wordSize);
  }
  // A mass grid fills its gaps up to the points whatever the file's size;
  // a smaller full limit keeps the runs quick without changing the paths.
  Run(setup, host, size, '0', 100000, 2);
  Run(setup, host, size, '7', small, 2);
  // The linear file reads N + 1 samples whatever the points.
  Run(setup, host, size, 'L', 65536, 2);
  return 0;
}
