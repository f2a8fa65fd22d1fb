#pragma once
// The French pairing rule of flight-attendant files: a pairing marked
// "FRENCH PAIRING" needs a French-qualified cabin member, and the junior of
// the unqualified holders carries the exception.

#include "rules/rule_results.h"

namespace lumora {

void CheckFrenchPairings(const RuleRun& run);

}  // namespace lumora
