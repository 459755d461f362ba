#include "viewer/app/command_actions.h"

#include <QAction>
#include <QKeySequence>
#include <QLabel>
#include <QMenu>
#include <QToolBar>
#include <QWidget>

#include "viewer/app/toolbar_icons.h"
#include "viewer/core/command_ids.h"

namespace ionvue {

namespace {

QString Text(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

bool IsRecentFile(int id) {
  return id >= cmd::kRecentFile1 && id < cmd::kRecentFile1 + cmd::kRecentFileCount;
}

}  // namespace

QString PlainText(std::string_view menuText) {
  QString text = Text(menuText);
  text.replace("&&", "\x01");
  text.remove('&');
  text.replace("\x01", "&");
  return text;
}

CommandActions::CommandActions(QWidget* window, RouterSource router)
    : QObject(window), window_(window), router_(std::move(router)) {}

QAction* CommandActions::Action(int id, MenuSet menu) {
  const CommandInfo* info = FindCommand(id);
  // The short bar shares the full bar's action unless its text differs.
  if (menu == kShortMenu && (!info || info->shortText.empty())) menu = kFullMenu;
  auto key = std::make_pair(static_cast<int>(menu), id);
  auto it = actions_.find(key);
  if (it != actions_.end()) return it->second;

  auto* action = new QAction(window_);
  action->setData(id);
  if (info) {
    action->setText(Text(MenuText(*info, menu)));
    action->setStatusTip(Text(StatusPrompt(*info)));
    const std::string_view tip = Tooltip(*info);
    action->setToolTip(tip.empty() ? PlainText(MenuText(*info, kFullMenu)) : Text(tip));
    action->setCheckable(info->checkable);
    if (menu == kFullMenu && !info->shortcut.empty()) {
      action->setShortcut(QKeySequence(Text(info->shortcut)));
      action->setShortcutContext(Qt::WindowShortcut);
    }
  }
  const QIcon icon = ToolbarIcon(id);
  if (!icon.isNull()) action->setIcon(icon);
  action->setIconVisibleInMenu(false);
  if (menu == kFullMenu) window_->addAction(action);
  connect(action, &QAction::triggered, this, [this, id] { Execute(id); });
  actions_[key] = action;
  Update(action);
  return action;
}

void CommandActions::AddItems(QMenu* menu, const std::vector<MenuNode>& items, MenuSet set) {
  for (const MenuNode& node : items) {
    switch (node.kind) {
      case MenuNode::Kind::Separator:
        menu->addSeparator();
        break;
      case MenuNode::Kind::Command:
        menu->addAction(Action(node.id, set));
        break;
      case MenuNode::Kind::Submenu: {
        QMenu* sub = menu->addMenu(Text(node.text));
        AddItems(sub, node.children, set);
        connect(sub, &QMenu::aboutToShow, this, [this, sub] { UpdateMenu(sub); });
        break;
      }
    }
  }
}

std::vector<QMenu*> CommandActions::BuildMenus(MenuSet set, QWidget* parent) {
  std::vector<QMenu*> menus;
  for (const MenuNode& top : BuildMenuBar(set)) {
    auto* menu = new QMenu(Text(top.text), parent);
    AddItems(menu, top.children, set);
    connect(menu, &QMenu::aboutToShow, this, [this, menu] { UpdateMenu(menu); });
    menus.push_back(menu);
  }
  // Commands without a menu still answer their shortcut (Help on F1).
  for (const CommandInfo& info : CommandTable())
    if (info.menus == kNoMenu) Action(info.id);
  return menus;
}

QToolBar* CommandActions::BuildToolbar(const ToolbarLayout& layout, QWidget* parent) {
  auto* bar = new QToolBar(Text(layout.caption).trimmed(), parent);
  bar->setIconSize(QSize(kToolbarButtonWidth, kToolbarButtonHeight));
  auto* caption = new QLabel(Text(layout.caption), bar);
  bar->addWidget(caption);
  for (int id : layout.buttons) {
    if (id == kToolbarSeparator)
      bar->addSeparator();
    else
      bar->addAction(Action(id));
  }
  return bar;
}

void CommandActions::PopupMenu(const std::vector<int>& ids, const QPoint& globalPos,
                               QWidget* parent) {
  QMenu menu(parent);
  for (int id : ids) menu.addAction(Action(id));
  UpdateMenu(&menu);
  menu.exec(globalPos);
}

void CommandActions::Update(QAction* action) {
  const int id = action->data().toInt();
  const CommandState state = router_().Update(id);
  const CommandInfo* info = FindCommand(id);
  action->setEnabled(state.enabled);
  if (action->isCheckable() || state.checkable) {
    action->setCheckable(true);
    action->setChecked(state.checked);
  }
  if (IsRecentFile(id)) {
    // Only the first of the unused entries shows, disabled.
    const bool used = state.enabled;
    action->setVisible(used || id == cmd::kRecentFile1);
    action->setText(used ? Text(state.text) : Text(info ? info->text : "Recent File"));
  } else if (!state.text.empty()) {
    action->setText(Text(state.text));
  }
}

void CommandActions::UpdateAll() {
  for (auto& [key, action] : actions_) Update(action);
}

void CommandActions::UpdateMenu(QMenu* menu) {
  for (QAction* action : menu->actions())
    if (!action->isSeparator() && !action->menu() && action->data().isValid()) Update(action);
}

bool CommandActions::Execute(int id) {
  const bool ran = router_().Execute(id);
  if (afterExecute) afterExecute();
  return ran;
}

}  // namespace ionvue
