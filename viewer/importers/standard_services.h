#pragma once
// Every reader and writer the open and save road of a document can reach.

#include "viewer/core/document.h"

namespace ionvue {

// Built once; documents keep a reference to it.
const DocumentServices& StandardServices();

}  // namespace ionvue
