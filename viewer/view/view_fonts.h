#pragma once
// The fonts of one drawing pass, made from the axis and label font settings.
// Rotations are counter-clockwise on the page as the reader sees it, so
// vertical text that reads bottom-to-top is 900 on every target; a printer
// that turns rotated text is corrected with SpinPrinterFont.

#include "viewer/view/canvas.h"
#include "viewer/view/display_state.h"

namespace ionvue {

inline constexpr int32_t kSmallFontHeight = -170;

Font AxisFont(const CDisplayState& state);
// Information block and hash value.
Font SmallFont(const CDisplayState& state);
Font LabelFont(const CDisplayState& state);
// The rotation of vertical text on a target.
int32_t VerticalEscapement(Canvas::Target target, bool spinPrinterFont);
Font VerticalAxisFont(const CDisplayState& state, Canvas::Target target);
Font VerticalLabelFont(const CDisplayState& state, Canvas::Target target);

}  // namespace ionvue
