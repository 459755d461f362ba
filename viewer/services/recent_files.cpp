#include "viewer/services/recent_files.h"

#include <algorithm>

#include "platform/settings.h"

namespace ionvue {

namespace {
constexpr const char* kSection = "Recent File List";
std::string KeyOf(int index) { return Format("File%i", index + 1); }
}  // namespace

void RecentFileList::Load() {
  m_paths.clear();
  SettingsStore& s = Settings();
  for (int i = 0; i < kSize; ++i) {
    std::string path = s.GetString(kSection, KeyOf(i), "");
    if (!path.empty() && std::find(m_paths.begin(), m_paths.end(), path) == m_paths.end())
      m_paths.push_back(path);
  }
}

void RecentFileList::Save() const {
  SettingsStore& s = Settings();
  for (int i = 0; i < kSize; ++i) s.WriteString(kSection, KeyOf(i), i < Count() ? m_paths[i] : "");
}

void RecentFileList::Add(const std::string& path) {
  if (path.empty()) return;
  m_paths.erase(std::remove(m_paths.begin(), m_paths.end(), path), m_paths.end());
  m_paths.insert(m_paths.begin(), path);
  if (Count() > kSize) m_paths.resize(kSize);
}

void RecentFileList::Remove(int index) {
  if (index >= 0 && index < Count()) m_paths.erase(m_paths.begin() + index);
}

std::string RecentFileList::MenuText(int index) const {
  if (index < 0 || index >= Count()) return "";
  std::string text = Format("&%i ", index + 1);
  for (char c : m_paths[index]) {
    if (c == '&') text.push_back('&');  // a literal ampersand, not a mnemonic
    text.push_back(c);
  }
  return text;
}

}  // namespace ionvue
