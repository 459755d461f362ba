#pragma once
// The start-up picture: borderless, centred on the screen, gone after its
// time or at the first key or mouse button pressed anywhere in the program.

#include <QTimer>
#include <QWidget>
#include <functional>

namespace ionvue {

class SplashWindow : public QWidget {
 public:
  // `onClosed` runs once, when the splash goes.
  SplashWindow(int milliseconds, std::function<void()> onClosed);
  ~SplashWindow() override;
  // The picture shown.
  static QPixmap Picture();
  void Dismiss();

 protected:
  void paintEvent(QPaintEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QPixmap picture_;
  QTimer timer_;
  std::function<void()> on_closed_;
};

}  // namespace ionvue
