#include "shell/command_table.h"

#include <gtest/gtest.h>

#include <cctype>
#include <map>
#include <memory>
#include <set>

#include "model/document.h"
#include "shell/document_lifecycle.h"

namespace lumora {
namespace {

using Ids = std::set<int>;

void CollectCommands(const std::vector<MenuItem>& items, std::vector<int>& out) {
  for (const MenuItem& item : items) {
    if (item.kind == MenuItem::Kind::Command) out.push_back(item.command);
    if (item.kind == MenuItem::Kind::Popup) CollectCommands(item.items, out);
  }
}

std::vector<int> MenuCommands(std::string_view menu) {
  std::vector<int> ids;
  CollectCommands(MenuLayout(menu), ids);
  return ids;
}

// Mnemonics are unique among the entries of one popup, and every entry has one.
void CheckMnemonics(const std::vector<MenuItem>& items, const std::string& where) {
  std::map<char, std::string> used;
  for (const MenuItem& item : items) {
    if (item.kind == MenuItem::Kind::Separator) continue;
    const std::string text = item.text;
    const std::size_t amp = text.find('&');
    ASSERT_NE(amp, std::string::npos) << where << ": " << text;
    ASSERT_LT(amp + 1, text.size()) << text;
    EXPECT_EQ(text.find('&', amp + 1), std::string::npos) << text;
    const char key = static_cast<char>(std::tolower(static_cast<unsigned char>(text[amp + 1])));
    EXPECT_TRUE(used.emplace(key, text).second)
        << where << ": " << text << " and " << used[key] << " share &" << key;
    if (item.kind == MenuItem::Kind::Popup) CheckMnemonics(item.items, text);
  }
}

TEST(CommandTable, TheMenusHoldEachCommandOnceAndOnlyWhatTheTableSaysIsThere) {
  std::set<int> ids;
  for (const CommandInfo& c : CommandTable()) EXPECT_TRUE(ids.insert(c.id).second) << c.id;

  const std::vector<int> full = MenuCommands("MENU_1");
  const std::vector<int> reduced = MenuCommands("MENU_3");
  EXPECT_EQ(std::set<int>(full.begin(), full.end()).size(), full.size());
  EXPECT_EQ(reduced, (std::vector<int>{201, 202, 24310, 205}));
  for (const CommandInfo& c : CommandTable()) {
    const bool onFull = std::find(full.begin(), full.end(), c.id) != full.end();
    const bool onReduced = std::find(reduced.begin(), reduced.end(), c.id) != reduced.end();
    EXPECT_EQ(onFull, c.place != MenuPlace::NoMenu) << c.id;
    EXPECT_EQ(onReduced, c.place == MenuPlace::BothMenus) << c.id;
    EXPECT_EQ(c.reducedText != nullptr, onReduced) << c.id;
    // A command not built has no handler that could pretend to work.
    if (c.implementation == Implementation::NotBuilt) {
      EXPECT_EQ(c.handler, nullptr) << c.id;
      EXPECT_STRNE(c.owner, "") << c.id;
    }
  }
  EXPECT_EQ(full.size() + 4, CommandTable().size());  // 134, 11849, 106, 107 have no item
  EXPECT_TRUE(MenuLayout("MENU_2").empty());

  CheckMnemonics(MenuLayout("MENU_1"), "MENU_1");
  CheckMnemonics(MenuLayout("MENU_3"), "MENU_3");
}

TEST(CommandTable, MenuTextsAreTheResourceTexts) {
  const auto text = [](int id) { return std::string(FindCommand(id)->text); };
  EXPECT_EQ(text(136), "Se&tup Preferences...");
  EXPECT_EQ(text(137), "Finalize and Save &for Company...");
  EXPECT_EQ(text(11842), "&Undo F1");
  EXPECT_EQ(text(11846), "&Last Month's Data from  Extract...");
  EXPECT_EQ(text(130), "Print Pairin&gs...");
  EXPECT_EQ(text(300), "e-&mail to...");
  EXPECT_EQ(text(150), "Show &Only Open Pairings");
  EXPECT_EQ(text(205), "&About Lumora and Support...");
  EXPECT_STREQ(FindCommand(205)->reducedText, "&About Lumora...");
  EXPECT_EQ(FindCommand(99), nullptr);

  const std::vector<MenuItem> menu = MenuLayout("MENU_1");
  ASSERT_EQ(menu.size(), 5u);
  EXPECT_STREQ(menu[0].text, "&File");
  EXPECT_STREQ(menu[4].text, "&Help");
  // File ends with Setup Preferences, a separator and Exit.
  const auto& file = menu[0].items;
  ASSERT_GE(file.size(), 3u);
  EXPECT_EQ(file[file.size() - 3].command, 136);
  EXPECT_EQ(file[file.size() - 2].kind, MenuItem::Kind::Separator);
  EXPECT_EQ(file.back().command, 24310);
}

class CommandStates : public ::testing::Test {
 protected:
  Ids Enabled() const {
    Ids ids;
    for (const CommandInfo& c : CommandTable())
      if (IsCommandEnabled(c, context)) ids.insert(c.id);
    return ids;
  }

  std::unique_ptr<TDocument> doc = std::make_unique<TDocument>();
  CommandContext context{doc.get()};
};

TEST_F(CommandStates, NothingRunsBeforeTheDocumentExists) {
  const CommandContext none;
  for (const CommandInfo& c : CommandTable()) EXPECT_FALSE(IsCommandEnabled(c, none)) << c.id;
  EXPECT_STREQ(MenuName(none), "MENU_3");
}

TEST_F(CommandStates, EachDocumentStateEnablesItsCommands) {
  doc->DocState = kNoDocument;
  EXPECT_STREQ(MenuName(context), "MENU_3");
  EXPECT_EQ(Enabled(), (Ids{201, 202, 24310, 205, 134, 11849}));
  context.helpAvailable = true;
  EXPECT_EQ(Enabled(), (Ids{201, 202, 24310, 205, 134, 11849, 106, 107}));
  context.helpAvailable = false;

  // A new month: untitled, grid hidden, a captains' file.
  doc->DocState = kDocumentLoaded;
  doc->Untitled = 1;
  EXPECT_STREQ(MenuName(context), "MENU_1");
  const Ids fresh{201, 202, 204, 128, 11853, 901, 136, 24310, 140,   103,
                  350, 11852, 205, 134, 11849, 11842, 200, 108, 150};
  EXPECT_EQ(Enabled(), fresh);

  // A named file adds Save; the calculator needs a calculator.
  doc->Untitled = 0;
  context.calculatorAvailable = true;
  Ids named = fresh;
  named.insert({203, 155});
  EXPECT_EQ(Enabled(), named);

  // Viewer and company files are schedule files to the commands.
  for (std::int32_t kind : {kRosterViewerFile, kScheduleViewerFile, kCompanyFile}) {
    doc->FileKind = kind;
    EXPECT_EQ(Enabled(), named) << kind;
  }

  // The grid shown enables its two floating windows.
  doc->BlocksShown = 1;
  named.insert({101, 102});
  EXPECT_EQ(Enabled(), named);

  // Flight-attendant files swap the two window commands: the filter window
  // (not written yet) is theirs, the bids window only answers.
  doc->CrewType = 2;
  Ids cabin = named;
  cabin.erase(103);
  cabin.insert(11854);
  EXPECT_EQ(Enabled(), cabin);
  doc->BlocksShown = 0;
  for (int id : {11854, 101, 102}) cabin.erase(id);
  EXPECT_EQ(Enabled(), cabin);
}

TEST_F(CommandStates, CommandsNotBuiltStayDisabledAndUncheckedWhateverTheState) {
  for (int state : {kNoDocument, kDocumentLoaded})
    for (int untitled : {0, 1})
      for (int shown : {0, 1})
        for (std::uint8_t crew : {0, 1, 2}) {
          doc->DocState = state;
          doc->Untitled = static_cast<std::uint8_t>(untitled);
          doc->BlocksShown = static_cast<std::uint8_t>(shown);
          doc->CrewType = crew;
          doc->PairWindowVisible = doc->ToolboxWindowVisible = 1;
          doc->view.blockFilters.fill(1);
          doc->BlockSearchOn = 1;
          context.mailAvailable = true;
          for (const CommandInfo& c : CommandTable()) {
            if (c.implementation != Implementation::NotBuilt) continue;
            EXPECT_FALSE(IsCommandEnabled(c, context)) << c.id;
            EXPECT_FALSE(IsCommandChecked(c, context)) << c.id;
          }
          // "Roster from Extract..." is never enabled.
          EXPECT_FALSE(IsCommandEnabled(*FindCommand(11845), context));
        }
}

TEST(ToolBar, ButtonsRunTheirCommandsAndFollowTheirState) {
  const auto bar = ToolBarLayout();
  std::vector<int> buttons;
  for (const ToolBarItem& item : bar)
    if (item.kind == ToolBarItem::Kind::Button) buttons.push_back(item.command);
  EXPECT_EQ(buttons, (std::vector<int>{201, 202, 203, 204, 205}));
  ASSERT_EQ(bar.size(), 9u);
  EXPECT_EQ(bar[4].kind, ToolBarItem::Kind::Separator);
  EXPECT_EQ(bar[6].kind, ToolBarItem::Kind::Separator);
  EXPECT_EQ(bar[7].kind, ToolBarItem::Kind::OpenTimeGauge);
  EXPECT_EQ(bar[7].width, 200);
  EXPECT_EQ(bar[7].height, 20);
  EXPECT_EQ(bar[8].kind, ToolBarItem::Kind::TimeBankText);
  EXPECT_EQ(bar[8].width, 100);
  EXPECT_EQ(bar[8].height, 15);

  // The Save button is disabled while the document is untitled, like the menu item.
  auto doc = std::make_unique<TDocument>();
  doc->DocState = kDocumentLoaded;
  doc->Untitled = 1;
  EXPECT_FALSE(IsCommandEnabled(*FindCommand(bar[2].command), CommandContext{doc.get()}));
}

TEST(Keys, MapToTheirCommands) {
  auto doc = std::make_unique<TDocument>();
  const CommandContext pilots{doc.get()};
  const std::map<ShellKey, int> expected{
      {ShellKey::Tab, 150},      {ShellKey::F3, 150},   {ShellKey::F1, 11842},
      {ShellKey::F4, 101},       {ShellKey::F5, 102},   {ShellKey::F6, 103},
      {ShellKey::F8, 129},       {ShellKey::F9, 127},   {ShellKey::Equals, 225},
      {ShellKey::Insert, 11854}, {ShellKey::F7, 0},     {ShellKey::F2, 0},
      {ShellKey::Up, 0},         {ShellKey::Escape, 0}, {ShellKey::Left, 0},
      {ShellKey::Right, 0},
  };
  for (const auto& [key, id] : expected)
    EXPECT_EQ(CommandForKey(key, pilots), id) << static_cast<int>(key);
  doc->CrewType = 2;
  EXPECT_EQ(CommandForKey(ShellKey::Insert, pilots), 0);
}

}  // namespace
}  // namespace lumora
