#include "viewer/formats/msdcs5_importer.h"

#include <algorithm>
#include <climits>
#include <string>
#include <string_view>
#include <vector>

#include "platform/host.h"
#include "platform/settings.h"
#include "viewer/core/spectrum.h"
#include "viewer/formats/label_lines.h"
#include "viewer/formats/msdcs_body.h"
#include "viewer/formats/text_codec.h"

namespace ionvue {

namespace {

constexpr uint8_t kTerminator = 0xDB;
constexpr const char* kNoInformationEnd =
    "Error in file format, MSDCS v. 5\nNo end found in the file information string";
constexpr const char* kMayBeCorrupt =
    "Warning, this file may be corrupt.\nPress OK to continue, but Ionvue may crash!";

bool Contains(std::string_view text, std::string_view part) {
  return text.find(part) != std::string_view::npos;
}

int Integer(const CPropertyTable& p, const char* key) {
  return static_cast<int>(std::clamp<long>(LeadingInt(p.Value(key)), INT_MIN, INT_MAX));
}

double Real(const CPropertyTable& p, const std::string& key) { return LeadingReal(p.Value(key)); }

}  // namespace

int CMsdcs5Importer::Load(const std::string& path, CSpectrum& spectrum) {
  m_path = path;
  std::unique_ptr<ProgressWindow> progress = m_host.OpenProgress("MSDCS v5 file loading");
  std::vector<uint8_t> text;
  if (!DecodeCodedTextFile(path, '5', text, m_host, progress.get())) {
    m_host.Message("Could not decode file");
    return 0;
  }
  return LoadDecoded(text, path, spectrum, progress.get());
}

int CMsdcs5Importer::LoadDecoded(std::span<const uint8_t> text, const std::string& path,
                                 CSpectrum& s, ProgressWindow* progress) {
  m_path = path;
  s.m_nOffset = 0;
  TextCursor cursor(text);
  if (cursor.remaining() < kHeaderBytes) {
    m_host.Message("Error in file format.");
    return 0;
  }
  const std::string_view header(reinterpret_cast<const char*>(text.data()), kHeaderBytes);
  if (!Contains(header, "MSDCS")) {
    m_host.Message("File format cannot be read");
    return 0;
  }
  cursor.Skip(kHeaderBytes);
  int32_t length = 0;
  if (!cursor.ReadInt32(length) || length < 0 ||
      static_cast<std::size_t>(length) > cursor.remaining()) {
    m_host.Message(kNoInformationEnd);
    return 0;
  }
  const std::string_view information(reinterpret_cast<const char*>(text.data() + cursor.pos()),
                                     static_cast<std::size_t>(length));
  cursor.Skip(information.size());
  uint8_t terminator = 0;
  if (!cursor.ReadByte(terminator) || terminator != kTerminator) {
    if (m_host.AskOkCancel(kMayBeCorrupt) != Answer::Ok) return 0;
  }

  s.SetPropertyText(information, &m_host);
  s.SerialiseProperties();
  const CPropertyTable& p = s.m_pProperties;
  s.m_dTimeBase = Real(p, "SPECTRUM_TIMEBASE");
  s.m_nShots = Integer(p, "SPECTRUM_NUMBEROFSHOTS");
  s.m_nOffset = Integer(p, "SPECTRUM_OFFSET");
  const long samples = LeadingInt(p.Value("SPECTRUM_LENGTH"));
  for (int i = 0; i < 4; ++i) {
    s.m_dA[i] = Real(p, "SPECTRUM_A" + std::to_string(i));
    s.m_dCalMass[i] = Real(p, "SPECTRUM_CM" + std::to_string(i));
  }
  s.m_nCharge = p.Has("SPECTRUM_CHARGE") ? Integer(p, "SPECTRUM_CHARGE") : 1;
  const std::string mode = p.Value("SPECTRUM_MODE");
  if (Contains(mode, "non-TOF")) {
    s.m_bTOF = 0;
    s.m_bDeTOF = 0;
  } else {
    s.m_bTOF = 1;
    s.m_bDeTOF = Contains(mode, "deTOF");
  }
  if (samples < 0) {
    m_host.Message("File format cannot be read");
    return 0;
  }

  const DcsBodyLayout layout{.labelCharge = true, .reportLabelText = true};
  if (!ReadDcsBody(m_host, progress, cursor, samples, layout, s)) return 0;
  s.m_pcName = path;
  s.m_bDisplayMz = 0;
  return 1;
}

}  // namespace ionvue
