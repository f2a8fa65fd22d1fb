#include "complement_commands.h"

#include <gtest/gtest.h>

#include <sstream>

#include "batch_ui.h"
#include "commands.h"
#include "files/temp_folder.h"
#include "rules/check_block.h"
#include "schedule_files.h"

namespace lumora::cli {
namespace {

// A captains file with pairing 101 open on the 4th and the 11th of July.
TEST(ComplementCommandTest, MarksAndUnmarksOneInstanceAndRefusesOneNotListed) {
  testing::TempFolder folder;
  const std::string input = (folder / "in.lm2").string();
  const std::string marked = (folder / "marked.lm2").string();
  const std::string output = (folder / "out.lm2").string();
  auto doc = TwoCrewMonth({1, 7, 2026}, {31, 7, 2026});
  testing::DocumentBuilder(*doc).pairing(
      testing::PairingValues(101).Length(1).Days({3, 10}).CreditPerDay(300));
  SaveSchedule(*doc, input);
  std::ostringstream err;
  BatchUi ui(err, false);
  LumoraRules rules;

  struct Case {
    const std::string* from;
    const std::string* to;
    int pairing, day;
    bool off;
    int status;
    int lastPair;  // in the file written
  };
  for (const Case& c : {Case{&input, &marked, 0, 3, false, kExitOk, 1},
                        Case{&marked, &output, 0, 9, false, kExitRefused, 1},
                        Case{&marked, &output, 7, 3, false, kExitRefused, 1},
                        Case{&marked, &output, 0, 3, true, kExitOk, 0}}) {
    SCOPED_TRACE(std::to_string(c.pairing) + " " + std::to_string(c.day));
    err.str("");
    EXPECT_EQ(RunComplement(*c.from, *c.to, c.pairing, c.day, c.off, ui, rules, err), c.status);
    EXPECT_EQ(err.str().empty(), c.status == kExitOk) << err.str();
    const auto written = Reopen(*c.to);
    EXPECT_EQ(written->LastPair, c.lastPair);
    EXPECT_EQ(written->Pairs[0].DayStatus[3], c.lastPair == 1 ? -kOpenInstance : kOpenInstance);
  }
  EXPECT_EQ(RunComplement((folder / "none.lm2").string(), output, 0, 3, false, ui, rules, err),
            kExitCannotRun);
}

}  // namespace
}  // namespace lumora::cli
