#pragma once
// The block filters and the block search: which crew members the grid shows,
// in which order. Hide filters drop kinds of blocks, show filters keep only
// one kind, and the search either highlights the crew members it matched or,
// with its filter on, keeps only them.

#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

#include "model/document.h"

namespace lumora {

class Ui;

enum class BlockFilterGroup : std::uint8_t { Hide, Show, Search };

// One block filter: its command (550 to 557), its settings key and its group.
struct BlockFilterInfo {
  int command;
  std::string_view key;
  BlockFilterGroup group;
};

// The eight filters in the order of their menu items.
std::span<const BlockFilterInfo> BlockFilterTable();
const BlockFilterInfo* FindBlockFilter(int command);
// By settings key, in any case ("hideleaveblocks").
const BlockFilterInfo* FindBlockFilterByKey(std::string_view key);

// The state of block filter `command`; 550, the search filter, is the
// document's BlockSearchOn. Null for any other command.
std::uint8_t* BlockFilterFlag(TDocument& doc, int command);
bool IsBlockFilterOn(const TDocument& doc, int command);

// Flips a filter as its menu command does: a hide filter first releases the
// whole show group, a show filter the whole hide group; the search filter
// combines with either. False for an unknown command.
bool ToggleBlockFilter(TDocument& doc, int command);

// The search check boxes, in the order of the document's search-check flags.
enum SearchCheck : std::size_t {
  kSearchNames = 0,
  kSearchEmpNums = 1,
  kSearchPairs = 2,  // "Pairs + Abs"
  kSearchBids = 3,
};

// A crew member's search record (TPilot::SearchMarks).
enum SearchMark : std::size_t {
  kMarkName = 0,
  kMarkEmpNumber = 1,
  kMarkBids = 2,
  kMarkPairings = 3,
  kMarkAbsences = 4,
  kMarkMatched = 5,
  kMarkEmptySearch = 6,
};

inline constexpr int kMaxSearchStrings = 20;
inline constexpr int kSearchTextLength = 100;
inline constexpr const char* kTooManySearchStrings = "Maximun of 20 Search Strings allowed";

// The grid's display order and the scratch of the search, allocated once.
class BlockFilterState {
 public:
  BlockFilterState();

  std::span<const int> displayOrder() const {
    return {order_.data(), static_cast<std::size_t>(count_)};
  }
  // The next application repaints even when the order stays (set by a search).
  bool forceRepaint = false;

 private:
  friend struct BlockFilterAccess;
  std::vector<int> order_;
  int count_ = -1;  // -1: nothing built yet
  // Per pairing: which search strings its display text contains.
  std::vector<std::uint32_t> pairMatches_;
};

struct BlockFilterOutcome {
  bool orderChanged = false;
  // The grid is repainted and the bids window follows the order.
  bool repaint = false;
};

// Builds the display order from the filter flags (roster order when none is
// on). Recomputes the block-holder line and the leave-block marks it reads.
BlockFilterOutcome ApplyBlockFilters(TDocument& doc, BlockFilterState& state);

// The block search over the crew members with `text` (the search box, at
// most kSearchTextLength characters used) and the document's check boxes;
// fills every search record, then applies the filters with a repaint forced.
// A 21st search string is refused with a message, and the rest with it.
struct BlockSearchOutcome {
  int strings = 0;  // search strings used
  BlockFilterOutcome filters;
};
BlockSearchOutcome RunBlockSearch(TDocument& doc, std::string_view text, BlockFilterState& state,
                                  Ui& ui);

// The grid highlights a crew member the last search with strings matched.
bool SearchMatched(const TPilot& pilot);

}  // namespace lumora
