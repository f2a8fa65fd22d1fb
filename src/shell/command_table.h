#pragma once
// The main window's commands in one table: id, menu text and enabling rule,
// with the menus, the tool bar and the keys that lead to them. Handlers are
// not here: each feature registers its own (command_registry.h). A command
// whose behaviour is not written yet is in the table, disabled, and says
// where its behaviour will live.

#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

namespace lumora {

class TDocument;

namespace command {
// File
inline constexpr int kNew = 201;
inline constexpr int kOpen = 202;
inline constexpr int kSave = 203;
inline constexpr int kSaveAs = 204;
inline constexpr int kEmail = 300;
inline constexpr int kBackup = 129;
inline constexpr int kPrintBlocks = 124;
inline constexpr int kPrintBlocksToClipboard = 160;
inline constexpr int kPrintPairings = 130;
inline constexpr int kPrintSetup = 147;
inline constexpr int kPairingReportToClipboard = 225;
inline constexpr int kImportRoster = 11845;
inline constexpr int kImportAbsences = 11844;
inline constexpr int kImportNextMonthAbsences = 11848;
inline constexpr int kImportLastMonth = 11846;
inline constexpr int kImportPairings = 128;
inline constexpr int kImportLis = 11853;
inline constexpr int kImportBids = 11855;
inline constexpr int kImportBawLin = 11875;
inline constexpr int kImportToolbox = 901;
inline constexpr int kSaveInternetFiles = 11843;
inline constexpr int kExportBawLin = 135;
inline constexpr int kSaveForCompany = 137;
inline constexpr int kTrainingReport = 351;
inline constexpr int kSaveForViewer = 902;
inline constexpr int kPreferences = 136;
inline constexpr int kExit = 24310;
// Edit
inline constexpr int kCopyBlocks = 105;
inline constexpr int kRoster = 131;
inline constexpr int kMonth = 132;
inline constexpr int kPairingEditor = 133;
inline constexpr int kCrewComplement = 11847;
inline constexpr int kUndo = 11842;
// Build
inline constexpr int kBuildBlocks = 140;
inline constexpr int kProposeBlocks = 141;
// View
inline constexpr int kPairingsWindow = 101;
inline constexpr int kToolbox = 102;
inline constexpr int kPairingFiltersWindow = 103;
inline constexpr int kBidsWindow = 11854;
inline constexpr int kHideLeaveBlocks = 553;
inline constexpr int kHideCompleted = 552;
inline constexpr int kHideCheckPilots = 551;
inline constexpr int kHideBlockHolders = 554;
inline constexpr int kShowBlockHolders = 557;
inline constexpr int kShowCheckPilots = 555;
inline constexpr int kShowLtc = 556;
inline constexpr int kSearchFilter = 550;
inline constexpr int kHistory = 200;
inline constexpr int kWarnings = 108;
inline constexpr int kShowOnlyOpenPairings = 150;
inline constexpr int kCalculator = 155;
inline constexpr int kSharedNotes = 350;
inline constexpr int kGlobalInfo = 127;
// Help
inline constexpr int kKeyboardShortcuts = 11852;
inline constexpr int kAbout = 205;
inline constexpr int kHelpIndex = 106;  // Help > Contents: the manual
// No menu item
inline constexpr int kNoAction1 = 134;
inline constexpr int kNoAction2 = 11849;
inline constexpr int kHelpOnHelp = 107;
}  // namespace command

// What the enabling rules look at.
struct CommandContext {
  const TDocument* doc = nullptr;  // none before start-up has allocated it
  bool mailAvailable = false;
  bool calculatorAvailable = false;
  bool helpAvailable = false;
};

using CommandRule = bool (*)(const CommandContext&);

// The menus a command is on: the full menu only, both menus, or none (a
// command reached by a key or another window).
enum class MenuPlace : std::uint8_t { FullMenu, BothMenus, NoMenu };

enum class Implementation : std::uint8_t {
  Built,     // the behaviour exists
  NotBuilt,  // its behaviour is not written yet: always disabled
  Partly,    // built only where `builtFor` says; disabled elsewhere
};

struct CommandInfo {
  int id;
  MenuPlace place;
  const char* text;         // text on the full menu, with its "&" mnemonic
  const char* reducedText;  // text on the reduced menu, when it is there
  CommandRule enabled;      // the command's own rule
  Implementation implementation;
  CommandRule builtFor;  // for Partly
  CommandRule checked;   // null: never checked
  const char* owner;     // where the behaviour lives, for the ones not built
};

// Every command of the main window, in the order of the full menu.
std::span<const CommandInfo> CommandTable();
const CommandInfo* FindCommand(int id);

// True when the command can run now: it is on the menu being shown (commands
// without a menu item are not limited by that), its rule allows it and its
// behaviour exists for the document at hand.
bool IsCommandEnabled(const CommandInfo& command, const CommandContext& context);
bool IsCommandChecked(const CommandInfo& command, const CommandContext& context);

// The menu resource shown: the reduced menu until a document exists.
const char* MenuName(const CommandContext& context);

struct MenuItem {
  enum class Kind : std::uint8_t { Command, Separator, Popup };
  Kind kind = Kind::Command;
  int command = 0;              // Command
  const char* text = "";        // Command (the text for this menu) and Popup
  std::vector<MenuItem> items;  // Popup
};

// The menu bar of "MENU_1" or "MENU_3"; empty for another name.
std::vector<MenuItem> MenuLayout(std::string_view menuName);

struct ToolBarItem {
  enum class Kind : std::uint8_t { Button, Separator, OpenTimeGauge, TimeBankText };
  Kind kind = Kind::Button;
  int command = 0;        // Button
  const char* hint = "";  // Button: its tool tip
  int width = 0;          // gauge and text field, pixels
  int height = 0;
};

// The tool bar left of the block-filter buttons and the search controls.
std::span<const ToolBarItem> ToolBarLayout();

// Keys of the main window (also passed on by the pairing and toolbox windows).
enum class ShellKey : std::uint8_t {
  Tab,
  F1,
  F2,
  F3,
  F4,
  F5,
  F6,
  F7,
  F8,
  F9,
  Equals,
  Insert,
  Up,
  Down,
  Escape,
  Left,
  Right,
};

// The command a key press runs, or 0 when it runs none.
int CommandForKey(ShellKey key, const CommandContext& context);

// The key that runs `command` now, as a menu shows it beside the command's
// text ("F8", "="), or nothing.
std::string_view KeyTextOf(int command, const CommandContext& context);

// The desktop's usual key of a command, as the menus show it ("Ctrl+O"), or
// nothing: the file commands' keys and Ctrl+F1 for the manual (F1 is Undo
// here, with or without Shift). None is a key the program gives another
// meaning.
std::string_view DesktopKeyOf(int command);

}  // namespace lumora
