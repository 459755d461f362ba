#include "viewer/importers/two_column_importer.h"

#include "viewer/importers/ascii_column_loader.h"
#include "viewer/importers/import_support.h"
#include "viewer/importers/text_fields.h"

namespace ionvue {

int CTwoColumnImporter::Load(const std::string& path, CSpectrum& spectrum) {
  return Load(path, spectrum, kAllPoints);
}

int CTwoColumnImporter::Load(const std::string& path, CSpectrum& spectrum, int points) {
  m_path = path;
  return LoadAsciiColumn(m_host, path, spectrum, points, &Intensity);
}

int32_t CTwoColumnImporter::Intensity(std::string_view line) {
  const auto column = SecondColumn(line);
  return column ? LeadingInteger(*column) : 0;
}

}  // namespace ionvue
