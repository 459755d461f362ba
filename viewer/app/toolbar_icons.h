#pragma once
// The pictures of the toolbar buttons, drawn rather than shipped.

#include <QIcon>

namespace ionvue {

// A null icon for a command without a button.
QIcon ToolbarIcon(int id);

}  // namespace ionvue
