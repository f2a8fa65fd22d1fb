#include "model/document.h"

#include <cstdio>
#include <cstdlib>
#include <string>

#include "platform/captions.h"
#include "platform/event_log.h"
#include "platform/ui.h"

namespace lumora {

TDocument::TDocument() {
  for (TPilot& pilot : Pilots) pilot.Clear();
  for (TPair& pair : Pairs) pair.Clear();
}

void ZeroData(TDocument& doc, bool crew, bool pairings, EventLog& log) {
  log.write("ZeroDataBegin\n");
  if (crew) {
    for (TPilot& pilot : doc.Pilots) pilot.Clear();
    doc.PilotCount = 0;
  }
  if (pairings) {
    // The last slot is not an imported pairing's; it is left as it is.
    for (int p = 0; p < kMaxImportedPairs; ++p) doc.pair(p).Clear();
    doc.LastPair = -1;
    doc.LastBasePair = -1;
  }
  log.write("ZeroDataEnd\n");
}

void ClearDocument(TDocument& doc, EventLog& log) {
  log.write("BeginDeleteAll\n");
  ZeroData(doc, true, true, log);
  ClearDocumentFields(doc);
  log.write("EndDeleteAll\n");
}

void ClearDocumentFields(TDocument& doc) {
  doc.FileKind = kScheduleFile;
  doc.ReservedMonthWord = 1;
  doc.AvgCredit = 4650;
  doc.MaxCredit = 4800;
  doc.MinCredit = 4500;
  doc.ReducedMaxCredit = 3420;
  doc.ReducedMinCredit = 2820;
  doc.ReducedMinDaysOff = 12;
  doc.CheckPilotMaxCredit = 5400;

  DocumentViewState& view = doc.view;
  view.pairEditorCurrent = 0;
  doc.AutoSaveCountdown = 20;
  doc.AssignsSinceBackup = 0;

  doc.FileName.clear();
  for (std::string& name : doc.ImportFileNames) name.clear();

  doc.FileDescriptor.clear();
  for (std::string& text : doc.ReservedTexts) text.clear();
  doc.SegmentSummary.clear();
  for (auto& day : doc.cal.PrevMonthDays) day = {0, 0, 0};
  view.dayBalance.fill(0);

  doc.BlocksShown = 0;
  doc.Modified = 0;
  view.lastMonthView = 0;
  view.allCreditsDisplay = 0;
  view.bidsWindowFilter = 0;
  view.blockFilters.fill(0);
  doc.BlockSearchOn = 0;
  doc.FreshDocument = 1;
  doc.ShowAssignedPairs = 1;
  view.searchChecks.fill(1);
  view.searchGroupVisible = 0;

  view.selection = PairSelection{};
  view.previousSelection = PairSelection{};
  view.gestureCrew = view.gestureDay = view.gesturePair = -1;
  view.currentPairFilter = 0;

  doc.ReservedPrevMonthWord = 0;
  for (std::string& text : doc.ReservedShortTexts) text.clear();

  doc.cal.MonthLength = 0;
  doc.cal.FirstWeekday = 0;

  doc.History.clear();
  doc.AcceptedProposals.clear();

  for (std::string& filter : doc.PairFilters) filter.clear();
  doc.ToolboxCount = 0;
}

void RepairAssignments(TDocument& doc, Ui& ui) {
  const int days = doc.monthDays();
  for (int p = 0; p <= doc.LastPair; ++p) {
    for (int d = 0; d < days; ++d) {
      std::int32_t& status = doc.pair(p).DayStatus[d];
      if (status == kAssignedInstance) status = kOpenInstance;
      if (status == -kAssignedInstance) status = -kOpenInstance;
    }
  }

  std::string report;
  char line[128];
  for (int c = 0; c < doc.PilotCount; ++c) {
    TPilot& pilot = doc.pilot(c);
    for (int d = 0; d < days; ++d) {
      std::int32_t& cell = pilot.DayCell[d];
      if (cell < kOtherAssignmentCell || cell > doc.LastPair) {
        cell = kEmptyCell;
        std::snprintf(line, sizeof line, "Error 100 Emp %s ", pilot.Name.c_str());
        report += line;
      } else if (cell >= 0) {
        std::int32_t& status = doc.pair(cell).DayStatus[d];
        if (status == kOpenInstance) {
          status = kAssignedInstance;
        } else if (status == -kOpenInstance) {
          status = -kAssignedInstance;
        } else {
          cell = kEmptyCell;
          std::snprintf(line, sizeof line, "Error 101 Emp %s Day %d", pilot.Name.c_str(),
                        doc.cal.MonthDays[d][0]);
          report += line;
        }
      }
    }
  }
  if (!report.empty()) {
    report += " Errors Corrected OK to proceed";
    ui.message(report, kAppCaption, Icon::Information);
  }
}

void FlagExtraCrewPairs(TDocument& doc, EventLog& log) {
  log.write("FlagTwoCaptPairsBegin\n");
  ExtendCalendar(doc.cal);
  const int days = std::min<int>(doc.cal.MonthLength, kMonthDays);
  if (doc.crewKind() == CrewKind::FirstOfficers) {
    for (int c = 0; c < doc.PilotCount; ++c) {
      const TPilot& pilot = doc.pilot(c);
      if (pilot.EmpNumber != -1) continue;
      for (int d = 0; d < days; ++d) {
        const std::int32_t p = pilot.DayCell[d];
        if (doc.isPairIndex(p)) {
          std::int32_t& status = doc.pair(p).DayStatus[d];
          status = -std::abs(status);
        }
      }
    }
  } else {
    // Captains and flight-attendant files both carry copies of the marked
    // instances; the sign goes on each copy's marked day and on its base.
    // Setting it (rather than flipping it) keeps a second run harmless.
    for (int p = doc.LastBasePair + 1; p <= doc.LastPair; ++p) {
      TPair& copy = doc.pair(p);
      int d = 0;
      while (d < days && copy.DayStatus[d] == 0) ++d;
      if (d == days) continue;
      copy.DayStatus[d] = -std::abs(copy.DayStatus[d]);
      for (int q = 0; q <= doc.LastBasePair; ++q) {
        TPair& base = doc.pair(q);
        // A purser pairing and a cabin pairing may share a number.
        if (base.Number == copy.Number && base.CrewPosition == copy.CrewPosition) {
          base.DayStatus[d] = -std::abs(base.DayStatus[d]);
          break;
        }
      }
    }
  }
  log.write("FlagTwoCaptPairsEnd\n");
}

void ValidateAllPairings(TDocument& doc) {
  for (int p = 0; p <= doc.LastPair; ++p)
    ValidatePairing(doc.pair(p), doc.cal.MonthLength, doc.AirportDetails);
}

}  // namespace lumora
