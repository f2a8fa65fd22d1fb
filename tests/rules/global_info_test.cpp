#include "rules/global_info.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "doubles/null_ui.h"
#include "doubles/recording_clipboard.h"
#include "rules/exceptions_report.h"
#include "rules/setup_month_dialog.h"
#include "rules_fixture.h"

namespace lumora::testing {
namespace {

class GlobalInfoTest : public RulesFixture {
 protected:
  // A first officers' July: a two-day pairing on the 6th and the 31st, a
  // two-day spill-over pairing on the 4th and an extra-crew copy on the 5th.
  void SetUp() override {
    SetUpJuly(CrewKind::FirstOfficers, 0);
    AddPairing(101, 2, 300, {200, 250}, {5, 30});
    AddPairing(102, 2, 120, {60, 60}, {3}).Overnight = 1;
    AddPairing(103, 1, 100, {50}, {}).DayStatus[4] = -kOpenInstance;
    for (const char* name : {"A ALPHA", "B BRAVO", "C CHARLIE", "D DELTA"}) build.crew(name);
    Credit(0, 3700);  // inside his own 60:00 to 70:00: a reduced block
    pilot(0).MinBlockOverride() = 3600;
    pilot(0).MaxBlockOverride() = 4200;
    pilot(0).CreditCarriedIn() = 90;
    pilot(1).BidReserve = 1;
    Credit(2, 4600);
    pilot(2).DraftCredit = 60;
    Credit(3, 4000);  // 10:50 under the target, within the open time
    pilot(3).ExtraCredit = 30;
    Code(0, 1, "TRN", 60);
    Code(1, 2, "TRN", 60);
    Code(1, 3, "TRN", 0);
    Code(2, 7, "VAC", 100);
  }

  TPair& AddPairing(int number, int length, int creditPerDay, std::vector<int> hard,
                    std::vector<int> days) {
    build.pairing(PairingValues(number)
                      .Length(length)
                      .AdjLength(length)
                      .CreditPerDay(creditPerDay)
                      .Days(std::move(days)));
    TPair& pair = doc->Pairs[Day(build.lastPairing())];
    for (std::size_t j = 0; j < hard.size(); ++j) pair.DailyHardTime[j] = hard[j];
    return pair;
  }
  void Credit(int crew, int minutes) {
    pilot(crew).BlockCreditHours = minutes / 60;
    pilot(crew).BlockCreditMinutes = static_cast<std::uint8_t>(minutes % 60);
  }
  void Code(int crew, int day, const std::string& code, int credit) {
    Other(crew, day, 0, 0, false, false, code);
    pilot(crew).DayOther[Day(day)][kOtherCredit] = credit;
  }
};

TEST_F(GlobalInfoTest, TotalsReachAndAverages) {
  const std::vector<std::string> expected{"   19:00  Pairing Credit for Current Month",
                                          "",
                                          "    1:40  Pairing Credit Reserved for Two Capt Pairings",
                                          "",
                                          "   24:00  Pairing Credit for Month with Overlap",
                                          "",
                                          "   20:40  Hours currently in Open",
                                          "",
                                          "Last Blockholder is D DELTA with 09:50 in open",
                                          "",
                                          "   76:40  Avg for Completed Regular Blocks",
                                          "",
                                          "   61:40  Avg for Completed Reduced Blocks",
                                          "",
                                          "    1:30  Carry In",
                                          "",
                                          "    1:00  Draft Credits",
                                          "",
                                          "    0:30  Misc Hours",
                                          "",
                                          "    2:00 in 003 Occurrences of TRN",
                                          "    1:40 in 001 Occurrences of VAC",
                                          "--------",
                                          "   25:40  Total Credits for Month",
                                          "   12:50  Total Hard Time",
                                          "",
                                          "Average Pairing Credit per day is 3:40"};
  EXPECT_EQ(GlobalInfoLines(*doc), expected);

  // The open time (20:40) does not reach the first block holder 21:40 under
  // his minimum (the reserve bidder before him is skipped).
  pilot(0) = TPilot{};
  pilot(0).Name = "A ALPHA";
  pilot(0).BidReserve = 1;
  Credit(1, 4500 - 1300);
  pilot(1).BidReserve = 0;
  EXPECT_EQ(GlobalInfoLines(*doc)[8], "No Blocks");
}

TEST_F(GlobalInfoTest, PairingReportRunsInMonthCreditAndCountsLengths) {
  const std::string text = PairingReportText(*doc);
  const auto line = [&text](const std::string& start) {
    const std::size_t at = text.find(start);
    return at == std::string::npos ? std::string() : text.substr(at, text.find("\r\n", at) - at);
  };
  EXPECT_EQ(text.substr(0, 72),
            "Pairing Report for Jul 2026 Carry Over Removed from Running Total\r\n\r\nPai");
  EXPECT_EQ(line("Pair 0101"), "Pair 0101  Credit 10:00  Hard 07:30  OP 02  RT 15:00");
  EXPECT_EQ(line("Pair 0103"), "Pair 0103  Credit 01:40  Hard 00:50  OP 01  RT 20:40");
  EXPECT_NE(text.find("RT 20:40\r\n\r\nTotal Hours including Carry Over 25:40\r\n\r\n\r\n"
                      "Pairing Occurances Report\r\n\r\n\r\n        One    Two"),
            std::string::npos);
  // The spill-over pairing counts as "C/D", the extra-crew copy nowhere.
  EXPECT_EQ(line(" 04 SA"), " 04 SA    0      0      0      0      0      0      1      0    ");
  EXPECT_EQ(line(" 05 SU"), " 05 SU    0      0      0      0      0      0      0      0    ");
  EXPECT_EQ(line(" 31 FR"), " 31 FR    0      1      0      0      0      0      0      0    ");
  EXPECT_EQ(text.substr(text.size() - 8), "    \r\n\r\n");

  doc->SegmentSummary = "SUMMARY";
  NullUi ui;
  RecordingClipboard clipboard;
  CopyPairingReport(*doc, clipboard, ui);
  ASSERT_EQ(clipboard.texts.size(), 1u);
  EXPECT_EQ(clipboard.texts[0], text + "\n\nSUMMARY");
  EXPECT_EQ(ui.lastMessage,
            "Lumora: Pairing Report Copied to Windows Clipboard. To view select Edit, Paste from "
            "your Word Processing program.");
}

TEST_F(GlobalInfoTest, ReportListsCopyWithCrLfAndSayHowItWent) {
  NullUi ui;
  RecordingClipboard clipboard;
  const ExceptionsReportDialog report(*doc);
  report.copy(clipboard, ui);
  EXPECT_EQ(clipboard.texts.at(0).substr(0, 30), "------- EXCEPTIONS -------\r\n\r\n");
  EXPECT_EQ(ui.lastMessage, "Lumora: Copied to Windows Clipboard.");
  clipboard.works = false;
  GlobalInfoDialog(*doc).copy(clipboard, ui);
  EXPECT_EQ(ui.lastMessage, "Lumora: Error Copying to Windows Clipboard.");
}

TEST_F(GlobalInfoTest, SetupMonthStoresAtOnceWithinTheBarsAndCancelPutsBack) {
  doc->CheckPilotMaxCredit = 9000;  // beyond the bar: kept until the bar moves
  SetupMonthDialog dialog(*doc);
  EXPECT_EQ(dialog.position(MonthRule::CheckPilotMaxCredit), 7200);
  EXPECT_EQ(dialog.text(MonthRule::CheckPilotMaxCredit), "150:00");
  dialog.set(MonthRule::AvgCredit, 2999);
  dialog.set(MonthRule::ReducedMinDaysOff, 31);
  dialog.set(MonthRule::DaysOffReserve, 9);
  EXPECT_EQ(doc->AvgCredit, 3000);
  EXPECT_EQ(doc->ReducedMinDaysOff, 30);
  EXPECT_EQ(dialog.text(MonthRule::DaysOffReserve), "9");
  EXPECT_EQ(doc->Modified, 0);
  dialog.cancel();
  EXPECT_EQ(doc->AvgCredit, 4650);
  EXPECT_EQ(doc->DaysOffReserve, 0);
  EXPECT_EQ(doc->CheckPilotMaxCredit, 9000);

  NullUi ui;
  dialog.set(MonthRule::MinCredit, 0);
  EXPECT_TRUE(dialog.accept(ui));
  EXPECT_EQ(doc->MinCredit, 0);
  EXPECT_EQ(doc->Modified, 1);
  dialog.info(ui);
  EXPECT_EQ(ui.dialogs, 1);
}

}  // namespace
}  // namespace lumora::testing
