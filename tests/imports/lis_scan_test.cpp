#include "imports/lis_scan.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <memory>
#include <ranges>

#include "doubles/memory_settings.h"
#include "doubles/recording_clipboard.h"
#include "files/temp_folder.h"
#include "model/document.h"
#include "platform/event_log.h"
#include "platform/settings_catalogue.h"
#include "support/import_rig.h"
#include "support/scripted_ui.h"

namespace lumora::testing {
namespace {

using Lines = std::vector<std::string>;

// A display text leg line, 39 characters: a marker goes in before its line feed.
std::string DisplayLeg(const std::string& flight, const std::string& route) {
  std::string line = "    " + flight + " " + route;
  line.resize(39, ' ');
  return line + "\n";
}

// A listing leg line: the flight number `offset` characters before the aircraft.
std::string LisLeg(const std::string& flight, const std::string& aircraft,
                   std::size_t offset = 71) {
  std::string line(10, ' ');
  line += flight;
  line.resize(10 + offset, ' ');
  return line + aircraft + " [50]\r\n";
}

std::string Listing(const std::string& key, const Lines& legs, const std::string& extra = "") {
  std::string text = "PAIRING " + key + "   YUL CRJ  CA01FO01\r\n" + extra;
  for (const std::string& leg : legs) text += leg;
  return text + " TOTALS  BLOCK  3:10\r\nMEALS US:  12.50  MEALS CAD: 17.25\r\n";
}

// Filler in front of the listings so that the text is long enough.
std::string Filler() {
  std::string text;
  while (text.size() < kLisMinText) text += std::string(98, '=') + "\r\n";
  return text;
}

const std::string kHead = "M7123 YUL 0700\n";
const std::string kFrench = "        LANGUAGE  FRENCH\r\n";
const std::string kEnglish = "        LANGUAGE  ENGLISH\r\n";

class LisScanTest : public ::testing::Test, protected lumora::testing::ImportRig {
 protected:
  LisScanTest() { FillCalendar(doc->cal, ToDayNumber({31, 1, 2027}), ToDayNumber({1, 3, 2027})); }

  TPair& addPair(const std::string& prefix, int number, const std::string& text) {
    TPair& pair = doc->Pairs[static_cast<std::size_t>(++doc->LastPair)];
    pair.Prefix = prefix;
    pair.Number = number;
    pair.DisplayText = text;
    return pair;
  }
  bool scan(const std::string& lis) { return ScanLisText(*doc, lis, services); }
  Lines list(std::string_view caption) const {  // the latest
    for (const Shown& s : std::views::reverse(ui.shown))
      if (s.kind == Shown::Kind::List && s.caption == caption) return s.lines;
    return {};
  }

  std::unique_ptr<TDocument> doc = std::make_unique<TDocument>();
};

TEST_F(LisScanTest, MarksLegsSharesAndMealsOfACaptainsDocument) {
  TempFolder folder;
  ASSERT_TRUE(log.open(folder / "events.log"));
  TPair& allCra =
      addPair("M1", 7123, kHead + DisplayLeg("0401", "YUL-YOW") + DisplayLeg("0402", "YOW-YUL"));
  TPair& half =
      addPair("M1", 7124, kHead + DisplayLeg("0501", "YUL-YQB") + DisplayLeg("0502", "YQB-YUL"));
  TPair& none = addPair("M1", 7125, kHead + DisplayLeg("0601", "YUL-YYZ"));
  addPair("M1", 7126, kHead);  // not listed
  addPair("", 42, kHead);      // cut before its meals line; no letter: never found
  const std::string lis =
      Filler() + Listing("M7123", {LisLeg("0401", "CRA"), LisLeg("0402", "CRA")}, kFrench) +
      Listing("M7124", {LisLeg("0501", "CRJ"), LisLeg("0502", "CRA")}) +
      Listing("M7125", {LisLeg("0601", "OAL")}) + "PAIRING 0042\r\n" + LisLeg("0701", "CRA");
  ASSERT_TRUE(scan(lis));
  log.close();

  const std::string meals = "\n   MEALS US:  12.50  MEALS CAD: 17.25";
  // A captains document never takes the French marking.
  EXPECT_EQ(allCra.DisplayText, kHead + DisplayLeg("0401", "YUL-YOW").insert(39, "  CRA") +
                                    DisplayLeg("0402", "YOW-YUL").insert(39, "  CRA") +
                                    " *** CRA100% CRA>74% CRA>49% CRA>24% CRA>0% *** " + meals);
  EXPECT_EQ(half.DisplayText, kHead + DisplayLeg("0501", "YUL-YQB").insert(39, "  CRJ") +
                                  DisplayLeg("0502", "YQB-YUL").insert(39, "  CRA") +
                                  " *** CRA>49% CRA>24% CRA>0% *** " + meals);
  EXPECT_EQ(none.DisplayText, kHead + DisplayLeg("0601", "YUL-YYZ") + " *** CRA=0% *** " + meals);
  EXPECT_EQ(list(kLisErrorsCaption),
            (Lines{"M7126 Not Found in LIS File", "0042 Not Found in LIS File", ""}));
  EXPECT_EQ(list(kLisSummaryCaption),
            (Lines{"Total Pairings 5", "0 Pairings Flagged as French", "M7123 is CRA 100%",
                   "M7124 is CRA > 49%", "M7125 is CRA 0%", ""}));
  EXPECT_EQ(ui.shown.back().caption, kLisSummaryCaption);  // errors first
  EXPECT_EQ(doc->Modified, 1);
  EXPECT_NE(ReadText(folder / "events.log").find("Scanning Pairing 0042 for CRA legs\n"),
            std::string::npos);
  EXPECT_EQ(ui.progressEvents.at(0), "open Scanning LIS Pairings / Scanning Pairing %d of %d");
}

TEST_F(LisScanTest, BandsFollowTheShareOfCraLegsAndIncompleteListingsAreErrors) {
  struct Case {
    int cra, other;
    std::string text;
  };
  const Case cases[] = {{3, 1, " *** CRA>74% CRA>49% CRA>24% CRA>0% *** "},  // 0.75
                        {1, 3, " *** CRA>24% CRA>0% *** "},                  // 0.25
                        {1, 4, " *** CRA>0% *** "},                          // 0.20
                        {0, 2, " *** CRA=0% *** "}};
  std::string lis = Filler();
  for (std::size_t i = 0; i < std::size(cases); ++i) {
    const int number = 7200 + static_cast<int>(i);
    Lines legs(static_cast<std::size_t>(cases[i].cra), LisLeg("9999", "CRA"));
    legs.insert(legs.end(), static_cast<std::size_t>(cases[i].other), LisLeg("9999", "E75"));
    lis += Listing("M" + std::to_string(number), legs);
    addPair("M", number, "no legs");
  }
  addPair("M", 7127, kHead);
  ASSERT_TRUE(scan(lis + "PAIRING M7127\r\n" + LisLeg("0701", "CRA")));
  for (std::size_t i = 0; i < std::size(cases); ++i) {
    const std::string& text = doc->Pairs[i].DisplayText;
    EXPECT_NE(text.find(cases[i].text), std::string::npos) << text;
    EXPECT_EQ(text.find("  CRA"), std::string::npos);  // no flight to mark
  }
  const Lines errors = list(kLisErrorsCaption);
  ASSERT_EQ(errors.size(), 4u + 4u + 5u + 2u + 3u);
  EXPECT_EQ(errors.front(), "M7200 Flight Number not Located");
  EXPECT_EQ(errors[errors.size() - 3], "M7127Incomplete in LIS File");
  EXPECT_EQ(errors[errors.size() - 2], " Can't Locate MEALS CAD:");
}

// " 875" also stands inside " 8757" and in a hotel's telephone number;
// marking there would cut into another line, and every later scan would cut
// again.
TEST_F(LisScanTest, AFlightNumberIsFoundOnlyAsALegsFlightNumber) {
  const std::string hotel = "    HOTEL TEL 875 0184\n";
  TPair& pair = addPair(
      "M", 7123, kHead + DisplayLeg(" 875", "YQB-YUL") + DisplayLeg("8757", "YYT-YUL") + hotel);
  const std::string lis =
      Filler() + Listing("M7123", {LisLeg(" 875", "CRA"), LisLeg("8757", "CRJ")});
  const std::string expected = kHead + DisplayLeg(" 875", "YQB-YUL").insert(39, "  CRA") +
                               DisplayLeg("8757", "YYT-YUL").insert(39, "  CRJ") + hotel +
                               " *** CRA>49% CRA>24% CRA>0% *** " +
                               "\n   MEALS US:  12.50  MEALS CAD: 17.25";
  for (int scans = 1; scans <= 2; ++scans) {
    ASSERT_TRUE(scan(lis));
    EXPECT_EQ(pair.DisplayText, expected) << scans << " scans";
  }
}

TEST_F(LisScanTest, ScanningAgainKeepsOneSummaryOneMealsTextAndOneFrenchMarker) {
  doc->CrewType = 2;
  TPair& french = addPair("M", 7123, kHead + DisplayLeg("0401", "YUL-YOW"));
  TPair& english = addPair("M", 7124, kHead + DisplayLeg("0501", "YUL-YQB"));
  const auto lis = [](const std::string& language, const std::string& aircraft) {
    // The cabin listing's flight number stands 63 characters before the aircraft.
    return Filler() + Listing("M7123", {LisLeg("0401", aircraft, 63)}, language) +
           Listing("M7124", {LisLeg("0501", "DH1", 63)}, kEnglish);
  };
  ASSERT_TRUE(scan(lis(kFrench, "CRA")));
  std::string second = lis(kFrench, "CRJ");
  second.replace(second.find("12.50"), 5, "99.00");
  ASSERT_TRUE(scan(second));

  const std::string& text = french.DisplayText;
  // The later listing's aircraft replaces the earlier marker.
  EXPECT_NE(text.find(DisplayLeg("0401", "YUL-YOW").insert(39, "  CRJ")), std::string::npos);
  EXPECT_EQ(text.find("  CRA"), std::string::npos);
  const auto once = [&](std::string_view what) {
    return text.find(what) != std::string::npos && text.find(what) == text.rfind(what);
  };
  EXPECT_TRUE(once(" *** CRA=0% *** ") && once("MEALS US:") && once(kFrenchPairingMarker));
  EXPECT_EQ(text.find("***"), text.find(" *** CRA=0% *** ") + 1);
  EXPECT_EQ(text.rfind("***"), text.find(" *** CRA=0% *** ") + 12);
  EXPECT_NE(text.find("\n   MEALS US:  99.00  MEALS CAD: 17.25"), std::string::npos);
  EXPECT_EQ(english.DisplayText.find("FRENCH"), std::string::npos);
  EXPECT_EQ(french.FrenchPairing, 1);
  EXPECT_EQ(english.FrenchPairing, 0);
  const Lines summary = list(kLisSummaryCaption);
  ASSERT_GE(summary.size(), 4u);
  EXPECT_EQ(Lines(summary.begin(), summary.begin() + 4),
            (Lines{"Total Pairings 2", "1 Pairings Flagged as French", "M7123 is French Pairing",
                   "M7123 is CRA 0%"}));
  // A later listing without the language takes the marking away.
  ASSERT_TRUE(scan(lis(kEnglish, "CRA")));
  EXPECT_EQ(text.find("FRENCH"), std::string::npos);
  EXPECT_EQ(french.FrenchPairing, 0);
}

TEST_F(LisScanTest, CancelInTheProgressWindowPutsBackEveryMarkedText) {
  const std::string first = kHead + DisplayLeg("0401", "YUL-YOW");
  addPair("M", 7123, first);
  addPair("M", 7124, kHead + DisplayLeg("0501", "YUL-YQB"));
  const std::string lis = Filler() + Listing("M7123", {LisLeg("0401", "CRA")}) +
                          Listing("M7124", {LisLeg("0501", "CRA")});
  ui.cancelAtPosition = 2;  // after the first pairing was marked
  EXPECT_FALSE(scan(lis));
  EXPECT_EQ(doc->Pairs[0].DisplayText, first);
  EXPECT_EQ(doc->Modified, 0);
  EXPECT_TRUE(ui.shown.empty());  // neither errors nor summary
  EXPECT_NE(std::ranges::find(ui.progressEvents, "cancel offered"), ui.progressEvents.end());
}

TEST(LisFileTextTest, SkipsTheBinaryHeaderInStepsOfAHundred) {
  std::string header(1536, 'x');
  header[700] = '\0';
  header[1535] = '\0';
  const std::string text = Filler() + std::string(3000, 'a');
  // 1600 is the lowest offset on the 100-byte steps from 2500 past the NUL.
  EXPECT_EQ(LisFileText(header + text + std::string(1, '\0') + "trailer"), text.substr(64));
  EXPECT_EQ(LisFileText(text), text);  // no NUL at all: the whole file
  EXPECT_EQ(LisFileText(std::string(2500 + 4999, 'a')), "");
  EXPECT_EQ(LisFileText(std::string(2500 + 5000, 'a')).size(), 7500u);
  EXPECT_EQ(LisFileText(std::string(2400, 'a')), "");
}

class LisFilesTest : public LisScanTest {
 protected:
  std::string write(const std::string& name, const std::string& text) {
    const auto path = folder / name;
    std::ofstream(path, std::ios::binary) << std::string(1536, '\0') << text;
    return path.string();
  }
  bool scanFiles() { return ScanLisFiles(*doc, services); }
  TempFolder folder;
};

TEST_F(LisFilesTest, AsksAboutANameWithoutTheMonth) {
  addPair("M", 7123, kHead + DisplayLeg("0401", "YUL-YOW"));
  const std::string good = write("YULCRJCA_FEB27_W1.lis", Filler() + Filler());
  const std::string other =
      write("week2.LIS", Filler() + Filler() + Listing("M7123", {LisLeg("0401", "CRA")}));
  // No goes back to the file dialog; the second choice is confirmed.
  ui.openResults = {{good, other}, {good, other}};
  ui.answers = {Answer::No, Answer::Yes};
  ASSERT_TRUE(scanFiles());
  ASSERT_EQ(ui.fileDialogs.size(), 2u);
  EXPECT_EQ(ui.fileDialogs[0].title, kLisDialogTitle);
  EXPECT_TRUE(ui.fileDialogs[0].multiSelect);
  EXPECT_EQ(ui.fileDialogs[1].startFolder, folder.path().string());
  EXPECT_EQ(ReadSetting(settings, kLastFrenchPath), folder.path().string());
  int questions = 0;
  for (const Shown& s : ui.shown) {
    if (s.kind != Shown::Kind::Question) continue;
    ++questions;
    EXPECT_EQ(s.text, other +
                          " does not contain FEB in the File Name. Are you sure this is the "
                          "correct LIS File");
    EXPECT_EQ(s.buttons, Buttons::YesNo);
  }
  EXPECT_EQ(questions, 2);
  EXPECT_NE(doc->Pairs[0].DisplayText.find("  CRA"), std::string::npos);
}

TEST_F(LisFilesTest, CancelMissingAndTooShortFiles) {
  EXPECT_FALSE(scanFiles());  // the dialog is cancelled
  EXPECT_TRUE(ui.shown.empty());

  addPair("M", 7123, kHead);
  const std::string good = write("FEB_W1.LIS", Filler() + Filler());
  const std::string gone = (folder / "FEB_W2.LIS").string();
  ui.openResults = {{gone, good}};
  ASSERT_TRUE(scanFiles());
  EXPECT_EQ(ui.messageTexts().at(0), "Unable to Open File " + gone);

  // Too little text gives the message, ends the scan and changes nothing.
  ui.shown.clear();
  doc->Modified = 0;
  ui.openResults = {{write("FEB_W3.LIS", Listing("M7123", {LisLeg("0401", "CRA")}))}};
  EXPECT_FALSE(scanFiles());
  EXPECT_EQ(ui.messageTexts(),
            Lines{"Unable to Read Data from one or more LIS File(s). Try opening file(s) in "
                  "WordPad and Save as Type Text Document."});
  EXPECT_EQ(doc->Pairs[0].DisplayText.find("CRA"), std::string::npos);
  EXPECT_EQ(doc->Modified, 0);
}

TEST_F(LisFilesTest, KeepsAtMostSixMillionCharacters) {
  addPair("M", 7123, kHead + DisplayLeg("0401", "YUL-YOW"));
  // The listing stands beyond the buffer; the second file finds no room.
  const std::string big = write("FEB_W1.LIS", std::string(kLisMaxText + 100, '-') +
                                                  Listing("M7123", {LisLeg("0401", "CRA")}));
  const std::string small = write("FEB_W2.LIS", Filler() + Filler());
  ui.openResults = {{big, small}};
  ASSERT_TRUE(scanFiles());
  // Each message names the file it is about.
  const std::string tooLarge = "LIS File is Larger than buffer. Some data was not Loaded\n";
  EXPECT_EQ(ui.messageTexts(), (Lines{tooLarge + big, tooLarge + small}));
  EXPECT_EQ(doc->Pairs[0].DisplayText.find("  CRA"), std::string::npos);
  EXPECT_EQ(list(kLisErrorsCaption).at(0), "M7123 Not Found in LIS File");
}

}  // namespace
}  // namespace lumora::testing
