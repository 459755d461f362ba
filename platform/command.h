#pragma once
// Commands from menus, toolbars and accelerators. Each is tried on the
// active view, its document, the frames and the application, in that order;
// the first target that knows a command decides its state and runs it.

#include <string>
#include <vector>

namespace ionvue {

struct CommandState {
  bool enabled = false;
  bool checked = false;
  bool checkable = false;
  std::string text;  // a target may rename the item; empty keeps the table's text
};

class CommandTarget {
 public:
  virtual ~CommandTarget() = default;
  // True when this target handles `id`; it then fills `state`.
  virtual bool UpdateCommand(int id, CommandState& state) = 0;
  // True when this target handled `id`.
  virtual bool ExecuteCommand(int id) = 0;
};

class CommandRouter {
 public:
  // Targets in routing order: view, document, frame, application. Null
  // entries (no active view, say) are skipped.
  explicit CommandRouter(std::vector<CommandTarget*> targets) : targets_(std::move(targets)) {}

  // A command no target knows is disabled.
  CommandState Update(int id) const {
    CommandState state;
    for (CommandTarget* t : targets_)
      if (t && t->UpdateCommand(id, state)) return state;
    return CommandState{};
  }
  bool Execute(int id) const {
    for (CommandTarget* t : targets_) {
      if (!t) continue;
      CommandState state;
      if (t->UpdateCommand(id, state)) return state.enabled && t->ExecuteCommand(id);
    }
    return false;
  }

 private:
  std::vector<CommandTarget*> targets_;
};

}  // namespace ionvue
