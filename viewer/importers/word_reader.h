#pragma once
// Raw sample words (16 or 32 bit, little-endian) read in large blocks and
// widened to int32.

#include <cstddef>
#include <cstdint>
#include <memory>

#include "viewer/importers/raw_file.h"

namespace ionvue {

enum class WordKind { kInt16, kUInt16, kInt32 };

inline int WordBytes(WordKind kind) { return kind == WordKind::kInt32 ? 4 : 2; }

class CWordReader {
 public:
  // Reads from the file's current position.
  CWordReader(CRawFile& file, WordKind kind);

  // Up to `max` whole words into `out`; 0 once the data has ended. A short
  // read (the end of the file, or a trailing part of a word) ends the data.
  size_t Read(int32_t* out, size_t max);
  bool Ended() const { return ended_; }

 private:
  CRawFile& file_;
  WordKind kind_;
  bool ended_ = false;
  // 16-bit words before widening, grown to what the reads need.
  std::unique_ptr<uint16_t[]> staging_;
  size_t stagingSize_ = 0;
};

// Reads up to `count` words into `out` in blocks small enough to stay in
// cache, handing each block to `each(block, n)` right after it arrives so
// the caller can look at or rewrite it while it is hot. Returns the words
// read.
template <typename Each>
int64_t ReadWordBlocks(CWordReader& reader, int32_t* out, int64_t count, Each&& each) {
  constexpr int64_t kBlockWords = 64 * 1024;
  int64_t stored = 0;
  while (stored < count) {
    const int64_t want = count - stored < kBlockWords ? count - stored : kBlockWords;
    const size_t n = reader.Read(out + stored, static_cast<size_t>(want));
    if (n == 0) break;
    each(out + stored, n);
    stored += static_cast<int64_t>(n);
  }
  return stored;
}

}  // namespace ionvue
