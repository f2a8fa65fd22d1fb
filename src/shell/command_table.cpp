#include "shell/command_table.h"

#include <algorithm>
#include <array>

#include "model/document.h"
#include "shell/document_lifecycle.h"
#include "shell/shell_texts.h"

namespace lumora {

namespace {

// --- enabling rules. Without a document nothing is enabled (see
// IsCommandEnabled), so the rules may take it as present.

bool Always(const CommandContext&) {
  return true;
}
bool Never(const CommandContext&) {
  return false;
}
bool DocumentExists(const CommandContext& c) {
  return c.doc->DocState != kNoDocument;
}
bool SaveAllowed(const CommandContext& c) {
  return DocumentExists(c) && !c.doc->Untitled;
}
bool HasFileName(const CommandContext& c) {
  return !c.doc->Untitled;
}
bool MailAllowed(const CommandContext& c) {
  return HasFileName(c) && c.mailAvailable;
}
bool BlocksShown(const CommandContext& c) {
  return c.doc->BlocksShown != 0;
}
bool FlightAttendants(const CommandContext& c) {
  return c.doc->crewKind() == CrewKind::FlightAttendants;
}
bool PilotFile(const CommandContext& c) {
  return !FlightAttendants(c);
}
bool BlocksShownInPilotFile(const CommandContext& c) {
  return BlocksShown(c) && PilotFile(c);
}
bool CalculatorFound(const CommandContext& c) {
  return c.calculatorAvailable;
}
bool HelpPageFound(const CommandContext& c) {
  return c.helpAvailable;
}

// --- check marks
bool PairWindowShown(const CommandContext& c) {
  return c.doc->PairWindowVisible != 0;
}
// The pairing window shows open instances only: its menu item is ticked, so
// that the mode can be seen without looking for grey frames.
bool OnlyOpenPairingsShown(const CommandContext& c) {
  return c.doc->ShowAssignedPairs == 0;
}
bool ToolboxShown(const CommandContext& c) {
  return c.doc->ToolboxWindowVisible != 0;
}
bool BidsWindowShown(const CommandContext& c) {
  return c.doc->BidsWindowVisible != 0;
}
template <int Id>
bool FilterDown(const CommandContext& c) {
  return IsBlockFilterOn(*c.doc, Id);
}

constexpr CommandInfo Done(int id, MenuPlace place, const char* text, CommandRule rule) {
  return {id, place, text, nullptr, rule, Implementation::Built, nullptr, nullptr, ""};
}

// A block filter: checked while its button is down.
template <int Id>
constexpr CommandInfo FilterCommand(const char* text, CommandRule rule) {
  return {Id,      MenuPlace::FullMenu, text, nullptr, rule, Implementation::Built,
          nullptr, FilterDown<Id>,      ""};
}

constexpr CommandInfo Later(int id, const char* text, CommandRule rule, const char* owner,
                            CommandRule checked = nullptr) {
  return {id,   MenuPlace::FullMenu,      text,    nullptr,
          rule, Implementation::NotBuilt, nullptr, checked,
          owner};
}

using namespace command;
using M = MenuPlace;

constexpr std::array kCommands{
    // File
    CommandInfo{kNew, M::BothMenus, "&New...", "&New...", Always, Implementation::Built, nullptr,
                nullptr, ""},
    CommandInfo{kOpen, M::BothMenus, "&Open...", "&Open...", Always, Implementation::Built, nullptr,
                nullptr, ""},
    Done(kSave, M::FullMenu, "&Save", SaveAllowed),
    Done(kSaveAs, M::FullMenu, "Save &As...", DocumentExists),
    Done(kEmail, M::FullMenu, "e-&mail to...", MailAllowed),
    Done(kBackup, M::FullMenu, "&Backup...", HasFileName),
    Done(kPrintBlocks, M::FullMenu, "&Print Blocks...", BlocksShown),
    Done(kPrintBlocksToClipboard, M::FullMenu, "Print Blocks to &Clipboard", Always),
    Done(kPrintPairings, M::FullMenu, "Print Pairin&gs...", BlocksShown),
    Done(kPrintSetup, M::FullMenu, "Print Set&up...", Always),
    Done(kPairingReportToClipboard, M::FullMenu, "Print Pairing &Report to Clipboard", Always),
    // The roster is imported by the new-file wizard only.
    Later(kImportRoster, "&Roster from Extract...", Never, "new-file wizard"),
    Done(kImportAbsences, M::FullMenu, "&Crew Absences from Extract...", Always),
    Done(kImportNextMonthAbsences, M::FullMenu, "&Next Month's Absences from Extract...", Always),
    Done(kImportLastMonth, M::FullMenu, "&Last Month's Data from  Extract...", Always),
    Done(kImportPairings, M::FullMenu, "This &Month's Pairings...", Always),
    Done(kImportLis, M::FullMenu, "AC Type and &French Data from LIS Files...", Always),
    Done(kImportBids, M::FullMenu, "&Pilot Bids...", Always),
    Done(kImportBawLin, M::FullMenu, "Crew Blocks from B&AW and LIN...", Always),
    Done(kImportToolbox, M::FullMenu, "&ToolBox Items...", Always),
    Done(kSaveInternetFiles, M::FullMenu, "Save &Internet .htm and .csv files", Always),
    Done(kExportBawLin, M::FullMenu, "&Export Schedules for Bornemann CrewTrac", Always),
    Done(kSaveForCompany, M::FullMenu, "Finalize and Save &for Company...", Always),
    Done(kTrainingReport, M::FullMenu, "Generate &Training Report...", Always),
    Done(kSaveForViewer, M::FullMenu, "Save for &Viewer...", Always),
    Done(kPreferences, M::FullMenu, "Se&tup Preferences...", Always),
    CommandInfo{kExit, M::BothMenus, "E&xit", "E&xit", Always, Implementation::Built, nullptr,
                nullptr, ""},
    // Edit
    Done(kCopyBlocks, M::FullMenu, "Copy &Blocks to Clipboard", BlocksShown),
    Done(kRoster, M::FullMenu, "&Roster...", Always),
    Done(kMonth, M::FullMenu, "&Month...", Always),
    Done(kPairingEditor, M::FullMenu, "&Pairings...", Always),
    Done(kCrewComplement, M::FullMenu, "&Change Pairing Crew Complement...", Always),
    Done(kUndo, M::FullMenu, "&Undo F1", Always),
    // Build
    Done(kBuildBlocks, M::FullMenu, "&Build Blocks", Always),
    Done(kProposeBlocks, M::FullMenu, "&Propose Blocks...", BlocksShown),
    // View
    CommandInfo{kPairingsWindow, M::FullMenu, "&Pairings Window", nullptr, BlocksShown,
                Implementation::Built, nullptr, PairWindowShown, ""},
    CommandInfo{kToolbox, M::FullMenu, "&ToolBox", nullptr, BlocksShown, Implementation::Built,
                nullptr, ToolboxShown, ""},
    // In pilot files the filter window is reached from the bids window.
    Done(kPairingFiltersWindow, M::FullMenu, "Pairing &Filters Window", Always),
    CommandInfo{kBidsWindow, M::FullMenu, "&Bids Window", nullptr, BlocksShown,
                Implementation::Built, nullptr, BidsWindowShown, ""},
    FilterCommand<kHideLeaveBlocks>("Hide &Leave Blocks", BlocksShown),
    FilterCommand<kHideCompleted>("Hide &Completed Blocks", BlocksShown),
    FilterCommand<kHideCheckPilots>("Hide Check &Pilot Blocks", BlocksShownInPilotFile),
    FilterCommand<kHideBlockHolders>("Hide &Block Holders", BlocksShown),
    FilterCommand<kShowBlockHolders>("Show Only &Blockholders", BlocksShown),
    FilterCommand<kShowCheckPilots>("Show Only &Check Pilots", BlocksShown),
    FilterCommand<kShowLtc>("Show Only &LTC", BlocksShown),
    FilterCommand<kSearchFilter>("&Display Only Blocks Matching Search String", BlocksShown),
    Done(kHistory, M::FullMenu, "&History", Always),
    Done(kWarnings, M::FullMenu, "&Warnings and Exceptions", Always),
    CommandInfo{kShowOnlyOpenPairings, M::FullMenu, "Show &Only Open Pairings", nullptr, Always,
                Implementation::Built, nullptr, OnlyOpenPairingsShown, ""},
    Done(kCalculator, M::FullMenu, "&Calculator", CalculatorFound),
    Done(kSharedNotes, M::FullMenu, "Sh&ared Notes for File...", Always),
    Done(kGlobalInfo, M::FullMenu, "&Global Info...", Always),
    // Help
    Done(kKeyboardShortcuts, M::FullMenu, "&Keyboard Shortcuts", Always),
    CommandInfo{kAbout, M::BothMenus, "&About Lumora and Support...", "&About Lumora...", Always,
                Implementation::Built, nullptr, nullptr, ""},
    // The manual, on both menus: it is what a new user looks for first.
    CommandInfo{kHelpIndex, M::BothMenus, "&Contents", "&Contents", HelpPageFound,
                Implementation::Built, nullptr, nullptr, ""},
    // No menu item: two ids that do nothing, and the help on help.
    Done(kNoAction1, M::NoMenu, nullptr, Always),
    Done(kNoAction2, M::NoMenu, nullptr, Always),
    Done(kHelpOnHelp, M::NoMenu, nullptr, HelpPageFound),
};

MenuItem Item(int id, bool reduced = false) {
  const CommandInfo* c = FindCommand(id);
  return {MenuItem::Kind::Command, id, reduced ? c->reducedText : c->text, {}};
}
MenuItem Separator() {
  return {MenuItem::Kind::Separator, 0, "", {}};
}
MenuItem Popup(const char* text, std::vector<MenuItem> items) {
  return {MenuItem::Kind::Popup, 0, text, std::move(items)};
}

std::vector<MenuItem> FullMenu() {
  return {
      Popup(
          "&File",
          {Item(kNew), Item(kOpen), Item(kSave), Item(kSaveAs), Item(kEmail), Item(kBackup),
           Popup("&Print", {Item(kPrintBlocks), Item(kPrintBlocksToClipboard), Item(kPrintPairings),
                            Item(kPrintSetup), Item(kPairingReportToClipboard)}),
           Popup("&Import",
                 {Item(kImportRoster), Item(kImportAbsences), Item(kImportNextMonthAbsences),
                  Item(kImportLastMonth), Item(kImportPairings), Item(kImportLis),
                  Item(kImportBids), Item(kImportBawLin), Item(kImportToolbox)}),
           Popup("&Export", {Item(kSaveInternetFiles), Item(kExportBawLin), Item(kSaveForCompany),
                             Item(kTrainingReport), Item(kSaveForViewer)}),
           Item(kPreferences), Separator(), Item(kExit)}),
      Popup("&Edit", {Item(kCopyBlocks), Separator(), Item(kRoster), Item(kMonth),
                      Item(kPairingEditor), Item(kCrewComplement), Separator(), Item(kUndo)}),
      Popup("&Build", {Item(kBuildBlocks), Item(kProposeBlocks)}),
      Popup("&View", {Item(kPairingsWindow), Item(kToolbox), Item(kPairingFiltersWindow),
                      Item(kBidsWindow), Separator(),
                      Popup("Hid&e Blocks", {Item(kHideLeaveBlocks), Item(kHideCompleted),
                                             Item(kHideCheckPilots), Item(kHideBlockHolders)}),
                      Popup("&Show Blocks",
                            {Item(kShowBlockHolders), Item(kShowCheckPilots), Item(kShowLtc)}),
                      Item(kSearchFilter), Separator(), Item(kHistory), Separator(),
                      Item(kWarnings), Separator(), Item(kShowOnlyOpenPairings), Separator(),
                      Item(kCalculator), Separator(), Item(kSharedNotes), Item(kGlobalInfo)}),
      Popup("&Help", {Item(kHelpIndex), Item(kKeyboardShortcuts), Separator(), Item(kAbout)}),
  };
}

std::vector<MenuItem> ReducedMenu() {
  return {
      Popup("&File", {Item(kNew, true), Item(kOpen, true), Separator(), Item(kExit, true)}),
      Popup("&Help", {Item(kHelpIndex, true), Separator(), Item(kAbout, true)}),
  };
}

constexpr std::array kToolBar{
    ToolBarItem{ToolBarItem::Kind::Button, kNew, "New", 0, 0},
    ToolBarItem{ToolBarItem::Kind::Button, kOpen, "Open", 0, 0},
    ToolBarItem{ToolBarItem::Kind::Button, kSave, "Save", 0, 0},
    ToolBarItem{ToolBarItem::Kind::Button, kSaveAs, "Save As", 0, 0},
    ToolBarItem{ToolBarItem::Kind::Separator, 0, "", 0, 0},
    ToolBarItem{ToolBarItem::Kind::Button, kAbout, "About Lumora and Support", 0, 0},
    ToolBarItem{ToolBarItem::Kind::Separator, 0, "", 0, 0},
    ToolBarItem{ToolBarItem::Kind::OpenTimeGauge, 0, "", 200, 20},
    ToolBarItem{ToolBarItem::Kind::TimeBankText, 0, "", 100, 15},
};

}  // namespace

std::span<const CommandInfo> CommandTable() {
  return kCommands;
}

const CommandInfo* FindCommand(int id) {
  const auto found = std::find_if(kCommands.begin(), kCommands.end(),
                                  [id](const CommandInfo& c) { return c.id == id; });
  return found == kCommands.end() ? nullptr : &*found;
}

const char* MenuName(const CommandContext& context) {
  return context.doc != nullptr && context.doc->DocState == kDocumentLoaded
             ? shell_text::kMenuDocument
             : shell_text::kMenuNoDocument;
}

bool IsCommandEnabled(const CommandInfo& command, const CommandContext& context) {
  if (context.doc == nullptr) return false;
  if (command.place == MenuPlace::FullMenu &&
      std::string_view(MenuName(context)) != shell_text::kMenuDocument)
    return false;
  if (!command.enabled(context)) return false;
  switch (command.implementation) {
    case Implementation::Built:
      return true;
    case Implementation::NotBuilt:
      return false;
    case Implementation::Partly:
      return command.builtFor(context);
  }
  return false;
}

bool IsCommandChecked(const CommandInfo& command, const CommandContext& context) {
  return context.doc != nullptr && command.checked != nullptr &&
         command.implementation != Implementation::NotBuilt && command.checked(context);
}

std::vector<MenuItem> MenuLayout(std::string_view menuName) {
  if (menuName == shell_text::kMenuDocument) return FullMenu();
  if (menuName == shell_text::kMenuNoDocument) return ReducedMenu();
  return {};
}

std::span<const ToolBarItem> ToolBarLayout() {
  return kToolBar;
}

int CommandForKey(ShellKey key, const CommandContext& context) {
  switch (key) {
    case ShellKey::Tab:
    case ShellKey::F3:
      return kShowOnlyOpenPairings;
    case ShellKey::F1:
      return kUndo;
    case ShellKey::F4:
      return kPairingsWindow;
    case ShellKey::F5:
      return kToolbox;
    case ShellKey::F6:
      return kPairingFiltersWindow;
    case ShellKey::F8:
      return kBackup;
    case ShellKey::F9:
      return kGlobalInfo;
    case ShellKey::Equals:
      return kPairingReportToClipboard;
    case ShellKey::Insert:
      // The bids window of pilot files; flight-attendant files have none.
      return context.doc != nullptr && PilotFile(context) ? kBidsWindow : 0;
    default:
      // F2 and F7 do nothing; the arrows and Esc act on the grid itself.
      return 0;
  }
}

std::string_view KeyTextOf(int command, const CommandContext& context) {
  struct KeyName {
    ShellKey key;
    std::string_view text;
  };
  // F3 before Tab: both filter the pairings, the menu names the first.
  static constexpr KeyName kNames[] = {
      {ShellKey::F1, "F1"},    {ShellKey::F2, "F2"},      {ShellKey::F3, "F3"},
      {ShellKey::F4, "F4"},    {ShellKey::F5, "F5"},      {ShellKey::F6, "F6"},
      {ShellKey::F7, "F7"},    {ShellKey::F8, "F8"},      {ShellKey::F9, "F9"},
      {ShellKey::Equals, "="}, {ShellKey::Insert, "Ins"}, {ShellKey::Tab, "Tab"},
  };
  if (command == 0) return {};
  for (const KeyName& name : kNames)
    if (CommandForKey(name.key, context) == command) return name.text;
  return {};
}

std::string_view DesktopKeyOf(int command) {
  switch (command) {
    case kNew:
      return "Ctrl+N";
    case kOpen:
      return "Ctrl+O";
    case kSave:
      return "Ctrl+S";
    case kSaveAs:
      return "Ctrl+Shift+S";
    case kExit:
      return "Ctrl+Q";
    case kHelpIndex:
      return "Ctrl+F1";
    default:
      return {};
  }
}

}  // namespace lumora
