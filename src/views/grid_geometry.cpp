#include "views/grid_geometry.h"

#include <algorithm>

namespace lumora {

GridGeometry ComputeGridGeometry(FontMetrics gridFont, int xPadding, int yPadding) {
  const int c = gridFont.averageCharWidth;
  GridGeometry g;
  // A cell of zero or negative size would divide by zero in every hit test;
  // a font that reports nothing or a negative padding still gets a grid.
  g.cellWidth = std::max(1, 3 * c + xPadding + 4);
  g.rowHeight = std::max(1, gridFont.height + yPadding + 2);
  g.nameWidth = std::max(120, 6 * g.cellWidth);
  g.headerHeight = std::max(40, 2 * g.rowHeight + 3);
  g.creditX = std::max(90, g.nameWidth - 6 * c - 2);
  g.daysOffX = std::max(75, g.creditX - 3 * c - 7);
  return g;
}

}  // namespace lumora
