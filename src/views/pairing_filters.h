#pragma once
// The pairing filters: they narrow the pairing window to the pairings picked
// by number and to those whose text holds the words of a text filter. Each
// pairing carries its mark (FilterState: 0 none, 1 by number, 2 by text).
// Pilot files keep one filter per crew member (PairingFilterText: 4-digit
// numbers, then "TEXT" and the text filter) and apply it when the bids
// window selects him; flight-attendant files edit the marks directly in the
// pairing filter window, which saves to and recalls from any crew member.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "model/document.h"
#include "platform/dialog_model.h"

namespace lumora {

class TPairWin;
class Ui;

inline constexpr std::uint8_t kNotFiltered = 0;
inline constexpr std::uint8_t kFilteredByNumber = 1;
inline constexpr std::uint8_t kFilteredByText = 2;
// Longest text filter an editor takes.
inline constexpr std::size_t kTextFilterLength = 99;

// A text filter split into its terms: "Z,!YTZ;" includes "Z", excludes "YTZ".
struct TextFilter {
  std::vector<std::string> include;
  std::vector<std::string> exclude;
};
// Terms end at the first ";"; empty terms are dropped.
TextFilter ParseTextFilter(std::string_view text);

// Every pairing not picked by number gets mark 2 when its display text holds
// an inclusion term, and loses it again when the text also holds an
// exclusion term. With `indoc`, the inclusion term INDOC1 (in its three
// spellings) picks the pairings whose first two legs fly out and back.
void ApplyTextFilter(TDocument& doc, const TextFilter& filter, bool indoc = false);

// Whether a pairing's first two legs fly out and back (its PRG source).
bool IsOutAndBack(const TPair& pair);

// A stored filter split at its first "TEXT": the pairing numbers before it
// and the text filter after it. `present` is false without "TEXT".
struct StoredFilter {
  bool present = false;
  std::vector<int> numbers;
  std::string text;
};
StoredFilter ParseStoredFilter(std::string_view stored);

// The most recent text filter goes first; an equal older one goes, and the
// list keeps kPairFilterCount entries. An empty text is not kept.
void AddRecentPairFilter(TDocument& doc, std::string_view text);

// What applying any filter ends with: the filters are on under `name`, the
// selections are cleared and the window is laid out again from its top row.
// The front end repaints the pairing window and the grid's corner.
void FinishApplyingFilters(TPairWin& window, std::string name);

// Every mark goes, the filters are off, the selections cleared and the
// window laid out again; its caption becomes "Filters Off".
void ClearPairingFilters(TDocument& doc, TPairWin& window);

// Pilot files: applies the stored filter of crew member `crew` (a roster
// index, so that crew members without an employee number and the pseudo
// lines are told apart). A crew index outside the roster is refused with
// "Unable to Find Employee to Filter"; returns whether the filter applied.
bool SetCrewFilter(TDocument& doc, TPairWin& window, int crew, Ui& ui);

// The distinct pairing numbers, in pairing-table order of first occurrence:
// one push cell each in the filter editors.
std::vector<int> FilterCellNumbers(const TDocument& doc);

// --- the filter wizard ("Lumora Pairing Filter Wizard")

class FilterWizardDialog final : public DialogModel {
 public:
  static constexpr int kBoxes = 4;
  static constexpr std::size_t kBoxLength = 30;

  std::string_view title() const override { return "Lumora Pairing Filter Wizard"; }
  // Builds the text filter from the boxes; refuses when only right boxes
  // hold words.
  bool accept(Ui& ui) override;

  void setLeft(int box, std::string text);
  void setRight(int box, std::string text);
  const std::string& left(int box) const { return left_[Box(box)]; }
  const std::string& right(int box) const { return right_[Box(box)]; }
  // The text filter OK built (empty with every box empty).
  const std::string& result() const { return result_; }

 private:
  static std::size_t Box(int box);
  std::array<std::string, kBoxes> left_;
  std::array<std::string, kBoxes> right_;
  std::string result_;
};

// --- pilot files: the bid filter editor of one crew member

class BidFilterEditor final : public DialogModel {
 public:
  BidFilterEditor(TDocument& doc, int crew);

  std::string_view title() const override { return title_; }
  // "OK": stores the crew member's filter and makes its text the most recent.
  bool accept(Ui& ui) override;

  const std::vector<int>& numbers() const { return numbers_; }
  bool selected(int cell) const;
  // A click toggles the cell; a Shift-click sets it to the opposite of its
  // state and carries that state back towards the first cell, up to the
  // first cell that already has it.
  void click(int cell, bool shift);
  void clear();   // every cell unselected, the text emptied
  void invert();  // every cell flipped
  const std::string& text() const { return text_; }
  void setText(std::string text) { text_ = std::move(text); }
  const std::array<std::string, kPairFilterCount>& recentTexts() const { return doc_.PairFilters; }

 private:
  TDocument& doc_;
  int crew_;
  std::string title_;
  std::vector<int> numbers_;
  std::vector<std::uint8_t> selected_;
  std::string text_;
};

// Opens the bid filter editor of crew member `crew` (a roster index) through
// `ui`; true when OK stored his filter. Nothing happens outside the roster.
bool EditBidFilter(TDocument& doc, int crew, Ui& ui);

// --- flight-attendant files: the pairing filter window

class FilterWindowDialog final : public DialogModel {
 public:
  FilterWindowDialog(TDocument& doc, TPairWin& window);

  std::string_view title() const override { return caption_; }
  // "Apply Filters": true when the filters were applied (the window closes).
  bool accept(Ui& ui) override;

  // The crew member chosen in the combo ("%d %s"), -1 for none.
  std::vector<std::string> crewEntries() const;
  int crew() const { return crew_; }
  void setCrew(int crew);
  const std::string& text() const { return text_; }
  void setText(std::string text) { text_ = std::move(text); }
  const std::array<std::string, kPairFilterCount>& recentTexts() const { return doc_.PairFilters; }

  const std::vector<int>& numbers() const { return numbers_; }
  // Whether the pairings of a cell's number are picked by number.
  bool pressed(int cell) const;
  // The cell of a pairing number, -1 when no pairing has it.
  int cellOf(int number) const;
  void click(int cell);
  void invert();
  void save(Ui& ui);
  void recall(Ui& ui);
  // "Remove Filters": the filters cleared and the text emptied; the window closes.
  void removeFilters();
  // The window's own caption: what the last button did.
  const std::string& caption() const { return caption_; }

 private:
  void flip(int number);
  TDocument& doc_;
  TPairWin& window_;
  std::vector<int> numbers_;
  int crew_ = -1;
  std::string text_;
  std::string caption_;
};

}  // namespace lumora
