#pragma once
// The dialog "Lumora Colors": the thirteen display colours by name, each
// changed through the platform's colour chooser. The dialog works on its own
// copy; what it returns is what the caller puts in use (the main window's
// background is colour 12, the pairing window's colour 13).

#include <array>
#include <optional>
#include <string_view>

#include "shell/colors.h"

namespace lumora {

class SettingsStore;

struct ColorsToUse {
  DisplayColors colors;
  // False when the settings file could not be written.
  bool saved = true;
};

class ColorDialog {
 public:
  static constexpr std::string_view kTitle = "Lumora Colors";

  // Starts from the colours in use, with no entry selected.
  explicit ColorDialog(const DisplayColors& inUse);

  static const std::array<std::string_view, kColorCount>& names() { return kColorNames; }
  const DisplayColors& colors() const { return colors_; }

  // Selects the list entry; an index out of range selects nothing.
  void select(int index);
  std::optional<int> selected() const { return selected_; }
  // The colour the chooser starts from, when an entry is selected.
  std::optional<Rgb> selectedColor() const;

  // "Change Color" after the chooser's OK: the selected entry takes `chosen`
  // (each part kept within 0 to 255). False, and nothing changes, when no
  // entry is selected.
  bool changeColor(Rgb chosen);

  // "Apply Colors": the colours to put in use; nothing is written.
  const DisplayColors& applyColors() const { return colors_; }

  // "Restore Defaults": every entry back to its default and the default text
  // written to the settings file; the defaults are to be put in use.
  ColorsToUse restoreDefaults(SettingsStore& store);

  // OK: the colours written as 13 x "%03d,%03d,%03d,", and put in use.
  // Cancel is simply not calling it.
  ColorsToUse ok(SettingsStore& store) const;

 private:
  DisplayColors colors_;
  std::optional<int> selected_;
};

}  // namespace lumora
