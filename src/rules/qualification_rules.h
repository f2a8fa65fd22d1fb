#pragma once
// Pairings a crew member may not fly or may fly only so much of: the
// check-pilot credit limit, the YTZ, YCG and USA qualifications of pilot
// files and the familiarization pairings of flight-attendant files.

#include "rules/rule_results.h"

namespace lumora {

// A check pilot's credit carried in plus his pairings' credit in the month
// may not exceed the month's check-pilot maximum.
void CheckCheckPilotCredit(const RuleRun& run);

// Pairings through YTZ, YCG or US airports for a crew member without the
// qualification (exceptions).
void CheckYtzQualification(const RuleRun& run);
void CheckYcgQualification(const RuleRun& run);
void CheckUsaPairings(const RuleRun& run);

// Pairings with an extra flight attendant for familiarization, in the block
// of one who may not give it (warnings).
void CheckFamPairings(const RuleRun& run);

}  // namespace lumora
