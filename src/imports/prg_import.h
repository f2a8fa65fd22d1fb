#pragma once
// The PRG pairing file of the crew-tracking system: one fixed-column record
// per line, the first character giving the record type (1 pairing header,
// 2 flight leg, 3 end of a duty period, 4 deadhead on another carrier,
// 5 other segment). The import replaces the document's pairings with those of
// the file that belong to its base, equipment and crew category.

#include <cstddef>
#include <functional>
#include <iosfwd>
#include <string>
#include <string_view>

#include "imports/import_services.h"

namespace lumora {

class TDocument;

// Settings: the callers read the start folder under "LastPRGPath", the
// import stores the folder under "LastPrgPath" (one key, two spellings).

inline constexpr std::string_view kPrgFileFilter =
    "Pairing Files (*.Bornemann *.PRG)|*.Bornemann;*.PRG|All Files (*.*)|*.*";

// Longer lines are cut to this length.
inline constexpr std::size_t kPrgMaxLineLength = 999;
// The most source text one pairing keeps; a real pairing has a few kilobytes.
inline constexpr std::size_t kPrgMaxPairingText = 32 * 1024;

// Caption of the list dialog that shows the problems found in the file.
inline constexpr std::string_view kPrgWarningsCaption = "Load PRG Pairings Warnings";
// Caption of the list of assignments whose pairing the new file lacks.
inline constexpr std::string_view kLostAssignmentsCaption =
    "Assignments Taken Off by the Pairing Import";

// Which lines of the file belong to the document: the pairing letter (line
// position 1) and, unless all equipment is accepted, the equipment digit
// (position 2) or the alternative digit.
struct PrgSelectionKey {
  char letter = '\0';
  char digit = '\0';
  char alternativeDigit = 'X';  // 'X' matches no line
  bool allEquipment = false;

  bool matches(std::string_view line) const;
};

// The key from the caller's prefix (letter, optional digit) when it is not
// empty, otherwise from the document's FileDescriptor.
PrgSelectionKey PrgKeyFor(std::string_view prefix, bool allEquipment,
                          std::string_view fileDescriptor);

// What the import asks of the parts above it; each may be left empty.
struct PrgImportHooks {
  // The pairing warnings dialog, which validates every pairing. Without it the
  // pairings are validated silently.
  std::function<void()> showPairingWarnings;
  // The main window caption "Lumora - %s".
  std::function<void()> refreshCaption;
  // The status-bar gauge caption ("Loading Pairs", then empty).
  std::function<void(std::string_view)> setGaugeCaption;
};

// Loads the PRG file `fileName`: stores its folder under "LastPrgPath", then
// runs LoadPrgPairingsFrom on it. A file that can't be opened shows its name
// ("Unable to Open File") and leaves the document unchanged.
bool LoadPrgPairings(TDocument& doc, const std::string& fileName, std::string_view prefix,
                     bool allEquipment, const ImportServices& services,
                     const PrgImportHooks& hooks = {});

// The import proper on an open file. `in` must be seekable: the segment
// summary reads it a second time. Returns false when the file is not a PRG
// file (document unchanged) or could not be read to its end (pairings
// cleared); true when the file was read, including when the pairing table
// filled up (the pairings stored so far are kept and complete) and when no
// pairing of the document was found.
bool LoadPrgPairingsFrom(TDocument& doc, std::istream& in, std::string_view prefix,
                         bool allEquipment, const ImportServices& services,
                         const PrgImportHooks& hooks = {});

// The segment summary of a PRG file: block minutes and deadhead counts per
// route and pairing prefix, over the whole file whatever its base.
std::string BuildSegmentSummary(std::istream& in);

}  // namespace lumora
