#include "markup/script_blocks.h"

#include <algorithm>
#include <vector>

namespace ionvue {

namespace {

constexpr std::string_view kOpen = "<script";
constexpr std::string_view kClose = "</script>";
constexpr size_t kNone = std::string_view::npos;

std::vector<size_t> Occurrences(std::string_view text, std::string_view word) {
  std::vector<size_t> found;
  for (size_t at = text.find(word); at != kNone; at = text.find(word, at + 1)) found.push_back(at);
  return found;
}

}  // namespace

// Done as one forward sweep rather than pass after pass over the whole text:
// a pass only ever blanks bytes, so the k-th pass always starts at the k-th
// "<script", regions only grow to the right, and each byte is visited a
// bounded number of times however the blocks nest.
ScriptBlockRemoval RemoveScriptBlocks(std::string_view source) {
  ScriptBlockRemoval result;
  const std::vector<size_t> opens = Occurrences(source, kOpen);
  if (opens.empty()) return result;
  const std::vector<size_t> closes = Occurrences(source, kClose);

  std::vector<bool> blank(source.size(), false);
  // The '>' that ends each spared "<script" tag, once a pass has spared it.
  std::vector<size_t> spared_end(opens.size(), kNone);
  size_t swept_until = 0;  // bytes before this were inside some region
  size_t next_close = 0;
  size_t first_unswept_open = 0;  // index of the first "<script" at or after swept_until

  auto intact = [&](size_t at) {
    for (size_t i = at; i < at + kClose.size(); ++i)
      if (blank[i]) return false;
    return true;
  };

  for (size_t k = 0; k < opens.size(); ++k) {
    const size_t start = opens[k];
    while (next_close < closes.size() && (closes[next_close] < start || !intact(closes[next_close])))
      ++next_close;
    if (next_close == closes.size()) {
      result.end_missing = true;
      break;
    }
    const size_t end = closes[next_close] + kClose.size();  // one past the '>'
    result.removed = true;

    size_t fresh_from = start;
    if (start < swept_until) {
      // This tag was spared by an earlier pass; blank what only it kept.
      size_t stop = spared_end[k] + 1;
      if (k + 1 < opens.size()) stop = std::min(stop, opens[k + 1]);
      for (size_t i = start; i < stop; ++i) blank[i] = true;
      fresh_from = swept_until;
    }

    while (first_unswept_open < opens.size() && opens[first_unswept_open] < swept_until)
      ++first_unswept_open;
    size_t j = std::max(k + 1, first_unswept_open);
    size_t spare_to = kNone;  // inclusive end of the tag being spared
    for (size_t i = fresh_from; i < end; ++i) {
      if (j < opens.size() && opens[j] == i) {
        if (spare_to == kNone || i > spare_to) spare_to = source.find('>', i);
        spared_end[j] = spare_to;
        ++j;
      }
      if (spare_to == kNone || i > spare_to) blank[i] = true;
    }
    swept_until = std::max(swept_until, end);
  }

  if (!result.removed) return result;
  result.text.reserve(source.size());
  for (size_t i = 0; i < source.size(); ++i)
    if (!blank[i]) result.text.push_back(source[i]);
  return result;
}

}  // namespace ionvue
