#pragma once
// The pairing window: the month's pairing instances laid out as bars, one
// column per day (aligned with the grid's day columns), stacked in slot
// rows. The scheduler picks an instance here and then clicks a crew member's
// day in the grid to assign it. This is the window's view model; the front
// end owns the widget and acts on what the clicks return.

#include <cstdint>
#include <span>
#include <string>
#include <utility>
#include <vector>

#include "model/document.h"
#include "platform/canvas.h"
#include "views/palette.h"

namespace lumora {

struct PairWinOptions {
  bool layovers = true;          // "Layovers": stations instead of an arrow
  bool showFullPair = false;     // "ShowFullPair": all four digits, left-aligned
  bool showFullLayOver = false;  // "ShowFullLayOver": all three letters
};

// What a left button release did, for the glue to act on.
struct PairWinClick {
  enum class Kind {
    Nothing,
    OpenText,    // open the pairing text window for (pair, day), closing any other
    Selected,    // the instance became the selection; the toolbox caption is emptied
    ShownOwner,  // an assigned instance: its owner is named in the caption
  };
  Kind kind = Kind::Nothing;
  int pair = -1;
  int day = -1;
};

// A right button press: on a laid-out pairing the who-is-legal dialog opens
// for (pair, day); elsewhere the filters are acted on.
struct PairWinRightClick {
  bool onPairing = false;
  int pair = -1;
  int day = -1;
};

// "st", "nd", "rd" or "th" for a calendar day of the month.
const char* OrdinalSuffix(int day);

class TPairWin {
 public:
  static constexpr int kLayoutDays = 36, kSlotRows = 6000;
  // Cell values besides a pairing index.
  static constexpr int kFreeCell = -1;
  static constexpr int kCoveredCell = -2;
  // Number of sort groups (duty-day classes).
  static constexpr int kGroupCount = 8;

  explicit TPairWin(TDocument& doc);  // allocates the 36 x 6000 layout once

  void setGeometry(int cellWidth, int rowHeight);  // the grid's W and H
  int cellWidth() const { return cellWidth_; }
  int rowHeight() const { return rowHeight_; }
  void setOptions(const PairWinOptions& options) { options_ = options; }
  const PairWinOptions& options() const { return options_; }
  void setColors(const DisplayColors& colors) { colors_ = colors; }
  // The pairing filters' state; sets the caption to the filter state.
  void setFilters(bool on, std::string name);
  bool filtersOn() const { return filtersOn_; }
  const std::string& filterName() const { return filterName_; }

  // Recomputes every pairing's credit class and the display order.
  void SortPairings();
  // Sorts, lays every shown instance out and looks the selection's slot up again.
  void LayoutPairWin();
  // Works out again which laid-out French pairings still need a French cabin
  // member (their numbers are bold). The layout does it; a change of who
  // holds a trip that keeps the layout (an assignment or removal while
  // assigned instances are shown) calls it before the repaint.
  void MarkFrenchPairings();
  // Whether the instance at (day, slot) is painted with the bold number.
  bool boldNumber(int day, int slot) const;

  std::span<const int> order() const { return order_; }
  // The pairing drawn at (day, slot), kCoveredCell or kFreeCell; kFreeCell
  // outside the layout.
  int cell(int day, int slot) const;
  int highestSlot() const { return highestSlot_; }
  // The sort group of a pairing (0 to 7).
  static int GroupOf(const TPair& p);

  // Scrolling: horizontal follows the grid's first visible column; vertical in slots.
  void setScroll(int firstColumn, int firstSlot);
  int firstColumn() const { return firstColumn_; }
  int firstSlot() const { return firstSlot_; }
  int scrollSlots() const;  // the vertical scroll range (highest slot in use)

  // `area` is the part to repaint and `viewport` the window's client area,
  // both in window coordinates.
  void paint(Canvas& canvas, const Rect& area, const Rect& viewport) const;

  PairWinClick leftButtonUp(Point p);  // window coordinates; updates selection, caption
  PairWinRightClick rightButtonDown(Point p) const;

  const std::string& caption() const { return caption_; }
  // What the pairing filters say when they are applied or cleared.
  void setCaption(std::string caption) { caption_ = std::move(caption); }
  // "Filters On For <name>" or "Filters Off".
  std::string filterStateCaption() const;

  void toggleShowOnlyOpen();  // ShowAssignedPairs flips, layout, selections cleared, caption
  void clearSelection();      // the selection and previous selection (-1)

  // The window rectangle of an instance `days` columns wide at (day, slot),
  // for repaints; empty when out of view.
  Rect instanceRect(int day, int slot, int days) const;

 private:
  struct Hit {
    int day = -1;
    int slot = -1;
    int pair = -1;
  };
  Hit hitTest(Point p) const;
  int& at(int day, int slot) { return layout_[static_cast<std::size_t>(slot * kLayoutDays + day)]; }
  bool usable(const TPair& p, int day, int slot) const;
  void place(const TPair& p, int pair, int day, int slot);
  std::string filterSuffix() const;
  std::string selectedCaption(const TPair& p) const;
  void paintInstance(Canvas& canvas, int pair, int day, int slot) const;
  void frame(Canvas& canvas, const PairSelection& sel) const;

  TDocument& doc_;
  std::vector<int> layout_;
  // Parallel to layout_: the French pairings painted bold.
  std::vector<std::uint8_t> bold_;
  // Scratch of MarkFrenchPairings, allocated once: the pairings by number,
  // and per pairing and day whether a French-qualified member holds it.
  std::vector<int> byNumber_;
  std::vector<std::uint8_t> heldByQualified_;
  std::vector<int> order_;
  int highestSlot_ = 0;
  // Rows of layout_ and bold_ written since they were last cleared.
  int layoutRows_ = 0;
  int boldRows_ = 0;
  int cellWidth_ = 30;
  int rowHeight_ = 20;
  int firstColumn_ = 0;
  int firstSlot_ = 0;
  PairWinOptions options_;
  DisplayColors colors_{};
  bool filtersOn_ = false;
  std::string filterName_;
  std::string caption_;
  // The instance a layout found gone from under the previous selection is
  // outlined by the next paint only.
  mutable bool outlineVanished_ = false;
};

}  // namespace lumora
