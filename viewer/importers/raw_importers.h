#pragma once
// Registers the raw binary and ASCII readers with the open road's table.

#include "viewer/core/importer.h"

namespace ionvue {

// '0' and '7' mass-intensity table, '2' binary, '5' TOFWARE binary,
// '3' one-column and '4' two-column ASCII, 'A' Analytica, 'L' linear file,
// and ImporterTable::kQuickLoad.
void AddRawImporters(ImporterTable& table);

}  // namespace ionvue
