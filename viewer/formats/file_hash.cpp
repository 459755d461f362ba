#include "viewer/formats/file_hash.h"

#include <cstdio>
#include <memory>

#include "viewer/formats/snefru.h"

namespace ionvue {
namespace {

// About a mebibyte, a whole number of chunks so no bytes wait between reads.
constexpr std::size_t kReadBytes = snefru::kChunkBytes * 21846;

struct FileCloser {
  void operator()(std::FILE* file) const { std::fclose(file); }
};

}  // namespace

bool ComputeFileHash(Host& host, const std::string& path, std::array<uint32_t, 4>& out) {
  std::unique_ptr<std::FILE, FileCloser> file(std::fopen(path.c_str(), "rb"));
  if (!file) {
    host.Message(kHashFileNotAvailable);
    return false;
  }
  // Our buffer is large enough; a second one inside the stream only copies.
  std::setvbuf(file.get(), nullptr, _IONBF, 0);
  const auto buffer = std::make_unique_for_overwrite<uint8_t[]>(kReadBytes);
  CSnefruHasher hasher;
  for (;;) {
    const std::size_t got = std::fread(buffer.get(), 1, kReadBytes, file.get());
    hasher.Update(buffer.get(), got);
    if (got < kReadBytes) break;
  }
  // A read that fails halfway (a folder, a vanished disk) must not pass for
  // the value of a shorter file.
  if (std::ferror(file.get())) {
    host.Message(kHashFileNotAvailable);
    return false;
  }
  if (hasher.Overflowed()) {
    host.Message(kHashCounterOverflowed);
    return false;
  }
  out = hasher.Finish();
  return true;
}

std::string FormatHash(const std::array<uint32_t, 4>& value) {
  char text[48];
  std::snprintf(text, sizeof text, "%X %X %X %X", static_cast<unsigned>(value[0]),
                static_cast<unsigned>(value[1]), static_cast<unsigned>(value[2]),
                static_cast<unsigned>(value[3]));
  return text;
}

}  // namespace ionvue
