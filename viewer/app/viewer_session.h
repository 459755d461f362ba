#pragma once
// What lives as long as the viewer runs, beside its main window.

#include "platform/qt/qt_host.h"
#include "viewer/services/application_state.h"
#include "viewer/services/recent_files.h"
#include "viewer/view/view_context.h"

namespace ionvue {

struct ViewerSession {
  QtHost host;
  ApplicationState state;
  ViewContext context;  // the switches as the views read them
  RecentFileList recent;
};

}  // namespace ionvue
