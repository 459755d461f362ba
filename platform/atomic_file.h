#pragma once
// Writes a file beside its target and renames it into place only once it
// was written completely, so a failed save never destroys the old file.

#include <cstdio>
#include <string>
#include <string_view>

namespace ionvue {

class AtomicFile {
 public:
  explicit AtomicFile(std::string target);
  ~AtomicFile();  // discards the temporary file unless Commit() succeeded
  AtomicFile(const AtomicFile&) = delete;
  AtomicFile& operator=(const AtomicFile&) = delete;

  // False when the temporary file could not be created.
  bool Open();
  FILE* stream() const { return stream_; }
  bool Write(const void* data, size_t size);
  bool Write(std::string_view text) { return Write(text.data(), text.size()); }
  // Flushes, syncs and renames over the target; false leaves the target as it was.
  bool Commit();
  bool failed() const { return failed_; }
  const std::string& target() const { return target_; }
  const std::string& temporary() const { return temp_; }

 private:
  std::string target_;
  std::string temp_;
  FILE* stream_ = nullptr;
  bool failed_ = false;
  bool committed_ = false;
};

}  // namespace ionvue
