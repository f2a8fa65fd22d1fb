#include "building/crew_complement.h"

#include <cstdlib>
#include <initializer_list>
#include <memory>

#include "building/assign.h"
#include "building_fixture.h"
#include "files/schedule_file.h"

namespace lumora::testing {
namespace {

class CrewComplementTest : public BuildingTest {
 protected:
  // Marks (or unmarks) the instance of `pair` on `day` and closes the dialog.
  void Mark(int pair, int day, bool on = true) {
    CrewComplementDialog dialog(ctx);
    const int line = dialog.lineOf(pair, day);
    ASSERT_GE(line, 0) << pair << " on " << day;
    dialog.select(static_cast<std::size_t>(line), on);
    EXPECT_TRUE(dialog.accept(ui));
  }
  int Status(const TDocument& d, int pair, int day) const {
    return d.pair(pair).DayStatus[static_cast<std::size_t>(day)];
  }
};

TEST_F(CrewComplementTest, FlightAttendantFilesListAndMarkOnlyThePurserPairing) {
  build.kind(CrewKind::FlightAttendants);
  const int cabin = AddPairing(4101, {2});  // a cabin pairing of the same number
  doc.pair(cabin).CrewPosition = "FA";
  const int purser = AddPairing(4101, {2, 11});
  doc.pair(purser).CrewPosition = "PU";
  {
    CrewComplementDialog dialog(ctx);
    EXPECT_EQ(dialog.title(), CrewComplementDialog::kFaCaption);
    EXPECT_EQ(dialog.note(), CrewComplementDialog::kFaNote);
    ASSERT_EQ(dialog.lines().size(), 2u);
    EXPECT_EQ(dialog.lines()[0].text, " K4101   Fri 03 Jul 2026" + std::string(15, ' '));
    EXPECT_EQ(dialog.lineOf(purser, 11), 1);
    dialog.select(0, true);
    dialog.accept(ui);
  }
  auto other = std::make_unique<TDocument>();
  ASSERT_TRUE(DecodeScheduleFile(*other, EncodeScheduleFile(doc, kScheduleFile), ui, log).loaded);
  FlagExtraCrewPairs(*other, log);
  for (const TDocument* d : std::initializer_list<const TDocument*>{&doc, other.get()}) {
    EXPECT_EQ(Status(*d, purser, 2), -kOpenInstance);
    EXPECT_EQ(Status(*d, purser + 1, 2), -kOpenInstance);
    EXPECT_EQ(Status(*d, cabin, 2), kOpenInstance);
    EXPECT_EQ(d->pair(cabin).DisplayText.find("EXTRA FA"), std::string::npos);
    EXPECT_NE(d->pair(purser).DisplayText.find(" EXTRA FA ON 3"), std::string::npos);
  }
}

// A mark in each kind of file is kept through a save and a reopening, where
// the signs the file does not store come back.
TEST_F(CrewComplementTest, AMarkSurvivesSavingAndReopeningInEachKindOfFile) {
  for (const CrewKind kind :
       {CrewKind::Captains, CrewKind::FirstOfficers, CrewKind::FlightAttendants}) {
    SCOPED_TRACE(static_cast<int>(kind));
    auto fresh = std::make_unique<TDocument>();
    owned.swap(fresh);
    TDocument& d = *owned;
    BlockEditContext c{d, ui, log, rules, views};
    DocumentBuilder b(d);
    b.july2026().extended().kind(kind).crew("A ALPHA", 11).crew("B BRAVO", 12);
    const int p =
        b.pairing(
             PairingValues(3001).Days({4, 11}).Length(1).CreditPerDay(300).Prefix("K").CrewPosition(
                 kind == CrewKind::FlightAttendants ? "PU" : ""))
            .lastPairing();
    b.place(0, p, 4);  // a holder of the marked instance

    {
      CrewComplementDialog dialog(c);
      dialog.select(static_cast<std::size_t>(dialog.lineOf(p, 4)), true);
      dialog.accept(ui);
    }
    const std::string marker =
        kind == CrewKind::FlightAttendants ? " EXTRA FA ON 5" : " TWO CAPTS ON 5";
    EXPECT_NE(d.pair(p).DisplayText.find(marker), std::string::npos) << d.pair(p).DisplayText;

    auto bytes = EncodeScheduleFile(d, kScheduleFile);
    auto other = std::make_unique<TDocument>();
    ASSERT_TRUE(DecodeScheduleFile(*other, bytes, ui, log).loaded);
    FlagExtraCrewPairs(*other, log);
    FlagExtraCrewPairs(*other, log);  // a second run keeps the signs
    const TDocument& r = *other;
    if (kind == CrewKind::FirstOfficers) {
      // The first officer lost the seat to the pseudo line.
      ASSERT_EQ(r.PilotCount, 3);
      EXPECT_EQ(r.pilot(2).Name, "CAPT PAIRINGS");
      EXPECT_EQ(r.pilot(2).EmpNumber, -1);
      EXPECT_EQ(r.pilot(2).DayCell[4], p);
      EXPECT_EQ(r.pilot(0).DayCell[4], kEmptyCell);
      EXPECT_EQ(Status(r, p, 4), -kAssignedInstance);
      EXPECT_EQ(r.LastPair, p);
    } else {
      // A second, assignable copy; the first holder keeps the base.
      ASSERT_EQ(r.LastPair, p + 1);
      EXPECT_EQ(r.pilot(0).DayCell[4], p);
      EXPECT_EQ(Status(r, p, 4), -kAssignedInstance);
      EXPECT_EQ(Status(r, p + 1, 4), -kOpenInstance);
      EXPECT_EQ(Status(r, p + 1, 11), 0);
      EXPECT_EQ(r.pair(p + 1).DisplayText, r.pair(p).DisplayText);
    }
    EXPECT_EQ(Status(r, p, 11), kOpenInstance);

    // Opened again, the dialog shows the mark selected; unmarking restores
    // the single instance.
    CrewComplementDialog again(c);
    const int line = again.lineOf(p, 4);
    ASSERT_GE(line, 0);
    EXPECT_TRUE(again.lines()[static_cast<std::size_t>(line)].selected);
    again.select(static_cast<std::size_t>(line), false);
    again.accept(ui);
    EXPECT_EQ(d.LastPair, p);
    EXPECT_EQ(d.pair(p).DisplayText.find("ON 5"), std::string::npos);
    EXPECT_GT(Status(d, p, 4), 0);
    EXPECT_EQ(d.PilotCount, 2);
  }
}

TEST_F(CrewComplementTest, ReopeningWithoutChangesKeepsCopiesAndTheirHolders) {
  build.kind(CrewKind::Captains);
  const int a = AddCrew("A ALPHA");
  const int b = AddCrew("B BRAVO");
  const int p = AddPairing(3001, {12, 19});
  Mark(p, 12);
  Mark(p, 19);
  EXPECT_NE(doc.pair(p).DisplayText.find("TWO CAPTS ON 13 20"), std::string::npos);
  ASSERT_EQ(doc.LastPair, p + 2);
  ASSERT_EQ(AssignPair(ctx, a, p + 1, 12, true), kAssigned);
  ASSERT_EQ(AssignPair(ctx, b, p, 12, true), kAssigned);

  {
    CrewComplementDialog unchanged(ctx);  // closed by its close box
    unchanged.cancel();
  }
  ASSERT_EQ(doc.LastPair, p + 2);
  EXPECT_EQ(doc.pilot(a).DayCell[12], p + 1);
  EXPECT_EQ(Status(doc, p + 1, 12), -kAssignedInstance);
  EXPECT_EQ(doc.pilot(b).DayCell[12], p);
  EXPECT_EQ(Status(doc, p, 12), -kAssignedInstance);
  EXPECT_EQ(Status(doc, p, 19), -kOpenInstance);
  // Taken apart and built again, the marker is written once.
  EXPECT_EQ(doc.pair(p + 1).DisplayText, doc.pair(p).DisplayText);
  const std::string& text = doc.pair(p).DisplayText;
  EXPECT_NE(text.find(" TWO CAPTS ON 13 20"), std::string::npos) << text;
  EXPECT_EQ(text.find("TWO CAPTS", text.find("TWO CAPTS") + 1), std::string::npos) << text;
}

TEST_F(CrewComplementTest, FirstOfficersFileFillsPseudoLinesBeforeAddingOne) {
  build.kind(CrewKind::FirstOfficers);
  AddCrew("F FOXTROT");
  const int p = AddPairing(3001, {3});
  const int q = AddPairing(3002, {3});
  const int r = AddPairing(3003, {8});
  {
    CrewComplementDialog dialog(ctx);
    for (const int pair : {p, q, r})
      for (int day : {3, 8})
        if (dialog.lineOf(pair, day) >= 0)
          dialog.select(static_cast<std::size_t>(dialog.lineOf(pair, day)), true);
    dialog.accept(ui);
  }
  // Two instances on day 3 need two lines; day 8 shares the first.
  ASSERT_EQ(doc.PilotCount, 3);
  EXPECT_EQ(doc.pilot(1).DayCell[3], p);
  EXPECT_EQ(doc.pilot(2).DayCell[3], q);
  EXPECT_EQ(doc.pilot(1).DayCell[8], r);

  // A pseudo line the rest check refuses: the instance gets a new line.
  Mark(r, 8, false);
  rules.rest[{1, r, 8}] = AssignCheckResult{false, "", ""};
  Mark(r, 8);
  EXPECT_EQ(doc.PilotCount, 3);
  EXPECT_EQ(doc.pilot(2).DayCell[8], r);
}

}  // namespace
}  // namespace lumora::testing
