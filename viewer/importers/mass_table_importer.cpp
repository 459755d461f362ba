#include "viewer/importers/mass_table_importer.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <string_view>

#include "viewer/core/spectrum.h"
#include "viewer/importers/import_support.h"
#include "viewer/importers/line_reader.h"
#include "viewer/importers/text_fields.h"

namespace ionvue {

namespace {

constexpr double kStartStep = 100000.0;
// How far a mass may sit from its grid position before a gap is filled.
constexpr double kGridTolerance = 0.01;
constexpr int32_t kScaleTarget = 10000;

struct Row {
  double mass;
  int32_t intensity;
};

Row ParseRow(std::string_view line) {
  const auto column = SecondColumn(line);
  return {LeadingNumber(line), column ? TruncateToInt32(LeadingNumber(*column)) : 0};
}

// The grid size, trunc(span / step) + 1, held within the limit. A span a
// hair below a whole number of steps is rounding, not a missing sample.
int GridSize(double span, double step, int limit) {
  const double steps = span / step;
  if (!(steps >= 0.0)) return 1;  // also NaN
  if (steps + 1.0 >= static_cast<double>(limit)) return limit;
  return std::min(limit, static_cast<int>(std::floor(steps + 1e-6)) + 1);
}

}  // namespace

int CMassTableImporter::Load(const std::string& path, CSpectrum& spectrum) {
  double first = 0.0, second = 0.0;
  return Load(path, spectrum, kAllPoints, first, second);
}

int CMassTableImporter::Load(const std::string& path, CSpectrum& spectrum, int points,
                             double& firstMass, double& secondMass) {
  m_path = path;
  const int limit = PointLimit(points);
  if (limit == 0) return 0;

  int lines = 0;
  double m1 = 0.0, previous = 0.0, highest = 0.0;
  double step = kStartStep;
  int32_t largest = 0;
  {
    CLineReader reader(path);
    std::string_view line;
    while (lines < limit && reader.Next(line)) {
      const Row row = ParseRow(line);
      if (lines == 0) {
        m1 = highest = row.mass;
      } else {
        // Only ascending pairs make a step; repeated or falling masses
        // would give a grid of no or negative spacing.
        const double difference = row.mass - previous;
        if (difference > 0.0 && difference < step) step = difference;
        if (row.mass > highest) highest = row.mass;
      }
      largest = std::max(largest, row.intensity);
      previous = row.mass;
      ++lines;
    }
  }
  if (lines == 0) return 0;

  // Sized to the highest mass, which is the last one of an ascending table.
  const int size = GridSize(highest - m1, step, limit);
  const int32_t divisor = std::max(largest / kScaleTarget, int32_t{1});
  if (!SizeSpectrum(m_host, spectrum, size)) return 0;
  firstMass = m1;
  secondMass = m1 + step;

  auto scaled = [divisor](int32_t intensity) { return std::max(intensity / divisor, int32_t{1}); };
  int32_t* out = spectrum.m_pData.get();
  int stored = 0;
  CLineReader reader(path);
  std::string_view line;
  double p = 0.0;
  while (stored < size && reader.Next(line)) {
    const Row row = ParseRow(line);
    if (stored == 0) {
      out[stored++] = scaled(row.intensity);
      p = row.mass;
      continue;
    }
    // Gaps in the table become runs of 1 on the grid p + k·step. Irregular
    // or falling masses may want more samples than were sized: the excess
    // is dropped.
    for (int k = 0; stored < size; ++k) {
      const double grid = p + k * step;
      if (!(grid < row.mass && std::fabs(row.mass - grid) - step > kGridTolerance)) break;
      out[stored++] = 1;
    }
    if (stored >= size) break;
    out[stored++] = scaled(row.intensity);
    p = row.mass;
  }
  spectrum.m_nLength = stored;
  spectrum.m_nOffset = 0;
  if (stored == 0) return 0;
  spectrum.m_pcName = path;
  return 1;
}

}  // namespace ionvue
