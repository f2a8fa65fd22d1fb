#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "app_rig.h"
#include "building/crew_complement.h"
#include "imports/pairing_warnings.h"
#include "shell/shell_texts.h"
#include "support/document_builder.h"
#include "views/pair_editor.h"

namespace lumora {
namespace {

// A captains file of July 2026 saved with its blocks shown: pairing 101 on
// the 5th, flown by the first captain, and pairing 102 on the 8th.
class PairingEditCommands : public testing::AppRig {
 protected:
  PairingEditCommands() : AppRig({2026, 6, 20, 9, 0, 0}) {}

  void Start(bool withPairings = true) {
    auto doc = std::make_unique<TDocument>();
    testing::DocumentBuilder b(*doc);
    b.july2026().kind(CrewKind::Captains).crew("A CAPTAIN", 11).crew("B CAPTAIN", 12);
    if (withPairings) {
      for (const int number : {101, 102})
        b.pairing(testing::PairingValues(number)
                      .Days({number == 101 ? 4 : 7})
                      .Length(1)
                      .OnTime(480)
                      .TAFB(600)
                      .CreditPerDay(300)
                      .Prefix("K"));
      b.place(0, 0, 4);
    }
    doc->BlocksShown = doc->PairWindowVisible = 1;
    AppRig::Start(Save(*doc, "JUL26.lm2").string());
    ASSERT_TRUE(app->document().BlocksShown);
  }
};

TEST_F(PairingEditCommands, WithoutPairingsTheEditorDoesNotOpen) {
  Start(false);
  ASSERT_TRUE(app->dispatch(command::kPairingEditor));
  EXPECT_TRUE(ui.dialogTitles().empty());
  ASSERT_EQ(ui.shown.size(), 1u);
  EXPECT_EQ(ui.last().text, kNoPairingsText);
  EXPECT_EQ(ui.last().caption, kNoPairingsCaption);
}

TEST_F(PairingEditCommands, EditingClosesTheViewsAndShowsTheWarningsAfterwards) {
  Start();
  ui.onDialog<EditOrViewPairsDialog>([](EditOrViewPairsDialog& password) {
    password.password = "quarto";
    return true;
  });
  ui.onDialog<PairDialog>([](PairDialog& editor) {
    EXPECT_EQ(editor.title(), PairDialog::kEditCaption);
    editor.on = "09:15";
    return true;
  });
  ui.onDialog<PairingValidateDialog>([](PairingValidateDialog&) { return true; });
  ASSERT_TRUE(app->dispatch(command::kPairingEditor));
  EXPECT_EQ(ui.dialogTitles(),
            (std::vector<std::string>{std::string(EditOrViewPairsDialog::kCaption),
                                      std::string(PairDialog::kEditCaption),
                                      std::string(PairingValidateDialog::kCaption)}));
  const TDocument& doc = app->document();
  EXPECT_EQ(doc.pair(0).OnTime, 555);
  EXPECT_FALSE(doc.BlocksShown);  // built again by the user
  EXPECT_EQ(front.viewsClosed, 1);

  // Viewing leaves the views and shows no warnings; Cancel stops at once.
  ASSERT_TRUE(app->dispatch(command::kBuildBlocks));
  ui.onDialog<EditOrViewPairsDialog>([](EditOrViewPairsDialog&) { return true; });
  ui.onDialog<PairDialog>([](PairDialog& editor) {
    EXPECT_EQ(editor.title(), PairDialog::kViewCaption);
    return true;
  });
  ui.onDialog<EditOrViewPairsDialog>([](EditOrViewPairsDialog&) { return false; });
  ASSERT_TRUE(app->dispatch(command::kPairingEditor));
  ASSERT_TRUE(app->dispatch(command::kPairingEditor));
  EXPECT_EQ(ui.dialogTitles().size(), 6u);
  EXPECT_TRUE(app->document().BlocksShown);
}

TEST_F(PairingEditCommands, TheComplementIsChangedWithTheViewsClosedAndTheBlocksBuiltAgain) {
  Start();
  ui.onDialog<CrewComplementDialog>([](CrewComplementDialog& dialog) {
    EXPECT_EQ(dialog.title(), CrewComplementDialog::kCaption);
    EXPECT_EQ(dialog.lines().size(), 2u);
    dialog.select(0, true);
    return true;
  });
  ASSERT_TRUE(app->dispatch(command::kCrewComplement));
  const TDocument& doc = app->document();
  EXPECT_EQ(front.viewsClosed, 1);
  EXPECT_TRUE(doc.BlocksShown);
  EXPECT_TRUE(doc.PairWindowVisible);
  ASSERT_EQ(doc.LastPair, 2);
  EXPECT_EQ(doc.pair(2).DayStatus[4], -kOpenInstance);
  EXPECT_EQ(doc.pair(0).DayStatus[4], -kAssignedInstance);

  // Closed by its close box, the dialog keeps the selection it opened with.
  ui.onDialog<CrewComplementDialog>([](CrewComplementDialog&) { return false; });
  ASSERT_TRUE(app->dispatch(command::kCrewComplement));
  EXPECT_EQ(app->document().LastPair, 2);
}

TEST_F(PairingEditCommands, BuildBlocksWithAnInvalidPairingShowsTheWarningsAndMayOpenTheEditor) {
  const std::string warnings(PairingValidateDialog::kCaption);
  const std::string question = shell_text::kInvalidPairingsQuestion;
  const std::string password(EditOrViewPairsDialog::kCaption);
  const std::string editor(PairDialog::kViewCaption);
  enum class Case { Valid, CorrectedInWarnings, BuildAnyway, Edit };
  struct Row {
    Case what;
    std::vector<std::string> shown;  // dialog captions and question texts
    bool built;
  };
  const Row rows[] = {
      {Case::Valid, {}, true},
      {Case::CorrectedInWarnings, {warnings}, true},
      {Case::BuildAnyway, {warnings, question}, true},
      {Case::Edit, {warnings, question, password, editor}, false},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(static_cast<int>(row.what));
    Start();
    app->CloseViews();
    TDocument& doc = app->document();
    // Daily credits that no longer add up to the total make the second
    // pairing invalid.
    if (row.what != Case::Valid) {
      doc.pair(1).Credit += 5;
      ui.onDialog<PairingValidateDialog>([&](PairingValidateDialog&) {
        if (row.what == Case::CorrectedInWarnings) doc.pair(1).Credit -= 5;
        return true;
      });
    }
    if (row.what == Case::BuildAnyway) ui.answers.push_back(Answer::No);
    if (row.what == Case::Edit) {
      ui.answers.push_back(Answer::Yes);
      ui.onDialog<EditOrViewPairsDialog>([](EditOrViewPairsDialog&) { return true; });
      ui.onDialog<PairDialog>([](PairDialog& pairs) {
        EXPECT_EQ(pairs.current(), 1);
        return true;
      });
    }
    ui.shown.clear();
    ASSERT_TRUE(app->dispatch(command::kBuildBlocks));
    std::vector<std::string> shown;
    for (const testing::Shown& s : ui.shown)
      shown.push_back(s.kind == testing::Shown::Kind::Question ? s.text : s.caption);
    EXPECT_EQ(shown, row.shown);
    if (row.what == Case::BuildAnyway) {
      EXPECT_EQ(ui.last().caption, kAppCaption);
    }
    EXPECT_EQ(doc.BlocksShown != 0, row.built);
    EXPECT_TRUE(ui.dialogs.empty() && ui.answers.empty());
    app->shutdown();
    app.reset();
  }
}

}  // namespace
}  // namespace lumora
