#include "viewer/services/command_table.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

#include "viewer/services/menu_tree.h"

namespace ionvue {
namespace {

TEST(CommandTable, IdsAndShortcutsAreUnique) {
  std::set<int> ids;
  std::set<std::string_view> shortcuts;
  for (const CommandInfo& c : CommandTable()) {
    EXPECT_TRUE(ids.insert(c.id).second) << "id " << c.id;
    if (!c.shortcut.empty()) {
      EXPECT_TRUE(shortcuts.insert(c.shortcut).second) << c.shortcut;
    }
    if (c.menus != kNoMenu) {
      EXPECT_FALSE(c.text.empty()) << c.id;
    }
  }
}

// The commands the built pieces offer, with the menus and texts the users
// know them by.
TEST(CommandTable, EveryBuiltCommandIsListedWithItsTexts) {
  struct Expected {
    int id;
    CommandOwner owner;
    const char* menu;
    const char* text;
    const char* prompt;  // nullptr: not checked
  };
  using O = CommandOwner;
  const Expected expected[] = {
      {cmd::kFileOpen, O::Application, "&File", nullptr, nullptr},
      {cmd::kFileSaveAs, O::Document, "&File", nullptr, nullptr},
      {cmd::kExportScreenAscii, O::Document, "&File>&Export", nullptr, nullptr},
      {cmd::kExportBinary, O::Document, "&File>&Export", nullptr, nullptr},
      {cmd::kFileRevert, O::Document, "&File", nullptr, nullptr},
      {cmd::kLoadSnapticData, O::Application, "&File", nullptr, nullptr},
      {cmd::kToolsRevert, O::Document, "&Tools", "&Revert",
       "Revert to the original file copy of the spectrum"},
      {cmd::kSetHighestMass, O::Document, "&Edit", nullptr,
       "Change the end point of the data file (data will be saved in this form)"},
      {cmd::kImportDigest1, O::Document, "&Digests", "Import &1st",
       "Get a cleavage file that was generated using Cleavix"},
      {cmd::kImportDigest2, O::Document, "&Digests", "... &2nd",
       "Import cleavage information about a second protein (e.g. a protease)"},
      {cmd::kPasteMassTemplate, O::Document, "&Edit", "Paste &mass template",
       "Paste a template of masses onto the spectrum"},
      {cmd::kRemoveTemplate, O::Document, "&Edit", "Remove &template",
       "Remove the current mass template"},
      {cmd::kNextSpectrum, O::Frame, "&Window", nullptr,
       "Activate the next spectrum open/nNext spectrum"},
      {cmd::kMsProtocols, O::Application, "&Network", "Get &MS protocols",
       "Obtain current protocols page from Kestrova\nMS protocols"},
      {cmd::kAminoAcidInfo, O::Application, "&Network", "... &amino acid info",
       "Get amino acid information for Vexlar\nAmino acid information"},
      {cmd::kVexlarIndex, O::Application, "&Network", "... &Vexlar",
       "Connect to the Vexlar index page\nVexlar index"},
      {cmd::kIonvueHomepage, O::Application, "&Network", "... &homepage",
       "Load the Ionvue homepage\nIonvue homepage"},
      {cmd::kUpgradeWizard, O::Application, "&Network", "Ionvue &upgrade wizard",
       "Check the Kestrova site for an upgrade version of Ionvue\nUpgrade"},
      {cmd::kTallyx, O::Application, "&Network", "&Tallyx",
       "Search a collection of spectra using Tallyx\nTallyx"},
      {cmd::kCopyright, O::Application, "&Help", "&Copyright",
       "Copyright information about Ionvue"},
      {cmd::kLicense, O::Application, "&Help", "&License",
       "Read this license agreement.\nLicense agreement."},
      {cmd::kFeedback, O::Application, "&Help", "&Feedback",
       "Write us and let us know about problems\nFeedback"},
      {cmd::kTutorial, O::Application, "&Help", "&Tutorial", "A tutorial for Ionvue\nTutorial"},
      {cmd::kHowCompression, O::Application, "&Help>How does it work ...", "Data compression?", ""},
      {cmd::kHowSmoothing, O::Application, "&Help>How does it work ...", "ABC and smoothing?", ""},
      {cmd::kAllDialogBoxes, O::Application, "&Window", "... &all dialog boxes",
       "Check entry if you want to see all possible dialog boxes during proceedures"},
      {cmd::kShowInformation, O::Application, "&Graph", "Show &information",
       "Shows file description and notes below the spectrum when checked"},
      {cmd::kLockViews, O::Application, "&Graph", "&Lock views",
       "Set all displays to the same display width\nLocked views"},
      {cmd::kCloseAll, O::Application, "&Window", "&Close all",
       "Close all open spectra\nClose all"},
      {cmd::kFilePrintSetup, O::Application, "&File", "... se&tup...",
       "Change the printer and printing options\nPrint Setup"},
      {cmd::kHelp, O::Document, "", nullptr, "Load help file for Ionvue for Windows"},
      {cmd::kDisplayFullSpectrum, O::View, "&Graph", "&Display full spectrum",
       "Return to the full spectrum display\nDisplay full spectrum"},
      {cmd::kZoomIn, O::View, "&Graph", "Zoom &in", "Zoom in \nZoom in"},
      {cmd::kLandscapePlot, O::View, "&Graph>&Dimensions", "&Landscape plot",
       "Reset the dimensions to a full-page, \"landscape\" graph"},
      {cmd::kFullFrame, O::View, "&Graph>&Options", "F&ull frame",
       "Use a full box to surround the graph frame (otherwise x,y axes only)"},
      {cmd::kDeleteLabelMode, O::View, "&Label", "&Delete label mode",
       "Delete individual labels when clicked\nDelete label mode"},
      {cmd::kCrossColor, O::View, "&Digests", "&Cross color",
       "Sets the default color for digest marker crosses"},
  };
  for (const Expected& e : expected) {
    SCOPED_TRACE(e.id);
    const CommandInfo* c = FindCommand(e.id);
    ASSERT_NE(c, nullptr);
    EXPECT_EQ(c->owner, e.owner);
    EXPECT_EQ(c->menu, e.menu);
    if (e.text) {
      EXPECT_EQ(c->text, e.text);
    }
    if (e.prompt) {
      EXPECT_EQ(c->prompt, e.prompt);
    }
    EXPECT_FALSE(IsPending(e.id));
  }
}

TEST(CommandTable, ShortcutsOfTheMenus) {
  EXPECT_EQ(FindCommand(cmd::kAutolabelPeaks)->shortcut, "Ctrl+A");
  EXPECT_EQ(FindCommand(cmd::kZoomIn)->shortcut, "Alt+Up");
  EXPECT_EQ(FindCommand(cmd::kZoomOut)->shortcut, "Alt+Down");
  EXPECT_EQ(FindCommand(cmd::kNextSpectrum)->shortcut, "Alt+Right");
  EXPECT_EQ(FindCommand(cmd::kFilePrint)->shortcut, "Ctrl+P");
  EXPECT_EQ(FindCommand(cmd::kKadenzaWizard)->shortcut, "Ctrl+I");
  EXPECT_EQ(FindCommand(cmd::kHelp)->shortcut, "F1");
}

TEST(CommandTable, PromptSplitsIntoStatusTextAndTooltip) {
  const CommandInfo& lock = *FindCommand(cmd::kLockViews);
  EXPECT_EQ(StatusPrompt(lock), "Set all displays to the same display width");
  EXPECT_EQ(Tooltip(lock), "Locked views");
  const CommandInfo& next = *FindCommand(cmd::kNextSpectrum);
  EXPECT_EQ(StatusPrompt(next), "Activate the next spectrum open/nNext spectrum");
  EXPECT_EQ(Tooltip(next), "");
}

// A target that would enable and run anything it is asked about.
struct EagerTarget : CommandTarget {
  bool UpdateCommand(int, CommandState& state) override {
    state.enabled = true;
    return true;
  }
  bool ExecuteCommand(int id) override {
    ran.push_back(id);
    return true;
  }
  std::vector<int> ran;
};

TEST(CommandTable, CommandsOfWorkToComeStayDisabledThroughTheRouter) {
  EagerTarget view;
  CommandRouter router = MakeCommandRouter(&view, nullptr, nullptr, nullptr);
  int pending = 0;
  for (const CommandInfo& c : CommandTable()) {
    SCOPED_TRACE(c.id);
    CommandState state = router.Update(c.id);
    if (!FeatureAvailable(c.feature)) {
      ++pending;
      EXPECT_FALSE(state.enabled);
      EXPECT_EQ(state.checkable, c.checkable);
      EXPECT_FALSE(router.Execute(c.id));
      EXPECT_NE(c.menus, kNoMenu);  // still in its menu
    } else {
      EXPECT_TRUE(state.enabled);
    }
  }
  EXPECT_TRUE(view.ran.empty());
  for (int id : {cmd::kCopyMasses, cmd::kFilePrint, cmd::kAddPoint, cmd::kSmooth,
                 cmd::kMassCorrelation, cmd::kProperties, cmd::kKadenzaWizard, cmd::kMurmexWizard,
                 cmd::kAutolabelPeaks, cmd::kLabelCentroid, cmd::kEditCalibrants})
    EXPECT_TRUE(IsPending(id)) << id;
  EXPECT_GT(pending, 40);
  // Nobody knows an id outside the table.
  EXPECT_FALSE(MakeCommandRouter(nullptr, nullptr, nullptr, nullptr).Update(4).enabled);
}

const MenuNode* FindMenu(const std::vector<MenuNode>& items, std::string_view text) {
  for (const MenuNode& n : items)
    if (n.kind == MenuNode::Kind::Submenu && n.text == text) return &n;
  return nullptr;
}

std::string ItemText(const std::vector<MenuNode>& bar, int id) {
  for (const MenuNode& n : bar) {
    if (n.kind == MenuNode::Kind::Command && n.id == id) return n.text;
    if (n.kind == MenuNode::Kind::Submenu) {
      std::string t = ItemText(n.children, id);
      if (!t.empty()) return t;
    }
  }
  return "";
}

void ExpectTidySeparators(const std::vector<MenuNode>& items, const std::string& where) {
  for (size_t i = 0; i < items.size(); ++i) {
    if (items[i].kind != MenuNode::Kind::Separator) {
      if (items[i].kind == MenuNode::Kind::Submenu) {
        EXPECT_FALSE(items[i].children.empty()) << where << items[i].text;
        ExpectTidySeparators(items[i].children, where + items[i].text + ">");
      }
      continue;
    }
    EXPECT_NE(i, 0u) << where;
    EXPECT_NE(i + 1, items.size()) << where;
    if (i + 1 < items.size()) {
      EXPECT_NE(items[i + 1].kind, MenuNode::Kind::Separator) << where;
    }
  }
}

TEST(MenuTree, TheFullMenuHoldsEveryMenuCommandOnce) {
  std::vector<MenuNode> full = BuildMenuBar(kFullMenu);
  std::vector<std::string> tops;
  for (const MenuNode& n : full) tops.push_back(n.text);
  EXPECT_EQ(tops, (std::vector<std::string>{"&File", "&Edit", "&Graph", "&Calibrate", "&Label",
                                            "&Tools", "&Digests", "&Network", "&Window", "&Help"}));
  std::vector<int> ids = MenuCommandIds(full);
  std::multiset<int> seen(ids.begin(), ids.end());
  for (const CommandInfo& c : CommandTable())
    EXPECT_EQ(seen.count(c.id), (c.menus & kFullMenu) ? 1u : 0u) << c.id;
  ExpectTidySeparators(full, "");

  const MenuNode* label = FindMenu(full, "&Label");
  ASSERT_NE(label, nullptr);
  const MenuNode* type = FindMenu(label->children, "Label &type");
  ASSERT_NE(type, nullptr);
  EXPECT_EQ(type->children.front().id, cmd::kLabelCentroid);
  const MenuNode* graph = FindMenu(full, "&Graph");
  ASSERT_NE(graph, nullptr);
  auto dims = std::find_if(graph->children.begin(), graph->children.end(),
                           [](const MenuNode& n) { return n.text == "&Dimensions"; });
  ASSERT_NE(dims, graph->children.begin());
  EXPECT_EQ((dims - 1)->kind, MenuNode::Kind::Separator);
}

TEST(MenuTree, TheShortMenuOffersWhatNeedsNoSpectrum) {
  std::vector<MenuNode> bar = BuildMenuBar(kShortMenu);
  std::vector<std::string> tops;
  for (const MenuNode& n : bar) tops.push_back(n.text);
  EXPECT_EQ(tops, (std::vector<std::string>{"&File", "&Network", "&Window", "&Help"}));
  ExpectTidySeparators(bar, "");
  EXPECT_EQ(ItemText(bar, cmd::kIonvueHomepage), "... Ionvue homepage");
  EXPECT_EQ(ItemText(bar, cmd::kUpgradeWizard), "Upgrade wizard");
  EXPECT_EQ(ItemText(BuildMenuBar(kFullMenu), cmd::kIonvueHomepage), "... &homepage");
  EXPECT_EQ(ItemText(bar, cmd::kTallyx), "");
  EXPECT_EQ(ItemText(BuildMenuBar(kFullMenu), cmd::kTallyx), "&Tallyx");
  EXPECT_EQ(ItemText(bar, cmd::kFileSaveAs), "");
  for (const CommandInfo& c : CommandTable())
    if ((c.menus & kShortMenu) && c.owner != CommandOwner::Application)
      ADD_FAILURE() << "short menu command " << c.id << " needs a spectrum window";
}

}  // namespace
}  // namespace ionvue
