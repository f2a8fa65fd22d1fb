// Imports arbitrary text as a PRG pairing file. The first byte chooses the
// document's crew category and whether every equipment is accepted; the rest
// is the file. Whatever the text, the import must stay inside the pairing
// table and the day arrays and leave the crew members' cells consistent with
// the pairings they point at.

#include <cstdint>
#include <cstdlib>
#include <memory>
#include <sstream>
#include <string>

#include "doubles/memory_settings.h"
#include "doubles/null_ui.h"
#include "doubles/recording_clipboard.h"
#include "imports/prg_import.h"
#include "model/document.h"
#include "platform/clipboard.h"
#include "platform/event_log.h"
#include "platform/settings_store.h"
#include "platform/ui.h"

namespace {

void Check(bool condition) {
  if (!condition) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace lumora;
  static auto doc = [] {
    auto d = std::make_unique<TDocument>();
    FillCalendar(d->cal, ToDayNumber({1, 7, 2026}), ToDayNumber({31, 7, 2026}));
    d->FileDescriptor = "YYJDH8CAJ";
    d->PilotCount = 3;
    return d;
  }();
  static EventLog log;
  // Fresh for every input, so that no run depends on the ones before.
  lumora::testing::NullUi ui;
  ui.agree = false;
  lumora::testing::RecordingClipboard clipboard;
  clipboard.works = false;
  lumora::testing::MemorySettings settings;
  if (size == 0) return 0;

  doc->CrewType = static_cast<std::uint8_t>(data[0] % 4);
  const bool allEquipment = (data[0] & 0x10) != 0;
  doc->cal.DstShift = (data[0] & 0x20) != 0 ? -60 : 0;
  doc->cal.DstMoment = 7 * 1440 + 120;
  // Cells that point at table positions the file may or may not fill.
  for (int c = 0; c < doc->PilotCount; ++c)
    for (int d = 0; d < kBlockDays; ++d)
      doc->Pilots[static_cast<std::size_t>(c)].DayCell[static_cast<std::size_t>(d)] =
          (c + d) % 5 == 0 ? -2 : (c * 7 + d) % 4 - 1;

  std::istringstream in(std::string(reinterpret_cast<const char*>(data) + 1, size - 1));
  const ImportServices services{ui, clipboard, settings, log};
  const bool loaded =
      LoadPrgPairingsFrom(*doc, in, (data[0] & 0x40) != 0 ? "J" : "", allEquipment, services);

  Check(doc->LastPair >= -1 && doc->LastPair < kMaxImportedPairs);
  Check(doc->LastBasePair == doc->LastPair);
  for (int p = 0; p <= doc->LastPair; ++p) {
    const TPair& pair = doc->Pairs[static_cast<std::size_t>(p)];
    Check(pair.PairingText.size() <= kPrgMaxPairingText);
    for (std::int32_t status : pair.DayStatus) Check(status >= 0 && status <= 2);
  }
  // A file refused at its first line leaves the document as it was.
  for (int c = 0; c < (loaded ? doc->PilotCount : 0); ++c) {
    const TPilot& pilot = doc->Pilots[static_cast<std::size_t>(c)];
    for (int d = 0; d < doc->cal.MonthLength; ++d) {
      const std::int32_t cell = pilot.DayCell[static_cast<std::size_t>(d)];
      Check(cell >= -2 && cell <= doc->LastPair);
      if (cell >= 0) Check(doc->Pairs[static_cast<std::size_t>(cell)].DayStatus[d] == 2);
    }
  }
  // What the import leaves must survive what building the blocks runs next.
  RepairAssignments(*doc, ui);
  ValidateAllPairings(*doc);
  // A list no person could read means a warning collector lost its bound.
  if (ui.longestList > 10'000) std::abort();
  return 0;
}
