#pragma once
// Rolling limits of pilot files over windows that reach into the previous
// month: hard time in 28 and 90 days, three 12-hour duties in a row, duty in
// 28 days; and the daily hard time the first two read.

#include <array>
#include <cstdint>

#include "model/document.h"
#include "rules/rule_results.h"

namespace lumora {

using HardTimeDays = std::array<std::int32_t, kBlockDays>;

// Minutes of hard time on each day of crew member `crew`'s block: the
// pairings' daily hard time on the days they fly, the other assignments'.
HardTimeDays ComputeHardTimeByDay(const TDocument& doc, int crew);

// The preparation of CheckBlock: fills the run's HardTimeByDay.
void PrepareHardTimeByDay(const RuleRun& run);

// " 112+ Hours Hard in 28 on" with the days whose 28-day window ending there
// holds more than 112:00.
void CheckHard28(const RuleRun& run);

// " 300+ Hours Hard in 90 on": the same over 90 days with the 89-day history;
// skipped for a crew member without a whole history.
void CheckHard90(const RuleRun& run);

// " 3+ 12 Hr Duty on": the duty after three duties of 12:00 or more without
// 24 hours free of duty between them.
void CheckThree12HourDuties(const RuleRun& run);

// " 192h+/28d On": days whose 28-day duty total (DutyTotals, built by the
// duty-rule checker before) exceeds 192:00.
void CheckDuty28(const RuleRun& run);

}  // namespace lumora
