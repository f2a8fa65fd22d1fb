#pragma once
// Every key of the settings file with its section and default, in one place,
// so that no two readers of a key disagree. A few keys have one default in
// one use and another elsewhere; each such use has its own constant.

#include <span>
#include <string>
#include <string_view>

#include "platform/settings_store.h"

namespace lumora {

enum class SettingKind {
  Text,         // a text, read as it is
  Number,       // read as its leading decimal number
  Flag,         // "1" is on, any other value off
  NonZeroFlag,  // any value other than 0 is on
  Struct,       // written and read as a structure (no default)
};

struct SettingKey {
  std::string_view section;
  std::string_view key;
  std::string_view defaultText;  // what a text read gives when the key is missing
  int defaultInt;                // what a number read gives when the key is missing
  SettingKind kind;
};

inline constexpr std::string_view kSectionLm = "LM";
inline constexpr std::string_view kSectionClipboard = "CLIPBOARD";

// The thirteen display colours as 39 three-digit numbers (155 characters).
inline constexpr std::string_view kDefaultColorsText =
    "000,000,000,000,000,255,255,000,000,128,000,128,000,255,000,255,255,000,128,255,255,000,"
    "000,000,000,000,255,000,000,000,255,000,000,192,192,192,192,192,192";

// Display and behaviour switches (preferences dialog).
inline constexpr SettingKey kGrid{kSectionLm, "Grid", "0", 0, SettingKind::Flag};
inline constexpr SettingKey kLayovers{kSectionLm, "Layovers", "1", 1, SettingKind::Flag};
inline constexpr SettingKey kShowFullPair{kSectionLm, "ShowFullPair", "0", 0, SettingKind::Flag};
inline constexpr SettingKey kShowFullLayOver{kSectionLm, "ShowFullLayOver", "0", 0,
                                             SettingKind::Flag};
inline constexpr SettingKey kAutoSave{kSectionLm, "AutoSave", "1", 1, SettingKind::Flag};
inline constexpr SettingKey kRemindBackup{kSectionLm, "RemindBackup", "1", 1, SettingKind::Flag};
// The preferences dialog shows a missing key checked, but printing leaves the
// day-off requests out until the dialog has been confirmed once.
inline constexpr SettingKey kPrintXesInDialog{kSectionLm, "PrintXes", "1", 1, SettingKind::Flag};
inline constexpr SettingKey kPrintXesWhenPrinting{kSectionLm, "PrintXes", "0", 0,
                                                  SettingKind::Flag};
inline constexpr SettingKey kHoldCtrlKey{kSectionLm, "HoldCtrlKey", "1", 1, SettingKind::Flag};
inline constexpr SettingKey kAllowIllegal{kSectionLm, "AllowIllegal", "1", 1, SettingKind::Flag};
inline constexpr SettingKey kDebugFile{kSectionLm, "DebugFile", "0", 0, SettingKind::Flag};
inline constexpr SettingKey kDisableFtp{kSectionLm, "DisableFTP", "0", 0, SettingKind::Flag};
// Grid cell paddings. The preferences show the paddings in use, so that
// their OK with nothing changed keeps the grid as it is.
inline constexpr SettingKey kXPaddingAtStart{kSectionLm, "XPadding", "09", 9, SettingKind::Text};
inline constexpr SettingKey kYPaddingAtStart{kSectionLm, "YPadding", "05", 5, SettingKind::Text};
inline constexpr SettingKey kFont{kSectionLm, "Font", "", 0, SettingKind::Struct};
inline constexpr SettingKey kCustomColors{kSectionLm, "CustomColors", kDefaultColorsText, 0,
                                          SettingKind::Text};

// Block filter buttons and search check boxes, stored when the views close.
inline constexpr SettingKey kHideLeaveBlocks{kSectionLm, "HideLeaveBlocks", "0", 0,
                                             SettingKind::NonZeroFlag};
inline constexpr SettingKey kHideCompleted{kSectionLm, "HideCompleted", "0", 0,
                                           SettingKind::NonZeroFlag};
inline constexpr SettingKey kHideCheckPilots{kSectionLm, "HideCheckPilots", "0", 0,
                                             SettingKind::NonZeroFlag};
inline constexpr SettingKey kHideBlockHolders{kSectionLm, "HideBlockHolders", "0", 0,
                                              SettingKind::NonZeroFlag};
inline constexpr SettingKey kShowBlockHolders{kSectionLm, "ShowBlockHolders", "0", 0,
                                              SettingKind::NonZeroFlag};
inline constexpr SettingKey kShowCcp{kSectionLm, "ShowCCP", "0", 0, SettingKind::NonZeroFlag};
inline constexpr SettingKey kShowLtc{kSectionLm, "ShowLTC", "0", 0, SettingKind::NonZeroFlag};
inline constexpr SettingKey kFilterSearch{kSectionLm, "FilterSearch", "0", 0,
                                          SettingKind::NonZeroFlag};
inline constexpr SettingKey kNameCheck{kSectionLm, "NameCheck", "1", 1, SettingKind::NonZeroFlag};
inline constexpr SettingKey kEmpNumCheck{kSectionLm, "EmpNumCheck", "1", 1,
                                         SettingKind::NonZeroFlag};
inline constexpr SettingKey kPairCheck{kSectionLm, "PairCheck", "1", 1, SettingKind::NonZeroFlag};
inline constexpr SettingKey kBidCheck{kSectionLm, "BidCheck", "1", 1, SettingKind::NonZeroFlag};

// Folders of the file dialogs. The defaults name folders that do not exist
// here; the readers turn them into the home folder.
inline constexpr SettingKey kLastBlkPath{kSectionLm, "LastBlkPath", "c:\\", 0, SettingKind::Text};
inline constexpr SettingKey kLastBlkDrive{kSectionLm, "LastBlkDrive", "30", 30,
                                          SettingKind::Number};
inline constexpr SettingKey kLastPrgPath{kSectionLm, "LastPRGPath", "C:\\", 0, SettingKind::Text};
// The PRG import stores the same key under this spelling; keys compare
// without regard to case, and a new file keeps the spelling of its writer.
inline constexpr SettingKey kLastPrgPathWhenStoring{kSectionLm, "LastPrgPath", "C:\\", 0,
                                                    SettingKind::Text};
inline constexpr SettingKey kLastRosterPath{kSectionLm, "LastRosterPath", "", 0, SettingKind::Text};
inline constexpr SettingKey kLastCrewAbsPath{kSectionLm, "LastCrewAbsPath", "", 0,
                                             SettingKind::Text};
inline constexpr SettingKey kLastOverlapDataPath{kSectionLm, "LastOverlapDataPath", "", 0,
                                                 SettingKind::Text};
inline constexpr SettingKey kLastFrenchPath{kSectionLm, "LastFrenchPath", "", 0, SettingKind::Text};
inline constexpr SettingKey kLastBoxPath{kSectionLm, "LastBoxPath", "", 0, SettingKind::Text};
inline constexpr SettingKey kLastBawPath{kSectionLm, "LastBAWPath", "", 0, SettingKind::Text};
inline constexpr SettingKey kLastBackupPath{kSectionLm, "LastBackupPath", "C:\\", 0,
                                            SettingKind::Text};
inline constexpr SettingKey kLastBackupDateTimeOpt{kSectionLm, "LastBackupDateTimeOpt", "1", 1,
                                                   SettingKind::Flag};

// Last choices of the new-file wizard.
inline constexpr SettingKey kBuildingBase{kSectionLm, "BuildingBase", "4", 4, SettingKind::Number};
inline constexpr SettingKey kBuildingEqp{kSectionLm, "BuildingEqp", "1", 1, SettingKind::Number};
inline constexpr SettingKey kBuildingStatus{kSectionLm, "BuildingStatus", "0", 0,
                                            SettingKind::Number};

// Bids window position and size.
inline constexpr SettingKey kBidWinX{kSectionLm, "BidWinX", "200", 200, SettingKind::Number};
inline constexpr SettingKey kBidWinY{kSectionLm, "BidWinY", "300", 300, SettingKind::Number};
inline constexpr SettingKey kBidWinW{kSectionLm, "BidWinW", "960", 960, SettingKind::Number};
inline constexpr SettingKey kBidWinH{kSectionLm, "BidWinH", "340", 340, SettingKind::Number};

// Where the user left the pairing window (from the grid's top, and its
// height) and the toolbox (on the screen); -32000 for a place never chosen.
inline constexpr SettingKey kPairWinTop{kSectionLm, "PairWinTop", "-32000", -32000,
                                        SettingKind::Number};
inline constexpr SettingKey kPairWinH{kSectionLm, "PairWinH", "0", 0, SettingKind::Number};
inline constexpr SettingKey kToolboxX{kSectionLm, "ToolboxX", "-32000", -32000,
                                      SettingKind::Number};
inline constexpr SettingKey kToolboxY{kSectionLm, "ToolboxY", "-32000", -32000,
                                      SettingKind::Number};

// Copy-to-clipboard dialog.
inline constexpr SettingKey kClipPairs{kSectionClipboard, "ClipPairs", "0", 0, SettingKind::Flag};
inline constexpr SettingKey kClipXes{kSectionClipboard, "ClipXes", "0", 0, SettingKind::Flag};

// Every constant above, a key with two defaults or spellings once per use.
std::span<const SettingKey> AllSettingKeys();

// The text, or the key's default text when the key is missing.
std::string ReadSetting(const SettingsStore& store, const SettingKey& key);
// The leading number, or the key's default number when the key is missing.
int ReadSettingInt(const SettingsStore& store, const SettingKey& key);
// On or off by the key's kind: a Flag is on only at 1, a NonZeroFlag at
// anything but 0.
bool ReadSettingFlag(const SettingsStore& store, const SettingKey& key);

bool WriteSetting(SettingsStore& store, const SettingKey& key, std::string_view value);
bool WriteSettingInt(SettingsStore& store, const SettingKey& key, int value);  // "%d"
bool WriteSettingFlag(SettingsStore& store, const SettingKey& key, bool on);   // "1" or "0"

}  // namespace lumora
