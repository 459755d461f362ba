#include "viewer/app/painter_canvas.h"

#include <QFontMetricsF>
#include <QHash>
#include <QUtf8StringView>
#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace ionvue {

namespace {

constexpr double kTwipsPerInch = 1440.0;

QColor ToQColor(const Color& c) { return QColor(c.r, c.g, c.b); }

QString ToQString(const std::string& text) {
  // Texts from old files may hold single bytes of the old code page.
  if (QUtf8StringView(text).isValidUtf8()) return QString::fromUtf8(text);
  return QString::fromLatin1(text);
}

// Em size per unit of cell height (ascent + descent) of a face.
double EmPerCell(const QString& face) {
  static QHash<QString, double> cache;
  auto it = cache.find(face);
  if (it != cache.end()) return *it;
  QFont probe(face);
  probe.setPixelSize(1000);
  QFontMetricsF metrics(probe);
  const double cell = metrics.ascent() + metrics.descent();
  const double ratio = cell > 0 ? 1000.0 / cell : 1.0;
  cache.insert(face, ratio);
  return ratio;
}

}  // namespace

QString QtFaceFor(const std::string& face) {
  if (face.empty() || face == "Arial" || face == "Helvetica" || face == "MS Sans Serif")
    return "Liberation Sans";
  if (face == "Times New Roman" || face == "Times") return "Liberation Serif";
  if (face == "Courier New" || face == "Courier") return "Liberation Mono";
  return QString::fromStdString(face);
}

QFont QtFontFor(const Font& spec) {
  QFont font(QtFaceFor(spec.face));
  // A negative height is the character (em) height, a positive one the cell.
  double size = std::abs(static_cast<double>(spec.height));
  if (spec.height > 0) size *= EmPerCell(font.family());
  font.setPixelSize(std::max(1, static_cast<int>(std::lround(size))));
  font.setWeight(static_cast<QFont::Weight>(std::clamp(spec.weight <= 0 ? 400 : spec.weight, 1, 1000)));
  font.setItalic(spec.italic);
  font.setKerning(false);  // extents then add up as on the original device
  return font;
}

QTransform PainterCanvas::TwipsTransform(double pixelsPerInchX, double pixelsPerInchY,
                                         QPointF scroll) {
  const double sx = pixelsPerInchX / kTwipsPerInch;
  const double sy = pixelsPerInchY / kTwipsPerInch;
  return QTransform(sx, 0, 0, -sy, -scroll.x(), -scroll.y());
}

PainterCanvas::PainterCanvas(QPainter& painter, Target target, double pixelsPerInchX,
                             double pixelsPerInchY, QPointF scroll)
    : painter_(painter),
      target_(target),
      pixels_per_inch_x_(static_cast<int>(std::lround(pixelsPerInchX))),
      pixels_per_inch_y_(static_cast<int>(std::lround(pixelsPerInchY))),
      device_per_twip_(std::min(pixelsPerInchX, pixelsPerInchY) / kTwipsPerInch) {
  painter_.setWorldTransform(TwipsTransform(pixelsPerInchX, pixelsPerInchY, scroll));
  painter_.setRenderHint(QPainter::Antialiasing, target != Target::Screen);
  painter_.setRenderHint(QPainter::TextAntialiasing, true);
  painter_.setBackgroundMode(Qt::TransparentMode);
  painter_.setBrush(Qt::NoBrush);
  SetPen(Pen{});
  SetFont(Font{});
}

void PainterCanvas::SetPen(const Pen& pen) {
  QPen q(ToQColor(pen.color));
  switch (pen.style) {
    case Pen::Style::Solid: q.setStyle(Qt::SolidLine); break;
    case Pen::Style::Dash: q.setStyle(Qt::DashLine); break;
    case Pen::Style::Dot: q.setStyle(Qt::DotLine); break;
    case Pen::Style::DashDot: q.setStyle(Qt::DashDotLine); break;
    case Pen::Style::Null: q.setStyle(Qt::NoPen); break;
  }
  switch (pen.cap) {
    case Pen::Cap::Round: q.setCapStyle(Qt::RoundCap); break;
    case Pen::Cap::Square: q.setCapStyle(Qt::SquareCap); break;
    case Pen::Cap::Flat: q.setCapStyle(Qt::FlatCap); break;
  }
  switch (pen.join) {
    case Pen::Join::Round: q.setJoinStyle(Qt::RoundJoin); break;
    case Pen::Join::Bevel: q.setJoinStyle(Qt::BevelJoin); break;
    case Pen::Join::Miter: q.setJoinStyle(Qt::MiterJoin); break;
  }
  // A pen thinner than a device pixel is drawn one pixel wide, as the
  // platform's thinnest line; dots then keep a visible pitch.
  if (pen.width * device_per_twip_ < 1.0) {
    q.setWidth(0);
    q.setCosmetic(true);
  } else {
    q.setWidthF(pen.width);
  }
  pen_ = q;
  painter_.setPen(pen_);
}

void PainterCanvas::SetFont(const Font& font) {
  font_spec_ = font;
  font_ = QtFontFor(font);
  painter_.setFont(font_);
}

void PainterCanvas::SetTextColor(const Color& color) { text_color_ = ToQColor(color); }

void PainterCanvas::Line(Point from, Point to) {
  painter_.drawLine(QPoint(from.x, from.y), QPoint(to.x, to.y));
}

void PainterCanvas::Polyline(const Point* points, size_t count) {
  if (count == 0) return;
  points_.resize(static_cast<qsizetype>(count));
  for (size_t i = 0; i < count; ++i) points_[static_cast<qsizetype>(i)] = QPoint(points[i].x, points[i].y);
  if (count == 1) {
    painter_.drawPoint(points_[0]);
    return;
  }
  painter_.drawPolyline(points_.constData(), static_cast<int>(count));
}

void PainterCanvas::Polygon(const Point* points, size_t count, const Color& fill) {
  if (count == 0) return;
  points_.resize(static_cast<qsizetype>(count));
  for (size_t i = 0; i < count; ++i) points_[static_cast<qsizetype>(i)] = QPoint(points[i].x, points[i].y);
  painter_.setBrush(ToQColor(fill));
  painter_.drawPolygon(points_.constData(), static_cast<int>(count));
  painter_.setBrush(Qt::NoBrush);
}

void PainterCanvas::Rectangle(Point topLeft, Point bottomRight, const Color& fill) {
  painter_.setBrush(ToQColor(fill));
  painter_.drawRect(QRectF(QPointF(topLeft.x, topLeft.y), QPointF(bottomRight.x, bottomRight.y))
                        .normalized());
  painter_.setBrush(Qt::NoBrush);
}

void PainterCanvas::Text(Point at, const std::string& text, TextAlign align) {
  if (text.empty()) return;
  const QString q = ToQString(text);
  QFontMetricsF metrics(font_);
  const double width = metrics.horizontalAdvance(q);
  double dx = 0, dy = 0;  // from the reference point to the baseline start, y down
  switch (align) {
    case TextAlign::TopLeft: case TextAlign::TopCenter: case TextAlign::TopRight:
      dy = metrics.ascent();
      break;
    case TextAlign::BottomLeft: case TextAlign::BottomCenter: case TextAlign::BottomRight:
      dy = -metrics.descent();
      break;
    default: break;
  }
  switch (align) {
    case TextAlign::TopCenter: case TextAlign::BaselineCenter: case TextAlign::BottomCenter:
      dx = -width / 2;
      break;
    case TextAlign::TopRight: case TextAlign::BaselineRight: case TextAlign::BottomRight:
      dx = -width;
      break;
    default: break;
  }
  painter_.save();
  painter_.translate(at.x, at.y);
  painter_.scale(1, -1);  // glyphs upright in a y-upward page
  // Escapement turns counter-clockwise as the reader sees the page; Qt
  // turns clockwise in this y-down space.
  if (font_spec_.escapement != 0) painter_.rotate(-font_spec_.escapement / 10.0);
  painter_.setPen(text_color_);
  painter_.drawText(QPointF(dx, dy), q);
  painter_.restore();
}

TextSize PainterCanvas::TextExtent(const std::string& text) {
  QFontMetricsF metrics(font_);
  TextSize size;
  size.width = static_cast<int32_t>(std::lround(metrics.horizontalAdvance(ToQString(text))));
  size.height = static_cast<int32_t>(std::lround(metrics.ascent() + metrics.descent()));
  return size;
}

}  // namespace ionvue
