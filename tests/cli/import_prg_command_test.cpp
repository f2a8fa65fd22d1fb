#include "import_prg_command.h"

#include <gtest/gtest.h>

#include <CLI/CLI.hpp>
#include <fstream>
#include <memory>
#include <sstream>

#include "batch_ui.h"
#include "commands.h"
#include "files/schedule_file.h"
#include "files/temp_folder.h"
#include "imports/prg_lines.h"
#include "shell/document_lifecycle.h"
#include "shell/platform/event_log.h"
#include "support/memory_settings.h"
#include "support/scripted_ui.h"

namespace lumora::cli {
namespace {

using lumora::testing::Duty;
using lumora::testing::Header;

class ImportPrgCommandTest : public ::testing::Test {
 protected:
  ImportPrgCommandTest() {
    // July 2026, captains of YYJ on the DH8; one crew member flies pairing 0
    // on 6 July.
    auto doc = std::make_unique<TDocument>();
    FillCalendar(doc->cal, ToDayNumber({1, 7, 2026}), ToDayNumber({31, 7, 2026}));
    doc->CrewType = 0;
    doc->FileDescriptor = "YYJDH8CAJ";
    doc->PilotCount = 1;
    doc->Pilots[0].Name = "A PILOT";
    doc->Pilots[0].DayCell[5] = 0;
    doc->LastPair = doc->LastBasePair = 0;
    doc->Pairs[0].Number = 1;
    doc->Pairs[0].DayStatus[5] = 2;
    testing::ScriptedUi saveUi;
    EXPECT_TRUE(SaveFile(*doc, schedule, kScheduleFile, saveUi, log));

    Header j;
    j.key = "J8123";
    Header v;
    v.key = "V5123";
    Duty last;
    last.remark = "";
    std::ofstream(prg) << j.str() << "\n" << last.str() << "\n" << v.str() << "\n";

    line.file = schedule.string();
    line.prg = prg.string();
    line.output = output.string();
  }

  int Run() { return RunImportPrg(line, ui, settings, err); }

  std::unique_ptr<TDocument> Reopen() {
    auto doc = std::make_unique<TDocument>();
    testing::ScriptedUi openUi;
    EXPECT_TRUE(OpenDocument(*doc, output, openUi, log).loaded);
    return doc;
  }

  testing::TempFolder folder;
  std::filesystem::path schedule = folder / "month.lm2";
  std::filesystem::path prg = folder / "JUL.PRG";
  std::filesystem::path output = folder / "out.lm2";
  EventLog log;
  std::ostringstream messages, err;
  BatchUi ui{messages, false};
  testing::MemorySettings settings;
  ImportPrgCommandLine line;
};

TEST_F(ImportPrgCommandTest, ImportsTheDocumentsOwnPairingsAndSaves) {
  ASSERT_EQ(Run(), kExitOk) << messages.str() << err.str();
  EXPECT_EQ(err.str(), "");
  const auto doc = Reopen();
  ASSERT_EQ(doc->LastPair, 0);
  EXPECT_EQ(doc->Pairs[0].Number, 8123);
  EXPECT_EQ(doc->Pairs[0].CrewPosition, "CA");
  // The crew member keeps table position 0, which operates on 6 July.
  EXPECT_EQ(doc->Pilots[0].DayCell[5], 0);
  EXPECT_EQ(settings.readString("LM", "LastPRGPath", ""), folder.path().string());
}

TEST_F(ImportPrgCommandTest, APrefixChoosesTheBaseAndEquipmentByHand) {
  line.prefix = "V5";
  ASSERT_EQ(Run(), kExitOk) << messages.str();
  const auto doc = Reopen();
  ASSERT_EQ(doc->LastPair, 0);
  EXPECT_EQ(doc->Pairs[0].Number, 5123);
  EXPECT_EQ(doc->FileDescriptor, "YYJDH8CAJ");

  line.prefix = "V";  // every equipment of base V
  ASSERT_EQ(Run(), kExitOk);
  EXPECT_EQ(Reopen()->Pairs[0].Number, 5123);
}

TEST_F(ImportPrgCommandTest, RunsToItsEndWhateverTheImportFinds) {
  std::ofstream(prg) << "2J8123\n";
  ASSERT_EQ(Run(), kExitOk);
  EXPECT_NE(messages.str().find(
                "Lumora: This does not appear to be a valid PRG file. The first char should be 1"),
            std::string::npos);
  EXPECT_EQ(Reopen()->Pairs[0].Number, 1);  // saved unchanged

  std::ofstream(prg) << Header{}.str().replace(1, 1, "Q") << "\n";
  ASSERT_EQ(Run(), kExitOk);
  EXPECT_NE(messages.str().find("Lumora: Unable to load pairings from this file"),
            std::string::npos);
  const auto doc = Reopen();
  EXPECT_EQ(doc->LastPair, -1);
  EXPECT_EQ(doc->Pilots[0].DayCell[5], -1);
}

TEST_F(ImportPrgCommandTest, RefusesWhatItCannotRun) {
  for (const char* prefix : {"j", "J88", "8", "JX", ""}) {
    line.prefix = prefix;
    EXPECT_EQ(Run(), kExitCannotRun) << prefix;
  }
  line.prefix.reset();
  line.lisFiles = {"JUL.LIS"};
  EXPECT_EQ(Run(), kExitCannotRun);
  EXPECT_NE(err.str().find("cannot read the LIS file JUL.LIS"), std::string::npos);
  line.lisFiles.clear();
  line.prg = (folder / "missing.PRG").string();
  EXPECT_EQ(Run(), kExitCannotRun);
  line.prg = prg.string();
  line.file = (folder / "missing.lm2").string();
  EXPECT_EQ(Run(), kExitCannotRun);
  EXPECT_FALSE(std::filesystem::exists(output));
}

TEST(ImportPrgCommandLineTest, ParsesEveryOption) {
  CLI::App app;
  const auto line = AddImportPrgCommand(app);
  app.parse("import-prg month.lm2 JUL.PRG --prefix J8 --lis a.LIS b.LIS -o out.lm2", false);
  EXPECT_TRUE(*line->command);
  EXPECT_EQ(line->file, "month.lm2");
  EXPECT_EQ(line->prg, "JUL.PRG");
  EXPECT_EQ(line->prefix, std::optional<std::string>("J8"));
  EXPECT_EQ(line->lisFiles, (std::vector<std::string>{"a.LIS", "b.LIS"}));
  EXPECT_EQ(line->output, "out.lm2");
}

}  // namespace
}  // namespace lumora::cli
