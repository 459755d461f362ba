#pragma once
// A host without a screen: it records everything shown in order and answers
// questions and dialogs from a script. Tests use it to assert exact texts;
// the command-line modes use it to run the open road headless.

#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "platform/host.h"

namespace ionvue {

struct HostEvent {
  enum class Kind { Message, Question, Status, Beep, Wav, Dialog, Progress, Shell };
  Kind kind;
  std::string text;  // message, question, status text, WAV path, dialog title
  MessageIcon icon = MessageIcon::None;
  int pane = 0;
  BeepKind beep = BeepKind::Default;
  Answer answer = Answer::Ok;  // what a question was answered
};

class ScriptedHost : public Host {
 public:
  using DialogScript = std::function<bool(DialogModel&)>;

  // Answers used in order; when the queue is empty the fallbacks apply.
  void QueueAnswer(Answer answer) { answers_.push_back(answer); }
  void QueueDialog(DialogScript script) { dialogs_.push_back(std::move(script)); }
  Answer fallback_yes_no = Answer::No;
  Answer fallback_ok_cancel = Answer::Cancel;
  bool fallback_dialog_accepts = true;
  // How many DispatchPendingMessages calls pass before it reports a stop
  // request; negative means never.
  int stop_after_dispatches = -1;

  void Message(std::string_view text, MessageIcon icon, std::string_view caption) override;
  Answer AskYesNo(std::string_view text, MessageIcon icon, std::string_view caption) override;
  Answer AskOkCancel(std::string_view text, MessageIcon icon, std::string_view caption) override;
  void Beep(BeepKind kind) override;
  void PlayWav(std::string_view path) override;
  void SetStatus(int pane, std::string_view text) override;
  void BeginWaitCursor() override {
    ++wait_depth_;
    ++wait_cursor_shown_;
  }
  void EndWaitCursor() override {
    if (wait_depth_ > 0) --wait_depth_;
  }
  std::unique_ptr<ProgressWindow> OpenProgress(std::string_view text) override;
  bool DispatchPendingMessages() override;
  bool RunDialog(DialogModel& model) override;
  bool OpenInShell(std::string_view address) override;

  const std::vector<HostEvent>& events() const { return events_; }
  void ClearEvents() { events_.clear(); }
  // Texts of the messages (boxes only), in order.
  std::vector<std::string> Messages() const;
  // Texts of the questions asked, in order.
  std::vector<std::string> Questions() const;
  // The texts a status pane received, in order.
  std::vector<std::string> StatusTexts(int pane = 0) const;
  std::string status(int pane) const {
    return pane >= 0 && pane < 4 ? status_[pane] : std::string();
  }
  int wait_depth() const { return wait_depth_; }
  int wait_cursor_shown() const { return wait_cursor_shown_; }
  int dispatches() const { return dispatches_; }

 private:
  std::vector<HostEvent> events_;
  std::deque<Answer> answers_;
  std::deque<DialogScript> dialogs_;
  std::string status_[4];
  int wait_depth_ = 0;
  int wait_cursor_shown_ = 0;
  int dispatches_ = 0;
};

}  // namespace ionvue
