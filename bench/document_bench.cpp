// The document-wide passes of the block rebuild and of a new or opened file,
// on the full-capacity document.

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstddef>
#include <memory>
#include <vector>

#include "doubles/null_ui.h"
#include "model/document.h"
#include "platform/event_log.h"
#include "support/full_document.h"

namespace lumora::bench {
namespace {

using testing::NullUi;

// After the run's first fill, which builds the month, a fill opens it.
void BM_FillFullCapacityDocument(benchmark::State& state) {
  auto doc = std::make_unique<TDocument>();
  FillFullCapacityDocument(*doc, 1);
  for (auto _ : state) FillFullCapacityDocument(*doc, 1);
}
BENCHMARK(BM_FillFullCapacityDocument)->Unit(benchmark::kMillisecond);

void BM_ClearDocument(benchmark::State& state) {
  auto doc = std::make_unique<TDocument>();
  EventLog log;
  for (auto _ : state) {
    state.PauseTiming();
    FillFullCapacityDocument(*doc, 1);
    state.ResumeTiming();
    ClearDocument(*doc, log);
  }
}
// Each round refills the document untimed, which costs far more than the
// clear: a fixed number of rounds keeps the run short.
BENCHMARK(BM_ClearDocument)->Unit(benchmark::kMillisecond)->Iterations(40);

void BM_RepairAssignments(benchmark::State& state) {
  TDocument& doc = SharedFullDocument();
  NullUi ui;
  for (auto _ : state) RepairAssignments(doc, ui);
  // A sound document needs no correction; a report means the pass broke it.
  if (ui.messages != 0) state.SkipWithError(ui.lastMessage.c_str());
}
BENCHMARK(BM_RepairAssignments)->Unit(benchmark::kMillisecond);

void BM_ValidateAllPairings(benchmark::State& state) {
  TDocument& doc = SharedFullDocument();
  // The sample files hold pairings the validation refuses on purpose.
  std::vector<bool> valid;
  for (int p = 0; p <= doc.LastPair; ++p) valid.push_back(doc.Pairs[p].Valid != 0);
  for (auto _ : state) ValidateAllPairings(doc);
  for (int p = 0; p <= doc.LastPair; ++p) {
    if ((doc.Pairs[p].Valid != 0) != valid[static_cast<std::size_t>(p)]) {
      state.SkipWithError("a pairing of the full document changed its verdict");
      break;
    }
  }
  state.counters["refused"] = static_cast<double>(std::count(valid.begin(), valid.end(), false));
}
BENCHMARK(BM_ValidateAllPairings)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace lumora::bench
