#include "shell/colors.h"

#include <algorithm>
#include <cstdio>

#include "model/time_text.h"
#include "platform/settings_catalogue.h"

namespace lumora {

const std::array<std::string_view, kColorCount> kColorNames{
    "Low Credit Pairings",
    "Medium Credit Pairings",
    "High Credit Pairings",
    "Very High Credit Pairings",
    "Duty Time",
    "Rest Time",
    "Pair Over Requested Day Off",
    "Block Holder",
    "Reserve",
    "Blk Total in Specified Range",
    "Blk Total outside Specified Range",
    "Block Window Background",
    "Pairing Window Background",
};

namespace {

constexpr std::size_t kCharactersPerColor = 12;

int ChannelAt(std::string_view text, std::size_t position) {
  return std::clamp(LeadingInt(text.substr(position)), 0, 255);
}

}  // namespace

DisplayColors DefaultColors() {
  return ParseColors(kDefaultColorsText);
}

DisplayColors ParseColors(std::string_view text) {
  // The defaults are read from their text directly, never through here.
  static const DisplayColors kDefaults = [] {
    DisplayColors colors{};
    for (std::size_t i = 0; i < colors.size(); ++i) {
      const std::size_t at = i * kCharactersPerColor;
      colors[i] = {ChannelAt(kDefaultColorsText, at), ChannelAt(kDefaultColorsText, at + 4),
                   ChannelAt(kDefaultColorsText, at + 8)};
    }
    return colors;
  }();

  DisplayColors colors = kDefaults;
  for (std::size_t i = 0; i < colors.size(); ++i) {
    const std::size_t at = i * kCharactersPerColor;
    if (at + 8 >= text.size()) break;
    colors[i] = {ChannelAt(text, at), ChannelAt(text, at + 4), ChannelAt(text, at + 8)};
  }
  return colors;
}

std::string FormatColors(const DisplayColors& colors) {
  std::string text;
  text.reserve(colors.size() * kCharactersPerColor);
  for (const Rgb& c : colors) {
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%03d,%03d,%03d,", std::clamp(c.red, 0, 255),
                  std::clamp(c.green, 0, 255), std::clamp(c.blue, 0, 255));
    text += buffer;
  }
  return text;
}

std::array<Rgb, 16> ChooserCustomColors() {
  std::array<Rgb, 16> slots{};
  slots[0] = {1, 1, 1};
  for (int k = 1; k < 16; ++k) slots[static_cast<std::size_t>(k)] = {16 * k, 16 * k, 16 * k};
  return slots;
}

}  // namespace lumora
