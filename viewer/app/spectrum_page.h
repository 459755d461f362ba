#pragma once
// The scrollable page of a spectrum window: paints the view through the
// QPainter canvas and turns mouse and key events into page twips.

#include <QAbstractScrollArea>
#include <QTimer>
#include <functional>
#include <vector>

#include "viewer/view/canvas.h"
#include "viewer/view/mouse_types.h"

namespace ionvue {

class CIonvueView;

// What the page reports; the spectrum window feeds it to the mouse work.
class PageEvents {
 public:
  virtual ~PageEvents() = default;
  virtual void PageLeftPress(Point at, bool shift) = 0;
  virtual void PageLeftRelease(Point at) = 0;
  virtual void PageLeftDoubleClick(Point at) = 0;
  virtual void PageRightPress(Point at) = 0;
  virtual void PageMove(Point at, bool leftHeld) = 0;
  virtual void PageKeyPress(MouseKey key) = 0;
  virtual void PageKeyRelease() = 0;
  virtual void PageCaptureLost() = 0;
};

class SpectrumPage : public QAbstractScrollArea {
 public:
  SpectrumPage(CIonvueView& view, PageEvents& events, QWidget* parent = nullptr);

  // Device pixels per inch the page is drawn with.
  double DpiX() const;
  double DpiY() const;
  // Viewport pixel to page twips, and back.
  Point ToTwips(QPoint pixel) const;
  QPointF ToPixels(Point twips) const;
  QSize PageSizeInPixels() const;

  // Selection marks drawn over the plot until the next full redraw; a white
  // mark erases the one at its x.
  void DrawMarker(const MarkerLine& marker);
  // A full redraw: the marks go.
  void Redraw();
  void SetTooltipText(const QString& text);
  const std::vector<MarkerLine>& markers() const { return markers_; }
  // True while some page is painting: texts set from inside a drawing pass
  // are shown after it, not by a nested repaint.
  static bool Painting();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void scrollContentsBy(int dx, int dy) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void keyReleaseEvent(QKeyEvent* event) override;
  void leaveEvent(QEvent* event) override;
  bool viewportEvent(QEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  void UpdateScrollBars();
  QRect PixelRect(const PlotRect& strip) const;
  void ShowTooltip();

  CIonvueView& view_;
  PageEvents& events_;
  std::vector<MarkerLine> markers_;
  QString tooltip_;
  QTimer tooltip_timer_;
  bool left_held_ = false;
};

}  // namespace ionvue
