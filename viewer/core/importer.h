#pragma once
// The per-letter readers the open road dispatches to. Formats and importers
// live above this layer, so the open road receives them as a table.

#include <functional>
#include <map>
#include <string>

namespace ionvue {

class CSpectrum;
class Host;

// Base of every format reader: one object per load, destroyed right after.
class CSpectrumImporter {
 public:
  explicit CSpectrumImporter(Host& host) : m_host(host) {}
  virtual ~CSpectrumImporter() = default;
  virtual int Load(const std::string& path, CSpectrum& spectrum) = 0;

 protected:
  Host& m_host;
  std::string m_path;
};

struct ImportRequest {
  Host& host;
  const std::string& path;
  CSpectrum& spectrum;
  char letter;
  int points;    // from the load-parameters dialog, or the letter's own limit
  int wordSize;  // bytes per raw binary word
};

struct ImportResult {
  // 1 success, 0 failure; ROZIRO also returns the codes of its bioml path.
  int code = 0;
  // Mass-table and mass-list readers: m/z of samples 0 and 1.
  double firstMass = 0.0;
  double secondMass = 0.0;
};

using ImporterFunction = std::function<ImportResult(const ImportRequest&)>;

class ImporterTable {
 public:
  // The acquisition program's temporary file has no type letter of its own.
  static constexpr char kQuickLoad = '@';

  void Set(char letter, ImporterFunction importer) { table_[letter] = std::move(importer); }
  const ImporterFunction* Find(char letter) const {
    auto it = table_.find(letter);
    return it == table_.end() ? nullptr : &it->second;
  }

 private:
  std::map<char, ImporterFunction> table_;
};

}  // namespace ionvue
