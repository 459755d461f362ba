#include "viewer/view/information_text.h"

#include <algorithm>

namespace ionvue {

namespace {

bool IsLineEnd(char c) { return c == '\r' || c == '\n'; }

bool EntryStartsAt(std::string_view text, size_t i) {
  return i + 1 < text.size() && text[i] == '_' && text[i + 1] == '_';
}

// Where a piece from `s` must end at the latest: a line end, the next entry
// or the end of the text.
size_t HardEnd(std::string_view text, size_t s) {
  size_t e = s;
  while (e < text.size() && !IsLineEnd(text[e]) && !EntryStartsAt(text, e)) ++e;
  return e;
}

// Property values keep their underscores as 0xFA; the block shows them as
// the user typed them.
std::string Shown(std::string_view text) {
  std::string out(text);
  std::replace(out.begin(), out.end(), '\xFA', '_');
  return out;
}

}  // namespace

TextPiece NextPiece(std::string_view text, size_t from, int maxWidth, const TextWidth& width) {
  size_t s = std::min(from, text.size());
  if (EntryStartsAt(text, s))
    while (s < text.size() && text[s] == '_') ++s;
  const size_t hard = HardEnd(text, s);
  size_t e = std::min(hard, s + kMaxPieceCharacters);

  if (e > s && width(text.substr(s, e - s)) > maxWidth) {
    // The longest prefix that fits, at least one character.
    size_t fits = 1, tooWide = e - s;
    while (tooWide - fits > 1) {
      size_t mid = fits + (tooWide - fits) / 2;
      if (width(text.substr(s, mid)) <= maxWidth)
        fits = mid;
      else
        tooWide = mid;
    }
    e = s + fits;
    // Run on to the next break character (included) or the line end.
    while (e < hard && std::string_view(kWrapBreaks).find(text[e]) == std::string_view::npos) ++e;
    if (e < hard) ++e;
  }

  TextPiece piece;
  piece.text = std::string(text.substr(s, e - s));
  piece.next = e;
  if (e < text.size() && IsLineEnd(text[e])) {
    ++piece.next;
    if (piece.next < text.size() && text[piece.next] == '\n') ++piece.next;
  }
  piece.endsEntry = piece.next >= text.size() || EntryStartsAt(text, piece.next);
  return piece;
}

std::vector<std::string> InformationLines(const std::string& header, std::string_view properties,
                                          int maxWidth, const TextWidth& width) {
  static constexpr struct {
    const char* key;
    const char* title;
  } kEntries[] = {{"SPECTRUM_DESCRIPTION", "Description: "},
                  {"SPECTRUM_NOTES", "Spectrum Notes: "}};

  std::vector<std::string> lines{header};
  for (const auto& entry : kEntries) {
    bool inEntry = false;
    size_t pos = 0;
    while (pos < properties.size()) {
      TextPiece piece = NextPiece(properties, pos, maxWidth, width);
      if (inEntry) {
        lines.push_back("    " + Shown(piece.text));
      } else if (piece.text.find(entry.key) != std::string::npos) {
        inEntry = true;
        size_t equals = piece.text.find('=');
        if (equals != std::string::npos)
          lines.push_back(entry.title + Shown(std::string_view(piece.text).substr(equals + 1)));
      }
      if (inEntry && piece.endsEntry) break;
      pos = std::max(piece.next, pos + 1);
    }
  }
  return lines;
}

}  // namespace ionvue
