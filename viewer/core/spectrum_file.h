#pragma once
// The type probe: picks a type letter from a file's name and its first
// 160 bytes (a 120-byte header and a 40-byte tail).

#include <string>

namespace ionvue {

class CSpectrum;
class Host;

class CSpectrumFile {
 public:
  static constexpr size_t kHeaderBytes = 120;
  static constexpr size_t kTailBytes = 40;

  // Probes `path`, storing the file's times in `spectrum`. Shows the probe's
  // messages through `host`; the letter is 0 when the file cannot be read.
  CSpectrumFile(Host& host, const std::string& path, CSpectrum& spectrum);

  char letter() const { return m_cType; }
  const std::string& path() const { return m_pcPath; }
  const unsigned char* header() const { return m_header; }
  const unsigned char* tail() const { return m_tail; }
  bool dateFlag() const { return m_bDate; }

  // The rules on an already-read header and tail, for callers that hold the
  // bytes (and for tests). `folderHasProc` answers the Bruker rule.
  static char Classify(const std::string& path, const unsigned char* header,
                       const unsigned char* tail, bool folderHasProc);
  static bool DateAt(const unsigned char* tail);

 private:
  std::string m_pcPath;
  unsigned char m_header[kHeaderBytes + 1] = {};
  unsigned char m_tail[kTailBytes + 1] = {};
  bool m_bDate = false;
  char m_cType = 0;
};

// The file name part of a path, split on both '/' and '\\'.
std::string FileNameOf(const std::string& path);
// The folder part of a path (without the separator); "" when there is none.
std::string FolderOf(const std::string& path);

}  // namespace ionvue
