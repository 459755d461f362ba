#pragma once
// The Snefru one-way function in the form the file authentication value
// uses: security level 8 (eight passes), 16-word blocks, a 4-word (128-bit)
// value, 48 bytes of message in block words 4..15.

#include <array>
#include <cstddef>
#include <cstdint>

namespace ionvue {

namespace snefru {

inline constexpr int kSecurityLevel = 8;
inline constexpr std::size_t kBlockWords = 16;
inline constexpr std::size_t kValueWords = 4;
inline constexpr std::size_t kChunkBytes = (kBlockWords - kValueWords) * 4;  // 48

using Block = std::array<uint32_t, kBlockWords>;
using Value = std::array<uint32_t, kValueWords>;

// The compression function: 16 words in, 4 words out.
Value Compress(const Block& block);

// Chains `chunks` consecutive 48-byte pieces of `data` through `value`,
// reading each piece as 12 big-endian words without copying it.
void CompressChunks(Value& value, const uint8_t* data, std::size_t chunks);

}  // namespace snefru

// Hashes a byte stream fed in pieces of any size. The bytes of a final
// partial chunk count as zeros after the end; a last block carries the
// 64-bit bit count in words 14 and 15.
class CSnefruHasher {
 public:
  void Update(const void* data, std::size_t size);
  // The value of everything fed so far; the hasher starts over afterwards.
  snefru::Value Finish();
  // True once more than 2^64 - 1 bits were fed; the value is then unreliable.
  bool Overflowed() const { return m_bOverflowed; }

 private:
  void CountBytes(std::size_t size);

  snefru::Value m_value{};
  std::array<uint8_t, snefru::kChunkBytes> m_pending{};
  std::size_t m_nPending = 0;
  uint64_t m_nBits = 0;
  bool m_bOverflowed = false;
};

// The value of a block of memory.
snefru::Value SnefruHash(const void* data, std::size_t size);

}  // namespace ionvue
