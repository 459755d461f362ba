#pragma once
// The small untitled progress popup: one read-only centred line over a
// 0..100 bar. Escape asks the running operation to stop.

#include <QWidget>
#include <functional>

#include "platform/host.h"

class QLabel;
class QProgressBar;

namespace ionvue {

class ProgressPopup : public QWidget, public ProgressWindow {
 public:
  ProgressPopup(const QString& text, QWidget* parent, std::function<void()> onStop);

  void SetText(std::string_view text) override;
  void SetPos(int pos) override;
  void StepIt() override;

  QString text() const;
  int pos() const;

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  QLabel* label_;
  QProgressBar* bar_;
  std::function<void()> on_stop_;
};

}  // namespace ionvue
