#include "viewer/importers/linear_file_importer.h"

#include <cstdint>

#include "viewer/core/spectrum.h"
#include "viewer/importers/import_support.h"
#include "viewer/importers/raw_file.h"
#include "viewer/importers/word_reader.h"

namespace ionvue {

int CLinearFileImporter::Load(const std::string& path, CSpectrum& spectrum) {
  m_path = path;
  CRawFile file(path);
  if (!file.IsOpen() || !file.Seek(kCountOffset)) return 0;
  int32_t count = 0;
  CWordReader header(file, WordKind::kUInt16);
  if (header.Read(&count, 1) != 1) return 0;

  // The count field says N, the file holds N + 1 samples; a file too short
  // for them fails before anything is sized.
  const int samples = count + 1;
  if (file.Size() < kDataOffset + 2 * static_cast<uint64_t>(samples)) return 0;
  if (!SizeSpectrum(m_host, spectrum, samples)) return 0;
  int stored = 0;
  if (file.Seek(kDataOffset)) {
    CWordReader reader(file, WordKind::kUInt16);
    while (stored < samples) {
      const size_t n = reader.Read(spectrum.m_pData.get() + stored,
                                   static_cast<size_t>(samples - stored));
      stored += static_cast<int>(n);
      if (n == 0) break;
    }
  }
  spectrum.m_nLength = stored;
  spectrum.m_nOffset = 0;
  if (stored < samples) return 0;
  spectrum.m_pcName = path;
  return 1;
}

}  // namespace ionvue
