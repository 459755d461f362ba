#pragma once
// The command target of a spectrum view: the display and mouse-mode
// commands of its menus, mapped onto the mouse work, and Printer invert.

#include <functional>

#include "platform/command.h"
#include "viewer/view/mouse_commands.h"

namespace ionvue {

class CIonvueView;

class ViewCommandTarget : public CommandTarget {
 public:
  ViewCommandTarget(CMouseCommands& commands, CIonvueView& view,
                    std::function<void()> redraw);
  bool UpdateCommand(int id, CommandState& state) override;
  bool ExecuteCommand(int id) override;

 private:
  CMouseCommands& m_commands;
  CIonvueView& m_view;
  std::function<void()> m_redraw;
};

}  // namespace ionvue
