#include "viewer/importers/ascii_column_loader.h"

#include <algorithm>

#include "viewer/core/spectrum.h"
#include "viewer/importers/import_support.h"
#include "viewer/importers/line_reader.h"

namespace ionvue {

int LoadAsciiColumn(Host& host, const std::string& path, CSpectrum& spectrum, int points,
                    LineSample sample) {
  const int limit = PointLimit(points);
  int count = 0;
  {
    CLineReader lines(path);
    std::string_view line;
    while (count < limit && lines.Next(line)) ++count;
  }
  if (count == 0) return 0;
  if (!SizeSpectrum(host, spectrum, count)) return 0;

  CLineReader lines(path);
  std::string_view line;
  int32_t* out = spectrum.m_pData.get();
  int stored = 0;
  while (stored < count && lines.Next(line)) out[stored++] = std::max(sample(line), int32_t{1});
  spectrum.m_nLength = stored;
  spectrum.m_nOffset = 0;
  if (stored == 0) return 0;
  spectrum.m_pcName = path;
  return 1;
}

}  // namespace ionvue
