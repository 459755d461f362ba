#pragma once
// The one seam through which logic talks to the user and the desktop.
// The Qt host shows real widgets; the scripted host records and answers.

#include <memory>
#include <string>
#include <string_view>

namespace ionvue {

enum class MessageIcon { None, Information, Exclamation, Question, Stop };

// The system sounds a message can be announced with.
enum class BeepKind { Default, Question, Exclamation, Asterisk, Ok };

enum class Answer { Yes, No, Ok, Cancel };

// A dialog as a plain model: the host binds a form to it (Qt) or lets a
// script fill its fields (tests). Title() is the dialog's own caption.
class DialogModel {
 public:
  virtual ~DialogModel() = default;
  virtual std::string Title() const = 0;
};

// The small untitled progress popup: one centred text over a 0..100 bar.
class ProgressWindow {
 public:
  virtual ~ProgressWindow() = default;
  virtual void SetText(std::string_view text) = 0;
  virtual void SetPos(int pos) = 0;
  virtual void StepIt() = 0;
};

class Host {
 public:
  virtual ~Host() = default;

  virtual void Message(std::string_view text, MessageIcon icon = MessageIcon::Exclamation,
                       std::string_view caption = {}) = 0;
  // Returns Answer::Yes or Answer::No.
  virtual Answer AskYesNo(std::string_view text, MessageIcon icon = MessageIcon::Question,
                          std::string_view caption = {}) = 0;
  // Returns Answer::Ok or Answer::Cancel.
  virtual Answer AskOkCancel(std::string_view text, MessageIcon icon = MessageIcon::Exclamation,
                             std::string_view caption = {}) = 0;

  virtual void Beep(BeepKind kind) = 0;
  virtual void PlayWav(std::string_view path) = 0;

  // Panes 0..3 of the status bar; each change repaints at once.
  virtual void SetStatus(int pane, std::string_view text) = 0;

  virtual void BeginWaitCursor() = 0;
  virtual void EndWaitCursor() = 0;

  virtual std::unique_ptr<ProgressWindow> OpenProgress(std::string_view text) = 0;

  // Lets the user interface breathe during a long operation. Returns false
  // when the user asked to stop it.
  virtual bool DispatchPendingMessages() = 0;

  // Runs a modal dialog on its model; true when it was accepted.
  virtual bool RunDialog(DialogModel& model) = 0;

  // Hands an address, "file:///" address or local path to the desktop shell.
  virtual bool OpenInShell(std::string_view address) = 0;
};

// Keeps the wait cursor up for the lifetime of a scope.
class WaitCursor {
 public:
  explicit WaitCursor(Host& host) : host_(host) { host_.BeginWaitCursor(); }
  ~WaitCursor() { host_.EndWaitCursor(); }
  WaitCursor(const WaitCursor&) = delete;
  WaitCursor& operator=(const WaitCursor&) = delete;

 private:
  Host& host_;
};

}  // namespace ionvue
