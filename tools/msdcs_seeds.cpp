// Writes the seed inputs of the msdcs_fuzz target into <corpus>/msdcs_fuzz/:
// small coded files of each version and their decoded texts. Build and run
// from the top of the tree:
//   c++ -std=c++20 -I. -o /tmp/msdcs_seeds tools/msdcs_seeds.cpp
//       viewer/formats/lzari.cpp viewer/formats/text_codec.cpp viewer/formats/compression.cpp
//   /tmp/msdcs_seeds fuzz/corpus

#include <filesystem>
#include <fstream>

#include "tests/formats/msdcs_fixture.h"

namespace {

using namespace ionvue::dcs_fixture;

void Write(const std::filesystem::path& dir, const std::string& name, const Bytes& bytes) {
  std::filesystem::create_directories(dir);
  std::ofstream(dir / name, std::ios::binary)
      .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

Label Second() {
  Label l;
  l.text = "2211.10";
  l.mass = "2211.1";
  l.charge = "0";
  l.type = 'A';
  return l;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: msdcs_seeds <corpus folder>\n");
    return 2;
  }
  const auto dir = std::filesystem::path(argv[1]) / "msdcs_fuzz";
  const std::vector<int32_t> samples = Peaks(120);
  Parameters p;
  p.length = static_cast<int32_t>(samples.size());

  Bytes body = SampleGroups(samples);
  Append(body, LabelSection({Label{}, Second()}, false));
  const Tofdcs v3 = MakeTofdcs('3', Identification('3', " TOFDCS v3`__SPECTRUM_NOTES=seed"), p, body);
  const Tofdcs v4 =
      MakeTofdcs('4', Identification('4', " TOFDCS (LMC)`__SPECTRUM_DESCRIPTION=seed "), p, body);

  Bytes body5 = SampleGroups(samples);
  Append(body5, LabelSection({Label{}, Second()}, true));
  const Tofdcs v5 = MakeMsdcs5(
      "__SPECTRUM_TIMEBASE=0.0025 __SPECTRUM_NUMBEROFSHOTS=64 __SPECTRUM_OFFSET=300 "
      "__SPECTRUM_LENGTH=120 __SPECTRUM_A0=0.125 __SPECTRUM_A1=0.25 __SPECTRUM_A2=0.001 "
      "__SPECTRUM_CM0=1046.54 __SPECTRUM_CHARGE=2 __SPECTRUM_MODE=TOF deTOF",
      body5);

  Write(dir, "v3.dcs", v3.File());
  Write(dir, "v4.dcs", v4.File());
  Write(dir, "v5.dcs", v5.File());
  Write(dir, "v3_decoded", v3.Decoded());
  Write(dir, "v4_decoded", v4.Decoded());
  Write(dir, "v5_decoded", v5.Decoded());
  return 0;
}
