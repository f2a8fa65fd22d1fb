// `lumora-cli new` at full size: the sample set of the Montreal CRJ captains
// with 3000 pairing records and 999 crew members, every wizard step with its
// file (toolbox, roster, both months' absences, last month, pairings, LIS
// files), the save and the block build at the end. The budget is 300 ms.

#include <benchmark/benchmark.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "batch_ui.h"
#include "commands.h"
#include "doubles/memory_settings.h"
#include "new_command.h"
#include "samples/sample_set.h"

namespace lumora::bench {
namespace {

namespace fs = std::filesystem;

class NewMonthFiles {
 public:
  NewMonthFiles()
      : folder_(fs::temp_directory_path() / ("lumora-new-bench-" + std::to_string(::getpid()))) {
    fs::create_directories(folder_);
    const samples::CommandLine command =
        samples::ParseCommandLine({"--out", "unused", "--base", "YUL", "--equipment", "CRJ",
                                   "--category", "CA", "--month", "2027-02", "--pairings", "3000"});
    for (const samples::OutputFile& file : samples::GenerateSampleSet(command.options))
      std::ofstream(folder_ / file.name, std::ios::binary) << file.bytes;
    line_.month = 2;
    line_.year = "2027";
    line_.base = "YUL";
    line_.equipment = "CRJ";
    line_.status = "CA";
    const auto path = [this](const char* name) { return (folder_ / name).string(); };
    line_.toolbox = path("YULPILOT.box");
    line_.roster = path("YULCRJperp.ext");
    line_.absences = path("YULCRJabsp.ext");
    line_.absencesNext = path("YULCRJabsp-next.ext");
    line_.activity = path("YULCRJactp.ext");
    line_.priorPairings = path("YULCRJprgp.ext");
    line_.prg = path("YULCRJCA.PRG");
    for (const auto& entry : fs::directory_iterator(folder_))
      if (entry.path().extension() == ".LIS") line_.lis.push_back(entry.path().string());
    line_.output = path("new.lm2");
  }
  ~NewMonthFiles() {
    std::error_code ignored;
    fs::remove_all(folder_, ignored);
  }
  NewMonthFiles(const NewMonthFiles&) = delete;
  NewMonthFiles& operator=(const NewMonthFiles&) = delete;

  const cli::NewCommandLine& line() const { return line_; }

 private:
  fs::path folder_;
  cli::NewCommandLine line_;
};

void BM_NewMonthFullSize(benchmark::State& state) {
  static const NewMonthFiles files;
  for (auto _ : state) {
    std::ostringstream messages;
    BatchUi ui(messages, false);
    testing::MemorySettings settings;
    if (cli::RunNew(files.line(), ui, settings, messages) != cli::kExitOk)
      state.SkipWithError("lumora-cli new failed");
  }
}
BENCHMARK(BM_NewMonthFullSize)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace lumora::bench
