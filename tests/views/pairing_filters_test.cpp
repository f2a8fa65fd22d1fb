#include "views/pairing_filters.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "pairing_fixture.h"
#include "views/pair_window.h"

namespace lumora::testing {
namespace {

// Pairings 0 to 3 numbered 101 to 104 (102 twice: a second crew position),
// with texts made for the filters; 104's first two legs fly out and back.
class PairingFiltersTest : public PairingTest {
 protected:
  PairingFiltersTest() {
    AddCrew("A ALPHA");
    AddCrew("B BRAVO");
    const char* texts[] = {"YUL-YTZ", "YUL-YYZ", "YUL-YYZ", "YUL-YQB"};
    const int numbers[] = {101, 102, 102, 104};
    for (int i = 0; i < 4; ++i) {
      const int p = AddPairing(numbers[i], {2 + i});
      Pair(p).DisplayText = texts[i];
    }
    Pair(3).PairingText =
        "1M0104 header\n"
        "2M0104 202607010001 01 CRJ  YUL202607010600YQB202607010700\n"
        "2M0104 202607010002 01 CRJ  YQB202607010800YUL202607010900\n";
  }

  std::vector<int> Marks() const {
    std::vector<int> marks;
    for (int p = 0; p <= doc.LastPair; ++p)
      marks.push_back(doc.Pairs[static_cast<std::size_t>(p)].FilterState);
    return marks;
  }

  TPairWin window{doc};
};

TEST_F(PairingFiltersTest, TextFilterIncludesAndExcludes) {
  const struct {
    const char* text;
    std::vector<int> marks;
  } cases[] = {
      {"Z,!YTZ;", {1, 2, 2, 0}},  // 101 keeps its number mark
      {"!YTZ;", {1, 0, 0, 0}},    // no inclusion term: nothing by text
      {"YQB;YTZ", {1, 0, 0, 2}},  // the list ends at ";"
      {"YUL,,!YYZ", {1, 0, 0, 2}},
  };
  for (const auto& c : cases) {
    for (int p = 0; p <= doc.LastPair; ++p) Pair(p).FilterState = 0;
    Pair(0).FilterState = kFilteredByNumber;
    ApplyTextFilter(doc, ParseTextFilter(c.text));
    EXPECT_EQ(Marks(), c.marks) << c.text;
  }
}

TEST_F(PairingFiltersTest, CrewFilterByRosterIndex) {
  // Both crew members share employee number 0; the index tells them apart.
  doc.pilot(0).EmpNumber = 0;
  doc.pilot(1).EmpNumber = 0;
  doc.pilot(1).PairingFilterText = "0101TEXTindoc1,!YTZ;";
  ASSERT_TRUE(SetCrewFilter(doc, window, 1, ui));
  EXPECT_EQ(Marks(), (std::vector<int>{1, 0, 0, 2}));
  EXPECT_TRUE(window.filtersOn());
  EXPECT_EQ(window.caption(), "Filters On for B BRAVO");
  // Only the marked pairings are laid out.
  int laidOut = 0;
  for (int d = 0; d < 31; ++d)
    for (int s = 0; s <= window.highestSlot(); ++s)
      if (window.cell(d, s) >= 0) {
        ++laidOut;
        EXPECT_NE(doc.pair(window.cell(d, s)).FilterState, 0);
      }
  EXPECT_EQ(laidOut, 2);

  EXPECT_FALSE(SetCrewFilter(doc, window, 2, ui));
  EXPECT_EQ(ui.messageTexts(), std::vector<std::string>{"Unable to Find Employee to Filter"});

  ClearPairingFilters(doc, window);
  EXPECT_EQ(Marks(), (std::vector<int>{0, 0, 0, 0}));
  EXPECT_FALSE(window.filtersOn());
  EXPECT_EQ(window.caption(), "Filters Off");

  // Without "TEXT" the stored filter holds nothing: no pairing shows.
  doc.pilot(0).PairingFilterText = "0101";
  SetCrewFilter(doc, window, 0, ui);
  EXPECT_EQ(Marks(), (std::vector<int>{0, 0, 0, 0}));
}

TEST_F(PairingFiltersTest, RecentFiltersMostRecentFirstAndAtMostTwenty) {
  for (int i = 0; i < 25; ++i) AddRecentPairFilter(doc, "T" + std::to_string(i) + ";");
  AddRecentPairFilter(doc, "T20;");
  AddRecentPairFilter(doc, "");
  EXPECT_EQ(doc.PairFilters[0], "T20;");
  EXPECT_EQ(doc.PairFilters[1], "T24;");
  EXPECT_EQ(doc.PairFilters[19], "T5;");
  EXPECT_EQ(std::count(doc.PairFilters.begin(), doc.PairFilters.end(), "T20;"), 1);
}

TEST_F(PairingFiltersTest, WizardBuildsTheText) {
  FilterWizardDialog wizard;
  EXPECT_TRUE(wizard.accept(ui));
  EXPECT_EQ(wizard.result(), "");
  wizard.setRight(0, "YTZ");
  EXPECT_FALSE(wizard.accept(ui));
  EXPECT_EQ(ui.last().text, "You need at least 1 Key word or Letter in a left edit box");
  wizard.setLeft(2, "Z");
  wizard.setRight(3, "CRJ");
  wizard.setLeft(1, std::string(40, 'A'));
  ASSERT_TRUE(wizard.accept(ui));
  EXPECT_EQ(wizard.result(), std::string(30, 'A') + ",Z,!YTZ,!CRJ;");
}

TEST_F(PairingFiltersTest, BidFilterEditorStoresNumbersAndText) {
  doc.pilot(0).PairingFilterText = "0104TEXTYQB;";
  BidFilterEditor editor(doc, 0);
  EXPECT_EQ(editor.title(), "Filters for A ALPHA");
  ASSERT_EQ(editor.numbers(), (std::vector<int>{101, 102, 104}));
  EXPECT_TRUE(editor.selected(2));
  EXPECT_EQ(editor.text(), "YQB;");
  // Shift-click on 102 selects it and walks back over 101, which lacked it.
  editor.click(1, true);
  EXPECT_TRUE(editor.selected(0) && editor.selected(1) && editor.selected(2));
  editor.click(2, false);
  editor.setText("YUL");
  ASSERT_TRUE(editor.accept(ui));
  EXPECT_EQ(doc.pilot(0).PairingFilterText, "01010102TEXTYUL;");
  EXPECT_EQ(doc.PairFilters[0], "YUL;");
  editor.clear();
  editor.accept(ui);
  EXPECT_EQ(doc.pilot(0).PairingFilterText, "");
}

TEST_F(PairingFiltersTest, FilterWindowSaveRecallInvertAndApply) {
  FilterWindowDialog dialog(doc, window);
  dialog.save(ui);
  EXPECT_EQ(ui.last().text, "You have not selected the name to Save Filters to");
  dialog.click(dialog.cellOf(102));
  EXPECT_TRUE(dialog.pressed(dialog.cellOf(102)));
  EXPECT_EQ(Marks(), (std::vector<int>{0, 1, 1, 0}));
  dialog.setText("YQB");
  dialog.setCrew(1);
  dialog.save(ui);
  EXPECT_EQ(doc.pilot(1).PairingFilterText, "01020102TEXTYQB");
  EXPECT_EQ(dialog.caption(), "Filters Saved to B BRAVO");

  dialog.invert();
  dialog.setText("");
  dialog.recall(ui);
  EXPECT_EQ(Marks(), (std::vector<int>{0, 1, 1, 0}));
  EXPECT_EQ(dialog.text(), "YQB");
  EXPECT_EQ(dialog.caption(), "Filters Recalled from B BRAVO");

  ui.answers = {Answer::No, Answer::Yes};
  EXPECT_FALSE(dialog.accept(ui));
  EXPECT_FALSE(window.filtersOn());
  ASSERT_TRUE(dialog.accept(ui));
  EXPECT_EQ(dialog.text(), "YQB;");
  EXPECT_EQ(Marks(), (std::vector<int>{0, 1, 1, 2}));
  EXPECT_EQ(window.caption(), "Filters On");
  EXPECT_EQ(doc.PairFilters[0], "YQB;");

  // Invert after a text filter: marked by text or not at all both become 1.
  dialog.invert();
  EXPECT_EQ(Marks(), (std::vector<int>{1, 0, 0, 1}));
  dialog.removeFilters();
  EXPECT_EQ(Marks(), (std::vector<int>{0, 0, 0, 0}));
  EXPECT_EQ(window.caption(), "");

  dialog.setCrew(0);
  dialog.recall(ui);
  EXPECT_EQ(dialog.caption(), "No Filters to Recall from A ALPHA");
}

}  // namespace
}  // namespace lumora::testing
