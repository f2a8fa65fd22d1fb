#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "building/block_edit.h"
#include "doubles/recording_canvas.h"
#include "support/document_builder.h"
#include "support/scripted_ui.h"
#include "views/block_printout.h"
#include "views/pair_window.h"
#include "views/pairs_printout.h"

namespace lumora::testing {
namespace {

// July 2026 of `kind` with a roster of `crew` and the file "july.lm2".
struct Month {
  explicit Month(CrewKind kind, int crew = 1) {
    build.july2026().extended().kind(kind);
    for (int i = 0; i < crew; ++i) build.crew(i == 0 ? "ALPHA BRAVO" : "CREW " + std::to_string(i));
    doc.FileName = "/months/july.lm2";
    doc.BlocksShown = 1;
  }
  int pairing(int number, int day, int days, std::string stations = "") {
    const int p = build
                      .pairing(PairingValues(number)
                                   .Days({day})
                                   .Length(days)
                                   .AdjLength(days)
                                   .OnTime(480)
                                   .OffTime(1020)
                                   .CreditPerDay(300)
                                   .CrewPosition("CA"))
                      .lastPairing();
    doc.Pairs[static_cast<std::size_t>(p)].LayoverText = std::move(stations);
    return p;
  }
  void other(int crew, int day, const std::string& code, int credit = 0) {
    TPilot& pilot = doc.Pilots[static_cast<std::size_t>(crew)];
    pilot.DayCell[static_cast<std::size_t>(day)] = kOtherAssignmentCell;
    pilot.DayCode[static_cast<std::size_t>(day)] = code;
    pilot.DayOther[static_cast<std::size_t>(day)][kOtherCredit] = credit;
  }
  TPilot& pilot(int crew) { return doc.Pilots[static_cast<std::size_t>(crew)]; }

  // Every page of the block sheet on one canvas.
  RecordingCanvas printBlocks(BlockPrintOptions options = {}) {
    std::vector<int> order;
    for (int crew = 0; crew < doc.rosterSize(); ++crew) order.push_back(crew);
    TBlocksOut out(doc, order, options, ui, views);
    RecordingCanvas canvas;
    const int pages = out.pageCount();
    for (int page = 1; page <= pages; ++page) out.printPage(page, canvas);
    return canvas;
  }
  RecordingCanvas printPairings() {
    TPairWin layout(doc);
    layout.LayoutPairWin();
    TPairsOut out(doc, layout);
    RecordingCanvas canvas;
    EXPECT_EQ(out.pageCount(), 1);
    out.printPage(1, canvas);
    return canvas;
  }

  std::unique_ptr<TDocument> owned = std::make_unique<TDocument>();
  TDocument& doc = *owned;
  DocumentBuilder build{doc};
  ScriptedUi ui;
  BlockViewSink views;
};

struct TextCase {
  const char* what;
  CrewKind kind;
  BlockPrintOptions options;
  std::function<void(Month&)> setUp;
  std::vector<std::string> shown;
  std::vector<std::string> hidden;
};

void ExpectTexts(const RecordingCanvas& canvas, const TextCase& c) {
  for (const std::string& text : c.shown) EXPECT_FALSE(canvas.textsEqual(text).empty()) << text;
  for (const std::string& text : c.hidden) EXPECT_TRUE(canvas.textsEqual(text).empty()) << text;
}

TEST(BlockPrintout, PagesFollowTheCrewToPrintAndTheBusiestDaysOpenFlying) {
  struct Case {
    const char* what;
    CrewKind kind;
    int crew;
    int openOnOneDay;
    int onLeave;
    int pages;
  };
  const Case cases[] = {
      {"60 crew, 10 open", CrewKind::Captains, 60, 10, 0, 3},
      {"nothing at all", CrewKind::Captains, 0, 0, 0, 1},
      {"27 crew fill the first page", CrewKind::Captains, 27, 0, 0, 2},
      {"leave blocks are left out", CrewKind::FirstOfficers, 56, 0, 2, 2},
      {"cabin sheets print everyone shown", CrewKind::FlightAttendants, 56, 0, 2, 3},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    Month m(c.kind, c.crew);
    for (int i = 0; i < c.openOnOneDay; ++i) m.pairing(100 + i, 4, 1);
    for (int i = 0; i < c.onLeave; ++i)
      for (int day = 0; day < 31; ++day) m.other(i, day, "LOA");
    std::vector<int> order;
    for (int crew = 0; crew < c.crew; ++crew) order.push_back(crew);
    TBlocksOut out(m.doc, order, {}, m.ui, m.views);
    EXPECT_EQ(out.pageCount(), c.pages);
  }
}

TEST(BlockPrintout, RowsShowCreditsCodesStationsAndRequests) {
  const TextCase cases[] = {
      {"final title, the pairing and its stations",
       CrewKind::Captains,
       {},
       [](Month& m) { m.build.place(0, m.pairing(42, 2, 3, "BOSJFK"), 2); },
       {"Lumora Jul 2026 FINAL. Page 1 july.lm2", "0042", "OS", "FK", "1 ALPHA BRA"},
       {"BOS"}},
      {"draft title; two VAU days cut 8:00 of 11:30",
       CrewKind::Captains,
       {true, false},
       [](Month& m) {
         m.other(0, 5, "VAU", 300);
         m.other(0, 6, "VAU", 300);
         m.pilot(0).ExtraCredit = 90;
       },
       {"*** Jul 2026 DRAFT COPY *** Page 1 july.lm2", "VAU", "3:30 1:30"},
       {}},
      {"cabin leave prints as LOA",
       CrewKind::FlightAttendants,
       {},
       [](Month& m) { m.other(0, 3, "MED"); },
       {"LOA", "1 ALPHA BRA"},
       {"MED"}},
      {"requests left out",
       CrewKind::Captains,
       {false, false},
       [](Month& m) { m.pilot(0).DayRequest[4] = 1; },
       {},
       {"X1"}},
      {"requests asked for",
       CrewKind::Captains,
       {false, true},
       [](Month& m) { m.pilot(0).DayRequest[4] = 1; },
       {"X1"},
       {}},
      {"open flying after the last row",
       CrewKind::Captains,
       {},
       [](Month& m) {
         m.pairing(7, 9, 1);
         m.other(0, 9, "RSV");
         m.pilot(0).DayOther[9][kOtherReserve] = 1;
       },
       {"RESERVES", "OPEN", "0007"},
       {}},
  };
  for (const TextCase& c : cases) {
    SCOPED_TRACE(c.what);
    Month m(c.kind);
    c.setUp(m);
    ExpectTexts(m.printBlocks(c.options), c);
  }
}

// A range from page 2 passes over the first page's crew members, and their
// running numbers follow on from them.
TEST(BlockPrintout, ARangeStartsWithItsOwnCrewMembers) {
  Month m(CrewKind::Captains, 60);
  std::vector<int> order;
  TBlocksOut out(m.doc, order, {}, m.ui, m.views);
  ASSERT_EQ(out.pageCount(), 3);
  RecordingCanvas canvas;
  out.printPage(2, canvas);
  EXPECT_FALSE(canvas.textsEqual("29 CREW 28  ").empty());
  EXPECT_FALSE(canvas.textsEqual("56 CREW 55  ").empty());
  EXPECT_TRUE(canvas.textsEqual("57 CREW 56  ").empty());
  EXPECT_TRUE(canvas.textsEqual("RESERVES").empty());
  canvas.clear();
  out.printPage(3, canvas);
  EXPECT_FALSE(canvas.textsEqual("57 CREW 56  ").empty());
  EXPECT_FALSE(canvas.textsEqual("RESERVES").empty());
}

TEST(PairingsPrintout, ShowsTheLayoutsNumbersStarsAndStations) {
  const TextCase cases[] = {
      {"two 3-day pairings in one row",
       CrewKind::Captains,
       {},
       [](Month& m) {
         m.pairing(101, 2, 3, "BOSJFK");
         m.pairing(102, 10, 3, "ORDDEN");
       },
       {"101", "102", "OS", "FK", "RD", "EN", "**",
        "Avg Pair Credit 5:00 per/day.  File july.lm2  Page 1"},
       {"--"}},
      {"short and long numbers",
       CrewKind::Captains,
       {},
       [](Month& m) {
         m.pairing(42, 2, 1);
         m.pairing(1234, 3, 1);
       },
       {"042", "1234"},
       {}},
      {"a spill-over shows -- and no stations",
       CrewKind::Captains,
       {},
       [](Month& m) {
         const int p = m.pairing(55, 4, 2, "BOSJFK");
         m.doc.Pairs[static_cast<std::size_t>(p)].Overnight = 1;
       },
       {"055", "--"},
       {"OS"}},
      {"no instance",
       CrewKind::Captains,
       {},
       [](Month&) {},
       {"Avg Pair Credit 0:00 per/day.  File july.lm2  Page 1",
        "Lumora Visual Pairings. Jul 2026  Quick Reference Only. See Pairings"},
       {}},
  };
  for (const TextCase& c : cases) {
    SCOPED_TRACE(c.what);
    Month m(c.kind);
    c.setUp(m);
    ExpectTexts(m.printPairings(), c);
  }
}

TEST(PairingsPrintout, PrintsNothingWhileTheBlocksAreNotShown) {
  Month m(CrewKind::Captains);
  m.pairing(42, 2, 1);
  m.doc.BlocksShown = 0;
  EXPECT_EQ(m.printPairings().count(), 0U);
}

}  // namespace
}  // namespace lumora::testing
