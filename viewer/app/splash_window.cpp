#include "viewer/app/splash_window.h"

#include <QApplication>
#include <QEvent>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QScreen>
#include <cmath>

#include "platform/settings.h"

namespace ionvue {

SplashWindow::SplashWindow(int milliseconds, std::function<void()> onClosed)
    : QWidget(nullptr, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint),
      picture_(Picture()),
      on_closed_(std::move(onClosed)) {
  setAttribute(Qt::WA_DeleteOnClose);
  setFixedSize(picture_.deviceIndependentSize().toSize());
  if (QScreen* screen = QGuiApplication::primaryScreen())
    move(screen->geometry().center() - rect().center());
  timer_.setSingleShot(true);
  connect(&timer_, &QTimer::timeout, this, &SplashWindow::Dismiss);
  timer_.start(milliseconds);
  qApp->installEventFilter(this);
}

SplashWindow::~SplashWindow() {
  qApp->removeEventFilter(this);
  if (on_closed_) on_closed_();
}

void SplashWindow::Dismiss() {
  qApp->removeEventFilter(this);
  timer_.stop();
  close();
}

bool SplashWindow::eventFilter(QObject* watched, QEvent* event) {
  switch (event->type()) {
    case QEvent::KeyPress:
    case QEvent::MouseButtonPress:
    case QEvent::NonClientAreaMouseButtonPress:
      Dismiss();
      break;
    default:
      break;
  }
  return QWidget::eventFilter(watched, event);
}

void SplashWindow::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.drawPixmap(0, 0, picture_);
}

QPixmap SplashWindow::Picture() {
  constexpr int w = 460, h = 260;
  const qreal ratio = qApp ? qApp->devicePixelRatio() : 1.0;
  QPixmap picture(QSize(w, h) * ratio);
  picture.setDevicePixelRatio(ratio);
  QPainter p(&picture);
  p.setRenderHint(QPainter::Antialiasing);
  QLinearGradient sky(0, 0, 0, h);
  sky.setColorAt(0, QColor(16, 36, 84));
  sky.setColorAt(1, QColor(40, 90, 150));
  p.fillRect(QRect(0, 0, w, h), sky);

  // A spectrum across the lower half: isotope clusters over a noisy base.
  QPainterPath trace;
  const double base = h - 34;
  trace.moveTo(20, base);
  for (int x = 20; x <= w - 20; ++x) {
    double y = 1.5 * std::sin(x * 1.7) + 1.2 * std::sin(x * 0.31);
    const double centres[] = {95, 180, 250, 330, 395};
    const double heights[] = {40, 95, 60, 120, 30};
    for (int i = 0; i < 5; ++i)
      for (int k = 0; k < 3; ++k) {
        const double d = x - (centres[i] + 6 * k);
        y += heights[i] * std::pow(0.55, k) * std::exp(-d * d / 3.0);
      }
    trace.lineTo(x, base - y);
  }
  p.setPen(QPen(QColor(255, 230, 140), 1.4));
  p.drawPath(trace);
  p.setPen(QPen(QColor(200, 210, 230), 1));
  p.drawLine(20, static_cast<int>(base), w - 20, static_cast<int>(base));

  QFont title("Liberation Sans");
  title.setPixelSize(46);
  title.setBold(true);
  p.setFont(title);
  p.setPen(Qt::white);
  p.drawText(QRect(24, 18, w - 48, 56), Qt::AlignLeft | Qt::AlignVCenter, "Ionvue");
  QFont small("Liberation Sans");
  small.setPixelSize(14);
  p.setFont(small);
  p.setPen(QColor(210, 225, 245));
  p.drawText(QRect(26, 72, w - 52, 20), Qt::AlignLeft, "Mass spectra for protein chemists");
  p.drawText(QRect(26, 92, w - 52, 20), Qt::AlignLeft,
             QString("Version %1  \u2022  Kestrova").arg(kVersionText));
  return picture;
}

}  // namespace ionvue
