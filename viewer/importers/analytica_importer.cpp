#include "viewer/importers/analytica_importer.h"

#include <algorithm>
#include <cstdint>
#include <vector>

#include "viewer/core/spectrum.h"
#include "viewer/importers/import_support.h"
#include "viewer/importers/raw_file.h"
#include "viewer/importers/word_reader.h"

namespace ionvue {

namespace {
constexpr size_t kBlockPairs = 32 * 1024;
}

int CAnalyticaImporter::Load(const std::string& path, CSpectrum& spectrum) {
  m_path = path;
  CRawFile file(path);
  if (!file.IsOpen()) return 0;
  const int64_t pairs =
      std::min<int64_t>(static_cast<int64_t>(file.Size() / 8), CSpectrum::kMaxSamples);
  if (pairs == 0) return 0;

  std::vector<int32_t> block(2 * std::min<size_t>(kBlockPairs, static_cast<size_t>(pairs)));
  int64_t counted = 0;
  int32_t minimum = 0;
  {
    CWordReader reader(file, WordKind::kInt32);
    while (counted < pairs) {
      const size_t want = static_cast<size_t>(std::min<int64_t>(pairs - counted, kBlockPairs));
      const size_t n = reader.Read(block.data(), 2 * want) / 2;
      for (size_t i = 0; i < n; ++i) minimum = std::min(minimum, block[2 * i + 1]);
      counted += static_cast<int64_t>(n);
      if (n < want) break;
    }
  }
  if (counted == 0) return 0;
  if (!SizeSpectrum(m_host, spectrum, static_cast<int>(counted))) return 0;

  const CLift lift(minimum);
  int32_t* out = spectrum.m_pData.get();
  int64_t stored = 0;
  int64_t t0 = 0, t1 = 0;
  if (file.Seek(0)) {
    CWordReader reader(file, WordKind::kInt32);
    while (stored < counted) {
      const size_t want = static_cast<size_t>(std::min<int64_t>(counted - stored, kBlockPairs));
      const size_t n = reader.Read(block.data(), 2 * want) / 2;
      if (n > 0 && stored == 0) t0 = block[0];
      if (stored < 2 && stored + static_cast<int64_t>(n) >= 2) t1 = block[2 * (1 - stored)];
      for (size_t i = 0; i < n; ++i) out[stored + static_cast<int64_t>(i)] = lift(block[2 * i + 1]);
      stored += static_cast<int64_t>(n);
      if (n < want) break;
    }
  }
  spectrum.m_nLength = static_cast<int>(stored);
  if (stored == 0) return 0;

  // A single pair has no second time: it gets the step a repeated time gets.
  int64_t delta = stored >= 2 ? t1 - t0 : 0;
  if (delta == 0) delta = 1;
  const int64_t offset = t0 / delta;
  spectrum.m_nOffset = static_cast<int>(std::clamp<int64_t>(offset, INT32_MIN, INT32_MAX));
  spectrum.m_dTimeBase = static_cast<double>(delta) * 0.001;
  spectrum.m_nShots = 1;
  spectrum.m_pcName = path;
  return 1;
}

}  // namespace ionvue
