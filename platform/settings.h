#pragma once
// The per-user settings store: (section, key) names compared without case,
// 32-bit integers and texts, reals as text in fixed formats. Every write
// replaces the backing file atomically, so a crash never leaves half a store.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace ionvue {

class SettingsStore {
 public:
  // Opens the store kept in `file`; a missing or damaged file is not fatal.
  explicit SettingsStore(std::string file);

  int GetInt(std::string_view section, std::string_view key, int fallback) const;
  std::string GetString(std::string_view section, std::string_view key,
                        std::string_view fallback) const;
  void WriteInt(std::string_view section, std::string_view key, int value);
  void WriteString(std::string_view section, std::string_view key, std::string_view value);

  // The pattern every site that stores a real repeats: text in, leading
  // numeric part out; a printf format on the way back.
  double GetReal(std::string_view section, std::string_view key,
                 std::string_view fallbackText) const;
  void WriteReal(std::string_view section, std::string_view key, double value, const char* format);

  bool Has(std::string_view section, std::string_view key) const;
  // A read-only store keeps its writes in memory: the command-line reports
  // must not change the user's preferences.
  void SetReadOnly(bool readOnly) { readOnly_ = readOnly; }
  const std::string& file() const { return file_; }

 private:
  struct Entry {
    std::string section;
    std::string key;
    std::string value;
  };
  const Entry* Find(std::string_view section, std::string_view key) const;
  void Load();
  void Save() const;

  std::string file_;
  bool readOnly_ = false;
  std::vector<Entry> entries_;  // in file order, sections kept together
};

// The user's store: $IONVUE_CONFIG_DIR/Ionvue.ini when that is set, else
// $XDG_CONFIG_HOME/Kestrova/Ionvue.ini (~/.config when unset).
SettingsStore& Settings();
// Drops the open store so the next Settings() reads the environment anew.
void ReopenSettings();
std::string SettingsFilePath();

// The longest leading numeric part of a text, as strtod reads it; 0.0 when
// there is none.
double LeadingReal(std::string_view text);
// Optional blanks and sign, then decimal digits; 0 when there are none.
long LeadingInt(std::string_view text);
// printf into a std::string.
std::string Format(const char* format, ...) __attribute__((format(printf, 1, 2)));

// The build's version text and the integer the store keeps of it.
inline constexpr const char* kVersionText = "2001.02.13";
int VersionNumber();
// The writes every start of the viewer makes before it reads a setting.
void WriteStartupSettings(SettingsStore& store);

}  // namespace ionvue
