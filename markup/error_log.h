#pragma once
// Numbered error lines ("1. message\r\n") as setup collects them.

#include <string>
#include <string_view>

namespace ionvue {

class MarkupErrorLog {
 public:
  void Add(std::string_view message) {
    ++count_;
    text_ += std::to_string(count_);
    text_ += ". ";
    text_ += message;
    text_ += "\r\n";
  }
  const std::string& text() const { return text_; }
  int count() const { return count_; }

 private:
  std::string text_;
  int count_ = 0;
};

}  // namespace ionvue
