#include "viewer/importers/quickload_importer.h"

#include <algorithm>
#include <cstdint>
#include <vector>

#include "platform/host.h"
#include "viewer/core/spectrum.h"
#include "viewer/importers/import_support.h"
#include "viewer/importers/raw_file.h"
#include "viewer/importers/sample_kernels.h"
#include "viewer/importers/word_reader.h"

namespace ionvue {

namespace {
constexpr int64_t kBlockWords = 64 * 1024;
constexpr uint64_t kPreambleBytes = 8;  // shots and time base
}  // namespace

int CQuickLoadImporter::Load(const std::string& path, CSpectrum& spectrum) {
  return Load(path, spectrum, kAllPoints, 4);
}

int CQuickLoadImporter::Load(const std::string& path, CSpectrum& spectrum, int points,
                             int wordSize) {
  m_path = path;
  CRawFile file(path);
  int32_t preamble[2] = {0, 0};
  CWordReader head(file, WordKind::kInt32);
  if (!file.IsOpen() || head.Read(preamble, 2) != 2) {
    m_host.Message(kNotPresent);
    return 0;
  }
  spectrum.m_nShots = preamble[0];
  spectrum.m_dTimeBase = preamble[1] * 0.001;

  const WordKind kind = wordSize == 2 ? WordKind::kInt16 : WordKind::kInt32;
  const uint64_t start =
      kPreambleBytes + static_cast<uint64_t>(std::max(spectrum.m_nHeaderBytes, 0));
  const int64_t limit = PointLimit(points);

  // First pass: the minimum, over at most the words the file holds.
  int64_t words = 0;
  int32_t minimum = 0;
  if (file.Seek(start)) {
    const int64_t present = std::min<int64_t>(
        limit, static_cast<int64_t>(file.Remaining() / static_cast<uint64_t>(WordBytes(kind))));
    std::vector<int32_t> block(static_cast<size_t>(std::min<int64_t>(present, kBlockWords)));
    CWordReader reader(file, kind);
    while (words < present) {
      const size_t want = static_cast<size_t>(std::min<int64_t>(present - words, kBlockWords));
      const size_t n = reader.Read(block.data(), want);
      if (n == 0) break;
      SurveyBlock(block.data(), n, minimum, 0);
      words += static_cast<int64_t>(n);
    }
  }
  if (words == 0) return 0;
  if (!SizeSpectrum(m_host, spectrum, static_cast<int>(words))) return 0;

  const CLift lift(minimum);
  int64_t stored = 0;
  if (file.Seek(start)) {
    CWordReader reader(file, kind);
    stored = ReadWordBlocks(reader, spectrum.m_pData.get(), words,
                            [&lift](int32_t* v, size_t n) { lift.Apply(v, n); });
  }
  spectrum.m_nLength = static_cast<int>(stored);
  if (stored == 0) return 0;
  spectrum.m_pcName = path;
  return 1;
}

}  // namespace ionvue
