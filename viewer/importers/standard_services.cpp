#include "viewer/importers/standard_services.h"

#include "viewer/formats/file_hash.h"
#include "viewer/importers/raw_importers.h"

namespace ionvue {

const DocumentServices& StandardServices() {
  static const DocumentServices services = [] {
    DocumentServices s;
    AddRawImporters(s.importers);
    s.hashFile = ComputeFileHash;
    return s;
  }();
  return services;
}

}  // namespace ionvue
