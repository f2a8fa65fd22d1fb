// Imports arbitrary text as a pilot bids file, then guesses each crew
// member's bid from the text stored. The first byte, when odd, makes the rest
// the bids pane's text instead, guessed and turned into day requests and a
// pairing filter. Whatever the text, the import marks only the two day-off
// requests, the guess keeps days of the month and pairings that exist, and
// the day requests it writes stay within the labelled ones.

#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string>
#include <string_view>

#include "doubles/memory_settings.h"
#include "doubles/null_ui.h"
#include "doubles/recording_clipboard.h"
#include "imports/pilot_bids.h"
#include "model/document.h"
#include "platform/event_log.h"
#include "views/bids_window.h"

namespace {

void Check(bool condition) {
  if (!condition) std::abort();
}

constexpr int kCrew = 4;

void CheckGuess(const lumora::TBidsWindow& window) {
  for (int k = 0; k < lumora::kBidRequests; ++k) {
    for (const int day : window.guess(k).days) Check(day >= 0 && day <= 31);
    for (const int pairing : window.guess(k).pairings) Check(pairing == 0 || pairing == 7123);
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace lumora;
  if (size == 0) return 0;
  static auto doc = [] {
    auto d = std::make_unique<TDocument>();
    FillCalendar(d->cal, ToDayNumber({31, 1, 2027}), ToDayNumber({1, 3, 2027}));
    ExtendCalendar(d->cal);
    d->LastPair = 1;
    d->pair(0).Number = 7123;
    d->pair(0).Prefix = "M";
    d->pair(1).Number = 7123;
    d->pair(1).Prefix = "M";
    return d;
  }();
  static EventLog log;
  // Fresh for every input: what one input leaves in them (the clipboard's
  // texts above all) must not pile up, or every input looks like a leak.
  testing::NullUi ui;
  testing::RecordingClipboard clipboard;
  testing::MemorySettings settings;
  const ImportServices services{ui, clipboard, settings, log};

  doc->PilotCount = kCrew;
  for (int c = 0; c < kCrew; ++c) {
    TPilot& pilot = doc->pilot(c);
    pilot.Clear();
    pilot.Name = "CREW " + std::to_string(c);
    pilot.EmpNumber = c == 3 ? -1 : 1 + c;
    pilot.DayCell[static_cast<std::size_t>(c + 2)] = 0;
  }
  const std::string_view text(reinterpret_cast<const char*>(data) + 1, size - 1);
  TBidsWindow window(*doc, ui);
  if (data[0] % 2 == 0) {
    ImportPilotBids(*doc, text, services);
    for (int c = 0; c < kCrew; ++c)
      for (const std::int8_t request : doc->pilot(c).DayRequest)
        Check(request == 0 || request == kGuaranteedDayOffRequest ||
              request == kPersonalDayOffRequest);
    window.RebuildBidsTabs();
    for (int tab = 0; tab < window.tabCount(); ++tab) {
      window.SelectBidsTab(tab);
      CheckGuess(window);
    }
    return 0;
  }
  window.RebuildBidsTabs();
  window.setBidsPaneText(std::string(text));
  window.GuessBid();
  CheckGuess(window);
  window.SetFilters();
  window.SetDayOffReq();
  for (const std::int8_t request : doc->pilot(0).DayRequest)
    Check(request == 0 || (request >= kFirstDayOffRequest && request <= kLastDayOffRequest));
  return 0;
}
