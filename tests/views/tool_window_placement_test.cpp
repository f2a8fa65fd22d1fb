#include "views/tool_window_placement.h"

#include <gtest/gtest.h>

#include "doubles/memory_settings.h"

namespace lumora {
namespace {

// A maximized main window on a 1366 x 768 screen: the grid from y 150 to
// 740, its day columns from x 204; rows 24 high; captions 20 high.
ToolWindowArea Laptop() {
  return {.grid = {0, 150, 1366, 740},
          .screen = {0, 0, 1366, 768},
          .x0 = 204,
          .rowHeight = 24,
          .caption = 20};
}

TEST(ToolWindowPlacementTest, ThePairingWindowLiesUnderTheDayColumnsWithinGridAndScreen) {
  struct Case {
    const char* what;
    ToolWindowArea area;
    PairWindowPlace place;
    Rect frame;
  };
  ToolWindowArea moved = Laptop();
  moved.grid = {300, 100, 1100, 500};
  ToolWindowArea low = Laptop();
  low.grid = {100, 600, 900, 1100};  // a window reaching below the screen
  ToolWindowArea tall = Laptop();
  tall.screen = {0, 0, 2560, 1440};
  tall.grid = {0, 150, 2560, 1400};
  const Case cases[] = {
      // 22% of 768 is 168: seven rows, at the grid's bottom.
      {"fresh", Laptop(), {}, {204, 572, 1366, 740}},
      {"ten rows at most", tall, {}, {204, 1160, 2560, 1400}},
      {"follows the grid", moved, {}, {504, 332, 1100, 500}},
      {"user's top and height", moved, {.top = 40, .height = 100}, {504, 140, 1100, 240}},
      {"not over the header's caption", moved, {.top = -90, .height = 100}, {504, 120, 1100, 220}},
      {"no taller than the grid", moved, {.top = 0, .height = 900}, {504, 120, 1100, 500}},
      {"on the screen", low, {.top = 100, .height = 200}, {304, 568, 900, 768}},
      {"no rows at all",
       {.grid = {0, 0, 500, 0}, .screen = {0, 0, 800, 600}, .rowHeight = 0},
       {},
       {0, 0, 500, 0}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const Rect frame = PairWindowFrame(c.area, c.place);
    EXPECT_EQ(frame, c.frame);
    // Where the user leaves it is where it comes back.
    EXPECT_EQ(PairWindowFrame(c.area, PairWindowPlaceOf(c.area, frame)), frame);
  }
}

TEST(ToolWindowPlacementTest, TheToolboxSitsAboveThePairingWindowsRightEndOrWhereTheUserLeftIt) {
  const ToolWindowArea area = Laptop();
  const Rect pairs = PairWindowFrame(area, {});
  struct Case {
    const char* what;
    std::optional<Point> kept;
    Point origin;
  };
  const Case cases[] = {
      {"fresh", std::nullopt, {916, 572 - 20 - 88 - 20}},
      {"kept", Point{10, 20}, {10, 20}},
      {"kept right of the screen", Point{1300, 20}, {916, 20}},
      {"kept below the screen", Point{-50, 900}, {0, 768 - 88 - 20}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(ToolboxOrigin(area, pairs, 450, 88, c.kept), c.origin);
  }
  // The fresh toolbox leaves the pairing window and its caption uncovered.
  const Point fresh = ToolboxOrigin(area, pairs, 450, 88, std::nullopt);
  EXPECT_LE(fresh.y + 20 + 88, pairs.top - 20);
}

TEST(ToolWindowPlacementTest, PlacesSurviveTheSettingsAndAFreshStoreHasNone) {
  testing::MemorySettings settings;
  EXPECT_EQ(ReadPairWindowPlace(settings), PairWindowPlace{});
  EXPECT_EQ(ReadToolboxPlace(settings), std::nullopt);
  StorePairWindowPlace(settings, {.top = -12, .height = 150});
  StoreToolboxPlace(settings, Point{-400, 30});
  EXPECT_EQ(ReadPairWindowPlace(settings), (PairWindowPlace{.top = -12, .height = 150}));
  EXPECT_EQ(ReadToolboxPlace(settings), (Point{-400, 30}));
  StoreToolboxPlace(settings, std::nullopt);
  EXPECT_EQ(ReadToolboxPlace(settings), std::nullopt);
}

}  // namespace
}  // namespace lumora
