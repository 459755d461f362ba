#include "viewer/view/screen_bins.h"

#include <algorithm>
#include <climits>
#include <cmath>

#include "viewer/core/document.h"
#include "viewer/core/spectrum.h"

namespace ionvue {

namespace {

// The hot loops read each sample once. They run in lanes of fixed width so
// the compiler turns them into vector code without extra flags.
constexpr long kLanes = 16;

inline void MaxAndMinimum(const int32_t* data, long from, long to, int32_t& maximum,
                          int32_t& minimum) {
  int32_t mx[kLanes], mn[kLanes];
  for (long j = 0; j < kLanes; ++j) {
    mx[j] = maximum;
    mn[j] = minimum;
  }
  long i = from;
  for (; i + kLanes <= to; i += kLanes) {
    for (long j = 0; j < kLanes; ++j) {
      const int32_t v = data[i + j];
      mx[j] = v > mx[j] ? v : mx[j];
      const int32_t candidate = v >= 2 ? v : INT32_MAX;  // only samples of at least 2
      mn[j] = candidate < mn[j] ? candidate : mn[j];
    }
  }
  int32_t a = maximum, b = minimum;
  for (long j = 0; j < kLanes; ++j) {
    a = std::max(a, mx[j]);
    b = std::min(b, mn[j]);
  }
  for (; i < to; ++i) {
    const int32_t v = data[i];
    a = std::max(a, v);
    if (v >= 2) b = std::min(b, v);
  }
  maximum = a;
  minimum = b;
}

inline int32_t Maximum(const int32_t* data, long from, long to, int32_t maximum) {
  int32_t mx[kLanes];
  for (long j = 0; j < kLanes; ++j) mx[j] = maximum;
  long i = from;
  for (; i + kLanes <= to; i += kLanes)
    for (long j = 0; j < kLanes; ++j) mx[j] = data[i + j] > mx[j] ? data[i + j] : mx[j];
  int32_t a = maximum;
  for (long j = 0; j < kLanes; ++j) a = std::max(a, mx[j]);
  for (; i < to; ++i) a = std::max(a, data[i]);
  return a;
}

}  // namespace

SampleRange DisplayedSamples(const CSpectrum& spectrum, double low, double high) {
  long start = spectrum.IndexOf(spectrum.Inverse(low));
  long end = spectrum.IndexOf(spectrum.Inverse(high));
  return {std::max(start, 0L), std::max(end, 0L)};
}

BinResult BinSpectrum(const CSpectrum& spectrum, double low, double high, double factor,
                      int capacity, double* mz, int32_t* intensity) {
  BinResult result;
  const int32_t* data = spectrum.m_pData.get();
  const long n = data ? std::clamp<long>(spectrum.m_nLength, 0, spectrum.Capacity()) : 0;
  const SampleRange range = DisplayedSamples(spectrum, low, high);
  capacity = std::max(capacity, 0);

  if (!(factor > 0))
    factor = std::ceil(static_cast<double>(range.end - range.start) / std::max(capacity, 1));
  if (!(factor >= 1)) factor = 1;  // also a NaN
  result.factor = factor;
  const long count = static_cast<long>(std::min(factor, 4e9));
  const long half = static_cast<long>(std::min(factor * 0.5, 2e9));

  const long limit = std::min(range.end, n);  // the minimum covers [start, limit)
  int32_t minimum = INT32_MAX;
  long o = range.start;
  int bins = 0;
  while (bins < capacity && o < n - count && o <= range.end) {
    const long stop = o + count;
    const long split = std::clamp(limit, o, stop);
    int32_t maximum = 0;
    MaxAndMinimum(data, o, split, maximum, minimum);
    maximum = Maximum(data, split, stop, maximum);
    mz[bins] = spectrum.Forward((static_cast<double>(o) + spectrum.m_nOffset + half) *
                                spectrum.m_dTimeBase);
    intensity[bins] = maximum;
    ++bins;
    o = stop;
  }
  int32_t ignored = 0;
  if (o < limit) MaxAndMinimum(data, std::max(o, range.start), limit, ignored, minimum);
  result.count = bins;

  int32_t first = range.start < n ? data[range.start] : 0;
  int32_t seed = first >= 2 ? first : 10000;
  result.minimumIntensity = std::min(seed, minimum);
  return result;
}

BinResult BuildScreenBins(CIonvueDoc& doc, double low, double high, double factor) {
  const int capacity = std::max(doc.m_nPointsPlottedOnScreen, 1);
  if (static_cast<int>(doc.m_dScreenMz.size()) < capacity) doc.m_dScreenMz.resize(capacity);
  if (static_cast<int>(doc.m_nScreenIntensity.size()) < capacity)
    doc.m_nScreenIntensity.resize(capacity);
  BinResult result = BinSpectrum(doc.GetSpectrum(), low, high, factor, capacity,
                                 doc.m_dScreenMz.data(), doc.m_nScreenIntensity.data());
  doc.m_nScreenBins = result.count;
  return result;
}

}  // namespace ionvue
