#pragma once
// The block grid's display preferences and the pixel sizes derived from the
// grid font and the paddings.

#include "platform/canvas.h"

namespace lumora {

struct GridOptions {
  bool grid = false;  // dotted lines between all day columns
  bool layovers = true;
  bool showFullPair = false;
  bool showFullLayOver = false;
  int xPadding = 9;
  int yPadding = 5;
  friend bool operator==(const GridOptions&, const GridOptions&) = default;
};

// The values before the first computation are the ones a window without a
// font yet uses.
struct GridGeometry {
  int cellWidth = 20;     // W
  int rowHeight = 20;     // H
  int nameWidth = 120;    // X0: where day column 0 begins
  int headerHeight = 40;  // Y0: where row 0 begins
  int creditX = 90;       // block credit inside the name column
  int daysOffX = 75;      // days-off figure inside the name column
  friend bool operator==(const GridGeometry&, const GridGeometry&) = default;
};

GridGeometry ComputeGridGeometry(FontMetrics gridFont, int xPadding, int yPadding);

}  // namespace lumora
