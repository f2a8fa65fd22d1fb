#include "extract_commands.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "batch_ui.h"
#include "commands.h"
#include "doubles/memory_settings.h"
#include "files/temp_folder.h"
#include "imports/absences_extract.h"
#include "imports/roster_extract.h"
#include "platform/settings_catalogue.h"
#include "schedule_files.h"

namespace lumora::cli {
namespace {

// A 102-character employee line of the Montreal CRJ captains.
std::string RosterLine(int number, const std::string& surname) {
  std::string line(102, ' ');
  const std::string digits = std::to_string(number);
  line.replace(9 - digits.size(), digits.size(), digits);
  line.replace(9, surname.size(), surname);
  line[29] = 'J';
  line.replace(31, 8, "YULCRJCA");
  return line + "\n";
}

// A 443-character absence line: vacation on days 2 and 3 of the month.
std::string AbsenceLine(int number) {
  std::string line(443, ' ');
  const std::string digits = std::to_string(number);
  line.replace(9 - digits.size(), digits.size(), digits);
  line.replace(9, 14, "VC020307201000");
  return line + "\n";
}

class ExtractCommandsTest : public ::testing::Test {
 protected:
  ExtractCommandsTest() {
    auto doc = testing::DocumentBuilder()
                   .month({31, 1, 2027}, {1, 3, 2027})
                   .crew("A ALPHA", 11)
                   .crew("B BRAVO", 12)
                   .take();
    doc->FileDescriptor = "YULCRJCAM";
    SaveSchedule(*doc, month);
    doc->FileDescriptor = "YULCRJCA";
    SaveSchedule(*doc, shortKey);
    write("good_perp.ext", RosterLine(501, "TREMBLAY") + RosterLine(502, "GAGNON"));
    // Lines of 104 characters.
    write("odd_perp.ext",
          RosterLine(503, "ROY").insert(102, "XX") + RosterLine(504, "COTE").insert(102, "XX"));
    write("good_absp.ext", AbsenceLine(12));
  }
  void write(const std::string& name, const std::string& text) {
    std::ofstream(folder / name, std::ios::binary) << text;
  }
  int run(bool absences, const std::string& file, const std::string& extract, bool yes,
          bool nextMonth = false) {
    line.file = (folder / file).string();
    line.extract = (folder / extract).string();
    line.output = output.string();
    line.yes = yes;
    line.nextMonth = nextMonth;
    std::filesystem::remove(output);
    BatchUi ui{messages, yes};
    return absences ? RunImportAbsences(line, ui, settings, err)
                    : RunImportRoster(line, ui, settings, err);
  }

  testing::TempFolder folder;
  std::filesystem::path month = folder / "month.lm2";
  std::filesystem::path shortKey = folder / "short.lm2";
  std::filesystem::path output = folder / "out.lm2";
  std::ostringstream messages, err;
  testing::MemorySettings settings;
  ExtractCommandLine line;
};

TEST_F(ExtractCommandsTest, ImportRoster) {
  struct Case {
    const char* file;
    const char* extract;
    bool yes;
    int status;
    std::vector<int> crew;  // employee numbers in OUT; none: OUT not written
  };
  const Case cases[] = {
      {"month.lm2", "good_perp.ext", false, kExitOk, {501, 502}},
      {"month.lm2", "odd_perp.ext", false, kExitRefused, {11, 12}},
      {"month.lm2", "odd_perp.ext", true, kExitOk, {503, 504}},
      {"short.lm2", "good_perp.ext", true, kExitRefused, {11, 12}},
      {"month.lm2", "missing_perp.ext", true, kExitCannotRun, {}},
      {"missing.lm2", "good_perp.ext", true, kExitCannotRun, {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.file) + " " + c.extract);
    EXPECT_EQ(run(false, c.file, c.extract, c.yes), c.status);
    ASSERT_EQ(std::filesystem::exists(output), !c.crew.empty());
    if (c.crew.empty()) continue;
    const auto doc = Reopen(output);
    std::vector<int> crew;
    for (int i = 0; i < doc->PilotCount; ++i) crew.push_back(doc->Pilots[i].EmpNumber);
    EXPECT_EQ(crew, c.crew);
  }
  EXPECT_NE(messages.str().find(kRosterNotAnExtract), std::string::npos);
  EXPECT_NE(err.str().find("missing_perp.ext"), std::string::npos);
  EXPECT_EQ(ReadSetting(settings, kLastRosterPath), folder.path().string());
}

TEST_F(ExtractCommandsTest, ImportAbsences) {
  struct Case {
    const char* extract;
    bool yes;
    bool nextMonth;
    int status;
    int dayWritten;  // day index of B's vacation in OUT; -1 none
  };
  const Case cases[] = {
      // A month read from a file asks before overwriting its assignments.
      {"good_absp.ext", false, false, kExitRefused, -1},
      {"good_absp.ext", true, false, kExitOk, 1},
      {"good_absp.ext", false, true, kExitOk, 31},
      {"missing_absp.ext", true, false, kExitCannotRun, -2},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.extract) + (c.yes ? " yes" : "") + (c.nextMonth ? " next" : ""));
    EXPECT_EQ(run(true, "month.lm2", c.extract, c.yes, c.nextMonth), c.status);
    ASSERT_EQ(std::filesystem::exists(output), c.dayWritten != -2);
    if (c.dayWritten == -2) continue;
    const auto doc = Reopen(output);
    std::vector<int> written;
    for (int d = 0; d < kBlockDays; ++d)
      if (doc->Pilots[1].DayCell[d] == kOtherAssignmentCell) written.push_back(d);
    const std::vector<int> expected =
        c.dayWritten < 0 ? std::vector<int>{} : std::vector<int>{c.dayWritten, c.dayWritten + 1};
    EXPECT_EQ(written, expected);
  }
  EXPECT_NE(messages.str().find(kAbsencesEraseQuestion), std::string::npos);
  EXPECT_EQ(ReadSetting(settings, kLastCrewAbsPath), folder.path().string());
}

}  // namespace
}  // namespace lumora::cli
