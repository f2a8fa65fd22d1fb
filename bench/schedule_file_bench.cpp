// Saving and opening the full-capacity document: the schedule file's worst
// case, which every save, backup and open of a big month pays.

#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

#include "doubles/null_ui.h"
#include "files/schedule_file.h"
#include "model/document.h"
#include "platform/event_log.h"
#include "support/full_document.h"

namespace lumora::bench {
namespace {

using testing::NullUi;

namespace fs = std::filesystem;

std::string FileBytes(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// A folder of its own for the run's files, removed at exit; a saved copy of
// the full document; and a second document that the load fills.
class ScheduleFiles {
 public:
  static ScheduleFiles& get() {
    static ScheduleFiles files;
    return files;
  }

  TDocument& source() { return SharedFullDocument(); }
  TDocument& target() { return *target_; }
  const fs::path& saved() const { return saved_; }
  fs::path scratch() const { return folder_ / "scratch.lm2"; }
  std::uintmax_t savedSize() const { return fs::file_size(saved_); }

  ~ScheduleFiles() {
    std::error_code ignored;
    fs::remove_all(folder_, ignored);
  }

 private:
  ScheduleFiles()
      : folder_(fs::temp_directory_path() / ("lumora-bench-" + std::to_string(::getpid()))),
        saved_(folder_ / "full.lm2"),
        target_(std::make_unique<TDocument>()) {
    fs::create_directories(folder_);
    NullUi ui;
    EventLog log;
    if (!SaveFile(source(), saved_, kScheduleFile, ui, log) || ui.messages != 0)
      Fail("the full document cannot be saved", ui);

    // The same seed must give the same file.
    FillFullCapacityDocument(*target_, 1);
    if (!SaveFile(*target_, scratch(), kScheduleFile, ui, log))
      Fail("a second copy cannot be saved", ui);
    if (FileBytes(saved_) != FileBytes(scratch()))
      Fail("two documents of the same seed save differently", ui);

    // What is opened must be what was saved: sound, and saved again byte for byte.
    ClearDocument(*target_, log);
    target_->FileName = saved_.string();
    const LoadResult opened = LoadFile(*target_, ui, log);
    if (!opened.loaded || ui.messages != 0)
      Fail("the saved full document does not open cleanly", ui);
    FlagExtraCrewPairs(*target_, log);
    // The grid and window flags come back to the caller, whose rebuild sets them.
    target_->BlocksShown = opened.blocksShown ? 1 : 0;
    target_->PairWindowVisible = opened.pairWindowVisible ? 1 : 0;
    target_->ToolboxWindowVisible = opened.toolboxWindowVisible ? 1 : 0;
    target_->BidsWindowVisible = opened.bidsWindowVisible ? 1 : 0;
    RequireFullCapacityDocument(*target_, "the reopened full document");
    if (!SaveFile(*target_, scratch(), kScheduleFile, ui, log))
      Fail("the reopened document cannot be saved", ui);
    if (FileBytes(saved_) != FileBytes(scratch()))
      Fail("the reopened document saves differently from the original", ui);
  }

  [[noreturn]] static void Fail(const char* what, const NullUi& ui) {
    std::fprintf(stderr, "schedule file benchmark set-up: %s\n", what);
    if (ui.messages != 0) std::fprintf(stderr, "  last message: %s\n", ui.lastMessage.c_str());
    std::abort();
  }

  fs::path folder_;
  fs::path saved_;
  std::unique_ptr<TDocument> target_;
};

void BM_SaveFullDocument(benchmark::State& state) {
  ScheduleFiles& files = ScheduleFiles::get();
  NullUi ui;
  EventLog log;
  const fs::path path = files.scratch();
  for (auto _ : state) {
    if (!SaveFile(files.source(), path, kScheduleFile, ui, log)) {
      state.SkipWithError("SaveFile failed");
      break;
    }
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * files.savedSize()));
  state.counters["file_bytes"] = static_cast<double>(files.savedSize());
}
BENCHMARK(BM_SaveFullDocument)->Unit(benchmark::kMillisecond);

// What Open does to the document: clear it, then read the file into it.
void BM_LoadFullDocument(benchmark::State& state) {
  ScheduleFiles& files = ScheduleFiles::get();
  NullUi ui;
  EventLog log;
  TDocument& doc = files.target();
  const std::string name = files.saved().string();
  for (auto _ : state) {
    ClearDocument(doc, log);
    doc.FileName = name;
    if (!LoadFile(doc, ui, log).loaded) {
      state.SkipWithError("LoadFile failed");
      break;
    }
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * files.savedSize()));
  state.counters["file_bytes"] = static_cast<double>(files.savedSize());
}
BENCHMARK(BM_LoadFullDocument)->Unit(benchmark::kMillisecond);

// The two halves of a save and an open that do not touch the disk, to tell
// the encoding's cost from the file system's (the save flushes to the disk).
void BM_EncodeFullDocument(benchmark::State& state) {
  TDocument& doc = ScheduleFiles::get().source();
  for (auto _ : state) {
    std::vector<std::uint8_t> bytes = EncodeScheduleFile(doc, kScheduleFile);
    benchmark::DoNotOptimize(bytes.data());
  }
}
BENCHMARK(BM_EncodeFullDocument)->Unit(benchmark::kMillisecond);

void BM_DecodeFullDocument(benchmark::State& state) {
  ScheduleFiles& files = ScheduleFiles::get();
  const std::string text = FileBytes(files.saved());
  const std::vector<std::uint8_t> bytes(text.begin(), text.end());
  NullUi ui;
  EventLog log;
  TDocument& doc = files.target();
  for (auto _ : state) {
    ClearDocument(doc, log);
    if (!DecodeScheduleFile(doc, bytes, ui, log).loaded) {
      state.SkipWithError("DecodeScheduleFile failed");
      break;
    }
  }
}
BENCHMARK(BM_DecodeFullDocument)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace lumora::bench
