#include "viewer/importers/word_reader.h"

#include <bit>

#include "viewer/importers/sample_kernels.h"

namespace ionvue {

namespace {
constexpr size_t kStagingWords = 128 * 1024;

uint32_t FromLittle(uint32_t v) {
  if constexpr (std::endian::native == std::endian::little) return v;
  return (v >> 24) | ((v >> 8) & 0xff00u) | ((v << 8) & 0xff0000u) | (v << 24);
}
}  // namespace

CWordReader::CWordReader(CRawFile& file, WordKind kind) : file_(file), kind_(kind) {
  if (kind_ != WordKind::kInt32) staging_.resize(kStagingWords);
}

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
      for (size_t i = 0; i < n; ++i)
        out[i] = static_cast<int32_t>(FromLittle(static_cast<uint32_t>(out[i])));
    }
    return n;
  }
  const size_t chunk = max < staging_.size() ? max : staging_.size();
  const size_t want = chunk * 2;
  const size_t got = file_.Read(staging_.data(), want);
  if (got < want) ended_ = true;
  const size_t n = got / 2;
  if (kind_ == WordKind::kUInt16) WidenUnsigned16(staging_.data(), out, n);
  else WidenSigned16(staging_.data(), out, n);
  return n;
}

}  // namespace ionvue
