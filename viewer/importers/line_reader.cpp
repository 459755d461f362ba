#include "viewer/importers/line_reader.h"

namespace ionvue {

namespace {
constexpr size_t kBlockBytes = 64 * 1024;

bool IsLineEnd(int c) { return c == '\r' || c == '\n'; }
}  // namespace

CLineReader::CLineReader(const std::string& path) : file_(path), buffer_(kBlockBytes) {}

bool CLineReader::Fill() {
  pos_ = 0;
  end_ = file_.Read(buffer_.data(), buffer_.size());
  return end_ > 0;
}

bool CLineReader::Next(std::string_view& line) {
  int c;
  do {
    c = Get();
  } while (IsLineEnd(c));
  if (c < 0) return false;
  size_t n = 0;
  line_[n++] = static_cast<char>(c);
  while (n < kMaxLine) {
    c = Get();
    if (c < 0) return false;
    if (IsLineEnd(c)) break;
    line_[n++] = static_cast<char>(c);
  }
  line = std::string_view(line_, n);
  return true;
}

}  // namespace ionvue
