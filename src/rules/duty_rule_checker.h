#pragma once
// The duty-rule checker of pilot files: every duty day on the rule timeline
// against the 60/7 logic (60 hours in 7 days, a free day with a rest night
// on each side in every 7 days, four such days in 28) or the 70/7 logic
// (five free days in a row within 21 days and short, daytime duties since),
// switching logic after five free days in a row. Writes its day-by-day log
// to RuleCheckLog.

#include "rules/duty_timeline.h"
#include "rules/rule_results.h"

namespace lumora {

// With the run's old-rules flag the fatigue rules are left out, and so are
// the daylight-saving case of the rest test and the newer duty timeline.
void CheckDutyRules(const RuleRun& run);

// The days holding a duty minute that ends 48 hours with more than 24 hours
// of duty (a reserve duty counting every third minute), over the duties
// that start in the timeline's first 70 days.
TimelineArray<bool> Over24In48Days(const DutyTimeline& timeline);

}  // namespace lumora
