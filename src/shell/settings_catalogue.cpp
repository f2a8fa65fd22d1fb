#include "shell/settings_catalogue.h"

#include <array>
#include <system_error>

#include "shell/user_folders.h"

namespace lumora {

namespace {

constexpr std::array kAllKeys{
    kGrid,
    kLayovers,
    kShowFullPair,
    kShowFullLayOver,
    kAutoSave,
    kRemindBackup,
    kPrintXesInDialog,
    kPrintXesWhenPrinting,
    kHoldCtrlKey,
    kAllowIllegal,
    kDebugFile,
    kDisableFtp,
    kXPaddingAtStart,
    kXPaddingInDialog,
    kYPaddingAtStart,
    kYPaddingInDialog,
    kFont,
    kCustomColors,
    kHideLeaveBlocks,
    kHideCompleted,
    kHideCheckPilots,
    kHideBlockHolders,
    kShowBlockHolders,
    kShowCcp,
    kShowLtc,
    kFilterSearch,
    kNameCheck,
    kEmpNumCheck,
    kPairCheck,
    kBidCheck,
    kLastBlkPath,
    kLastBlkDrive,
    kLastPrgPath,
    kLastRosterPath,
    kLastCrewAbsPath,
    kLastOverlapDataPath,
    kLastFrenchPath,
    kLastBoxPath,
    kLastBawPath,
    kLastBackupPath,
    kLastBackupDateTimeOpt,
    kBuildingBase,
    kBuildingEqp,
    kBuildingStatus,
    kBidWinX,
    kBidWinY,
    kBidWinW,
    kBidWinH,
    kClipPairs,
    kClipXes,
};

}  // namespace

std::span<const SettingKey> AllSettingKeys() {
  return kAllKeys;
}

std::string ReadSetting(const SettingsStore& store, const SettingKey& key) {
  return store.readString(key.section, key.key, key.defaultText);
}

int ReadSettingInt(const SettingsStore& store, const SettingKey& key) {
  return store.readInt(key.section, key.key, key.defaultInt);
}

bool ReadSettingFlag(const SettingsStore& store, const SettingKey& key) {
  const int value = ReadSettingInt(store, key);
  return key.kind == SettingKind::NonZeroFlag ? value != 0 : value == 1;
}

bool WriteSetting(SettingsStore& store, const SettingKey& key, std::string_view value) {
  return store.writeString(key.section, key.key, value);
}

bool WriteSettingInt(SettingsStore& store, const SettingKey& key, int value) {
  return WriteSetting(store, key, std::to_string(value));
}

bool WriteSettingFlag(SettingsStore& store, const SettingKey& key, bool on) {
  return WriteSetting(store, key, on ? "1" : "0");
}

std::filesystem::path FolderOrHome(std::string_view text, const std::filesystem::path& home) {
  // The folders the program stores are absolute; a relative one would depend
  // on the current folder of the moment ("c:\" is a relative name here).
  const std::filesystem::path folder(text);
  if (text.empty() || !folder.is_absolute()) return home;
  std::error_code error;
  return std::filesystem::is_directory(folder, error) ? folder : home;
}

std::filesystem::path FolderOrHome(std::string_view text) {
  return FolderOrHome(text, HomeFolder());
}

}  // namespace lumora
