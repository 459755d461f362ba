#include "viewer/importers/standard_services.h"

#include "viewer/formats/file_hash.h"
#include "viewer/formats/msdcs_importer.h"
#include "viewer/formats/roziro_reader.h"
#include "viewer/formats/roziro_writer.h"
#include "viewer/importers/raw_importers.h"

namespace ionvue {

namespace {

DocumentServices& Services() {
  static DocumentServices services;
  return services;
}

void Build(DocumentServices& s) {
  AddRawImporters(s.importers);
  // ROZIRO's bioml path opens the files it names through the same table.
  s.importers.Set('B', [](const ImportRequest& r) {
    CRoziroImporter importer(r.host, &Services().importers);
    return ImportResult{importer.Load(r.path, r.spectrum)};
  });
  s.importers.Set('1', [](const ImportRequest& r) {
    CMsdcsImporter importer(r.host);
    return ImportResult{importer.Load(r.path, r.spectrum)};
  });
  s.hashFile = ComputeFileHash;
  s.writeRoziro = [](Host& host, CIonvueDoc& doc, const std::string& path) {
    return WriteRoziro(host, doc.GetSpectrum(), path);
  };
}

}  // namespace

const DocumentServices& StandardServices() {
  static const bool built = (Build(Services()), true);
  (void)built;
  return Services();
}

}  // namespace ionvue
