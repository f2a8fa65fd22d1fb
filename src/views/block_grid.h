#pragma once
// The block grid: one row per crew member in display order, one column per
// day of the month and the 31 days after it. The view model maps window
// positions to crew members and days, paints the grid on a Canvas and gives
// the smallest rectangles a change needs repainted; the front end only
// forwards events and scrolls.

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "model/document.h"
#include "platform/canvas.h"
#include "views/grid_geometry.h"
#include "views/grid_gestures.h"
#include "views/palette.h"

namespace lumora {

enum class GridArea { None, Corner, Name, Day };

struct GridPoint {
  GridArea area = GridArea::None;
  int row = -1;
  int crew = -1;
  int day = -1;
  friend bool operator==(const GridPoint&, const GridPoint&) = default;
};

// The three buttons of the top-left corner.
enum class CornerButton { None, PairWindow, Toolbox, Third };

struct CornerState {
  bool pairWindowOpen = false;
  bool toolboxOpen = false;
  bool thirdOpen = false;  // bids window (pilot files) or pairing filter window
};

// The name of a previous-month worked state (0 none, 1 worked, 2 reserve).
const char* WorkedStateWord(int state);

// An assignment shown in the grid before it is made (a proposal the
// scheduler is deciding on); the document knows nothing of it.
struct ProposedCell {
  int crew = -1;
  int day = -1;
  int pair = -1;
  friend bool operator==(const ProposedCell&, const ProposedCell&) = default;
};

// How a proposed assignment looks: a pale ground over its days, its duty
// hatched and its number in italics on the ground, framed when it is the
// one the scheduler picked. The grid and the legend beside it share it.
void PaintProposedMark(Canvas& c, const Rect& ground, const Rect& duty, Point textAt,
                       std::string_view number, bool framed);

class BlockGridView {
 public:
  static constexpr int kColumns = 62;
  // Rows of scroll range beyond the roster (room for the summary rows).
  static constexpr int kExtraScrollRows = 10;

  explicit BlockGridView(const TDocument& doc);

  void setOptions(const GridOptions& options);
  const GridOptions& options() const { return options_; }
  void setColors(const DisplayColors& colors);
  const DisplayColors& colors() const { return colors_; }
  // From options().xPadding and options().yPadding.
  void computeGeometry(FontMetrics gridFont);
  const GridGeometry& geometry() const { return geometry_; }

  // Display order: the roster order until the block filters set one.
  void showRosterOrder();
  void setDisplayOrder(std::span<const int> crew);
  int rowCount() const;
  int crewAt(int row) const;  // -1 outside the rows
  int rowOf(int crew) const;  // -1 when the crew member is not shown

  // First visible day column (0..61) and first visible row (0..scrollRows()-1).
  void setScroll(int firstColumn, int firstRow);
  int firstColumn() const { return firstColumn_; }
  int firstRow() const { return firstRow_; }
  int scrollRows() const;

  // Window coordinates to the corner, a name cell or a day cell.
  GridPoint hitTest(Point p) const;
  // The same as the block gestures take it.
  GridHit gestureHit(Point p) const;
  CornerButton cornerButton(Point p) const;

  void setLastMonthOverlay(bool on) { lastMonthOverlay_ = on; }
  bool lastMonthOverlay() const { return lastMonthOverlay_; }
  void setFullCredits(bool on) { fullCredits_ = on; }
  bool fullCredits() const { return fullCredits_; }

  // Proposed assignments drawn over the blocks until cleared (an empty
  // list); `focus` frames the one on that crew member's day, if any.
  void setProposedCells(std::vector<ProposedCell> cells);
  std::span<const ProposedCell> proposedCells() const { return proposed_; }
  void setProposedFocus(int crew, int day);
  // The cells of one crew member's proposed assignment starting on `day`,
  // as cellsRect gives them; an empty Rect when there is none or it is out
  // of view.
  Rect proposedRect(int crew, int day) const;

  // The block search's highlight of one crew member; the block search sets
  // it, nothing else does.
  bool searchHighlight(int crew) const;

  // Paints what intersects `area` of a viewport of size `viewport` (window
  // coordinates, origin 0,0).
  void paint(Canvas& canvas, const Rect& area, const Rect& viewport,
             const CornerState& corner) const;

  // Smallest window rectangles to repaint; an empty Rect when out of view.
  Rect cellsRect(int crew, int firstDay, int dayCount) const;
  Rect rowRect(int crew) const;
  Rect nameRect(int crew) const;
  Rect headerDayRect(int day) const;
  // The day balance band of a day's header (what a balance change repaints).
  Rect headerBalanceRect(int day) const;
  Rect cornerRect() const;
  Rect summaryRect() const;

  // Status text for a mouse move without a drag: nothing when the status bar
  // keeps its text (same cell or same name row as last time), else the new
  // text, which may be empty.
  std::optional<std::string> hoverStatus(Point p);
  void resetHover();

 private:
  const TDocument& doc_;
  GridOptions options_;
  DisplayColors colors_{};
  GridGeometry geometry_;
  std::vector<int> order_;
  bool rosterOrder_ = true;
  int firstColumn_ = 0;
  int firstRow_ = 0;
  bool lastMonthOverlay_ = false;
  bool fullCredits_ = false;
  std::vector<ProposedCell> proposed_;  // by crew, then day
  ProposedCell proposedFocus_;
  // Hover cache.
  int hoverDay_ = -1;
  int hoverRow_ = -1;
  int hoverNameRow_ = -1;

  // Painting helpers (block_grid.cpp).
  struct PaintContext;
  int columnX(int day) const;
  int rowY(int row) const;
  void paintVerticalLines(Canvas& c, const PaintContext& pc) const;
  void paintHeader(Canvas& c, const PaintContext& pc) const;
  void paintCorner(Canvas& c, const CornerState& corner) const;
  void paintRow(Canvas& c, const PaintContext& pc, int row) const;
  void paintRowCells(Canvas& c, const PaintContext& pc, int row, int crew) const;
  void paintPairing(Canvas& c, const PaintContext& pc, int rowTop, const TPilot& pilot, int day,
                    int pair) const;
  void paintProposed(Canvas& c, const PaintContext& pc, int rowTop, int crew, int lastDay) const;
  void paintSummary(Canvas& c, const PaintContext& pc) const;
  void paintLastMonthHeader(Canvas& c, const PaintContext& pc) const;
  void paintLastMonthRow(Canvas& c, const PaintContext& pc, int row) const;
  std::string dayStatus(int crew, int day) const;
};

}  // namespace lumora
