#pragma once
// What the main window takes from the settings file when it starts: colours,
// display and behaviour switches, the grid font and the cell paddings.

#include <string_view>

#include "platform/settings_store.h"
#include "shell/colors.h"
#include "shell/grid_font.h"

namespace lumora {

// The main window's switches; the preferences dialog changes them.
struct ShellSwitches {
  bool grid = false;
  bool layovers = true;
  bool autoSave = true;
  bool showFullPair = false;
  bool showFullLayOver = false;
  bool allowIllegal = true;
  bool holdCtrlKey = true;
  bool debugFile = false;
  friend bool operator==(const ShellSwitches&, const ShellSwitches&) = default;
};

// Extra space in the grid cells, in pixels.
struct GridPaddings {
  int x = 9;
  int y = 5;
  friend bool operator==(const GridPaddings&, const GridPaddings&) = default;
};

// The number of a padding text: its first two characters at most, and never
// below 0 (the dialog takes two digits; a hand-edited file may hold anything).
int PaddingFromText(std::string_view text);

struct StartupSettings {
  DisplayColors colors;
  ShellSwitches switches;
  GridPaddings paddings;
  GridFontChoice font;
};

StartupSettings ReadStartupSettings(const SettingsStore& store);

}  // namespace lumora
