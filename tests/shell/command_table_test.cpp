#include "shell/command_table.h"

#include <gtest/gtest.h>

#include <cctype>
#include <map>
#include <memory>
#include <set>
#include <stdexcept>

#include "model/document.h"
#include "shell/command_registry.h"
#include "shell/document_lifecycle.h"

namespace lumora {
namespace {

using namespace command;

using Ids = std::set<int>;

void CollectCommands(const std::vector<MenuItem>& items, std::vector<int>& out) {
  for (const MenuItem& item : items) {
    if (item.kind == MenuItem::Kind::Command) out.push_back(item.command);
    if (item.kind == MenuItem::Kind::Popup) CollectCommands(item.items, out);
  }
}

// Every entry of a popup has one mnemonic, unique within the popup.
void CheckMnemonics(const std::vector<MenuItem>& items) {
  std::map<char, std::string> used;
  for (const MenuItem& item : items) {
    if (item.kind == MenuItem::Kind::Separator) continue;
    const std::string text = item.text;
    const std::size_t amp = text.find('&');
    ASSERT_LT(amp + 1, text.size()) << text;
    EXPECT_EQ(text.find('&', amp + 1), std::string::npos) << text;
    const char key = static_cast<char>(std::tolower(static_cast<unsigned char>(text[amp + 1])));
    EXPECT_TRUE(used.emplace(key, text).second) << text << " and " << used[key];
    if (item.kind == MenuItem::Kind::Popup) CheckMnemonics(item.items);
  }
}

TEST(CommandTable, TheMenusHoldEachCommandOnceAndOnlyWhatTheTableSaysIsThere) {
  std::vector<int> full, reduced;
  CollectCommands(MenuLayout("MENU_1"), full);
  CollectCommands(MenuLayout("MENU_3"), reduced);
  EXPECT_EQ(Ids(full.begin(), full.end()).size(), full.size());
  EXPECT_EQ(reduced, (std::vector<int>{kNew, kOpen, kExit, kHelpIndex, kAbout}));
  Ids ids;
  for (const CommandInfo& c : CommandTable()) {
    EXPECT_TRUE(ids.insert(c.id).second) << c.id;
    const bool onFull = std::find(full.begin(), full.end(), c.id) != full.end();
    const bool onReduced = std::find(reduced.begin(), reduced.end(), c.id) != reduced.end();
    EXPECT_EQ(onFull, c.place != MenuPlace::NoMenu) << c.id;
    EXPECT_EQ(onReduced, c.place == MenuPlace::BothMenus) << c.id;
    EXPECT_EQ(c.reducedText != nullptr, onReduced) << c.id;
  }
  EXPECT_EQ(full.size() + 3,
            CommandTable().size());  // kNoAction1, kNoAction2, kHelpOnHelp have no item
  EXPECT_TRUE(MenuLayout("MENU_2").empty());
  CheckMnemonics(MenuLayout("MENU_1"));
  CheckMnemonics(MenuLayout("MENU_3"));

  // Texts as the user reads them, odd spacing included.
  EXPECT_STREQ(FindCommand(kImportLastMonth)->text, "&Last Month's Data from  Extract...");
  EXPECT_STREQ(FindCommand(kAbout)->text, "&About Lumora and Support...");
  EXPECT_STREQ(FindCommand(kAbout)->reducedText, "&About Lumora...");
  EXPECT_EQ(FindCommand(99), nullptr);
  // File ends with Setup Preferences, a separator and Exit.
  const std::vector<MenuItem> file = MenuLayout("MENU_1")[0].items;
  ASSERT_GE(file.size(), 3u);
  EXPECT_EQ(file[file.size() - 3].command, kPreferences);
  EXPECT_EQ(file[file.size() - 2].kind, MenuItem::Kind::Separator);
  EXPECT_EQ(file.back().command, kExit);
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

TEST_F(CommandStates, EachDocumentStateEnablesItsCommands) {
  for (const CommandInfo& c : CommandTable()) EXPECT_FALSE(IsCommandEnabled(c, {})) << c.id;
  EXPECT_STREQ(MenuName(CommandContext{}), "MENU_3");

  doc->DocState = kNoDocument;
  EXPECT_STREQ(MenuName(context), "MENU_3");
  EXPECT_EQ(Enabled(), (Ids{kNew, kOpen, kExit, kAbout, kNoAction1, kNoAction2}));
  context.helpAvailable = true;
  EXPECT_EQ(Enabled(),
            (Ids{kNew, kOpen, kExit, kAbout, kNoAction1, kNoAction2, kHelpIndex, kHelpOnHelp}));
  context.helpAvailable = false;

  // A new month: untitled, grid hidden, a captains' file.
  doc->DocState = kDocumentLoaded;
  doc->Untitled = 1;
  EXPECT_STREQ(MenuName(context), "MENU_1");
  const Ids fresh{kNew,
                  kOpen,
                  kSaveAs,
                  kImportAbsences,
                  kImportNextMonthAbsences,
                  kImportPairings,
                  kImportLis,
                  kImportToolbox,
                  kImportLastMonth,
                  kImportBids,
                  kPreferences,
                  kExit,
                  kBuildBlocks,
                  kPairingFiltersWindow,
                  kSharedNotes,
                  kKeyboardShortcuts,
                  kAbout,
                  kNoAction1,
                  kNoAction2,
                  kUndo,
                  kHistory,
                  kWarnings,
                  kShowOnlyOpenPairings,
                  kMonth,
                  kRoster,
                  kGlobalInfo,
                  kPairingReportToClipboard,
                  kImportBawLin,
                  kExportBawLin,
                  kSaveForCompany,
                  kSaveForViewer,
                  kPrintBlocksToClipboard,
                  kSaveInternetFiles,
                  kTrainingReport,
                  kPrintSetup,
                  kPairingEditor,
                  kCrewComplement};
  EXPECT_EQ(Enabled(), fresh);

  // A named file adds Save and Backup; the calculator needs a calculator.
  doc->Untitled = 0;
  context.calculatorAvailable = true;
  Ids named = fresh;
  named.insert({kSave, kBackup, kCalculator});
  EXPECT_EQ(Enabled(), named);
  // E-mail needs the desktop's mail program too.
  context.mailAvailable = true;
  named.insert(kEmail);
  EXPECT_EQ(Enabled(), named);
  // Viewer and company files are schedule files to the commands.
  for (std::int32_t kind : {kRosterViewerFile, kScheduleViewerFile, kCompanyFile}) {
    doc->FileKind = kind;
    EXPECT_EQ(Enabled(), named) << kind;
  }

  // The grid shown enables its floating windows and the printouts.
  doc->BlocksShown = 1;
  named.insert({kPairingsWindow, kToolbox, kBidsWindow, kCopyBlocks, kPrintBlocks, kPrintPairings,
                kProposeBlocks});
  // And the block filters.
  const Ids filters{kHideLeaveBlocks,  kHideCompleted,   kHideCheckPilots, kHideBlockHolders,
                    kShowBlockHolders, kShowCheckPilots, kShowLtc,         kSearchFilter};
  named.insert(filters.begin(), filters.end());
  EXPECT_EQ(Enabled(), named);

  // Flight-attendant files answer the bids window with a message, and have
  // no check pilot filter.
  doc->CrewType = 2;
  Ids cabin = named;
  cabin.erase(kHideCheckPilots);
  EXPECT_EQ(Enabled(), cabin);
  doc->BlocksShown = 0;
  for (int id : {kBidsWindow, kPairingsWindow, kToolbox, kCopyBlocks, kPrintBlocks, kPrintPairings,
                 kProposeBlocks})
    cabin.erase(id);
  for (int id : filters) cabin.erase(id);
  EXPECT_EQ(Enabled(), cabin);
}

TEST_F(CommandStates, WindowTogglesAreTickedWhileTheirStateIsOn) {
  const struct {
    int command;
    std::uint8_t TDocument::*flag;
    std::uint8_t on;
  } cases[] = {{kPairingsWindow, &TDocument::PairWindowVisible, 1},
               {kToolbox, &TDocument::ToolboxWindowVisible, 1},
               {kShowOnlyOpenPairings, &TDocument::ShowAssignedPairs, 0}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.command);
    doc.get()->*c.flag = c.on;
    EXPECT_TRUE(IsCommandChecked(*FindCommand(c.command), context));
    doc.get()->*c.flag = static_cast<std::uint8_t>(1 - c.on);
    EXPECT_FALSE(IsCommandChecked(*FindCommand(c.command), context));
  }
}

TEST_F(CommandStates, CommandsNotBuiltStayDisabledAndUncheckedWhateverTheState) {
  doc->PairWindowVisible = doc->ToolboxWindowVisible = doc->BlockSearchOn = 1;
  doc->view.blockFilters.fill(1);
  context.mailAvailable = true;
  for (int state : {kNoDocument, kDocumentLoaded})
    for (std::uint8_t flags = 0; flags < 12; ++flags) {
      doc->DocState = state;
      doc->Untitled = static_cast<std::uint8_t>(flags & 1);
      doc->BlocksShown = static_cast<std::uint8_t>((flags >> 1) & 1);
      doc->CrewType = static_cast<std::uint8_t>(flags >> 2);
      for (const CommandInfo& c : CommandTable()) {
        if (c.implementation != Implementation::NotBuilt) continue;
        EXPECT_FALSE(IsCommandEnabled(c, context)) << c.id;
        EXPECT_FALSE(IsCommandChecked(c, context)) << c.id;
      }
      // "Roster from Extract..." is never enabled.
      EXPECT_FALSE(IsCommandEnabled(*FindCommand(kImportRoster), context));
    }
}

TEST(Keys, MapToTheirCommandsAndTheToolBarToItsButtons) {
  auto doc = std::make_unique<TDocument>();
  const CommandContext pilots{doc.get()};
  const std::pair<ShellKey, int> keys[] = {{ShellKey::Tab, kShowOnlyOpenPairings},
                                           {ShellKey::F3, kShowOnlyOpenPairings},
                                           {ShellKey::F6, kPairingFiltersWindow},
                                           {ShellKey::Equals, kPairingReportToClipboard},
                                           {ShellKey::Insert, kBidsWindow},
                                           {ShellKey::F7, 0},
                                           {ShellKey::Left, 0}};
  for (const auto& [key, id] : keys)
    EXPECT_EQ(CommandForKey(key, pilots), id) << static_cast<int>(key);
  doc->CrewType = 2;
  EXPECT_EQ(CommandForKey(ShellKey::Insert, pilots), 0);

  std::vector<int> buttons;
  for (const ToolBarItem& item : ToolBarLayout())
    if (item.kind == ToolBarItem::Kind::Button) buttons.push_back(item.command);
  EXPECT_EQ(buttons, (std::vector<int>{kNew, kOpen, kSave, kSaveAs, kAbout}));
}

}  // namespace
}  // namespace lumora

namespace lumora {
namespace {

TEST(CommandRegistry, EveryBuiltCommandHasOneHandlerAndNoOtherIdCanHaveOne) {
  const CommandRegistry all = AllCommands();  // throws when a built command has no handler
  for (const CommandInfo& c : CommandTable())
    EXPECT_EQ(all.find(c.id) != nullptr, c.implementation != Implementation::NotBuilt) << c.id;

  CommandRegistry commands;
  const CommandHandler nothing = [](LumoraApp&) {};
  commands.add(command::kSave, nothing);
  EXPECT_THROW(commands.add(command::kSave, nothing), std::logic_error);
  EXPECT_THROW(commands.add(99, nothing), std::logic_error);
  EXPECT_THROW(commands.add(command::kImportRoster, nothing), std::logic_error);  // not built
  EXPECT_THROW(commands.add(command::kOpen, CommandHandler{}), std::logic_error);
  EXPECT_THROW(commands.requireComplete(), std::logic_error);
}

}  // namespace
}  // namespace lumora
