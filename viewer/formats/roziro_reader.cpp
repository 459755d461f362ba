#include "viewer/formats/roziro_reader.h"

#include <sys/stat.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <new>

#include "platform/host.h"
#include "platform/settings.h"
#include "viewer/core/spectrum.h"
#include "viewer/formats/compression.h"
#include "viewer/formats/label_lines.h"
#include "viewer/formats/roziro_text.h"

namespace ionvue {

bool ReadWholeFile(const std::string& path, std::vector<uint8_t>& bytes) {
  FILE* file = std::fopen(path.c_str(), "rb");
  if (!file) return false;
  struct stat info {};
  bool ok = ::fstat(::fileno(file), &info) == 0 && info.st_size >= 0;
  try {
    if (ok) bytes.resize(static_cast<size_t>(info.st_size));
    ok = ok && std::fread(bytes.data(), 1, bytes.size(), file) == bytes.size();
  } catch (const std::bad_alloc&) {
    ok = false;
  }
  std::fclose(file);
  return ok;
}

namespace {

constexpr const char* kMissingRoziro =
    "The data file was not exactly an ROZIRO file.\r\nIt was missing:\r\n1. An opening <ROZIRO> "
    "tag.";
constexpr const char* kCutTag =
    "The data file was not exactly an ROZIRO file.\r\nIt ends inside a tag.";
constexpr const char* kNoInformationEnd =
    "Error in file format.\nNo end found in the MSDCS information string";

// One tag of the scan: from its '<' through the '>' that is not quoted.
class TagScan {
 public:
  explicit TagScan(std::span<const uint8_t> data) : data_(data) {}
  enum class Step { kTag, kEnd, kCut };
  Step Next(std::string_view& tag) {
    const uint8_t* begin = data_.data();
    const uint8_t* lt =
        pos_ < data_.size()
            ? static_cast<const uint8_t*>(std::memchr(begin + pos_, '<', data_.size() - pos_))
            : nullptr;
    if (!lt) return Step::kEnd;
    size_t i = lt - begin + 1;
    bool quoted = false;
    for (; i < data_.size(); ++i) {
      if (data_[i] == '"')
        quoted = !quoted;
      else if (data_[i] == '>' && !quoted)
        break;
    }
    if (i >= data_.size()) return Step::kCut;
    tag = std::string_view(reinterpret_cast<const char*>(lt), i + 1 - (lt - begin));
    pos_ = i + 1;
    return Step::kTag;
  }
  size_t pos() const { return pos_; }
  void Seek(size_t pos) { pos_ = std::min(pos, data_.size()); }
  void Stop() { pos_ = data_.size(); }

 private:
  std::span<const uint8_t> data_;
  size_t pos_ = 0;
};

bool Contains(std::string_view text, std::string_view part) {
  return text.find(part) != std::string_view::npos;
}

// No group stream can hold more codes than this many per byte left.
size_t MostSamplesIn(size_t bytes) { return bytes * 127 + 1; }

const char* DataErrorMessage(const GroupReadResult& result) {
  if (result.groups == 0) return GroupErrorMessage(result.error);
  return GroupErrorMessage(GroupError::kGroupData);
}

// Reads `count` samples of a ROZIRO sample stream into the spectrum.
// Returns the samples held, or −1 when memory was short (after the message).
long ReadSamples(Host& host, TextCursor& cursor, long count, CSpectrum& s, bool& failed) {
  failed = false;
  if (count < 0 || static_cast<size_t>(count) > MostSamplesIn(cursor.remaining()) ||
      count > CSpectrum::kMaxSamples) {
    host.Message(GroupErrorMessage(GroupError::kGroupData));
    failed = true;
    s.Resize(0);
    return 0;
  }
  if (!s.Resize(static_cast<int>(count))) {
    host.Message(CSpectrum::kInsufficientMemory, MessageIcon::Stop);
    return -1;
  }
  GroupReadResult result =
      DecodeSampleStream(cursor.rest(), GroupHeader::kOneByte, s.m_pData.get(), count);
  cursor.Skip(result.bytes);
  if (result.error != GroupError::kNone || result.codes < static_cast<size_t>(count)) {
    host.Message(DataErrorMessage(result));
    failed = true;
  }
  s.m_nLength = static_cast<int>(result.codes);
  return static_cast<long>(result.codes);
}

double Real(const CPropertyTable& p, const char* key) { return LeadingReal(p.Value(key)); }
long Integer(const CPropertyTable& p, const char* key) { return LeadingInt(p.Value(key)); }

// The header values every reader takes from the property table.
void TakeHeaderValues(CSpectrum& s, long samplesHeld) {
  const CPropertyTable& p = s.m_pProperties;
  s.m_dTimeBase = Real(p, "SPECTRUM_TIMEBASE");
  s.m_dRecentStart = Real(p, "SPECTRUM_RECENT_START");
  s.m_dRecentEnd = Real(p, "SPECTRUM_RECENT_END");
  s.m_nShots = static_cast<int>(Integer(p, "SPECTRUM_NUMBEROFSHOTS"));
  // Without the entry every sample held is shown.
  long length = p.Has("SPECTRUM_LENGTH")
                    ? std::clamp(Integer(p, "SPECTRUM_LENGTH"), 0L, samplesHeld)
                    : samplesHeld;
  s.m_nLength = static_cast<int>(length);
  for (int i = 0; i < 4; ++i) {
    s.m_dA[i] = Real(p, ("SPECTRUM_A" + std::to_string(i)).c_str());
    s.m_dCalMass[i] = Real(p, ("SPECTRUM_CM" + std::to_string(i)).c_str());
  }
  s.m_bDisplayMz = Contains(p.Value("DISPLAY_MZ"), "YES");
  s.m_nOffset = static_cast<int>(Integer(p, "SPECTRUM_OFFSET"));
  s.m_nCharge = p.Has("SPECTRUM_CHARGE") ? static_cast<int>(Integer(p, "SPECTRUM_CHARGE")) : 1;
  std::string mode = p.Value("SPECTRUM_MODE");
  if (Contains(mode, "non-TOF")) {
    s.m_bTOF = 0;
    s.m_bDeTOF = 0;
  } else {
    s.m_bTOF = 1;
    s.m_bDeTOF = Contains(mode, "deTOF");
  }
}

CLabel LabelFromTag(std::string_view tag) {
  CLabel l;
  std::string v;
  if (RoziroAttribute(tag, "TEXT", v)) l.SetText(v);
  if (RoziroAttribute(tag, "MASS", v)) l.mass = LeadingReal(v);
  l.charge = RoziroAttribute(tag, "CHARGE", v) ? static_cast<int32_t>(LeadingInt(v)) : 1;
  l.mz = RoziroAttribute(tag, "MZ", v) ? LeadingReal(v) : l.mass + 1.0074;
  if (RoziroAttribute(tag, "TYPE", v) && !v.empty()) l.type = v.front();
  struct Field {
    const char* name;
    int32_t* target;
  } fields[] = {{"POINT_X", &l.x},          {"POINT_Y", &l.y},     {"JUSTIFY", &l.justify},
                {"SIZE_X", &l.width},       {"SIZE_Y", &l.height}, {"ORIENT", &l.vertical},
                {"INTENSITY", &l.intensity}};
  for (const Field& f : fields)
    if (RoziroAttribute(tag, f.name, v)) *f.target = static_cast<int32_t>(LeadingInt(v));
  if (RoziroAttribute(tag, "SN", v)) l.sn = LeadingReal(v);
  return l;
}

}  // namespace

int CRoziroImporter::Load(const std::string& path, CSpectrum& spectrum) {
  m_path = path;
  std::vector<uint8_t> file;
  if (!ReadWholeFile(path, file)) {
    m_host.Message("Couldn't open file");
    return kFailed;
  }
  return LoadBytes(file, path, spectrum);
}

int CRoziroImporter::LoadBytes(std::span<const uint8_t> file, const std::string& path,
                               CSpectrum& s) {
  TagScan scan(file);
  bool roziro = false, entriesSeen = false;
  long samplesHeld = 0;
  std::vector<CLabel> labels, sectionLabels;
  std::string_view tag;
  while (true) {
    TagScan::Step step = scan.Next(tag);
    if (step == TagScan::Step::kEnd) break;
    if (step == TagScan::Step::kCut) {
      m_host.Message(kCutTag);
      return kFailed;
    }
    if (tag == "<bioml>") return LoadBioml(file, path, s);
    if (tag == "<ROZIRO>") {
      roziro = true;
    } else if (tag == "<DATA TYPE=\"MSDCS7\">") {
      TextCursor cursor(file, scan.pos());
      int32_t count;
      if (!cursor.ReadInt32(count)) {
        m_host.Message(GroupErrorMessage(GroupError::kFieldCount));
        break;
      }
      bool failed;
      samplesHeld = ReadSamples(m_host, cursor, count, s, failed);
      if (samplesHeld < 0) return kFailed;
      s.m_pcName = path;
      scan.Seek(cursor.pos());
      if (failed) break;  // what follows a broken stream is not markup
    } else if (tag == "<DATA TYPE=\"MSDCS6\">") {
      TextCursor cursor(file, scan.pos());
      int32_t length;
      if (!cursor.ReadInt32(length) || length < 0 ||
          static_cast<size_t>(length) > cursor.remaining()) {
        m_host.Message(kNoInformationEnd);
        break;
      }
      std::string_view info(reinterpret_cast<const char*>(file.data() + cursor.pos()),
                            static_cast<size_t>(length));
      cursor.Skip(static_cast<size_t>(length));
      s.SetPropertyText(info, &m_host);
      entriesSeen = true;
      bool failed;
      samplesHeld = ReadSamples(m_host, cursor,
                                LeadingInt(s.m_pProperties.Value("SPECTRUM_LENGTH")), s, failed);
      if (samplesHeld < 0) return kFailed;
      TakeHeaderValues(s, samplesHeld);
      s.m_pcName = path;
      if (failed) break;
      int32_t labelCount = 0;
      if (cursor.ReadInt32(labelCount)) {
        sectionLabels.clear();
        for (int i = 0; i < (labelCount & 0xFF); ++i) {
          CLabel label;
          LabelLinesResult r = ReadLabelLines(cursor, true, label);
          if (r == LabelLinesResult::kNoTextEnd) m_host.Message("Error");
          if (r != LabelLinesResult::kLabel) break;
          if (sectionLabels.size() < CSpectrum::kMaxLabels) sectionLabels.push_back(label);
        }
        ReadRecentRange(cursor, s.m_dRecentStart, s.m_dRecentEnd);
        cursor.Skip(1);
      }
      scan.Seek(cursor.pos());
    } else if (Contains(tag, "<LABEL")) {
      if (labels.size() < CSpectrum::kMaxLabels) labels.push_back(LabelFromTag(tag));
    } else if (Contains(tag, "<ENTRY")) {
      if (!entriesSeen) {
        s.m_pProperties.RemoveAll();
        entriesSeen = true;
      }
      std::string key, value;
      RoziroAttribute(tag, "KEY", key);
      RoziroAttribute(tag, "VALUE", value);
      s.m_pProperties.AddIfAbsent(key, value);
    } else if (Contains(tag, "</ROZIRO>")) {
      break;
    }
  }
  if (!roziro) {
    m_host.Message(kMissingRoziro);
    return kFailed;
  }
  s.SerialiseProperties();
  // A file of an older kind keeps its section's labels unless LABEL
  // elements follow.
  s.m_pLabels = labels.empty() ? sectionLabels : labels;
  TakeHeaderValues(s, samplesHeld);
  return kRoziro;
}

int ReadRoziroBlock(const std::string& path, SpectrumBlock& block, std::vector<int32_t>& storage) {
  std::vector<uint8_t> file;
  if (!ReadWholeFile(path, file)) return -2;
  TagScan scan(file);
  bool roziro = false;
  std::string_view tag;
  while (true) {
    TagScan::Step step = scan.Next(tag);
    if (step == TagScan::Step::kEnd) break;
    if (step == TagScan::Step::kCut) return -3;
    if (tag == "<ROZIRO>") {
      roziro = true;
    } else if (Contains(tag, "<ENTRY")) {
      std::string key, value;
      RoziroAttribute(tag, "KEY", key);
      RoziroAttribute(tag, "VALUE", value);
      if (Contains(key, "SPECTRUM_TIMEBASE"))
        block.timeBase = LeadingReal(value);
      else if (Contains(key, "SPECTRUM_LENGTH"))
        block.length = static_cast<int>(LeadingInt(value));
      else if (Contains(key, "SPECTRUM_OFFSET"))
        block.offset = static_cast<int>(LeadingInt(value));
      else if (Contains(key, "SPECTRUM_DESCRIPTION"))
        block.description = value;
      for (int i = 0; i < 4; ++i)
        if (Contains(key, "SPECTRUM_A" + std::to_string(i))) block.a[i] = LeadingReal(value);
    } else if (tag == "<DATA TYPE=\"MSDCS7\">") {
      TextCursor cursor(file, scan.pos());
      int32_t count;
      if (!cursor.ReadInt32(count) || count < 0 || count > CSpectrum::kMaxSamples ||
          static_cast<size_t>(count) > MostSamplesIn(cursor.remaining()))
        break;
      try {
        storage.assign(static_cast<size_t>(count) + 100, 1);
      } catch (const std::bad_alloc&) {
        break;
      }
      GroupReadResult r =
          DecodeSampleStream(cursor.rest(), GroupHeader::kOneByte, storage.data(), count);
      cursor.Skip(r.bytes);
      block.samples = storage.data();
      block.length = static_cast<int>(r.codes);
      scan.Seek(cursor.pos());
      if (r.error != GroupError::kNone) break;
    } else if (Contains(tag, "</ROZIRO>")) {
      break;
    }
  }
  if (!roziro) return -2;
  // The block never claims more samples than it holds.
  if (!block.samples) block.length = 0;
  block.length = std::clamp(block.length, 0, std::max(0, static_cast<int>(storage.size()) - 100));
  return block.length;
}

}  // namespace ionvue
