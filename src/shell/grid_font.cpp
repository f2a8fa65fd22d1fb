#include "shell/grid_font.h"

#include <array>
#include <charconv>

#include "platform/settings_catalogue.h"

namespace lumora {

namespace {

constexpr std::size_t kLongestFamily = 127;
constexpr int kLargestSize = 1000;
constexpr int kLargestWeight = 1000;

// A whole, optionally negative, decimal number and nothing else.
std::optional<int> WholeNumber(std::string_view text) {
  int value = 0;
  const char* end = text.data() + text.size();
  const auto [stop, error] = std::from_chars(text.data(), end, value);
  if (text.empty() || error != std::errc() || stop != end) return std::nullopt;
  return value;
}

}  // namespace

std::string FormatFontDescription(const FontDescription& font) {
  return std::to_string(font.height) + "," + std::to_string(font.width) + "," +
         std::to_string(font.weight) + "," + (font.italic ? "1" : "0") + "," +
         (font.underline ? "1" : "0") + "," + (font.strikeOut ? "1" : "0") + "," + font.family;
}

std::optional<FontDescription> ParseFontDescription(std::string_view text) {
  std::array<int, 6> numbers{};
  for (int& number : numbers) {
    const std::size_t comma = text.find(',');
    if (comma == std::string_view::npos) return std::nullopt;
    const std::optional<int> value = WholeNumber(text.substr(0, comma));
    if (!value) return std::nullopt;
    number = *value;
    text.remove_prefix(comma + 1);
  }
  const auto [height, width, weight, italic, underline, strikeOut] = numbers;
  if (height < -kLargestSize || height > kLargestSize) return std::nullopt;
  if (width < 0 || width > kLargestSize) return std::nullopt;
  if (weight < 0 || weight > kLargestWeight) return std::nullopt;
  for (const int flag : {italic, underline, strikeOut}) {
    if (flag != 0 && flag != 1) return std::nullopt;
  }
  if (text.empty() || text.size() > kLongestFamily) return std::nullopt;

  FontDescription font;
  font.family = std::string(text);
  font.height = height;
  font.width = width;
  font.weight = weight;
  font.italic = italic == 1;
  font.underline = underline == 1;
  font.strikeOut = strikeOut == 1;
  font.quality = GridFontChoice::kQuality;
  return font;
}

GridFontChoice::GridFontChoice() {
  font_.family = "Arial";
  font_.height = 16;
  font_.width = 7;
  font_.weight = 400;
  font_.quality = kQuality;
  bold_.family = "Arial";
  bold_.height = 14;
  bold_.width = 5;
  bold_.weight = kBoldWeight;
  bold_.quality = kQuality;
}

GridFontChoice GridFontChoice::ReadAtStart(const SettingsStore& store) {
  GridFontChoice choice;
  const std::optional<std::string> stored = store.readStruct(kFont.section, kFont.key);
  if (!stored) return choice;
  if (const std::optional<FontDescription> font = ParseFontDescription(*stored)) {
    choice.use(*font);
  }
  return choice;
}

bool GridFontChoice::ok(const FontDescription& chosen, bool flightAttendantFile,
                        SettingsStore& store) {
  FontDescription font = chosen;
  if (flightAttendantFile) font.weight = 400;
  use(font);
  return store.writeStruct(kFont.section, kFont.key, FormatFontDescription(font_));
}

void GridFontChoice::use(const FontDescription& font) {
  font_ = font;
  font_.quality = kQuality;
  bold_ = font_;
  bold_.weight = kBoldWeight;
}

}  // namespace lumora
