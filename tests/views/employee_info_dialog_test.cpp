#include "views/employee_info_dialog.h"

#include "building/building_fixture.h"

namespace lumora::testing {
namespace {

class EmployeeInfoTest : public BuildingTest {
 protected:
  EmployeeInfoTest() {
    AddCrew("ABLE", 11);
    AddCrew("BAKER", 22);
    doc.MaxCredit = 4800;
    doc.MinCredit = 4500;
    doc.DaysOffBlockHolder = 10;
  }

  EmployeeInfoDialog Open(int crew = 0) { return EmployeeInfoDialog(ctx, crew); }
  TPilot& able() { return doc.Pilots[0]; }
};

TEST_F(EmployeeInfoTest, EachRefusalKeepsTheDialogOpenWithTheFocusOnItsField) {
  struct Case {
    std::function<void(EmployeeInfoDialog&)> edit;
    std::string message;
    EmployeeField focus;
  };
  const auto day = [](DayTimeField f, std::string text) {
    return [f, text](EmployeeInfoDialog& d) { d.dayTime(f) = text; };
  };
  const auto credit = [](CreditField f, std::string text) {
    return [f, text](EmployeeInfoDialog& d) { d.credit(f) = text; };
  };
  const std::vector<Case> cases{
      {[](EmployeeInfoDialog& d) { d.name.clear(); }, "Pilot Name Error", EmployeeField::Name},
      {day(DayTimeField::HardTime, "24:00"), "Hard Time Error", EmployeeField::HardTime},
      {day(DayTimeField::TimeOnDuty, "25:61"), " ,Duty Length Time Error",
       EmployeeField::TimeOnDuty},
      {[](EmployeeInfoDialog& d) {
         d.dayTime(DayTimeField::DutyStart) = "x";
         d.dayTime(DayTimeField::Tafb) = "";
       },
       " ,Duty Start Time Error ,Pair/Ass TAFB Time Error", EmployeeField::DutyStart},
      {day(DayTimeField::DutyStartHomeBase, "7"), " ,Duty Start Home Base Time Error",
       EmployeeField::DutyStartHomeBase},
      {day(DayTimeField::PairingStart, "25:00"), " ,Pair/Ass Start Time Error",
       EmployeeField::PairingStart},
      {credit(CreditField::TimeBank, "25:61"), "C/I Days > 5 or Hr:Min not correct on one field",
       EmployeeField::TimeBank},
      {credit(CreditField::CreditIn, "-5:00"), "C/I Days > 5 or Hr:Min not correct on one field",
       EmployeeField::CreditIn},
      {credit(CreditField::TrainingAtHome, "12345678901:00"),
       "C/I Days > 5 or Hr:Min not correct on one field", EmployeeField::TrainingAtHome},
      {[](EmployeeInfoDialog& d) { d.legalCheckIn = "1:24:00"; },
       "C/I Days > 5 or Hr:Min not correct on one field", EmployeeField::LegalCheckIn},
      {[](EmployeeInfoDialog& d) { d.legalCheckIn = "6:06:00"; },
       "C/I Days > 5 or Hr:Min not correct on one field", EmployeeField::LegalCheckIn},
      {[](EmployeeInfoDialog& d) { d.empNumber = "12345678901"; },
       "Invalid Employee Number. -1 - 999999999 only", EmployeeField::EmpNumber},
      {[](EmployeeInfoDialog& d) { d.empNumber = "-2"; },
       "Invalid Employee Number. -1 - 999999999 only", EmployeeField::EmpNumber},
  };
  for (const Case& c : cases) {
    doc.Modified = 0;
    EmployeeInfoDialog dialog = Open();
    c.edit(dialog);
    EXPECT_FALSE(dialog.accept(ui)) << c.message;
    EXPECT_EQ(ui.last().text, c.message);
    EXPECT_EQ(ui.last().caption, "Lumora");
    EXPECT_EQ(dialog.focus(), c.focus) << c.message;
    EXPECT_EQ(doc.Modified, 1);
  }
  EXPECT_EQ(able().EmpNumber, 11);
  EXPECT_EQ(able().Name, "ABLE");
}

TEST_F(EmployeeInfoTest, ANumberAnotherCrewMemberHoldsIsRefusedAndZeroIsAlwaysTaken) {
  EmployeeInfoDialog dialog = Open();
  dialog.empNumber = "22";
  ui.answers = {Answer::Yes};
  EXPECT_FALSE(dialog.accept(ui));
  EXPECT_EQ(
      ui.last().text,
      "You Have Entered an Employee Number that is being used by BAKER. Enter a Valid Number");
  EXPECT_EQ(dialog.focus(), EmployeeField::EmpNumber);
  doc.Pilots[1].EmpNumber = 0;
  dialog.empNumber = "0";
  ui.answers = {Answer::Yes};
  EXPECT_TRUE(dialog.accept(ui));
  EXPECT_EQ(able().EmpNumber, 0);
  // No keeps the old number and closes.
  EmployeeInfoDialog again = Open();
  again.empNumber = "77";
  ui.answers = {Answer::No};
  EXPECT_TRUE(again.accept(ui));
  EXPECT_EQ(able().EmpNumber, 0);
}

TEST_F(EmployeeInfoTest, CreditsAndTheCheckInAreStoredInMinutes) {
  struct Case {
    std::string checkIn, draft;
    std::int32_t checkInMinutes, draftMinutes;
  };
  const std::vector<Case> cases{{"2:06:30", "7.5", 1830, 450},
                                {"0:06:30", "7", 390, 420},
                                {"1:00:00", "7:30", 0, 450},
                                {"", "", 0, 0}};
  for (const Case& c : cases) {
    EmployeeInfoDialog dialog = Open();
    dialog.legalCheckIn = c.checkIn;
    dialog.draftCredit = c.draft;
    dialog.credit(CreditField::ExtraCredit) = "12:05";
    dialog.credit(CreditField::CreditIn) = "7";  // three characters or fewer count as 0
    EXPECT_TRUE(dialog.accept(ui)) << c.checkIn;
    EXPECT_EQ(able().LegalCheckIn(), c.checkInMinutes) << c.checkIn;
    EXPECT_EQ(able().DraftCredit, c.draftMinutes) << c.draft;
    EXPECT_EQ(able().ExtraCredit, 725);
    EXPECT_EQ(able().CreditCarriedIn(), 0);
  }
  EXPECT_EQ(views.timeBank, " TB 0:00");
}

TEST_F(EmployeeInfoTest, FieldsLeftAsShownKeepTheirValuesAndEarlierStepsStayStored) {
  able().TimeBank = -90;  // a balance may be negative
  able().Activity[31][kActDutyStart] = -1;
  {
    EmployeeInfoDialog dialog = Open();
    EXPECT_EQ(dialog.credit(CreditField::TimeBank), "-1:-30");
    EXPECT_TRUE(dialog.accept(ui));
  }
  EXPECT_EQ(able().TimeBank, -90);
  EXPECT_EQ(able().Activity[31][kActDutyStart], -1);

  EmployeeInfoDialog dialog = Open();
  dialog.name = "ABLE SMITH";
  dialog.draftCredit = "3";
  dialog.dayTime(DayTimeField::HardTime) = "05:15";
  dialog.credit(CreditField::ExtraCredit) = "1:99";
  EXPECT_FALSE(dialog.accept(ui));
  EXPECT_EQ(able().Name, "ABLE SMITH");
  EXPECT_EQ(able().DraftCredit, 180);
  EXPECT_EQ(able().Activity[31][kActDailyHardTime], 315);
}

TEST_F(EmployeeInfoTest, OverridesFollowTheMonthUnlessSetAndACheckPilotGetsHisOwn) {
  EmployeeInfoDialog dialog = Open();
  EXPECT_EQ(dialog.maxBlockText(), "80:00");
  dialog.setMinDaysOff(12);
  dialog.setMinDaysOff(10);  // back to the month's value
  dialog.setMaxBlock(5000);
  EXPECT_TRUE(dialog.accept(ui));
  EXPECT_EQ(able().MinDaysOffOverride(), 0);
  EXPECT_EQ(able().MaxBlockOverride(), 5000);
  EXPECT_EQ(able().MinBlockOverride(), 0);

  // Checker without other overrides: 80:00 to 85:00 without a question.
  able().MaxBlockOverride() = 0;
  EmployeeInfoDialog checker = Open();
  checker.chooseQualification(kQualChecker);
  EXPECT_EQ(checker.maxBlockText(), "85:00");
  EXPECT_TRUE(checker.accept(ui));
  EXPECT_TRUE(Questions().empty());
  EXPECT_EQ(able().MinBlockOverride(), 4800);
  EXPECT_EQ(able().MaxBlockOverride(), 5100);
  EXPECT_EQ(able().SpecialQual(), kQualChecker);

  // With other limits the question comes; No restores the defaults.
  EmployeeInfoDialog other = Open();
  other.setMaxBlock(6000);
  ui.answers = {Answer::No};
  EXPECT_TRUE(other.accept(ui));
  EXPECT_EQ(Questions().back(),
            "Do you want to Override the Default Min and Max Block Time for this Check Pilot.");
  EXPECT_EQ(able().MaxBlockOverride(), 5100);

  // "Reset to Default" and "Reduced Block" move only the bars.
  other.reducedBlock();
  EXPECT_EQ(other.maxBlock(), doc.ReducedMaxCredit);
  EXPECT_EQ(other.minDaysOff(), doc.ReducedMinDaysOff);
  other.resetToDefault();
  EXPECT_EQ(other.maxBlock(), 5100);
  EXPECT_EQ(other.minDaysOff(), 10);
  EXPECT_EQ(able().MaxBlockOverride(), 5100);
}

TEST_F(EmployeeInfoTest, CabinFilesRenameTheFlagsAndQualificationsMoveNoBars) {
  doc.CrewType = 2;
  EmployeeInfoDialog dialog = Open();
  EXPECT_EQ(dialog.flagsCaption(), "F/A Language");
  EXPECT_EQ(dialog.age65Label(), "FR");
  EXPECT_EQ(dialog.checkBLabel(), "No Fams");
  dialog.chooseQualification(kQualChecker);
  EXPECT_EQ(dialog.maxBlock(), 4800);
  dialog.age65 = dialog.med = true;
  EXPECT_TRUE(dialog.accept(ui));
  EXPECT_EQ(able().AgeMedFlags(), 3);
}

TEST_F(EmployeeInfoTest, ThePreviousMonthBarStoresTheShownDayFirst) {
  able().ActivityText[30] = "LOA";
  able().Activity[32][kActTimeOnDuty] = 600;
  EmployeeInfoDialog dialog = Open();
  EXPECT_EQ(dialog.dayIndex(), 31);
  EXPECT_EQ(dialog.dayDate(), "01/07/2026");
  dialog.dayTime(DayTimeField::TimeOnDuty) = "bad";
  EXPECT_FALSE(dialog.selectDay(30, ui));
  EXPECT_EQ(ui.last().text, " ,Duty Length Time Error");
  EXPECT_EQ(dialog.dayIndex(), 31);
  dialog.dayTime(DayTimeField::TimeOnDuty) = "13:45";
  dialog.dayWorked = 2;
  ASSERT_TRUE(dialog.selectDay(30, ui));
  EXPECT_EQ(able().Activity[31][kActTimeOnDuty], 825);
  EXPECT_EQ(able().Activity[31][kActWorkedState], 2);
  EXPECT_EQ(dialog.dayDate(), "30/06/2026");
  EXPECT_EQ(dialog.dayCode(), "LOA");
  ASSERT_TRUE(dialog.selectDay(32, ui));
  EXPECT_EQ(dialog.dayTime(DayTimeField::TimeOnDuty), "10:00");
}

TEST_F(EmployeeInfoTest, TheResultListsSplitTheStoredTexts) {
  able().RuleCheckLog = "Checking 01/07/2026 PASSED 2LNR 60/7 4SDFD+RULE CHECKING DATA ARRAYS+";
  able().ExceptionsText = " 60h/7d 2LNR Rules 3 4+";
  EmployeeInfoDialog dialog = Open();
  EXPECT_EQ(dialog.ruleCheckLines().size(), 2u);
  EXPECT_EQ(dialog.illegalityLines(), (std::vector<std::string>{" 60h/7d 2LNR Rules 3 4"}));
  EXPECT_TRUE(dialog.warningLines().empty());
}

TEST_F(EmployeeInfoTest, OkChecksTheBlockAndReappliesTheFilters) {
  int reapplied = 0;
  ui.onDialog<EmployeeInfoDialog>([](EmployeeInfoDialog& d) {
    d.blockComplete = true;
    return true;
  });
  EXPECT_TRUE(ShowEmployeeInfo(ctx, 1, [&reapplied] { ++reapplied; }));
  EXPECT_EQ(doc.Pilots[1].BlockComplete(), 1);
  EXPECT_EQ(rules.checkedBlocks, (std::vector<int>{1}));
  EXPECT_EQ(reapplied, 1);
  ui.onDialog<EmployeeInfoDialog>([](EmployeeInfoDialog&) { return false; });
  EXPECT_FALSE(ShowEmployeeInfo(ctx, 1, [&reapplied] { ++reapplied; }));
  EXPECT_EQ(reapplied, 1);
  EXPECT_FALSE(ShowEmployeeInfo(ctx, 7, {}));
}

TEST_F(EmployeeInfoTest, TheQuickDialogOpensBelowThePointerAndStoresBothFlags) {
  doc.Modified = 0;
  int reapplied = 0;
  Point at;
  ui.onDialog<QuickEmpInfoDialog>([&at](QuickEmpInfoDialog& d) {
    EXPECT_EQ(d.name(), "BAKER");
    EXPECT_FALSE(d.bidReserve);
    at = d.position();
    d.bidReserve = d.blockComplete = true;
    return true;
  });
  EXPECT_TRUE(ShowQuickEmployeeInfo(ctx, 1, Point{100, 200}, [&reapplied] { ++reapplied; }));
  EXPECT_EQ(at, (Point{100, 230}));
  EXPECT_EQ(doc.Pilots[1].BidReserve, 1);
  EXPECT_EQ(doc.Pilots[1].BlockComplete(), 1);
  EXPECT_EQ(doc.Modified, 1);
  EXPECT_EQ(reapplied, 1);
}

TEST(EmployeeInfoTexts, DayTimesAndDraftCredits) {
  EXPECT_EQ(ReadDayTime("07:30", 23), 450);
  EXPECT_EQ(ReadDayTime(" 7.05 ", 23), 425);
  EXPECT_EQ(ReadDayTime("123:45", 999), 7425);
  EXPECT_FALSE(ReadDayTime("123:45", 23));
  EXPECT_FALSE(ReadDayTime("25:61", 999));
  EXPECT_FALSE(ReadDayTime("7:3x", 23));
  EXPECT_FALSE(ReadDayTime("", 23));
  EXPECT_EQ(ReadDraftCredit("7.25"), 435);
  EXPECT_EQ(ReadDraftCredit(".5"), 30);
  EXPECT_EQ(ReadDraftCredit("99999999999"), 2147483647);
  EXPECT_EQ(ReadDraftCredit("abc"), 0);
}

}  // namespace
}  // namespace lumora::testing
