#include "viewer/app/painter_canvas.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>

#include "tests/app/qt_app.h"

namespace ionvue {
namespace {

// A 96-dpi page of 4 x 3 inches: 15 twips per pixel.
class PainterCanvasTest : public ::testing::Test {
 protected:
  void SetUp() override {
    testing::QtApp();
    image = QImage(384, 288, QImage::Format_RGB32);
    image.fill(Qt::white);
  }
  template <typename Draw>
  void Paint(Draw draw, Canvas::Target target = Canvas::Target::Screen) {
    QPainter painter(&image);
    PainterCanvas canvas(painter, target, 96, 96);
    draw(canvas);
  }
  bool Ink(int x, int y) const { return image.pixel(x, y) != qRgb(255, 255, 255); }
  // The box of every non-white pixel.
  QRect InkBox() const {
    QRect box;
    for (int y = 0; y < image.height(); ++y)
      for (int x = 0; x < image.width(); ++x)
        if (Ink(x, y)) box |= QRect(x, y, 1, 1);
    return box;
  }
  QImage image;
};

TEST_F(PainterCanvasTest, TwipsMapToPixelsWithYUpwardFromTheTopLeft) {
  Paint([](Canvas& c) {
    c.SetPen(Pen{{0, 0, 0}, 15});
    c.Line({1440, -1440}, {2880, -1440});
  });
  EXPECT_TRUE(Ink(96, 96));
  EXPECT_TRUE(Ink(150, 96));
  EXPECT_TRUE(Ink(191, 96));
  EXPECT_FALSE(Ink(150, 90));
  EXPECT_FALSE(Ink(200, 96));
  EXPECT_FALSE(Ink(50, 96));
}

TEST_F(PainterCanvasTest, APenThinnerThanAPixelIsStillDrawn) {
  Paint([](Canvas& c) {
    c.SetPen(Pen{{0, 128, 0}, 1, Pen::Style::Dot});
    c.Line({1440, -300}, {1440, -3000});
  });
  int inked = 0;
  for (int y = 20; y < 200; ++y) inked += Ink(96, y);
  EXPECT_GT(inked, 30);   // dotted, so
  EXPECT_LT(inked, 180);  // not solid
  EXPECT_EQ(QColor(image.pixel(96, InkBox().top())).green(), 128);
}

TEST_F(PainterCanvasTest, PolygonIsFilledWithItsColour) {
  const Point triangle[] = {{1500, -1500}, {3000, -1500}, {1500, -3000}};
  Paint([&](Canvas& c) {
    c.SetPen(Pen{{0, 0, 255}, 0});
    c.Polygon(triangle, 3, Color{0, 0, 255});
  });
  EXPECT_EQ(image.pixel(110, 110), qRgb(0, 0, 255));
  EXPECT_FALSE(Ink(190, 190));
}

TEST_F(PainterCanvasTest, TextDrawsUprightGlyphsBelowItsTopLeftPoint) {
  Paint([](Canvas& c) {
    c.SetFont(Font{"Arial", -720, 400});
    c.Text({1440, -1440}, "T", TextAlign::TopLeft);
  });
  const QRect box = InkBox();
  ASSERT_FALSE(box.isEmpty()) << "no glyph pixels: is a font installed?";
  EXPECT_GE(box.left(), 96);
  EXPECT_GE(box.top(), 96);
  EXPECT_LT(box.bottom(), 96 + 56);
  // The bar of a "T" is its widest row and sits at the top.
  int widestRow = box.top(), widest = 0;
  for (int y = box.top(); y <= box.bottom(); ++y) {
    int n = 0;
    for (int x = box.left(); x <= box.right(); ++x) n += Ink(x, y);
    if (n > widest) widest = n, widestRow = y;
  }
  EXPECT_LT(widestRow, box.top() + box.height() / 4);
}

TEST_F(PainterCanvasTest, Escapement900ReadsBottomToTop) {
  Paint([](Canvas& c) {
    Font font{"Arial", -480, 400};
    font.escapement = 900;
    c.SetFont(font);
    c.Text({2880, -3600}, "Intensity", TextAlign::TopCenter);
  });
  const QRect box = InkBox();
  ASSERT_FALSE(box.isEmpty());
  EXPECT_GT(box.height(), 2 * box.width());
  // Turned a quarter counter-clockwise, the text's top faces left: the
  // glyphs lie right of the reference point (clockwise they would lie left).
  EXPECT_GE(box.left(), 192 - 2);
  EXPECT_LT(std::abs(box.center().y() - 240), 12);
}

TEST_F(PainterCanvasTest, TextExtentIsInTwipsOfTheFont) {
  TextSize wide, narrow;
  Paint([&](Canvas& c) {
    c.SetFont(Font{"Arial", -240, 400});
    wide = c.TextExtent("WWW");
    narrow = c.TextExtent("iii");
  });
  EXPECT_GT(wide.width, 2 * narrow.width);
  // A character height of 240 twips gives a cell of ascent plus descent.
  EXPECT_GE(wide.height, 240);
  EXPECT_LE(wide.height, 300);
}

TEST(QtFaceForTest, ArialIsTheMetricCompatibleLiberationSans) {
  EXPECT_EQ(QtFaceFor("Arial"), "Liberation Sans");
  EXPECT_EQ(QtFaceFor("Courier New"), "Liberation Mono");
  EXPECT_EQ(QtFaceFor("DejaVu Sans"), "DejaVu Sans");
}

}  // namespace
}  // namespace ionvue
