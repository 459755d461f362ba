#include "viewer/importers/word_reader.h"

#include <algorithm>
#include <bit>

#include "viewer/importers/sample_kernels.h"

namespace ionvue {

namespace {
constexpr size_t kStagingWords = 128 * 1024;
}  // namespace

CWordReader::CWordReader(CRawFile& file, WordKind kind) : file_(file), kind_(kind) {}

size_t CWordReader::Read(int32_t* out, size_t max) {
  if (ended_ || max == 0) return 0;
  if (kind_ == WordKind::kInt32) {
    // Straight into the caller's buffer: this is the path that has to keep
    // up with a plain read of the file.
    const size_t want = max * 4;
    const size_t got = file_.Read(out, want);
    if (got < want) ended_ = true;
    const size_t n = got / 4;
    if constexpr (std::endian::native != std::endian::little) {
      for (size_t i = 0; i < n; ++i) {
        const uint32_t v = static_cast<uint32_t>(out[i]);
        out[i] = static_cast<int32_t>((v >> 24) | ((v >> 8) & 0xff00u) | ((v << 8) & 0xff0000u) |
                                      (v << 24));
      }
    }
    return n;
  }
  uint64_t chunk = file_.Remaining() / 2;
  if (chunk == 0) {  // nothing, or a part of a word
    ended_ = true;
    return 0;
  }
  chunk = std::min<uint64_t>({chunk, max, kStagingWords});
  if (stagingSize_ < chunk) {
    staging_.reset(new uint16_t[chunk]);
    stagingSize_ = static_cast<size_t>(chunk);
  }
  const size_t want = static_cast<size_t>(chunk) * 2;
  const size_t got = file_.Read(staging_.get(), want);
  if (got < want) ended_ = true;
  const size_t n = got / 2;
  if (kind_ == WordKind::kUInt16) WidenUnsigned16(staging_.get(), out, n);
  else WidenSigned16(staging_.get(), out, n);
  return n;
}

}  // namespace ionvue
