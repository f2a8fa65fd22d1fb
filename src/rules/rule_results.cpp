#include "rules/rule_results.h"

#include <algorithm>
#include <cstdio>

#include "model/time_text.h"

namespace lumora {

int LastRestDay(const TDocument& doc) {
  return std::clamp(doc.cal.MonthLength + 30, 0, kBlockDays - 1);
}

BlockDay DayOf(const TDocument& doc, const TPilot& pilot, int day) {
  BlockDay result;
  const std::int32_t cell = pilot.DayCell[static_cast<std::size_t>(day)];
  if (cell == kOtherAssignmentCell) {
    result.kind = BlockDay::Kind::Other;
    result.other = &pilot.DayOther[static_cast<std::size_t>(day)];
  } else if (doc.isPairIndex(cell)) {
    result.kind = BlockDay::Kind::Pairing;
    result.pair = &doc.pair(cell);
    result.pairIndex = cell;
  }
  return result;
}

std::string TimelineDayText(const TCalendar& cal, int k) {
  const TimelineDate date = DateOfTimelineDay(cal, std::clamp(k, 0, kRuleDays - 1));
  return std::to_string(date.day) + " " + MonthTextOf(date.month);
}

std::string BlockDayText(const TCalendar& cal, int day) {
  return TimelineDayText(cal, day + kTimelineMonthStart);
}

std::string WindowFigure(const TCalendar& cal, std::int64_t total, int days, int lastDay,
                         std::int64_t limit) {
  return HoursMinutes(total) + " in " + std::to_string(days) + " days ending " +
         BlockDayText(cal, lastDay) + ", limit " + HoursMinutes(limit);
}

void AppendItem(std::string& text, std::string_view item) {
  text += item;
  text += '+';
}

void AppendDayList(std::string& item, const TCalendar& cal, const DayFlags& flags, int first,
                   int last, bool markAfterMonth) {
  first = std::max(first, 0);
  last = std::min(last, kBlockDays - 1);
  char buffer[16];
  for (int d = first; d <= last; ++d) {
    if (!flags[static_cast<std::size_t>(d)]) continue;
    const int n = std::snprintf(buffer, sizeof buffer, " %d",
                                static_cast<int>(cal.MonthDays[static_cast<std::size_t>(d)][0]));
    item.append(buffer, static_cast<std::size_t>(n));
    if (markAfterMonth && d >= cal.MonthLength) item += '>';
  }
}

void MarkDays(std::array<std::uint8_t, kBlockDays>& target, const DayFlags& flags) {
  for (std::size_t d = 0; d < kBlockDays; ++d)
    if (flags[d]) target[d] = 1;
}

void ClearRuleResults(TPilot& pilot) {
  pilot.ExceptionsText.clear();
  pilot.WarningsText.clear();
  pilot.RuleCheckLog.clear();
  pilot.ExceptionDays.fill(0);
  pilot.WarningDays.fill(0);
}

namespace {

// Labels whose own text holds a "+". The "+" that ends an item is the first
// one after the label; the label's own never separates items.
constexpr std::string_view kLabelsWithPlus[] = {
    " 112+ Hours Hard in 28 on",
    " 300+ Hours Hard in 90 on",
    " 3+ 12 Hr Duty on",
    " 192h+/28d On",
};

std::size_t LabelLength(std::string_view item) {
  for (const std::string_view label : kLabelsWithPlus)
    if (item.starts_with(label)) return label.size();
  return 0;
}

}  // namespace

std::vector<std::string_view> SplitItems(std::string_view text) {
  std::vector<std::string_view> items;
  while (!text.empty()) {
    const std::size_t end = text.find('+', LabelLength(text));
    items.push_back(text.substr(0, end));
    if (end == std::string_view::npos) break;
    text.remove_prefix(end + 1);
  }
  return items;
}

}  // namespace lumora
