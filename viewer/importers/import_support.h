#pragma once
// What the raw readers share: the default point limit, sizing the spectrum
// with the memory message, and lifting values above the minimum.

#include <cstddef>
#include <cstdint>
#include <limits>

#include "viewer/importers/sample_kernels.h"

namespace ionvue {

class CSpectrum;
class Host;

// The points loaded when nobody limits them (the dialog's "all").
inline constexpr int kAllPoints = 2000000;

// The caller's point limit, kept within what a spectrum may hold.
int PointLimit(int points);

// Resize(n); on failure shows the insufficient-memory message.
bool SizeSpectrum(Host& host, CSpectrum& spectrum, int n);

// sample = value − minimum + 1, saturated at the int32 maximum so a file
// spanning the whole int32 range cannot wrap to negative samples. The
// minimum is never above 0 (the running minimum starts there).
class CLift {
 public:
  explicit CLift(int64_t minimum) {
    if (minimum > 0) minimum = 0;
    if (minimum < std::numeric_limits<int32_t>::min()) minimum = std::numeric_limits<int32_t>::min();
    const int64_t add = 1 - minimum;  // 1 .. 2^31 + 1
    limit_ = static_cast<int32_t>(std::numeric_limits<int32_t>::max() - add);
    add_ = static_cast<uint32_t>(add);
  }
  int32_t operator()(int32_t value) const {
    const int32_t sum = static_cast<int32_t>(static_cast<uint32_t>(value) + add_);
    return value > limit_ ? std::numeric_limits<int32_t>::max() : sum;
  }
  void Apply(int32_t* samples, size_t n) const { AddSaturating(samples, n, limit_, add_); }

 private:
  int32_t limit_;
  uint32_t add_;
};

// Adds `amount` (≥ 0) to each sample, saturated at the int32 maximum:
// lifting by one minimum and then by the difference to a lower one gives
// what lifting by the lower one would have.
void RaiseSaturated(int32_t* samples, size_t n, int64_t amount);

}  // namespace ionvue
