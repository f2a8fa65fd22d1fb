#pragma once
// The thirteen display colours of the grid, the pairing window and the
// printed blocks, and their text in the settings file.

#include <array>
#include <string>
#include <string_view>

#include "platform/canvas.h"
#include "views/palette.h"

namespace lumora {

// The names the colour dialog lists, in this order.
extern const std::array<std::string_view, kColorCount> kColorNames;

DisplayColors DefaultColors();

// Colour i is red, green and blue from the numbers at 12i, 12i + 4 and
// 12i + 8, each kept within 0 to 255. A text written by an older version
// holds fewer colours (11 colours are 131 characters); a colour whose numbers
// lie beyond the end of the text keeps its default, so the two background
// colours that version did not have come out silver.
DisplayColors ParseColors(std::string_view text);

// 13 x "%03d,%03d,%03d," (156 characters).
std::string FormatColors(const DisplayColors& colors);

// The sixteen custom colour slots of the platform's colour chooser: slot 0 is
// 1,1,1 and slot k is 16k in each part.
std::array<Rgb, 16> ChooserCustomColors();

}  // namespace lumora
