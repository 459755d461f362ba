#include "viewer/app/spectrum_page.h"

#include <QCursor>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QScrollBar>
#include <QToolTip>
#include <algorithm>
#include <cmath>

#include "viewer/app/painter_canvas.h"
#include "viewer/view/ionvue_view.h"

namespace ionvue {

namespace {
constexpr double kTwipsPerInch = 1440.0;
int painting = 0;
}  // namespace

bool SpectrumPage::Painting() { return painting > 0; }

SpectrumPage::SpectrumPage(CIonvueView& view, PageEvents& events, QWidget* parent)
    : QAbstractScrollArea(parent), view_(view), events_(events) {
  viewport()->setMouseTracking(true);
  viewport()->setAutoFillBackground(false);
  viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
  setFocusPolicy(Qt::StrongFocus);
  setFrameShape(QFrame::NoFrame);
  horizontalScrollBar()->setSingleStep(20);
  verticalScrollBar()->setSingleStep(20);
  tooltip_timer_.setSingleShot(true);
  tooltip_timer_.setInterval(kTooltipInitialDelayMs);
  connect(&tooltip_timer_, &QTimer::timeout, this, [this] { ShowTooltip(); });
  UpdateScrollBars();
}

double SpectrumPage::DpiX() const { return viewport()->logicalDpiX(); }
double SpectrumPage::DpiY() const { return viewport()->logicalDpiY(); }

QSize SpectrumPage::PageSizeInPixels() const {
  return QSize(static_cast<int>(std::ceil(CIonvueView::kPageWidth * DpiX() / kTwipsPerInch)),
               static_cast<int>(std::ceil(CIonvueView::kPageHeight * DpiY() / kTwipsPerInch)));
}

Point SpectrumPage::ToTwips(QPoint pixel) const {
  const double x = (pixel.x() + horizontalScrollBar()->value()) * kTwipsPerInch / DpiX();
  const double y = (pixel.y() + verticalScrollBar()->value()) * kTwipsPerInch / DpiY();
  return Point{static_cast<int32_t>(std::lround(x)), static_cast<int32_t>(-std::lround(y))};
}

QPointF SpectrumPage::ToPixels(Point twips) const {
  return QPointF(twips.x * DpiX() / kTwipsPerInch - horizontalScrollBar()->value(),
                 -twips.y * DpiY() / kTwipsPerInch - verticalScrollBar()->value());
}

QRect SpectrumPage::PixelRect(const PlotRect& strip) const {
  QRectF r(ToPixels(Point{strip.left, strip.top}), ToPixels(Point{strip.right, strip.bottom}));
  return r.normalized().toAlignedRect().adjusted(-2, -2, 2, 2);
}

void SpectrumPage::UpdateScrollBars() {
  const QSize page = PageSizeInPixels();
  const QSize shown = viewport()->size();
  horizontalScrollBar()->setRange(0, std::max(0, page.width() - shown.width()));
  horizontalScrollBar()->setPageStep(shown.width());
  verticalScrollBar()->setRange(0, std::max(0, page.height() - shown.height()));
  verticalScrollBar()->setPageStep(shown.height());
}

void SpectrumPage::resizeEvent(QResizeEvent* event) {
  QAbstractScrollArea::resizeEvent(event);
  UpdateScrollBars();
}

void SpectrumPage::scrollContentsBy(int, int) {
  // The whole page is drawn every time; the marks stay where they were.
  viewport()->update();
}

void SpectrumPage::paintEvent(QPaintEvent* event) {
  ++painting;
  struct Done {
    ~Done() { --painting; }
  } done;
  QPainter painter(viewport());
  painter.fillRect(event->rect(), Qt::white);
  PainterCanvas canvas(painter, Canvas::Target::Screen, DpiX(), DpiY(),
                       QPointF(horizontalScrollBar()->value(), verticalScrollBar()->value()));
  view_.OnDraw(canvas);
  for (const MarkerLine& marker : markers_) {
    canvas.SetPen(marker.pen);
    canvas.Line(marker.from, marker.to);
  }
}

void SpectrumPage::DrawMarker(const MarkerLine& marker) {
  const bool erase = marker.pen.color == Color{255, 255, 255};
  std::erase_if(markers_, [&](const MarkerLine& m) { return m.from.x == marker.from.x; });
  if (!erase) markers_.push_back(marker);
  viewport()->update(PixelRect(marker.strip));
}

void SpectrumPage::Redraw() {
  markers_.clear();
  viewport()->update();
}

void SpectrumPage::SetTooltipText(const QString& text) {
  if (text == tooltip_) return;
  tooltip_ = text;
  if (text.trimmed().isEmpty()) {
    tooltip_timer_.stop();
    QToolTip::hideText();
    return;
  }
  if (QToolTip::isVisible())
    ShowTooltip();  // it follows the pointer
  else
    tooltip_timer_.start();
}

void SpectrumPage::ShowTooltip() {
  if (tooltip_.trimmed().isEmpty() || !underMouse()) return;
  QToolTip::showText(QCursor::pos() + QPoint(12, 16), tooltip_, viewport(), QRect(),
                     kTooltipAutoPopMs);
}

void SpectrumPage::mousePressEvent(QMouseEvent* event) {
  setFocus(Qt::MouseFocusReason);
  const Point at = ToTwips(event->position().toPoint());
  if (event->button() == Qt::LeftButton) {
    left_held_ = true;
    events_.PageLeftPress(at, event->modifiers() & Qt::ShiftModifier);
  } else if (event->button() == Qt::RightButton) {
    events_.PageRightPress(at);
  }
}

void SpectrumPage::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  left_held_ = false;
  events_.PageLeftRelease(ToTwips(event->position().toPoint()));
}

void SpectrumPage::mouseDoubleClickEvent(QMouseEvent* event) {
  const Point at = ToTwips(event->position().toPoint());
  if (event->button() == Qt::LeftButton) {
    left_held_ = true;
    events_.PageLeftDoubleClick(at);
  } else if (event->button() == Qt::RightButton) {
    events_.PageRightPress(at);
  }
}

void SpectrumPage::mouseMoveEvent(QMouseEvent* event) {
  events_.PageMove(ToTwips(event->position().toPoint()), event->buttons() & Qt::LeftButton);
}

void SpectrumPage::keyPressEvent(QKeyEvent* event) {
  MouseKey key = MouseKey::Other;
  if (event->key() == Qt::Key_Shift) key = MouseKey::Shift;
  if (event->key() == Qt::Key_Escape) key = MouseKey::Escape;
  if (!event->isAutoRepeat() || key != MouseKey::Shift) events_.PageKeyPress(key);
  // Arrows and page keys still scroll the page.
  QAbstractScrollArea::keyPressEvent(event);
}

void SpectrumPage::keyReleaseEvent(QKeyEvent* event) {
  if (!event->isAutoRepeat()) events_.PageKeyRelease();
  QAbstractScrollArea::keyReleaseEvent(event);
}

void SpectrumPage::changeEvent(QEvent* event) {
  // A window that comes up in the middle of a drag takes the mouse away.
  if (event->type() == QEvent::ActivationChange && !isActiveWindow() && left_held_) {
    left_held_ = false;
    events_.PageCaptureLost();
  }
  QAbstractScrollArea::changeEvent(event);
}

void SpectrumPage::leaveEvent(QEvent* event) {
  tooltip_timer_.stop();
  QAbstractScrollArea::leaveEvent(event);
}

bool SpectrumPage::viewportEvent(QEvent* event) {
  switch (event->type()) {
    case QEvent::ToolTip:
      return true;  // the page keeps its own tooltip
    case QEvent::Leave:
      tooltip_timer_.stop();
      QToolTip::hideText();
      break;
    default:
      break;
  }
  return QAbstractScrollArea::viewportEvent(event);
}

}  // namespace ionvue
