#pragma once
// The host seam shown with real widgets: message boxes, the status panes of
// the main frame, the wait cursor, the progress popup, the file dialogs and
// the shell. The forms of the viewer's own dialogs live with the viewer; it
// hands them in as a binder.

#include <QPointer>
#include <QWidget>
#include <array>
#include <functional>
#include <optional>
#include <string>

#include "platform/host.h"

namespace ionvue {

class WavPlayer;

class QtHost : public Host {
 public:
  // Runs the form of a model it knows: nullopt when it does not know it,
  // else whether the user accepted.
  using DialogBinder = std::function<std::optional<bool>(DialogModel&, QWidget* parent)>;
  // Receives every status-pane change.
  using StatusSink = std::function<void(int pane, const QString& text)>;

  QtHost();
  ~QtHost() override;

  // Owner of the modal windows; the active window when unset.
  void SetParentWindow(QWidget* parent) { parent_ = parent; }
  void SetDialogBinder(DialogBinder binder) { binder_ = std::move(binder); }
  void SetStatusSink(StatusSink sink) { status_sink_ = std::move(sink); }
  // Caption of message boxes that name none.
  void SetCaption(QString caption) { caption_ = std::move(caption); }

  void Message(std::string_view text, MessageIcon icon, std::string_view caption) override;
  Answer AskYesNo(std::string_view text, MessageIcon icon, std::string_view caption) override;
  Answer AskOkCancel(std::string_view text, MessageIcon icon, std::string_view caption) override;
  void Beep(BeepKind kind) override;
  void PlayWav(std::string_view path) override;
  void SetStatus(int pane, std::string_view text) override;
  void BeginWaitCursor() override;
  void EndWaitCursor() override;
  std::unique_ptr<ProgressWindow> OpenProgress(std::string_view text) override;
  bool DispatchPendingMessages() override;
  bool RunDialog(DialogModel& model) override;
  bool OpenInShell(std::string_view address) override;

  // The last text of a pane.
  QString status(int pane) const;
  int wait_depth() const { return wait_depth_; }
  // Asks the running long operation to stop at its next dispatch.
  void RequestStop() { stop_requested_ = true; }

 private:
  QWidget* Parent() const;
  QString Caption(std::string_view caption) const;

  QPointer<QWidget> parent_;
  DialogBinder binder_;
  StatusSink status_sink_;
  QString caption_ = "Ionvue";
  std::array<QString, 4> status_;
  int wait_depth_ = 0;
  bool stop_requested_ = false;
  std::unique_ptr<WavPlayer> wav_;
};

// Converts host texts (UTF-8, "\n" line ends) for Qt.
inline QString QtText(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace ionvue
