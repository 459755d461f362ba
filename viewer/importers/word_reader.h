#pragma once
// Raw sample words (16 or 32 bit, little-endian) read in large blocks and
// widened to int32.

#include <cstddef>
#include <cstdint>
#include <vector>

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
  std::vector<uint16_t> staging_;  // 16-bit words before widening
};

}  // namespace ionvue
