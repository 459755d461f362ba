#include "viewer/importers/raw_importers.h"

#include "viewer/importers/analytica_importer.h"
#include "viewer/importers/binary_importer.h"
#include "viewer/importers/linear_file_importer.h"
#include "viewer/importers/mass_table_importer.h"
#include "viewer/importers/one_column_importer.h"
#include "viewer/importers/quickload_importer.h"
#include "viewer/importers/two_column_importer.h"

namespace ionvue {

namespace {

ImportResult MassTable(const ImportRequest& request) {
  ImportResult result;
  result.code = CMassTableImporter(request.host)
                    .Load(request.path, request.spectrum, request.points, result.firstMass,
                          result.secondMass);
  return result;
}

ImporterFunction Binary(bool tofware) {
  return [tofware](const ImportRequest& request) {
    return ImportResult{CBinaryImporter(request.host)
                            .Load(request.path, request.spectrum, request.points,
                                  request.wordSize, tofware)};
  };
}

}  // namespace

void AddRawImporters(ImporterTable& table) {
  table.Set('0', MassTable);
  table.Set('7', MassTable);
  table.Set('2', Binary(false));
  table.Set('5', Binary(true));
  table.Set('3', [](const ImportRequest& request) {
    return ImportResult{
        COneColumnImporter(request.host).Load(request.path, request.spectrum, request.points)};
  });
  table.Set('4', [](const ImportRequest& request) {
    return ImportResult{
        CTwoColumnImporter(request.host).Load(request.path, request.spectrum, request.points)};
  });
  table.Set('A', [](const ImportRequest& request) {
    return ImportResult{CAnalyticaImporter(request.host).Load(request.path, request.spectrum)};
  });
  table.Set('L', [](const ImportRequest& request) {
    return ImportResult{CLinearFileImporter(request.host).Load(request.path, request.spectrum)};
  });
  table.Set(ImporterTable::kQuickLoad, [](const ImportRequest& request) {
    return ImportResult{CQuickLoadImporter(request.host)
                            .Load(request.path, request.spectrum, request.points,
                                  request.wordSize)};
  });
}

}  // namespace ionvue
