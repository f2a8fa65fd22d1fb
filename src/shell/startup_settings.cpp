#include "shell/startup_settings.h"

#include <algorithm>

#include "model/time_text.h"
#include "platform/settings_catalogue.h"

namespace lumora {

int PaddingFromText(std::string_view text) {
  return std::max(0, LeadingInt(text.substr(0, 2)));
}

StartupSettings ReadStartupSettings(const SettingsStore& store) {
  StartupSettings settings;
  settings.colors = ParseColors(ReadSetting(store, kCustomColors));

  ShellSwitches& s = settings.switches;
  s.grid = ReadSettingFlag(store, kGrid);
  s.layovers = ReadSettingFlag(store, kLayovers);
  s.autoSave = ReadSettingFlag(store, kAutoSave);
  s.showFullPair = ReadSettingFlag(store, kShowFullPair);
  s.showFullLayOver = ReadSettingFlag(store, kShowFullLayOver);
  s.allowIllegal = ReadSettingFlag(store, kAllowIllegal);
  s.holdCtrlKey = ReadSettingFlag(store, kHoldCtrlKey);
  s.debugFile = ReadSettingFlag(store, kDebugFile);

  settings.font = GridFontChoice::ReadAtStart(store);
  settings.paddings.x = PaddingFromText(ReadSetting(store, kXPaddingAtStart));
  settings.paddings.y = PaddingFromText(ReadSetting(store, kYPaddingAtStart));
  return settings;
}

}  // namespace lumora
