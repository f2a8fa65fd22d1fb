#include "shell/color_dialog.h"

#include <algorithm>

#include "platform/settings_catalogue.h"

namespace lumora {

ColorDialog::ColorDialog(const DisplayColors& inUse) : colors_(inUse) {}

void ColorDialog::select(int index) {
  if (index >= 0 && index < kColorCount) {
    selected_ = index;
  } else {
    selected_.reset();
  }
}

std::optional<Rgb> ColorDialog::selectedColor() const {
  if (!selected_) return std::nullopt;
  return colors_[static_cast<std::size_t>(*selected_)];
}

bool ColorDialog::changeColor(Rgb chosen) {
  if (!selected_) return false;
  colors_[static_cast<std::size_t>(*selected_)] = {std::clamp(chosen.red, 0, 255),
                                                   std::clamp(chosen.green, 0, 255),
                                                   std::clamp(chosen.blue, 0, 255)};
  return true;
}

ColorsToUse ColorDialog::restoreDefaults(SettingsStore& store) {
  colors_ = DefaultColors();
  return {colors_, WriteSetting(store, kCustomColors, kDefaultColorsText)};
}

ColorsToUse ColorDialog::ok(SettingsStore& store) const {
  return {colors_, WriteSetting(store, kCustomColors, FormatColors(colors_))};
}

}  // namespace lumora
