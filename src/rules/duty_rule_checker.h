#pragma once
// The duty-rule checker of pilot files: every duty day on the rule timeline
// against the 60/7 logic (60 hours in 7 days, a free day with a rest night
// on each side in every 7 days, four such days in 28) or the 70/7 logic
// (five free days in a row within 21 days and short, daytime duties since),
// switching logic after five free days in a row. Writes its day-by-day log
// to RuleCheckLog.

#include "rules/rule_results.h"

namespace lumora {

// With the run's old-rules flag the fatigue rules are left out, and so are
// the daylight-saving case of the rest test and the newer duty timeline.
void CheckDutyRules(const RuleRun& run);

}  // namespace lumora
