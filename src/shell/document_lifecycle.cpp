#include "shell/document_lifecycle.h"

#include "shell/platform/event_log.h"
#include "shell/platform/ui.h"

namespace lumora {

void BuildBlocks(TDocument& doc, const WindowSwitches& windows, Ui& ui, EventLog& log) {
  if (doc.BlocksShown) return;
  log.write("BuildBlocksBegin\n");
  RepairAssignments(doc, ui);
  ValidateAllPairings(doc);

  doc.view.selection = PairSelection{};
  doc.view.previousSelection = PairSelection{};
  doc.BlocksShown = 1;

  // The document records which floating windows are shown; the windows
  // themselves follow it once they exist. Flight-attendant files have no
  // bids window.
  doc.PairWindowVisible = windows.pairWindow ? 1 : 0;
  doc.ToolboxWindowVisible = windows.toolbox ? 1 : 0;
  if (doc.crewKind() != CrewKind::FlightAttendants)
    doc.BidsWindowVisible = windows.bidsWindow ? 1 : 0;

  ExtendCalendar(doc.cal);
  for (int c = 0; c < doc.PilotCount; ++c) {
    TPilot& pilot = doc.Pilots[c];
    for (DayRecord& activity : pilot.Activity)
      if (activity[kActDutyStart] > 0 && activity[kActDutyStartHomeBase] == 0)
        activity[kActDutyStartHomeBase] = activity[kActDutyStart];
    pilot.ParseLast89HardTime();
    pilot.ComputeOnLeaveAllMonth(doc.cal.MonthLength);
  }
  log.write("BuildBlocksEnd\n");
}

LoadResult OpenDocument(TDocument& doc, const std::filesystem::path& path, Ui& ui, EventLog& log) {
  ClearDocument(doc, log);
  doc.FileName = path.string();
  LoadResult result = LoadFile(doc, ui, log);
  if (!result.loaded) {
    doc.FileName.clear();  // nothing of that file is in the document
    return result;
  }
  if (result.blocksShown)
    BuildBlocks(doc,
                {result.pairWindowVisible, result.toolboxWindowVisible, result.bidsWindowVisible},
                ui, log);
  ExtendCalendar(doc.cal);
  FlagExtraCrewPairs(doc, log);
  return result;
}

}  // namespace lumora
