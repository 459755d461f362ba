#pragma once
// A file read in blocks whose real size is taken when it is opened, so the
// readers can bound every count and offset by the bytes that are present.

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>

namespace ionvue {

class CRawFile {
 public:
  explicit CRawFile(const std::string& path);
  ~CRawFile();
  CRawFile(const CRawFile&) = delete;
  CRawFile& operator=(const CRawFile&) = delete;

  bool IsOpen() const { return file_ != nullptr; }
  // Bytes in the file when it was opened; 0 for anything but a regular file,
  // so devices and pipes never feed a reader without end.
  uint64_t Size() const { return size_; }
  // Bytes left from the current position to Size().
  uint64_t Remaining() const { return size_ > pos_ ? size_ - pos_ : 0; }
  bool Seek(uint64_t offset);
  // Reads up to `bytes`, never past Size(); returns the bytes read.
  size_t Read(void* buffer, size_t bytes);

 private:
  std::FILE* file_ = nullptr;
  uint64_t size_ = 0;
  uint64_t pos_ = 0;
};

}  // namespace ionvue
