// Building the blocks of the full-capacity captains' month as a load with the
// grid shown does: repair, pairing validation, credits, the daylight-saving
// set-up and every rule of every crew member (goal: under 20 ms).

#include <benchmark/benchmark.h>

#include <memory>

#include "doubles/memory_settings.h"
#include "doubles/null_ui.h"
#include "model/document.h"
#include "shell/document_session.h"
#include "support/full_document.h"

namespace lumora::bench {
namespace {

void BM_BuildBlocksAllRules(benchmark::State& state) {
  auto doc = std::make_unique<TDocument>();
  FillFullCapacityDocument(*doc, 1);
  doc->CrewType = static_cast<std::uint8_t>(CrewKind::Captains);
  testing::NullUi ui;
  testing::MemorySettings settings;
  DocumentSession session(ui, settings, *doc);
  for (auto _ : state) {
    state.PauseTiming();
    doc->BlocksShown = 0;  // as after closing the views
    state.ResumeTiming();
    session.buildBlocks({});
    benchmark::ClobberMemory();
  }
  std::size_t items = 0;
  for (int c = 0; c < doc->PilotCount; ++c)
    items += doc->Pilots[c].ExceptionsText.size() + doc->Pilots[c].WarningsText.size();
  state.counters["finding_chars"] = static_cast<double>(items);
  if (ui.messages != 0) state.SkipWithError(ui.lastMessage.c_str());
}
BENCHMARK(BM_BuildBlocksAllRules)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace lumora::bench
