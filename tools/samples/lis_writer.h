#pragma once
// LIS pairing listings: the crew-tracking system's printed report of the
// pairings, saved by a word processor. Each file is a binary header (which
// the scan skips by looking for the last 5000 characters free of NUL bytes),
// the report text with CR LF line ends, and a binary trailer.
//
// One file per week of the period (a short last week joins the one before);
// a week's file lists every pairing of the document that starts in it. The
// pilot and cabin listings differ in their leg columns: the flight number
// stands 71 (pilots) or 63 (cabin) characters before the aircraft marker
// ("CRA [50]"). Cabin listings name the language of the pairing, "FRENCH" for
// a French pairing. Each listing ends with the meals line,
// "MEALS US:" + 7 + 2 blanks + "MEALS CAD:" + 6 characters, so that the scan's
// 17 characters after "MEALS CAD:" end on the line's carriage return.
//
// The report of the last week is cut off inside its last listing, before the
// meals line, as a report that did not finish printing.

#include <string>
#include <vector>

#include "samples/world.h"

namespace lumora::samples {

struct LisFile {
  std::string name;
  std::string bytes;
};

// Columns of a leg line.
inline constexpr std::size_t kLisFlightColumn = 10;
inline constexpr std::size_t kLisPilotMarkerOffset = 71;
inline constexpr std::size_t kLisCabinMarkerOffset = 63;
// Bytes of binary header before the report text.
inline constexpr std::size_t kLisHeaderBytes = 1536;

std::vector<LisFile> WriteLisFiles(const World& world);

}  // namespace lumora::samples
