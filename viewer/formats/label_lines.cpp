#include "viewer/formats/label_lines.h"

#include <cstring>
#include <string>

#include "platform/settings.h"

namespace ionvue {

bool TextCursor::ReadUntil(char end, std::string_view& field) {
  if (remaining() == 0) return false;
  const auto* begin = data_.data() + pos_;
  const void* hit = std::memchr(begin, end, data_.size() - pos_);
  if (!hit) return false;
  size_t length = static_cast<const uint8_t*>(hit) - begin;
  field = std::string_view(reinterpret_cast<const char*>(begin), length);
  pos_ += length + 1;
  return true;
}

bool TextCursor::Skip(size_t bytes) {
  if (bytes > remaining()) return false;
  pos_ += bytes;
  return true;
}

bool TextCursor::ReadInt32(int32_t& value) {
  if (remaining() < 4) return false;
  const uint8_t* p = data_.data() + pos_;
  value = static_cast<int32_t>(uint32_t{p[0]} | uint32_t{p[1]} << 8 | uint32_t{p[2]} << 16 |
                               uint32_t{p[3]} << 24);
  pos_ += 4;
  return true;
}

bool TextCursor::ReadByte(uint8_t& value) {
  if (remaining() < 1) return false;
  value = data_[pos_++];
  return true;
}

namespace {

int32_t Int(std::string_view text) { return static_cast<int32_t>(LeadingInt(text)); }

// "X Y": the second number follows the first blank.
void Pair(std::string_view line, int32_t& first, int32_t& second) {
  first = Int(line);
  size_t blank = line.find(' ');
  second = blank == std::string_view::npos ? 0 : Int(line.substr(blank + 1));
}

}  // namespace

LabelLinesResult ReadLabelLines(TextCursor& cursor, bool withCharge, CLabel& label) {
  std::string_view text, mass, charge, type, point, justify, size, orient;
  if (!cursor.ReadLine(text)) return LabelLinesResult::kNoTextEnd;
  if (!cursor.ReadLine(mass) || (withCharge && !cursor.ReadLine(charge)) ||
      !cursor.ReadLine(type) || !cursor.ReadLine(point) || !cursor.ReadLine(justify) ||
      !cursor.ReadLine(size) || !cursor.ReadUntil('\r', orient) || !cursor.Skip(1))
    return LabelLinesResult::kTruncated;
  CLabel read;
  read.SetText(text);
  read.mass = LeadingReal(mass);
  read.mz = read.mass + 1.0074;
  read.charge = withCharge ? Int(charge) : 1;
  if (read.charge == 0) read.charge = 1;
  read.type = type.empty() ? 'C' : type.front();
  Pair(point, read.x, read.y);
  read.justify = Int(justify);
  Pair(size, read.width, read.height);
  read.vertical = Int(orient);
  label = read;
  return LabelLinesResult::kLabel;
}

bool ReadRecentRange(TextCursor& cursor, double& start, double& end) {
  size_t mark = cursor.pos();
  std::string_view first, second;
  if (!cursor.ReadLine(first) || !cursor.ReadLine(second)) {
    cursor.Seek(mark);
    return false;
  }
  start = LeadingReal(first);
  end = LeadingReal(second);
  return true;
}

}  // namespace ionvue
