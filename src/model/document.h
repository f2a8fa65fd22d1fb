#pragma once
// The one schedule document: roster, pairings, toolbox, calendar, blocking
// rules, texts and the view state it carries for the views. Its record arrays
// are allocated once and reset in place; records are referred to by index.

#include <algorithm>
#include <array>
#include <cassert>
#include <cstddef>
#include <cstdint>
#include <string>

#include "model/calendar.h"
#include "model/capacity.h"
#include "model/fixed_array.h"
#include "model/pair.h"
#include "model/pilot.h"
#include "model/transaction_history.h"

namespace lumora {

class EventLog;
class Ui;

enum class CrewKind : std::uint8_t { Captains = 0, FirstOfficers = 1, FlightAttendants = 2 };

// FileKind values.
inline constexpr std::int32_t kScheduleFile = 0;
inline constexpr std::int32_t kRosterViewerFile = 1;
inline constexpr std::int32_t kScheduleViewerFile = 2;
inline constexpr std::int32_t kCompanyFile = 3;

inline constexpr int kPairFilterCount = 20;
inline constexpr int kAirportPageCount = 20;
inline constexpr int kImportFileTypes = 5;  // pairing files and the four extracts
inline constexpr int kBlockFilterButtons = 8;
inline constexpr int kSearchCheckBoxes = 4;

// A pairing instance chosen in the pairing window.
struct PairSelection {
  std::int32_t pair = -1;
  std::int32_t day = -1;
  std::int32_t slot = -1;
};

// State the views own but the document resets when it is cleared.
struct DocumentViewState {
  PairSelection selection;
  PairSelection previousSelection;
  std::int32_t pairEditorCurrent = 0;
  // The pairing editor writes what it shows: set by the password dialog and
  // cleared at its next opening, not by a new document.
  std::uint8_t pairEditing = 0;
  std::uint8_t lastMonthView = 0;
  std::uint8_t allCreditsDisplay = 0;
  std::uint8_t bidsWindowFilter = 0;
  std::array<std::uint8_t, kBlockFilterButtons> blockFilters{};
  std::array<std::uint8_t, kSearchCheckBoxes> searchChecks{};
  std::uint8_t searchGroupVisible = 0;
  std::int32_t currentPairFilter = 0;
  // Mouse-gesture state of the grid (drag source, pressed cell); reset to none.
  std::int32_t gestureCrew = -1;
  std::int32_t gestureDay = -1;
  std::int32_t gesturePair = -1;
  std::array<std::int32_t, kBlockDays> dayBalance{};
  // A toolbox button was pressed: clicks on empty days place its code until
  // a pairing is selected in the pairing window.
  std::uint8_t toolboxPlacing = 0;
  // The assigned instance whose owner the pairing window's caption last
  // named (day, slot); -1 for none.
  std::int32_t lastShownDay = -1;
  std::int32_t lastShownSlot = -1;
};

class TDocument {
 public:
  TDocument();
  TDocument(const TDocument&) = delete;
  TDocument& operator=(const TDocument&) = delete;

  // --- records (fixed capacity, never grow or move)
  FixedArray<TPilot> Pilots{kPilotSlots};
  FixedArray<TPair> Pairs{kPairSlots};
  FixedArray<TAbsence> ToolboxItems{kToolboxSlots};
  std::int32_t PilotCount = 0;
  std::int32_t LastPair = -1;
  std::int32_t LastBasePair = -1;
  std::int32_t ToolboxCount = 0;

  // --- identity and calendar
  std::string FileName;  // full path; empty for a new document
  std::int32_t FileKind = kScheduleFile;
  std::string FileDescriptor;  // base (3), equipment (3), category (2), pairing letter (1)
  std::uint8_t CrewType = 0;   // 0 captains, 1 first officers, 2 flight attendants
  TCalendar cal;

  // --- blocking rules (minutes unless noted)
  std::int32_t AvgCredit = 4650;
  std::int32_t MaxCredit = 4800;
  std::int32_t MinCredit = 4500;
  std::int32_t DaysOffBlockHolder = 0;  // count
  std::int32_t DaysOffReserve = 0;      // count
  std::int32_t ReducedMaxCredit = 3420;
  std::int32_t ReducedMinCredit = 2820;
  std::int32_t ReducedMinDaysOff = 12;  // count
  std::int32_t CheckPilotMaxCredit = 5400;

  // --- flags and texts
  std::uint8_t ShowAssignedPairs = 1;
  std::uint8_t BlocksShown = 0;
  std::uint8_t PairWindowVisible = 0;
  std::uint8_t ToolboxWindowVisible = 0;
  std::uint8_t BidsWindowVisible = 0;
  std::uint8_t BlockSearchOn = 0;
  std::array<std::string, kPairFilterCount> PairFilters;
  std::string ToolboxDate;
  std::string SegmentSummary;
  std::string SharedNotes;  // personal data
  std::string AirportDetails;
  std::array<std::string, kAirportPageCount> AirportPages;
  TransactionHistory History;        // saved in its text form
  ProposalGroups AcceptedProposals;  // behind the history's proposal markers; not stored

  // --- stored but used by nothing else
  std::array<std::uint8_t, 10> ReservedFlags{};
  std::array<std::string, 3> ReservedTexts;
  std::int32_t ReservedMonthWord = 1;                  // first word of the month block
  std::array<std::int32_t, 4> ReservedReducedWords{};  // last four words of the reduced block
  std::int32_t ReservedPrevMonthWord = 0;              // after the previous month's days
  std::array<std::string, 2> ReservedShortTexts;       // two 6-byte texts

  // --- not stored
  std::uint8_t Modified = 0;
  std::uint8_t Untitled = 1;
  std::uint8_t FreshDocument = 1;
  std::int32_t DocState = 0;
  std::uint8_t AutoSaveCountdown = 20;
  std::int32_t AssignsSinceBackup = 0;
  std::array<std::string, kImportFileTypes> ImportFileNames;

  DocumentViewState view;

  CrewKind crewKind() const { return static_cast<CrewKind>(CrewType); }
  int monthLength() const { return cal.MonthLength; }

  // The ranges in use, held inside the record arrays whatever counts a
  // damaged file put into the document: crew 0 to rosterSize() - 1,
  // pairings 0 to lastPairIndex() (-1: none), toolbox items 0 to
  // toolboxSize() - 1, days 0 to monthDays() - 1.
  int rosterSize() const { return std::clamp<int>(PilotCount, 0, kMaxRosterPilots); }
  int lastPairIndex() const { return std::clamp<int>(LastPair, -1, kPairSlots - 1); }
  int toolboxSize() const { return std::clamp<int>(ToolboxCount, 0, kToolboxSlots); }
  int monthDays() const { return std::clamp<int>(cal.MonthLength, 0, kMonthDays); }
  bool isRosterIndex(int crew) const { return crew >= 0 && crew < rosterSize(); }
  bool isPairIndex(int p) const { return p >= 0 && p <= lastPairIndex(); }

  // A record by the index the code carries. Any slot may be named (the
  // who-is-legal scratch slot, pairings beyond the last during an import);
  // an index outside the slots is a fault of the caller, which tests the
  // index it got from outside data first.
  TPilot& pilot(int crew) { return Pilots[Slot(crew, kPilotSlots)]; }
  const TPilot& pilot(int crew) const { return Pilots[Slot(crew, kPilotSlots)]; }
  TPair& pair(int p) { return Pairs[Slot(p, kPairSlots)]; }
  const TPair& pair(int p) const { return Pairs[Slot(p, kPairSlots)]; }
  TAbsence& toolboxItem(int item) { return ToolboxItems[Slot(item, kToolboxSlots)]; }
  const TAbsence& toolboxItem(int item) const { return ToolboxItems[Slot(item, kToolboxSlots)]; }

 private:
  static std::size_t Slot(int index, [[maybe_unused]] int slotCount) {
    assert(index >= 0 && index < slotCount);
    return static_cast<std::size_t>(index);
  }
};

// Resets the document to empty; keeps the crew category, the month's names
// and dates, the days-off rules and the shared texts of the previous file.
void ClearDocument(TDocument& doc, EventLog& log);

// What ClearDocument resets besides the crew and pairing records, for a
// caller that knows which records it wrote and clears only those.
void ClearDocumentFields(TDocument& doc);

// Clears every crew slot and/or the imported pairing slots.
void ZeroData(TDocument& doc, bool crew, bool pairings, EventLog& log);

// Re-derives the pairings' assigned marks from the crew members' day cells,
// clearing cells that cannot hold what they hold, and reports the corrections.
void RepairAssignments(TDocument& doc, Ui& ui);

// Extends the calendar past the month and restores the extra-crew marks that
// the schedule file does not store. Runs once after every load.
void FlagExtraCrewPairs(TDocument& doc, EventLog& log);

// Validates every pairing against the document's month and airport table.
void ValidateAllPairings(TDocument& doc);

}  // namespace lumora
