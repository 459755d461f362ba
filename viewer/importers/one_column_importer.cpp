#include "viewer/importers/one_column_importer.h"

#include "viewer/importers/ascii_column_loader.h"
#include "viewer/importers/import_support.h"
#include "viewer/importers/text_fields.h"

namespace ionvue {

int COneColumnImporter::Load(const std::string& path, CSpectrum& spectrum) {
  return Load(path, spectrum, kAllPoints);
}

int COneColumnImporter::Load(const std::string& path, CSpectrum& spectrum, int points) {
  m_path = path;
  return LoadAsciiColumn(m_host, path, spectrum, points, &LeadingInteger);
}

}  // namespace ionvue
