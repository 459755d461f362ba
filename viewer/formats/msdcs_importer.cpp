#include "viewer/formats/msdcs_importer.h"

#include <algorithm>
#include <bit>
#include <cctype>
#include <climits>
#include <cstdio>
#include <cstring>
#include <string_view>
#include <vector>

#include "platform/host.h"
#include "platform/settings.h"
#include "viewer/core/spectrum.h"
#include "viewer/formats/label_lines.h"
#include "viewer/formats/msdcs5_importer.h"
#include "viewer/formats/msdcs_body.h"
#include "viewer/formats/text_codec.h"

namespace ionvue {

namespace {

constexpr char kTerminator = static_cast<char>(0xDB);
constexpr const char* kCannotRead = "File format cannot be read";
constexpr const char* kNoInformationEnd =
    "Error in file format, version 4\nNo end found in the file information string";
constexpr const char* kNoParameterEnd =
    "Error in file format, version 4.\nCould not find the end of the parameter string.";

// The acquisition header as both versions carry it.
struct Parameters {
  double timeBase = 0.0;
  int64_t shots = 0;
  int64_t offset = 0;
  int64_t length = 0;
  double a1 = 0.0;
  double a0 = 0.0;
};

bool Contains(std::string_view text, std::string_view part) {
  return text.find(part) != std::string_view::npos;
}

int ToInt(int64_t value) {
  return static_cast<int>(std::clamp<int64_t>(value, INT_MIN, INT_MAX));
}

bool ReadDouble(TextCursor& cursor, double& value) {
  int32_t low, high;
  if (!cursor.ReadInt32(low) || !cursor.ReadInt32(high)) return false;
  value = std::bit_cast<double>(uint64_t{static_cast<uint32_t>(low)} |
                                uint64_t{static_cast<uint32_t>(high)} << 32);
  return true;
}

// Version 3: float64 time base, int32 shots, offset and length, float64 a1, a0.
bool ReadBinaryParameters(TextCursor& cursor, Parameters& p) {
  int32_t shots, offset, length;
  if (!ReadDouble(cursor, p.timeBase) || !cursor.ReadInt32(shots) ||
      !cursor.ReadInt32(offset) || !cursor.ReadInt32(length) || !ReadDouble(cursor, p.a1) ||
      !ReadDouble(cursor, p.a0))
    return false;
  p.shots = shots;
  p.offset = offset;
  p.length = length;
  return true;
}

// Version 4: "timebase shots offset length a1 a0" in decimal; a number the
// text lacks reads as 0.
Parameters ParseTextParameters(std::string_view text) {
  std::vector<std::string_view> fields;
  std::size_t i = 0;
  while (fields.size() < 6) {
    while (i < text.size() && std::isspace(static_cast<unsigned char>(text[i]))) ++i;
    if (i >= text.size()) break;
    std::size_t start = i;
    while (i < text.size() && !std::isspace(static_cast<unsigned char>(text[i]))) ++i;
    fields.push_back(text.substr(start, i - start));
  }
  fields.resize(6);
  Parameters p;
  p.timeBase = LeadingReal(fields[0]);
  p.shots = LeadingInt(fields[1]);
  p.offset = LeadingInt(fields[2]);
  p.length = LeadingInt(fields[3]);
  p.a1 = LeadingReal(fields[4]);
  p.a0 = LeadingReal(fields[5]);
  return p;
}

// The version digit of the loading window's text; a byte that is no
// printable character would garble it.
char ShownVersion(char version) {
  return std::isprint(static_cast<unsigned char>(version)) ? version : '?';
}

}  // namespace

int CMsdcsImporter::Load(const std::string& path, CSpectrum& spectrum) {
  m_path = path;
  char version = 0;
  {
    FILE* file = std::fopen(path.c_str(), "rb");
    if (!file) {
      m_host.Message("Couldn't open file");
      return 0;
    }
    uint8_t head[16];
    const std::size_t got = std::fread(head, 1, sizeof head, file);
    const bool failed = std::ferror(file) != 0;
    std::fclose(file);
    if (failed) {
      m_host.Message("Could not find named file");
      return 0;
    }
    if (got > 2) version = static_cast<char>(head[2]);
  }
  if (version == '5') {
    CMsdcs5Importer msdcs5(m_host);
    return msdcs5.Load(path, spectrum);
  }

  std::unique_ptr<ProgressWindow> progress =
      m_host.OpenProgress(Format("MSDCS v%c file loading", ShownVersion(version)));
  std::vector<uint8_t> text;
  if (!DecodeCodedTextFile(path, version, text, m_host, progress.get())) {
    m_host.Message("Could not decode file");
    return 0;
  }
  return LoadDecoded(text, version, path, spectrum, progress.get());
}

int CMsdcsImporter::LoadDecoded(std::span<const uint8_t> text, char version,
                                const std::string& path, CSpectrum& s,
                                ProgressWindow* progress) {
  m_path = path;
  s.m_nOffset = 0;
  s.m_nCharge = 1;
  const std::size_t window = std::min(text.size(), kMaxInformation + 1);
  const void* end = window ? std::memchr(text.data(), 0xDB, window) : nullptr;
  if (!end) {
    m_host.Message(kNoInformationEnd);
    return 0;
  }
  const std::string_view information(
      reinterpret_cast<const char*>(text.data()),
      static_cast<std::size_t>(static_cast<const uint8_t*>(end) - text.data()));
  if (!Contains(information, "TOFDCS")) {
    m_host.Message(kCannotRead);
    return 0;
  }
  s.m_bTOF = Contains(information, "(LMC)") ? 0 : 1;
  s.m_bDeTOF = 0;

  TextCursor cursor(text, information.size() + 1);
  Parameters p;
  if (version == '3') {
    if (!ReadBinaryParameters(cursor, p)) {
      m_host.Message(kCannotRead);
      return 0;
    }
  } else if (version == '4') {
    std::string_view parameters;
    if (!cursor.ReadUntil(kTerminator, parameters)) {
      m_host.Message(kNoParameterEnd);
      return 0;
    }
    p = ParseTextParameters(parameters);
  } else {
    m_host.Message("Unsupported TOFDCS version!\n");
    return 0;
  }
  if (p.length < 0) {
    m_host.Message(kCannotRead);
    return 0;
  }

  // The identification ends at the back-quote; an information string
  // without one holds no properties, and the parameters stay where they are.
  const std::size_t quote = information.find('`');
  s.SetPropertyText(quote == std::string_view::npos ? std::string_view()
                                                    : information.substr(quote + 1),
                    &m_host);
  s.m_dTimeBase = p.timeBase;
  s.m_nShots = ToInt(p.shots);
  s.m_nOffset = ToInt(p.offset);
  s.m_dA[0] = p.a0;
  s.m_dA[1] = p.a1;
  s.m_dA[2] = s.m_dA[3] = 0.0;

  if (!ReadDcsBody(m_host, progress, cursor, p.length, DcsBodyLayout{}, s)) return 0;
  s.m_pcName = path;
  s.m_bDisplayMz = 0;
  return 1;
}

}  // namespace ionvue
