// The crew-tracking extracts at full size: a roster extract of 999 matching
// employees among 500 others, and a month of absences for each of them
// (every day of the month written, as leave, vacation and training blocks).
// The budget is 50 ms each.

#include <benchmark/benchmark.h>

#include <cstdio>
#include <memory>
#include <sstream>
#include <string>

#include "doubles/memory_settings.h"
#include "doubles/null_ui.h"
#include "doubles/recording_clipboard.h"
#include "imports/absences_extract.h"
#include "imports/roster_extract.h"
#include "model/document.h"
#include "platform/event_log.h"
#include "support/import_run.h"

namespace lumora::bench {
namespace {

using testing::MemorySettings;
using testing::NullUi;
using testing::RecordingClipboard;

constexpr int kOtherEmployees = 500;

int EmployeeNumber(int crew) {
  return 100000 + crew * 7;
}

std::string RosterText() {
  std::string text;
  char line[160];
  int crew = 0, others = 0;
  for (int i = 0; crew < kMaxRosterPilots || others < kOtherEmployees; ++i) {
    // Every third line is a first officer while there are some left.
    const bool ours = crew < kMaxRosterPilots && (i % 3 != 2 || others == kOtherEmployees);
    std::snprintf(line, sizeof line, "%09d%-20s%c %-8s%38s%-12s%13s\r\n",
                  ours ? EmployeeNumber(crew) : 900000 + others, "TREMBLAY", 'A' + i % 26,
                  ours ? "YULCRJCA" : "YULCRJFO", "", i % 10 == 0 ? "LA RB ZT" : "LC", "");
    text += line;
    ++(ours ? crew : others);
  }
  return text;
}

// Ten entries of three days each: the whole month of 30 days.
std::string AbsencesText() {
  static const char* const kCodes[] = {"VC", "SM", "GS", "CT", "OC", "SA", "LA", "MD", "VC", "ZZ"};
  std::string text;
  char field[32];
  for (int c = 0; c < kMaxRosterPilots; ++c) {
    std::string line;
    std::snprintf(field, sizeof field, "%09d", EmployeeNumber(c));
    line += field;
    for (int e = 0; e < 10; ++e) {
      std::snprintf(field, sizeof field, "%s%02d%02d%04d%04d", kCodes[(c + e) % 10], 3 * e + 1,
                    3 * e + 3, 480, 1020);
      line += field;
    }
    line.resize(443, ' ');
    text += line + "\r\n";
  }
  return text + "    99999\r\n";
}

void BM_RosterExtract999(benchmark::State& state) {
  ImportRun run;
  const std::string text = RosterText();
  for (auto _ : state) {
    std::istringstream in(text);
    benchmark::DoNotOptimize(LoadRosterExtractFrom(*run.doc, in, "YULCRJCAM", run.services));
  }
  if (run.doc->PilotCount != kMaxRosterPilots)
    state.SkipWithError(("loaded " + std::to_string(run.doc->PilotCount) + " crew").c_str());
  state.counters["crew"] = run.doc->PilotCount;
}
BENCHMARK(BM_RosterExtract999)->Unit(benchmark::kMillisecond);

void BM_AbsencesExtract999(benchmark::State& state) {
  ImportRun run;
  std::istringstream roster(RosterText());
  LoadRosterExtractFrom(*run.doc, roster, "YULCRJCAM", run.services);
  const std::string text = AbsencesText();
  long long days = 0;
  for (auto _ : state) {
    std::istringstream in(text);
    benchmark::DoNotOptimize(LoadAbsencesExtractFrom(*run.doc, in, false, run.services, {}));
  }
  for (int c = 0; c < run.doc->PilotCount; ++c)
    for (int d = 0; d < run.doc->cal.MonthLength; ++d)
      days += run.doc->Pilots[c].DayCell[d] == kOtherAssignmentCell ? 1 : 0;
  if (days != 999LL * 30) state.SkipWithError(("wrote " + std::to_string(days) + " days").c_str());
  state.counters["days"] = static_cast<double>(days);
}
BENCHMARK(BM_AbsencesExtract999)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace lumora::bench
