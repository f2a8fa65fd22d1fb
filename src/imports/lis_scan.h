#pragma once
// The LIS scan: reads the crew-tracking system's LIS pairing listings and
// marks, in each pairing's display text, the aircraft type of every leg, the
// share of CRA legs, the meals allowance and (cabin documents) the French
// pairings, so that the filters and rules find them by text.

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "imports/import_services.h"

namespace lumora {

class TDocument;

inline constexpr std::string_view kLisDialogTitle =
    "Flag ACType/FR Pairs from LIS. CTRL for Multiple Files";
inline constexpr std::string_view kLisFileFilter =
    "LIS Pairing Files(*.LIS)|*.lis|All Files (*.*)|*.*";
inline constexpr std::string_view kLisErrorsCaption = "Flag CRA and French Pairings Errors";
inline constexpr std::string_view kLisSummaryCaption = "Flag French Pairings from LIS Summary";
inline constexpr std::string_view kFrenchPairingMarker = " FRENCH PAIRING";

// The most LIS text kept, all files together.
inline constexpr std::size_t kLisMaxText = 6'000'000;
// Where the text of a file is first looked for, past the word processor's
// binary header, and the least text a file (and all of them) must give.
inline constexpr std::size_t kLisTextStart = 2500;
inline constexpr std::size_t kLisMinText = 5000;

struct LisScanHooks {
  // Redraws the views once the pairings have been marked.
  std::function<void()> redrawViews;
};

// The text of one LIS file: from offset 2500, stepping back 100 bytes at a
// time while the text up to the first NUL stays longer than 4999 characters;
// empty when the text from offset 2500 is already that short.
std::string LisFileText(std::string_view fileBytes);

// The pairing's key in a listing: the first letter of its prefix and its
// number as four digits.
std::string LisPairingKey(std::string_view prefix, int number);

// The command "AC Type and French Data from LIS Files...": asks for the files
// (several at once), checks that their names hold the month, reads them and
// marks the pairings. Returns false when nothing was scanned (cancelled, or
// too little text).
bool ScanLisFiles(TDocument& doc, const ImportServices& services, const LisScanHooks& hooks = {});

// The scan proper on the LIS text of every file, one after the other: marks
// the pairings, shows the errors and the summary, marks the document changed.
// Returns false (nothing marked) when the text is shorter than 5000
// characters, or when the user cancels in the progress window: the display
// texts are then as they were.
bool ScanLisText(TDocument& doc, std::string_view lisText, const ImportServices& services,
                 const LisScanHooks& hooks = {});

}  // namespace lumora
