#include "viewer/importers/import_support.h"

#include <algorithm>

#include "platform/host.h"
#include "viewer/core/spectrum.h"

namespace ionvue {

int PointLimit(int points) { return std::clamp(points, 0, CSpectrum::kMaxSamples); }

bool SizeSpectrum(Host& host, CSpectrum& spectrum, int n) {
  if (spectrum.Resize(n)) return true;
  host.Message(CSpectrum::kInsufficientMemory);
  return false;
}

}  // namespace ionvue
