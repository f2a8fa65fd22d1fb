// Reads arbitrary bytes as a toolbox definition file, into a pilots' and a
// cabin document. Whatever the bytes, the toolbox stays within its slots, the
// airport table keeps its fixed-width layout, each airport's look-up finds its
// own entry, and the button list can be built.

#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string_view>

#include "doubles/null_ui.h"
#include "imports/toolbox_file.h"
#include "model/airports.h"
#include "model/code_table.h"
#include "model/document.h"
#include "model/time_text.h"
#include "platform/ui.h"

namespace {

void Check(lumora::TDocument& doc, std::string_view text, lumora::Ui& ui) {
  lumora::ReadToolBoxText(doc, text, ui);
  if (doc.ToolboxCount < 0 || doc.ToolboxCount > lumora::kToolboxSlots) std::abort();
  const std::string& airports = doc.AirportDetails;
  if (airports.size() % lumora::kAirportEntryLength != 0) std::abort();
  if (airports.size() > lumora::kMaxAirports * lumora::kAirportEntryLength) std::abort();
  // Every airport's look-up reads an entry of that airport (the first one of
  // a code listed twice), never a place inside another airport's entry.
  constexpr std::size_t kTransportAt = 10;
  const std::string_view table(airports);
  for (std::size_t at = 0; at < table.size(); at += lumora::kAirportEntryLength) {
    const std::string_view code = table.substr(at, 3);
    std::size_t first = 0;
    while (table.substr(first, 3) != code) first += lumora::kAirportEntryLength;
    const int own = lumora::ParseTime(table.substr(first + kTransportAt, 5), true);
    if (own < 0 || lumora::AirportTransportTime(airports, code) != own) std::abort();
  }
  const auto buttons = lumora::ToolboxButtons(doc);
  if (buttons.size() > static_cast<std::size_t>(lumora::kToolboxButtonSlots)) std::abort();
  for (std::size_t b = lumora::kRequestButtonCount; b < buttons.size(); ++b) {
    // A code read from the file never turns into a day-off request.
    if (buttons[b].isRequest()) std::abort();
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static auto pilots = std::make_unique<lumora::TDocument>();
  static auto cabin = [] {
    auto doc = std::make_unique<lumora::TDocument>();
    doc->CrewType = static_cast<std::uint8_t>(lumora::CrewKind::FlightAttendants);
    return doc;
  }();
  // Fresh for every input, so that no run depends on the ones before.
  lumora::testing::NullUi ui;
  ui.agree = false;
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  pilots->AirportDetails.clear();
  cabin->AirportDetails.clear();
  Check(*pilots, text, ui);
  Check(*cabin, text, ui);
  // A list no person could read means a warning collector lost its bound.
  if (ui.longestList > 10'000) std::abort();
  return 0;
}
