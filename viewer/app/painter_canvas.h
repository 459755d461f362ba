#pragma once
// The renderer's canvas on a QPainter: logical twips, origin at the page's
// top-left, y upward. The window, the printer, PDF, SVG and the clipboard
// picture all draw through it.

#include <QFont>
#include <QPainter>
#include <QPen>
#include <QVector>

#include "viewer/view/canvas.h"

namespace ionvue {

// The Qt face that stands in for a face the drawing code names.
QString QtFaceFor(const std::string& face);
// A font sized in logical units, as the canvas sets it (no rotation).
QFont QtFontFor(const Font& font);

class PainterCanvas : public Canvas {
 public:
  // `pixelsPerInchX/Y` fix the twips mapping; `scroll` is the device pixel
  // of the page shown at the painter's origin.
  PainterCanvas(QPainter& painter, Target target, double pixelsPerInchX, double pixelsPerInchY,
                QPointF scroll = {});

  // The transform the canvas draws with: twips to device pixels.
  static QTransform TwipsTransform(double pixelsPerInchX, double pixelsPerInchY,
                                   QPointF scroll = {});

  Target target() const override { return target_; }
  void SetPen(const Pen& pen) override;
  void SetFont(const Font& font) override;
  void SetTextColor(const Color& color) override;
  void Line(Point from, Point to) override;
  void Polyline(const Point* points, size_t count) override;
  void Polygon(const Point* points, size_t count, const Color& fill) override;
  void Rectangle(Point topLeft, Point bottomRight, const Color& fill) override;
  void Text(Point at, const std::string& text, TextAlign align) override;
  TextSize TextExtent(const std::string& text) override;
  int PixelsPerInchX() const override { return pixels_per_inch_x_; }
  int PixelsPerInchY() const override { return pixels_per_inch_y_; }

  using Canvas::Polyline;

 private:
  QPainter& painter_;
  Target target_;
  int pixels_per_inch_x_, pixels_per_inch_y_;
  double device_per_twip_;  // the smaller of the two scales
  QPen pen_;
  QFont font_;
  Font font_spec_;
  QColor text_color_ = Qt::black;
  QVector<QPoint> points_;
};

}  // namespace ionvue
