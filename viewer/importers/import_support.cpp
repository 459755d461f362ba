#include "viewer/importers/import_support.h"

#include <algorithm>
#include <limits>

#if defined(__linux__)
#include <sys/mman.h>
#endif

#include <cstdint>

#include "platform/host.h"
#include "viewer/core/spectrum.h"

namespace ionvue {

int PointLimit(int points) { return std::clamp(points, 0, CSpectrum::kMaxSamples); }

namespace {

// Most of the time of opening a large raw file goes into the kernel handing
// out fresh pages for the samples; asking for huge pages where the system
// grants them on request cuts that several-fold. Only a hint.
void AdviseLargeBuffer([[maybe_unused]] int32_t* buffer, [[maybe_unused]] size_t count) {
#if defined(__linux__) && defined(MADV_HUGEPAGE)
  constexpr size_t kHugePage = size_t{2} << 20;
  const size_t bytes = count * sizeof(int32_t);
  if (!buffer || bytes < 4 * kHugePage) return;
  const uintptr_t start = reinterpret_cast<uintptr_t>(buffer);
  const uintptr_t first = (start + kHugePage - 1) & ~(kHugePage - 1);
  const uintptr_t last = (start + bytes) & ~(kHugePage - 1);
  if (last > first) ::madvise(reinterpret_cast<void*>(first), last - first, MADV_HUGEPAGE);
#endif
}

}  // namespace

bool SizeSpectrum(Host& host, CSpectrum& spectrum, int n) {
  if (!spectrum.Resize(n)) {
    host.Message(CSpectrum::kInsufficientMemory);
    return false;
  }
  AdviseLargeBuffer(spectrum.m_pData.get(), static_cast<size_t>(n));
  AdviseLargeBuffer(spectrum.m_pRevert.get(), static_cast<size_t>(n));
  return true;
}

void RaiseSaturated(int32_t* samples, size_t n, int64_t amount) {
  if (amount <= 0) return;
  constexpr int64_t kTop = std::numeric_limits<int32_t>::max();
  if (amount > kTop) amount = kTop;
  AddSaturating(samples, n, static_cast<int32_t>(kTop - amount), static_cast<uint32_t>(amount));
}

}  // namespace ionvue
