#include "imports/pairing_warnings.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <memory>

#include "model/document.h"
#include "support/scripted_ui.h"

namespace lumora::testing {
namespace {

class PairingWarningsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    doc = std::make_unique<TDocument>();
    // February 2027 as the new-month dialog proposes it: 30 days.
    FillCalendar(doc->cal, ToDayNumber({31, 1, 2027}), ToDayNumber({1, 3, 2027}));
  }

  // A valid pairing: daily credits that add up, starting on `starts`.
  TPair& addPair(int number, std::vector<int> dailyCredit, std::vector<int> starts) {
    TPair& pair = doc->Pairs[static_cast<std::size_t>(++doc->LastPair)];
    pair.Number = number;
    pair.Length = static_cast<std::int8_t>(dailyCredit.size());
    pair.OnTime = 420;
    pair.OffTime = 1000;
    pair.Credit = 0;
    for (std::size_t i = 0; i < dailyCredit.size(); ++i) {
      pair.DailyCredit[i] = dailyCredit[i];
      pair.DailyHardTime[i] = dailyCredit[i] - 30;
      pair.DailyStartTime[i] = 420;
      pair.Credit += dailyCredit[i];
    }
    for (const int d : starts) pair.DayStatus[static_cast<std::size_t>(d)] = 1;
    return pair;
  }

  std::unique_ptr<TDocument> doc;
};

TEST_F(PairingWarningsTest, ListsInvalidPairingsAndTheCreditReport) {
  addPair(7001, {300, 330}, {0, 10});
  // Daily credits that do not add up to the total.
  TPair& wrong = addPair(7002, {400}, {5});
  wrong.Credit = 420;
  // The last day of the month (day 29) with two days: only day one counts
  // in the running total; -2 marks an assigned extra-crew copy.
  TPair& late = addPair(7003, {240, 360}, {29});
  late.DayStatus[29] = -2;
  // Never operates inside the month.
  addPair(7004, {100}, {});

  const std::vector<std::string> lines = PairingWarningsLines(*doc);
  // Average: (630*2 + 420 + 600) / (2*2 + 1 + 2) = 2280 / 7 = 325 minutes.
  const std::vector<std::string> expected = {
      "Number of Pairings 4  Average Pairing Credit per day is 5:25",
      "",
      "====== Pairing Warnings Report ======",
      "",
      "Pair 7002  Credit for each Day does not add up to Total Credit\n",
      "Pair 7004  Never Operates ",
      "",
      "====== End of Pairing Warnings ======",
      "",
      "====== Begin Pairing Report ======",
      "Pairing Report for Feb 2027 Carry Over Removed from Running Total",
      "Pair 7001  Credit 10:30  Hard 09:30  OPER 02  Running Total 21:00",
      "Pair 7002  Credit 07:00  Hard 06:10  OPER 01  Running Total 28:00",
      "Pair 7003  Credit 10:00  Hard 09:00  OPER 01  Running Total 32:00",
      "Pair 7004  Credit 01:40  Hard 01:10  OPER 00  Running Total 32:00",
      "Total Hours including Carry Over 38:00",
  };
  EXPECT_EQ(lines, expected);
  EXPECT_EQ(doc->Pairs[1].Valid, 0);
  EXPECT_EQ(doc->Pairs[0].Valid, 1);
}

TEST_F(PairingWarningsTest, AnEmptyTableGivesZeroAverage) {
  const std::vector<std::string> lines = PairingWarningsLines(*doc);
  EXPECT_EQ(lines.front(), "Number of Pairings 0  Average Pairing Credit per day is 0:00");
  EXPECT_EQ(lines.back(), "Total Hours including Carry Over 0:00");
}

// A damaged file's daily hard times may hold anything: their sum is not an
// overflow (the sanitizer build holds this), and the report still lists the
// pairing.
TEST_F(PairingWarningsTest, DamagedDailyHardTimesStillGiveTheReport) {
  TPair& damaged = addPair(7005, {300, 300}, {0});
  damaged.DailyHardTime[0] = damaged.DailyHardTime[1] = std::numeric_limits<std::int32_t>::max();
  const std::vector<std::string> lines = PairingWarningsLines(*doc);
  EXPECT_EQ(lines[lines.size() - 2].rfind("Pair 7005  Credit 10:00  Hard ", 0), 0u);
}

TEST_F(PairingWarningsTest, DoubleClickFindsThePairingOfALine) {
  addPair(7001, {300}, {0});
  addPair(0, {300}, {1});  // a number 0 must not answer lines without one
  PairingValidateDialog dialog(*doc);
  ScriptedUi ui;

  EXPECT_EQ(PairingOfLine(*doc, "Pair 7001  Credit 05:00"), 0);
  EXPECT_EQ(PairingOfLine(*doc, "Pair 0000  Credit 05:00"), 1);
  EXPECT_EQ(PairingOfLine(*doc, "Pair 7009  Credit 05:00"), -1);
  EXPECT_EQ(PairingOfLine(*doc, "Number of Pairings 2"), -1);
  EXPECT_EQ(PairingOfLine(*doc, ""), -1);

  std::vector<int> edited;
  const auto edit = [&](int p) {
    edited.push_back(p);
    doc->Pairs[static_cast<std::size_t>(p)].Credit = 1;  // now invalid
  };
  // Line 0 is the heading.
  EXPECT_EQ(dialog.doubleClick(0, ui, edit), PairingValidateDialog::DoubleClick::Beep);
  EXPECT_EQ(ui.beeps, 1);
  std::size_t report = 0;
  while (dialog.lines()[report].rfind("Pair 7001  Credit", 0) != 0) ++report;
  // The editor is not there yet: the double click only beeps.
  EXPECT_EQ(dialog.doubleClick(report, ui, {}), PairingValidateDialog::DoubleClick::Beep);
  EXPECT_EQ(dialog.doubleClick(report, ui, edit), PairingValidateDialog::DoubleClick::Edited);
  EXPECT_EQ(edited, std::vector<int>{0});
  // The list was rebuilt after the edit.
  EXPECT_EQ(dialog.lines()[4], "Pair 7001  Credit for each Day does not add up to Total Credit\n");
  EXPECT_EQ(dialog.doubleClick(999, ui, edit), PairingValidateDialog::DoubleClick::Beep);

  ShowPairingWarnings(*doc, ui);
  ASSERT_EQ(ui.shown.size(), 1u);
  EXPECT_EQ(ui.shown[0].caption, "Pairing Warnings and Report");
  EXPECT_EQ(ui.shown[0].lines, dialog.lines());
}

}  // namespace
}  // namespace lumora::testing
