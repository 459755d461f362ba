#include "viewer/app/cursors.h"

#include <QPainter>
#include <QPixmap>

namespace ionvue {

namespace {

// A crosshair with a short level line below it: the background pick.
QCursor BackgroundPickCursor() {
  QPixmap picture(32, 32);
  picture.fill(Qt::transparent);
  QPainter p(&picture);
  p.setPen(QPen(Qt::white, 3));
  p.drawLine(15, 2, 15, 28);
  p.drawLine(2, 15, 28, 15);
  p.drawLine(6, 24, 24, 24);
  p.setPen(QPen(Qt::black, 1));
  p.drawLine(15, 2, 15, 28);
  p.drawLine(2, 15, 28, 15);
  p.drawLine(6, 24, 24, 24);
  return QCursor(picture, 15, 15);
}

// An arrow with a red cross beside it: clicking deletes a label.
QCursor DeleteLabelCursor() {
  QPixmap picture(32, 32);
  picture.fill(Qt::transparent);
  QPainter p(&picture);
  p.setRenderHint(QPainter::Antialiasing);
  const QPointF arrow[] = {{1, 1}, {1, 17}, {5, 13}, {8, 20}, {10, 19}, {7, 12}, {12, 12}};
  p.setPen(QPen(Qt::white, 1));
  p.setBrush(Qt::black);
  p.drawPolygon(arrow, 7);
  p.setPen(QPen(QColor(255, 255, 255), 4, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(16, 16, 26, 26);
  p.drawLine(26, 16, 16, 26);
  p.setPen(QPen(QColor(220, 0, 0), 2, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(16, 16, 26, 26);
  p.drawLine(26, 16, 16, 26);
  return QCursor(picture, 1, 1);
}

}  // namespace

QCursor CursorFor(MouseCursor cursor) {
  switch (cursor) {
    case MouseCursor::Crosshair: return QCursor(Qt::CrossCursor);
    case MouseCursor::BackgroundPick: {
      static const QCursor pick = BackgroundPickCursor();
      return pick;
    }
    case MouseCursor::DeleteLabel: {
      static const QCursor remove = DeleteLabelCursor();
      return remove;
    }
    case MouseCursor::DiagonalResize: return QCursor(Qt::SizeFDiagCursor);
    case MouseCursor::HorizontalResize: return QCursor(Qt::SizeHorCursor);
    case MouseCursor::VerticalResize: return QCursor(Qt::SizeVerCursor);
    case MouseCursor::Arrow: break;
  }
  return QCursor(Qt::ArrowCursor);
}

}  // namespace ionvue
