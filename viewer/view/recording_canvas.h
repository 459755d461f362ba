#pragma once
// A canvas that records every call with its arguments and the pen, font and
// text colour in force, and measures text deterministically: each character
// is half the font's height wide, a line is the height tall.

#include <string>
#include <vector>

#include "viewer/view/canvas.h"

namespace ionvue {

struct CanvasCall {
  enum class Kind {
    SetPen,
    SetFont,
    SetTextColor,
    Line,
    Polyline,
    Polygon,
    Rectangle,
    Text,
    TextExtent
  };
  Kind kind;
  std::vector<Point> points;  // Line: from, to; Rectangle: top-left, bottom-right
  std::string text;
  TextAlign align = TextAlign::TopLeft;
  Color fill;
  // In force at the time of the call.
  Pen pen;
  Font font;
  Color textColor;
};

class RecordingCanvas : public Canvas {
 public:
  explicit RecordingCanvas(Target target = Target::Screen, int pixelsPerInch = 96)
      : m_target(target), m_ppi(pixelsPerInch) {}

  Target target() const override { return m_target; }
  void SetPen(const Pen& pen) override;
  void SetFont(const Font& font) override;
  void SetTextColor(const Color& color) override;
  void Line(Point from, Point to) override;
  void Polyline(const Point* points, size_t count) override;
  using Canvas::Polyline;
  void Polygon(const Point* points, size_t count, const Color& fill) override;
  void Rectangle(Point topLeft, Point bottomRight, const Color& fill) override;
  void Text(Point at, const std::string& text, TextAlign align) override;
  TextSize TextExtent(const std::string& text) override;
  int PixelsPerInchX() const override { return m_ppi; }
  int PixelsPerInchY() const override { return m_ppi; }

  // The deterministic measure, also usable without a canvas.
  static TextSize Measure(const Font& font, const std::string& text);

  const std::vector<CanvasCall>& calls() const { return m_calls; }
  void Clear() { m_calls.clear(); }
  // Drawing calls of one kind, in order (state changes and extents left out).
  std::vector<CanvasCall> Of(CanvasCall::Kind kind) const;
  std::vector<std::string> Texts() const;
  // The first Text call with exactly this text, or null.
  const CanvasCall* FindText(const std::string& text) const;
  bool recordExtents = false;  // TextExtent calls are not recorded unless asked

 private:
  void Record(CanvasCall call);

  Target m_target;
  int m_ppi;
  Pen m_pen;
  Font m_font;
  Color m_textColor;
  std::vector<CanvasCall> m_calls;
};

}  // namespace ionvue
