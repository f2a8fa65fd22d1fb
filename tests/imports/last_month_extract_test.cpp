#include "imports/last_month_extract.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <memory>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "doubles/memory_settings.h"
#include "doubles/recording_clipboard.h"
#include "files/temp_folder.h"
#include "imports/last_month_lines.h"
#include "model/document.h"
#include "platform/event_log.h"
#include "platform/settings_catalogue.h"
#include "support/document_builder.h"
#include "support/import_rig.h"
#include "support/scripted_ui.h"

namespace lumora::testing {
namespace {

// YQR (Regina) keeps standard time all year; YXE is not in the table.
constexpr std::string_view kAirports =
    "YYZ,05:00,01:00,Y,YUL,05:00,00:30,Y,YQR,06:00,00:20,N,YVR,08:00,00:45,Y,";

class LastMonthTest : public ::testing::Test, protected lumora::testing::ImportRig {
 protected:
  // A month of July 2026 (the days before it: 31 May to 30 June) unless
  // given; Toronto captains with the pairing letter Z.
  void makeDocument(CivilDate first = {1, 7, 2026}, CivilDate last = {31, 7, 2026},
                    CrewKind kind = CrewKind::Captains) {
    doc = std::make_unique<TDocument>();
    DocumentBuilder b(*doc);
    b.month(first, last).kind(kind).descriptor("YYZCRJCAZ");
    b.crew("A ALPHA", 11).crew("B BRAVO", 22).crew("C CHARLIE", 22).crew("D DELTA", 33);
    doc->AirportDetails = std::string(kAirports);
  }

  LastMonthTest() { makeDocument(); }

  bool run(const std::vector<std::string>& activity, const std::vector<std::string>& pairings) {
    std::istringstream a(Lines(activity));
    std::istringstream p(Lines(pairings));
    return LoadLastMonthActivityFrom(*doc, a, p, services, [this] { ++closed; });
  }

  const DayRecord& day(int crew, int index) const {
    return doc->pilot(crew).Activity[static_cast<std::size_t>(index)];
  }
  const std::string& text(int crew, int index) const {
    return doc->pilot(crew).ActivityText[static_cast<std::size_t>(index)];
  }
  std::vector<std::string> warnings() const {
    for (const Shown& s : ui.shown)
      if (s.kind == Shown::Kind::List && s.caption == kLastMonthWarningsCaption) return s.lines;
    return {};
  }
  int warningsContaining(std::string_view part) const {
    const auto lines = warnings();
    return static_cast<int>(std::count_if(lines.begin(), lines.end(), [&](const std::string& l) {
      return l.find(part) != std::string::npos;
    }));
  }

  std::unique_ptr<TDocument> doc;
  int closed = 0;
};

// June 29 10:00 to July 2 01:30: the release before 02:00 leaves July 2 a
// day off, and of the per-day credit only the month's days are carried in.
PriorPairing CarriedIn(int rest = 600) {
  return {
      .identifier = "Z7001",
      .date = {29, 6, 2026},
      .report = 600,
      .credit = 1600,
      .timeAway = 3810,
      .dutyTotal = 1925,
      .rest = rest,
      .duties = {{{29, 6, 2026}, 600, 1380}, {{30, 6, 2026}, 700, 1300}, {{1, 7, 2026}, 1000, 90}},
      .days = {{"YUL", 10, 100}, {"YUL", 20, 200}, {"YYZ", 30, 300}, {"", 40, 400}, {"", 50, 500}}};
}

TEST_F(LastMonthTest, APairingCarriedIntoTheMonth) {
  ASSERT_TRUE(
      run({ActivityLine(11, {PairingEntry("Z7001", {29, 6, 2026})}, [](int i) { return i; })},
          {PairingLine(CarriedIn())}));
  const TPilot& a = doc->pilot(0);
  EXPECT_EQ(day(0, 29)[kActPairingStart], 600);
  EXPECT_EQ(day(0, 29)[kActPairingTafb], 3810);
  EXPECT_EQ(text(0, 29), "Z7001");
  for (const auto& [index, worked] :
       std::vector<std::pair<int, int>>{{28, 0}, {29, 1}, {30, 1}, {31, 1}, {32, 0}})
    EXPECT_EQ(day(0, index)[kActWorkedState], worked) << index;
  // Day j goes to index 28 + j; 400 and 500 fall in the month, and the
  // 100 of the total not given to any day is added to them.
  EXPECT_EQ(day(0, 31)[kActCredit], 400);
  EXPECT_EQ(day(0, 32)[kActCredit], 500);
  EXPECT_EQ(a.CreditCarriedIn(), 1000);
  // The month's days keep the pairing's hard time; the days before take the
  // activity line's (89-day field 58 + u).
  EXPECT_EQ(day(0, 31)[kActDailyHardTime], 40);
  EXPECT_EQ(day(0, 29)[kActDailyHardTime], 87);
  EXPECT_EQ(a.Last89HardTimeText.substr(0, 8), "00000001");
  EXPECT_EQ(a.Last89HardTimeText.size(), 356u);
  // Duty periods: the second starts at the first day's station, which names
  // the day; the total's extra 15 minutes go to the last duty.
  EXPECT_EQ(day(0, 29)[kActDutyStart], 600);
  EXPECT_EQ(day(0, 29)[kActTimeOnDuty], 780);
  EXPECT_EQ(day(0, 30)[kActDutyStartHomeBase], 700);
  EXPECT_EQ(text(0, 30), "YUL");
  EXPECT_EQ(day(0, 30)[kActTimeOnDuty], 600);
  EXPECT_EQ(day(0, 31)[kActTimeOnDuty], 545);
  EXPECT_TRUE(warnings().empty());
}

TEST_F(LastMonthTest, LegalCheckInAfterTheRestOwed) {
  struct Case {
    CrewKind kind;
    int rest;
    int legal;  // release 46170 (July 2 01:30) plus the rest, from the month's start
  };
  for (const Case& c :
       {Case{CrewKind::Captains, 600, 2190}, Case{CrewKind::FirstOfficers, 800, 2271},
        Case{CrewKind::FlightAttendants, 800, 2250}}) {
    makeDocument({1, 7, 2026}, {31, 7, 2026}, c.kind);
    ASSERT_TRUE(run({ActivityLine(11, {PairingEntry("Z7001", {29, 6, 2026})})},
                    {PairingLine(CarriedIn(c.rest))}));
    EXPECT_EQ(doc->pilot(0).LegalCheckIn(), c.legal) << c.rest;
  }
}

// April 2026: the days before the month are 1 to 31 March, and the clocks
// change on 8 March. The document never built its blocks, so it holds no
// change dates of its own.
TEST_F(LastMonthTest, HomeBaseTimesAcrossTheDaylightSavingChange) {
  makeDocument({1, 4, 2026}, {30, 4, 2026});
  ASSERT_EQ(doc->cal.DstStartDate, 0);
  const PriorPairing regina{
      .identifier = "Z7002",
      .date = {7, 3, 2026},
      .report = 480,
      .credit = 720,
      .timeAway = 3300,
      .dutyTotal = 1200,
      .rest = 600,
      .duties = {{{7, 3, 2026}, 480, 900}, {{8, 3, 2026}, 480, 900}, {{9, 3, 2026}, 480, 900}},
      .days = {{"YQR", 300, 360}, {"YQR", 0, 0}, {"YYZ", 300, 360}}};
  ASSERT_TRUE(
      run({ActivityLine(11, {PairingEntry("Z7002", {7, 3, 2026})})}, {PairingLine(regina)}));
  // 08:00 in Regina is 09:00 in Toronto in winter and 10:00 in summer.
  struct Expected {
    int index, homeBase, onDuty;
  };
  for (const Expected& e : {Expected{6, 480, 480}, Expected{7, 600, 420}, Expected{8, 600, 300}}) {
    EXPECT_EQ(day(0, e.index)[kActDutyStartHomeBase], e.homeBase) << e.index;
    EXPECT_EQ(day(0, e.index)[kActTimeOnDuty], e.onDuty) << e.index;
  }
  EXPECT_EQ(text(0, 7), "YQR");
  EXPECT_TRUE(warnings().empty());
}

TEST_F(LastMonthTest, AStationMissingFromTheAirportsIsReportedOnce) {
  makeDocument({1, 4, 2026}, {30, 4, 2026});
  const PriorPairing saskatoon{
      .identifier = "Z7003",
      .date = {20, 3, 2026},
      .report = 600,
      .timeAway = 3000,
      .duties = {{{20, 3, 2026}, 600, 900}, {{21, 3, 2026}, 600, 900}, {{22, 3, 2026}, 600, 900}},
      .days = {{"YXE", 0, 0}, {"YXE", 0, 0}, {"YYZ", 0, 0}}};
  // A pairing of the Vancouver letter keeps Vancouver's clock.
  const PriorPairing vancouver{.identifier = "V7004",
                               .date = {25, 3, 2026},
                               .report = 600,
                               .timeAway = 1800,
                               .duties = {{{25, 3, 2026}, 600, 900}, {{26, 3, 2026}, 600, 900}},
                               .days = {{"YYZ", 0, 0}, {"YVR", 0, 0}}};
  ASSERT_TRUE(run({ActivityLine(11, {PairingEntry("Z7003", {20, 3, 2026})}),
                   ActivityLine(22, {PairingEntry("Z7003", {20, 3, 2026}),
                                     PairingEntry("V7004", {25, 3, 2026})})},
                  {PairingLine(saskatoon), PairingLine(vancouver)}));
  EXPECT_EQ(warningsContaining("Could not find Airport YXE to Convert to Home Base time"), 1);
  EXPECT_EQ(warningsContaining("Using same Time Zone as Home Base -> Update Airports in Toolbox"),
            1);
  EXPECT_EQ(warnings().size(), 3u);  // the message's two lines, and an empty last one
  EXPECT_EQ(day(0, 20)[kActDutyStartHomeBase], 600);
  EXPECT_EQ(day(1, 25)[kActDutyStartHomeBase], 420);  // 10:00 in Toronto is 07:00 in Vancouver
}

TEST_F(LastMonthTest, AssignmentCodes) {
  struct Case {
    const char* what;
    CrewKind kind;
    std::string entry;
    int index;
    int worked;
    int onDuty;
    int legal;
    std::string text;
  };
  const CivilDate june30{30, 6, 2026};
  const Case cases[] = {
      {"reserve on the last day", CrewKind::Captains, CodeEntry("RA", june30, 300, june30, 1100),
       30, 2, 840, 239, "RA "},
      {"duty on the last day", CrewKind::Captains, CodeEntry("CB", june30, 480, june30, 1020), 30,
       1, 540, 240, "COB"},
      {"cabin duty on the last day", CrewKind::FlightAttendants,
       CodeEntry("CB", june30, 480, june30, 1020), 30, 1, 540, 300, "COB"},
      {"over midnight: one day", CrewKind::Captains,
       CodeEntry("CB", {28, 6, 2026}, 1320, {29, 6, 2026}, 360), 28, 1, 480, 0, "COB"},
      {"after the days before the month: from day 1", CrewKind::Captains,
       CodeEntry("CB", {3, 7, 2026}, 480, {3, 7, 2026}, 1020), 31, 1, 540, 0, "COB"},
  };
  for (const Case& c : cases) {
    makeDocument({1, 7, 2026}, {31, 7, 2026}, c.kind);
    ASSERT_TRUE(run({ActivityLine(11, {c.entry})}, {PairingLine(CarriedIn())})) << c.what;
    EXPECT_EQ(day(0, c.index)[kActWorkedState], c.worked) << c.what;
    EXPECT_EQ(day(0, c.index)[kActTimeOnDuty], c.onDuty) << c.what;
    EXPECT_EQ(doc->pilot(0).LegalCheckIn(), c.legal) << c.what;
    EXPECT_EQ(text(0, c.index), c.text) << c.what;
    EXPECT_EQ(day(0, c.index + 1)[kActWorkedState], 0) << c.what;
  }
  EXPECT_EQ(warningsContaining(
                "Could not assign CB code to A ALPHA from 03 07 2026 to 03 07 2026 Last Month"),
            1);
}

TEST_F(LastMonthTest, ProblemsOfEntriesAreListed) {
  PriorPairing outside = CarriedIn();
  outside.identifier = "Z7009";
  outside.date = {1, 9, 2026};
  outside.report = 600;
  outside.timeAway = 1440;
  ASSERT_TRUE(run(
      {ActivityLine(11, {PairingEntry("Z9999", {29, 6, 2026}), PairingEntry("Z7009", {1, 9, 2026}),
                         CodeEntry("ZZ", {5, 6, 2026}, 480, {6, 6, 2026}, 1020)})},
      {PairingLine(outside)}));
  EXPECT_EQ(warnings(),
            (std::vector<std::string>{
                "Could not find Pairing Z9999 to Assign to A ALPHA",
                "Could not assign Pairing Z7009 to A ALPHA from 01 09 2026 to 02 09 "
                "2026 Last Month",
                "No Matching Code for ZZ Last Month A ALPHA day 06 - No Duty Info loaded",
                "No Matching Code for ZZ Last Month A ALPHA day 07 - No Duty Info loaded", ""}));
  EXPECT_EQ(text(0, 5), "ZZ");
  EXPECT_EQ(day(0, 5)[kActDutyStart], 480);
  EXPECT_EQ(day(0, 6)[kActTimeOnDuty], 540);
}

TEST_F(LastMonthTest, WhichLinesAndCrewAreLoaded) {
  TPilot& delta = doc->pilot(3);
  delta.CreditCarriedIn() = 500;
  delta.LegalCheckIn() = 60;
  delta.FatUnitsCarriedIn() = 70;
  delta.CarryIn[kFatUnitsCarriedIn + 1] = 80;
  delta.CarryIn[kBlockComplete] = 1;
  delta.Activity[3][kActCredit] = 90;
  delta.ActivityText[3] = "VAC";
  doc->pilot(0).Last89HardTimeText = "kept";

  // A line cut after twelve entries keeps them; the thirteenth is not read.
  std::vector<std::string> entries(13, std::string(40, ' '));
  entries[11] = CodeEntry("CB", {12, 6, 2026}, 480, {12, 6, 2026}, 1020);
  entries[12] = CodeEntry("CB", {13, 6, 2026}, 480, {13, 6, 2026}, 1020);
  const std::string cut = ActivityLine(11, entries, [](int) { return 99; }).substr(0, 500);
  ASSERT_TRUE(run({ActivityLine(77, {CodeEntry("CB", {1, 6, 2026}, 480, {1, 6, 2026}, 1020)}), cut,
                   ActivityLine(22, {CodeEntry("CB", {2, 6, 2026}, 480, {2, 6, 2026}, 1020)}),
                   std::string(99, '0'),
                   ActivityLine(33, {CodeEntry("CB", {4, 6, 2026}, 480, {4, 6, 2026}, 1020)})},
                  {PairingLine(CarriedIn())}));
  EXPECT_EQ(closed, 1);
  EXPECT_EQ(doc->FreshDocument, 0);
  EXPECT_EQ(text(0, 12), "COB");
  EXPECT_EQ(day(0, 13)[kActWorkedState], 0);
  EXPECT_EQ(day(0, 12)[kActDailyHardTime], 0);  // past the line's end
  EXPECT_EQ(doc->pilot(0).Last89HardTimeText, "kept");
  // The first crew member with the number takes the line.
  EXPECT_EQ(day(1, 2)[kActWorkedState], 1);
  EXPECT_EQ(day(2, 2)[kActWorkedState], 0);
  // After the short line nothing is read; what he carried is cleared, but
  // not the texts nor what follows the fatigue units.
  EXPECT_EQ(day(3, 4)[kActWorkedState], 0);
  EXPECT_EQ(delta.Activity[3][kActCredit], 0);
  EXPECT_EQ(delta.ActivityText[3], "VAC");
  EXPECT_EQ(delta.CreditCarriedIn() + delta.LegalCheckIn() + delta.FatUnitsCarriedIn() +
                delta.CarryIn[kFatUnitsCarriedIn + 1],
            0);
  EXPECT_EQ(delta.CarryIn[kBlockComplete], 1);
  EXPECT_EQ(ui.progressEvents.front(), "open Loading Last Month's Data / Completed %d of %d");
  EXPECT_TRUE(std::none_of(ui.shown.begin(), ui.shown.end(),
                           [](const Shown& s) { return s.kind == Shown::Kind::List; }));
}

// The dialogs, refusals and questions of the import, on files.
TEST_F(LastMonthTest, DialogsRefusalsAndQuestions) {
  TempFolder folder;
  const auto write = [&](const std::string& name, const std::string& text) {
    std::ofstream(folder / name, std::ios::binary) << text;
    return (folder / name).string();
  };
  const std::string activity = write("YYZCRJactp.ext", Lines({ActivityLine(11, {})}));
  const std::string pairings = write("YYZCRJprgp.ext", Lines({PairingLine(CarriedIn())}));
  const std::string shortFile = write("short.ext", "0000000110\n");
  const std::string missing = (folder / "missing.ext").string();
  using Files = std::vector<std::vector<std::string>>;
  struct Case {
    const char* what;
    Files files;
    std::vector<Answer> answers;
    bool loaded;
    std::size_t dialogs;
    std::string message;
    bool emptyRoster = false;
  };
  const Case cases[] = {
      {"empty roster", {}, {}, false, 0, "No Employees to Load Last Month Data for", true},
      {"activity cancelled", {{}}, {}, false, 1, ""},
      {"activity unreadable", {{missing}}, {}, false, 1, missing},
      {"activity refused", {{shortFile}}, {Answer::No}, false, 1, ""},
      {"pairings cancelled", {{activity}, {}}, {}, false, 2, ""},
      {"pairings unreadable",
       {{activity}, {folder.path().string()}},
       {},
       false,
       2,
       folder.path().string()},
      {"pairings refused", {{activity}, {shortFile}}, {Answer::No}, false, 2, ""},
      {"both accepted", {{shortFile}, {shortFile}}, {Answer::Yes, Answer::Yes}, true, 2, ""},
      {"both valid", {{activity}, {pairings}}, {}, true, 2, ""},
  };
  for (const Case& c : cases) {
    makeDocument();
    if (c.emptyRoster) doc->PilotCount = 0;
    doc->pilot(0).CreditCarriedIn() = 5;
    ScriptedUi dialogUi;
    MemorySettings dialogSettings;
    const ImportServices dialogServices{dialogUi, clipboard, dialogSettings, log};
    for (const auto& f : c.files) dialogUi.openResults.push_back(f);
    for (const Answer a : c.answers) dialogUi.answers.push_back(a);
    closed = 0;
    EXPECT_EQ(LoadLastMonthActivity(*doc, dialogServices, [this] { ++closed; }), c.loaded)
        << c.what;
    ASSERT_EQ(dialogUi.fileDialogs.size(), c.dialogs) << c.what;
    EXPECT_EQ(closed, c.loaded ? 1 : 0) << c.what;
    EXPECT_EQ(doc->pilot(0).CreditCarriedIn(), c.loaded ? 0 : 5) << c.what;
    EXPECT_EQ(doc->FreshDocument, c.loaded ? 0 : 1) << c.what;
    const auto messages = dialogUi.messageTexts();
    EXPECT_EQ(messages.empty() ? "" : messages.front(), c.message) << c.what;
    for (const Shown& s : dialogUi.shown)
      if (s.kind == Shown::Kind::Question) {
        EXPECT_EQ(s.text, kLastMonthQuestion) << c.what;
      }
    if (c.dialogs > 0) {
      EXPECT_EQ(dialogUi.fileDialogs[0].title, kActivityDialogTitle);
      EXPECT_EQ(dialogUi.fileDialogs[0].filter, kActivityFileFilter);
    }
    if (c.dialogs > 1) {
      EXPECT_EQ(dialogUi.fileDialogs[1].title, kPriorPairingsDialogTitle);
      EXPECT_EQ(dialogUi.fileDialogs[1].filter, kPriorPairingsFileFilter);
      // The folder of the activity file is kept once it has been opened.
      EXPECT_EQ(
          dialogSettings.readString(kLastOverlapDataPath.section, kLastOverlapDataPath.key, ""),
          folder.path().string());
    }
  }
}

}  // namespace
}  // namespace lumora::testing
