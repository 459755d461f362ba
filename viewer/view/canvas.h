#pragma once
// The drawing surface of the renderer, in logical twips (1440 per inch,
// origin at the page's top-left, y upward so the page has y <= 0). The
// window, printer, preview, PDF and clipboard picture implement it with
// QPainter; a recording canvas lets tests check geometry and texts.

#include <cstdint>
#include <string>
#include <vector>

namespace ionvue {

struct Point {
  int32_t x = 0;
  int32_t y = 0;
  bool operator==(const Point&) const = default;
};

struct Color {
  uint8_t r = 0, g = 0, b = 0;
  bool operator==(const Color&) const = default;
};

struct Pen {
  enum class Style { Solid, Dash, Dot, DashDot, Null };
  enum class Cap { Round, Square, Flat };
  enum class Join { Round, Bevel, Miter };
  Color color;
  int32_t width = 0;  // twips; 0 is the thinnest line the device draws
  Style style = Style::Solid;
  Cap cap = Cap::Round;
  Join join = Join::Round;
  bool operator==(const Pen&) const = default;
};

struct Font {
  std::string face = "Arial";
  int32_t height = 200;     // twips; negative means character height as on the original platform
  int32_t weight = 400;     // 400 normal, 700 bold
  int32_t escapement = 0;   // rotation in tenths of a degree, counter-clockwise
  bool italic = false;
  bool operator==(const Font&) const = default;
};

// Where the text's reference point lies relative to the text.
enum class TextAlign : uint8_t {
  TopLeft, TopCenter, TopRight,
  BaselineLeft, BaselineCenter, BaselineRight,
  BottomLeft, BottomCenter, BottomRight,
};

struct TextSize {
  int32_t width = 0;
  int32_t height = 0;
};

class Canvas {
 public:
  enum class Target { Screen, Printer, Picture };

  virtual ~Canvas() = default;
  virtual Target target() const = 0;

  virtual void SetPen(const Pen& pen) = 0;
  virtual void SetFont(const Font& font) = 0;
  virtual void SetTextColor(const Color& color) = 0;

  virtual void Line(Point from, Point to) = 0;
  virtual void Polyline(const Point* points, size_t count) = 0;
  // Filled with `fill`, outlined with the current pen.
  virtual void Polygon(const Point* points, size_t count, const Color& fill) = 0;
  virtual void Rectangle(Point topLeft, Point bottomRight, const Color& fill) = 0;
  virtual void Text(Point at, const std::string& text, TextAlign align) = 0;
  // Extent of `text` in the current font, unrotated.
  virtual TextSize TextExtent(const std::string& text) = 0;

  // Device resolution; labels keep a few device pixels clear of the trace.
  virtual int PixelsPerInchX() const { return 96; }
  virtual int PixelsPerInchY() const { return 96; }

  void Polyline(const std::vector<Point>& points) { Polyline(points.data(), points.size()); }
};

}  // namespace ionvue
