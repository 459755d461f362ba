#pragma once
// The cursor shapes of the mouse modes.

#include <QCursor>

#include "viewer/view/mouse_types.h"

namespace ionvue {

QCursor CursorFor(MouseCursor cursor);

}  // namespace ionvue
