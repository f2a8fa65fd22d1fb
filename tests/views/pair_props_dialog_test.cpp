#include "views/pair_props_dialog.h"

#include <gtest/gtest.h>

#include "building/block_figures.h"
#include "pairing_fixture.h"

namespace lumora::testing {
namespace {

class PairPropsTest : public PairingTest {
 protected:
  PairPropsTest() {
    crew = AddCrew("A ALPHA");
    p = AddPairing(1334, {4, 30}, 2);  // 10:00, the second instance runs past the month
    Pair(p).DayExcludeCredit[4] = 120;
    Place(crew, p, 4);
  }

  int crew = -1;
  int p = -1;
};

TEST_F(PairPropsTest, CaptionPresetsAndTheTypeAlone) {
  const PairPropsDialog dialog(doc, p, 4);
  EXPECT_EQ(dialog.caption(), "Properties for K1334 on Jul 05");
  // A day outside the period's own month is named after its month (here as
  // if the period began on 5 June).
  doc.cal.MonthDays[4][1] = 6;
  EXPECT_EQ(PairPropsDialog(doc, p, 4).caption(), "Properties for K1334 on Jun 05");
  doc.cal.MonthDays[4][1] = 7;
  EXPECT_TRUE(dialog.excludeShown());
  EXPECT_EQ(dialog.excludeText, "02:00");

  // The field is only for pilot pairings whose second digit is 3 or 4.
  Pair(p).Number = 1434;
  EXPECT_TRUE(PairPropsDialog(doc, p, 4).excludeShown());
  Pair(p).Number = 1234;
  EXPECT_FALSE(PairPropsDialog(doc, p, 4).excludeShown());
  Pair(p).Number = 1334;
  doc.CrewType = static_cast<std::uint8_t>(CrewKind::FlightAttendants);
  EXPECT_FALSE(PairPropsDialog(doc, p, 4).excludeShown());
  doc.CrewType = static_cast<std::uint8_t>(CrewKind::Captains);

  // Unchanged, nothing is modified; the type alone is stored for its day without questions.
  PairPropsDialog same(doc, p, 4);
  EXPECT_TRUE(same.ok(ctx));
  EXPECT_EQ(doc.Modified, 0);
  PairPropsDialog typed(doc, p, 4);
  typed.type = PairPropsDialog::kLineCheck;
  EXPECT_TRUE(typed.ok(ctx));
  EXPECT_EQ(Pair(p).DayPairingType[4], 2);
  EXPECT_EQ(Pair(p).DayPairingType[30], 0);
  EXPECT_EQ(doc.Modified, 1);
  EXPECT_TRUE(ui.shown.empty());
  EXPECT_EQ(PairPropsDialog(doc, p, 4).type, 2);
}

TEST_F(PairPropsTest, RefusesWhatCannotBeExcluded) {
  PairPropsDialog dialog(doc, p, 4);
  dialog.excludeText = "1:75";
  EXPECT_FALSE(dialog.ok(ctx));
  dialog.excludeText = "10:01";
  EXPECT_FALSE(dialog.ok(ctx));
  EXPECT_EQ(ui.messageTexts(),
            (std::vector<std::string>{
                "Invalid Excluded Credits Entry. Please Correct",
                "Excluded Credits is More Than Total Pairing Credits in this Month. "
                "Please Correct Entry"}));
  EXPECT_EQ(ui.last().caption, "Lumora");
  EXPECT_EQ(Pair(p).DayExcludeCredit[4], 120);

  // Past the month's end only the days inside it count: 5:00.
  PairPropsDialog late(doc, p, 30);
  late.excludeText = "5:01";
  EXPECT_FALSE(late.ok(ctx));
  EXPECT_EQ(ui.shown.size(), 3u);
  ui.answers.push_back(Answer::Yes);
  late.excludeText = "5:00";
  EXPECT_TRUE(late.ok(ctx));
  EXPECT_EQ(Pair(p).DayExcludeCredit[30], 300);
}

TEST_F(PairPropsTest, ClearingAnExclusionAsksAndRecomputesTheBlocks) {
  RecalcBlockCredit(doc, crew, false, ui, views);
  ASSERT_EQ(BlockCreditOf(doc.Pilots[static_cast<std::size_t>(crew)]), 480);

  PairPropsDialog dialog(doc, p, 4);
  dialog.excludeText = "0:00";
  ui.answers.push_back(Answer::No);
  EXPECT_FALSE(dialog.ok(ctx));
  ASSERT_EQ(ui.shown.size(), 1u);
  EXPECT_EQ(ui.shown[0].text,
            "Confirm - Total Pairing Credit 10:00.  Excluded 00:00.  Included 10:00");
  EXPECT_EQ(ui.shown[0].buttons, Buttons::YesNo);
  EXPECT_EQ(Pair(p).DayExcludeCredit[4], 120);
  EXPECT_EQ(doc.Modified, 0);

  ui.answers.push_back(Answer::Yes);
  EXPECT_TRUE(dialog.ok(ctx));
  EXPECT_EQ(Pair(p).DayExcludeCredit[4], 0);
  EXPECT_EQ(doc.Modified, 1);
  EXPECT_EQ(BlockCreditOf(doc.Pilots[static_cast<std::size_t>(crew)]), 600);
}

TEST_F(PairPropsTest, AnIndexOutsideThePairingsClosesWithoutChanges) {
  PairPropsDialog badPair(doc, 42, 4);
  EXPECT_FALSE(badPair.excludeShown());
  badPair.type = PairPropsDialog::kLineCheck;
  EXPECT_TRUE(badPair.ok(ctx));
  PairPropsDialog badDay(doc, p, 40);
  badDay.type = PairPropsDialog::kLineCheck;
  EXPECT_TRUE(badDay.ok(ctx));
  EXPECT_EQ(doc.Modified, 0);
}

}  // namespace
}  // namespace lumora::testing
