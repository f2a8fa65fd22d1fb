// Loads arbitrary bytes as a schedule file. Whatever the bytes, the load must
// stay inside the document's fixed arrays and leave it within its capacities.
// On a share of the inputs a loaded document is also saved, loaded again and
// saved again: the two saves must be the same bytes.

#include <cstdint>
#include <cstdlib>
#include <memory>
#include <span>
#include <vector>

#include "doubles/null_ui.h"
#include "files/schedule_file.h"
#include "fuzz_support.h"
#include "platform/event_log.h"
#include "platform/ui.h"

namespace {

using lumora::TDocument;

void CheckCapacities(const TDocument& doc) {
  if (doc.PilotCount < 0 || doc.PilotCount > lumora::kMaxRosterPilots) std::abort();
  if (doc.LastPair < -1 || doc.LastPair >= lumora::kPairSlots) std::abort();
  if (doc.ToolboxCount < 0 || doc.ToolboxCount > lumora::kToolboxSlots) std::abort();
  if (doc.cal.MonthLength < 0 || doc.cal.MonthLength > lumora::kMonthDays) std::abort();
}

struct Slot {
  std::unique_ptr<TDocument> doc = std::make_unique<TDocument>();
  lumora::fuzzing::TouchedRecords touched;

  // Cleared as ClearDocument would, as an open does before it reads.
  TDocument& fresh() {
    touched.clearDocument(*doc);
    doc->FileName = "fuzz.lm2";
    return *doc;
  }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static Slot first;
  static Slot second;
  static lumora::EventLog log;
  // Fresh for every input, so that no run depends on the ones before.
  lumora::testing::NullUi ui;
  ui.agree = false;
  TDocument& doc = first.fresh();
  const lumora::LoadResult result =
      lumora::DecodeScheduleFile(doc, std::span<const std::uint8_t>(data, size), ui, log);
  first.touched.note(doc);
  CheckCapacities(doc);
  if (result.loaded) {
    // What a load leaves must survive the steps every open runs next.
    lumora::RepairAssignments(doc, ui);
    lumora::ValidateAllPairings(doc);
    lumora::FlagExtraCrewPairs(doc, log);
    first.touched.note(doc);
    if (lumora::fuzzing::Sampled(data, size, 64)) {
      const std::vector<std::uint8_t> saved =
          lumora::EncodeScheduleFile(doc, lumora::kScheduleFile);
      TDocument& again = second.fresh();
      const lumora::LoadResult reloaded = lumora::DecodeScheduleFile(again, saved, ui, log);
      second.touched.note(again);
      if (!reloaded.loaded) std::abort();
      if (lumora::EncodeScheduleFile(again, lumora::kScheduleFile) != saved) std::abort();
    }
  }
  // A list no person could read means a warning collector lost its bound.
  if (ui.longestList > 10'000) std::abort();
  return 0;
}
