#pragma once
// What each crew member carries into the month from the end of the previous
// one, read from two extracts of the crew-tracking system: the crew activity
// extract (one line per employee: the activities of the 31 days before the
// month and the hard time of the 89 days before it) and the pairing extract
// of the prior blocking period (one line per pairing and date: its duty
// periods and per-day values). The import fills the carry-in records of the
// rule timeline (indexes 0 to 30 the days before the month, 31 to 61 the
// month's days), the 89-day hard-time text, the credit carried into the
// month and the time from which the crew member is legal to check in.

#include <cstddef>
#include <functional>
#include <iosfwd>
#include <string_view>

#include "imports/import_services.h"

namespace lumora {

class TDocument;

inline constexpr std::string_view kActivityDialogTitle = "Load Overlap Information from Extract";
inline constexpr std::string_view kActivityFileFilter =
    "CrewTrac Extract Files (*actp* *actc*)|*actp*;*actc*|All Files (*.*)|*.*";
inline constexpr std::string_view kPriorPairingsDialogTitle =
    "Open Updated Pairing Data from Extract";
inline constexpr std::string_view kPriorPairingsFileFilter =
    "CrewTrac Extract Files (*prgp* *prgc*)|*prgp*;*prgc*|All Files (*.*)|*.*";
inline constexpr std::string_view kLastMonthWarningsCaption =
    "Errors from Overlap Info Extract Load";
inline constexpr std::string_view kLastMonthQuestion =
    "This May Not Be a Valid Crew Activity Extract! Do You Want to Try Load it Anyway";

inline constexpr std::size_t kActivityLineLength = 1605;
inline constexpr std::size_t kPriorPairingLineLength = 1178;
// The pairing lines held for the search; a prior period of the whole airline
// has a few thousand. Lines past this many are not searched.
inline constexpr std::size_t kMaxPriorPairingLines = 60000;

// Asks for the activity extract, then the pairing extract, and loads them.
// True when both files were read; false for an empty roster, a cancelled or
// unreadable file and a "No" to the question about a file's first line, and
// the document is then unchanged. `closeViews` runs once the files are
// accepted, before anything is changed.
bool LoadLastMonthActivity(TDocument& doc, const ImportServices& services,
                           const std::function<void()>& closeViews);

// The same on two files already open (the file dialogs answered): asks the
// first-line questions and loads.
bool LoadLastMonthActivityFrom(TDocument& doc, std::istream& activity, std::istream& pairings,
                               const ImportServices& services,
                               const std::function<void()>& closeViews);

// The same on the two files' texts.
bool LoadLastMonthActivityText(TDocument& doc, std::string_view activity, std::string_view pairings,
                               const ImportServices& services,
                               const std::function<void()>& closeViews);

}  // namespace lumora
