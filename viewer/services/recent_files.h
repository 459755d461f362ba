#pragma once
// The four most recently opened spectra, kept in section "Recent File List"
// as File1 to File4.

#include <string>
#include <vector>

namespace ionvue {

class RecentFileList {
 public:
  static constexpr int kSize = 4;

  void Load();
  void Save() const;
  // Puts the path first; an entry already listed moves up, the oldest drops.
  void Add(const std::string& path);
  void Remove(int index);
  int Count() const { return static_cast<int>(m_paths.size()); }
  const std::string& At(int index) const { return m_paths[index]; }
  // The menu text of an entry: "&1 " and the path.
  std::string MenuText(int index) const;

 private:
  std::vector<std::string> m_paths;
};

}  // namespace ionvue
