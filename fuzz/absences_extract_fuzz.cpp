// Imports arbitrary text as a crew absence extract. The first byte chooses
// the crew category, this month or the next, whether the toolbox entries
// replace the built-in codes and the answer to the format question; the rest
// is the file. Whatever the text, days with pairings are kept, every written
// day is an other assignment with its codes, and nothing lands outside the
// crew members' 62 days.

#include <cstdint>
#include <cstdlib>
#include <memory>
#include <sstream>
#include <string>

#include "doubles/memory_settings.h"
#include "doubles/null_ui.h"
#include "doubles/recording_clipboard.h"
#include "imports/absences_extract.h"
#include "model/document.h"
#include "platform/event_log.h"

namespace {

void Check(bool condition) {
  if (!condition) std::abort();
}

constexpr int kCrew = 4;

// A pairing on some days of each crew member, the rest empty.
std::int32_t FirstCell(int crew, int day) {
  return (crew + day) % 7 == 0 ? (crew + day) % 3 : lumora::kEmptyCell;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace lumora;
  static auto doc = [] {
    auto d = std::make_unique<TDocument>();
    FillCalendar(d->cal, ToDayNumber({31, 1, 2027}), ToDayNumber({1, 3, 2027}));
    d->PilotCount = kCrew;
    d->LastPair = 2;
    for (int c = 0; c < kCrew; ++c) {
      d->Pilots[c].EmpNumber = c + 1;  // lines "000000001" ...
      d->Pilots[c].Name = "CREW " + std::to_string(c);
    }
    d->ToolboxItems[0].Code = "VAC";
    d->ToolboxItems[0].CrewTracCode = "VC";
    d->ToolboxItems[0].CarsDuty = 1;
    return d;
  }();
  static EventLog log;
  lumora::testing::NullUi ui;
  lumora::testing::RecordingClipboard clipboard;
  lumora::testing::MemorySettings settings;
  if (size == 0) return 0;

  doc->CrewType = static_cast<std::uint8_t>(data[0] % 4);
  const bool nextMonth = (data[0] & 0x04) != 0;
  doc->ToolboxCount = (data[0] & 0x08) != 0 ? 1 : 0;
  ui.agree = (data[0] & 0x10) != 0;
  for (int c = 0; c < kCrew; ++c) {
    TPilot& pilot = doc->Pilots[c];
    for (int d = 0; d < kBlockDays; ++d) {
      pilot.DayCell[d] = FirstCell(c, d);
      pilot.DayCode[d].clear();
      pilot.DayCrewTracCode[d].clear();
    }
  }

  std::istringstream in(std::string(reinterpret_cast<const char*>(data) + 1, size - 1));
  const ImportServices services{ui, clipboard, settings, log};
  LoadAbsencesExtractFrom(*doc, in, nextMonth, services, {});

  const bool cabin = doc->crewKind() == CrewKind::FlightAttendants;
  for (int c = 0; c < kCrew; ++c) {
    const TPilot& pilot = doc->Pilots[c];
    for (int d = 0; d < kBlockDays; ++d) {
      const std::int32_t cell = pilot.DayCell[d];
      if (FirstCell(c, d) >= 0) {
        Check(cell == FirstCell(c, d));
      } else if (cell == kOtherAssignmentCell) {
        Check(pilot.DayCrewTracCode[d].size() == 2);
        Check(!pilot.DayCode[d].empty() && pilot.DayCode[d].size() <= 3);
        if (cabin) Check(pilot.DayOther[d][kOtherCarsDuty] == 0);
      } else {
        Check(cell == kEmptyCell && pilot.DayCode[d].empty());
      }
    }
  }
  // A list no person could read means the warning collector lost its bound.
  if (ui.longestList > 10'000) std::abort();
  return 0;
}
