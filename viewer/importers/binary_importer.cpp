#include "viewer/importers/binary_importer.h"

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

// 16-bit data read as 32-bit words shows values far below any real signal.
constexpr int32_t kImplausible32Bit = -33000;

// What the first pass learns of the words.
struct Survey {
  int32_t minimum = 0;
  bool below16BitRange = false;
  int64_t zerosAfterPositive = 0;
  int32_t previous = 0;  // the word before the first is no positive value

  void Add32(const int32_t* v, size_t n) {
    below16BitRange |= SurveyBlock(v, n, minimum, kImplausible32Bit);
  }
  // 32-bit data with small values read as 16-bit words: every high half is
  // a zero right after a positive low half.
  void Add16(const int32_t* v, size_t n) {
    if (n == 0) return;
    SurveyBlock(v, n, minimum, 0);
    zerosAfterPositive += (v[0] == 0 && previous > 0) + ZerosAfterPositive(v, n);
    previous = v[n - 1];
  }
};

// Reads `count` words of `kind` after the header into the sized spectrum.
template <typename Each>
int64_t ReadInto(CRawFile& file, uint64_t header, WordKind kind, CSpectrum& spectrum,
                 int64_t count, Each&& each) {
  if (!file.Seek(header)) return 0;
  CWordReader reader(file, kind);
  return ReadWordBlocks(reader, spectrum.m_pData.get(), count, each);
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
  const uint64_t dataBytes = file.Size() > header ? file.Size() - header : 0;
  const int64_t limit = PointLimit(points);
  const int64_t present = std::min<int64_t>(limit, dataBytes / WordBytes(kind));

  // The first pass reads straight into the samples and lifts each block
  // while it is in cache with the minimum known so far, so a large file is
  // read and touched once. Blocks lifted before the minimum fell are raised
  // by the difference afterwards; only a change of word size reads again.
  Survey survey;
  struct Run {
    int64_t begin;
    int32_t minimum;
  };
  std::vector<Run> runs;
  int64_t words = 0;
  if (present > 0) {
    if (!SizeSpectrum(m_host, spectrum, static_cast<int>(present))) return 0;
    int32_t* const samples = spectrum.m_pData.get();
    words = ReadInto(file, header, kind, spectrum, present, [&](int32_t* v, size_t n) {
      if (kind == WordKind::kInt32) survey.Add32(v, n);
      else survey.Add16(v, n);
      if (runs.empty() || runs.back().minimum != survey.minimum)
        runs.push_back({v - samples, survey.minimum});
      CLift(survey.minimum).Apply(v, n);
    });
  }
  // The read that found the end counts when the file ended before the points.
  const int64_t reads = words + (words < limit ? 1 : 0);

  int64_t count = words;
  bool switched = false;
  if (kind == WordKind::kInt32) {
    if (survey.below16BitRange &&
        m_host.AskYesNo(kLooks16Bit, MessageIcon::Question) == Answer::Yes) {
      kind = kind16;
      count = std::min<int64_t>(words * 2, CSpectrum::kMaxSamples);
      switched = true;
    }
  } else if (survey.zerosAfterPositive >= reads / 2) {
    if (m_host.AskYesNo(kLooks32Bit, MessageIcon::Question) == Answer::Yes) {
      kind = WordKind::kInt32;
      count = words / 2;
      switched = true;
    }
  }
  if (count <= 0) return 0;

  int64_t stored = 0;
  if (switched) {
    // The first pass's minimum lifts the samples even after the switch.
    if (!SizeSpectrum(m_host, spectrum, static_cast<int>(count))) return 0;
    const CLift lift(survey.minimum);
    stored = ReadInto(file, header, kind, spectrum, count,
                      [&lift](int32_t* v, size_t n) { lift.Apply(v, n); });
  } else {
    for (size_t r = 0; r < runs.size(); ++r) {
      const int64_t end = r + 1 < runs.size() ? runs[r + 1].begin : words;
      RaiseSaturated(spectrum.m_pData.get() + runs[r].begin,
                     static_cast<size_t>(end - runs[r].begin),
                     int64_t{runs[r].minimum} - survey.minimum);
    }
    stored = words;
  }
  spectrum.m_nLength = static_cast<int>(stored);
  spectrum.m_nOffset = 0;
  if (stored == 0) return 0;
  spectrum.m_pcName = path;
  return 1;
}

}  // namespace ionvue
