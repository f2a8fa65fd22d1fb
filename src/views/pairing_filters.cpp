#include "views/pairing_filters.h"

#include <algorithm>
#include <bitset>
#include <cstdio>
#include <utility>

#include "platform/captions.h"
#include "platform/ui.h"
#include "views/pair_window.h"

namespace lumora {

namespace {

constexpr std::string_view kTextMark = "TEXT";
constexpr int kNumberRange = 10000;  // pairing numbers are written "%04d"

using NumberSet = std::bitset<kNumberRange>;

bool Contains(std::string_view text, std::string_view part) {
  return text.find(part) != std::string_view::npos;
}

bool IsIndocTerm(std::string_view term) {
  return term == "INDOC1" || term == "indoc1" || term == "Indoc1";
}

bool InRange(int number) {
  return number >= 0 && number < kNumberRange;
}

std::string Number4(int number) {
  char buffer[16];
  std::snprintf(buffer, sizeof buffer, "%04d", number);
  return buffer;
}

// "Filters On for ": the pilot's caption, which names him.
std::string CrewCaption(const std::string& name) {
  return "Filters On for " + name;
}

std::string Limited(std::string_view text) {
  return std::string(text.substr(0, std::min(text.size(), kTextFilterLength)));
}

// The line of `text` with index `line` (lines end with a line feed).
std::string_view Line(std::string_view text, int line) {
  std::size_t start = 0;
  for (int i = 0; i < line; ++i) {
    const std::size_t feed = text.find('\n', start);
    if (feed == std::string_view::npos) return {};
    start = feed + 1;
  }
  const std::size_t end = text.find('\n', start);
  return text.substr(start, end == std::string_view::npos ? std::string_view::npos : end - start);
}

}  // namespace

TextFilter ParseTextFilter(std::string_view text) {
  TextFilter filter;
  text = text.substr(0, text.find(';'));
  std::size_t start = 0;
  while (start <= text.size()) {
    const std::size_t comma = text.find(',', start);
    std::string_view term = text.substr(
        start, comma == std::string_view::npos ? std::string_view::npos : comma - start);
    if (!term.empty() && term.front() == '!') {
      term.remove_prefix(1);
      if (!term.empty()) filter.exclude.emplace_back(term);
    } else if (!term.empty()) {
      filter.include.emplace_back(term);
    }
    if (comma == std::string_view::npos) break;
    start = comma + 1;
  }
  return filter;
}

bool IsOutAndBack(const TPair& pair) {
  const std::string_view text = pair.PairingText;
  const std::string_view first = Line(text, 1);
  const std::string_view second = Line(text, 2);
  if (first.size() < 31 || second.size() < 46) return false;
  if (first.front() != '2' || second.front() != '2') return false;
  return first.substr(28, 3) == second.substr(43, 3);
}

void ApplyTextFilter(TDocument& doc, const TextFilter& filter, bool indoc) {
  if (filter.include.empty()) return;
  const int last = doc.lastPairIndex();
  for (int p = 0; p <= last; ++p) {
    TPair& pair = doc.pair(p);
    if (pair.FilterState == kFilteredByNumber) continue;
    const std::string_view text = pair.DisplayText;
    bool included = false;
    for (const std::string& term : filter.include) {
      if (indoc && IsIndocTerm(term) ? IsOutAndBack(pair) : Contains(text, term)) {
        included = true;
        break;
      }
    }
    if (!included) continue;
    bool excluded = false;
    for (const std::string& term : filter.exclude) {
      if (Contains(text, term)) {
        excluded = true;
        break;
      }
    }
    pair.FilterState = excluded ? kNotFiltered : kFilteredByText;
  }
}

StoredFilter ParseStoredFilter(std::string_view stored) {
  StoredFilter filter;
  const std::size_t mark = stored.find(kTextMark);
  if (mark == std::string_view::npos) return filter;
  filter.present = true;
  const std::string_view numbers = stored.substr(0, mark);
  for (std::size_t at = 0; at + 4 <= numbers.size(); at += 4) {
    int value = 0;
    bool digits = true;
    for (const char c : numbers.substr(at, 4)) {
      if (c == ' ') continue;
      if (c < '0' || c > '9') {
        digits = false;
        break;
      }
      value = value * 10 + (c - '0');
    }
    if (digits) filter.numbers.push_back(value);
  }
  filter.text = std::string(stored.substr(mark + kTextMark.size()));
  return filter;
}

void AddRecentPairFilter(TDocument& doc, std::string_view text) {
  if (text.empty()) return;
  auto& list = doc.PairFilters;
  const std::string entry(text);
  auto end = std::remove(list.begin(), list.end(), entry);
  std::fill(end, list.end(), std::string());
  std::move_backward(list.begin(), list.end() - 1, list.end());
  list.front() = entry;
}

void FinishApplyingFilters(TPairWin& window, std::string name) {
  window.setFilters(true, std::move(name));
  window.clearSelection();
  window.LayoutPairWin();
  window.setScroll(window.firstColumn(), 0);
}

void ClearPairingFilters(TDocument& doc, TPairWin& window) {
  const int last = doc.lastPairIndex();
  for (int p = 0; p <= last; ++p) doc.pair(p).FilterState = kNotFiltered;
  window.setFilters(false, std::string());
  window.clearSelection();
  window.LayoutPairWin();
  window.setCaption("Filters Off");
}

bool SetCrewFilter(TDocument& doc, TPairWin& window, int crew, Ui& ui) {
  if (!doc.isRosterIndex(crew)) {
    ui.message("Unable to Find Employee to Filter", kAppCaption, Icon::Information);
    return false;
  }
  const TPilot& pilot = doc.pilot(crew);
  const int last = doc.lastPairIndex();
  for (int p = 0; p <= last; ++p) doc.pair(p).FilterState = kNotFiltered;
  const StoredFilter stored = ParseStoredFilter(pilot.PairingFilterText);
  if (stored.present) {
    NumberSet wanted;
    for (const int n : stored.numbers)
      if (InRange(n)) wanted.set(static_cast<std::size_t>(n));
    for (int p = 0; p <= last; ++p) {
      TPair& pair = doc.pair(p);
      if (InRange(pair.Number) && wanted.test(static_cast<std::size_t>(pair.Number)))
        pair.FilterState = kFilteredByNumber;
    }
    ApplyTextFilter(doc, ParseTextFilter(stored.text), true);
  }
  FinishApplyingFilters(window, pilot.Name);
  window.setCaption(CrewCaption(pilot.Name));
  return true;
}

std::vector<int> FilterCellNumbers(const TDocument& doc) {
  std::vector<int> numbers;
  NumberSet seen;
  const int last = doc.lastPairIndex();
  for (int p = 0; p <= last; ++p) {
    const int n = doc.pair(p).Number;
    if (InRange(n)) {
      if (seen.test(static_cast<std::size_t>(n))) continue;
      seen.set(static_cast<std::size_t>(n));
    } else if (std::find(numbers.begin(), numbers.end(), n) != numbers.end()) {
      continue;
    }
    numbers.push_back(n);
  }
  return numbers;
}

// --- the filter wizard

std::size_t FilterWizardDialog::Box(int box) {
  return static_cast<std::size_t>(std::clamp(box, 0, kBoxes - 1));
}

void FilterWizardDialog::setLeft(int box, std::string text) {
  if (text.size() > kBoxLength) text.resize(kBoxLength);
  left_[Box(box)] = std::move(text);
}

void FilterWizardDialog::setRight(int box, std::string text) {
  if (text.size() > kBoxLength) text.resize(kBoxLength);
  right_[Box(box)] = std::move(text);
}

bool FilterWizardDialog::accept(Ui& ui) {
  std::string text;
  bool anyLeft = false;
  for (const std::string& box : left_) {
    if (box.empty()) continue;
    anyLeft = true;
    text += box + ",";
  }
  for (const std::string& box : right_)
    if (!box.empty()) text += "!" + box + ",";
  if (!text.empty() && !anyLeft) {
    ui.message("You need at least 1 Key word or Letter in a left edit box", kAppCaption,
               Icon::Error);
    return false;
  }
  if (!text.empty()) text.back() = ';';
  result_ = std::move(text);
  return true;
}

// --- the bid filter editor

BidFilterEditor::BidFilterEditor(TDocument& doc, int crew)
    : doc_(doc), crew_(crew), numbers_(FilterCellNumbers(doc)), selected_(numbers_.size(), 0) {
  if (!doc.isRosterIndex(crew)) return;
  const TPilot& pilot = doc.pilot(crew);
  title_ = "Filters for " + pilot.Name;
  const StoredFilter stored = ParseStoredFilter(pilot.PairingFilterText);
  for (std::size_t i = 0; i < numbers_.size(); ++i)
    if (std::find(stored.numbers.begin(), stored.numbers.end(), numbers_[i]) !=
        stored.numbers.end())
      selected_[i] = 1;
  text_ = stored.text;
}

bool BidFilterEditor::selected(int cell) const {
  return cell >= 0 && static_cast<std::size_t>(cell) < selected_.size() &&
         selected_[static_cast<std::size_t>(cell)] != 0;
}

void BidFilterEditor::click(int cell, bool shift) {
  if (cell < 0 || static_cast<std::size_t>(cell) >= selected_.size()) return;
  const std::uint8_t state = selected(cell) ? 0 : 1;
  selected_[static_cast<std::size_t>(cell)] = state;
  if (!shift) return;
  for (int i = cell - 1; i >= 0 && selected_[static_cast<std::size_t>(i)] != state; --i)
    selected_[static_cast<std::size_t>(i)] = state;
}

void BidFilterEditor::clear() {
  std::fill(selected_.begin(), selected_.end(), 0);
  text_.clear();
}

void BidFilterEditor::invert() {
  for (std::uint8_t& s : selected_) s = s != 0 ? 0 : 1;
}

bool BidFilterEditor::accept(Ui& /*ui*/) {
  if (!doc_.isRosterIndex(crew_)) return true;
  std::string text = Limited(text_);
  if (!text.empty() && text.find(';') == std::string::npos) text += ';';
  AddRecentPairFilter(doc_, text);
  std::string stored;
  for (std::size_t i = 0; i < numbers_.size(); ++i)
    if (selected_[i] != 0) stored += Number4(numbers_[i]);
  if (!stored.empty() || !text.empty()) stored += std::string(kTextMark) + text;
  doc_.pilot(crew_).PairingFilterText = std::move(stored);
  doc_.Modified = 1;
  text_ = std::move(text);
  return true;
}

bool EditBidFilter(TDocument& doc, int crew, Ui& ui) {
  if (!doc.isRosterIndex(crew)) return false;
  BidFilterEditor editor(doc, crew);
  return ui.run(editor);
}

// --- the pairing filter window

FilterWindowDialog::FilterWindowDialog(TDocument& doc, TPairWin& window)
    : doc_(doc), window_(window), numbers_(FilterCellNumbers(doc)) {
  // The crew member last saved to or recalled from stays chosen (kept as
  // his index + 1, so that 0 is none).
  const int remembered = doc.view.currentPairFilter - 1;
  if (doc.isRosterIndex(remembered)) crew_ = remembered;
  text_ = doc.PairFilters.front();
}

std::vector<std::string> FilterWindowDialog::crewEntries() const {
  std::vector<std::string> entries;
  const int n = doc_.rosterSize();
  entries.reserve(static_cast<std::size_t>(n));
  for (int k = 0; k < n; ++k) entries.push_back(std::to_string(k + 1) + " " + doc_.pilot(k).Name);
  return entries;
}

void FilterWindowDialog::setCrew(int crew) {
  crew_ = doc_.isRosterIndex(crew) ? crew : -1;
}

bool FilterWindowDialog::pressed(int cell) const {
  if (cell < 0 || static_cast<std::size_t>(cell) >= numbers_.size()) return false;
  const int number = numbers_[static_cast<std::size_t>(cell)];
  const int last = doc_.lastPairIndex();
  for (int p = 0; p <= last; ++p)
    if (doc_.pair(p).Number == number) return doc_.pair(p).FilterState == kFilteredByNumber;
  return false;
}

int FilterWindowDialog::cellOf(int number) const {
  const auto it = std::find(numbers_.begin(), numbers_.end(), number);
  return it == numbers_.end() ? -1 : static_cast<int>(it - numbers_.begin());
}

void FilterWindowDialog::flip(int number) {
  const int last = doc_.lastPairIndex();
  for (int p = 0; p <= last; ++p) {
    TPair& pair = doc_.pair(p);
    if (pair.Number != number) continue;
    pair.FilterState = pair.FilterState == kFilteredByNumber ? kNotFiltered : kFilteredByNumber;
  }
}

void FilterWindowDialog::click(int cell) {
  if (cell < 0 || static_cast<std::size_t>(cell) >= numbers_.size()) return;
  flip(numbers_[static_cast<std::size_t>(cell)]);
  caption_.clear();
}

void FilterWindowDialog::invert() {
  const int last = doc_.lastPairIndex();
  for (int p = 0; p <= last; ++p) {
    TPair& pair = doc_.pair(p);
    pair.FilterState = pair.FilterState == kFilteredByNumber ? kNotFiltered : kFilteredByNumber;
  }
  caption_.clear();
}

bool FilterWindowDialog::accept(Ui& ui) {
  const int last = doc_.lastPairIndex();
  for (int p = 0; p <= last; ++p)
    if (doc_.pair(p).FilterState == kFilteredByText) doc_.pair(p).FilterState = kNotFiltered;
  std::string text = Limited(text_);
  if (!text.empty() && text.find(';') == std::string::npos) {
    const Answer answer =
        ui.ask("Text Filter List must end in semi-colon ;. Do you want to Add semi-colon",
               kAppCaption, Buttons::YesNo, Icon::Question);
    if (answer != Answer::Yes) {
      text_ = std::move(text);
      return false;
    }
    text += ';';
  }
  text_ = text;
  AddRecentPairFilter(doc_, text);
  ApplyTextFilter(doc_, ParseTextFilter(text));
  FinishApplyingFilters(window_, std::string());
  window_.setCaption("Filters On");
  doc_.view.currentPairFilter = crew_ + 1;
  return true;
}

void FilterWindowDialog::save(Ui& ui) {
  if (crew_ < 0) {
    ui.message("You have not selected the name to Save Filters to", kAppCaption, Icon::Information);
    return;
  }
  std::string stored;
  const int last = doc_.lastPairIndex();
  for (int p = 0; p <= last; ++p)
    if (doc_.pair(p).FilterState == kFilteredByNumber) stored += Number4(doc_.pair(p).Number);
  const std::string text = Limited(text_);
  stored += std::string(kTextMark) + text;
  TPilot& pilot = doc_.pilot(crew_);
  pilot.PairingFilterText = std::move(stored);
  AddRecentPairFilter(doc_, text);
  doc_.view.currentPairFilter = crew_ + 1;
  doc_.Modified = 1;
  caption_ = "Filters Saved to " + pilot.Name;
}

void FilterWindowDialog::recall(Ui& ui) {
  if (crew_ < 0) {
    ui.message("You have not selected the name to Recall the Filters from", kAppCaption,
               Icon::Information);
    return;
  }
  const TPilot& pilot = doc_.pilot(crew_);
  const StoredFilter stored = ParseStoredFilter(pilot.PairingFilterText);
  if (!stored.present) {
    caption_ = "No Filters to Recall from " + pilot.Name;
    return;
  }
  NumberSet wanted;
  for (const int n : stored.numbers)
    if (InRange(n)) wanted.set(static_cast<std::size_t>(n));
  const int last = doc_.lastPairIndex();
  for (int p = 0; p <= last; ++p) {
    TPair& pair = doc_.pair(p);
    if (pair.FilterState == kFilteredByNumber) pair.FilterState = kNotFiltered;
    if (InRange(pair.Number) && wanted.test(static_cast<std::size_t>(pair.Number)))
      pair.FilterState = kFilteredByNumber;
  }
  text_ = stored.text;
  doc_.view.currentPairFilter = crew_ + 1;
  caption_ = "Filters Recalled from " + pilot.Name;
}

void FilterWindowDialog::removeFilters() {
  ClearPairingFilters(doc_, window_);
  // The filter window's "Remove Filters" leaves the caption empty.
  window_.setCaption(std::string());
  text_.clear();
}

}  // namespace lumora
