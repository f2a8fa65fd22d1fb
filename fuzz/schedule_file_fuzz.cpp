// Loads arbitrary bytes as a schedule file. Whatever the bytes, the load must
// stay inside the document's fixed arrays and leave it within its capacities.

#include <cstdint>
#include <cstdlib>
#include <memory>
#include <span>

#include "doubles/null_ui.h"
#include "files/schedule_file.h"
#include "platform/event_log.h"
#include "platform/ui.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static auto doc = std::make_unique<lumora::TDocument>();
  static lumora::EventLog log;
  // Fresh for every input, so that no run depends on the ones before.
  lumora::testing::NullUi ui;
  ui.agree = false;
  lumora::ClearDocument(*doc, log);
  doc->FileName = "fuzz.lm2";
  const lumora::LoadResult result =
      lumora::DecodeScheduleFile(*doc, std::span<const std::uint8_t>(data, size), ui, log);
  if (doc->PilotCount < 0 || doc->PilotCount > lumora::kMaxRosterPilots) std::abort();
  if (doc->LastPair < -1 || doc->LastPair >= lumora::kPairSlots) std::abort();
  if (doc->ToolboxCount < 0 || doc->ToolboxCount > lumora::kToolboxSlots) std::abort();
  if (doc->cal.MonthLength < 0 || doc->cal.MonthLength > lumora::kMonthDays) std::abort();
  if (result.loaded) {
    // What a load leaves must survive the steps every open runs next.
    lumora::RepairAssignments(*doc, ui);
    lumora::ValidateAllPairings(*doc);
    lumora::FlagExtraCrewPairs(*doc, log);
    (void)lumora::EncodeScheduleFile(*doc, lumora::kScheduleFile);
  }
  // A list no person could read means a warning collector lost its bound.
  if (ui.longestList > 10'000) std::abort();
  return 0;
}
