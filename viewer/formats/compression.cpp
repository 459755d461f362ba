#include "viewer/formats/compression.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
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

template <int Width>
inline void StoreCodes(const uint32_t* codes, std::size_t n, uint8_t* out) {
  for (std::size_t k = 0; k < n; ++k) {
    uint32_t c = codes[k];
    for (int b = 0; b < Width; ++b) out[k * Width + b] = static_cast<uint8_t>(c >> (8 * b));
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

// Packs whole groups from codes[i] on while `room` holds one more group of
// the largest kind; advances i and returns the bytes written.
std::size_t PackFrom(const uint32_t* codes, std::size_t count, std::size_t& i,
                     GroupHeader header, uint8_t* out, std::size_t room) {
  constexpr std::size_t kLargestGroup = 4 + 1 + kMaxGroupCodes * compression::kMaxWidth;
  uint8_t* const start = out;
  while (i < count && room - static_cast<std::size_t>(out - start) >= kLargestGroup) {
    const int width = CodeWidth(codes[i]);
    const std::size_t limit = std::min(count, i + kMaxGroupCodes);
    std::size_t j = i + 1;
    while (j < limit && CodeWidth(codes[j]) == width) ++j;
    const std::size_t n = j - i;
    const uint32_t field = static_cast<uint32_t>(n + 1);
    if (header == GroupHeader::kOneByte) {
      *out++ = static_cast<uint8_t>(field);
    } else {
      for (int b = 0; b < 4; ++b) *out++ = static_cast<uint8_t>(field >> (8 * b));
    }
    *out++ = static_cast<uint8_t>(width);
    switch (width) {
      case 1: StoreCodes<1>(codes + i, n, out); break;
      case 2: StoreCodes<2>(codes + i, n, out); break;
      case 3: StoreCodes<3>(codes + i, n, out); break;
      case 4: StoreCodes<4>(codes + i, n, out); break;
      default: break;
    }
    out += n * static_cast<std::size_t>(width);
    i = j;
  }
  return static_cast<std::size_t>(out - start);
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

std::size_t MaxPackedSize(std::size_t count, GroupHeader header) {
  // At worst every code opens a group of its own.
  return count * (static_cast<std::size_t>(header) + 1 + compression::kMaxWidth);
}

std::size_t PackGroups(const uint32_t* codes, std::size_t count, GroupHeader header,
                       uint8_t* out) {
  std::size_t i = 0;
  return PackFrom(codes, count, i, header, out, SIZE_MAX);
}

void PackGroups(const uint32_t* codes, std::size_t count, GroupHeader header,
                std::vector<uint8_t>& stream) {
  // Packs through a small scratch buffer rather than sizing the stream for
  // the worst case, which would touch nine bytes per sample.
  uint8_t scratch[1 << 16];
  std::size_t i = 0;
  while (i < count) {
    std::size_t n = PackFrom(codes, count, i, header, scratch, sizeof scratch);
    stream.insert(stream.end(), scratch, scratch + n);
  }
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
