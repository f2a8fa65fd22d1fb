#include "platform/settings_catalogue.h"

#include <array>

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
    kYPaddingAtStart,
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
    kLastPrgPathWhenStoring,
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
    kPairWinTop,
    kPairWinH,
    kToolboxX,
    kToolboxY,
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

}  // namespace lumora
