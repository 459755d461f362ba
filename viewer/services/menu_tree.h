#pragma once
// The menu bars as trees, computed from the command table, for the layer
// that builds the real menus.

#include <string>
#include <vector>

#include "viewer/services/command_table.h"

namespace ionvue {

struct MenuNode {
  enum class Kind { Submenu, Command, Separator };
  Kind kind = Kind::Command;
  std::string text;                // submenu or item text (with its '&' mnemonic)
  int id = 0;                      // commands only
  std::vector<MenuNode> children;  // submenus only
};

// The top-level menus of one menu bar, in table order. Groups never start
// or end a menu and never stand next to each other.
std::vector<MenuNode> BuildMenuBar(MenuSet menu);

// The command ids of a menu bar in depth-first order, for lookups in tests
// and for building the accelerators.
std::vector<int> MenuCommandIds(const std::vector<MenuNode>& bar);

}  // namespace ionvue
