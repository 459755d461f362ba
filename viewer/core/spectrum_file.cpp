#include "viewer/core/spectrum_file.h"

#include <sys/stat.h>

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <filesystem>

#include "platform/host.h"
#include "viewer/core/spectrum.h"

namespace ionvue {

std::string FileNameOf(const std::string& path) {
  size_t cut = path.find_last_of("/\\");
  return cut == std::string::npos ? path : path.substr(cut + 1);
}

std::string FolderOf(const std::string& path) {
  size_t cut = path.find_last_of("/\\");
  if (cut == std::string::npos) return "";
  return cut == 0 ? path.substr(0, 1) : path.substr(0, cut);
}

namespace {

std::string FileTime(time_t when) {
  char text[32];
  struct tm parts {};
  localtime_r(&when, &parts);
  std::strftime(text, sizeof text, "%H:%M %m/%d/%y", &parts);
  return text;
}

bool Contains(const std::string& haystack, const char* needle) {
  return haystack.find(needle) != std::string::npos;
}

std::string Lower(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return text;
}

}  // namespace

bool CSpectrumFile::DateAt(const unsigned char* t) {
  return (t[1] == '/' && (t[3] == '/' || t[4] == '/')) ||
         (t[2] == '/' && (t[4] == '/' || t[5] == '/'));
}

char CSpectrumFile::Classify(const std::string& path, const unsigned char* header,
                             const unsigned char* tail, bool folderHasProc) {
  // Text tests see the header only up to its first zero byte.
  std::string text(reinterpret_cast<const char*>(header),
                   strnlen(reinterpret_cast<const char*>(header), kHeaderBytes));
  // The extension rules look at the file's own name: a dot in a folder name
  // must not decide the format.
  std::string name = Lower(FileNameOf(path));
  if (name.find('.') == std::string::npos) name += ".   ";
  const bool date = DateAt(tail);

  if (Contains(text, "TOFDCS") || Contains(text, "MSDCS")) return '1';
  if (Contains(name, ".roziro")) return 'B';
  if (Contains(name, ".qst")) return date ? 'Q' : 'q';
  if (date) return 'Q';
  if (Contains(name, ".lin")) return 'L';
  if (Contains(name, ".mas")) return '5';
  if (Contains(name, ".ms")) return '6';
  if (Contains(name, ".txt")) return 'p';
  if (Contains(name, ".dat") && header[2] && header[3] && !header[8] && !header[9]) return 'P';
  if (Contains(name, ".cor")) return '7';
  if (Contains(name, ".sci")) return '8';
  if (Contains(name, ".wiff")) return 'W';
  if (Contains(name, "_func001.dat")) return 'T';
  if (Contains(name, "func001.dat")) return 'm';
  if (Contains(name, ".bin")) return 'A';
  if (header[0] == 4 && header[1] == 8) return 'F';
  if (Contains(name, ".dta") || Contains(name, ".zta")) return 'f';
  if (folderHasProc) return '9';
  if (Contains(Lower(path), "testdata") || !Contains(text, "\n")) return '2';
  if (Contains(text, " ") || Contains(text, "\t")) return '4';
  return '3';
}

CSpectrumFile::CSpectrumFile(Host& host, const std::string& path, CSpectrum& spectrum)
    : m_pcPath(path) {
  struct stat info {};
  if (::stat(path.c_str(), &info) != 0 || S_ISDIR(info.st_mode)) {
    host.Beep(BeepKind::Default);
    host.Message("The file m_pcName you entered:\n\n\t" + path + ",\n\ncould not be located.\n" +
                 "If you typed in the file " + path + "\n\t- check for a typo.\n" +
                 "If you clicked on the file " + path +
                 ", either:\n\t- you don't have permission to read it.\n" +
                 "\t- or there is something wrong with the file system.");
    return;
  }
  // Linux keeps no creation time everywhere; the status-change time is the
  // closest one every file system has.
  spectrum.m_strCreated = FileTime(info.st_ctime);
  spectrum.m_strAccessed = FileTime(info.st_atime);
  spectrum.m_strModified = FileTime(info.st_mtime);

  FILE* file = std::fopen(path.c_str(), "rb");
  if (!file) {
    host.Message("Input file could not be opened.");
    return;
  }
  size_t got = std::fread(m_header, 1, kHeaderBytes, file);
  if (got == kHeaderBytes) std::fread(m_tail, 1, kTailBytes, file);
  bool failed = std::ferror(file) != 0;
  std::fclose(file);
  if (failed) {
    host.Message("File wouldn't open");
    return;
  }
  m_bDate = DateAt(m_tail);

  std::error_code ec;
  std::string folder = FolderOf(path);
  bool proc = std::filesystem::is_regular_file(
      std::filesystem::path(folder.empty() ? "." : folder) / "proc", ec);
  m_cType = Classify(path, m_header, m_tail, proc);
}

}  // namespace ionvue
