#include "views/pairs_printout.h"

#include <array>
#include <cstdio>
#include <cstring>

#include "views/block_printout.h"
#include "views/pair_window.h"

namespace lumora {

namespace {

constexpr int kUnit = 30;  // a day column
constexpr int kLine = 20;  // a text line and a slot row
constexpr int kHeadLines = 6;

const TextStyle kText{FontRole::PrintPairings, colors::kBlack};
const Pen kThin{colors::kBlack, LineStyle::Solid, 1};
const Pen kThick{colors::kBlack, LineStyle::Solid, 2};

template <typename... Args>
std::string Format(const char* format, Args... args) {
  std::array<char, 512> buffer{};
  std::snprintf(buffer.data(), buffer.size(), format, args...);
  return buffer.data();
}

constexpr int kFontHeight = 10;

// Texts stand at the top of their cells, centred across them.
Rect Cell(int day, int top) {
  return {day * kUnit, top, (day + 1) * kUnit, top + kFontHeight};
}

constexpr std::array<const char*, 4> kStars = {"*", "**", "***", "****"};

}  // namespace

std::string AveragePairCreditPerDay(const TDocument& doc) {
  std::int64_t credit = 0;
  std::int64_t days = 0;
  for (int p = 0; p <= doc.lastPairIndex(); ++p) {
    const TPair& pair = doc.pair(p);
    for (int d = 0; d < doc.monthDays(); ++d) {
      if (pair.DayStatus[static_cast<std::size_t>(d)] == 0) continue;
      credit += pair.Credit;
      days += pair.Length;
    }
  }
  // Pairings of no length (a damaged file) leave the average at nothing
  // rather than divide by zero.
  const std::int64_t average = days > 0 ? credit / days : 0;
  return Format("%lld:%02lld", static_cast<long long>(average / 60),
                static_cast<long long>(average % 60));
}

std::string TPairsOut::title() const {
  return PrintedFileName(doc_);
}

void TPairsOut::printPage(int page, Canvas& canvas) {
  if (doc_.BlocksShown == 0) return;
  const TCalendar& cal = doc_.cal;
  canvas.text({0, 0},
              Format("Lumora Visual Pairings. %s %s  Quick Reference Only. See Pairings",
                     cal.MonthText.c_str(), cal.YearText.c_str()),
              kText);
  canvas.text({0, kLine},
              Format("Avg Pair Credit %s per/day.  File %s  Page %d",
                     AveragePairCreditPerDay(doc_).c_str(), PrintedFileName(doc_).c_str(), page),
              kText);
  canvas.text({0, 2 * kLine + 5},
              "Pairings are sorted in order of length, followed by continious duties. Pairings "
              "are then sub sorted by checkin time, from early to late. ",
              kText);
  canvas.text({0, 3 * kLine},
              "Stars below the pairing number indicate credit hours per day. * 4-5 hrs/day  ** "
              "5-6 hrs/day  *** 6-7 hrs/day  **** 7 or more hrs/day.",
              kText);

  const int days = std::min(doc_.monthDays(), TPairWin::kLayoutDays);
  const int highest = layout_.highestSlot();
  for (int d = 0; d < days; ++d) {
    const auto day = static_cast<std::size_t>(d);
    canvas.textInRect(Cell(d, 4 * kLine), Format("%02d", cal.MonthDays[day][0]), kText,
                      HAlign::Center);
    const std::string name(cal.DayNames[day].data(),
                           strnlen(cal.DayNames[day].data(), cal.DayNames[day].size()));
    canvas.textInRect(Cell(d, 5 * kLine), name, kText, HAlign::Center);
  }
  const int bottom = (highest + 7) * kLine;
  for (int d = 0; d <= days; ++d) {
    const int weekday = (cal.FirstWeekday + d) % 7;
    // The month's right edge always gets its line; inside the month the
    // weekends are boxed and Sundays stand open.
    if (d < days && weekday == 0) continue;
    const bool thick = d < days && (weekday == 6 || weekday == 1);
    canvas.line({d * kUnit, 4 * kLine}, {d * kUnit, bottom}, thick ? kThick : kThin);
  }
  canvas.line({0, 6 * kLine - 8}, {days * kUnit, 6 * kLine - 8}, kThick);

  for (int k = 0; k <= highest; ++k) {
    const int top = (k + kHeadLines) * kLine;
    for (int d = 0; d < days; ++d) {
      const int p = layout_.cell(d, k);
      if (!doc_.isPairIndex(p)) continue;
      const TPair& pair = doc_.pair(p);
      canvas.textInRect(Cell(d, top), Format("%03d", pair.Number), kText, HAlign::Center);
      canvas.textInRect(Cell(d, top + 11), kStars[std::min<std::size_t>(pair.CreditClass, 3)],
                        kText, HAlign::Center);
      if (pair.Overnight) {
        if (d + 1 < days) canvas.textInRect(Cell(d + 1, top), "--", kText, HAlign::Center);
      } else if (pair.AdjLength > 1) {
        const std::string& stations = pair.LayoverText;
        for (std::size_t i = 0; 3 * i + 3 <= stations.size(); ++i) {
          const int at = d + static_cast<int>(i) + 1;
          if (at >= days) break;
          canvas.text({at * kUnit + 5, top}, stations.substr(3 * i + 1, 2), kText);
        }
      }
    }
  }
}

}  // namespace lumora
