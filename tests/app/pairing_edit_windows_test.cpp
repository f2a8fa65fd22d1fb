#include "app/pairing_edit_windows.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <filesystem>

#include "app/screenshot.h"
#include "app_test_support.h"
#include "building/crew_complement.h"
#include "shell/document_session.h"
#include "shell/memory_settings.h"

namespace lumora {
namespace {

using testing::kDemo;

// The demo month as the desktop opens it.
class PairingEditWindowsTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(session.open(kDemo).loaded); }
  TDocument& doc() { return session.document(); }

  testing::ScriptedUi ui;
  MemorySettingsStore settings;
  DocumentSession session{ui, settings};
  testing::NoRules rules;
};

TEST_F(PairingEditWindowsTest, ComplementListMarksTheSelectedLinesOnDone) {
  session.useRules(rules);
  session.closeViews();
  const int before = doc().lastPairIndex();
  CrewComplementDialog model(session.editContext());
  CrewComplementWindow window(model, ui);
  ASSERT_EQ(window.list().count(), static_cast<int>(model.lines().size()));
  int row = 0;
  while (row < window.list().count() && model.lines()[static_cast<std::size_t>(row)].selected)
    ++row;
  ASSERT_LT(row, window.list().count());
  for (int r = 0; r < window.list().count(); ++r)
    EXPECT_EQ(window.list().item(r)->isSelected(),
              model.lines()[static_cast<std::size_t>(r)].selected);
  window.show();
  QTest::mouseClick(window.list().viewport(), Qt::LeftButton, {},
                    window.list().visualItemRect(window.list().item(row)).center());
  ASSERT_TRUE(window.list().item(row)->isSelected());
  EXPECT_TRUE(saveScreenshot(window, QStringLiteral(LUMORA_TEST_ARTIFACTS "/crew_complement.png")));
  window.doneButton().click();
  EXPECT_EQ(window.result(), QDialog::Accepted);
  EXPECT_TRUE(model.applied());
  const ComplementLine& line = model.lines()[static_cast<std::size_t>(row)];
  EXPECT_TRUE(line.selected);
  EXPECT_LT(doc().pair(line.pair).DayStatus[static_cast<std::size_t>(line.day)], 0);
  if (doc().crewKind() != CrewKind::FirstOfficers) {
    EXPECT_GT(doc().lastPairIndex(), before);
  }
}

TEST_F(PairingEditWindowsTest, AWrongPasswordKeepsTheDialogOpenWithTheFieldFocused) {
  EditOrViewPairsDialog model(doc());
  EditOrViewPairsWindow window(model, ui);
  window.show();
  QTest::keyClicks(&window.passwordEdit(), QStringLiteral("Quarto1"));
  EXPECT_EQ(window.passwordEdit().text(), QStringLiteral("Quarto"));  // six characters at most
  window.accept();
  EXPECT_NE(window.result(), QDialog::Accepted);
  EXPECT_EQ(ui.messageTexts(),
            std::vector<std::string>{std::string(EditOrViewPairsDialog::kWrongPassword)});
  EXPECT_EQ(window.focusWidget(), &window.passwordEdit());
  EXPECT_TRUE(saveScreenshot(window, QStringLiteral(LUMORA_TEST_ARTIFACTS "/edit_pairings.png")));

  window.passwordEdit().setText(QStringLiteral("QUARTO"));
  window.accept();
  EXPECT_EQ(window.result(), QDialog::Accepted);
  EXPECT_TRUE(model.editing());
}

TEST_F(PairingEditWindowsTest, TheEditorRefusesABadPageAndFocusesItsField) {
  session.closeViews();
  doc().view.pairEditing = 1;
  PairDialog model(doc(), 0);
  PairEditorWindow window(model, ui);
  window.show();
  int shown = 0;
  for (int box = 0; box < PairDialog::kBoxes; ++box)
    shown += window.dayBox(box).isVisible() ? 1 : 0;
  EXPECT_EQ(shown, doc().monthDays());

  const QString original = window.onEdit().text();
  const int onTime = doc().pair(0).OnTime;
  window.onEdit().setText(QStringLiteral("25:61"));
  ui.answers.push_back(Answer::Yes);  // fix now
  window.nextButton().click();
  EXPECT_EQ(model.current(), 0);
  EXPECT_EQ(window.pairingBar().value(), 0);
  EXPECT_EQ(window.focusWidget(), &window.onEdit());
  EXPECT_EQ(window.onEdit().text(), QStringLiteral("25:61"));  // kept to be corrected
  EXPECT_TRUE(saveScreenshot(window, QStringLiteral(LUMORA_TEST_ARTIFACTS "/pairing_editor.png")));

  // Put right, the page is stored as shown and the next one comes.
  window.onEdit().setText(original);
  window.nextButton().click();
  EXPECT_EQ(model.current(), 1);
  EXPECT_EQ(window.pairingBar().value(), 1);
  EXPECT_EQ(doc().pair(0).OnTime, onTime);
}

}  // namespace
}  // namespace lumora
