// Writes the seed inputs of the codec fuzz targets (lzari_fuzz and
// compression_fuzz) into <corpus>/<target>/. Build and run from the top of
// the tree:
//   c++ -std=c++20 -I. -o /tmp/codec_seeds tools/codec_seeds.cpp
//       viewer/formats/lzari.cpp viewer/formats/text_codec.cpp viewer/formats/compression.cpp
//   /tmp/codec_seeds fuzz/corpus

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "viewer/formats/compression.h"
#include "viewer/formats/text_codec.h"

namespace {

using namespace ionvue;
using Bytes = std::vector<uint8_t>;

Bytes Text(const std::string& s) { return Bytes(s.begin(), s.end()); }

void Put32(Bytes& out, uint32_t v) {
  for (int i = 0; i < 4; ++i) out.push_back(static_cast<uint8_t>(v >> (8 * i)));
}

void Append(Bytes& out, const Bytes& more) { out.insert(out.end(), more.begin(), more.end()); }

// A small spectrum: baseline, a ripple for noise, two peaks.
std::vector<int32_t> Spectrum(std::size_t n) {
  std::vector<int32_t> v(n);
  for (std::size_t i = 0; i < n; ++i) {
    double x = static_cast<double>(i);
    v[i] = static_cast<int32_t>(200 + 30 * std::sin(x * 1.7) + 5000 * std::exp(-std::pow((x - n / 3.0) / 4, 2)) +
                                900 * std::exp(-std::pow((x - n * 0.7) / 3, 2)));
  }
  return v;
}

Bytes Groups(std::vector<int32_t> v, GroupHeader header) {
  EncodeSamples(v.data(), v.size(), true, 100, 20, nullptr);
  Bytes out;
  PackGroups(AsCodes(v.data()), v.size(), header, out);
  return out;
}

// What a decoded TOFDCS body holds after its parameters: groups, labels,
// recent range, trailer.
Bytes Body(std::size_t samples) {
  Bytes body = Groups(Spectrum(samples), GroupHeader::kFourByte);
  Put32(body, 1);
  Append(body, Text("T1\n1479.7954\nC\n120 4400\n0\n20 10\n1\r\n1200\n2400\n"));
  body.push_back(0);
  return body;
}

void Write(const std::filesystem::path& dir, const std::string& name, const Bytes& bytes) {
  std::filesystem::create_directories(dir);
  std::ofstream(dir / name, std::ios::binary)
      .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

Bytes WithMode(uint8_t mode, const Bytes& rest) {
  Bytes out{mode};
  Append(out, rest);
  return out;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: codec_seeds <corpus folder>\n");
    return 2;
  }
  const std::filesystem::path corpus = argv[1];

  // lzari_fuzz: mode byte (version '3', '4', '5', other; 0x10 bare decoder;
  // 0x20 round trip), then the file.
  const auto lzari = corpus / "lzari_fuzz";
  Bytes v3prefix = Text("TO3FDCS (LMC)`__SPECTRUM_DESCRIPTION=seed ");
  v3prefix.push_back(0xDB);
  Bytes v3 = BuildCodedText(v3prefix, Body(300));
  Write(lzari, "v3", WithMode(0, v3));
  Bytes v4prefix = Text("TO4FDCS`__SPECTRUM_NOTES=seed ");
  v4prefix.push_back(0xDB);
  Append(v4prefix, Text("0.005 100 0 300 0.5 0.01"));
  v4prefix.push_back(0xDB);
  Write(lzari, "v4", WithMode(1, BuildCodedText(v4prefix, Body(300))));
  Bytes v5prefix = Text("MS5MSDCS   ");
  Bytes info = Text("__SPECTRUM_LENGTH=300 __SPECTRUM_TIMEBASE=0.005 __SPECTRUM_MODE=TOF ");
  Put32(v5prefix, static_cast<uint32_t>(info.size()));
  Append(v5prefix, info);
  v5prefix.push_back(0xDB);
  Write(lzari, "v5", WithMode(2, BuildCodedText(v5prefix, Body(300))));
  Write(lzari, "no_prefix", WithMode(3, BuildCodedText({}, Text(std::string(100, 'x')))));
  Write(lzari, "v3_cut", WithMode(0, Bytes(v3.begin(), v3.begin() + static_cast<long>(v3.size() / 2))));
  Write(lzari, "v4_one_terminator", WithMode(1, v3));
  Write(lzari, "bare_and_round_trip",
        WithMode(0x33, Text("The quick brown fox jumps over the lazy dog, the lazy dog.")));

  // compression_fuzz: mode byte (bit 0 four-byte headers, bit 1 writer,
  // bit 2 lossless, bits 3.. bin factor + 2), samples wanted (2 bytes), data.
  const auto compression = corpus / "compression_fuzz";
  auto read = [](uint8_t mode, std::size_t wanted, const Bytes& data) {
    Bytes out{mode, static_cast<uint8_t>(wanted), static_cast<uint8_t>(wanted >> 8)};
    Append(out, data);
    return out;
  };
  Write(compression, "roziro_groups", read(0, 400, Groups(Spectrum(400), GroupHeader::kOneByte)));
  Write(compression, "tofdcs_groups", read(1, 400, Groups(Spectrum(400), GroupHeader::kFourByte)));
  Write(compression, "worked_example", read(0, 4, {2, 1, 5, 3, 0, 2, 1, 2}));
  Write(compression, "wide_and_zero", read(0, 9, {4, 2, 5, 0, 0x81, 0x00, 0x02, 0x81, 6, 0, 2, 4, 0x10, 0, 0, 0x80}));
  Write(compression, "bad_width", read(0, 3, {4, 5, 1, 2, 3}));
  Bytes samples;
  for (int32_t s : Spectrum(200)) Put32(samples, static_cast<uint32_t>(s * 100000));
  Write(compression, "write_lossless", read(0x16, 60, samples));
  Write(compression, "write_lossy_binned", read(0x2A, 20, samples));
  return 0;
}
