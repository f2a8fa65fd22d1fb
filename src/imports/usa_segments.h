#pragma once
// The USA segments scan: marks every pairing that has a leg departing from a
// US airport, so that the rules and filters find it by its display text.

#include <string_view>

namespace lumora {

class TDocument;
class Ui;

// Appended once to the display text of each pairing found.
inline constexpr std::string_view kUsaSegmentMarker = "   USA SEGMENT ";

// True when `code` (3 letters) is on the built-in list of US airports.
bool IsUsAirport(std::string_view code);

// Clears every pairing's UsaSegments flag, then marks and flags each pairing
// whose display text holds a US airport code followed by "-" (how a leg's
// departure station is written). Shows the progress dialog
// "Scanning for USA Segments".
void ScanUsaSegments(TDocument& doc, Ui& ui);

}  // namespace lumora
