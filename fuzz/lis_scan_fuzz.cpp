// Scans arbitrary text as LIS pairing listings. The first byte chooses the
// crew category and whether the text goes through the binary-header skip of
// a LIS file or is padded to the least length the scan reads; the rest is
// the display text the pairings start with, a "|", and the listing. Whatever
// the text, the scan must stay inside it and the pairing table, and leave
// display texts of bounded length.

#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string>
#include <string_view>

#include "doubles/memory_settings.h"
#include "doubles/null_ui.h"
#include "doubles/recording_clipboard.h"
#include "imports/lis_scan.h"
#include "model/document.h"
#include "platform/clipboard.h"
#include "platform/event_log.h"
#include "platform/settings_store.h"
#include "platform/ui.h"

namespace {

constexpr int kPairs = 4;
constexpr int kNumbers[kPairs] = {7003, 7006, 12, -5};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace lumora;
  static auto doc = [] {
    auto d = std::make_unique<TDocument>();
    FillCalendar(d->cal, ToDayNumber({31, 1, 2027}), ToDayNumber({1, 3, 2027}));
    return d;
  }();
  static EventLog log;
  // Fresh for every input, so that no run depends on the ones before.
  lumora::testing::NullUi ui;
  ui.agree = false;
  lumora::testing::RecordingClipboard clipboard;
  clipboard.works = true;
  lumora::testing::MemorySettings settings;
  if (size == 0) return 0;

  doc->CrewType = static_cast<std::uint8_t>(data[0] % 3);
  const bool asFile = (data[0] & 0x10) != 0;
  const std::string_view rest(reinterpret_cast<const char*>(data) + 1, size - 1);
  const std::size_t bar = rest.find('|');
  const std::string_view display = bar == std::string_view::npos ? "" : rest.substr(0, bar);
  const std::string_view listing = bar == std::string_view::npos ? rest : rest.substr(bar + 1);

  doc->LastPair = kPairs - 1;
  for (int p = 0; p < kPairs; ++p) {
    TPair& pair = doc->Pairs[static_cast<std::size_t>(p)];
    pair.Prefix = p == 3 ? "" : "M";
    pair.Number = kNumbers[p];
    pair.DisplayText = display;
  }

  std::string text;
  if (asFile) {
    text = LisFileText(listing);
    if (text.size() > listing.size()) std::abort();
  } else {
    text.assign(kLisMinText, '=');
    text += listing;
  }
  const ImportServices services{ui, clipboard, settings, log};
  ScanLisText(*doc, text, services);

  if (doc->LastPair != kPairs - 1) std::abort();
  for (int p = 0; p < kPairs; ++p) {
    // Markers, summary, meals and the French marking add at most this much
    // per marker of the listing.
    const std::size_t bound = display.size() + 5 * text.size() + 200;
    if (doc->Pairs[static_cast<std::size_t>(p)].DisplayText.size() > bound) std::abort();
  }
  // A list no person could read means a warning collector lost its bound.
  if (ui.longestList > 10'000) std::abort();
  return 0;
}
