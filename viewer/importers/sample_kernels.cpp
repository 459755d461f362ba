#include "viewer/importers/sample_kernels.h"

#include <algorithm>
#include <bit>
#include <limits>

namespace ionvue {

namespace {
constexpr size_t kLanes = 16;

uint16_t FromLittle(uint16_t v) {
  if constexpr (std::endian::native == std::endian::little) return v;
  return static_cast<uint16_t>((v >> 8) | (v << 8));
}
}  // namespace

bool SurveyBlock(const int32_t* v, size_t n, int32_t& minimum, int32_t threshold) {
  int32_t m = minimum;  // a local, so it cannot alias the block
  int32_t any = 0;
  size_t i = 0;
  for (; i + kLanes <= n; i += kLanes) {
    int32_t low = m;
    int32_t below = 0;
    for (size_t j = 0; j < kLanes; ++j) {
      low = std::min(low, v[i + j]);
      below |= v[i + j] < threshold;
    }
    m = low;
    any |= below;
  }
  for (; i < n; ++i) {
    m = std::min(m, v[i]);
    any |= v[i] < threshold;
  }
  minimum = m;
  return any != 0;
}

int64_t ZerosAfterPositive(const int32_t* v, size_t n) {
  if (n < 2) return 0;
  int64_t zeros = 0;
  size_t i = 1;
  for (; i + kLanes <= n; i += kLanes) {
    int32_t count = 0;
    for (size_t j = 0; j < kLanes; ++j) count += (v[i + j] == 0) & (v[i + j - 1] > 0);
    zeros += count;
  }
  for (; i < n; ++i) zeros += (v[i] == 0) & (v[i - 1] > 0);
  return zeros;
}

void AddSaturating(int32_t* v, size_t n, int32_t limit, uint32_t add) {
  constexpr int32_t kTop = std::numeric_limits<int32_t>::max();
  size_t i = 0;
  for (; i + kLanes <= n; i += kLanes) {
    for (size_t j = 0; j < kLanes; ++j) {
      const int32_t x = v[i + j];
      const int32_t sum = static_cast<int32_t>(static_cast<uint32_t>(x) + add);
      v[i + j] = x > limit ? kTop : sum;
    }
  }
  for (; i < n; ++i) {
    const int32_t x = v[i];
    const int32_t sum = static_cast<int32_t>(static_cast<uint32_t>(x) + add);
    v[i] = x > limit ? kTop : sum;
  }
}

void WidenSigned16(const uint16_t* in, int32_t* out, size_t n) {
  size_t i = 0;
  for (; i + kLanes <= n; i += kLanes)
    for (size_t j = 0; j < kLanes; ++j) out[i + j] = static_cast<int16_t>(FromLittle(in[i + j]));
  for (; i < n; ++i) out[i] = static_cast<int16_t>(FromLittle(in[i]));
}

void WidenUnsigned16(const uint16_t* in, int32_t* out, size_t n) {
  size_t i = 0;
  for (; i + kLanes <= n; i += kLanes)
    for (size_t j = 0; j < kLanes; ++j) out[i + j] = FromLittle(in[i + j]);
  for (; i < n; ++i) out[i] = FromLittle(in[i]);
}

}  // namespace ionvue
