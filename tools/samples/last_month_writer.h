#pragma once
// The two extracts that tell what the crew did at the end of the previous
// month: the crew activity extract (one 1605-character line per crew member:
// the activities of the 31 days before the month and the hard time of the 89
// days before it) and the pairing extract of the prior blocking period (one
// 1178-character line per pairing and date). The prior period's pairings come
// from the same network, built as the world of the month before; the crew
// fly some of them, some reaching into the month's first days, and hold
// reserve, training, vacation and days off on the others.

#include <string>
#include <vector>

#include "samples/sample_set.h"
#include "samples/world.h"

namespace lumora::samples {

// "YULCRJactp.ext" for pilots, "...actc.ext" for cabin crew.
std::string ActivityFileName(const World& world);
// "YULCRJprgp.ext" / "...prgc.ext".
std::string PriorPairingsFileName(const World& world);

// The activity extract, then the pairing extract.
std::vector<OutputFile> WriteLastMonthFiles(const World& world);

}  // namespace lumora::samples
