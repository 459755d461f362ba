#pragma once
// What every view of the program shares: the application's switches that the
// view reads and the range that locked views follow. The application owns
// one and hands it to each view it creates.

#include <functional>

namespace ionvue {

class CIonvueDoc;

struct ViewContext {
  bool viewsLocked = false;      // Lock views
  bool showInformation = false;  // Show information (Graph/ShowLabel)
  bool showHash = false;         // Hash value (Graph/ShowHash)
  // The shared range starts reversed; pushing it orders the two values.
  double sharedLow = 10000;
  double sharedHigh = 400;
  // Whether a document is still open; unset means every document is. Traces
  // of documents that are no longer open are dropped before drawing.
  std::function<bool(const CIonvueDoc*)> isOpen;
};

}  // namespace ionvue
