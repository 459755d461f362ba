#pragma once
// LZARI: LZSS matches over a 4096-byte ring, with every symbol coded by an
// adaptive arithmetic coder. The parameters are those of the 1989
// publication, which the acquisition software used for its spectrum files.

#include <cstddef>
#include <cstdint>
#include <functional>
#include <span>
#include <vector>

namespace ionvue {

namespace lzari {

inline constexpr int kRingSize = 4096;      // N
inline constexpr int kLongestMatch = 60;    // F
inline constexpr int kThreshold = 2;        // longer matches are coded as positions
inline constexpr int kPrecision = 15;       // M
inline constexpr uint32_t kQ1 = 1u << kPrecision;
inline constexpr uint32_t kQ2 = 2 * kQ1;
inline constexpr uint32_t kQ3 = 3 * kQ1;
inline constexpr uint32_t kQ4 = 4 * kQ1;
inline constexpr uint32_t kMaxCum = kQ1 - 1;
inline constexpr int kCharSymbols = 256 - kThreshold + kLongestMatch;  // 314

// No real stream expands by more than this per code byte: the cheapest
// symbol still costs about 1/72 bit, and a match of 60 bytes about 9 bits.
// A size field beyond it belongs to a damaged file.
inline constexpr std::size_t kMaxExpansion = 1024;

// Calls `step` after every `every` decoded symbols; `every` is at least 1.
struct Progress {
  std::function<void()> step;
  std::size_t every = 1;
};

}  // namespace lzari

// Expands the code stream `code` (no size field) into exactly `size` bytes
// at `out`, which the caller owns and which holds at least `size` bytes.
// Bits past the end of `code` read as zeros, so a stream that ends early
// still fills `size` bytes, and a match is cut at `size`: the decoder never
// reads or writes outside the two buffers, whatever the bytes are.
void LzariExpand(std::span<const uint8_t> code, uint8_t* out, std::size_t size,
                 const lzari::Progress& progress = {});

// The code stream of `text` (no size field), as the acquisition software's
// encoder wrote it. The viewer never writes these files; tests, benchmarks
// and fuzz seeds use it to build them instead of keeping opaque blobs.
std::vector<uint8_t> LzariCompress(std::span<const uint8_t> text);

}  // namespace ionvue
