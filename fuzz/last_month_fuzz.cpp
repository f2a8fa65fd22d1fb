// Imports arbitrary text as the two last-month extracts. The first byte
// chooses the crew category and the document's pairing letter; the rest is
// the crew activity extract up to the first form feed and the prior-period
// pairing extract after it. The roster is the employees of the first three
// activity lines, so that generated lines reach the per-entry code. Whatever
// the text, the import must stay inside the day records and keep its
// warnings bounded.

#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string>
#include <string_view>

#include "doubles/memory_settings.h"
#include "doubles/null_ui.h"
#include "doubles/recording_clipboard.h"
#include "imports/last_month_extract.h"
#include "model/document.h"
#include "model/time_text.h"
#include "platform/event_log.h"

namespace {

void Check(bool condition) {
  if (!condition) std::abort();
}

constexpr int kRoster = 3;

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace lumora;
  static auto doc = [] {
    auto d = std::make_unique<TDocument>();
    // February 2027: the days before it run from 31 December to 30 January.
    FillCalendar(d->cal, ToDayNumber({31, 1, 2027}), ToDayNumber({1, 3, 2027}));
    d->AirportDetails =
        "YUL,05:00,00:30,Y,YYZ,05:00,01:00,Y,YQR,06:00,00:20,N,YHZ,04:00,00:30,Y,"
        "YVR,08:00,00:45,Y,YYC,07:00,00:30,Y,YQM,04:00,00:30,Y,";
    d->PilotCount = kRoster;
    return d;
  }();
  static EventLog log;
  lumora::testing::NullUi ui;
  ui.agree = (size > 0 && (data[0] & 0x40) != 0);
  lumora::testing::RecordingClipboard clipboard;
  clipboard.works = false;
  lumora::testing::MemorySettings settings;
  if (size == 0) return 0;

  doc->CrewType = static_cast<std::uint8_t>(data[0] % 3);
  static constexpr std::string_view kDescriptors[] = {"YULCRJCAM", "YULCRJFAV", "YULCRJ"};
  doc->FileDescriptor = std::string(kDescriptors[(data[0] >> 2) % 3]);

  const std::string_view input(reinterpret_cast<const char*>(data) + 1, size - 1);
  const std::size_t split = input.find('\f');
  const std::string_view activity = input.substr(0, split);
  const std::string_view pairings =
      split == std::string_view::npos ? std::string_view() : input.substr(split + 1);

  // The roster: the employee numbers of the first lines.
  std::size_t at = 0;
  for (int c = 0; c < kRoster; ++c) {
    TPilot& pilot = doc->pilot(c);
    const std::size_t end = activity.find('\n', at);
    pilot.EmpNumber = at < activity.size() ? LeadingInt(activity.substr(at, 9)) : -1 - c;
    pilot.Name = "CREW " + std::to_string(c);
    pilot.Last89HardTimeText.clear();
    at = end == std::string_view::npos ? activity.size() : end + 1;
  }

  const ImportServices services{ui, clipboard, settings, log};
  const bool loaded = LoadLastMonthActivityText(*doc, activity, pairings, services, {});

  for (int c = 0; loaded && c < kRoster; ++c) {
    const TPilot& pilot = doc->pilot(c);
    for (const DayRecord& day : pilot.Activity)
      Check(day[kActWorkedState] >= 0 && day[kActWorkedState] <= 2);
    for (const std::string& text : pilot.ActivityText) Check(text.size() <= 5);
    Check(pilot.Last89HardTimeText.empty() || pilot.Last89HardTimeText.size() == 356);
    Check(pilot.LegalCheckIn() >= 0);
  }
  // A list no person could read means the warning collector lost its bound.
  if (ui.longestList > 1000) std::abort();
  return 0;
}
