#include "roster_commands.h"

#include <gtest/gtest.h>

#include <CLI/CLI.hpp>
#include <sstream>

#include "batch_ui.h"
#include "commands.h"
#include "files/temp_folder.h"
#include "rules/check_block.h"
#include "schedule_files.h"

namespace lumora::cli {
namespace {

// ALPHA holds pairing 101 on the 4th; a captains' pseudo line ends the roster.
class RosterCommandsTest : public ::testing::Test {
 protected:
  RosterCommandsTest() {
    auto doc = TwoCrewMonth({1, 7, 2026}, {31, 7, 2026});
    testing::DocumentBuilder(*doc)
        .crew("CAPT PAIRINGS", -1)
        .pairing(testing::PairingValues(101).Length(1).Days({3}))
        .place(0, 0, 3);
    doc->History.add({TransactionRecord::kAssign, 3, 0, 0});
    SaveSchedule(*doc, input);
  }

  static std::vector<std::string> Names(const TDocument& doc) {
    std::vector<std::string> names;
    for (int i = 0; i < doc.PilotCount; ++i) names.push_back(doc.Pilots[i].Name);
    return names;
  }

  testing::TempFolder folder;
  std::string input = (folder / "in.lm2").string();
  std::string output = (folder / "out.lm2").string();
  LumoraRules rules;
};

TEST_F(RosterCommandsTest, EachOperationAsTheDialogDoesItWithItsRefusals) {
  using K = RosterEdit::Kind;
  struct Case {
    RosterEdit edit;
    int status;
    std::vector<std::string> names;
    std::string message;
  };
  const std::vector<std::string> unchanged{"A ALPHA", "B BRAVO", "CAPT PAIRINGS"};
  const std::vector<Case> cases{
      {{K::Insert, "1", "NEW", "0"}, kExitOk, {"NEW", "A ALPHA", "B BRAVO", "CAPT PAIRINGS"}, ""},
      {{K::Insert, "3", "NEW", "5"}, kExitOk, {"A ALPHA", "B BRAVO", "NEW", "CAPT PAIRINGS"}, ""},
      {{K::Insert, "4", "NEW", "5"}, kExitRefused, unchanged, "Invalid Roster Number!"},
      {{K::Insert, "1", "NEW", "12"},
       kExitRefused,
       unchanged,
       "Duplicate Employee Number with B BRAVO"},
      {{K::Insert, "1", std::string(21, 'X'), "5"}, kExitRefused, unchanged, "Name too long!"},
      {{K::Delete, "", "", "", 1}, kExitOk, {"B BRAVO", "CAPT PAIRINGS"}, ""},
      {{K::Delete, "", "", "", 3}, kExitRefused, unchanged, "Cannot delete Capt Pairings Lines"},
      {{K::Delete, "", "", "", 9}, kExitRefused, unchanged, "I Don't know who to Delete!"},
      {{K::Move, "", "", "", 1, 2}, kExitOk, {"B BRAVO", "A ALPHA", "CAPT PAIRINGS"}, ""},
      {{K::Move, "", "", "", 1, 3}, kExitRefused, unchanged, ""},
      {{K::Move, "", "", "", 2, 2}, kExitRefused, unchanged, ""},
  };
  for (const Case& c : cases) {
    std::ostringstream out, err;
    BatchUi ui(err, false);
    EXPECT_EQ(RunRoster(input, output, c.edit, ui, rules, out), c.status) << c.message;
    const auto written = Reopen(output);
    EXPECT_EQ(Names(*written), c.names);
    EXPECT_EQ(written->History.empty(), c.status == kExitOk);
    if (!c.message.empty()) {
      EXPECT_NE(err.str().find(c.message), std::string::npos) << err.str();
    }
  }
}

TEST_F(RosterCommandsTest, ADeletedCrewMembersPairingGoesBackToOpen) {
  std::ostringstream out;
  BatchUi ui(out, false);
  ASSERT_EQ(RunRoster(input, output, {RosterEdit::Kind::Delete, "", "", "", 1}, ui, rules, out),
            kExitOk);
  EXPECT_EQ(Reopen(output)->Pairs[0].DayStatus[3], kOpenInstance);
}

TEST_F(RosterCommandsTest, TheCommandLineTakesExactlyOneOperation) {
  const std::vector<std::pair<std::string, bool>> lines{
      {"roster " + input + " --move 2 --to 1 -o " + output, true},
      {"roster " + input + " --insert 1 --name X -o " + output, false},
      {"roster " + input + " --delete 1 --move 2 --to 1 -o " + output, false},
      {"roster " + input + " -o " + output, false},
  };
  for (const auto& [text, valid] : lines) {
    CLI::App app;
    const auto line = AddRosterCommands(app);
    if (!valid) {
      EXPECT_THROW(app.parse(text, false), CLI::ParseError) << text;
      continue;
    }
    app.parse(text, false);
    std::ostringstream out;
    EXPECT_EQ(RunChosenRosterCommand(*line, out), kExitOk);
    EXPECT_EQ(out.str(), "B BRAVO MOVED TO POSITION 001\n");
  }
}

}  // namespace
}  // namespace lumora::cli
