#include "platform/scripted_host.h"

namespace ionvue {

namespace {

class RecordedProgress : public ProgressWindow {
 public:
  explicit RecordedProgress(std::vector<HostEvent>& events) : events_(events) {}
  void SetText(std::string_view text) override {
    events_.push_back({HostEvent::Kind::Progress, std::string(text)});
  }
  void SetPos(int pos) override { pos_ = pos; }
  void StepIt() override { ++pos_; }

 private:
  std::vector<HostEvent>& events_;
  int pos_ = 0;
};

}  // namespace

void ScriptedHost::Message(std::string_view text, MessageIcon icon, std::string_view) {
  events_.push_back({HostEvent::Kind::Message, std::string(text), icon});
}

Answer ScriptedHost::AskYesNo(std::string_view text, MessageIcon icon, std::string_view) {
  Answer answer = fallback_yes_no;
  if (!answers_.empty()) {
    answer = answers_.front();
    answers_.pop_front();
  }
  HostEvent event{HostEvent::Kind::Question, std::string(text), icon};
  event.answer = answer;
  events_.push_back(event);
  return answer;
}

Answer ScriptedHost::AskOkCancel(std::string_view text, MessageIcon icon, std::string_view) {
  Answer answer = fallback_ok_cancel;
  if (!answers_.empty()) {
    answer = answers_.front();
    answers_.pop_front();
  }
  HostEvent event{HostEvent::Kind::Question, std::string(text), icon};
  event.answer = answer;
  events_.push_back(event);
  return answer;
}

void ScriptedHost::Beep(BeepKind kind) {
  HostEvent event{HostEvent::Kind::Beep, {}};
  event.beep = kind;
  events_.push_back(event);
}

void ScriptedHost::PlayWav(std::string_view path) {
  events_.push_back({HostEvent::Kind::Wav, std::string(path)});
}

void ScriptedHost::SetStatus(int pane, std::string_view text) {
  if (pane < 0 || pane > 3) return;
  status_[pane] = std::string(text);
  HostEvent event{HostEvent::Kind::Status, std::string(text)};
  event.pane = pane;
  events_.push_back(event);
}

std::unique_ptr<ProgressWindow> ScriptedHost::OpenProgress(std::string_view text) {
  events_.push_back({HostEvent::Kind::Progress, std::string(text)});
  return std::make_unique<RecordedProgress>(events_);
}

bool ScriptedHost::DispatchPendingMessages() {
  ++dispatches_;
  return stop_after_dispatches < 0 || dispatches_ <= stop_after_dispatches;
}

bool ScriptedHost::RunDialog(DialogModel& model) {
  events_.push_back({HostEvent::Kind::Dialog, model.Title()});
  if (dialogs_.empty()) return fallback_dialog_accepts;
  DialogScript script = std::move(dialogs_.front());
  dialogs_.pop_front();
  return script(model);
}

bool ScriptedHost::OpenInShell(std::string_view address) {
  events_.push_back({HostEvent::Kind::Shell, std::string(address)});
  return true;
}

std::vector<std::string> ScriptedHost::Messages() const {
  std::vector<std::string> out;
  for (const auto& e : events_)
    if (e.kind == HostEvent::Kind::Message) out.push_back(e.text);
  return out;
}

std::vector<std::string> ScriptedHost::Questions() const {
  std::vector<std::string> out;
  for (const auto& e : events_)
    if (e.kind == HostEvent::Kind::Question) out.push_back(e.text);
  return out;
}

std::vector<std::string> ScriptedHost::StatusTexts(int pane) const {
  std::vector<std::string> out;
  for (const auto& e : events_)
    if (e.kind == HostEvent::Kind::Status && e.pane == pane) out.push_back(e.text);
  return out;
}

}  // namespace ionvue
