#include "viewer/formats/snefru.h"

#include <algorithm>
#include <bit>
#include <cstring>
#include <iterator>

#include "snefru_sboxes.h"

namespace ionvue {
namespace {

using snefru_table::kRotations;
using snefru_table::kSBoxes;

// The rounds form one long dependency chain: each box entry changes the word
// whose low byte picks the next entry. To keep that chain at one plain load
// and one xor per round, it runs on addresses into tables of twice each
// entry's low byte. A table is 512-byte aligned, so the next address is the
// next table's start plus twice the next word's own low byte (known early),
// xored with the value just loaded. The entries themselves are read beside
// the chain from a parallel table at twice the address plus a constant.
// (Addresses are handled as integers; every platform we build for has a
// flat address space.)
constexpr std::size_t kBoxes = 2 * snefru::kSecurityLevel;
constexpr std::size_t kChainTableBytes = 256 * sizeof(uint16_t);

struct Tables {
  alignas(kChainTableBytes) uint16_t low2[kBoxes * 256];
  uint32_t word[kBoxes * 256];
};

constexpr Tables MakeTables() {
  Tables tables{};
  for (std::size_t box = 0; box < kBoxes; ++box) {
    for (std::size_t i = 0; i < 256; ++i) {
      const uint32_t word = kSBoxes[box][i];
      tables.word[256 * box + i] = word;
      tables.low2[256 * box + i] = static_cast<uint16_t>((word & 0xff) << 1);
    }
  }
  return tables;
}

constexpr Tables kTables = MakeTables();

static_assert(std::all_of(std::begin(kRotations), std::end(kRotations),
                          [](int shift) { return shift > 0 && shift < 32 && shift % 8 == 0; }),
              "the sub-round rotations must be whole bytes");

// Where byte shift/8 of a word lies in memory.
constexpr std::size_t ByteOffset(int shift) {
  return std::endian::native == std::endian::little ? shift / 8 : 3 - shift / 8;
}

inline uint32_t LoadBigEndian(const uint8_t* p) {
  return (uint32_t{p[0]} << 24) | (uint32_t{p[1]} << 16) | (uint32_t{p[2]} << 8) | uint32_t{p[3]};
}

// One round: the entry picked by the current word's low byte is xored into
// its two neighbours. `at` addresses that low byte's place in the current
// box's chain table and moves on to the next word's place in `next_box`.
#define SNEFRU_ROUND(next_box, last, next)                                             \
  do {                                                                                 \
    const uint32_t entry = *reinterpret_cast<const uint32_t*>(to_word + 2 * at);       \
    at = (next_box + ((next & 0xff) << 1)) ^ *reinterpret_cast<const uint16_t*>(at);   \
    last ^= entry;                                                                     \
    next ^= entry;                                                                     \
  } while (0)

// The last round of a sub-round also finds where the next one starts: the
// low byte after the rotation is byte shift/8 of the next word, so it is
// read straight out of the entry instead of waiting for xor and rotate.
#define SNEFRU_LAST_ROUND(last, next, shift, first_box)                                \
  do {                                                                                 \
    const uintptr_t entry_at = to_word + 2 * at;                                       \
    const uint32_t entry = *reinterpret_cast<const uint32_t*>(entry_at);               \
    const uint32_t bottom = *reinterpret_cast<const uint8_t*>(entry_at + ByteOffset(shift)); \
    at = first_box + ((((next >> shift) & 0xff) ^ bottom) << 1);                       \
    last ^= entry;                                                                     \
    next ^= entry;                                                                     \
  } while (0)

// Rounds 0..15 use boxes 0 0 1 1 0 0 1 1 ...; every word is rotated after.
#define SNEFRU_SUB_ROUND(shift, next_first_box)                              \
  do {                                                                       \
    SNEFRU_ROUND(box0, b15, b1);                                             \
    SNEFRU_ROUND(box1, b0, b2);                                              \
    SNEFRU_ROUND(box1, b1, b3);                                              \
    SNEFRU_ROUND(box0, b2, b4);                                              \
    SNEFRU_ROUND(box0, b3, b5);                                              \
    SNEFRU_ROUND(box1, b4, b6);                                              \
    SNEFRU_ROUND(box1, b5, b7);                                              \
    SNEFRU_ROUND(box0, b6, b8);                                              \
    SNEFRU_ROUND(box0, b7, b9);                                              \
    SNEFRU_ROUND(box1, b8, b10);                                             \
    SNEFRU_ROUND(box1, b9, b11);                                             \
    SNEFRU_ROUND(box0, b10, b12);                                            \
    SNEFRU_ROUND(box0, b11, b13);                                            \
    SNEFRU_ROUND(box1, b12, b14);                                            \
    SNEFRU_ROUND(box1, b13, b15);                                            \
    SNEFRU_LAST_ROUND(b14, b0, shift, next_first_box);                       \
    b0 = std::rotr(b0, shift);   b1 = std::rotr(b1, shift);                  \
    b2 = std::rotr(b2, shift);   b3 = std::rotr(b3, shift);                  \
    b4 = std::rotr(b4, shift);   b5 = std::rotr(b5, shift);                  \
    b6 = std::rotr(b6, shift);   b7 = std::rotr(b7, shift);                  \
    b8 = std::rotr(b8, shift);   b9 = std::rotr(b9, shift);                  \
    b10 = std::rotr(b10, shift); b11 = std::rotr(b11, shift);                \
    b12 = std::rotr(b12, shift); b13 = std::rotr(b13, shift);                \
    b14 = std::rotr(b14, shift); b15 = std::rotr(b15, shift);                \
  } while (0)

// Words 0..3 of `out` are the compression of the block `in`.
inline void Transform(const uint32_t (&in)[16], uint32_t (&out)[4]) {
  const uintptr_t chain_start = reinterpret_cast<uintptr_t>(kTables.low2);
  const uintptr_t to_word = reinterpret_cast<uintptr_t>(kTables.word) - 2 * chain_start;
  uint32_t b0 = in[0], b1 = in[1], b2 = in[2], b3 = in[3];
  uint32_t b4 = in[4], b5 = in[5], b6 = in[6], b7 = in[7];
  uint32_t b8 = in[8], b9 = in[9], b10 = in[10], b11 = in[11];
  uint32_t b12 = in[12], b13 = in[13], b14 = in[14], b15 = in[15];
  uintptr_t at = chain_start + ((b0 & 0xff) << 1);
  for (int pass = 0; pass < snefru::kSecurityLevel; ++pass) {
    const uintptr_t box0 = chain_start + 2 * pass * kChainTableBytes;
    const uintptr_t box1 = box0 + kChainTableBytes;
    SNEFRU_SUB_ROUND(kRotations[0], box0);
    SNEFRU_SUB_ROUND(kRotations[1], box0);
    SNEFRU_SUB_ROUND(kRotations[2], box0);
    SNEFRU_SUB_ROUND(kRotations[3], box1 + kChainTableBytes);
  }
  out[0] = in[0] ^ b15;
  out[1] = in[1] ^ b14;
  out[2] = in[2] ^ b13;
  out[3] = in[3] ^ b12;
}

#undef SNEFRU_SUB_ROUND
#undef SNEFRU_LAST_ROUND
#undef SNEFRU_ROUND

}  // namespace

namespace snefru {

Value Compress(const Block& block) {
  uint32_t in[16];
  std::memcpy(in, block.data(), sizeof in);
  uint32_t out[4];
  Transform(in, out);
  return {out[0], out[1], out[2], out[3]};
}

void CompressChunks(Value& value, const uint8_t* data, std::size_t chunks) {
  uint32_t block[16];
  uint32_t out[4] = {value[0], value[1], value[2], value[3]};
  for (std::size_t c = 0; c < chunks; ++c, data += kChunkBytes) {
    block[0] = out[0];
    block[1] = out[1];
    block[2] = out[2];
    block[3] = out[3];
    for (int w = 0; w < 12; ++w) block[4 + w] = LoadBigEndian(data + 4 * w);
    Transform(block, out);
  }
  value = {out[0], out[1], out[2], out[3]};
}

}  // namespace snefru

void CSnefruHasher::CountBytes(std::size_t size) {
  // Sizes beyond 2^61 bytes cannot be counted in 64 bits.
  const uint64_t bytes = size;
  if (bytes > (UINT64_MAX >> 3) || (bytes << 3) > UINT64_MAX - m_nBits) m_bOverflowed = true;
  m_nBits += bytes << 3;
}

void CSnefruHasher::Update(const void* data, std::size_t size) {
  if (size == 0) return;
  const auto* bytes = static_cast<const uint8_t*>(data);
  CountBytes(size);
  if (m_nPending > 0) {
    const std::size_t take = std::min(size, snefru::kChunkBytes - m_nPending);
    std::memcpy(m_pending.data() + m_nPending, bytes, take);
    m_nPending += take;
    bytes += take;
    size -= take;
    if (m_nPending < snefru::kChunkBytes) return;
    snefru::CompressChunks(m_value, m_pending.data(), 1);
    m_nPending = 0;
  }
  const std::size_t chunks = size / snefru::kChunkBytes;
  snefru::CompressChunks(m_value, bytes, chunks);
  bytes += chunks * snefru::kChunkBytes;
  size -= chunks * snefru::kChunkBytes;
  if (size > 0) {
    std::memcpy(m_pending.data(), bytes, size);
    m_nPending = size;
  }
}

snefru::Value CSnefruHasher::Finish() {
  if (m_nPending > 0) {
    std::memset(m_pending.data() + m_nPending, 0, snefru::kChunkBytes - m_nPending);
    snefru::CompressChunks(m_value, m_pending.data(), 1);
  }
  snefru::Block last{};
  for (std::size_t w = 0; w < snefru::kValueWords; ++w) last[w] = m_value[w];
  last[14] = static_cast<uint32_t>(m_nBits >> 32);
  last[15] = static_cast<uint32_t>(m_nBits);
  const snefru::Value value = snefru::Compress(last);
  *this = CSnefruHasher();
  return value;
}

snefru::Value SnefruHash(const void* data, std::size_t size) {
  CSnefruHasher hasher;
  hasher.Update(data, size);
  return hasher.Finish();
}

}  // namespace ionvue
