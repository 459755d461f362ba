#pragma once
// Text lines of the ASCII readers: runs of CR and LF are skipped, a line
// holds at most 99 characters (the rest of a longer one is the next line),
// and a last line that the end of the file cuts short is not a line.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "viewer/importers/raw_file.h"

namespace ionvue {

class CLineReader {
 public:
  static constexpr size_t kMaxLine = 99;

  explicit CLineReader(const std::string& path);

  bool IsOpen() const { return file_.IsOpen(); }
  // The next line, without its end; valid until the next call. False at
  // the end of the file.
  bool Next(std::string_view& line);

 private:
  int Get() {
    if (pos_ == end_ && !Fill()) return -1;
    return static_cast<unsigned char>(buffer_[pos_++]);
  }
  bool Fill();

  CRawFile file_;
  std::vector<char> buffer_;
  size_t pos_ = 0;
  size_t end_ = 0;
  char line_[kMaxLine];
};

}  // namespace ionvue
