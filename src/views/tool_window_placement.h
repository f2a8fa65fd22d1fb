#pragma once
// Where the floating pairing window and toolbox go. The pairing window's day
// columns lie under the grid's whatever the main window does, so its left
// edge and width always come from the grid; its height and its distance from
// the grid's top are the user's. Both windows start where they cover the
// fewest grid rows (the pairing window at the bottom of the grid, no higher
// than a share of the screen; the toolbox above its right end), never off
// the screen, and are put back where the user left them.

#include <optional>

#include "platform/canvas.h"

namespace lumora {

class SettingsStore;

// The grid and screen the windows are placed against, in screen pixels.
struct ToolWindowArea {
  // The grid's area: its rows and its vertical scroll bar, without the
  // horizontal one (which must stay usable).
  Rect grid;
  // The screen's area free of panels.
  Rect screen;
  // Left of the grid's first day column, from the grid's left edge.
  int x0 = 0;
  int rowHeight = 1;
  // The window manager's caption above a tool window's client area.
  int caption = 0;
};

// The pairing window's place the user chose; empty fields take the defaults.
struct PairWindowPlace {
  // From the grid's top edge to the window's client area.
  std::optional<int> top;
  std::optional<int> height;
  friend bool operator==(const PairWindowPlace&, const PairWindowPlace&) = default;
};

// The share of the screen's height a freshly placed pairing window may take.
inline constexpr int kPairWindowScreenPercent = 22;
// Rows a freshly placed pairing window shows at most and at least.
inline constexpr int kPairWindowMostRows = 10;
inline constexpr int kPairWindowFewestRows = 3;

// The pairing window's client area.
Rect PairWindowFrame(const ToolWindowArea& area, const PairWindowPlace& place);
// The place a client area the user moved or sized the window to stands for.
PairWindowPlace PairWindowPlaceOf(const ToolWindowArea& area, const Rect& frame);
// The toolbox's outer top-left for a client area of `width` x `height`: where
// the user left it (`kept`), else just above the pairing window's right end,
// within the screen either way.
Point ToolboxOrigin(const ToolWindowArea& area, const Rect& pairFrame, int width, int height,
                    std::optional<Point> kept);

PairWindowPlace ReadPairWindowPlace(const SettingsStore& settings);
void StorePairWindowPlace(SettingsStore& settings, const PairWindowPlace& place);
std::optional<Point> ReadToolboxPlace(const SettingsStore& settings);
void StoreToolboxPlace(SettingsStore& settings, std::optional<Point> origin);

}  // namespace lumora
