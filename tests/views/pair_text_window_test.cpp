#include "views/pair_text_window.h"

#include <gtest/gtest.h>

#include "doubles/recording_canvas.h"
#include "pairing_fixture.h"

namespace lumora::testing {
namespace {

class PairTextTest : public PairingTest {
 protected:
  PairTextTest() {
    p = AddPairing(1234, {4}, 2);
    TPair& pair = Pair(p);
    pair.CrewPosition = "FO";
    pair.FatUnits = 75;
    pair.DailyDutyTime[0] = 540;
    pair.DailyDutyTime[5] = 300;
    pair.DailyDutyTime[6] = 999;  // past the six duty days
    pair.DisplayText = "1234 LINE ONE\r\nLINE TWO\n\nLINE FOUR\n";
  }
  int p = -1;
};

TEST_F(PairTextTest, CaptionLinesAndColourOfAPairing) {
  PairTextContent text = PairTextFor(doc, p, 4);
  EXPECT_EQ(text.caption,
            "ON 08:00 OFF 17:00 CREDIT 10:00 LEGAL AT 04:00 Type FO Fat Unit 01:15 Duty 14:00");
  EXPECT_EQ(text.lines, (std::vector<std::string>{"1234 LINE ONE", "LINE TWO", "", "LINE FOUR"}));
  EXPECT_EQ(text.textColor, colors::kBlack);
  EXPECT_EQ(text.footer, "Right Click to Enter Pairing Parameters for this Day of Operation");

  doc.CrewType = static_cast<std::uint8_t>(CrewKind::FlightAttendants);
  Pair(p).OffTime = 720;  // + 720 is exactly 24:00 and stays so
  EXPECT_NE(PairTextFor(doc, p, 4).caption.find(" LEGAL AT 24:00 "), std::string::npos);
  doc.CrewType = static_cast<std::uint8_t>(CrewKind::Captains);
  Pair(p).OffTime = 1400;
  Pair(p).MinRestAfter = 1500;  // more than a day of rest still gives a time of day
  EXPECT_NE(PairTextFor(doc, p, 4).caption.find(" LEGAL AT 00:20 "), std::string::npos);

  const Rgb byType[] = {colors::kBlack, colors::kBlue, {255, 51, 153}, {128, 192, 96}};
  for (int type = 0; type < 4; ++type) {
    Pair(p).DayPairingType[4] = type;
    EXPECT_EQ(PairTextFor(doc, p, 4).textColor, byType[type]) << type;
  }
  EXPECT_EQ(PairTextFor(doc, p, 5).textColor, colors::kBlack);  // the type is per day

  EXPECT_TRUE(PairTextFor(doc, 99, 4).lines.empty());
  EXPECT_EQ(PairTextFor(doc, 99, 4).pair, -1);

  const PairTextContent previous = PreviousMonthText("A\nB");
  EXPECT_EQ(previous.caption, "Last Pairing of Previous Month");
  EXPECT_EQ(previous.lines, (std::vector<std::string>{"A", "B"}));
}

TEST_F(PairTextTest, PaintWritesLinesAndTheFooter) {
  const PairTextContent text = PairTextFor(doc, p, 4);
  RecordingCanvas canvas;
  PaintPairText(canvas, text, {0, 0, 800, 200});
  ASSERT_EQ(canvas.textsEqual("LINE TWO").size(), 1u);
  EXPECT_EQ(canvas.textsEqual("LINE TWO")[0].from, (Point{1, 16}));
  EXPECT_EQ(canvas.textsEqual("LINE FOUR")[0].from, (Point{1, 48}));
  EXPECT_EQ(canvas.textsEqual("LINE FOUR")[0].style.font, FontRole::PairText);
  ASSERT_EQ(canvas.textsEqual(kPairTextFooter).size(), 1u);
  EXPECT_EQ(canvas.textsEqual(kPairTextFooter)[0].from, (Point{14, 178}));
}

TEST(PairTextPlacement, CentresOnThePointerAndStaysInsideTheMainWindow) {
  const Rect main{0, 0, 1280, 1024};
  // 10 lines, a 20-pixel caption: 221 high.
  EXPECT_EQ(PlacePairTextWindow({700, 500}, 10, 20, main), (Rect{383, 390, 1183, 611}));
  EXPECT_EQ(PlacePairTextWindow({1200, 1000}, 10, 20, main), (Rect{480, 803, 1280, 1024}));
  EXPECT_EQ(PlacePairTextWindow({100, 50}, 10, 20, main), (Rect{1, 1, 801, 222}));
  // A main window smaller than the text: never above or left of 1.
  EXPECT_EQ(PlacePairTextWindow({300, 100}, 40, 20, {0, 0, 600, 400}), (Rect{1, 1, 801, 702}));
}

}  // namespace
}  // namespace lumora::testing
