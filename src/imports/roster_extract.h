#pragma once
// The crew-tracking system's employee record extract ("*perp.ext" for pilots,
// "*perc.ext" for cabin crew): one employee a line. The import makes the
// document's roster of the employees of its base, equipment and category, and
// derives each one's special qualification, flags and block limits from the
// two-letter qualification codes of the line.

#include <cstddef>
#include <iosfwd>
#include <string_view>

#include "imports/import_services.h"

namespace lumora {

class TDocument;

inline constexpr std::string_view kRosterDialogTitle = "Load Crew Roster from Extract";
inline constexpr std::string_view kRosterFileFilter =
    "CrewTrac Extract Files (*perp.ext *perc.ext)|*perp.ext;*perc.ext|All Files (*.*)|*.*";
inline constexpr std::string_view kRosterNotAnExtract =
    "This May Not Be a Valid Employee Record Extract! Do You Want to Try Load it Anyway";
inline constexpr std::string_view kRosterNoMatch = "No Matching Employees Found for Base Eqp";

// The line lengths of a valid extract (the second line is checked).
inline constexpr std::size_t kRosterLineLength = 102;
inline constexpr std::size_t kRosterLongLineLength = 147;

// Asks for the extract (folder under "LastRosterPath") and replaces the roster
// with its employees whose key matches `descriptor` (base, equipment,
// category, pairing letter). The roster stays as it was unless the file is
// opened and accepted. Returns true when the file was read, also when nobody
// matched.
bool LoadRosterExtract(TDocument& doc, std::string_view descriptor, const ImportServices& services);

// The import on an open extract: the check of the second line, then the
// roster. More matching employees than the roster holds are counted and
// reported in one message; the roster keeps the first ones.
bool LoadRosterExtractFrom(TDocument& doc, std::istream& in, std::string_view descriptor,
                           const ImportServices& services);

}  // namespace lumora
