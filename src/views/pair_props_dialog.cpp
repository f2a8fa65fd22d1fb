#include "views/pair_props_dialog.h"

#include <cstdio>

#include "building/block_figures.h"
#include "building/roster_bounds.h"
#include "model/time_text.h"
#include "platform/captions.h"
#include "platform/ui.h"

namespace lumora {

namespace {

constexpr int kFlightAttendants = 2;

// The dialog's credits as "%02d:%02d"; a credit held wider than the time
// type is cut to it as the dialog's fields are.
std::string CreditText(std::int64_t minutes) {
  return FormatTime(static_cast<int>(minutes), false, true);
}

}  // namespace

PairPropsDialog::PairPropsDialog(const TDocument& doc, int pair, int day) : pair_(pair), day_(day) {
  valid_ = doc.isPairIndex(pair) && day >= 0 && day < kMonthDays;
  const char letter = doc.FileDescriptor.size() > 8 ? doc.FileDescriptor[8] : ' ';
  const int number = valid_ ? doc.pair(pair).Number : 0;
  char buffer[96];
  std::snprintf(buffer, sizeof buffer, "Properties for %c%04d on %s %02d", letter, number,
                CalendarMonthOf(doc, day).c_str(), CalendarDayOf(doc, day));
  caption_ = buffer;
  if (!valid_) return;
  const TPair& p = doc.pair(pair);
  const auto d = static_cast<std::size_t>(day);
  type = p.DayPairingType[d];
  const int secondDigit = (p.Number / 100) % 10;
  excludeShown_ = doc.CrewType != kFlightAttendants && (secondDigit == 3 || secondDigit == 4);
  excludeText = CreditText(p.DayExcludeCredit[d]);
}

bool PairPropsDialog::ok(BlockEditContext& ctx) {
  TDocument& doc = ctx.doc;
  if (!valid_ || !doc.isPairIndex(pair_)) return true;
  TPair& p = doc.pair(pair_);
  const auto d = static_cast<std::size_t>(day_);
  if (p.DayPairingType[d] != type) {
    p.DayPairingType[d] = type;
    doc.Modified = 1;
  }
  if (!excludeShown_) return true;

  const int excluded = ParseTime(excludeText, false);
  if (excluded < 0) {
    ctx.ui.message("Invalid Excluded Credits Entry. Please Correct", kAppCaption, Icon::Warning);
    return false;
  }
  if (excluded == p.DayExcludeCredit[d]) return true;
  const std::int64_t inMonth = InstanceCreditInMonth(p, day_, doc.monthDays());
  if (excluded > inMonth) {
    ctx.ui.message(
        "Excluded Credits is More Than Total Pairing Credits in this Month. Please Correct Entry",
        kAppCaption, Icon::Warning);
    return false;
  }
  const std::string question = "Confirm - Total Pairing Credit " + CreditText(p.Credit) +
                               ".  Excluded " + CreditText(excluded) + ".  Included " +
                               CreditText(std::int64_t{p.Credit} - excluded);
  if (ctx.ui.ask(question, kAppCaption, Buttons::YesNo, Icon::Question) != Answer::Yes)
    return false;
  p.DayExcludeCredit[d] = excluded;
  doc.Modified = 1;
  const int roster = doc.rosterSize();
  for (int crew = 0; crew < roster; ++crew) RecalcBlockCredit(doc, crew, false, ctx.ui, ctx.views);
  return true;
}

}  // namespace lumora
