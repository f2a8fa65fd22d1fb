#pragma once
// How reserve days of the three kinds (RA, RB, RE) may follow each other,
// and the days off an RB period needs around it.

#include "rules/rule_results.h"

namespace lumora {

// Pilot files: an RB day needs two clear days after an RA or RE day and
// before one; RE needs one after RA (" RA RB RE Mix On", exceptions).
void CheckReserveMix(const RuleRun& run);

// Flight-attendant files: on a reduced block RB days come in twos; otherwise
// a single RB day needs two days off before and after it (exceptions).
void CheckRbPeriods(const RuleRun& run);

}  // namespace lumora
