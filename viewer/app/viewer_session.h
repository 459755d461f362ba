#pragma once
// What lives as long as the viewer runs, beside its main window.

#include "platform/qt/qt_host.h"
#include "viewer/services/application_state.h"

namespace ionvue {

struct ViewerSession {
  QtHost host;
  // Owns the open-document list, the views' shared context and the recent
  // files.
  ApplicationState state;
};

}  // namespace ionvue
