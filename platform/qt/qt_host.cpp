#include "platform/qt/qt_host.h"

#include <algorithm>

#include <QApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QUrl>

#include "platform/file_dialog.h"
#include "platform/qt/file_filter.h"
#include "platform/qt/progress_popup.h"
#include "platform/qt/wav_player.h"

namespace ionvue {

namespace {

QMessageBox::Icon BoxIcon(MessageIcon icon) {
  switch (icon) {
    case MessageIcon::Information: return QMessageBox::Information;
    case MessageIcon::Exclamation: return QMessageBox::Warning;
    case MessageIcon::Question: return QMessageBox::Question;
    case MessageIcon::Stop: return QMessageBox::Critical;
    default: return QMessageBox::NoIcon;
  }
}

// Paths cross into the logic as the file system spells them.
std::string LocalPath(const QString& path) { return QFile::encodeName(path).toStdString(); }

bool RunFileDialog(FileDialogModel& model, QWidget* parent) {
  QFileDialog dialog(parent, QtText(model.title));
  const QStringList filters = QtNameFilters(model.filter);
  dialog.setNameFilters(filters);
  int index = std::clamp(model.filterIndex, 1, static_cast<int>(filters.size()));
  dialog.selectNameFilter(filters[index - 1]);
  if (!model.initialDirectory.empty())
    dialog.setDirectory(QFile::decodeName(model.initialDirectory.c_str()));
  if (model.mode == FileDialogModel::Mode::Save) {
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    // Extensions on this desktop are lower case, as the filters write them.
    if (!model.defaultExtension.empty())
      dialog.setDefaultSuffix(QtText(model.defaultExtension).toLower());
    if (!model.overwritePrompt) dialog.setOption(QFileDialog::DontConfirmOverwrite);
  } else {
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(model.multiSelect ? QFileDialog::ExistingFiles
                                         : QFileDialog::ExistingFile);
  }
  if (dialog.exec() != QDialog::Accepted) return false;
  model.paths.clear();
  for (const QString& path : dialog.selectedFiles()) model.paths.push_back(LocalPath(path));
  const qsizetype chosen = filters.indexOf(dialog.selectedNameFilter());
  if (chosen >= 0) model.filterIndex = static_cast<int>(chosen) + 1;
  return !model.paths.empty();
}

}  // namespace

QtHost::QtHost() : wav_(std::make_unique<WavPlayer>()) {}
QtHost::~QtHost() {
  while (wait_depth_ > 0) EndWaitCursor();
}

QWidget* QtHost::Parent() const {
  if (parent_) return parent_;
  return QApplication::activeWindow();
}

QString QtHost::Caption(std::string_view caption) const {
  return caption.empty() ? caption_ : QtText(caption);
}

void QtHost::Message(std::string_view text, MessageIcon icon, std::string_view caption) {
  QMessageBox box(BoxIcon(icon), Caption(caption), QtText(text), QMessageBox::Ok, Parent());
  box.exec();
}

Answer QtHost::AskYesNo(std::string_view text, MessageIcon icon, std::string_view caption) {
  QMessageBox box(BoxIcon(icon), Caption(caption), QtText(text),
                  QMessageBox::Yes | QMessageBox::No, Parent());
  box.setDefaultButton(QMessageBox::Yes);
  return box.exec() == QMessageBox::Yes ? Answer::Yes : Answer::No;
}

Answer QtHost::AskOkCancel(std::string_view text, MessageIcon icon, std::string_view caption) {
  QMessageBox box(BoxIcon(icon), Caption(caption), QtText(text),
                  QMessageBox::Ok | QMessageBox::Cancel, Parent());
  box.setDefaultButton(QMessageBox::Ok);
  return box.exec() == QMessageBox::Ok ? Answer::Ok : Answer::Cancel;
}

void QtHost::Beep(BeepKind) { QApplication::beep(); }

void QtHost::PlayWav(std::string_view path) {
  // Folders written the other platform's way still find the file.
  QString local = QtText(path);
  local.replace('\\', '/');
  local.replace("//", "/");
  wav_->Play(local);
}

void QtHost::SetStatus(int pane, std::string_view text) {
  if (pane < 0 || pane > 3) return;
  status_[static_cast<size_t>(pane)] = QtText(text);
  if (status_sink_) status_sink_(pane, status_[static_cast<size_t>(pane)]);
}

QString QtHost::status(int pane) const {
  return pane >= 0 && pane < 4 ? status_[static_cast<size_t>(pane)] : QString();
}

void QtHost::BeginWaitCursor() {
  if (wait_depth_++ == 0) {
    stop_requested_ = false;
    QApplication::setOverrideCursor(Qt::WaitCursor);
  }
}

void QtHost::EndWaitCursor() {
  if (wait_depth_ == 0) return;
  if (--wait_depth_ == 0) QApplication::restoreOverrideCursor();
}

std::unique_ptr<ProgressWindow> QtHost::OpenProgress(std::string_view text) {
  stop_requested_ = false;
  auto popup = std::make_unique<ProgressPopup>(QtText(text), Parent(), [this] { RequestStop(); });
  popup->show();
  popup->repaint();
  return popup;
}

bool QtHost::DispatchPendingMessages() {
  QCoreApplication::processEvents();
  if (!stop_requested_) return true;
  stop_requested_ = false;
  return false;
}

bool QtHost::RunDialog(DialogModel& model) {
  if (auto* files = dynamic_cast<FileDialogModel*>(&model)) return RunFileDialog(*files, Parent());
  if (binder_) {
    if (std::optional<bool> result = binder_(model, Parent())) return *result;
  }
  // A dialog without a form still lets the operation go on with the values
  // it was preset with, when the user agrees.
  const QString text =
      QString("\"%1\" has no form on this desktop.\nContinue with its preset values?")
          .arg(QtText(model.Title()));
  return AskOkCancel(text.toStdString(), MessageIcon::Question, {}) == Answer::Ok;
}

bool QtHost::OpenInShell(std::string_view address) {
  QString text = QtText(address).trimmed();
  QUrl url;
  if (text.contains("://") || text.startsWith("mailto:")) {
    url = QUrl(text);
  } else {
    url = QUrl::fromLocalFile(QFileInfo(QString(text).replace('\\', '/')).absoluteFilePath());
  }
  return url.isValid() && QDesktopServices::openUrl(url);
}

}  // namespace ionvue
