// Imports arbitrary text as an employee record extract. The first byte
// chooses the document's crew category, the answer to the format question
// and a descriptor of the wrong length; the rest is the file. Whatever the
// text, the roster stays within its 999 crew members, the scratch slot is
// never written, and a refused extract leaves the roster as it was.

#include <cstdint>
#include <cstdlib>
#include <memory>
#include <sstream>
#include <string>

#include "doubles/memory_settings.h"
#include "doubles/null_ui.h"
#include "doubles/recording_clipboard.h"
#include "imports/roster_extract.h"
#include "model/document.h"
#include "platform/event_log.h"

namespace {

void Check(bool condition) {
  if (!condition) std::abort();
}

constexpr int kEarlierCrew = 5;

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace lumora;
  static auto doc = [] {
    auto d = std::make_unique<TDocument>();
    d->Pilots[kScratchPilot].Name = "scratch";
    return d;
  }();
  static EventLog log;
  lumora::testing::NullUi ui;
  lumora::testing::RecordingClipboard clipboard;
  lumora::testing::MemorySettings settings;
  if (size == 0) return 0;

  ui.agree = (data[0] & 0x10) != 0;
  doc->CrewType = static_cast<std::uint8_t>(data[0] % 4);
  const std::string descriptor = (data[0] & 0x20) != 0 ? "YULCRJCA" : "YULCRJCAM";
  // The earlier roster, marked so that a refusal can be told from a load.
  doc->PilotCount = kEarlierCrew;
  doc->Pilots[0].EmpNumber = -7;

  std::istringstream in(std::string(reinterpret_cast<const char*>(data) + 1, size - 1));
  const ImportServices services{ui, clipboard, settings, log};
  const bool loaded = LoadRosterExtractFrom(*doc, in, descriptor, services);

  Check(doc->PilotCount >= 0 && doc->PilotCount <= kMaxRosterPilots);
  Check(doc->Pilots[kScratchPilot].Name == "scratch");
  if (!loaded) Check(doc->PilotCount == kEarlierCrew && doc->Pilots[0].EmpNumber == -7);
  for (int c = 0; c < (loaded ? doc->PilotCount : 0); ++c) {
    const TPilot& pilot = doc->Pilots[static_cast<std::size_t>(c)];
    Check(pilot.Name.size() <= 22);
    Check(pilot.QualificationCodes.size() == 12);
    Check(pilot.SpecialQual() >= 0 && pilot.SpecialQual() <= 4);
    Check(pilot.DayCell[0] == kEmptyCell);
  }
  return 0;
}
