#pragma once
// The pictures of the toolbar buttons, drawn rather than shipped.

#include <QIcon>

namespace ionvue {

// A null icon for a command without a button.
QIcon ToolbarIcon(int id);

// The program's own icon: a spectrum on a blue tile.
QIcon ApplicationIcon();

}  // namespace ionvue
