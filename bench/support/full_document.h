#pragma once
// A synthetic schedule document at full capacity, the same for the same
// seed: a 31-day month, 999 crew members with every day of the month filled,
// 3000 pairings with their source lines and display texts, a toolbox, an
// airport table and a full undo history. Benchmarks and tests that need a
// realistic worst case build on it.

#include <cstdint>
#include <string>
#include <vector>

#include "model/capacity.h"
#include "model/document.h"

namespace lumora::bench {

inline constexpr int kFullCrew = kMaxRosterPilots;       // 999
inline constexpr int kFullPairings = kMaxImportedPairs;  // 3000
inline constexpr int kFullToolboxItems = 60;
inline constexpr int kFullMonth = 7;  // July 2026: 31 days
inline constexpr int kFullYear = 2026;

// Clears the document and fills it. The result is what a load followed by
// the block rebuild leaves: the pairings are validated, the calendar is
// extended past the month, the parsed hard-time history and the leave marks
// are set.
void FillFullCapacityDocument(TDocument& doc, std::uint32_t seed = 1);

// What is wrong with a document that claims to be a full-capacity one: day
// cells and instance marks that contradict each other, pairings the
// validation refuses, texts of the wrong width, history records that do not
// match the blocks. Empty when all is well. The document is not changed.
std::vector<std::string> CheckFullCapacityDocument(const TDocument& doc);

// Writes the problems to stderr and aborts when there are any.
void RequireFullCapacityDocument(const TDocument& doc, const char* what);

// One generated, checked document (seed 1) shared by the benchmarks of a run.
// A benchmark that changes it must leave it as it found it.
TDocument& SharedFullDocument();

}  // namespace lumora::bench
