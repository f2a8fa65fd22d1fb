#pragma once
// The rule of captain files that compares two crew members: the two
// captains of one pairing may not both be over 65, nor both hold a medical
// restriction.

#include "model/document.h"

namespace lumora {

// Over the whole roster; each crew member holding a second-captain copy
// gets the item when the holder of the pairing's own position shares his
// restriction.
void CheckTwoCaptainRule(TDocument& doc, bool oldRules);

}  // namespace lumora
