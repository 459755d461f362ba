#pragma once
// The lines of the information block: the file and the time, then the
// description and the notes from the property text, wrapped to the plot.

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace ionvue {

// Width of a text in the block's font, in twips.
using TextWidth = std::function<int(std::string_view)>;

// One wrapped piece of a property text.
struct TextPiece {
  std::string text;
  size_t next = 0;         // where the following piece starts
  bool endsEntry = false;  // the piece reached the next entry ("__") or the end
};

inline constexpr size_t kMaxPieceCharacters = 300;
inline constexpr const char* kWrapBreaks = " ;:,.)?!-_";

// The piece of `text` starting at `from`: up to `maxWidth` wide and 300
// characters, ending at a line end or at the "__" of the next entry; a piece
// cut by width runs on to the next break character or line end.
TextPiece NextPiece(std::string_view text, size_t from, int maxWidth, const TextWidth& width);

// The block's lines: `header` (the path and the time), then the description
// and the notes of `properties`.
std::vector<std::string> InformationLines(const std::string& header, std::string_view properties,
                                          int maxWidth, const TextWidth& width);

}  // namespace ionvue
