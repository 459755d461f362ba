#include "platform/qt/progress_popup.h"

#include <algorithm>

#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QProgressBar>
#include <QScreen>
#include <QVBoxLayout>

#include "platform/qt/qt_host.h"

namespace ionvue {

ProgressPopup::ProgressPopup(const QString& text, QWidget* parent, std::function<void()> onStop)
    : QWidget(parent, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint),
      label_(new QLabel(text, this)),
      bar_(new QProgressBar(this)),
      on_stop_(std::move(onStop)) {
  setAttribute(Qt::WA_ShowWithoutActivating);
  auto* layout = new QVBoxLayout(this);
  label_->setAlignment(Qt::AlignCenter);
  label_->setTextInteractionFlags(Qt::NoTextInteraction);
  bar_->setRange(0, 100);
  bar_->setValue(0);
  bar_->setTextVisible(false);
  layout->addWidget(label_);
  layout->addWidget(bar_);
  setMinimumWidth(320);
  adjustSize();
  QRect area = parent ? parent->window()->geometry()
                      : (screen() ? screen()->availableGeometry() : QRect(0, 0, 800, 600));
  move(area.center() - rect().center());
}

void ProgressPopup::SetText(std::string_view text) {
  label_->setText(QtText(text));
  label_->repaint();
}

void ProgressPopup::SetPos(int pos) {
  bar_->setValue(std::clamp(pos, 0, 100));
  bar_->repaint();
}

void ProgressPopup::StepIt() {
  // A stepped bar wraps round at its end, as the platform's bar does.
  int next = bar_->value() + 1;
  SetPos(next > 100 ? 0 : next);
}

QString ProgressPopup::text() const { return label_->text(); }
int ProgressPopup::pos() const { return bar_->value(); }

void ProgressPopup::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Escape && on_stop_) {
    on_stop_();
    return;
  }
  QWidget::keyPressEvent(event);
}

void ProgressPopup::closeEvent(QCloseEvent* event) {
  // Closing is a stop request; the owner destroys the popup.
  if (on_stop_) on_stop_();
  event->ignore();
}

}  // namespace ionvue
