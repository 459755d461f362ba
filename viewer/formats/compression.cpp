#include "viewer/formats/compression.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <memory>
#include <new>

#include "platform/host.h"

namespace ionvue {

namespace {

using compression::kLargestStored;
using compression::kLowestStored;
using compression::kMaxGroupCodes;

// Differences wrap like the 32-bit arithmetic of the format; decoding wraps
// back the same way.
inline int64_t Magnitude(int32_t d) { return d < 0 ? -int64_t{d} : int64_t{d}; }

inline int32_t WrappedDifference(int32_t a, int32_t b) {
  return static_cast<int32_t>(static_cast<uint32_t>(a) - static_cast<uint32_t>(b));
}

inline uint32_t Load(const uint8_t* p, int width) {
  switch (width) {
    case 1: return p[0];
    case 2: return uint32_t{p[0]} | uint32_t{p[1]} << 8;
    case 3: return uint32_t{p[0]} | uint32_t{p[1]} << 8 | uint32_t{p[2]} << 16;
    default:
      return uint32_t{p[0]} | uint32_t{p[1]} << 8 | uint32_t{p[2]} << 16 | uint32_t{p[3]} << 24;
  }
}

// Suppresses quiet windows of the differences d (d[0] is the first sample).
void SuppressQuietWindows(int32_t* d, std::size_t count, std::size_t window, int factor) {
  int64_t largest = 0;
  for (std::size_t i = 1; i < count; ++i) largest = std::max(largest, Magnitude(d[i]));
  const int64_t threshold = largest / factor;
  const std::size_t half = window / 2;
  for (std::size_t start = 0; start < count; start += window) {
    const std::size_t end = std::min(count, start + window);
    std::size_t loud = 0;
    uint32_t sum = 0;  // wraps exactly like the running sum of the samples
    for (std::size_t i = start; i < end; ++i) {
      loud += Magnitude(d[i]) > threshold;
      sum += static_cast<uint32_t>(d[i]);
    }
    if (loud > half) continue;
    std::fill(d + start, d + end, 0);
    d[end - 1] = static_cast<int32_t>(sum);
  }
}

// One group at `p` (header field, width byte, codes): the checks every
// reader needs before it trusts a count or width.
struct GroupView {
  std::size_t n = 0;
  int width = 0;
  const uint8_t* codes = nullptr;
  std::size_t size = 0;  // header, width and codes
  GroupError error = GroupError::kNone;
};

inline GroupView ReadGroup(const uint8_t* p, std::size_t left, GroupHeader header) {
  GroupView g;
  const std::size_t field = static_cast<std::size_t>(header);
  if (left < field) {
    g.error = GroupError::kFieldCount;
    return g;
  }
  int64_t stated = header == GroupHeader::kOneByte ? int64_t{p[0]}
                                                   : int64_t{static_cast<int32_t>(Load(p, 4))};
  if (left < field + 1) {
    g.error = GroupError::kByteCount;
    return g;
  }
  g.width = p[field];
  if (stated < 1 || g.width > compression::kMaxWidth) {
    g.error = GroupError::kGroupData;
    return g;
  }
  g.n = static_cast<std::size_t>(stated - 1);
  g.codes = p + field + 1;
  const std::size_t room = left - field - 1;
  const std::size_t bytes = g.n * static_cast<std::size_t>(g.width);  // n < 2^31, width <= 4
  if (bytes > room) {
    // Keep the complete codes that are there.
    g.n = room / static_cast<std::size_t>(g.width);
    g.error = GroupError::kGroupData;
  }
  g.size = field + 1 + g.n * static_cast<std::size_t>(g.width);
  return g;
}

// Walks the groups; `sink(view, take)` stores the first `take` codes.
template <typename Sink>
GroupReadResult WalkGroups(std::span<const uint8_t> data, GroupHeader header, std::size_t count,
                           Sink sink) {
  GroupReadResult result;
  const uint8_t* p = data.data();
  std::size_t left = data.size();
  while (result.codes < count) {
    GroupView g = ReadGroup(p, left, header);
    if (g.error == GroupError::kFieldCount || g.error == GroupError::kByteCount ||
        (g.error == GroupError::kGroupData && !g.codes)) {
      result.error = g.error;
      return result;
    }
    const std::size_t take = std::min(g.n, count - result.codes);
    sink(g, take, result.codes);
    result.codes += take;
    if (g.error != GroupError::kNone) {
      result.error = g.error;
      return result;
    }
    p += g.size;
    left -= g.size;
    result.bytes += g.size;
    ++result.groups;
  }
  return result;
}

constexpr bool kLittleEndian = std::endian::native == std::endian::little;

// The code of d and its width in a group, for |d| < 2^31.
inline uint32_t CodeAndWidth(int32_t d, uint8_t& width) {
  uint32_t negative = d < 0;
  uint32_t magnitude = negative ? 0u - static_cast<uint32_t>(d) : static_cast<uint32_t>(d);
  uint32_t shift = (magnitude >= 128) + (magnitude >= 16384) + (magnitude >= 2097152);
  width = static_cast<uint8_t>((magnitude != 0) + shift);
  return (magnitude << shift) ^ ((negative * 0x80u) << (8 * shift));
}

inline void StoreLE32(uint8_t* p, uint32_t v) {
  if constexpr (kLittleEndian) {
    std::memcpy(p, &v, 4);
  } else {
    for (int b = 0; b < 4; ++b) p[b] = static_cast<uint8_t>(v >> (8 * b));
  }
}

// Cuts codes into groups a block at a time. The caller writes codes and
// their widths into the block, then commits them; a group is packed only
// once the 254 codes it might take are known (or the stream ends), so the
// groups are those of one pass over the whole stream, while the buffers
// stay small enough for the cache.
class GroupPacker {
 public:
  static constexpr std::size_t kBlock = 16384;

  GroupPacker(GroupHeader header, std::vector<uint8_t>& stream)
      : header_(header), stream_(stream) {}

  uint32_t* codes() { return codes_.data() + have_; }
  uint8_t* widths() { return widths_.data() + have_; }
  std::size_t room() const { return kCodes - have_; }

  void Commit(std::size_t n, bool last) {
    have_ += n;
    const std::size_t startLimit =
        last ? have_ : (have_ > kMaxGroupCodes - 1 ? have_ - (kMaxGroupCodes - 1) : 0);
    uint8_t* const begin = packed_.data();
    uint8_t* out = begin;
    std::size_t i = 0;
    while (i < startLimit) {
      const uint8_t width = widths_[i];
      const std::size_t end = RunEnd(i, std::min(have_, i + kMaxGroupCodes));
      const uint32_t field = static_cast<uint32_t>(end - i + 1);
      if (header_ == GroupHeader::kOneByte) {
        *out++ = static_cast<uint8_t>(field);
      } else {
        StoreLE32(out, field);
        out += 4;
      }
      *out++ = width;
      if (width > 0) {
        // Each code is stored as four bytes and the next one overwrites
        // what lies past its width.
        for (std::size_t k = i; k < end; ++k, out += width) StoreLE32(out, codes_[k]);
      }
      i = end;
    }
    stream_.insert(stream_.end(), begin, out);
    std::copy(codes_.begin() + static_cast<std::ptrdiff_t>(i),
              codes_.begin() + static_cast<std::ptrdiff_t>(have_), codes_.begin());
    std::copy(widths_.begin() + static_cast<std::ptrdiff_t>(i),
              widths_.begin() + static_cast<std::ptrdiff_t>(have_), widths_.begin());
    have_ -= i;
  }

 private:
  static constexpr std::size_t kCodes = kBlock + kMaxGroupCodes;
  // Every code its own group of the largest kind, plus the slack of the
  // four-byte stores.
  static constexpr std::size_t kPackedBytes = kCodes * (4 + 1 + compression::kMaxWidth) + 8;

  // The first index in (i, limit) whose width differs from widths_[i], or
  // limit; eight widths at a time.
  std::size_t RunEnd(std::size_t i, std::size_t limit) const {
    const uint8_t* w = widths_.data();
    std::size_t k = i + 1;
    if constexpr (kLittleEndian) {
      const uint64_t pattern = uint64_t{w[i]} * 0x0101010101010101ull;
      while (k < limit) {
        uint64_t eight;
        std::memcpy(&eight, w + k, 8);  // the buffer is padded past kCodes
        if (uint64_t differ = eight ^ pattern)
          return std::min(limit, k + static_cast<std::size_t>(std::countr_zero(differ) / 8));
        k += 8;
      }
      return limit;
    } else {
      while (k < limit && w[k] == w[i]) ++k;
      return k;
    }
  }

  GroupHeader header_;
  std::vector<uint8_t>& stream_;
  std::vector<uint32_t> codes_ = std::vector<uint32_t>(kCodes);
  std::vector<uint8_t> widths_ = std::vector<uint8_t>(kCodes + 8);
  std::vector<uint8_t> packed_ = std::vector<uint8_t>(kPackedBytes);
  std::size_t have_ = 0;
};

// The smallest and largest of `count` values (0 and 0 for none), four
// lanes at a time.
void Extremes(const int32_t* v, std::size_t count, int32_t& lowest, int32_t& largest) {
  typedef int32_t Quad __attribute__((vector_size(16)));
  lowest = largest = count ? v[0] : 0;
  std::size_t i = 0;
  if (count >= 4) {
    Quad lo, hi;
    std::memcpy(&lo, v, sizeof lo);
    hi = lo;
    for (; i + 4 <= count; i += 4) {
      Quad q;
      std::memcpy(&q, v + i, sizeof q);
      lo = q < lo ? q : lo;
      hi = q > hi ? q : hi;
    }
    for (int k = 0; k < 4; ++k) {
      lowest = std::min(lowest, lo[k]);
      largest = std::max(largest, hi[k]);
    }
  }
  for (; i < count; ++i) {
    lowest = std::min(lowest, v[i]);
    largest = std::max(largest, v[i]);
  }
}

// Feeds `count` differences d(i) through a packer.
template <typename Difference>
void PackDifferences(std::size_t count, Difference d, GroupHeader header,
                     std::vector<uint8_t>& stream) {
  GroupPacker packer(header, stream);
  std::size_t next = 0;
  do {
    const std::size_t n = std::min(packer.room(), count - next);
    uint32_t* codes = packer.codes();
    uint8_t* widths = packer.widths();
    for (std::size_t k = 0; k < n; ++k) codes[k] = CodeAndWidth(d(next + k), widths[k]);
    next += n;
    packer.Commit(n, next == count);
  } while (next < count);
}

}  // namespace

void EncodeSamples(int32_t* values, std::size_t count, bool lossless, int window, int factor,
                   Host* host) {
  if (count == 0) return;
  for (std::size_t i = count - 1; i > 0; --i) values[i] = WrappedDifference(values[i], values[i - 1]);
  if (!lossless) {
    if (factor < 1) {
      if (host) host->Message(compression::kFactorMessage);
    } else if (window >= 1) {
      SuppressQuietWindows(values, count, static_cast<std::size_t>(window), factor);
    }
  }
  uint32_t* codes = AsCodes(values);
  for (std::size_t i = 0; i < count; ++i) codes[i] = DifferenceCode(values[i]);
}

void DecodeSamples(int32_t* values, std::size_t count) {
  uint32_t* codes = AsCodes(values);
  uint32_t running = 0;
  for (std::size_t i = 0; i < count; ++i) {
    running += static_cast<uint32_t>(DifferenceOf(codes[i]));
    codes[i] = running;
  }
}

void PackGroups(const uint32_t* codes, std::size_t count, GroupHeader header,
                std::vector<uint8_t>& stream) {
  GroupPacker packer(header, stream);
  std::size_t next = 0;
  do {
    const std::size_t n = std::min(packer.room(), count - next);
    uint32_t* out = packer.codes();
    uint8_t* widths = packer.widths();
    for (std::size_t k = 0; k < n; ++k) {
      out[k] = codes[next + k];
      widths[k] = static_cast<uint8_t>(CodeWidth(out[k]));
    }
    next += n;
    packer.Commit(n, next == count);
  } while (next < count);
}

const char* GroupErrorMessage(GroupError error) {
  switch (error) {
    case GroupError::kNone: return "";
    case GroupError::kFieldCount: return "Could not read the field count";
    case GroupError::kByteCount: return "Could not read the byte count";
    case GroupError::kGroupData: return "There has been an error reading this file.\n";
  }
  return "";
}

GroupReadResult UnpackGroups(std::span<const uint8_t> data, GroupHeader header, uint32_t* codes,
                             std::size_t count) {
  return WalkGroups(data, header, count, [codes](const GroupView& g, std::size_t take,
                                                 std::size_t at) {
    uint32_t* out = codes + at;
    switch (g.width) {
      case 0: std::fill_n(out, take, 0u); break;
      case 1: for (std::size_t k = 0; k < take; ++k) out[k] = g.codes[k]; break;
      case 2: for (std::size_t k = 0; k < take; ++k) out[k] = Load(g.codes + 2 * k, 2); break;
      case 3: for (std::size_t k = 0; k < take; ++k) out[k] = Load(g.codes + 3 * k, 3); break;
      default: for (std::size_t k = 0; k < take; ++k) out[k] = Load(g.codes + 4 * k, 4); break;
    }
  });
}

GroupReadResult DecodeSampleStream(std::span<const uint8_t> data, GroupHeader header,
                                   int32_t* samples, std::size_t count) {
  uint32_t running = 0;
  uint32_t* out = AsCodes(samples);
  auto sink = [&](const GroupView& g, std::size_t take, std::size_t at) {
    uint32_t* o = out + at;
    switch (g.width) {
      case 0: std::fill_n(o, take, running); break;
      case 1:
        for (std::size_t k = 0; k < take; ++k) o[k] = running += DifferenceOf(g.codes[k]);
        break;
      case 2:
        for (std::size_t k = 0; k < take; ++k)
          o[k] = running += DifferenceOf(Load(g.codes + 2 * k, 2));
        break;
      case 3:
        for (std::size_t k = 0; k < take; ++k)
          o[k] = running += DifferenceOf(Load(g.codes + 3 * k, 3));
        break;
      default:
        for (std::size_t k = 0; k < take; ++k)
          o[k] = running += DifferenceOf(Load(g.codes + 4 * k, 4));
        break;
    }
  };
  return WalkGroups(data, header, count, sink);
}

int StorageBinFactor(bool lossless, int binFactor) {
  return lossless ? 1 : std::max(binFactor, 1);
}

std::size_t BinSamples(const int32_t* raw, std::size_t count, int q, int32_t* stored) {
  const std::size_t bin = static_cast<std::size_t>(std::max(q, 1));
  const std::size_t h = count / bin;
  if (bin == 1) {
    if (stored != raw) std::copy(raw, raw + h, stored);
    return h;
  }
  for (std::size_t k = 0; k < h; ++k) {
    int64_t sum = 0;
    for (std::size_t i = 0; i < bin; ++i) sum += raw[k * bin + i];
    stored[k] = static_cast<int32_t>(sum / static_cast<int64_t>(bin));
  }
  return h;
}

void ScaleForStorage(int32_t* values, std::size_t count) {
  if (count == 0) return;
  const int32_t largest = *std::max_element(values, values + count);
  if (largest > kLargestStored) {
    const double scale = 16777216.0 / largest;
    for (std::size_t i = 0; i < count; ++i) {
      double s = std::trunc(scale * values[i]);
      values[i] = static_cast<int32_t>(std::clamp(s, double{kLowestStored}, double{kLargestStored}));
    }
  } else {
    for (std::size_t i = 0; i < count; ++i) values[i] = std::max(values[i], kLowestStored);
  }
}

std::optional<std::size_t> AppendSampleStream(const int32_t* raw, std::size_t count,
                                              bool lossless, int window, int factor,
                                              int binFactor, GroupHeader header,
                                              std::vector<uint8_t>& stream, Host* host) {
  const int q = StorageBinFactor(lossless, binFactor);
  const std::size_t h = count / static_cast<std::size_t>(q);
  const std::size_t before = stream.size();
  try {
    if (lossless) {
      // Lossless saves store every sample (q = 1): scaling needs only the
      // extremes, and the stored samples, their differences and codes are
      // made on the fly a block at a time.
      int32_t largest = 0, lowest = 0;
      Extremes(raw, count, lowest, largest);
      if (largest > kLargestStored) {
        const double scale = 16777216.0 / largest;
        auto stored = [=](std::size_t i) {
          double s = std::trunc(scale * raw[i]);
          return static_cast<int32_t>(
              std::clamp(s, double{kLowestStored}, double{kLargestStored}));
        };
        PackDifferences(count, [&](std::size_t i) {
          return i == 0 ? stored(0) : stored(i) - stored(i - 1);
        }, header, stream);
      } else if (lowest < kLowestStored) {
        auto stored = [=](std::size_t i) { return std::max(raw[i], kLowestStored); };
        PackDifferences(count, [&](std::size_t i) {
          return i == 0 ? stored(0) : stored(i) - stored(i - 1);
        }, header, stream);
      } else {
        // Stored samples are the raw ones, all within range.
        PackDifferences(count, [=](std::size_t i) {
          return i == 0 ? raw[0] : raw[i] - raw[i - 1];
        }, header, stream);
      }
      return h;
    }
    // Left uninitialised: binning writes every entry.
    std::unique_ptr<int32_t[]> stored(new int32_t[std::max<std::size_t>(h, 1)]);
    BinSamples(raw, count, q, stored.get());
    ScaleForStorage(stored.get(), h);
    EncodeSamples(stored.get(), h, lossless, window, factor, host);
    PackGroups(AsCodes(stored.get()), h, header, stream);
  } catch (const std::bad_alloc&) {
    stream.resize(before);
    return std::nullopt;
  }
  return h;
}

}  // namespace ionvue
