#include "imports/lis_scan.h"

#include <gtest/gtest.h>

#include <fstream>
#include <memory>
#include <sstream>

#include "files/temp_folder.h"
#include "imports/recording_clipboard.h"
#include "model/document.h"
#include "shell/platform/event_log.h"
#include "support/memory_settings.h"
#include "support/scripted_ui.h"

namespace lumora::testing {
namespace {

// A display text leg line: the flight number at column 4, the line 39
// characters long, so that a marker goes in just before its line feed.
std::string DisplayLeg(const std::string& flight, const std::string& route) {
  std::string line = "    " + flight + " " + route;
  line.resize(39, ' ');
  return line + "\n";
}

// A listing leg line: the flight number `offset` characters before the
// aircraft marker.
std::string LisLeg(const std::string& flight, const std::string& aircraft, std::size_t offset) {
  std::string line(10, ' ');
  line += flight;
  line.resize(10 + offset, ' ');
  return line + aircraft + " [50]\r\n";
}

std::string Listing(const std::string& key, const std::vector<std::string>& legs,
                    const std::string& extra = "") {
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

class LisScanTest : public ::testing::Test {
 protected:
  void SetUp() override {
    doc = std::make_unique<TDocument>();
    FillCalendar(doc->cal, ToDayNumber({31, 1, 2027}), ToDayNumber({1, 3, 2027}));
  }

  TPair& addPair(const std::string& prefix, int number, const std::string& text) {
    const int p = ++doc->LastPair;
    TPair& pair = doc->Pairs[static_cast<std::size_t>(p)];
    pair.Prefix = prefix;
    pair.Number = number;
    pair.DisplayText = text;
    return pair;
  }

  bool scan(const std::string& lis) {
    const ImportServices services{ui, clipboard, settings, log};
    return ScanLisText(*doc, lis, services);
  }

  const Shown* list(std::string_view caption) const {
    for (const Shown& s : ui.shown)
      if (s.kind == Shown::Kind::List && s.caption == caption) return &s;
    return nullptr;
  }

  std::unique_ptr<TDocument> doc;
  ScriptedUi ui;
  RecordingClipboard clipboard;
  MemorySettings settings;
  EventLog log;
};

const std::string kHead = "M7123 YUL 0700\n";

TEST_F(LisScanTest, MarksLegsSharesAndMealsOfACaptainsDocument) {
  doc->CrewType = 0;
  TPair& allCra =
      addPair("M1", 7123, kHead + DisplayLeg("0401", "YUL-YOW") + DisplayLeg("0402", "YOW-YUL"));
  TPair& half =
      addPair("M1", 7124, kHead + DisplayLeg("0501", "YUL-YQB") + DisplayLeg("0502", "YQB-YUL"));
  TPair& none = addPair("M1", 7125, kHead + DisplayLeg("0601", "YUL-YYZ"));
  addPair("M1", 7126, kHead);  // not listed
  addPair("M1", 7127, kHead);  // cut before its meals line

  const std::string lis = Filler() +
                          Listing("M7123", {LisLeg("0401", "CRA", 71), LisLeg("0402", "CRA", 71)},
                                  "        LANGUAGE  FRENCH\r\n") +
                          Listing("M7124", {LisLeg("0501", "CRJ", 71), LisLeg("0502", "CRA", 71)}) +
                          Listing("M7125", {LisLeg("0601", "OAL", 71)}) + "PAIRING M7127\r\n" +
                          LisLeg("0701", "CRA", 71);
  ASSERT_TRUE(scan(lis));

  const std::string meals = "\n   MEALS US:  12.50  MEALS CAD: 17.25";
  EXPECT_EQ(allCra.DisplayText, kHead + DisplayLeg("0401", "YUL-YOW").insert(39, "  CRA") +
                                    DisplayLeg("0402", "YOW-YUL").insert(39, "  CRA") +
                                    " *** CRA100% CRA>74% CRA>49% CRA>24% CRA>0% *** " + meals);
  EXPECT_EQ(half.DisplayText, kHead + DisplayLeg("0501", "YUL-YQB").insert(39, "  CRJ") +
                                  DisplayLeg("0502", "YQB-YUL").insert(39, "  CRA") +
                                  " *** CRA>49% CRA>24% CRA>0% *** " + meals);
  EXPECT_EQ(none.DisplayText, kHead + DisplayLeg("0601", "YUL-YYZ") + " *** CRA=0% *** " + meals);
  // A captains document never takes the French marking.
  EXPECT_EQ(allCra.DisplayText.find("FRENCH"), std::string::npos);

  const Shown* errors = list(kLisErrorsCaption);
  ASSERT_NE(errors, nullptr);
  EXPECT_EQ(errors->lines,
            (std::vector<std::string>{"M7126 Not Found in LIS File", "M7127Incomplete in LIS File",
                                      " Can't Locate MEALS CAD:", ""}));
  const Shown* summary = list(kLisSummaryCaption);
  ASSERT_NE(summary, nullptr);
  EXPECT_EQ(summary->lines, (std::vector<std::string>{
                                "Total Pairings 5", "0 Pairings Flagged as French",
                                "M7123 is CRA 100%", "M7124 is CRA > 49%", "M7125 is CRA 0%", ""}));
  EXPECT_EQ(ui.shown.back().caption, kLisSummaryCaption);  // errors first
  EXPECT_EQ(doc->Modified, 1);
}

TEST_F(LisScanTest, BandsFollowTheShareOfCraLegs) {
  struct Case {
    int cra, other;
    std::string text;
  };
  const std::vector<Case> cases = {
      {3, 1, " *** CRA>74% CRA>49% CRA>24% CRA>0% *** "},  // 0.75
      {1, 3, " *** CRA>24% CRA>0% *** "},                  // 0.25
      {1, 4, " *** CRA>0% *** "},                          // 0.20
      {0, 2, " *** CRA=0% *** "},
  };
  std::string lis = Filler();
  for (std::size_t i = 0; i < cases.size(); ++i) {
    const int number = 7200 + static_cast<int>(i);
    std::vector<std::string> legs;
    for (int k = 0; k < cases[i].cra; ++k) legs.push_back(LisLeg("9999", "CRA", 71));
    for (int k = 0; k < cases[i].other; ++k) legs.push_back(LisLeg("9999", "E75", 71));
    lis += Listing("M" + std::to_string(number), legs);
    addPair("M", number, "no legs");
  }
  ASSERT_TRUE(scan(lis));
  for (std::size_t i = 0; i < cases.size(); ++i) {
    const std::string& text = doc->Pairs[i].DisplayText;
    EXPECT_NE(text.find(cases[i].text), std::string::npos) << text;
    // Every leg of the listing is an error: the display text has no flight.
    EXPECT_EQ(text.find("  CRA"), std::string::npos);
  }
  const Shown* errors = list(kLisErrorsCaption);
  ASSERT_NE(errors, nullptr);
  EXPECT_EQ(errors->lines.front(), "M7200 Flight Number not Located");
  EXPECT_EQ(errors->lines.size(), 4u + 4u + 5u + 2u + 1u);
}

TEST_F(LisScanTest, ScanningAgainKeepsOneSummaryAndOneMealsText) {
  TPair& pair = addPair("M", 7123, kHead + DisplayLeg("0401", "YUL-YOW"));
  const std::string first = Filler() + Listing("M7123", {LisLeg("0401", "CRA", 71)});
  ASSERT_TRUE(scan(first));
  // The next listing of the pairing has other meals and aircraft.
  std::string second = Filler() + Listing("M7123", {LisLeg("0401", "CRJ", 71)});
  second.replace(second.find("12.50"), 5, "99.00");
  ASSERT_TRUE(scan(second));

  const std::string& text = pair.DisplayText;
  const auto count = [&](std::string_view what) {
    int n = 0;
    for (std::size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1))
      ++n;
    return n;
  };
  EXPECT_EQ(count("***"), 2);
  EXPECT_EQ(count(" *** CRA=0% *** "), 1);
  EXPECT_EQ(count("MEALS US:"), 1);
  EXPECT_NE(text.find("\n   MEALS US:  99.00  MEALS CAD: 17.25"), std::string::npos);
  EXPECT_EQ(text.find("12.50"), std::string::npos);
}

TEST_F(LisScanTest, FrenchMarkingInCabinDocumentsOnly) {
  doc->CrewType = 2;
  TPair& french = addPair("M", 7123, kHead + DisplayLeg("0401", "YUL-YOW"));
  TPair& english = addPair("M", 7124, kHead + DisplayLeg("0501", "YUL-YQB"));
  const auto lis = [](bool firstFrench) {
    return Filler() +
           Listing("M7123", {LisLeg("0401", "CRA", 63)},
                   firstFrench ? "        LANGUAGE  FRENCH\r\n" : "        LANGUAGE  ENGLISH\r\n") +
           Listing("M7124", {LisLeg("0501", "DH1", 63)}, "        LANGUAGE  ENGLISH\r\n");
  };
  ASSERT_TRUE(scan(lis(true)));
  ASSERT_TRUE(scan(lis(true)));
  EXPECT_EQ(french.DisplayText.find(kFrenchPairingMarker),
            french.DisplayText.rfind(kFrenchPairingMarker));
  EXPECT_NE(french.DisplayText.find(kFrenchPairingMarker), std::string::npos);
  EXPECT_EQ(english.DisplayText.find("FRENCH"), std::string::npos);
  // The cabin listing's flight number stands 63 characters before the marker.
  EXPECT_NE(french.DisplayText.find(DisplayLeg("0401", "YUL-YOW").insert(39, "  CRA  CRA")),
            std::string::npos);
  const Shown* summary = list(kLisSummaryCaption);
  ASSERT_NE(summary, nullptr);
  EXPECT_EQ(summary->lines[0], "Total Pairings 2");
  EXPECT_EQ(summary->lines[1], "1 Pairings Flagged as French");
  EXPECT_EQ(summary->lines[2], "M7123 is French Pairing");
  EXPECT_EQ(summary->lines[3], "M7123 is CRA 100%");

  // A later listing without the language takes the marking away.
  ASSERT_TRUE(scan(lis(false)));
  EXPECT_EQ(french.DisplayText.find("FRENCH"), std::string::npos);
}

TEST_F(LisScanTest, TooLittleTextChangesNothing) {
  TPair& pair = addPair("M", 7123, kHead);
  EXPECT_FALSE(scan(Listing("M7123", {LisLeg("0401", "CRA", 71)})));
  EXPECT_EQ(pair.DisplayText, kHead);
  EXPECT_EQ(doc->Modified, 0);
  ASSERT_EQ(ui.messageTexts().size(), 1u);
  EXPECT_EQ(ui.messageTexts()[0],
            "Unable to Read Data from one or more LIS File(s). Try opening file(s) in WordPad "
            "and Save as Type Text Document.");
}

TEST_F(LisScanTest, WritesOneEventLogLinePerPairing) {
  TempFolder folder;
  ASSERT_TRUE(log.open(folder / "events.log"));
  addPair("M", 7123, kHead);
  addPair("", 42, kHead);  // no letter: never found
  ASSERT_TRUE(scan(Filler()));
  log.close();
  std::ifstream in(folder / "events.log");
  std::stringstream text;
  text << in.rdbuf();
  EXPECT_EQ(text.str(),
            "Scanning Pairing M7123 for CRA legs\nScanning Pairing 0042 for CRA legs\n");
  ASSERT_FALSE(ui.progressEvents.empty());
  EXPECT_EQ(ui.progressEvents.front(), "open Scanning LIS Pairings / Scanning Pairing %d of %d");
}

TEST(LisFileTextTest, SkipsTheBinaryHeaderInStepsOfAHundred) {
  std::string header(1536, 'x');
  header[700] = '\0';
  header[1535] = '\0';
  const std::string text = Filler() + std::string(3000, 'a');
  const std::string bytes = header + text + std::string(1, '\0') + "trailer";
  // 1600 is the lowest offset on the 100-byte steps from 2500 past the NUL.
  EXPECT_EQ(LisFileText(bytes), text.substr(64));

  // No NUL at all: the whole file.
  EXPECT_EQ(LisFileText(text), text);
  // 4999 characters from offset 2500 give nothing.
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
  bool scanFiles() {
    const ImportServices services{ui, clipboard, settings, log};
    return ScanLisFiles(*doc, services);
  }
  TempFolder folder;
};

TEST_F(LisFilesTest, AsksAboutANameWithoutTheMonth) {
  addPair("M", 7123, kHead + DisplayLeg("0401", "YUL-YOW"));
  const std::string good = write("YULCRJCA_FEB27_W1.lis", Filler() + Filler());
  const std::string other =
      write("week2.LIS", Filler() + Filler() + Listing("M7123", {LisLeg("0401", "CRA", 71)}));

  // No goes back to the file dialog; the second choice is confirmed.
  ui.openResults = {{good, other}, {good, other}};
  ui.answers = {Answer::No, Answer::Yes};
  ASSERT_TRUE(scanFiles());
  ASSERT_EQ(ui.fileDialogs.size(), 2u);
  EXPECT_EQ(ui.fileDialogs[0].title, kLisDialogTitle);
  EXPECT_EQ(ui.fileDialogs[0].filter, kLisFileFilter);
  EXPECT_TRUE(ui.fileDialogs[0].multiSelect);
  EXPECT_EQ(ui.fileDialogs[1].startFolder, folder.path().string());
  EXPECT_EQ(settings.readString("LM", kLastFrenchPathKey, ""), folder.path().string());
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

TEST_F(LisFilesTest, CancelEndsTheScanAndAMissingFileAddsNothing) {
  EXPECT_FALSE(scanFiles());  // the dialog is cancelled
  EXPECT_TRUE(ui.shown.empty());

  addPair("M", 7123, kHead);
  const std::string good = write("FEB_W1.LIS", Filler() + Filler());
  const std::string gone = (folder / "FEB_W2.LIS").string();
  ui.openResults = {{gone, good}};
  ASSERT_TRUE(scanFiles());
  ASSERT_FALSE(ui.messageTexts().empty());
  EXPECT_EQ(ui.messageTexts()[0], "Unable to Open File " + gone);

  // Files whose text is too short give the message and end the scan.
  ui.shown.clear();
  const std::string tiny = write("FEB_W3.LIS", "short");
  ui.openResults = {{tiny}};
  EXPECT_FALSE(scanFiles());
  ASSERT_EQ(ui.messageTexts().size(), 1u);
  EXPECT_EQ(ui.messageTexts()[0].rfind("Unable to Read Data", 0), 0u);
}

TEST_F(LisFilesTest, KeepsAtMostSixMillionCharacters) {
  addPair("M", 7123, kHead + DisplayLeg("0401", "YUL-YOW"));
  // The listing stands in the first file's text beyond the buffer; the
  // second file finds no room at all.
  const std::string big = write("FEB_W1.LIS", std::string(kLisMaxText + 100, '-') +
                                                  Listing("M7123", {LisLeg("0401", "CRA", 71)}));
  const std::string small = write("FEB_W2.LIS", Filler() + Filler());
  ui.openResults = {{big, small}};
  ASSERT_TRUE(scanFiles());
  EXPECT_EQ(ui.messageTexts(), std::vector<std::string>(
                                   2, "LIS File is Larger than buffer. Some data was not Loaded"));
  EXPECT_EQ(doc->Pairs[0].DisplayText.find("  CRA"), std::string::npos);
  const Shown* errors = list(kLisErrorsCaption);
  ASSERT_NE(errors, nullptr);
  EXPECT_EQ(errors->lines.front(), "M7123 Not Found in LIS File");
}

}  // namespace
}  // namespace lumora::testing
