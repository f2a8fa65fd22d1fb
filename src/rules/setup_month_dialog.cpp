#include "rules/setup_month_dialog.h"

#include <algorithm>
#include <cstdio>

#include "platform/ui.h"
#include "rules/global_info.h"

namespace lumora {

namespace {

constexpr std::string_view kBlocking = "Blocking Rules";
constexpr std::string_view kDaysOff = "Days Off Required";
constexpr std::string_view kReduced = "Reduced Blocks Defaults.";

constexpr std::array<MonthRuleRange, kMonthRuleCount> kRanges{{
    {3000, 6000, 60, true, kBlocking, "Avg"},
    {3000, 7200, 60, true, kBlocking, "Max"},
    {0, 6000, 60, true, kBlocking, "Min"},
    {1800, 7200, 60, true, "", "Check Pilot Max Hours"},
    {8, 14, 1, false, kDaysOff, "Block Holder"},
    {8, 14, 1, false, kDaysOff, "Reserve"},
    {1800, 7200, 60, true, kReduced, "Max"},
    {0, 6000, 60, true, kReduced, "Min"},
    {8, 30, 1, false, kReduced, "Min Days Off"},
}};

constexpr std::size_t Index(MonthRule rule) {
  return static_cast<std::size_t>(rule);
}

}  // namespace

const MonthRuleRange& RangeOf(MonthRule rule) {
  return kRanges[Index(rule)];
}

std::int32_t& MonthRuleField(TDocument& doc, MonthRule rule) {
  switch (rule) {
    case MonthRule::AvgCredit:
      return doc.AvgCredit;
    case MonthRule::MaxCredit:
      return doc.MaxCredit;
    case MonthRule::MinCredit:
      return doc.MinCredit;
    case MonthRule::CheckPilotMaxCredit:
      return doc.CheckPilotMaxCredit;
    case MonthRule::DaysOffBlockHolder:
      return doc.DaysOffBlockHolder;
    case MonthRule::DaysOffReserve:
      return doc.DaysOffReserve;
    case MonthRule::ReducedMaxCredit:
      return doc.ReducedMaxCredit;
    case MonthRule::ReducedMinCredit:
      return doc.ReducedMinCredit;
    case MonthRule::ReducedMinDaysOff:
      break;
  }
  return doc.ReducedMinDaysOff;
}

std::string MonthRuleText(MonthRule rule, std::int32_t value) {
  char buffer[32];
  if (RangeOf(rule).minutes)
    std::snprintf(buffer, sizeof buffer, "%02d:%02d", value / 60, value % 60);
  else
    std::snprintf(buffer, sizeof buffer, "%d", value);
  return buffer;
}

SetupMonthDialog::SetupMonthDialog(TDocument& doc) : doc_(doc) {
  for (int r = 0; r < kMonthRuleCount; ++r)
    opened_[static_cast<std::size_t>(r)] = MonthRuleField(doc_, static_cast<MonthRule>(r));
}

bool SetupMonthDialog::accept(Ui&) {
  doc_.Modified = 1;
  return true;
}

void SetupMonthDialog::cancel() {
  for (int r = 0; r < kMonthRuleCount; ++r)
    MonthRuleField(doc_, static_cast<MonthRule>(r)) = opened_[static_cast<std::size_t>(r)];
}

std::int32_t SetupMonthDialog::value(MonthRule rule) const {
  return MonthRuleField(doc_, rule);
}

std::int32_t SetupMonthDialog::position(MonthRule rule) const {
  return std::clamp(value(rule), RangeOf(rule).minimum, RangeOf(rule).maximum);
}

void SetupMonthDialog::set(MonthRule rule, std::int32_t value) {
  MonthRuleField(doc_, rule) = std::clamp(value, RangeOf(rule).minimum, RangeOf(rule).maximum);
}

void SetupMonthDialog::info(Ui& ui) const {
  GlobalInfoDialog dialog(doc_);
  ui.run(dialog);
}

}  // namespace lumora
