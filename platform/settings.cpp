#include "platform/settings.h"

#include <unistd.h>

#include <cctype>
#include <cerrno>
#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>

namespace ionvue {

namespace {

bool SameName(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i)
    if (std::tolower(static_cast<unsigned char>(a[i])) !=
        std::tolower(static_cast<unsigned char>(b[i])))
      return false;
  return true;
}

// Texts may hold any byte; the file keeps one entry per line.
std::string Escape(std::string_view value) {
  std::string out;
  out.reserve(value.size());
  for (char c : value) {
    switch (c) {
      case '\\':
        out += "\\\\";
        break;
      case '\n':
        out += "\\n";
        break;
      case '\r':
        out += "\\r";
        break;
      case '\0':
        out += "\\0";
        break;
      default:
        out += c;
    }
  }
  return out;
}

std::string Unescape(std::string_view value) {
  std::string out;
  out.reserve(value.size());
  for (size_t i = 0; i < value.size(); ++i) {
    char c = value[i];
    if (c != '\\' || i + 1 == value.size()) {
      out += c;
      continue;
    }
    char n = value[++i];
    switch (n) {
      case 'n':
        out += '\n';
        break;
      case 'r':
        out += '\r';
        break;
      case '0':
        out += '\0';
        break;
      default:
        out += n;
    }
  }
  return out;
}

std::string_view Trim(std::string_view s) {
  while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
  while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '\r'))
    s.remove_suffix(1);
  return s;
}

}  // namespace

SettingsStore::SettingsStore(std::string file) : file_(std::move(file)) { Load(); }

void SettingsStore::Load() {
  std::ifstream in(file_, std::ios::binary);
  if (!in) return;
  std::string line, section;
  while (std::getline(in, line)) {
    std::string_view view = Trim(line);
    if (view.empty() || view.front() == ';' || view.front() == '#') continue;
    if (view.front() == '[') {
      size_t close = view.find(']');
      if (close == std::string_view::npos) continue;  // damaged header: skip it
      section = std::string(view.substr(1, close - 1));
      continue;
    }
    size_t eq = view.find('=');
    if (eq == std::string_view::npos || eq == 0 || section.empty()) continue;
    std::string key(Trim(view.substr(0, eq)));
    std::string value = Unescape(view.substr(eq + 1));
    if (Find(section, key)) continue;  // the first of duplicate lines wins
    entries_.push_back({section, key, value});
  }
}

void SettingsStore::Save() const {
  if (readOnly_) return;
  std::filesystem::path target(file_);
  std::error_code ec;
  if (target.has_parent_path()) std::filesystem::create_directories(target.parent_path(), ec);

  // Group entries by section, keeping first-seen section order.
  std::vector<std::string> sections;
  for (const auto& e : entries_) {
    bool seen = false;
    for (const auto& s : sections) seen = seen || SameName(s, e.section);
    if (!seen) sections.push_back(e.section);
  }
  std::ostringstream text;
  for (const auto& s : sections) {
    text << '[' << s << "]\n";
    for (const auto& e : entries_)
      if (SameName(e.section, s)) text << e.key << '=' << Escape(e.value) << '\n';
    text << '\n';
  }
  std::string body = text.str();

  std::string temp = file_ + ".tmp" + std::to_string(::getpid());
  FILE* out = std::fopen(temp.c_str(), "wb");
  if (!out) return;  // writes report nothing
  bool ok = std::fwrite(body.data(), 1, body.size(), out) == body.size();
  ok = std::fflush(out) == 0 && ok;
  ok = ::fsync(::fileno(out)) == 0 && ok;
  ok = std::fclose(out) == 0 && ok;
  if (!ok || std::rename(temp.c_str(), file_.c_str()) != 0) std::remove(temp.c_str());
}

const SettingsStore::Entry* SettingsStore::Find(std::string_view section,
                                                std::string_view key) const {
  for (const auto& e : entries_)
    if (SameName(e.section, section) && SameName(e.key, key)) return &e;
  return nullptr;
}

bool SettingsStore::Has(std::string_view section, std::string_view key) const {
  return Find(section, key) != nullptr;
}

int SettingsStore::GetInt(std::string_view section, std::string_view key, int fallback) const {
  const Entry* e = Find(section, key);
  if (!e) return fallback;
  const char* begin = e->value.c_str();
  char* end = nullptr;
  errno = 0;
  long value = std::strtol(begin, &end, 10);
  if (end == begin || errno == ERANGE || value < INT32_MIN || value > INT32_MAX) return fallback;
  return static_cast<int>(value);
}

std::string SettingsStore::GetString(std::string_view section, std::string_view key,
                                     std::string_view fallback) const {
  const Entry* e = Find(section, key);
  return e ? e->value : std::string(fallback);
}

void SettingsStore::WriteString(std::string_view section, std::string_view key,
                                std::string_view value) {
  auto* e = const_cast<Entry*>(Find(section, key));
  if (e) {
    if (e->value == value) return;  // nothing changes on disk
    e->value = std::string(value);
  } else {
    // Keep the new key beside its section so the file stays readable.
    auto pos = entries_.end();
    for (auto it = entries_.begin(); it != entries_.end(); ++it)
      if (SameName(it->section, section)) pos = it + 1;
    entries_.insert(pos, Entry{std::string(section), std::string(key), std::string(value)});
  }
  Save();
}

void SettingsStore::WriteInt(std::string_view section, std::string_view key, int value) {
  WriteString(section, key, std::to_string(value));
}

double SettingsStore::GetReal(std::string_view section, std::string_view key,
                              std::string_view fallbackText) const {
  return LeadingReal(GetString(section, key, fallbackText));
}

void SettingsStore::WriteReal(std::string_view section, std::string_view key, double value,
                              const char* format) {
  WriteString(section, key, Format(format, value));
}

namespace {
std::unique_ptr<SettingsStore>& Current() {
  static std::unique_ptr<SettingsStore> store;
  return store;
}
}  // namespace

std::string SettingsFilePath() {
  if (const char* dir = std::getenv("IONVUE_CONFIG_DIR"); dir && *dir)
    return std::string(dir) + "/Ionvue.ini";
  std::string base;
  if (const char* xdg = std::getenv("XDG_CONFIG_HOME"); xdg && *xdg) {
    base = xdg;
  } else {
    const char* home = std::getenv("HOME");
    base = std::string(home && *home ? home : ".") + "/.config";
  }
  return base + "/Kestrova/Ionvue.ini";
}

SettingsStore& Settings() {
  auto& store = Current();
  if (!store) store = std::make_unique<SettingsStore>(SettingsFilePath());
  return *store;
}

void ReopenSettings() { Current().reset(); }

double LeadingReal(std::string_view text) {
  std::string copy(text);
  return std::strtod(copy.c_str(), nullptr);
}

long LeadingInt(std::string_view text) {
  size_t i = 0;
  while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '-' || text[i] == '+')) negative = text[i++] == '-';
  long value = 0;
  for (; i < text.size() && std::isdigit(static_cast<unsigned char>(text[i])); ++i) {
    if (value < 100000000000000000L) value = value * 10 + (text[i] - '0');
  }
  return negative ? -value : value;
}

std::string Format(const char* format, ...) {
  va_list args;
  va_start(args, format);
  va_list copy;
  va_copy(copy, args);
  int size = std::vsnprintf(nullptr, 0, format, copy);
  va_end(copy);
  std::string out(size > 0 ? static_cast<size_t>(size) : 0, '\0');
  if (size > 0) std::vsnprintf(out.data(), out.size() + 1, format, args);
  va_end(args);
  return out;
}

int VersionNumber() {
  int number = 0;
  for (const char* p = kVersionText; *p; ++p)
    if (*p != '.') number = number * 10 + (*p - '0');
  return number;
}

void WriteStartupSettings(SettingsStore& store) {
  store.WriteInt("Version", "Number", VersionNumber());
}

}  // namespace ionvue
