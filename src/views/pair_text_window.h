#pragma once
// The pairing text window: a pairing's full display text for one day of
// operation (or the last pairing of the previous month), and where the
// window goes on the screen.

#include <string>
#include <vector>

#include "model/document.h"
#include "platform/canvas.h"

namespace lumora {

inline constexpr int kPairTextWidth = 800;
inline constexpr int kPairTextLineHeight = 16;
inline constexpr const char* kPairTextFooter =
    "Right Click to Enter Pairing Parameters for this Day of Operation";

struct PairTextContent {
  std::vector<std::string> lines;  // one per line feed of the display text
  Rgb textColor = colors::kBlack;  // by the training type on the day
  std::string caption;
  std::string footer = kPairTextFooter;
  int pair = -1;  // -1: a text of the previous month
  int day = -1;
};

// The text of pairing `pair` for its instance starting on `day`; empty
// content for an index outside the pairing table.
PairTextContent PairTextFor(const TDocument& doc, int pair, int day);
// A text of the previous month; no pairing behind it.
PairTextContent PreviousMonthText(std::string text);

// The window's rectangle in the coordinates of `mouse` and `mainWindow`.
Rect PlacePairTextWindow(Point mouse, int lineCount, int captionHeight, const Rect& mainWindow);

// Paints the client area `client` (white, the lines, the footer).
void PaintPairText(Canvas& canvas, const PairTextContent& content, const Rect& client);

}  // namespace lumora
