#include "views/tool_window_placement.h"

#include <algorithm>

#include "platform/settings_catalogue.h"

namespace lumora {

namespace {

// A place never stored reads as this.
constexpr int kUnplaced = kPairWinTop.defaultInt;

// `value` moved into [low, high]; `low` wins when the range is empty.
int within(int value, int low, int high) {
  return std::max(low, std::min(value, high));
}

}  // namespace

Rect PairWindowFrame(const ToolWindowArea& area, const PairWindowPlace& place) {
  const int row = std::max(1, area.rowHeight);
  const int left = area.grid.left + area.x0;
  const int right = std::max(left, area.grid.right);
  // Never taller than the grid nor the screen below its caption.
  const int tallest =
      std::max(0, std::min(area.grid.height(), area.screen.height()) - area.caption);
  int height = 0;
  if (place.height) {
    height = std::min(*place.height, tallest);
  } else {
    const int share = area.screen.height() * kPairWindowScreenPercent / 100;
    const int rows = std::clamp(share / row, kPairWindowFewestRows, kPairWindowMostRows);
    height = std::min(rows * row, tallest);
  }
  height = std::max(0, height);
  const int lowest = area.grid.bottom - height;
  int top = place.top ? area.grid.top + *place.top : lowest;
  top = within(top, area.grid.top + area.caption, lowest);
  top = within(top, area.screen.top + area.caption, area.screen.bottom - height);
  return {left, top, right, top + height};
}

PairWindowPlace PairWindowPlaceOf(const ToolWindowArea& area, const Rect& frame) {
  return {frame.top - area.grid.top, std::max(0, frame.height())};
}

Point ToolboxOrigin(const ToolWindowArea& area, const Rect& pairFrame, int width, int height,
                    std::optional<Point> kept) {
  Point origin;
  if (kept) {
    origin = *kept;
  } else {
    // Its frame ends where the pairing window's caption begins.
    origin = {pairFrame.right - width, pairFrame.top - area.caption - height - area.caption};
  }
  const Rect& s = area.screen;
  return {within(origin.x, s.left, s.right - width),
          within(origin.y, s.top, s.bottom - height - area.caption)};
}

PairWindowPlace ReadPairWindowPlace(const SettingsStore& settings) {
  PairWindowPlace place;
  const int top = ReadSettingInt(settings, kPairWinTop);
  const int height = ReadSettingInt(settings, kPairWinH);
  if (top != kUnplaced) place.top = top;
  if (height > 0) place.height = height;
  return place;
}

void StorePairWindowPlace(SettingsStore& settings, const PairWindowPlace& place) {
  WriteSettingInt(settings, kPairWinTop, place.top.value_or(kUnplaced));
  WriteSettingInt(settings, kPairWinH, place.height.value_or(0));
}

std::optional<Point> ReadToolboxPlace(const SettingsStore& settings) {
  const Point origin{ReadSettingInt(settings, kToolboxX), ReadSettingInt(settings, kToolboxY)};
  if (origin.x == kUnplaced || origin.y == kUnplaced) return std::nullopt;
  return origin;
}

void StoreToolboxPlace(SettingsStore& settings, std::optional<Point> origin) {
  WriteSettingInt(settings, kToolboxX, origin ? origin->x : kUnplaced);
  WriteSettingInt(settings, kToolboxY, origin ? origin->y : kUnplaced);
}

}  // namespace lumora
