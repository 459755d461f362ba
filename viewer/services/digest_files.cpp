#include "viewer/services/digest_files.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <memory>
#include <vector>

#include "platform/host.h"
#include "viewer/services/digest_overlay.h"

namespace ionvue {

namespace {

constexpr size_t kFirstLineChars = 8;
constexpr size_t kFragmentLineChars = 98;
constexpr size_t kMassLineChars = 254;

// Lines of a text file ending in LF or CR LF. A line longer than the
// reader's width keeps its first characters and loses the rest, so an
// overlong line never turns into further lines (and never into a large
// allocation).
class BoundedLineReader {
 public:
  explicit BoundedLineReader(const std::string& path)
      : file_(std::fopen(path.c_str(), "rb"), &std::fclose) {}
  bool IsOpen() const { return file_ != nullptr; }

  bool Next(size_t width, std::string& line) {
    line.clear();
    if (!file_) return false;
    bool any = false;
    int c;
    while ((c = std::getc(file_.get())) != EOF) {
      any = true;
      if (c == '\n') break;
      if (line.size() < width + 1) line.push_back(static_cast<char>(c));
    }
    if (!any) return false;
    // The +1 above keeps a CR at the very end of a full-width line.
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.size() > width) line.resize(width);
    return true;
  }

 private:
  std::unique_ptr<FILE, int (*)(FILE*)> file_;
};

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

bool IsBlankLine(std::string_view line) {
  for (char c : line)
    if (!IsBlank(c)) return false;
  return true;
}

// A decimal number at the start of the text (blanks skipped), as a C
// reader of numbers takes it; nothing when there is none or it is not finite.
bool ReadNumber(std::string_view& text, double& value) {
  size_t i = 0;
  while (i < text.size() && IsBlank(text[i])) ++i;
  if (i < text.size() && text[i] == '+') ++i;
  double parsed = 0.0;
  auto result = std::from_chars(text.data() + i, text.data() + text.size(), parsed,
                                std::chars_format::general);
  if (result.ec != std::errc() || !std::isfinite(parsed)) return false;
  value = parsed;
  text.remove_prefix(static_cast<size_t>(result.ptr - text.data()));
  return true;
}

bool ReadInteger(std::string_view& text, int32_t& value) {
  size_t i = 0;
  while (i < text.size() && IsBlank(text[i])) ++i;
  if (i < text.size() && text[i] == '+') ++i;
  int32_t parsed = 0;
  auto result = std::from_chars(text.data() + i, text.data() + text.size(), parsed);
  if (result.ec != std::errc()) return false;
  value = parsed;
  text.remove_prefix(static_cast<size_t>(result.ptr - text.data()));
  return true;
}

bool SkipSeparator(std::string_view& text) {
  if (text.empty() || !IsBlank(text.front())) return false;
  text.remove_prefix(1);
  return true;
}

// First residue, a blank or tab, last residue, a blank or tab, the mass.
bool ParseFragment(std::string_view line, DigestOverlay::Fragment& fragment) {
  return ReadInteger(line, fragment.firstResidue) && SkipSeparator(line) &&
         ReadInteger(line, fragment.lastResidue) && SkipSeparator(line) &&
         ReadNumber(line, fragment.mass);
}

double LineMass(std::string_view line) {
  double mass = 0.0;
  return ReadNumber(line, mass) ? mass : 0.0;
}

}  // namespace

bool ReadMassTableFile(Host& host, const std::string& path, DigestOverlay& overlay) {
  BoundedLineReader reader(path);
  if (!reader.IsOpen()) {
    host.Message(kCleavageFileUnreadable);
    return false;
  }
  std::vector<double> masses;
  bool truncated = false;
  std::string line;
  while (reader.Next(kMassLineChars, line)) {
    if (IsBlankLine(line)) continue;
    if (masses.size() == static_cast<size_t>(DigestOverlay::kMaxEntries)) {
      truncated = true;
      break;
    }
    masses.push_back(LineMass(line));
  }
  if (masses.empty()) {
    host.Message(kNoMassesInTable);
    return false;
  }
  if (truncated) host.Message(kTooManyFileMasses);
  overlay.SetPlainMasses(std::move(masses));
  return true;
}

bool ReadCleavageFile(Host& host, const std::string& path, DigestOverlay& overlay) {
  BoundedLineReader reader(path);
  if (!reader.IsOpen()) {
    host.Message(kCleavageFileUnreadable);
    return false;
  }
  std::string first;
  reader.Next(kFirstLineChars, first);

  double junction = 0.0;
  switch (first.empty() ? '\0' : first.front()) {
    case 'E':
      junction = DigestOverlay::kJunctionE;
      break;
    case 'C':
      junction = DigestOverlay::kJunctionC;
      break;
    case 'I':
      junction = DigestOverlay::kJunctionI;
      break;
    default:
      if (LineMass(first) > 1.0) return ReadMassTableFile(host, path, overlay);
      host.Message(kInvalidCleavageFile);
      return false;
  }

  // A line that does not hold the three numbers is no fragment: a blank
  // line or a mass-less line would otherwise add a junction to every run
  // across it.
  std::vector<DigestOverlay::Fragment> fragments;
  bool truncated = false;
  std::string line;
  while (reader.Next(kFragmentLineChars, line)) {
    DigestOverlay::Fragment fragment;
    if (!ParseFragment(line, fragment)) continue;
    if (fragments.size() == static_cast<size_t>(DigestOverlay::kMaxEntries)) {
      truncated = true;
      break;
    }
    fragments.push_back(fragment);
  }
  if (fragments.empty()) {
    host.Message(kInvalidCleavageFile);
    return false;
  }
  if (truncated) host.Message(kTooManyFragments);
  overlay.SetCleavageTable(junction, fragments);
  return true;
}

bool ParseMassTemplate(Host& host, std::string_view text, DigestOverlay& overlay) {
  if (text.empty()) {
    host.Message(kEmptyClipboard);
    return false;
  }
  std::vector<double> masses;
  bool truncated = false;
  bool anyDigit = false;
  size_t i = 0;
  while (i < text.size()) {
    if (text[i] < '0' || text[i] > '9') {
      ++i;
      continue;
    }
    anyDigit = true;
    size_t end = i;
    while (end < text.size() && ((text[end] >= '0' && text[end] <= '9') || text[end] == '.')) ++end;
    if (masses.size() == static_cast<size_t>(DigestOverlay::kMaxEntries)) {
      truncated = true;
      break;
    }
    masses.push_back(LineMass(text.substr(i, end - i)));
    i = end;
  }
  if (!anyDigit) {
    host.Message(kNoMassesOnClipboard);
    return false;
  }
  if (truncated) host.Message(kTooManyClipboardMasses);
  overlay.SetPlainMasses(std::move(masses));
  return true;
}

}  // namespace ionvue
