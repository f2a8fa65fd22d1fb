#pragma once
// The bids window of captain and first-officer files: one tab per crew member
// shown in the grid, with his bid text for reading and editing, the summary
// of his pairing filter, and the guess of his bid: the days off and the
// pairings each numbered request asks for. Two buttons turn the guess into
// his pairing filter and into day requests. This is the window's content and
// behaviour; the front end shows it and forwards the user's actions.

#include <array>
#include <functional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "platform/canvas.h"

namespace lumora {

class SettingsStore;
class TDocument;
class Ui;

// What the window asks of the features around it. The shell fills what
// exists; a control whose hook is empty is disabled.
struct BidsWindowHooks {
  // Whether the pairing filters are on.
  std::function<bool()> pairingFiltersOn;
  // Applies the stored pairing filter of crew member `crew` (roster index).
  std::function<void(int crew)> setCrewFilter;
  // Switches the pairing filters off.
  std::function<void()> clearPairingFilters;
  // The bid filter editor for crew member `crew`, with its caption.
  std::function<void(int crew, const std::string& caption)> editBidFilter;
  // "Employee Info" for crew member `crew`; afterwards his block is
  // recalculated and checked and the block filters are applied again.
  std::function<void(int crew)> employeeInfo;
  // A new, empty message in the desktop's mail program.
  std::function<void()> composeMail;
  // His day requests changed: his grid row and the grid header repaint.
  std::function<void(int crew)> dayRequestsChanged;
};

inline constexpr int kBidRequests = 8;
inline constexpr int kBidGuessEntries = 200;  // per list; a longer line is cut
inline constexpr int kGuessShownDays = 32;
inline constexpr int kGuessShownPairings = 50;
inline constexpr int kDayOffRequestDays = 31;
inline constexpr int kFilterRequestPairings = 50;
// Day requests "X1" and up; the last one with a label is "X32".
inline constexpr int kFirstDayOffRequest = 20;
inline constexpr int kLastDayOffRequest = 51;

inline constexpr std::string_view kBidsWindowCaption = "Bids";
inline constexpr std::string_view kSaveBidQuestion = "Save Changes to Bid for ";
inline constexpr std::string_view kFiltersOnLabel = "SET FILTERS ON";
inline constexpr std::string_view kFiltersOffLabel = "SET FILTERS OFF";
inline constexpr std::string_view kFeb1Question = "Is this request Feb 1st Off";
inline constexpr std::string_view kMarch1Ignored =
    "March 1st Is Not in This Schedule Period. Ignoring request for March 1st";
inline constexpr std::string_view kMissingPairNumbers =
    "The following Pair Numbers were Not Found in the Pairings. They Will Not be Added to the "
    "Filters. ";
inline constexpr std::string_view kRequestsCapped =
    "Too many day off requests: the days past the last request were marked X32.";

// One request's guess: days of the month and pairing numbers, 0 unused.
struct BidRequestGuess {
  std::array<int, kBidGuessEntries> days{};
  std::array<int, kBidGuessEntries> pairings{};
};

// The "FILTERS" pane's text for a stored pairing filter.
std::string PairingFilterSummary(std::string_view filterText);

// Where the window sits and how large it is, from the settings file: an X
// beyond the screen width less 30 becomes 200, a Y beyond its height less 30
// becomes 300.
Rect BidsWindowPlacement(const SettingsStore& settings, int screenWidth, int screenHeight);
void StoreBidsWindowPlacement(SettingsStore& settings, const Rect& frame);

// The child controls' places for a tab control of `tabs` (its display area
// starting `tabRowHeight` + 3 below its top) and the grid's column width.
struct BidsWindowLayout {
  Rect bids, filters, guess;
  Rect filtersToggle, selectFilters, moreOptions;
  Rect setFilters, setDayOffReq;
};
BidsWindowLayout LayOutBidsWindow(const Rect& tabs, int tabRowHeight, int columnWidth);

class TBidsWindow {
 public:
  TBidsWindow(TDocument& doc, Ui& ui, BidsWindowHooks hooks = {});
  TBidsWindow(const TBidsWindow&) = delete;
  TBidsWindow& operator=(const TBidsWindow&) = delete;

  void setHooks(BidsWindowHooks hooks) { hooks_ = std::move(hooks); }
  const BidsWindowHooks& hooks() const { return hooks_; }

  // One tab per crew member in `displayOrder` (roster indexes). The crew
  // member selected before stays selected when he is still shown, else the
  // first tab; either is shown and his bid guessed.
  void RebuildBidsTabs(std::span<const int> displayOrder);
  // Roster order.
  void RebuildBidsTabs();

  // The grid's click on a name: the pending edits are stored, then his tab
  // is selected as by a click on it. Out-of-range tabs do nothing.
  void SelectBidsTab(int tab);
  // The tab of crew member `crew`, or -1 when he has none.
  int tabOfCrew(int crew) const;

  // Asks whether to keep the "BIDS" pane's edits of the selected crew
  // member's bid; true when it stored them.
  bool StoreBidEdits();

  // The user's edit of the "BIDS" pane (each change; a key release guesses).
  void setBidsPaneText(std::string text) { bidsPane_ = std::move(text); }
  void GuessBid();

  // The buttons.
  void SetFilters();
  void SetDayOffReq();
  void toggleFilters();
  void selectFilters();
  void pilotInfo();
  void emailPilot();

  int tabCount() const { return static_cast<int>(tabs_.size()); }
  const std::string& tabLabel(int tab) const;
  int selectedTab() const { return selected_; }
  // The selected crew member's roster index, or -1.
  int selectedCrew() const;
  const std::string& bidsPane() const { return bidsPane_; }
  const std::string& filtersPane() const { return filtersPane_; }
  const std::string& guessPane() const { return guessPane_; }
  std::string_view filtersToggleLabel() const;
  const BidRequestGuess& guess(int request) const;
  // Grows with every change of the panes' texts set by the window itself.
  int contentVersion() const { return version_; }

 private:
  void selectTab(int tab);
  void showCrew();
  void showSummary();
  void applyCrewFilterIfOn();
  bool filtersOn() const;
  void writeGuessPane();

  TDocument& doc_;
  Ui& ui_;
  BidsWindowHooks hooks_;
  std::vector<int> tabs_;  // roster index per tab
  std::vector<std::string> labels_;
  int selected_ = -1;
  int rememberedCrew_ = -1;
  int rememberedNumber_ = -1;
  std::string bidsPane_;
  std::string loadedBid_;  // the bid the pane was last given
  std::string filtersPane_;
  std::string guessPane_;
  std::array<BidRequestGuess, kBidRequests> guess_{};
  bool guessing_ = false;
  int version_ = 0;
};

}  // namespace lumora
