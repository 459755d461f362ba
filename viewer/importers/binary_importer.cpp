#include "viewer/importers/binary_importer.h"

#include <algorithm>
#include <cstdint>
#include <limits>
#include <vector>

#include "platform/host.h"
#include "viewer/core/spectrum.h"
#include "viewer/importers/import_support.h"
#include "viewer/importers/raw_file.h"
#include "viewer/importers/word_reader.h"

namespace ionvue {

namespace {

constexpr size_t kBlockWords = 64 * 1024;
// 16-bit data read as 32-bit words shows values far below any real signal.
constexpr int32_t kImplausible32Bit = -33000;

struct FirstPass {
  int64_t words = 0;  // words read
  int64_t reads = 0;  // words read, plus the read that found the end
  int32_t minimum = 0;
  bool below16BitRange = false;
  int64_t zerosAfterPositive = 0;
};

FirstPass Survey(CRawFile& file, WordKind kind, int64_t limit) {
  FirstPass pass;
  CWordReader reader(file, kind);
  std::vector<int32_t> block(kBlockWords);
  int32_t minimum = 0;
  int32_t previous = 0;  // the word before the first has no positive value
  int64_t zeros = 0;
  bool low = false;
  while (pass.words < limit) {
    const size_t want = static_cast<size_t>(std::min<int64_t>(limit - pass.words, kBlockWords));
    const size_t n = reader.Read(block.data(), want);
    const int32_t* v = block.data();
    for (size_t i = 0; i < n; ++i) minimum = std::min(minimum, v[i]);
    if (kind == WordKind::kInt32) {
      for (size_t i = 0; i < n; ++i) low |= v[i] < kImplausible32Bit;
    } else if (n > 0) {
      // 32-bit data with small values read as 16-bit words: every high
      // half is a zero right after a positive low half.
      zeros += (v[0] == 0 && previous > 0);
      for (size_t i = 1; i < n; ++i) zeros += (v[i] == 0) & (v[i - 1] > 0);
      previous = v[n - 1];
    }
    pass.words += static_cast<int64_t>(n);
    if (n == 0) break;
  }
  pass.reads = pass.words + (pass.words < limit ? 1 : 0);
  pass.minimum = minimum;
  pass.below16BitRange = low;
  pass.zerosAfterPositive = zeros;
  return pass;
}

}  // namespace

int CBinaryImporter::Load(const std::string& path, CSpectrum& spectrum) {
  return Load(path, spectrum, kAllPoints, 2, false);
}

int CBinaryImporter::Load(const std::string& path, CSpectrum& spectrum, int points, int wordSize,
                          bool tofware) {
  m_path = path;
  CRawFile file(path);
  if (!file.IsOpen()) return 0;
  const WordKind kind16 = tofware ? WordKind::kUInt16 : WordKind::kInt16;
  WordKind kind = wordSize == 4 ? WordKind::kInt32 : kind16;
  const uint64_t header = static_cast<uint64_t>(std::max(spectrum.m_nHeaderBytes, 0));
  const int64_t limit = PointLimit(points);

  // A header longer than the file leaves no words: the first read fails.
  FirstPass pass;
  if (file.Seek(header)) pass = Survey(file, kind, limit);
  else pass.reads = limit > 0 ? 1 : 0;

  int64_t count = pass.words;
  if (kind == WordKind::kInt32) {
    if (pass.below16BitRange &&
        m_host.AskYesNo(kLooks16Bit, MessageIcon::Question) == Answer::Yes) {
      kind = kind16;
      count = pass.words * 2;
    }
  } else if (pass.zerosAfterPositive >= pass.reads / 2) {
    if (m_host.AskYesNo(kLooks32Bit, MessageIcon::Question) == Answer::Yes) {
      kind = WordKind::kInt32;
      count = pass.words / 2;
    }
  }
  count = std::min<int64_t>(count, CSpectrum::kMaxSamples);
  if (count <= 0) return 0;

  if (!SizeSpectrum(m_host, spectrum, static_cast<int>(count))) return 0;
  // The first pass's minimum lifts the samples even after a word-size switch.
  const CLift lift(pass.minimum);
  int64_t stored = 0;
  if (file.Seek(header)) {
    CWordReader reader(file, kind);
    int32_t* out = spectrum.m_pData.get();
    while (stored < count) {
      const size_t want = static_cast<size_t>(std::min<int64_t>(count - stored, kBlockWords * 4));
      const size_t n = reader.Read(out + stored, want);
      lift.Apply(out + stored, n);
      stored += static_cast<int64_t>(n);
      if (n == 0) break;
    }
  }
  spectrum.m_nLength = static_cast<int>(stored);
  spectrum.m_nOffset = 0;
  if (stored == 0) return 0;
  spectrum.m_pcName = path;
  return 1;
}

}  // namespace ionvue
