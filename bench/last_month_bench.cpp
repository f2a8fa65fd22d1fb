// The last-month import at full size: the activity lines of 999 crew members
// and a prior-period pairing extract of 3000 lines, written by the sample
// generator for the Montreal CRJ captains of February 2027. The budget is
// 50 ms.

#include <benchmark/benchmark.h>

#include <algorithm>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "doubles/memory_settings.h"
#include "doubles/null_ui.h"
#include "doubles/recording_clipboard.h"
#include "imports/last_month_extract.h"
#include "imports/toolbox_file.h"
#include "model/document.h"
#include "platform/event_log.h"
#include "samples/last_month_writer.h"
#include "samples/sample_set.h"
#include "support/import_run.h"

namespace lumora::bench {
namespace {

using testing::MemorySettings;
using testing::NullUi;
using testing::RecordingClipboard;

struct LastMonthRun : ImportRun {
  LastMonthRun() {
    samples::WorldOptions options;
    options.pairings = samples::kMaxPairings;
    const samples::World world = samples::BuildWorld(options);
    FillCalendar(doc->cal, world.period.first, world.period.last);
    doc->CrewType = 0;
    doc->FileDescriptor = "YULCRJCAM";
    const int crew = std::min(static_cast<int>(world.crew.size()), kMaxRosterPilots);
    for (int c = 0; c < crew; ++c) {
      TPilot& pilot = doc->pilot(c);
      pilot.Name = world.crew[static_cast<std::size_t>(c)].surname;
      pilot.EmpNumber = world.crew[static_cast<std::size_t>(c)].employeeNumber;
    }
    doc->PilotCount = crew;
    for (const samples::OutputFile& file : samples::WriteSampleSet(world))
      if (file.name.ends_with(".box")) ReadToolBoxText(*doc, file.bytes, ui);
    std::vector<samples::OutputFile> files = samples::WriteLastMonthFiles(world);
    activity = std::move(files[0].bytes);
    pairings = std::move(files[1].bytes);
  }

  std::string activity;
  std::string pairings;
};

long long Lines(const std::string& text) {
  return std::count(text.begin(), text.end(), '\n');
}

void BM_LastMonthImport999Crew3000Pairings(benchmark::State& state) {
  LastMonthRun run;
  for (auto _ : state) {
    state.PauseTiming();
    std::istringstream activity(run.activity), pairings(run.pairings);
    state.ResumeTiming();
    benchmark::DoNotOptimize(
        LoadLastMonthActivityFrom(*run.doc, activity, pairings, run.services, {}));
  }
  int carried = 0;
  for (int c = 0; c < run.doc->PilotCount; ++c)
    carried += run.doc->pilot(c).CreditCarriedIn() > 0 ? 1 : 0;
  if (run.ui.messages != 0) state.SkipWithError(run.ui.lastMessage.c_str());
  state.counters["crew"] = run.doc->PilotCount;
  state.counters["activity_lines"] = static_cast<double>(Lines(run.activity));
  state.counters["pairing_lines"] = static_cast<double>(Lines(run.pairings));
  state.counters["carrying_credit"] = carried;
}
BENCHMARK(BM_LastMonthImport999Crew3000Pairings)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace lumora::bench
