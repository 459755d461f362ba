#include "viewer/importers/raw_file.h"

#include <sys/stat.h>

namespace ionvue {

CRawFile::CRawFile(const std::string& path) {
  file_ = std::fopen(path.c_str(), "rb");
  if (!file_) return;
  struct stat info {};
  if (::fstat(::fileno(file_), &info) == 0 && S_ISREG(info.st_mode) && info.st_size > 0)
    size_ = static_cast<uint64_t>(info.st_size);
}

CRawFile::~CRawFile() {
  if (file_) std::fclose(file_);
}

bool CRawFile::Seek(uint64_t offset) {
  if (!file_ || offset > size_) return false;
  if (::fseeko(file_, static_cast<off_t>(offset), SEEK_SET) != 0) return false;
  pos_ = offset;
  return true;
}

size_t CRawFile::Read(void* buffer, size_t bytes) {
  if (!file_) return 0;
  const uint64_t left = Remaining();
  if (bytes > left) bytes = static_cast<size_t>(left);
  if (bytes == 0) return 0;
  const size_t got = std::fread(buffer, 1, bytes, file_);
  pos_ += got;
  return got;
}

}  // namespace ionvue
