#include "viewer/services/menu_tree.h"

#include <algorithm>
#include <string_view>

namespace ionvue {

namespace {

std::vector<std::string_view> SplitPath(std::string_view path) {
  std::vector<std::string_view> parts;
  while (!path.empty()) {
    size_t cut = path.find('>');
    parts.push_back(path.substr(0, cut));
    if (cut == std::string_view::npos) break;
    path.remove_prefix(cut + 1);
  }
  return parts;
}

void AddSeparator(std::vector<MenuNode>& items) {
  if (items.empty() || items.back().kind == MenuNode::Kind::Separator) return;
  MenuNode line;
  line.kind = MenuNode::Kind::Separator;
  items.push_back(line);
}

// A submenu that a group starts with is set off in its parent menu.
MenuNode& SubmenuOf(std::vector<MenuNode>& items, std::string_view text, bool topLevel,
                    bool& separator) {
  auto it = std::find_if(items.begin(), items.end(), [&](const MenuNode& n) {
    return n.kind == MenuNode::Kind::Submenu && n.text == text;
  });
  if (it != items.end()) return *it;
  if (separator && !topLevel) {
    AddSeparator(items);
    separator = false;
  }
  MenuNode node;
  node.kind = MenuNode::Kind::Submenu;
  node.text = std::string(text);
  items.push_back(std::move(node));
  return items.back();
}

// A group marker seen on a command that this bar leaves out still separates
// the groups around it; it is placed before the next command shown.
struct Pending {
  std::string path;
  bool separator = false;
};

void CollectIds(const std::vector<MenuNode>& items, std::vector<int>& out) {
  for (const MenuNode& node : items) {
    if (node.kind == MenuNode::Kind::Command) out.push_back(node.id);
    if (node.kind == MenuNode::Kind::Submenu) CollectIds(node.children, out);
  }
}

}  // namespace

std::vector<MenuNode> BuildMenuBar(MenuSet menu) {
  std::vector<MenuNode> bar;
  std::vector<Pending> pending;
  auto pendingFor = [&](std::string_view path) -> bool& {
    for (Pending& p : pending)
      if (p.path == path) return p.separator;
    pending.push_back({std::string(path), false});
    return pending.back().separator;
  };

  for (const CommandInfo& command : CommandTable()) {
    if (command.menu.empty()) continue;
    bool& separator = pendingFor(command.menu);
    separator = separator || command.separatorBefore;
    if ((command.menus & menu) == 0) continue;

    std::vector<std::string_view> path = SplitPath(command.menu);
    std::vector<MenuNode>* items = &bar;
    for (size_t level = 0; level < path.size(); ++level) {
      MenuNode& sub = SubmenuOf(*items, path[level], level == 0, separator);
      items = &sub.children;
    }
    if (separator) AddSeparator(*items);
    separator = false;
    MenuNode item;
    item.kind = MenuNode::Kind::Command;
    item.text = std::string(MenuText(command, menu));
    item.id = command.id;
    items->push_back(std::move(item));
  }
  return bar;
}

std::vector<int> MenuCommandIds(const std::vector<MenuNode>& bar) {
  std::vector<int> ids;
  CollectIds(bar, ids);
  return ids;
}

}  // namespace ionvue
