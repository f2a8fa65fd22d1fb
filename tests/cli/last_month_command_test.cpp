#include "last_month_command.h"

#include <gtest/gtest.h>

#include <CLI/CLI.hpp>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "batch_ui.h"
#include "commands.h"
#include "doubles/memory_settings.h"
#include "files/temp_folder.h"
#include "imports/last_month_lines.h"
#include "platform/settings_catalogue.h"
#include "schedule_files.h"

namespace lumora::cli {
namespace {

using namespace lumora::testing;

void Write(const std::filesystem::path& path, const std::string& text) {
  std::ofstream(path, std::ios::binary) << text;
}

TEST(LastMonthCommand, ExitStatusesAndWhatIsSaved) {
  TempFolder folder;
  const auto month = folder / "month.lm2", empty = folder / "empty.lm2", out = folder / "out.lm2";
  {
    auto doc = TwoCrewMonth({1, 7, 2026}, {31, 7, 2026});
    SaveSchedule(*doc, month);
    doc->PilotCount = 0;
    SaveSchedule(*doc, empty);
  }
  const PriorPairing pairing{.identifier = "M7001",
                             .date = {30, 6, 2026},
                             .report = 600,
                             .credit = 300,
                             .timeAway = 1800,
                             .duties = {{{30, 6, 2026}, 600, 1100}, {{1, 7, 2026}, 600, 900}},
                             .days = {{"", 0, 0}, {"", 0, 0}, {"", 0, 300}}};
  Write(folder / "YULCRJactp.ext",
        Lines({ActivityLine(11, {PairingEntry("M7001", {30, 6, 2026})})}) + "\r\n");
  Write(folder / "YULCRJprgp.ext", Lines({PairingLine(pairing)}));
  Write(folder / "short.ext", "short\n");

  struct Case {
    const char* what;
    std::filesystem::path file;
    std::string activity;
    bool yes;
    int status;
    int credit;  // carried in by A ALPHA in OUT; -1: OUT not written
    const char* err = "";
  };
  const std::string activity = (folder / "YULCRJactp.ext").string();
  const Case cases[] = {
      {"loaded", month, activity, false, kExitOk, 300},
      {"a first line of another length refused", month, (folder / "short.ext").string(), false,
       kExitRefused, 0},
      {"and accepted", month, (folder / "short.ext").string(), true, kExitOk, 0},
      {"no crew", empty, activity, true, kExitRefused, 0},
      {"unreadable extract", month, (folder / "none.ext").string(), true, kExitCannotRun, -1,
       "cannot read the extract"},
      {"unreadable schedule file", folder / "none.lm2", activity, true, kExitCannotRun, -1},
  };
  for (const Case& c : cases) {
    std::filesystem::remove(out);
    LastMonthCommandLine line;
    line.file = c.file.string();
    line.activity = c.activity;
    line.pairings = (folder / "YULCRJprgp.ext").string();
    line.output = out.string();
    std::ostringstream messages, err;
    BatchUi ui{messages, c.yes};
    MemorySettings settings;
    EXPECT_EQ(RunLastMonth(line, ui, settings, err), c.status) << c.what;
    EXPECT_NE(err.str().find(c.err), std::string::npos) << c.what << err.str();
    ASSERT_EQ(std::filesystem::exists(out), c.credit >= 0) << c.what;
    if (c.credit < 0) continue;
    const auto doc = Reopen(out);
    if (doc->PilotCount > 0) {
      EXPECT_EQ(doc->pilot(0).CreditCarriedIn(), c.credit) << c.what;
    }
    if (c.status == kExitOk) {
      EXPECT_EQ(settings.readString(kLastOverlapDataPath.section, kLastOverlapDataPath.key, ""),
                folder.path().string())
          << c.what;
    }
  }
}

TEST(LastMonthCommand, TakesThreeFilesAndAnOutput) {
  CLI::App app;
  const auto line = AddLastMonthCommand(app);
  app.parse("import-last-month m.lm2 a.ext p.ext --yes -o out.lm2", false);
  EXPECT_EQ(line->file, "m.lm2");
  EXPECT_EQ(line->activity, "a.ext");
  EXPECT_EQ(line->pairings, "p.ext");
  EXPECT_EQ(line->output, "out.lm2");
  EXPECT_TRUE(line->yes);
}

}  // namespace
}  // namespace lumora::cli
