// The coded TOFDCS/MSDCS layout and the LZARI decoder on arbitrary bytes.
// The first byte picks the version and what else to try; the rest is the
// file. Decoding must stay inside its buffers and produce exactly the size
// the file states (or refuse it); the encoder must round-trip.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "viewer/formats/lzari.h"
#include "viewer/formats/text_codec.h"

using namespace ionvue;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  if (size < 1) return 0;
  const uint8_t mode = data[0];
  const std::span<const uint8_t> file(data + 1, size - 1);

  // Small enough for a fast run, large enough for many ring turns.
  constexpr std::size_t kLimit = 1 << 14;
  static const char kVersions[] = {'3', '4', '5', 'x'};
  const char version = kVersions[mode & 3];
  std::vector<uint8_t> text;
  std::size_t steps = 0;
  TextDecodeError error = DecodeCodedText(
      file, version, text, [&] { ++steps; }, kLimit);
  if (error == TextDecodeError::kNone) {
    auto prefix = PlainPrefixLength(file, version);
    if (!prefix || text.size() <= *prefix) __builtin_trap();
    const std::size_t t = text.size() - *prefix;
    if (t > kLimit || steps > t) __builtin_trap();
  }

  if (mode & 0x10) {
    // The bare decoder into an exactly sized buffer, for a size of the
    // input's choosing.
    const std::size_t want = file.size() >= 2 ? ((file[0] | file[1] << 8) & (kLimit - 1)) : 1;
    std::vector<uint8_t> out(want);
    LzariExpand(file, out.data(), out.size());
  }

  if (mode & 0x20) {
    std::vector<uint8_t> code = LzariCompress(file);
    std::vector<uint8_t> back(file.size());
    LzariExpand(code, back.data(), back.size());
    if (!std::equal(back.begin(), back.end(), file.begin())) __builtin_trap();
  }
  return 0;
}
