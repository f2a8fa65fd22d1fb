// The pilots' bids file at full size: a bid for each of the 999 crew members
// of the full-capacity month (3000 pairings), as the sample generator writes
// them, imported into their bid texts and day requests. The budget is 50 ms.

#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "doubles/memory_settings.h"
#include "doubles/null_ui.h"
#include "doubles/recording_clipboard.h"
#include "imports/pilot_bids.h"
#include "model/document.h"
#include "platform/event_log.h"
#include "samples/bids_writer.h"
#include "support/full_document.h"

namespace lumora::bench {
namespace {

// What the import changes, kept to put the shared document back.
struct BidState {
  std::string text, phone1, phone2;
  std::array<std::int8_t, kBlockDays> requests{};
  std::uint8_t reserve = 0;
};

std::string FullBidsText(const TDocument& doc) {
  std::vector<samples::BidPilot> pilots;
  for (int c = 0; c < doc.rosterSize(); ++c) {
    const std::string& name = doc.pilot(c).Name;
    pilots.push_back({doc.pilot(c).EmpNumber, name.substr(name.find(' ') + 1),
                      name.empty() ? 'A' : name.front()});
  }
  std::vector<std::string> keys;
  for (int p = 0; p <= doc.lastPairIndex(); ++p)
    keys.push_back("M" + std::to_string(doc.pair(p).Number));
  const auto& first = doc.cal.MonthDays[0];
  const auto& last = doc.cal.MonthDays[static_cast<std::size_t>(doc.monthDays() - 1)];
  samples::MonthPeriod period{first[2], first[1], samples::DayNumber(first[2], first[1], first[0]),
                              samples::DayNumber(last[2], last[1], last[0])};
  return samples::WriteBids(pilots, period, keys, 1, 0);
}

void BM_PilotBidsImport999(benchmark::State& state) {
  TDocument& doc = SharedFullDocument();
  std::vector<BidState> kept(static_cast<std::size_t>(doc.rosterSize()));
  for (int c = 0; c < doc.rosterSize(); ++c) {
    const TPilot& p = doc.pilot(c);
    kept[static_cast<std::size_t>(c)] = {p.BidText, p.BidText1, p.BidText2, p.DayRequest,
                                         p.BidReserve};
  }
  const std::uint8_t modified = doc.Modified;
  const std::string text = FullBidsText(doc);

  testing::NullUi ui;
  testing::RecordingClipboard clipboard;
  testing::MemorySettings settings;
  EventLog log;
  const ImportServices services{ui, clipboard, settings, log};
  for (auto _ : state) {
    benchmark::DoNotOptimize(ImportPilotBids(doc, text, services));
    clipboard.texts.clear();
  }
  int bids = 0;
  for (int c = 0; c < doc.rosterSize(); ++c) bids += doc.pilot(c).BidText.empty() ? 0 : 1;
  if (bids != kMaxRosterPilots)
    state.SkipWithError(("read " + std::to_string(bids) + " bids").c_str());
  state.counters["bids"] = bids;
  state.counters["bytes"] = static_cast<double>(text.size());

  for (int c = 0; c < doc.rosterSize(); ++c) {
    TPilot& p = doc.pilot(c);
    const BidState& k = kept[static_cast<std::size_t>(c)];
    p.BidText = k.text;
    p.BidText1 = k.phone1;
    p.BidText2 = k.phone2;
    p.DayRequest = k.requests;
    p.BidReserve = k.reserve;
  }
  doc.Modified = modified;
}
BENCHMARK(BM_PilotBidsImport999)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace lumora::bench
