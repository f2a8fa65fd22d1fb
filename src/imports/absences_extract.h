#pragma once
// The crew-tracking system's absence extract ("*absp*" for pilots, "*absc*"
// for cabin crew): per employee, the month's absences and other non-flying
// assignments as two-character codes with a day range and times. The import
// writes them into the crew members' days as other assignments, for the
// document's month or for the month after it.

#include <cstddef>
#include <functional>
#include <iosfwd>
#include <string_view>

#include "imports/import_services.h"

namespace lumora {

class TDocument;

inline constexpr std::string_view kAbsencesDialogTitle = "Load Crew Absences Extract";
inline constexpr std::string_view kAbsencesFileFilter =
    "CrewTrac Extract Files (*absp* *absc*)|*absp*;*absc*|All Files (*.*)|*.*";
inline constexpr std::string_view kAbsencesEraseQuestion =
    "This will erase all conflicting Toolbox assignments. Proceed";
inline constexpr std::string_view kAbsencesNotAnExtract =
    "This May Not Be a Valid Crew Absence Extract! Do You Want to Try Load it Anyway";
inline constexpr std::string_view kAbsencesWarningsCaption = "Warnings from Absences Extract Load";

// The length of a valid extract's first line.
inline constexpr std::size_t kAbsencesLineLength = 443;

// Asks whether to overwrite the toolbox assignments (this month, unless the
// document is fresh), then for the extract (folder under "LastCrewAbsPath"),
// and writes its absences into the days of the month or, with `nextMonth`,
// into the days after the month. `closeViews` (may be empty) closes the
// document's views once the extract is accepted. Returns true when the file
// was read.
bool LoadAbsencesExtract(TDocument& doc, bool nextMonth, const ImportServices& services,
                         const std::function<void()>& closeViews);

// The import on an open extract: the check of the first line, then the
// absences, the warnings list and (this month) the leave-all-month marks.
bool LoadAbsencesExtractFrom(TDocument& doc, std::istream& in, bool nextMonth,
                             const ImportServices& services,
                             const std::function<void()>& closeViews);

}  // namespace lumora
