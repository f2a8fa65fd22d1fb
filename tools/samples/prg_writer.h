#pragma once
// The PRG pairing file: one fixed-column record per line, the record type in
// the first column. Every operating date of a pairing repeats its header and
// its records, dated for that day; the import reads the first set and takes
// only the dates of the others.

#include <string>

#include "samples/world.h"

namespace lumora::samples {

// "YULCRJCA.PRG": base, equipment and crew category.
std::string PrgFileName(const World& world);
std::string WritePrg(const World& world);

}  // namespace lumora::samples
