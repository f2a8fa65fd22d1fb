#pragma once
// Fatigue rules of pilot files: the fatigue units accumulated from day to
// day, and the duties that intrude into the window of circadian low (WOCL,
// 02:00 to 05:59) or switch between early and late duties without a local
// night's rest.

#include "rules/duty_timeline.h"
#include "rules/rule_results.h"

namespace lumora {

// " 100 Plus Fatigue Units on": days on which the running total of fatigue
// units (a free day or a day off resets it) passes 100:00.
void CheckFatigueUnits(const RuleRun& run);

// The WOCL and transition rules over a built duty timeline: warnings for
// runs of four or five intrusions, one exception item per coded day. Fills
// `codes`.
void CheckWoclRules(TDocument& doc, int crew, const DutyTimeline& timeline, TransitionCodes& codes);

}  // namespace lumora
