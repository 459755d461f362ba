#pragma once
// Builds TOFDCS and MSDCS files the way the acquisition software wrote them:
// a plain prefix, then the LZARI-coded rest. Shared by the format tests, the
// command-line test and the fuzz seed tool, so no binary fixture is kept.

#include <bit>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

#include "viewer/formats/compression.h"
#include "viewer/formats/text_codec.h"

namespace ionvue::dcs_fixture {

using Bytes = std::vector<uint8_t>;

inline constexpr uint8_t kTerminator = 0xDB;

inline void Append(Bytes& out, std::string_view text) { out.insert(out.end(), text.begin(), text.end()); }
inline void Append(Bytes& out, const Bytes& more) { out.insert(out.end(), more.begin(), more.end()); }
inline void Put32(Bytes& out, uint32_t v) {
  for (int i = 0; i < 4; ++i) out.push_back(static_cast<uint8_t>(v >> (8 * i)));
}
inline void PutReal(Bytes& out, double v) {
  const uint64_t bits = std::bit_cast<uint64_t>(v);
  Put32(out, static_cast<uint32_t>(bits));
  Put32(out, static_cast<uint32_t>(bits >> 32));
}

// A small spectrum: baseline with a ripple and two peaks.
inline std::vector<int32_t> Peaks(std::size_t n) {
  std::vector<int32_t> v(n);
  for (std::size_t i = 0; i < n; ++i) {
    const double x = static_cast<double>(i);
    v[i] = static_cast<int32_t>(200 + 30 * std::sin(x * 1.7) +
                                50000 * std::exp(-std::pow((x - n / 3.0) / 4, 2)) +
                                900 * std::exp(-std::pow((x - n * 0.7) / 3, 2)));
  }
  return v;
}

// The sample groups of the files (four-byte group headers).
inline Bytes SampleGroups(std::vector<int32_t> samples) {
  EncodeSamples(samples.data(), samples.size(), true, 100, 20, nullptr);
  Bytes out;
  PackGroups(AsCodes(samples.data()), samples.size(), GroupHeader::kFourByte, out);
  return out;
}

// One group as written by hand: int32 n + 1, width, the codes.
inline Bytes Group(int32_t header, uint8_t width, const Bytes& codes = {}) {
  Bytes out;
  Put32(out, static_cast<uint32_t>(header));
  out.push_back(width);
  Append(out, codes);
  return out;
}

struct Label {
  std::string text = "1479.80";
  std::string mass = "1479.7954";
  std::string charge = "2";
  char type = 'C';
  int x = 120, y = 4400, justify = 1, width = 20, height = 10, orient = 1;
};

inline std::string LabelLines(const Label& l, bool withCharge) {
  char tail[128];
  std::snprintf(tail, sizeof tail, "%c\n%d %d\n%d\n%d %d\n%d\r", l.type, l.x, l.y, l.justify,
                l.width, l.height, l.orient);
  return l.text + "\n" + l.mass + "\n" + (withCharge ? l.charge + "\n" : "") + tail + "\n";
}

// What follows the samples: label count, labels, recent range, trailer.
inline Bytes LabelSection(const std::vector<Label>& labels, bool withCharge,
                          std::string_view recent = "1200.5\n2400.25\n") {
  Bytes out;
  Put32(out, static_cast<uint32_t>(labels.size()));
  for (const Label& l : labels) Append(out, LabelLines(l, withCharge));
  Append(out, recent);
  out.push_back(0);
  return out;
}

struct Parameters {
  double timeBase = 0.005;
  int32_t shots = 50;
  int32_t offset = 120;
  int32_t length = 0;
  double a1 = 0.5;
  double a0 = 0.01;
};

inline Bytes BinaryParameters(const Parameters& p) {
  Bytes out;
  PutReal(out, p.timeBase);
  Put32(out, static_cast<uint32_t>(p.shots));
  Put32(out, static_cast<uint32_t>(p.offset));
  Put32(out, static_cast<uint32_t>(p.length));
  PutReal(out, p.a1);
  PutReal(out, p.a0);
  return out;
}

inline std::string TextParameters(const Parameters& p) {
  char text[256];
  std::snprintf(text, sizeof text, "%.9g %d %d %d %.17g %.17g", p.timeBase, p.shots, p.offset,
                p.length, p.a1, p.a0);
  return text;
}

// An identification whose byte 2 is the version digit, as the probe and the
// importer expect it.
inline std::string Identification(char version, std::string_view rest = " TOFDCS acquisition") {
  return std::string("TV") + version + std::string(rest);
}

// TOFDCS version 3 or 4 as the decoded text and as the coded file. `body`
// is what follows the parameters (groups, labels, ...).
struct Tofdcs {
  Bytes prefix;  // plain in the file
  Bytes rest;    // coded in the file
  Bytes Decoded() const {
    Bytes out = prefix;
    Append(out, rest);
    return out;
  }
  Bytes File() const { return BuildCodedText(prefix, rest); }
};

inline Tofdcs MakeTofdcs(char version, std::string_view information, const Parameters& p,
                         const Bytes& body) {
  Tofdcs t;
  Append(t.prefix, information);
  t.prefix.push_back(kTerminator);
  if (version == '4') {
    Append(t.prefix, TextParameters(p));
    t.prefix.push_back(kTerminator);
  } else {
    Append(t.rest, BinaryParameters(p));
  }
  Append(t.rest, body);
  return t;
}

// MSDCS version 5: 11-byte header, int32 L, L bytes of property text, 0xDB.
inline Tofdcs MakeMsdcs5(std::string_view properties, const Bytes& body,
                         uint8_t terminator = kTerminator,
                         std::string_view header = "MS5MSDCS   ") {
  Tofdcs t;
  Append(t.prefix, header);
  Put32(t.prefix, static_cast<uint32_t>(properties.size()));
  Append(t.prefix, properties);
  t.prefix.push_back(terminator);
  t.rest = body;
  return t;
}

}  // namespace ionvue::dcs_fixture
