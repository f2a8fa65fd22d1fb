#pragma once
// How many days in a row a block may work: the consecutive-days-on rule of
// pilot files (with the grouping of reserve days) and the days on and off of
// flight-attendant files.

#include "rules/rule_results.h"

namespace lumora {

// Pilot files: more than six days on in a row is a warning, a block of five
// or six reserve days without two days off around it is a warning, an
// eighth reserve day in a row is an exception (" Con Days On").
void CheckConsecutiveDaysOn(const RuleRun& run);

// Flight-attendant files: seven days on in a row (six on a reserve line), a
// single day off after them, or a single day off before a day on a reserve
// line ("Con Days On/Off", warnings).
void CheckCabinDaysOnOff(const RuleRun& run);

}  // namespace lumora
