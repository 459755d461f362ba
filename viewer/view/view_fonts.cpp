#include "viewer/view/view_fonts.h"

namespace ionvue {

namespace {

Font FromSetting(const FontSetting& setting) {
  Font font;
  font.face = setting.face;
  font.height = setting.height;
  font.weight = setting.weight;
  return font;
}

Font Rotated(Font font, int32_t escapement) {
  font.escapement = escapement;
  return font;
}

}  // namespace

Font AxisFont(const CDisplayState& state) { return FromSetting(state.axisFont); }

Font SmallFont(const CDisplayState& state) {
  Font font = FromSetting(state.axisFont);
  font.height = kSmallFontHeight;
  return font;
}

Font LabelFont(const CDisplayState& state) { return FromSetting(state.labelFont); }

int32_t VerticalEscapement(Canvas::Target target, bool spinPrinterFont) {
  if (target == Canvas::Target::Printer && !spinPrinterFont) return 2700;
  return 900;
}

Font VerticalAxisFont(const CDisplayState& state, Canvas::Target target) {
  return Rotated(AxisFont(state), VerticalEscapement(target, state.spinPrinterFont));
}

Font VerticalLabelFont(const CDisplayState& state, Canvas::Target target) {
  return Rotated(LabelFont(state), VerticalEscapement(target, state.spinPrinterFont));
}

}  // namespace ionvue
