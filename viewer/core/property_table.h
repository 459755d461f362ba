#pragma once
// Free-form laboratory metadata of a spectrum and its text form
// ("__KEY=value" repeated, '_' in values carried as the byte 0xFA).

#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace ionvue {

class Host;

class CPropertyTable {
 public:
  static constexpr size_t kCapacity = 2056;
  static constexpr size_t kMaxKey = 255;
  static constexpr size_t kMaxValue = 31999;
  static constexpr char kUnderscoreMark = static_cast<char>(0xFA);

  // Inserts or replaces; always succeeds.
  void Set(std::string_view key, std::string_view value);
  // Copies the value (or "") into `out`; returns whether the key exists.
  bool Get(std::string_view key, std::string& out) const;
  std::string Value(std::string_view key) const;
  bool Has(std::string_view key) const { return index_.count(std::string(key)) != 0; }
  // First occurrence wins; fails when the table is full.
  bool AddIfAbsent(std::string_view key, std::string_view value);
  void RemoveAll();
  size_t size() const { return entries_.size(); }

  // Iteration in insertion order.
  bool First(std::string& key, std::string& value) const;
  bool Next(std::string& key, std::string& value) const;

  std::string ToText() const;
  // Returns false on a malformed text; entries read so far stay. Reports the
  // missing "__" prefix through the host when one is given.
  bool FromText(std::string_view text, Host* host = nullptr);

  // A value that is empty or begins with "None" is "not set".
  static bool IsSet(std::string_view value);

 private:
  std::vector<std::pair<std::string, std::string>> entries_;
  std::unordered_map<std::string, size_t> index_;
  mutable size_t cursor_ = 0;
};

}  // namespace ionvue
