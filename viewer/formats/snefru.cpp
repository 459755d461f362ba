#include "viewer/formats/snefru.h"

#include <algorithm>
#include <bit>
#include <cstring>

#include "snefru_sboxes.h"

namespace ionvue {
namespace {

using snefru_table::kRotations;
using snefru_table::kSBoxes;

// The two boxes of one pass side by side with their low bytes, so one base
// register reaches all four arrays. The rounds form one long dependency
// chain; taking the next index from a low-byte load xored with the already
// known low byte of the next word keeps the whole-word xor and the byte
// extract off it. The low bytes are held wider than a byte so the compiler
// cannot fold that xor back onto the whole word.
struct PassTables {
  uint32_t word[2][256];
  uint16_t low[2][256];
};

constexpr std::array<PassTables, snefru::kSecurityLevel> MakeTables() {
  std::array<PassTables, snefru::kSecurityLevel> tables{};
  for (int pass = 0; pass < snefru::kSecurityLevel; ++pass) {
    for (int box = 0; box < 2; ++box) {
      for (int i = 0; i < 256; ++i) {
        const uint32_t word = kSBoxes[2 * pass + box][i];
        tables[pass].word[box][i] = word;
        tables[pass].low[box][i] = static_cast<uint16_t>(word & 0xff);
      }
    }
  }
  return tables;
}

alignas(64) constexpr std::array<PassTables, snefru::kSecurityLevel> kTables = MakeTables();

inline uint32_t LoadBigEndian(const uint8_t* p) {
  return (uint32_t{p[0]} << 24) | (uint32_t{p[1]} << 16) | (uint32_t{p[2]} << 8) | uint32_t{p[3]};
}

// One round: the box entry of the current word's low byte is xored into its
// two neighbours. `idx` holds that low byte and is advanced to the next word's.
#define SNEFRU_ROUND(box, last, next)                         \
  do {                                                        \
    const uint32_t entry = t.word[box][idx];                  \
    idx = (next & 0xff) ^ t.low[box][idx];       \
    last ^= entry;                                            \
    next ^= entry;                                            \
  } while (0)

#define SNEFRU_LAST_ROUND(box, last, next)                    \
  do {                                                        \
    const uint32_t entry = t.word[box][idx];                  \
    last ^= entry;                                            \
    next ^= entry;                                            \
  } while (0)

#define SNEFRU_SUB_ROUND(shift)                                              \
  do {                                                                       \
    uint32_t idx = b0 & 0xff;                                                \
    SNEFRU_ROUND(0, b15, b1);                                                \
    SNEFRU_ROUND(0, b0, b2);                                                 \
    SNEFRU_ROUND(1, b1, b3);                                                 \
    SNEFRU_ROUND(1, b2, b4);                                                 \
    SNEFRU_ROUND(0, b3, b5);                                                 \
    SNEFRU_ROUND(0, b4, b6);                                                 \
    SNEFRU_ROUND(1, b5, b7);                                                 \
    SNEFRU_ROUND(1, b6, b8);                                                 \
    SNEFRU_ROUND(0, b7, b9);                                                 \
    SNEFRU_ROUND(0, b8, b10);                                                \
    SNEFRU_ROUND(1, b9, b11);                                                \
    SNEFRU_ROUND(1, b10, b12);                                               \
    SNEFRU_ROUND(0, b11, b13);                                               \
    SNEFRU_ROUND(0, b12, b14);                                               \
    SNEFRU_ROUND(1, b13, b15);                                               \
    SNEFRU_LAST_ROUND(1, b14, b0);                                           \
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
  uint32_t b0 = in[0], b1 = in[1], b2 = in[2], b3 = in[3];
  uint32_t b4 = in[4], b5 = in[5], b6 = in[6], b7 = in[7];
  uint32_t b8 = in[8], b9 = in[9], b10 = in[10], b11 = in[11];
  uint32_t b12 = in[12], b13 = in[13], b14 = in[14], b15 = in[15];
  for (const PassTables& t : kTables) {
    SNEFRU_SUB_ROUND(kRotations[0]);
    SNEFRU_SUB_ROUND(kRotations[1]);
    SNEFRU_SUB_ROUND(kRotations[2]);
    SNEFRU_SUB_ROUND(kRotations[3]);
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
