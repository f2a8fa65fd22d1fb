#pragma once
// The crew-tracking system's absence extract: one 443-character line per
// employee of the roster extract (31 entries of code, first and last day,
// start and end time), then a line numbered 99999. One file for the month
// ("YULCRJabsp.ext", cabin "...absc.ext") and one for the month after it
// ("YULCRJabsp-next.ext"): vacations, training, office days and stat days,
// and one or two crew members on leave all month. A vacation that runs past
// the month's last day goes on in the next month's file.

#include <string>

#include "samples/world.h"

namespace lumora::samples {

std::string AbsencesFileName(const World& world, bool nextMonth);
std::string WriteAbsencesExtract(const World& world, bool nextMonth);

}  // namespace lumora::samples
