#include "viewer/core/property_table.h"

#include "platform/host.h"

namespace ionvue {

void CPropertyTable::Set(std::string_view key, std::string_view value) {
  auto it = index_.find(std::string(key));
  if (it != index_.end()) {
    entries_[it->second].second = std::string(value);
    return;
  }
  index_.emplace(std::string(key), entries_.size());
  entries_.emplace_back(std::string(key), std::string(value));
}

bool CPropertyTable::Get(std::string_view key, std::string& out) const {
  auto it = index_.find(std::string(key));
  if (it == index_.end()) {
    out.clear();
    return false;
  }
  out = entries_[it->second].second;
  return true;
}

std::string CPropertyTable::Value(std::string_view key) const {
  std::string out;
  Get(key, out);
  return out;
}

bool CPropertyTable::AddIfAbsent(std::string_view key, std::string_view value) {
  if (index_.count(std::string(key))) return true;
  if (entries_.size() >= kCapacity) return false;
  Set(key, value);
  return true;
}

void CPropertyTable::RemoveAll() {
  entries_.clear();
  index_.clear();
  cursor_ = 0;
}

bool CPropertyTable::First(std::string& key, std::string& value) const {
  cursor_ = 0;
  return Next(key, value);
}

bool CPropertyTable::Next(std::string& key, std::string& value) const {
  if (cursor_ >= entries_.size()) return false;
  key = entries_[cursor_].first;
  value = entries_[cursor_].second;
  ++cursor_;
  return true;
}

bool CPropertyTable::IsSet(std::string_view value) {
  return !value.empty() && value.substr(0, 4) != "None";
}

std::string CPropertyTable::ToText() const {
  std::string text;
  for (const auto& [key, value] : entries_) {
    if (!IsSet(value)) continue;
    text += "__";
    text += key;
    text += '=';
    for (char c : value) text += c == '_' ? kUnderscoreMark : c;
  }
  return text;
}

bool CPropertyTable::FromText(std::string_view text, Host* host) {
  if (text.substr(0, 2) != "__") {
    if (host) host->Message("Entry could not be created.\nNo item entry ID __");
    return false;
  }
  RemoveAll();
  size_t pos = 0;
  const size_t end = text.size();
  while (true) {
    while (pos < end && text[pos] == '_') ++pos;
    if (pos >= end) return false;
    size_t keyStart = pos;
    while (pos < end && text[pos] != '=' && pos - keyStart < kMaxKey) ++pos;
    std::string key(text.substr(keyStart, pos - keyStart));
    // An over-long key is cut; the rest of it up to '=' is dropped.
    while (pos < end && text[pos] != '=') ++pos;
    ++pos;  // the '='
    if (pos >= end) return false;
    size_t valueStart = pos;
    while (pos < end && text[pos] != '_' && pos - valueStart < kMaxValue) ++pos;
    std::string value(text.substr(valueStart, pos - valueStart));
    for (char& c : value)
      if (c == kUnderscoreMark) c = '_';
    AddIfAbsent(key, value);
    if (pos >= end) return true;
  }
}

}  // namespace ionvue
