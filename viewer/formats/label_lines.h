#pragma once
// Labels and the recent display range as the binary spectrum files carry
// them after their samples: one field per text line, numbers in decimal.
//   TEXT LF MASS LF [CHARGE LF] TYPE LF POINT_X ' ' POINT_Y LF JUSTIFY LF
//   SIZE_X ' ' SIZE_Y LF ORIENT CR <one byte>

#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>

#include "viewer/core/label.h"

namespace ionvue {

class TextCursor {
 public:
  explicit TextCursor(std::span<const uint8_t> data, size_t pos = 0) : data_(data), pos_(pos) {}

  // The bytes up to (not including) `end`, which is consumed; false (and
  // nothing consumed) when the data ends first.
  bool ReadUntil(char end, std::string_view& field);
  bool ReadLine(std::string_view& line) { return ReadUntil('\n', line); }
  bool Skip(size_t bytes);
  bool ReadInt32(int32_t& value);
  bool ReadByte(uint8_t& value);
  size_t pos() const { return pos_; }
  size_t remaining() const { return data_.size() - pos_; }
  std::span<const uint8_t> rest() const { return data_.subspan(pos_); }
  void Seek(size_t pos) { pos_ = pos < data_.size() ? pos : data_.size(); }

 private:
  std::span<const uint8_t> data_;
  size_t pos_;
};

enum class LabelLinesResult { kLabel, kNoTextEnd, kTruncated };

// Reads one label. kNoTextEnd: the text has no line feed at all (the reader
// shows "Error"); kTruncated: a later field is cut off. Neither stores a
// label. Texts are cut to what the record holds.
LabelLinesResult ReadLabelLines(TextCursor& cursor, bool withCharge, CLabel& label);

// The two recent-range lines; false (values untouched) when they are missing.
bool ReadRecentRange(TextCursor& cursor, double& start, double& end);

}  // namespace ionvue
