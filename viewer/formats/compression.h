#pragma once
// The sample stream of ROZIRO data sections and TOFDCS/MSDCS files:
// successive differences, each a self-delimiting 1-to-4-byte code, packed in
// groups of codes of one byte width. Optional lossy steps (binning and zero
// suppression) shorten it before a save.
//
// Buffers are the caller's throughout; nothing here allocates per sample.
// Codes live in the samples' own int32 buffer (as their uint32 bit
// patterns), so encoding and decoding work in place.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace ionvue {

class Host;

// The group header field: one byte n + 1 in ROZIRO data sections, a
// little-endian int32 n + 1 in TOFDCS and MSDCS files.
enum class GroupHeader { kOneByte = 1, kFourByte = 4 };

namespace compression {

inline constexpr std::size_t kMaxGroupCodes = 254;  // what the writer puts in a group
inline constexpr int kMaxWidth = 4;
// Stored samples are scaled to stay at or below this.
inline constexpr int32_t kLargestStored = 16777215;
// Differences of magnitude below 2^28 survive the code exactly. Limiting
// stored samples to [kLowestStored, kLargestStored] keeps every difference
// (and the first sample) below that.
inline constexpr int32_t kLowestStored = kLargestStored - ((1 << 28) - 1);
inline constexpr const char* kFactorMessage = "LossyCompressionFactor must be greater than zero";

}  // namespace compression

// The code of a signed difference (wrapping for |d| >= 2^28, as the format does).
inline uint32_t DifferenceCode(int32_t d) {
  uint32_t negative = d < 0;
  uint32_t magnitude = negative ? 0u - static_cast<uint32_t>(d) : static_cast<uint32_t>(d);
  uint32_t shift = (magnitude >= 128) + (magnitude >= 16384) + (magnitude >= 2097152);
  return (magnitude << shift) ^ ((negative * 0x80u) << (8 * shift));
}

// The signed difference of a code read as an unsigned 32-bit value.
inline int32_t DifferenceOf(uint32_t code) {
  uint32_t shift = (code >= 256) + (code >= 65536) + (code >= 0x1000000);
  uint32_t sign = code & (0x80u << (8 * shift));
  uint32_t magnitude = (code ^ sign) >> shift;
  uint32_t mask = 0u - (sign != 0);
  return static_cast<int32_t>((magnitude ^ mask) - mask);
}

// Bytes a code takes in a group: 0 for code 0, else 1 to 4 by size.
inline int CodeWidth(uint32_t code) {
  return (code != 0) + (code >= 256) + (code >= 65536) + (code >= 0x1000000);
}

inline uint32_t* AsCodes(int32_t* values) { return reinterpret_cast<uint32_t*>(values); }
inline const uint32_t* AsCodes(const int32_t* values) {
  return reinterpret_cast<const uint32_t*>(values);
}

// Turns `count` samples into codes in place: differences, then (when
// `lossless` is false) zero suppression over windows of `window` entries
// with threshold (largest |difference| / factor). A factor below 1 shows
// compression::kFactorMessage through `host` (when given) and keeps the
// stream lossless; a window below 1 suppresses nothing.
void EncodeSamples(int32_t* values, std::size_t count, bool lossless, int window, int factor,
                   Host* host);

// Turns `count` codes back into samples in place:
// sample[0] = decode(code[0]); sample[i] = sample[i - 1] + decode(code[i]).
void DecodeSamples(int32_t* values, std::size_t count);

// Appends the groups of `count` codes to `stream` (std::bad_alloc when the
// stream cannot grow).
void PackGroups(const uint32_t* codes, std::size_t count, GroupHeader header,
                std::vector<uint8_t>& stream);

enum class GroupError {
  kNone,
  kFieldCount,  // the data ended where a group header field belongs
  kByteCount,   // the data ended before a group's width byte
  kGroupData,   // a group's count or width is impossible, or its codes are cut off
};

// The reader's message for an error: "Could not read the field count",
// "Could not read the byte count", "There has been an error reading this
// file.\n"; "" for kNone. Readers that report only the first group's header
// specially map later errors to the last one themselves.
const char* GroupErrorMessage(GroupError error);

struct GroupReadResult {
  std::size_t codes = 0;   // codes stored (at most the count asked for)
  std::size_t bytes = 0;   // bytes of the data consumed by whole groups read
  std::size_t groups = 0;  // whole groups read
  GroupError error = GroupError::kNone;
};

// Reads groups from `data` until `count` codes are stored or the data fails.
// Every count and width is checked against the bytes present; a width above
// 4 or a header field below 1 is kGroupData. A group holding more codes than
// are still wanted is consumed whole and its excess dropped. On an error the
// complete codes before it (those of a cut-off group too) are kept, and
// `codes` says how many.
GroupReadResult UnpackGroups(std::span<const uint8_t> data, GroupHeader header, uint32_t* codes,
                             std::size_t count);

// UnpackGroups and DecodeSamples in one pass over the data: `samples`
// receives the decoded samples (result.codes of them).
GroupReadResult DecodeSampleStream(std::span<const uint8_t> data, GroupHeader header,
                                   int32_t* samples, std::size_t count);

// The binning factor of a save: 1 when lossless, else the bin factor
// (at least 1).
int StorageBinFactor(bool lossless, int binFactor);

// Truncated means of `q` consecutive raw samples: writes count / q stored
// samples to `stored` and returns that number. `q` below 1 counts as 1.
// `stored` may be `raw` itself.
std::size_t BinSamples(const int32_t* raw, std::size_t count, int q, int32_t* stored);

// When the largest value exceeds kLargestStored, every value s becomes
// trunc(16777216.0 / largest * s), limited to kLargestStored; values below
// kLowestStored are raised to it, since the code could not carry them.
void ScaleForStorage(int32_t* values, std::size_t count);

// What a writer stores for `count` raw samples: binned by
// StorageBinFactor(lossless, binFactor), scaled, encoded and packed; the
// groups are appended to `stream`. Returns the number of stored samples,
// or nothing (and `stream` as it was) when memory is short. `raw` is left
// untouched.
std::optional<std::size_t> AppendSampleStream(const int32_t* raw, std::size_t count,
                                              bool lossless, int window, int factor,
                                              int binFactor, GroupHeader header,
                                              std::vector<uint8_t>& stream, Host* host);

}  // namespace ionvue
