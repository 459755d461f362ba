#include "platform/atomic_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>

namespace ionvue {

AtomicFile::AtomicFile(std::string target) : target_(std::move(target)) {}

AtomicFile::~AtomicFile() {
  if (stream_) std::fclose(stream_);
  if (!committed_ && !temp_.empty()) ::unlink(temp_.c_str());
}

bool AtomicFile::Open() {
  std::string pattern = target_ + ".partXXXXXX";
  int fd = ::mkstemp(pattern.data());
  if (fd < 0) {
    failed_ = true;
    return false;
  }
  // mkstemp makes the file private; a saved spectrum gets the usual mode.
  mode_t mask = ::umask(0);
  ::umask(mask);
  struct stat old {};
  ::fchmod(fd, ::stat(target_.c_str(), &old) == 0 ? (old.st_mode & 07777) : (0666 & ~mask));
  temp_ = pattern;
  stream_ = ::fdopen(fd, "wb");
  if (!stream_) {
    ::close(fd);
    failed_ = true;
    return false;
  }
  std::setvbuf(stream_, nullptr, _IOFBF, 1 << 20);
  return true;
}

bool AtomicFile::Write(const void* data, size_t size) {
  if (!stream_ || failed_) return false;
  if (size && std::fwrite(data, 1, size, stream_) != size) failed_ = true;
  return !failed_;
}

bool AtomicFile::Commit() {
  if (!stream_ || failed_) return false;
  bool ok = std::fflush(stream_) == 0;
  ok = ::fsync(::fileno(stream_)) == 0 && ok;
  ok = std::fclose(stream_) == 0 && ok;
  stream_ = nullptr;
  if (!ok || std::rename(temp_.c_str(), target_.c_str()) != 0) {
    failed_ = true;
    return false;
  }
  committed_ = true;
  return true;
}

}  // namespace ionvue
