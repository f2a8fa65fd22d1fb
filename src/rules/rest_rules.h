#pragma once
// Crew rest: the test of one assignment that may refuse it, and the rest
// rules of the whole block for pilot and flight-attendant files.

#include "building/block_rules.h"
#include "model/document.h"
#include "rules/rule_results.h"

namespace lumora {

// Minimum rest R and the allowance A that undoes the rest LegalCheckIn
// includes and stands in for the rest after a non-duty day.
struct RestMinimums {
  std::int32_t minimum;
  std::int32_t allowance;
};
RestMinimums RestMinimumsOf(CrewKind kind);

// Refused when pairing `pair` starting on day `day` leaves less than the
// minimum rest before or after it in crew member `crew`'s block; otherwise
// accepted, with " %d:%02d Crew Rest Before " / " %d:%02d Crew Rest After "
// texts for rests under 12:00. Invalid indexes are refused. Changes nothing.
AssignCheckResult CheckAssignmentRest(const TDocument& doc, int crew, int pair, int day);

// The block rest rule of pilot files: exceptions ("Rest ") and warnings
// (" Rest "), days after the month marked ">".
void CheckPilotRest(const RuleRun& run);

// The block rest rule of flight-attendant files: 12:00 after every duty,
// 10:00 between two spill-over pairings in a row; exceptions only.
void CheckCabinRest(const RuleRun& run);

}  // namespace lumora
