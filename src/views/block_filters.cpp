#include "views/block_filters.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <string>

#include "building/block_edit.h"
#include "building/block_figures.h"
#include "platform/captions.h"
#include "platform/ui.h"

namespace lumora {

namespace {

constexpr int kSearchCommand = 550;
constexpr int kFirstCommand = 550;

constexpr std::array<BlockFilterInfo, kBlockFilterButtons> kFilters{{
    {553, "HideLeaveBlocks", BlockFilterGroup::Hide},
    {552, "HideCompleted", BlockFilterGroup::Hide},
    {551, "HideCheckPilots", BlockFilterGroup::Hide},
    {554, "HideBlockHolders", BlockFilterGroup::Hide},
    {557, "ShowBlockHolders", BlockFilterGroup::Show},
    {555, "ShowCCP", BlockFilterGroup::Show},
    {556, "ShowLTC", BlockFilterGroup::Show},
    {550, "FilterSearch", BlockFilterGroup::Search},
}};

char Upper(char c) {
  return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

bool SameIgnoringCase(std::string_view a, std::string_view b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(),
                                            [](char x, char y) { return Upper(x) == Upper(y); });
}

bool Contains(std::string_view text, std::string_view part) {
  return text.find(part) != std::string_view::npos;
}

// Codes are stored with trailing blanks at times ("RB "); a search for the
// code itself must still find them.
std::string_view WithoutTrailingBlanks(std::string_view code) {
  while (!code.empty() && code.back() == ' ') code.remove_suffix(1);
  return code;
}

bool CheckPilotQual(std::int32_t qual) {
  return qual == 2 || qual == 3 || qual == 4;
}

// Whether a filter takes part. Flight-attendant files have no check pilot
// filter: its item is disabled there, so a state kept from a pilot file
// must not hide anyone it could no longer release.
bool On(const TDocument& doc, int command) {
  if (command == 551 && doc.crewKind() == CrewKind::FlightAttendants) return false;
  return IsBlockFilterOn(doc, command);
}

bool IsOn(const TDocument& doc, BlockFilterGroup group) {
  for (const BlockFilterInfo& f : kFilters)
    if (f.group == group && On(doc, f.command)) return true;
  return false;
}

}  // namespace

struct BlockFilterAccess {
  static std::vector<int>& order(BlockFilterState& s) { return s.order_; }
  static int& count(BlockFilterState& s) { return s.count_; }
  static std::vector<std::uint32_t>& pairMatches(BlockFilterState& s) { return s.pairMatches_; }
};

BlockFilterState::BlockFilterState()
    : order_(static_cast<std::size_t>(kMaxRosterPilots)),
      pairMatches_(static_cast<std::size_t>(kPairSlots)) {}

std::span<const BlockFilterInfo> BlockFilterTable() {
  return kFilters;
}

const BlockFilterInfo* FindBlockFilter(int command) {
  for (const BlockFilterInfo& f : kFilters)
    if (f.command == command) return &f;
  return nullptr;
}

const BlockFilterInfo* FindBlockFilterByKey(std::string_view key) {
  for (const BlockFilterInfo& f : kFilters)
    if (SameIgnoringCase(f.key, key)) return &f;
  return nullptr;
}

std::uint8_t* BlockFilterFlag(TDocument& doc, int command) {
  if (command == kSearchCommand) return &doc.BlockSearchOn;
  const int index = command - kFirstCommand;
  if (index <= 0 || index >= kBlockFilterButtons) return nullptr;
  return &doc.view.blockFilters[static_cast<std::size_t>(index)];
}

bool IsBlockFilterOn(const TDocument& doc, int command) {
  if (command == kSearchCommand) return doc.BlockSearchOn != 0;
  const int index = command - kFirstCommand;
  if (index <= 0 || index >= kBlockFilterButtons) return false;
  return doc.view.blockFilters[static_cast<std::size_t>(index)] != 0;
}

bool ToggleBlockFilter(TDocument& doc, int command) {
  const BlockFilterInfo* filter = FindBlockFilter(command);
  if (filter == nullptr) return false;
  if (filter->group != BlockFilterGroup::Search) {
    const BlockFilterGroup other =
        filter->group == BlockFilterGroup::Hide ? BlockFilterGroup::Show : BlockFilterGroup::Hide;
    for (const BlockFilterInfo& f : kFilters)
      if (f.group == other) *BlockFilterFlag(doc, f.command) = 0;
  }
  std::uint8_t& flag = *BlockFilterFlag(doc, command);
  flag = flag != 0 ? 0 : 1;
  return true;
}

bool SearchMatched(const TPilot& pilot) {
  return pilot.SearchMarks[kMarkMatched] != 0 && pilot.SearchMarks[kMarkEmptySearch] == 0;
}

BlockFilterOutcome ApplyBlockFilters(TDocument& doc, BlockFilterState& state) {
  std::vector<int>& order = BlockFilterAccess::order(state);
  int& count = BlockFilterAccess::count(state);
  const int n = doc.rosterSize();
  const bool force = state.forceRepaint;
  state.forceRepaint = false;

  const bool hide = IsOn(doc, BlockFilterGroup::Hide);
  const bool show = IsOn(doc, BlockFilterGroup::Show);
  const bool searchOnly = doc.BlockSearchOn != 0;
  BlockFilterOutcome outcome;

  if (!hide && !show && !searchOnly) {
    bool changed = count != n;
    for (int k = 0; k < n; ++k) {
      int& slot = order[static_cast<std::size_t>(k)];
      if (slot != k) changed = true;
      slot = k;
    }
    count = n;
    outcome.orderChanged = changed;
    outcome.repaint = changed || force;
    return outcome;
  }

  // Every change of a block keeps the block-holder marks; they are worked
  // out again here only for the two filters that read them (a walk over
  // every pairing instance). The repaint below covers the name column.
  if (On(doc, 554) || On(doc, 557)) {
    BlockViewSink quiet;
    FindBlockHolderLine(doc, quiet);
  }
  const int monthLength = doc.monthDays();

  int shown = 0;
  bool changed = false;
  for (int k = 0; k < n; ++k) {
    TPilot& pilot = doc.pilot(k);
    const bool aboveLine = pilot.BelowBlockHolderLine == 0 && pilot.BidReserve == 0;
    const std::int32_t qual = pilot.SpecialQual();
    bool visible = true;
    if (hide) {
      if (On(doc, 554) && aboveLine) visible = false;
      if (On(doc, 552) && pilot.BlockComplete() != 0) visible = false;
      if (On(doc, 553)) {
        // The mark follows the codes as they are now, not as the last
        // rebuild left it.
        pilot.ComputeOnLeaveAllMonth(monthLength);
        if (pilot.OnLeaveAllMonth != 0) visible = false;
      }
      if (On(doc, 551) && CheckPilotQual(qual)) visible = false;
    }
    if (show && visible) {
      visible = (On(doc, 557) && aboveLine) || (On(doc, 555) && CheckPilotQual(qual)) ||
                (On(doc, 556) && qual == 1);
    }
    if (searchOnly && visible) visible = pilot.SearchMarks[kMarkMatched] != 0;
    if (!visible) continue;
    int& slot = order[static_cast<std::size_t>(shown)];
    if (slot != k) changed = true;
    slot = k;
    ++shown;
  }
  if (count != shown) changed = true;
  count = shown;
  outcome.orderChanged = changed;
  outcome.repaint = !searchOnly || changed || force;
  return outcome;
}

BlockSearchOutcome RunBlockSearch(TDocument& doc, std::string_view text, BlockFilterState& state,
                                  Ui& ui) {
  text = text.substr(0, std::min<std::size_t>(text.size(), kSearchTextLength));
  std::array<std::string, kMaxSearchStrings> strings;
  int count = 0;
  std::string piece;
  bool refused = false;
  const auto take = [&] {
    if (piece.empty()) return;
    if (refused) {
      piece.clear();
      return;
    }
    if (count == kMaxSearchStrings) {
      ui.message(kTooManySearchStrings, kAppCaption, Icon::Information);
      refused = true;
      return;
    }
    strings[static_cast<std::size_t>(count++)] = piece;
    piece.clear();
  };
  for (const char c : text) {
    if (c == ' ' || c == ',') {
      take();
    } else {
      piece.push_back(Upper(c));
    }
  }
  take();

  const auto& checks = doc.view.searchChecks;
  const bool names = checks[kSearchNames] != 0;
  const bool empNums = checks[kSearchEmpNums] != 0;
  const bool pairs = checks[kSearchPairs] != 0;
  // Flight-attendant files have no bids to search.
  const bool bids = checks[kSearchBids] != 0 && doc.crewKind() != CrewKind::FlightAttendants;

  // Which strings each pairing's text holds, once per pairing rather than
  // once per crew member and day.
  std::vector<std::uint32_t>& pairMatches = BlockFilterAccess::pairMatches(state);
  const int lastPair = doc.lastPairIndex();
  if (pairs && count > 0) {
    for (int p = 0; p <= lastPair; ++p) {
      std::uint32_t mask = 0;
      const std::string_view display = doc.pair(p).DisplayText;
      for (int i = 0; i < count; ++i)
        if (Contains(display, strings[static_cast<std::size_t>(i)])) mask |= 1u << i;
      pairMatches[static_cast<std::size_t>(p)] = mask;
    }
  }

  const int n = doc.rosterSize();
  const int monthLength = doc.monthDays();
  const int codeDays = std::min(monthLength + 31, kBlockDays);
  char number[16];
  for (int k = 0; k < n; ++k) {
    TPilot& pilot = doc.pilot(k);
    pilot.SearchMarks.fill(0);
    if (count == 0) {
      pilot.SearchMarks[kMarkMatched] = 1;
      pilot.SearchMarks[kMarkEmptySearch] = 1;
      continue;
    }
    std::snprintf(number, sizeof number, "%06d", static_cast<int>(pilot.EmpNumber));
    // Which strings his pairings' texts hold and which his codes equal, each
    // day looked at once.
    std::uint32_t pairingMask = 0;
    std::uint32_t codeMask = 0;
    if (pairs) {
      for (int d = 0; d < monthLength; ++d) {
        const std::int32_t cell = pilot.DayCell[static_cast<std::size_t>(d)];
        if (cell >= 0 && cell <= lastPair)
          pairingMask |= pairMatches[static_cast<std::size_t>(cell)];
      }
      for (int d = 0; d < codeDays; ++d) {
        const std::string& stored = pilot.DayCode[static_cast<std::size_t>(d)];
        if (stored.empty()) continue;
        const std::string_view code = WithoutTrailingBlanks(stored);
        for (int i = 0; i < count; ++i)
          if (code == strings[static_cast<std::size_t>(i)]) codeMask |= 1u << i;
      }
    }
    auto& marks = pilot.SearchMarks;
    for (int i = 0; i < count; ++i) {
      const std::string& s = strings[static_cast<std::size_t>(i)];
      if (empNums && Contains(number, s)) marks[kMarkEmpNumber] = marks[kMarkMatched] = 1;
      if (names && Contains(pilot.Name, s)) marks[kMarkName] = marks[kMarkMatched] = 1;
      if (bids && Contains(pilot.BidText, s)) marks[kMarkBids] = marks[kMarkMatched] = 1;
      if ((pairingMask & (1u << i)) != 0) marks[kMarkPairings] = marks[kMarkMatched] = 1;
      if ((codeMask & (1u << i)) != 0) marks[kMarkAbsences] = marks[kMarkMatched] = 1;
    }
  }
  state.forceRepaint = true;
  return {count, ApplyBlockFilters(doc, state)};
}

}  // namespace lumora
