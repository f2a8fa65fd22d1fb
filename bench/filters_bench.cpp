// The block filters, the block search and the pairing filters on the
// full-capacity document: a toggle or a search that re-orders the grid, and
// a crew member's pairing filter applied with the pairing window laid out.

#include <benchmark/benchmark.h>

#include <cstdio>
#include <string>

#include "doubles/null_ui.h"
#include "support/full_document.h"
#include "views/block_filters.h"
#include "views/pair_window.h"
#include "views/pairing_filters.h"

namespace lumora::bench {
namespace {

// Leaves the shared document's filter flags, search records and pairing
// marks as they were.
struct Restore {
  explicit Restore(TDocument& d) : doc(d), view(d.view), searchOn(d.BlockSearchOn) {}
  ~Restore() {
    doc.view = view;
    doc.BlockSearchOn = searchOn;
    for (int k = 0; k < doc.rosterSize(); ++k) doc.pilot(k).SearchMarks.fill(0);
    for (int p = 0; p <= doc.lastPairIndex(); ++p) doc.pair(p).FilterState = 0;
  }
  TDocument& doc;
  DocumentViewState view;
  std::uint8_t searchOn;
};

// Each iteration flips a hide filter (every leave block goes or comes back)
// and builds the display order again.
void BM_ToggleBlockFilter(benchmark::State& state) {
  TDocument& doc = SharedFullDocument();
  Restore restore(doc);
  BlockFilterState filters;
  const int command = static_cast<int>(state.range(0));
  for (auto _ : state) {
    ToggleBlockFilter(doc, command);
    const BlockFilterOutcome outcome = ApplyBlockFilters(doc, filters);
    benchmark::DoNotOptimize(outcome);
  }
  state.counters["rows"] = static_cast<double>(filters.displayOrder().size());
}
BENCHMARK(BM_ToggleBlockFilter)->Arg(553)->Arg(554)->Arg(556)->Unit(benchmark::kMillisecond);

// A search of three strings over names, numbers, pairings, codes and bids,
// showing only the matches.
void BM_BlockSearch(benchmark::State& state) {
  TDocument& doc = SharedFullDocument();
  Restore restore(doc);
  doc.view.searchChecks.fill(1);
  doc.BlockSearchOn = 1;
  BlockFilterState filters;
  testing::NullUi ui;
  for (auto _ : state) {
    const BlockSearchOutcome outcome = RunBlockSearch(doc, "yhz, loa 0012", filters, ui);
    benchmark::DoNotOptimize(outcome);
  }
  state.counters["rows"] = static_cast<double>(filters.displayOrder().size());
}
BENCHMARK(BM_BlockSearch)->Unit(benchmark::kMillisecond);

// A pilot's stored filter of 50 numbers and a text filter, applied as the
// bids window applies it, ending with the pairing window's layout.
void BM_SetCrewFilter(benchmark::State& state) {
  TDocument& doc = SharedFullDocument();
  Restore restore(doc);
  TPilot& pilot = doc.pilot(0);
  const std::string kept = pilot.PairingFilterText;
  std::string stored;
  for (int p = 0; p < 50; ++p) {
    char number[8];
    std::snprintf(number, sizeof number, "%04d", doc.pair(p * 7).Number % 10000);
    stored += number;
  }
  pilot.PairingFilterText = stored + "TEXTYHZ,INDOC1,!YYZ;";
  TPairWin window(doc);
  testing::NullUi ui;
  for (auto _ : state) {
    SetCrewFilter(doc, window, 0, ui);
    benchmark::DoNotOptimize(window.highestSlot());
  }
  pilot.PairingFilterText = kept;
  state.counters["slots"] = window.highestSlot() + 1;
}
BENCHMARK(BM_SetCrewFilter)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace lumora::bench
