#pragma once
// The one table of every command: where it sits in the menus, its texts,
// its shortcut, and which target serves it. The Qt actions are built from
// it; commands of work still to come stay in their menus, disabled.

#include <span>
#include <string_view>

#include "platform/command.h"
#include "viewer/core/command_ids.h"

namespace ionvue {

// Who serves a command when the router tries view, document, frame and
// application in that order.
enum class CommandOwner { View, Document, Frame, Application };

// The piece of the program a command belongs to. Commands of pieces not yet
// in the program are listed but always disabled.
enum class Feature {
  Ready,
  Labels,
  Centroid,
  Autolabel,
  Calibration,
  Filters,
  Correlation,
  Properties,
  Output,
  Kadenza,
  Murmex,
};
constexpr bool FeatureAvailable(Feature feature) { return feature == Feature::Ready; }

// The two menu bars: the short one while no spectrum window is open, the
// full one of a spectrum window.
enum MenuSet : unsigned { kNoMenu = 0, kShortMenu = 1, kFullMenu = 2, kBothMenus = 3 };

struct CommandInfo {
  int id;
  CommandOwner owner;
  unsigned menus;              // MenuSet bits
  std::string_view menu;       // menu path, levels joined by '>': "&Graph>&Options"
  std::string_view text;       // menu text in the full menu
  std::string_view shortText;  // menu text in the short menu; empty: same as text
  std::string_view prompt;     // "status prompt\ntooltip"
  std::string_view shortcut;   // "Ctrl+P", "Alt+Right"; empty: none
  bool checkable;
  bool separatorBefore;  // starts a new group in its menu
  Feature feature;
};

// In menu order: menus appear in the order of their first command.
std::span<const CommandInfo> CommandTable();
const CommandInfo* FindCommand(int id);

// The status-bar part of the prompt (before "\n") and the tooltip (after).
std::string_view StatusPrompt(const CommandInfo& command);
std::string_view Tooltip(const CommandInfo& command);
std::string_view MenuText(const CommandInfo& command, MenuSet menu);
bool IsPending(int id);

// A disabled state carrying the table's checkable flag, for targets to fill.
CommandState TableState(int id);

// Claims every command of work not yet in the program and keeps it
// disabled, whatever a later target would say.
class PendingCommandGate : public CommandTarget {
 public:
  bool UpdateCommand(int id, CommandState& state) override;
  bool ExecuteCommand(int id) override;
};

// The router of a spectrum window (or of the frame alone, with null view
// and document): the pending gate first, then the targets in routing order.
CommandRouter MakeCommandRouter(CommandTarget* view, CommandTarget* document, CommandTarget* frame,
                                CommandTarget* application);

}  // namespace ionvue
