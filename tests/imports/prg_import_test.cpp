#include "imports/prg_import.h"

#include <gtest/gtest.h>

#include <fstream>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "doubles/memory_settings.h"
#include "doubles/recording_clipboard.h"
#include "files/temp_folder.h"
#include "imports/prg_lines.h"
#include "model/document.h"
#include "platform/event_log.h"
#include "support/import_rig.h"
#include "support/scripted_ui.h"

namespace lumora::testing {
namespace {

using Lines = std::vector<std::string>;

int CountOf(std::string_view text, std::string_view part) {
  int n = 0;
  for (std::size_t at = text.find(part); at != std::string_view::npos; at = text.find(part, at + 1))
    ++n;
  return n;
}

std::string Join(const Lines& lines, const char* end = "\n") {
  std::string text;
  for (const std::string& line : lines) text += line + end;
  return text;
}

Lines operator+(Lines a, const Lines& b) {
  a.insert(a.end(), b.begin(), b.end());
  return a;
}

Duty LastDuty() {
  Duty d;
  d.date = 20260707;
  d.report = 780;
  d.end = 960;
  d.length = 180;
  d.station = "YYJ";
  d.remark = "";
  d.totals[0] = 60;
  d.totals[1] = 0;
  d.totals[2] = 180;
  d.credit = 250;
  return d;
}

// The J8123 trip: reports 07:00 on Monday 6 July 2026, flies YYJ-SEA-YVR,
// lays over in YVR, flies home the next day.
Lines SampleTrip(const Header& header = Header{}) {
  const int first = header.date;
  const int second = header.date + 1;  // stays inside July in these tests
  Duty d1;
  d1.key = header.key;
  d1.date = first;
  Duty d2 = LastDuty();
  d2.key = header.key;
  d2.date = second;
  return {header.str(),
          Leg(header.key, first, 123, "YYJ", first, 480, "SEA", 540, 60),
          Leg(header.key, first, 124, "SEA", first, 600, "YVR", 645, 45),
          d1.str(),
          Leg(header.key, first, 125, "YVR", second, 840, "YYJ", 900, 60),
          d2.str()};
}

// A one-day trip with a single duty period.
Lines DayTrip(const std::string& key, int date, int report = 600) {
  Header h;
  h.key = key;
  h.date = date;
  h.report = report;
  h.tafb = 480;
  h.credit = 300;
  Duty d;
  d.key = key;
  d.date = date;
  d.report = report;
  d.end = (report + 480) % 1440;
  d.length = 480;
  d.remark = "";
  d.credit = 300;
  return {h.str(), d.str()};
}

std::string Wide(std::string line) {
  line.resize(std::max<std::size_t>(line.size(), 80), ' ');
  return line;
}

class PrgImportTest : public ::testing::Test, protected lumora::testing::ImportRig {
 protected:
  PrgImportTest() {
    FillCalendar(doc->cal, ToDayNumber({1, 7, 2026}), ToDayNumber({31, 7, 2026}));
    doc->FileDescriptor = "YYJDH8CAJ";
  }

  bool Load(const Lines& lines, std::string_view prefix = "", bool allEquipment = false) {
    std::istringstream in(Join(lines));
    return LoadPrgPairingsFrom(*doc, in, prefix, allEquipment, services, hooks);
  }

  const TPair& pair(int p) const { return doc->Pairs[static_cast<std::size_t>(p)]; }

  Lines warningLines() const {
    for (const Shown& s : ui.shown)
      if (s.kind == Shown::Kind::List && s.caption == kPrgWarningsCaption) return s.lines;
    return {};
  }

  std::unique_ptr<TDocument> doc = std::make_unique<TDocument>();
  PrgImportHooks hooks;
};

TEST_F(PrgImportTest, ReadsEveryRecordOfAPairing) {
  TempFolder folder;
  ASSERT_TRUE(log.open(folder / "log.txt"));
  ASSERT_TRUE(Load(SampleTrip()));
  log.close();

  EXPECT_TRUE(ui.shown.empty());
  EXPECT_EQ(doc->LastPair, 0);
  const TPair& p = pair(0);
  EXPECT_EQ(p.CrewPosition, "CA");
  EXPECT_EQ(p.OffTime, 960);
  EXPECT_EQ(p.Length, 2);
  EXPECT_EQ(p.FatUnits, 3 * 60 + 300 + 180);
  EXPECT_EQ(p.DailyHardTime[0], 150);
  // 300 + 250 falls 50 short of the total: the last day takes the difference.
  EXPECT_EQ(p.DailyCredit[0], 300);
  EXPECT_EQ(p.DailyCredit[1], 300);
  EXPECT_EQ(p.LayoverText, "YVR");
  for (int d = 0; d < kMonthDays; ++d) EXPECT_EQ(p.DayStatus[d], d == 5 ? 1 : 0) << d;
  EXPECT_EQ(p.PairingText, Join(SampleTrip()));
  EXPECT_TRUE(p.Valid) << p.ValidationText;
  EXPECT_EQ(p.UsaSegments, 1);
  EXPECT_EQ(doc->Modified, 1);
  EXPECT_EQ(p.DisplayText,
            "    J8123   BSE REPT:07:00L   OPERATES - JUL.6-JUL.27 MON\n"
            "    CA01FO01                        EXCEPT JUL.13  \n"
            " \n"
            "  1     123   YYJ-SEA   08:00 09:00   1:00\n"
            "  1     124   SEA-YVR   10:00 10:45   0:45  5:30   1:45   5:00   5:00  YVR 20:00\n"
            "    REPT: 07:00 D-END: 12:00 HOTEL ABC                              \n"
            "  2     125   YVR-YYJ   14:00 15:00   1:00  1:00   0:00   3:00   3:00 \n"
            "    REPT: 13:00 D-END: 16:00\n"
            "   TOTALS  TAFB 33:00   BLOCK  3:30   CREDIT 10:00   FAT UNITS: 11:00   DUTY:  8:00 \n"
            "   USA SEGMENT ");

  const std::string logText = ReadText(folder / "log.txt");
  EXPECT_NE(logText.find("BeginLoadPRGPairs\nZeroDataBegin\nZeroDataEnd\n"), std::string::npos);
  EXPECT_NE(logText.find("Loading Pair 8123  Index is -1\n"), std::string::npos);
  EXPECT_EQ(CountOf(logText, "Cannot GetInt"), 0);
}

TEST_F(PrgImportTest, DisplayTextOfDeadheadsOtherSegmentsAndWeekdays) {
  Header h;
  h.exceptions[0] = 0;
  ASSERT_TRUE(Load(
      {h.str(), OtherCarrier("J8123", 20260706, "AC08123", 20260706, "YYJ", 480, "YVR", 525, "CRJ"),
       Segment("J8123", 20260706, "GND", "YVR", 20260707, 600, "YVR", 630), LastDuty().str()}));
  const std::string expected = "    CA01FO01" + std::string(25, ' ') + "\n \n" +
                               "  1 DHAC 8123 YYJ-YVR   08:00 08:45         CRJ\n" +
                               "  2     GND   YVR-YVR   10:00 10:30" + std::string(13, ' ') +
                               " 1:00";
  EXPECT_NE(pair(0).DisplayText.find(expected), std::string::npos) << pair(0).DisplayText;
  EXPECT_EQ(pair(0).FatUnits, 60 + 180);  // the other segment counts nothing

  const std::string start = "    J8123   BSE REPT:07:00L   OPERATES - JUL.6-JUL.27 ";
  const std::pair<std::string, std::string> days[] = {{"YYYYYYY", "EXCEPT\n"},
                                                      {"YNYNYNN", "MON WED FRI\n"},
                                                      {"YYYYYNN", "EXCEPT SAT SUN\n"},
                                                      {"YYYNNNN", "MON TUE WED\n"}};  // a tie
  for (const auto& [weekdays, named] : days) {
    SCOPED_TRACE(weekdays);
    h = Header{};
    h.weekdays = weekdays;
    ASSERT_TRUE(Load(SampleTrip(h)));
    const std::string& text = pair(0).DisplayText;
    EXPECT_EQ(text.substr(0, text.find('\n') + 1), start + named);
  }
}

TEST_F(PrgImportTest, FurtherOperatingDatesRepeatTheHeaderAndTheirLegsAreIgnored) {
  Header again;
  again.date = 20260720;
  Header third;
  third.date = 20260727;
  ASSERT_TRUE(
      Load(SampleTrip() + SampleTrip(again) + DayTrip("J8124", 20260710) + SampleTrip(third)));
  ASSERT_EQ(doc->LastPair, 2);
  EXPECT_EQ(pair(0).DayStatus[19], 1);
  EXPECT_EQ(pair(0).DayStatus[26], 0);
  EXPECT_EQ(pair(0).FatUnits, 660);
  EXPECT_EQ(pair(0).PairingText, Join(SampleTrip()));
  EXPECT_EQ(pair(1).Number, 8124);
  // The same number after another one is a pairing of its own.
  EXPECT_EQ(pair(2).Number, 8123);
  EXPECT_EQ(pair(2).DayStatus[26], 1);
  EXPECT_EQ(pair(2).DayStatus[5], 0);
}

TEST_F(PrgImportTest, ReportAtMidnightMovesTheOperatingDatesToTheNextDay) {
  // 24:00 on 9 and 10 July is 00:00 on 10 and 11 July; so is the duty's.
  Lines lines = DayTrip("J8001", 20260709, 1440);
  Duty duty;
  duty.key = "J8001";
  duty.date = 20260710;
  duty.report = 1440;
  duty.end = 480;
  duty.length = 480;
  duty.remark = "";
  lines[1] = duty.str();
  Header again;
  again.key = "J8001";
  again.date = 20260710;
  again.report = 1440;
  lines.push_back(again.str());
  // 00:00 on the last day of June is this month's first day; on the last
  // day of July it is a day after the month.
  ASSERT_TRUE(Load(lines + DayTrip("J8002", 20260630, 0) + DayTrip("J8003", 20260731, 0)));
  ASSERT_EQ(doc->LastPair, 2);
  EXPECT_EQ(pair(0).OnTime, 0);
  EXPECT_EQ(pair(0).DayStatus[9], 1);
  EXPECT_EQ(pair(0).DayStatus[10], 1);
  EXPECT_EQ(pair(0).DailyStartTime[0], 0);
  EXPECT_EQ(pair(0).DailyDutyTime[0], 480);
  EXPECT_TRUE(pair(0).Valid) << pair(0).ValidationText;
  EXPECT_NE(pair(0).DisplayText.find("REPT: 00:00 D-END: 08:00"), std::string::npos);
  for (const std::string& line : warningLines()) EXPECT_EQ(line.find("8001"), std::string::npos);
  EXPECT_EQ(pair(1).DayStatus[0], 1);
  for (int d = 0; d < kMonthDays; ++d) EXPECT_EQ(pair(2).DayStatus[d], 0) << d;

  // February's period runs from 31 January to 1 March.
  FillCalendar(doc->cal, ToDayNumber({31, 1, 2027}), ToDayNumber({1, 3, 2027}));
  ASSERT_TRUE(Load(DayTrip("J8001", 20270131, 0) + DayTrip("J8002", 20270228, 1440)));
  EXPECT_EQ(pair(0).DayStatus[0], 0);
  EXPECT_EQ(pair(0).DayStatus[1], 1);
  EXPECT_EQ(pair(1).DayStatus[29], 1);  // 1 March
}

TEST_F(PrgImportTest, OneCopyPerCrewPositionOfTheCategory) {
  struct Case {
    std::uint8_t crewType;
    const char* complement;
    Lines positions;
  };
  const Case cases[] = {
      {0, "CA01FO01", {"CA"}}, {0, "CA02FO01", {"CA", "CA"}},
      {1, "CA02FO01", {"FO"}}, {2, "FA02PU01", {"PU", "FA", "FA"}},
      {2, "CA01FO01", {}},     {0, "FA02PU01", {}},
      {1, "CA01FO00", {}},     {5, "CA01FO01", {""}}};  // an unknown category: stored once
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.crewType) + c.complement);
    ui.shown.clear();
    doc->CrewType = c.crewType;
    Header h;
    h.complement = c.complement;
    const int copies = static_cast<int>(c.positions.size());
    ASSERT_EQ(Load(SampleTrip(h), "J", true), copies > 0);
    if (copies == 0) continue;  // the month is left as it was (below)
    EXPECT_EQ(doc->LastPair, copies - 1);
    EXPECT_EQ(doc->LastBasePair, copies - 1);
    for (int i = 0; i < copies; ++i) {
      EXPECT_EQ(pair(i).CrewPosition, c.positions[static_cast<std::size_t>(i)]);
      EXPECT_EQ(pair(i).DisplayText, pair(0).DisplayText);
    }
    EXPECT_EQ(ui.messageTexts(), Lines{});
  }
}

TEST_F(PrgImportTest, DutyRecordsGiveTheDaysLayoversAndCredits) {
  // A record without duty data only joins the source text.
  auto lines = SampleTrip();
  Duty blank;
  blank.noDutyData = true;
  blank.station = "SEA";
  blank.credit = 999;
  lines.insert(lines.begin() + 3, blank.str());
  ASSERT_TRUE(Load(lines));
  EXPECT_EQ(pair(0).PairingText, Join(lines));
  EXPECT_EQ(pair(0).LayoverText, "YVR");
  EXPECT_EQ(pair(0).DailyCredit[0], 300);
  EXPECT_EQ(pair(0).DailyDutyTime[0], 300);

  // A second duty period on a day replaces its station; a day without duty
  // repeats the last one.
  Header four;
  four.tafb = 4000;
  Duty d1a;
  d1a.date = 20260707;
  d1a.station = "SEA";
  Duty d1b = d1a;
  d1b.station = "YYC";
  Duty d3 = LastDuty();
  d3.date = 20260709;
  ASSERT_TRUE(Load({four.str(), Duty{}.str(), d1a.str(), d1b.str(), d3.str()}));
  EXPECT_EQ(pair(0).LayoverText, "YVRYYCYYC");
  EXPECT_EQ(pair(0).Length, 4);

  // Per-day credits are forced to add up: a last day without credit leaves
  // the difference to the day before; too much on one day is taken off it.
  Header h;
  h.credit = 700;
  lines = SampleTrip(h);
  Duty last = LastDuty();
  last.credit = 0;
  lines[5] = last.str();
  Header oneDay;
  oneDay.key = "J8200";
  oneDay.tafb = 480;
  oneDay.credit = 200;
  Duty only;
  only.key = "J8200";
  only.remark = "";
  only.credit = 350;
  ASSERT_TRUE(Load(lines + Lines{oneDay.str(), only.str()}));
  EXPECT_EQ(pair(0).DailyCredit[0], 700);
  EXPECT_EQ(pair(0).DailyCredit[1], 0);
  EXPECT_EQ(pair(1).DailyCredit[0], 200);
  EXPECT_TRUE(pair(0).Valid);
  EXPECT_TRUE(pair(1).Valid);
}

TEST_F(PrgImportTest, CrewKeepTheirPairingsByNumberWhateverTheFilesOrderAndHearOfTheLostOnes) {
  doc->PilotCount = 3;
  doc->Pilots[2].Name = "C CHARLIE";
  auto cells = [&](int c) -> auto& {
    return doc->Pilots[static_cast<std::size_t>(c)].DayCell;
  };
  const auto assign = [&](int c, int d, int p) {
    cells(c)[static_cast<std::size_t>(d)] = p;
    doc->Pairs[static_cast<std::size_t>(p)].DayStatus[static_cast<std::size_t>(d)] = 2;
  };
  ASSERT_TRUE(Load(SampleTrip() + DayTrip("J8124", 20260710) + DayTrip("J8125", 20260711)));
  assign(0, 5, 0);   // J8123 on 6 July
  assign(2, 9, 1);   // J8124 on 10 July
  assign(2, 10, 2);  // J8125 on 11 July
  cells(2)[1] = -2;  // another assignment

  // A file in another order: each instance follows its pairing.
  ASSERT_TRUE(Load(DayTrip("J8125", 20260711) + DayTrip("J8124", 20260710) + SampleTrip()));
  EXPECT_EQ(cells(0)[5], 2);
  EXPECT_EQ(pair(2).DayStatus[5], 2);
  EXPECT_EQ(cells(2)[9], 1);
  EXPECT_EQ(cells(2)[10], 0);
  EXPECT_EQ(pair(0).DayStatus[10], 2);
  EXPECT_EQ(cells(2)[1], -2);
  EXPECT_TRUE(ui.shown.empty());

  // A pairing gone, and one that no longer operates that day: back to
  // empty, and said.
  ASSERT_TRUE(Load(SampleTrip() + DayTrip("J8125", 20260712)));
  EXPECT_EQ(cells(0)[5], 0);
  EXPECT_EQ(cells(2)[9], -1);
  EXPECT_EQ(cells(2)[10], -1);
  EXPECT_EQ(pair(1).DayStatus[11], 1);
  ASSERT_EQ(ui.shown.size(), 1u);
  EXPECT_EQ(ui.shown[0].caption, kLostAssignmentsCaption);
  EXPECT_EQ(ui.shown[0].lines,
            (Lines{"3 C CHARLIE: pairing J8124 CA of 10/07/2026 is not in this file and was "
                   "taken off the block",
                   "3 C CHARLIE: pairing J8125 CA of 11/07/2026 is not in this file and was "
                   "taken off the block",
                   ""}));

  // A file with no pairing of the document (another base's, say) replaces
  // nothing: the month keeps its pairings and every crew member his.
  ui.shown.clear();
  const int lastPair = doc->LastPair;
  EXPECT_FALSE(Load(DayTrip("V8001", 20260706)));
  EXPECT_EQ(ui.messageTexts(), Lines{"Unable to load pairings from this file"});
  EXPECT_EQ(doc->LastPair, lastPair);
  EXPECT_EQ(cells(0)[5], 0);
  EXPECT_EQ(pair(0).DayStatus[5], 2);
}

TEST_F(PrgImportTest, AFileThatDoesNotStartWithAHeaderChangesNothing) {
  ASSERT_TRUE(Load(SampleTrip()));
  doc->SegmentSummary = "kept";
  doc->Modified = 0;
  for (const std::string text : {"", "2J8123", " 1J8123"}) {
    ui.shown.clear();
    std::istringstream in(text + "\n" + Join(SampleTrip()));
    EXPECT_FALSE(LoadPrgPairingsFrom(*doc, in, "", false, services, hooks));
    ASSERT_EQ(ui.shown.size(), 1u);
    EXPECT_EQ(ui.shown[0].text,
              "This does not appear to be a valid PRG file. The first char should be 1");
    EXPECT_EQ(ui.shown[0].caption, "Lumora");
  }
  std::istringstream empty("");
  EXPECT_FALSE(LoadPrgPairingsFrom(*doc, empty, "", false, services, hooks));
  EXPECT_EQ(pair(0).Number, 8123);
  EXPECT_EQ(doc->SegmentSummary, "kept");
  EXPECT_EQ(doc->Modified, 0);
}

TEST_F(PrgImportTest, AFullTableKeepsAndCompletesThePairingsStored) {
  doc->PilotCount = 1;
  Lines lines;
  for (int i = 0; i <= kMaxImportedPairs; ++i) {
    Header h;
    h.key = "J" + std::to_string(1000 + i);
    h.tafb = 480;
    h.credit = 300;
    lines.push_back(h.str());
  }
  ASSERT_TRUE(Load(lines, "J", true));
  doc->Pilots[0].DayCell[5] = 2999;
  doc->Pairs[2999].DayStatus[5] = 2;
  ui.shown.clear();
  ASSERT_TRUE(Load(lines, "J", true));
  EXPECT_EQ(ui.messageTexts(),
            Lines{"Maximum Number of Pairings Reached. Not all Pairings Loaded"});
  EXPECT_EQ(doc->LastPair, kMaxImportedPairs - 1);
  const TPair& last = pair(kMaxImportedPairs - 1);
  EXPECT_EQ(last.Number, 3999);
  EXPECT_EQ(last.DailyCredit[0], 300);  // completed: per-day credit forced
  EXPECT_EQ(last.DayStatus[5], 2);      // and re-linked
  EXPECT_EQ(doc->Pilots[0].DayCell[5], 2999);
  EXPECT_EQ(doc->Pairs[kMaxImportedPairs].Number, 0);
}

TEST_F(PrgImportTest, LinesOfOtherBasesAndEquipmentAreSkipped) {
  const auto lines = DayTrip("J8001", 20260706) + DayTrip("J5002", 20260706) +
                     DayTrip("V8003", 20260706) + DayTrip("J2004", 20260706) +
                     DayTrip("J7005", 20260706);
  struct Case {
    std::string descriptor, prefix;
    bool all;
    std::vector<int> numbers;
  };
  const Case cases[] = {{"YYJDH8CAJ", "", false, {8001}},
                        {"YYJDH8CAJ", "", true, {8001, 5002, 2004, 7005}},
                        {"YYJDH8CAJ", "J5", false, {5002}},
                        {"YYJCRJCAJ", "", false, {2004, 7005}}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.descriptor + c.prefix);
    doc->FileDescriptor = c.descriptor;
    ASSERT_TRUE(Load(lines, c.prefix, c.all));
    std::vector<int> numbers;
    for (int p = 0; p <= doc->LastPair; ++p) numbers.push_back(pair(p).Number);
    EXPECT_EQ(numbers, c.numbers);
  }
}

// Keys the loads above do not reach: short descriptors name the letter by
// their base code, first in the list; an unknown base selects nothing.
TEST(PrgKeyTest, ComesFromThePrefixOrTheFileDescriptor) {
  const auto key = [](std::string_view prefix, std::string_view descriptor) {
    const PrgSelectionKey k = PrgKeyFor(prefix, false, descriptor);
    return std::string{k.letter, k.digit, k.alternativeDigit};
  };
  EXPECT_EQ(key("", "YULCRJFOM"), "M72");
  EXPECT_EQ(key("", "YQBDH4"), "Q4X");
  EXPECT_EQ(key("", "YYZYVR"), std::string("V\0X", 3));
  EXPECT_EQ(key("Q", "YYJDH8CAJ"), std::string("Q\0X", 3));
  EXPECT_FALSE(PrgKeyFor("", false, "XXX").matches("1J8123"));
  EXPECT_TRUE(PrgKeyFor("J", true, "").matches("1J"));
  EXPECT_FALSE(PrgKeyFor("", false, "YYJCRJFAJ").matches("2JX"));
}

TEST_F(PrgImportTest, RestAfterAndReleaseDependOnCrewKindAndDaylightSaving) {
  const auto restAfter = [&](std::uint8_t crewType, int report, int end, int length) {
    doc->CrewType = crewType;
    Header h;
    h.rest = 700;
    h.complement = "CA01FO01FA01";
    Duty d = LastDuty();
    d.date = 20260706;
    d.report = report;
    d.end = end;
    d.length = length;
    EXPECT_TRUE(Load({h.str(), d.str()}));
    return pair(0).MinRestAfter;
  };
  EXPECT_EQ(restAfter(0, 420, 720, 300), 660);
  EXPECT_EQ(restAfter(1, 420, 720, 480), 780);   // three hours of time-zone difference
  EXPECT_EQ(restAfter(0, 1320, 360, 300), 780);  // past midnight
  EXPECT_EQ(restAfter(2, 420, 720, 600), 700);   // cabin crew keep the header's rest

  // March 2026 springs forward at 02:00 on Sunday the 8th.
  doc->CrewType = 0;
  FillCalendar(doc->cal, ToDayNumber({1, 3, 2026}), ToDayNumber({31, 3, 2026}));
  const auto trip = [](const std::string& key, int date, int report, int tafb) {
    Header h;
    h.key = key;
    h.date = date;
    h.report = report;
    h.tafb = tafb;
    return h.str();
  };
  ASSERT_TRUE(Load({trip("J8001", 20260307, 1200, 1650),   // 20:00 on 7 March, across
                    trip("J8002", 20260307, 1200, 300),    // released before 02:00
                    trip("J8003", 20260308, 180, 600)}));  // reports after it
  EXPECT_EQ(pair(0).OffTime, 1410 + 60 - 1440);
  EXPECT_EQ(pair(0).Length, 3);
  EXPECT_EQ(pair(1).OffTime, 60);
  EXPECT_EQ(pair(2).OffTime, 780);
  // Other months have no change, whatever the calendar held before.
  FillCalendar(doc->cal, ToDayNumber({1, 7, 2026}), ToDayNumber({31, 7, 2026}));
  doc->cal.DstShift = 60;
  ASSERT_TRUE(Load({trip("J8001", 20260707, 1200, 1650)}));
  EXPECT_EQ(pair(0).OffTime, 1410);
}

TEST_F(PrgImportTest, SegmentSummaryCountsEveryBaseByRouteAndPrefix) {
  auto lines = SampleTrip();
  lines.push_back(Wide(Leg("J8999", 20260706, 1, "YYJ", 20260706, 0, "SEA", 0, 60)));
  lines.push_back(Wide(Leg("J8999", 20260706, 1, "YYJ", 20260706, 0, "SEA", 0, 45)));
  lines.push_back(Wide(Leg("V5999", 20260706, 1, "YVR", 20260706, 0, "YYJ", 0, 30)));
  lines.push_back(
      Wide(OtherCarrier("J8999", 20260706, "AC01234", 20260706, "YVR", 0, "YYC", 0, "CRJ")));
  lines.push_back(Leg("J8999", 20260706, 1, "YYZ", 20260706, 0, "YUL", 0, 30));  // too short
  ASSERT_TRUE(Load(lines));
  const std::string none(16, ' ');
  EXPECT_EQ(doc->SegmentSummary, std::string(8, ' ') + " ----- J8 -----  ----- V5 ----- \n" +
                                     "YYJ-SEA    01:45  DH  0" + none + "\n" + "YVR-YYJ" + none +
                                     "    00:30  DH  0\n" + "YVR-YYC    00:00  DH  1" + none +
                                     "\n");

  // It stops at the twenty-first key.
  std::string text;
  for (char letter = 'A'; letter <= 'U'; ++letter)
    text +=
        Wide(Leg(std::string(1, letter) + "1000", 20260706, 1, "YYJ", 20260706, 0, "SEA", 0, 60)) +
        "\n";
  text += Wide(Leg("A1000", 20260706, 1, "YVR", 20260706, 0, "SEA", 0, 60)) + "\n";
  std::istringstream in(text);
  const std::string summary = BuildSegmentSummary(in);
  EXPECT_EQ(summary.substr(0, summary.find('\n')).size(), 8u + 20 * 16);
  EXPECT_EQ(summary.find("U1"), std::string::npos);
  EXPECT_EQ(summary.find("YVR-SEA"), std::string::npos);
  EXPECT_EQ(CountOf(summary, "01:00  DH  0"), 20);
}

TEST_F(PrgImportTest, DamagedLinesAreReportedOnceEachKindAtTheEnd) {
  TempFolder folder;
  ASSERT_TRUE(log.open(folder / "log.txt"));
  auto lines = SampleTrip();
  lines[1].resize(50);  // cut before the arrival time
  lines[2].resize(40);
  lines.push_back("9" + std::string(1200, 'x'));
  ASSERT_TRUE(Load(lines));
  log.close();
  EXPECT_EQ(CountOf(ReadText(folder / "log.txt"), "Cannot GetInt. String too Short\n"), 2);
  const Lines expected{
      "1 line was longer than 999 characters and cut there, the first on line 7",
      "2 records were too short for all their fields and read the missing ones as 0, the first "
      "on line 2",
      ""};
  EXPECT_EQ(warningLines(), expected);
  EXPECT_EQ(clipboard.texts, Lines{expected[0] + "\n" + expected[1] + "\n\n"});
  EXPECT_EQ(pair(0).FatUnits, 660);
}

TEST_F(PrgImportTest, DutyPeriodsOutsideThePairingAreReportedAndIgnored) {
  auto lines = SampleTrip();
  Duty before;
  before.date = 20260705;
  Duty undated;
  undated.date = 20261399;
  Duty late;
  late.date = 20260901;
  lines.insert(lines.begin() + 3, {before.str(), undated.str(), late.str()});
  Header badDate;
  badDate.key = "J8124";
  badDate.date = 20260231;
  ASSERT_TRUE(Load(lines + Lines{badDate.str(), Duty{}.str()}));
  EXPECT_EQ(pair(0).DailyCredit[0], 300);
  EXPECT_EQ(pair(0).LayoverText, "YVR");
  EXPECT_EQ(
      warningLines(),
      (Lines{"Pairing 8123: the duty period on line 4 is dated outside the pairing's days "
             "and was ignored",
             "Pairing 8123: the duty period on line 5 has no valid date and was ignored",
             "Pairing 8123: the duty period on line 6 is dated outside the pairing's days "
             "and was ignored",
             "Pairing 8124: the operating date on line 10 is not a date and was ignored", ""}));
}

TEST_F(PrgImportTest, APairingKeepsAtMostItsShareOfSourceText) {
  Lines lines = {Header{}.str()};
  const std::string leg = Leg("J8123", 20260706, 1, "YYJ", 20260706, 0, "YVR", 0, 60);
  const std::size_t fit = (kPrgMaxPairingText - lines[0].size() - 1) / (leg.size() + 1);
  for (std::size_t i = 0; i < fit + 10; ++i) lines.push_back(leg);
  ASSERT_TRUE(Load(lines));
  EXPECT_LE(pair(0).PairingText.size(), kPrgMaxPairingText);
  EXPECT_EQ(pair(0).FatUnits, static_cast<int>(fit) * 60);
  ASSERT_EQ(warningLines().size(), 2u);
  EXPECT_EQ(warningLines()[0],
            "Pairing 8123 holds more lines than one pairing can keep, its "
            "lines from line " +
                std::to_string(fit + 2) + " on were ignored");
}

TEST_F(PrgImportTest, LineEndingsAndNulBytesDoNotChangeTheRecords) {
  std::istringstream in(Join(SampleTrip(), "\r\n"));
  ASSERT_TRUE(LoadPrgPairingsFrom(*doc, in, "", false, services, hooks));
  const std::string crlf = pair(0).DisplayText;
  auto lines = SampleTrip();
  lines[1] += std::string("\0garbage", 8);
  ASSERT_TRUE(Load(lines));
  EXPECT_EQ(pair(0).DisplayText, crlf);
}

TEST_F(PrgImportTest, LoadsFromAFileRunningTheHooksInTheirPlaces) {
  Lines calls;
  hooks.showPairingWarnings = [&] { calls.push_back("warnings " + std::to_string(doc->LastPair)); };
  hooks.refreshCaption = [&] { calls.push_back("caption"); };
  hooks.setGaugeCaption = [&](std::string_view text) { calls.push_back(std::string(text)); };
  ASSERT_TRUE(Load(SampleTrip()));
  EXPECT_EQ(calls, (Lines{"Loading Pairs", "warnings 0", "caption", ""}));

  TempFolder folder;
  const auto path = folder / "JUL.PRG";
  std::ofstream(path, std::ios::binary)
      << Join(SampleTrip()) << Wide(Leg("J8123", 20260706, 1, "YYJ", 20260706, 0, "SEA", 0, 60))
      << "\n";
  ASSERT_TRUE(LoadPrgPairings(*doc, path.string(), "", false, services));
  EXPECT_EQ(doc->LastPair, 0);
  EXPECT_EQ(settings.readString("LM", "LASTPRGPATH", ""), folder.path().string());
  EXPECT_NE(doc->SegmentSummary.find("YYJ-SEA"), std::string::npos);

  ui.shown.clear();
  const std::string missing = (folder / "missing.PRG").string();
  EXPECT_FALSE(LoadPrgPairings(*doc, missing, "", false, services));
  EXPECT_FALSE(LoadPrgPairings(*doc, folder.path().string(), "", false, services));
  ASSERT_EQ(ui.shown.size(), 2u);
  EXPECT_EQ(ui.shown[0].text, missing);
  EXPECT_EQ(ui.shown[0].caption, "Unable to Open File");
  EXPECT_EQ(doc->LastPair, 0);
}

}  // namespace
}  // namespace lumora::testing
