#pragma once
// The grid font and its bold variant, as a description the front end turns
// into a platform font. Kept in the settings as "Font".

#include <optional>
#include <string>
#include <string_view>

#include "platform/settings_store.h"

namespace lumora {

struct FontDescription {
  std::string family;
  int height = 0;  // pixels; negative for the character height without leading
  int width = 0;   // average character width in pixels; 0 lets the platform choose
  int weight = 400;
  bool italic = false;
  bool underline = false;
  bool strikeOut = false;
  // Not stored: every grid font is drawn with the same quality.
  int quality = 5;
  friend bool operator==(const FontDescription&, const FontDescription&) = default;
};

// "height,width,weight,italic,underline,strikeOut,family"; the family comes
// last so that it may hold any character.
std::string FormatFontDescription(const FontDescription& font);
// Nothing for a text that is not such a description or holds values no font
// has (family empty or longer than 127 characters, sizes or weight out of range).
std::optional<FontDescription> ParseFontDescription(std::string_view text);

class GridFontChoice {
 public:
  static constexpr int kQuality = 5;
  static constexpr int kBoldWeight = 700;
  // The font chooser offers sizes in this range of points.
  static constexpr int kSmallestPoints = 0;
  static constexpr int kLargestPoints = 20;

  // Arial 16/7/400 and its bold Arial 14/5/700.
  GridFontChoice();

  // The stored "Font" when it reads back whole, otherwise the defaults above.
  static GridFontChoice ReadAtStart(const SettingsStore& store);

  const FontDescription& font() const { return font_; }
  const FontDescription& boldFont() const { return bold_; }

  // The font chooser's OK: the chosen font becomes the grid font (in
  // flight-attendant files always of weight 400) and is stored; the bold font
  // is the same with weight 700. False when the settings file could not be
  // written; the fonts are in use all the same.
  bool ok(const FontDescription& chosen, bool flightAttendantFile, SettingsStore& store);

 private:
  void use(const FontDescription& font);

  FontDescription font_;
  FontDescription bold_;
};

}  // namespace lumora
