#include "views/bids_window.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <optional>
#include <unordered_map>
#include <unordered_set>
#include <utility>

#include "model/document.h"
#include "model/time_text.h"
#include "platform/captions.h"
#include "platform/settings_catalogue.h"
#include "platform/ui.h"

namespace lumora {

namespace {

constexpr std::string_view kFilterTextMark = "TEXT";

std::string Upper(std::string text) {
  for (char& c : text) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return text;
}

std::string Formatted(const char* format, int value) {
  std::array<char, 24> text{};
  std::snprintf(text.data(), text.size(), format, value);
  return text.data();
}

// The month days of the period in calendar order: first and second day index
// with a day of the month (a period longer than a month has two).
struct DayPlaces {
  std::optional<int> first;
  std::optional<int> second;
};

DayPlaces FindDay(const TDocument& doc, int day) {
  DayPlaces places;
  for (int i = 0; i < doc.monthDays(); ++i) {
    if (doc.cal.MonthDays[static_cast<std::size_t>(i)][0] != day) continue;
    if (!places.first) {
      places.first = i;
    } else {
      places.second = i;
      break;
    }
  }
  return places;
}

int DayOfMonthAt(const TDocument& doc, int index) {
  return doc.cal.MonthDays[static_cast<std::size_t>(index)][0];
}

// Appends to the first unused entry; a full list drops the value.
void Append(std::array<int, kBidGuessEntries>& list, int& used, int value) {
  if (used < kBidGuessEntries) list[static_cast<std::size_t>(used++)] = value;
}

// Keeps every value only in the lowest-numbered request that has it, there at
// its last position.
template <class Member>
void DropRepeats(std::array<BidRequestGuess, kBidRequests>& guess, Member list) {
  std::unordered_map<int, std::pair<int, int>> keep;
  for (int k = 0; k < kBidRequests; ++k) {
    const auto& entries = guess[static_cast<std::size_t>(k)].*list;
    for (int j = 0; j < kBidGuessEntries; ++j) {
      const int v = entries[static_cast<std::size_t>(j)];
      if (v == 0) continue;
      auto [at, added] = keep.try_emplace(v, k, j);
      if (!added && at->second.first == k) at->second.second = j;
    }
  }
  for (int k = 0; k < kBidRequests; ++k) {
    auto& entries = guess[static_cast<std::size_t>(k)].*list;
    for (int j = 0; j < kBidGuessEntries; ++j) {
      int& v = entries[static_cast<std::size_t>(j)];
      if (v != 0 && keep.at(v) != std::pair{k, j}) v = 0;
    }
  }
}

bool AnyInFirst(const std::array<int, kBidGuessEntries>& list, int count) {
  return std::any_of(list.begin(), list.begin() + count, [](int v) { return v != 0; });
}

}  // namespace

std::string PairingFilterSummary(std::string_view filterText) {
  std::string text = "--- Pairing Filters: ---\n";
  const std::size_t mark = filterText.find(kFilterTextMark);
  if (mark == std::string_view::npos) return text + "No Filters. Click to Edit\n";
  text += "Always Show:\n";
  for (std::size_t at = 0; at + 4 <= mark; at += 4) {
    text += filterText.substr(at, 4);
    text += ", ";
  }
  text += "\n";
  std::string_view terms = filterText.substr(mark + kFilterTextMark.size());
  terms = terms.substr(0, terms.find(';'));
  std::string inclusions;
  std::string exclusions;
  while (true) {
    const std::size_t comma = terms.find(',');
    std::string_view term = terms.substr(0, comma);
    // An empty term names nothing to show or hide.
    if (!term.empty() && term.front() == '!') {
      term.remove_prefix(1);
      if (!term.empty()) exclusions.append(term).append(",");
    } else if (!term.empty()) {
      inclusions.append(term).append(",");
    }
    if (comma == std::string_view::npos) break;
    terms.remove_prefix(comma + 1);
  }
  if (!inclusions.empty()) text += "Also Show Pairings Containing:\n" + inclusions + "\n";
  if (!exclusions.empty()) text += "But Not Containing:\n" + exclusions;
  return text;
}

Rect BidsWindowPlacement(const SettingsStore& settings, int screenWidth, int screenHeight) {
  int x = ReadSettingInt(settings, kBidWinX);
  int y = ReadSettingInt(settings, kBidWinY);
  const int w = ReadSettingInt(settings, kBidWinW);
  const int h = ReadSettingInt(settings, kBidWinH);
  if (x > screenWidth - 30) x = kBidWinX.defaultInt;
  if (y > screenHeight - 30) y = kBidWinY.defaultInt;
  return {x, y, x + w, y + h};
}

void StoreBidsWindowPlacement(SettingsStore& settings, const Rect& frame) {
  WriteSettingInt(settings, kBidWinX, frame.left);
  WriteSettingInt(settings, kBidWinY, frame.top);
  WriteSettingInt(settings, kBidWinW, frame.width());
  WriteSettingInt(settings, kBidWinH, frame.height());
}

BidsWindowLayout LayOutBidsWindow(const Rect& tabs, int tabRowHeight, int columnWidth) {
  BidsWindowLayout l;
  const int areaTop = tabs.top + tabRowHeight + 3;
  const int third = tabs.width() / 3;
  const int w = columnWidth;
  l.bids = {tabs.left + 10, areaTop + 10, tabs.right - third - 10, tabs.bottom - 10 - w};
  l.filters = {l.bids.right + 10, l.bids.top, l.bids.right + third,
               l.bids.top + l.bids.height() / 2 - 5};
  l.guess = {l.filters.left, l.filters.bottom + 10, l.filters.right, l.bids.bottom};
  const int rowTop = l.bids.bottom + 5;
  const int third3 = (l.bids.width() - 20) / 3;
  l.filtersToggle = {l.bids.left, rowTop, l.bids.left + third3, rowTop + w};
  l.selectFilters = {l.filtersToggle.right + 10, rowTop, l.filtersToggle.right + 10 + third3,
                     rowTop + w};
  l.moreOptions = {l.selectFilters.right + 10, rowTop, l.bids.right, rowTop + w};
  const int half = (l.guess.width() - 5) / 2;
  l.setFilters = {l.guess.left, rowTop, l.guess.left + half, rowTop + w};
  l.setDayOffReq = {l.setFilters.right + 5, rowTop, l.guess.right, rowTop + w};
  return l;
}

TBidsWindow::TBidsWindow(TDocument& doc, Ui& ui, BidsWindowHooks hooks)
    : doc_(doc), ui_(ui), hooks_(std::move(hooks)) {}

void TBidsWindow::RebuildBidsTabs() {
  std::vector<int> order(static_cast<std::size_t>(doc_.rosterSize()));
  for (std::size_t c = 0; c < order.size(); ++c) order[c] = static_cast<int>(c);
  RebuildBidsTabs(order);
}

void TBidsWindow::RebuildBidsTabs(std::span<const int> displayOrder) {
  std::vector<int> tabs;
  for (const int crew : displayOrder)
    if (doc_.isRosterIndex(crew)) tabs.push_back(crew);
  // The crew member shown before, by his line while it still holds his
  // number (crew members without a number share one), else by his number.
  int tab = -1;
  const auto line = std::find(tabs.begin(), tabs.end(), rememberedCrew_);
  if (line != tabs.end() && doc_.pilot(*line).EmpNumber == rememberedNumber_) {
    tab = static_cast<int>(line - tabs.begin());
  } else {
    const auto byNumber = std::find_if(tabs.begin(), tabs.end(), [this](int crew) {
      return doc_.pilot(crew).EmpNumber == rememberedNumber_;
    });
    if (byNumber != tabs.end()) tab = static_cast<int>(byNumber - tabs.begin());
  }
  if (tab < 0 && !tabs.empty()) tab = 0;

  // The grid's changes rebuild the tabs often: the crew member being edited
  // keeps his edits, and another one is shown only after they were offered
  // for saving.
  const int before = selectedCrew();
  const int after = tab < 0 ? -1 : tabs[static_cast<std::size_t>(tab)];
  if (after != before) StoreBidEdits();
  tabs_ = std::move(tabs);
  labels_.clear();
  for (const int crew : tabs_)
    labels_.push_back(std::to_string(crew + 1) + ". " + doc_.pilot(crew).Name);
  selected_ = tab;
  if (after == before && after >= 0 && bidsPane_ != loadedBid_)
    showSummary();
  else
    showCrew();
  GuessBid();
}

int TBidsWindow::tabOfCrew(int crew) const {
  const auto found = std::find(tabs_.begin(), tabs_.end(), crew);
  return found == tabs_.end() ? -1 : static_cast<int>(found - tabs_.begin());
}

void TBidsWindow::SelectBidsTab(int tab) {
  if (tab < 0 || tab >= tabCount()) return;
  StoreBidEdits();
  selectTab(tab);
}

void TBidsWindow::selectTab(int tab) {
  selected_ = tab;
  showCrew();
  applyCrewFilterIfOn();
  GuessBid();
}

const std::string& TBidsWindow::tabLabel(int tab) const {
  return labels_.at(static_cast<std::size_t>(tab));
}

int TBidsWindow::selectedCrew() const {
  if (selected_ < 0 || selected_ >= tabCount()) return -1;
  return tabs_[static_cast<std::size_t>(selected_)];
}

void TBidsWindow::showCrew() {
  const int crew = selectedCrew();
  if (crew < 0) {
    bidsPane_.clear();
    filtersPane_.clear();
  } else {
    const TPilot& pilot = doc_.pilot(crew);
    bidsPane_ = pilot.BidText;
    loadedBid_ = pilot.BidText;
    rememberedCrew_ = crew;
    rememberedNumber_ = pilot.EmpNumber;
    showSummary();
  }
  ++version_;
}

void TBidsWindow::showSummary() {
  const int crew = selectedCrew();
  filtersPane_ =
      crew < 0 ? std::string() : PairingFilterSummary(doc_.pilot(crew).PairingFilterText);
  ++version_;
}

bool TBidsWindow::filtersOn() const {
  return hooks_.pairingFiltersOn && hooks_.pairingFiltersOn();
}

void TBidsWindow::applyCrewFilterIfOn() {
  const int crew = selectedCrew();
  if (crew >= 0 && filtersOn() && hooks_.setCrewFilter) hooks_.setCrewFilter(crew);
}

bool TBidsWindow::StoreBidEdits() {
  const int crew = selectedCrew();
  if (crew < 0) return false;
  TPilot& pilot = doc_.pilot(crew);
  // Only the user's edits are offered; a bid the import replaced under the
  // pane is shown again as it is.
  if (bidsPane_ == loadedBid_ || bidsPane_ == pilot.BidText) return false;
  const Answer answer = ui_.ask(std::string(kSaveBidQuestion) + pilot.Name, kAppCaption,
                                Buttons::YesNo, Icon::Question);
  if (answer == Answer::Yes) {
    pilot.BidText = Upper(bidsPane_);
    doc_.Modified = 1;
  }
  // Either way the pane shows the stored bid again, so that the same edit
  // is not asked about twice.
  bidsPane_ = pilot.BidText;
  loadedBid_ = pilot.BidText;
  ++version_;
  return answer == Answer::Yes;
}

void TBidsWindow::GuessBid() {
  if (guessing_) return;
  guessing_ = true;
  guess_ = {};

  std::unordered_set<int> pairNumbers;
  for (int p = 0; p <= doc_.lastPairIndex(); ++p) pairNumbers.insert(doc_.pair(p).Number);
  const char pairLetter =
      doc_.lastPairIndex() >= 1 && !doc_.pair(0).Prefix.empty()
          ? static_cast<char>(std::toupper(static_cast<unsigned char>(doc_.pair(0).Prefix[0])))
          : '\0';
  const auto isDay = [this](int v) { return FindDay(doc_, v).first; };

  const std::string_view text = bidsPane_;
  for (int k = 1; k <= kBidRequests; ++k) {
    BidRequestGuess& request = guess_[static_cast<std::size_t>(k - 1)];
    int days = 0;
    int pairings = 0;
    const std::size_t start = text.find("(" + std::to_string(k) + ").");
    if (start == std::string_view::npos) continue;
    const std::size_t from = std::min(start + 4, text.size());
    const std::size_t end = text.find('\n', from);
    const std::string line = Upper(
        std::string(text.substr(from, end == std::string_view::npos ? text.npos : end - from)));
    if (line.size() <= 1) continue;
    const bool daysOff = line.find("OFF") != std::string::npos;
    if (daysOff && line.find("WEEKENDS") != std::string::npos)
      for (int i = 0; i < doc_.monthDays(); ++i)
        if (doc_.cal.WeekendDay[static_cast<std::size_t>(i)])
          Append(request.days, days, DayOfMonthAt(doc_, i));

    const std::string padded = " " + line;
    std::size_t at = 0;
    while (at < padded.size()) {
      const std::size_t tokenEnd = padded.find_first_of(" ,", at);
      const std::string_view token = std::string_view(padded).substr(
          at, tokenEnd == std::string::npos ? std::string::npos : tokenEnd - at);
      at = tokenEnd == std::string::npos ? padded.size() : tokenEnd + 1;
      if (token.empty()) continue;

      const std::size_t dash = token.find('-');
      if (daysOff && dash != std::string_view::npos) {
        const int a = LeadingInt(token.substr(0, dash));
        const int b = LeadingInt(token.substr(dash + 1));
        const std::optional<int> ia = isDay(a);
        const std::optional<int> ib = isDay(b);
        if (ia && ib) {
          if (a < b && *ia < *ib) {
            for (int v = a; v <= b; ++v) Append(request.days, days, v);
          } else if (b < a && *ib < *ia) {
            for (int v = a; v >= b; --v) Append(request.days, days, v);
          } else {
            const int step = *ia <= *ib ? 1 : -1;
            for (int i = *ia;; i += step) {
              Append(request.days, days, DayOfMonthAt(doc_, i));
              if (i == *ib) break;
            }
          }
          continue;
        }
      }
      const int number = LeadingInt(token);
      if (number != 0) {
        if (daysOff && isDay(number)) Append(request.days, days, number);
        continue;
      }
      if (token.size() >= 2 && pairLetter != '\0' && token.front() == pairLetter) {
        const int pairing = LeadingInt(token.substr(1));
        if (pairing != 0 && pairNumbers.contains(pairing))
          Append(request.pairings, pairings, pairing);
      }
    }
  }
  DropRepeats(guess_, &BidRequestGuess::days);
  DropRepeats(guess_, &BidRequestGuess::pairings);
  writeGuessPane();
  guessing_ = false;
}

void TBidsWindow::writeGuessPane() {
  std::string text = "--- Requested Days Off ---\n";
  for (const BidRequestGuess& request : guess_) {
    if (!AnyInFirst(request.days, kGuessShownDays)) continue;
    for (int j = 0; j < kGuessShownDays; ++j)
      if (const int v = request.days[static_cast<std::size_t>(j)]; v != 0)
        text += Formatted("%02d, ", v);
    text += "\n";
  }
  text += "\n--- Requested Pairings ---\n";
  for (const BidRequestGuess& request : guess_) {
    if (!AnyInFirst(request.pairings, kGuessShownPairings)) continue;
    for (int j = 0; j < kGuessShownPairings; ++j)
      if (const int v = request.pairings[static_cast<std::size_t>(j)]; v != 0)
        text += Formatted("%04d, ", v);
    text += "\n";
  }
  guessPane_ = std::move(text);
  ++version_;
}

const BidRequestGuess& TBidsWindow::guess(int request) const {
  return guess_.at(static_cast<std::size_t>(request));
}

void TBidsWindow::SetFilters() {
  const int crew = selectedCrew();
  if (crew < 0) return;
  TPilot& pilot = doc_.pilot(crew);
  std::string kept;
  if (const std::size_t mark = pilot.PairingFilterText.find(kFilterTextMark);
      mark != std::string::npos)
    kept = pilot.PairingFilterText.substr(mark + kFilterTextMark.size());

  std::unordered_set<int> pairNumbers;
  for (int p = 0; p <= doc_.lastPairIndex(); ++p) pairNumbers.insert(doc_.pair(p).Number);
  std::string numbers;
  std::string missing;
  for (const BidRequestGuess& request : guess_) {
    for (int j = 0; j < kFilterRequestPairings; ++j) {
      const int v = request.pairings[static_cast<std::size_t>(j)];
      if (v == 0) continue;
      if (pairNumbers.contains(v))
        numbers += Formatted("%04d", v);
      else
        missing += Formatted("%04d ", v);
    }
  }
  if (!missing.empty())
    ui_.message(std::string(kMissingPairNumbers) + missing, kAppCaption, Icon::Information);
  std::string filter = numbers;
  if (!numbers.empty() || !kept.empty()) filter += std::string(kFilterTextMark) + kept;
  if (filter != pilot.PairingFilterText) {
    pilot.PairingFilterText = std::move(filter);
    // The filter belongs to the crew member and is saved with the schedule.
    doc_.Modified = 1;
  }
  showSummary();
  applyCrewFilterIfOn();
}

void TBidsWindow::SetDayOffReq() {
  const int crew = selectedCrew();
  if (crew < 0) return;
  TPilot& pilot = doc_.pilot(crew);
  for (int i = 0; i < kDayOffRequestDays; ++i) {
    std::int8_t& request = pilot.DayRequest[static_cast<std::size_t>(i)];
    if (request >= kFirstDayOffRequest) request = 0;
  }

  const bool february = doc_.cal.MonthNumber == 2;
  const bool march = doc_.cal.MonthNumber == 3;
  // The day index of a requested day of the month. Two days of the period
  // can have it; the February period's 1st is either February's or March's.
  const auto dayIndex = [&](int v) -> std::optional<int> {
    const DayPlaces places = FindDay(doc_, v);
    if (!places.first) {
      if (march && v == 1) ui_.message(kMarch1Ignored, kAppCaption, Icon::Error);
      return std::nullopt;
    }
    if (february && v == 1 && places.second)
      return ui_.ask(kFeb1Question, kAppCaption, Buttons::YesNo, Icon::Question) == Answer::Yes
                 ? places.first
                 : places.second;
    return places.first;
  };

  int number = kFirstDayOffRequest;
  bool capped = false;
  for (const BidRequestGuess& request : guess_) {
    std::vector<int> days;
    for (int j = 0; j < kDayOffRequestDays; ++j)
      if (const int v = request.days[static_cast<std::size_t>(j)]; v != 0) days.push_back(v);
    const bool ascending = std::is_sorted(days.begin(), days.end());
    std::vector<std::optional<int>> places;
    places.reserve(days.size());
    for (const int v : days) places.push_back(dayIndex(v));

    bool marked = false;
    for (std::size_t j = 0; j < days.size(); ++j) {
      if (places[j]) {
        std::int8_t& cell = pilot.DayRequest[static_cast<std::size_t>(*places[j])];
        if (cell == 0) {
          // Request numbers past the last label would show nothing, and
          // past 127 the stored byte turns negative.
          if (number > kLastDayOffRequest) capped = true;
          cell = static_cast<std::int8_t>(std::min(number, kLastDayOffRequest));
          marked = true;
        }
      }
      const bool next = j + 1 < days.size();
      const bool follows = next && places[j] && places[j + 1] && *places[j + 1] == *places[j] + 1;
      if (!ascending && next && !follows) ++number;
    }
    if (marked) ++number;
  }
  if (capped) ui_.message(kRequestsCapped, kAppCaption, Icon::Warning);
  doc_.Modified = 1;
  if (hooks_.dayRequestsChanged) hooks_.dayRequestsChanged(crew);
}

std::string_view TBidsWindow::filtersToggleLabel() const {
  return filtersOn() ? kFiltersOffLabel : kFiltersOnLabel;
}

void TBidsWindow::toggleFilters() {
  if (filtersOn()) {
    if (hooks_.clearPairingFilters) hooks_.clearPairingFilters();
    return;
  }
  const int crew = selectedCrew();
  if (crew >= 0 && hooks_.setCrewFilter) hooks_.setCrewFilter(crew);
}

void TBidsWindow::selectFilters() {
  const int crew = selectedCrew();
  if (crew < 0 || !hooks_.editBidFilter) return;
  hooks_.editBidFilter(crew, "Filters for " + doc_.pilot(crew).Name);
  showSummary();
  applyCrewFilterIfOn();
}

void TBidsWindow::pilotInfo() {
  const int crew = selectedCrew();
  if (crew < 0 || !hooks_.employeeInfo) return;
  hooks_.employeeInfo(crew);
  doc_.Modified = 1;
  if (selected_ >= 0)
    labels_[static_cast<std::size_t>(selected_)] =
        std::to_string(crew + 1) + ". " + doc_.pilot(crew).Name;
  ++version_;
}

void TBidsWindow::emailPilot() {
  if (hooks_.composeMail) hooks_.composeMail();
}

}  // namespace lumora
