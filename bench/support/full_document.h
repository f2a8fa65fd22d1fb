#pragma once
// A schedule document at full capacity, the same for the same seed: the
// sample generator's month of the Montreal CRJ captains with 3000 pairing
// records, imported as the program imports it, its toolbox and airport
// table, and 999 crew members whose every day of the month is filled:
// pairings assigned as the grid assigns them (with the rest checks, which
// leaves a full undo history), days off, reserve, training, vacation and
// leave. Benchmarks that need a realistic worst case build on it.

#include <cstdint>
#include <string>
#include <vector>

#include "model/capacity.h"
#include "model/document.h"

namespace lumora::bench {

inline constexpr int kFullCrew = kMaxRosterPilots;       // 999
inline constexpr int kFullPairings = kMaxImportedPairs;  // 3000
inline constexpr int kFullToolboxItems = 32;             // the sample toolbox's pilot codes
inline constexpr int kFullMonth = 7;                     // July 2026: 31 days
inline constexpr int kFullYear = 2026;

// Clears the document and fills it. The first fill of a seed in a run builds
// the month (a few seconds) and saves it; every fill opens that file as the
// program opens one, so the result is what a load followed by the block
// rebuild leaves.
void FillFullCapacityDocument(TDocument& doc, std::uint32_t seed = 1);

// What is wrong with a document that claims to be a full-capacity one: counts
// short of the capacities, days of the month left empty, day cells and
// instance marks that contradict each other, history records that do not
// match the blocks. Empty when all is well. The document is not changed.
std::vector<std::string> CheckFullCapacityDocument(const TDocument& doc);

// Writes the problems to stderr and aborts when there are any.
void RequireFullCapacityDocument(const TDocument& doc, const char* what);

// One generated, checked document (seed 1) shared by the benchmarks of a run.
// A benchmark that changes it must leave it as it found it.
TDocument& SharedFullDocument();

}  // namespace lumora::bench
