#include "viewer/app/toolbar_icons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <algorithm>
#include <cmath>
#include <functional>

#include "viewer/core/command_ids.h"

namespace ionvue {

namespace {

constexpr int kWidth = 20, kHeight = 19, kScale = 2;
const QColor kInk(20, 20, 20);
const QColor kTrace(0, 0, 160);
const QColor kAccent(200, 0, 0);
const QColor kGreen(0, 128, 0);

using Painting = std::function<void(QPainter&)>;

QIcon Draw(const Painting& paint) {
  QPixmap picture(kWidth * kScale, kHeight * kScale);
  picture.fill(Qt::transparent);
  {
    QPainter p(&picture);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(kScale, kScale);
    paint(p);
  }
  picture.setDevicePixelRatio(kScale);
  return QIcon(picture);
}

// A little spectrum: a baseline with three peaks.
void Peaks(QPainter& p, QRectF box, const QColor& color) {
  QPainterPath path;
  const double y0 = box.bottom(), h = box.height(), x = box.left(), w = box.width();
  path.moveTo(x, y0);
  const double xs[] = {0.2, 0.5, 0.78};
  const double hs[] = {0.55, 1.0, 0.35};
  double last = x;
  for (int i = 0; i < 3; ++i) {
    const double cx = x + xs[i] * w;
    path.lineTo(cx - w * 0.08, y0);
    path.lineTo(cx, y0 - hs[i] * h);
    path.lineTo(cx + w * 0.08, y0);
    last = cx + w * 0.08;
  }
  path.lineTo(std::max(last, x + w), y0);
  p.setPen(QPen(color, 1.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.setBrush(Qt::NoBrush);
  p.drawPath(path);
}

void Letters(QPainter& p, const QString& text, QRectF box, const QColor& color, int pixels,
             bool bold = true) {
  QFont font("Liberation Sans");
  font.setPixelSize(pixels);
  font.setBold(bold);
  p.setFont(font);
  p.setPen(color);
  p.drawText(box, Qt::AlignCenter, text);
}

void Arrow(QPainter& p, QPointF from, QPointF to, const QColor& color) {
  p.setPen(QPen(color, 1.4, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(from, to);
  const QPointF d = to - from;
  const double len = std::hypot(d.x(), d.y());
  if (len <= 0) return;
  const QPointF u = d / len, n(-u.y(), u.x());
  QPolygonF head;
  head << to << to - u * 4 + n * 2.5 << to - u * 4 - n * 2.5;
  p.setBrush(color);
  p.setPen(Qt::NoPen);
  p.drawPolygon(head);
}

void Magnifier(QPainter& p, const QString& sign) {
  p.setPen(QPen(kInk, 1.6));
  p.setBrush(QColor(235, 245, 255));
  p.drawEllipse(QPointF(8, 8), 5.5, 5.5);
  p.setPen(QPen(kInk, 2.6, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(QPointF(12.2, 12.2), QPointF(17.5, 17.5));
  p.setPen(QPen(kAccent, 1.6));
  p.drawLine(QPointF(5.3, 8), QPointF(10.7, 8));
  if (sign == "+") p.drawLine(QPointF(8, 5.3), QPointF(8, 10.7));
}

void Folder(QPainter& p) {
  p.setPen(QPen(QColor(120, 90, 10), 1));
  p.setBrush(QColor(240, 200, 80));
  QPolygonF back;
  back << QPointF(2, 5) << QPointF(7, 5) << QPointF(8.5, 3.5) << QPointF(16, 3.5)
       << QPointF(16, 16) << QPointF(2, 16);
  p.drawPolygon(back);
  p.setBrush(QColor(250, 220, 120));
  QPolygonF front;
  front << QPointF(2, 16) << QPointF(5, 8) << QPointF(19, 8) << QPointF(16, 16);
  p.drawPolygon(front);
}

void Disk(QPainter& p) {
  p.setPen(QPen(kInk, 1));
  p.setBrush(QColor(60, 90, 170));
  p.drawRoundedRect(QRectF(3, 2, 14, 15), 1.5, 1.5);
  p.setBrush(Qt::white);
  p.drawRect(QRectF(5.5, 2.5, 9, 5.5));
  p.setBrush(QColor(200, 200, 200));
  p.drawRect(QRectF(6, 11, 8, 6));
}

void Printer(QPainter& p) {
  p.setPen(QPen(kInk, 1));
  p.setBrush(Qt::white);
  p.drawRect(QRectF(5.5, 2, 9, 6));
  p.setBrush(QColor(170, 170, 170));
  p.drawRoundedRect(QRectF(2, 7.5, 16, 7), 1.5, 1.5);
  p.setBrush(Qt::white);
  p.drawRect(QRectF(5.5, 12, 9, 5.5));
  p.setPen(QPen(kInk, 0.8));
  p.drawLine(QPointF(7, 14), QPointF(13, 14));
  p.drawLine(QPointF(7, 16), QPointF(11, 16));
}

void Clipboard(QPainter& p) {
  p.setPen(QPen(QColor(100, 70, 30), 1));
  p.setBrush(QColor(210, 170, 110));
  p.drawRoundedRect(QRectF(2.5, 2.5, 12, 15), 1.5, 1.5);
  p.setBrush(Qt::white);
  p.drawRect(QRectF(4.5, 5, 8, 11));
  p.setBrush(QColor(150, 150, 150));
  p.drawRect(QRectF(6, 1.5, 5, 2.5));
}

void Lock(QPainter& p) {
  p.setPen(QPen(kInk, 1.6));
  p.setBrush(Qt::NoBrush);
  p.drawArc(QRectF(6, 2, 8, 10), 0, 180 * 16);
  p.drawLine(QPointF(6, 7), QPointF(6, 9));
  p.drawLine(QPointF(14, 7), QPointF(14, 9));
  p.setPen(QPen(kInk, 1));
  p.setBrush(QColor(230, 180, 40));
  p.drawRoundedRect(QRectF(4, 8.5, 12, 9), 1.5, 1.5);
  p.setBrush(kInk);
  p.drawEllipse(QPointF(10, 12.5), 1.3, 1.3);
}

const std::pair<int, Painting>* Paintings(size_t& count) {
  static const std::pair<int, Painting> table[] = {
      {cmd::kFileOpen, Folder},
      {cmd::kFileSaveAs, Disk},
      {cmd::kFilePrint, Printer},
      {cmd::kCopyMasses,
       [](QPainter& p) {
         Clipboard(p);
         Letters(p, "m", QRectF(4.5, 5, 8, 11), kTrace, 9);
         Letters(p, "+", QRectF(12, 9, 8, 10), kAccent, 10);
       }},
      {cmd::kCopyGraphics,
       [](QPainter& p) {
         Clipboard(p);
         Peaks(p, QRectF(5, 7, 7, 7.5), kTrace);
         Letters(p, "+", QRectF(12, 9, 8, 10), kAccent, 10);
       }},
      {cmd::kZoomRegion,
       [](QPainter& p) {
         Peaks(p, QRectF(1.5, 7, 17, 10), kTrace);
         p.setPen(QPen(kGreen, 1, Qt::DotLine));
         p.drawLine(QPointF(6, 2), QPointF(6, 17.5));
         p.drawLine(QPointF(14, 2), QPointF(14, 17.5));
         Arrow(p, QPointF(10, 9), QPointF(10, 2), kAccent);
       }},
      {cmd::kZoomIn, [](QPainter& p) { Magnifier(p, "+"); }},
      {cmd::kZoomOut, [](QPainter& p) { Magnifier(p, "-"); }},
      {cmd::kDisplayFullSpectrum,
       [](QPainter& p) {
         Peaks(p, QRectF(2, 6, 16, 11), kTrace);
         Arrow(p, QPointF(10, 3), QPointF(1.5, 3), kAccent);
         Arrow(p, QPointF(10, 3), QPointF(18.5, 3), kAccent);
       }},
      {cmd::kLockViews, Lock},
      {cmd::kAddTrace,
       [](QPainter& p) {
         Peaks(p, QRectF(1.5, 10, 13, 7), kTrace);
         Peaks(p, QRectF(1.5, 3, 13, 6), QColor(128, 0, 0));
         Letters(p, "+", QRectF(12, 0, 8, 10), kGreen, 12);
       }},
      {cmd::kDeleteTrace,
       [](QPainter& p) {
         Peaks(p, QRectF(1.5, 10, 13, 7), kTrace);
         Peaks(p, QRectF(1.5, 3, 13, 6), QColor(128, 0, 0));
         Letters(p, "-", QRectF(12, 0, 8, 10), kAccent, 14);
       }},
      {cmd::kNextSpectrum,
       [](QPainter& p) {
         p.setPen(QPen(kInk, 1));
         p.setBrush(Qt::white);
         p.drawRect(QRectF(1.5, 2.5, 10, 9));
         p.drawRect(QRectF(4.5, 6.5, 10, 9));
         Arrow(p, QPointF(9, 17), QPointF(18.5, 17), kAccent);
       }},
      {cmd::kLoadSnapticData,
       [](QPainter& p) {
         Peaks(p, QRectF(2, 9, 16, 8), kTrace);
         Letters(p, "Q", QRectF(0, 0, 20, 10), kAccent, 10);
       }},
      {cmd::kAverageMass, [](QPainter& p) { Letters(p, "av", QRectF(0, 0, 20, 19), kTrace, 11); }},
      {cmd::kDisplayMz,
       [](QPainter& p) { Letters(p, "m/z", QRectF(0, 0, 20, 19), kTrace, 9); }},
      {cmd::kLabelCentroid,
       [](QPainter& p) {
         Peaks(p, QRectF(1.5, 8, 17, 9.5), kTrace);
         Letters(p, "C", QRectF(0, 0, 20, 9), kAccent, 9);
       }},
      {cmd::kLabelMassDifferences,
       [](QPainter& p) {
         Peaks(p, QRectF(1.5, 9, 17, 8.5), kTrace);
         Arrow(p, QPointF(10, 4), QPointF(3, 4), kAccent);
         Arrow(p, QPointF(10, 4), QPointF(17, 4), kAccent);
       }},
      {cmd::kAutolabelPeaks,
       [](QPainter& p) {
         Peaks(p, QRectF(1.5, 8, 17, 9.5), kTrace);
         Letters(p, "A", QRectF(0, 0, 20, 9), kAccent, 9);
       }},
      {cmd::kKadenzaWizard,
       [](QPainter& p) {
         p.setPen(QPen(kInk, 1));
         p.setBrush(QColor(230, 240, 255));
         p.drawEllipse(QPointF(10, 9.5), 8, 8);
         Letters(p, "K", QRectF(0, 0, 20, 19), kTrace, 11);
       }},
      {cmd::kMassList,
       [](QPainter& p) {
         p.setPen(QPen(kInk, 1));
         p.setBrush(Qt::white);
         p.drawRect(QRectF(3.5, 1.5, 13, 16));
         p.setPen(QPen(kTrace, 1.2));
         for (int i = 0; i < 4; ++i) p.drawLine(QPointF(6, 5 + 3.3 * i), QPointF(14, 5 + 3.3 * i));
       }},
      {cmd::kDeleteLabelMode,
       [](QPainter& p) {
         Letters(p, "1234", QRectF(0, 0, 20, 10), kInk, 7, false);
         p.setPen(QPen(kAccent, 1.8, Qt::SolidLine, Qt::RoundCap));
         p.drawLine(QPointF(6, 10), QPointF(14, 18));
         p.drawLine(QPointF(14, 10), QPointF(6, 18));
       }},
      {cmd::kClearAllLabels,
       [](QPainter& p) {
         Peaks(p, QRectF(1.5, 9, 17, 8.5), kTrace);
         p.setPen(QPen(QColor(170, 120, 60), 2, Qt::SolidLine, Qt::RoundCap));
         p.drawLine(QPointF(15, 1), QPointF(9, 8));
         p.setBrush(QColor(230, 200, 120));
         p.setPen(QPen(QColor(120, 80, 30), 0.8));
         QPolygonF brush;
         brush << QPointF(7, 6.5) << QPointF(10.5, 9.5) << QPointF(7, 12) << QPointF(4, 9);
         p.drawPolygon(brush);
       }},
      {cmd::kAddPoint,
       [](QPainter& p) {
         Peaks(p, QRectF(1.5, 8, 17, 9.5), kTrace);
         p.setPen(QPen(kGreen, 1.4));
         p.drawLine(QPointF(10, 1), QPointF(10, 7));
         p.drawLine(QPointF(7, 4), QPointF(13, 4));
       }},
  };
  count = sizeof table / sizeof table[0];
  return table;
}

}  // namespace

QIcon ApplicationIcon() {
  QIcon icon;
  for (int size : {16, 32, 48, 64, 128}) {
    QPixmap picture(size, size);
    picture.fill(Qt::transparent);
    QPainter p(&picture);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 20.0, size / 20.0);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(30, 60, 130));
    p.drawRoundedRect(QRectF(0.5, 0.5, 19, 19), 3.5, 3.5);
    Peaks(p, QRectF(2.5, 4, 15, 12.5), QColor(255, 225, 120));
    p.end();
    icon.addPixmap(picture);
  }
  return icon;
}

QIcon ToolbarIcon(int id) {
  size_t count = 0;
  const auto* table = Paintings(count);
  for (size_t i = 0; i < count; ++i)
    if (table[i].first == id) return Draw(table[i].second);
  return QIcon();
}

}  // namespace ionvue
