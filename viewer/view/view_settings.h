#pragma once
// The settings behind a view's display state.

#include "viewer/view/display_state.h"

namespace ionvue {

// Reads the settings of a new view and computes its plot rectangle; the
// font keys that must always exist are written straight back.
void ReadViewSettings(CDisplayState& state);
// Writes back the settings a view keeps when it closes.
void WriteViewSettings(const CDisplayState& state);

}  // namespace ionvue
