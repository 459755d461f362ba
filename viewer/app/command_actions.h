#pragma once
// The Qt actions of the command table: menus, toolbar buttons and
// shortcuts. Every action asks the router whether it is enabled and checked
// and runs its command through it.

#include <QObject>
#include <functional>
#include <map>
#include <utility>
#include <vector>

#include "platform/command.h"
#include "viewer/services/command_table.h"
#include "viewer/services/menu_tree.h"
#include "viewer/services/toolbar_layout.h"

class QAction;
class QMenu;
class QToolBar;
class QWidget;

namespace ionvue {

class CommandActions : public QObject {
 public:
  using RouterSource = std::function<CommandRouter()>;
  // Shortcuts live on `window`, so they work whichever menu bar is shown.
  CommandActions(QWidget* window, RouterSource router);

  // The action of a command in a menu bar; the full bar's action also
  // carries the shortcut, and serves the toolbars.
  QAction* Action(int id, MenuSet menu = kFullMenu);
  // The top-level menus of a bar, parented to `parent`.
  std::vector<QMenu*> BuildMenus(MenuSet menu, QWidget* parent);
  // A toolbar band: its caption, then its buttons.
  QToolBar* BuildToolbar(const ToolbarLayout& layout, QWidget* parent);
  // A popup of commands (the view's context menus).
  void PopupMenu(const std::vector<int>& ids, const QPoint& globalPos, QWidget* parent);

  void UpdateAll();
  void UpdateMenu(QMenu* menu);
  // Runs a command if its target has it enabled.
  bool Execute(int id);
  // After every command that ran.
  std::function<void()> afterExecute;

  CommandState StateOf(int id) const { return router_().Update(id); }

 private:
  void Update(QAction* action);
  void AddItems(QMenu* menu, const std::vector<MenuNode>& items, MenuSet set);

  QWidget* window_;
  RouterSource router_;
  std::map<std::pair<int, int>, QAction*> actions_;  // (menu set, id)
};

// The text of a menu item without its mnemonic marks.
QString PlainText(std::string_view menuText);

}  // namespace ionvue
