#pragma once
// The cabin rule of French pairings in flight-attendant files: of the cabin
// members of one trip, at least one must be French-qualified.

#include "model/document.h"

namespace lumora {

struct FrenchCabinResult {
  bool passed = true;
  // When the check fails: the cabin member the question names. The crew
  // member himself when he is the junior one.
  int otherMember = -1;
};

// A cabin member counts as French-qualified with the "FR" or the "Med" flag.
bool IsFrenchQualified(const TPilot& pilot);

// Whether crew member `crew` may fly pairing `pair` starting on `day` as far
// as the French rule is concerned. Every crew member found holding another
// cabin position of the trip that day is marked for a new block check
// (FaChecked = 0); the caller checks and unmarks them.
FrenchCabinResult CheckFrenchCabin(TDocument& doc, int crew, int pair, int day);

// The crew members CheckFrenchCabin marked, in roster order.
bool IsMarkedForCabinCheck(const TPilot& pilot);
void ClearCabinCheckMarks(TDocument& doc);

}  // namespace lumora
