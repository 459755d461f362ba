#include "viewer/view/recording_canvas.h"

#include <cstdlib>

namespace ionvue {

void RecordingCanvas::Record(CanvasCall call) {
  call.pen = m_pen;
  call.font = m_font;
  call.textColor = m_textColor;
  m_calls.push_back(std::move(call));
}

void RecordingCanvas::SetPen(const Pen& pen) {
  m_pen = pen;
  Record({CanvasCall::Kind::SetPen, {}, {}, TextAlign::TopLeft, {}, {}, {}, {}});
}

void RecordingCanvas::SetFont(const Font& font) {
  m_font = font;
  Record({CanvasCall::Kind::SetFont, {}, {}, TextAlign::TopLeft, {}, {}, {}, {}});
}

void RecordingCanvas::SetTextColor(const Color& color) {
  m_textColor = color;
  Record({CanvasCall::Kind::SetTextColor, {}, {}, TextAlign::TopLeft, {}, {}, {}, {}});
}

void RecordingCanvas::Line(Point from, Point to) {
  Record({CanvasCall::Kind::Line, {from, to}, {}, TextAlign::TopLeft, {}, {}, {}, {}});
}

void RecordingCanvas::Polyline(const Point* points, size_t count) {
  Record({CanvasCall::Kind::Polyline,
          std::vector<Point>(points, points + count),
          {},
          TextAlign::TopLeft,
          {},
          {},
          {},
          {}});
}

void RecordingCanvas::Polygon(const Point* points, size_t count, const Color& fill) {
  Record({CanvasCall::Kind::Polygon,
          std::vector<Point>(points, points + count),
          {},
          TextAlign::TopLeft,
          fill,
          {},
          {},
          {}});
}

void RecordingCanvas::Rectangle(Point topLeft, Point bottomRight, const Color& fill) {
  Record({CanvasCall::Kind::Rectangle,
          {topLeft, bottomRight},
          {},
          TextAlign::TopLeft,
          fill,
          {},
          {},
          {}});
}

void RecordingCanvas::Text(Point at, const std::string& text, TextAlign align) {
  Record({CanvasCall::Kind::Text, {at}, text, align, {}, {}, {}, {}});
}

TextSize RecordingCanvas::Measure(const Font& font, const std::string& text) {
  const int32_t height = std::abs(font.height);
  return {static_cast<int32_t>(text.size()) * (height / 2), height};
}

TextSize RecordingCanvas::TextExtent(const std::string& text) {
  if (recordExtents)
    Record({CanvasCall::Kind::TextExtent, {}, text, TextAlign::TopLeft, {}, {}, {}, {}});
  return Measure(m_font, text);
}

std::vector<CanvasCall> RecordingCanvas::Of(CanvasCall::Kind kind) const {
  std::vector<CanvasCall> out;
  for (const CanvasCall& call : m_calls)
    if (call.kind == kind) out.push_back(call);
  return out;
}

std::vector<std::string> RecordingCanvas::Texts() const {
  std::vector<std::string> out;
  for (const CanvasCall& call : m_calls)
    if (call.kind == CanvasCall::Kind::Text) out.push_back(call.text);
  return out;
}

const CanvasCall* RecordingCanvas::FindText(const std::string& text) const {
  for (const CanvasCall& call : m_calls)
    if (call.kind == CanvasCall::Kind::Text && call.text == text) return &call;
  return nullptr;
}

}  // namespace ionvue
