#include "app/qt_ui.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>

#include "app/list_dialog.h"
#include "app/progress_window.h"
#include "app_test_support.h"

namespace lumora {
namespace {

TEST(QtFilterTest, PairsBecomeQtFilterEntries) {
  EXPECT_EQ(toQtFilter("Desc|*.a|Desc2|*.b;*.c"), QStringLiteral("Desc (*.a);;Desc2 (*.b *.c)"));
  EXPECT_EQ(toQtFilter(""), QString());
  // A trailing bar, stray spaces and empty patterns change nothing.
  EXPECT_EQ(toQtFilter("A|*.a|"), QStringLiteral("A (*.a)"));
  EXPECT_EQ(toQtFilter(" B | *.b ; ;*.c "), QStringLiteral("B (*.b *.c)"));
  // A description alone keeps its own patterns, or matches everything.
  EXPECT_EQ(toQtFilter("LM2 Files(*.lm2)"), QStringLiteral("LM2 Files(*.lm2)"));
  EXPECT_EQ(toQtFilter("Anything"), QStringLiteral("Anything (*)"));
  EXPECT_EQ(toQtFilter("|*.x"), QStringLiteral("*.x (*.x)"));
  // Latin-1 descriptions
  EXPECT_EQ(toQtFilter("Fichiers \xE9t\xE9|*.e"), QStringLiteral(u"Fichiers \u00e9t\u00e9 (*.e)"));
}

TEST(QtFilterTest, DescriptionsThatShowTheirPatternsAreNotRepeated) {
  EXPECT_EQ(toQtFilter("Lumora (*.lm2)|*.lm2|Lumora Viewer(*.lmv)|*.lmv| Company "
                       "Blocks(*.skd)|*.skd|All Files (*.*)|*.*"),
            QStringLiteral("Lumora (*.lm2);;Lumora Viewer(*.lmv);;Company Blocks(*.skd);;"
                           "All Files (*.*)"));
  EXPECT_EQ(toQtFilter("Pairing Files (*.Bornemann *.PRG)|*.Bornemann;*.PRG|All Files (*.*)|*.*"),
            QStringLiteral("Pairing Files (*.Bornemann *.PRG);;All Files (*.*)"));
  // Qt's dialog matches without regard to case, so "*.LIS" shown stands for "*.lis".
  EXPECT_EQ(toQtFilter("LIS Pairing Files(*.LIS)|*.lis"),
            QStringLiteral("LIS Pairing Files(*.LIS)"));
  // Qt takes the last parenthesised group: what the description shows must
  // not win over the real patterns.
  EXPECT_EQ(toQtFilter("Old (*.x)|*.y"), QStringLiteral("Old (*.x) (*.y)"));
  EXPECT_EQ(toQtFilter("Two (*.a;*.b)|*.a;*.b"), QStringLiteral("Two (*.a;*.b) (*.a *.b)"));
}

TEST(QtMessageBoxTest, BoxCarriesCaptionTextIconAndButtons) {
  auto box = makeMessageBox("Delete \xE9l\xE8ve?\n<b>not bold</b>", "Caution!",
                            Buttons::YesNoCancel, Icon::Warning);
  EXPECT_EQ(box->windowTitle(), QStringLiteral("Caution!"));
  EXPECT_EQ(box->text(), QStringLiteral(u"Delete \u00e9l\u00e8ve?\n<b>not bold</b>"));
  EXPECT_EQ(box->textFormat(), Qt::PlainText);
  EXPECT_EQ(box->icon(), QMessageBox::Warning);
  EXPECT_EQ(box->standardButtons(), QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
  EXPECT_EQ(box->defaultButton(), box->button(QMessageBox::Yes));

  EXPECT_EQ(makeMessageBox("t", "c", Buttons::Ok, Icon::Error)->standardButtons(), QMessageBox::Ok);
  EXPECT_EQ(makeMessageBox("t", "c", Buttons::Ok, Icon::Error)->icon(), QMessageBox::Critical);
  EXPECT_EQ(makeMessageBox("t", "c", Buttons::Ok, Icon::None)->icon(), QMessageBox::NoIcon);
  EXPECT_EQ(makeMessageBox("t", "c", Buttons::YesNo, Icon::Question)->standardButtons(),
            QMessageBox::Yes | QMessageBox::No);
  EXPECT_EQ(makeMessageBox("t", "c", Buttons::OkCancel, Icon::None)->standardButtons(),
            QMessageBox::Ok | QMessageBox::Cancel);
}

TEST(QtMessageBoxTest, ResultsMapToAnswersAndAClosedBoxRefuses) {
  EXPECT_EQ(answerFor(QMessageBox::Yes, Buttons::YesNo), Answer::Yes);
  EXPECT_EQ(answerFor(QMessageBox::No, Buttons::YesNoCancel), Answer::No);
  EXPECT_EQ(answerFor(QMessageBox::Cancel, Buttons::YesNoCancel), Answer::Cancel);
  EXPECT_EQ(answerFor(QMessageBox::Ok, Buttons::OkCancel), Answer::Ok);
  EXPECT_EQ(answerFor(-1, Buttons::YesNo), Answer::No);
  EXPECT_EQ(answerFor(-1, Buttons::YesNoCancel), Answer::Cancel);
  EXPECT_EQ(answerFor(-1, Buttons::OkCancel), Answer::Cancel);
}

// Clicks `button` on the message box that is about to run modally.
void clickWhenShown(QMessageBox::StandardButton button, QString* seenTitle) {
  QTimer::singleShot(0, [button, seenTitle] {
    for (QWidget* w : QApplication::topLevelWidgets()) {
      auto* box = qobject_cast<QMessageBox*>(w);
      if (box == nullptr || !box->isVisible()) continue;
      *seenTitle = box->windowTitle();
      box->button(button)->click();
      return;
    }
    ADD_FAILURE() << "no message box shown";
    QApplication::closeAllWindows();
  });
}

TEST(QtUiTest, AskShowsTheBoxModallyAndReturnsTheClickedButton) {
  QtUi ui;
  QString title;
  clickWhenShown(QMessageBox::Cancel, &title);
  EXPECT_EQ(ui.ask("File has been modified. DO YOU WANT TO SAVE IT?", "Quitting Lumora!",
                   Buttons::YesNoCancel, Icon::Question),
            Answer::Cancel);
  EXPECT_EQ(title, QStringLiteral("Quitting Lumora!"));

  clickWhenShown(QMessageBox::No, &title);
  EXPECT_EQ(ui.ask("Would you like to create a new file", "Lumora", Buttons::YesNo, Icon::Question),
            Answer::No);
}

TEST(QtUiTest, ListDialogShowsCaptionAndLatin1Lines) {
  ListDialog dialog("Import Warnings", {"Crew 12 unknown", "Ren\xE9 has no base", ""});
  EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Import Warnings"));
  EXPECT_TRUE(dialog.isModal());
  ASSERT_EQ(dialog.list().count(), 3);
  EXPECT_EQ(dialog.list().item(0)->text(), QStringLiteral("Crew 12 unknown"));
  EXPECT_EQ(dialog.list().item(1)->text(), QStringLiteral(u"Ren\u00e9 has no base"));
  EXPECT_EQ(dialog.list().item(2)->text(), QString());
  EXPECT_EQ(dialog.okButton().text(), QStringLiteral("OK"));
  dialog.show();
  dialog.okButton().click();
  EXPECT_EQ(dialog.result(), QDialog::Accepted);
  EXPECT_FALSE(dialog.isVisible());
}

TEST(QtUiTest, ProgressWindowIsModelessAndFollowsRangeAndPosition) {
  QtUi ui;
  auto progress = ui.progress("Scanning for USA Segments", "Completed %d of %d");
  auto& window = dynamic_cast<ProgressWindow&>(*progress);
  EXPECT_EQ(window.dialog().windowTitle(), QStringLiteral("Scanning for USA Segments"));
  EXPECT_TRUE(window.dialog().isVisible());
  EXPECT_FALSE(window.dialog().isModal());
  EXPECT_EQ(window.lineText(), QStringLiteral("Completed 0 of 0"));
  EXPECT_EQ(window.percentText(), QStringLiteral("0%"));

  progress->setRange(8);
  progress->setPosition(2);
  EXPECT_EQ(window.lineText(), QStringLiteral("Completed 2 of 8"));
  EXPECT_EQ(window.percentText(), QStringLiteral("25%"));
  // Reaching the end neither closes nor resets the window: the caller does.
  progress->setPosition(8);
  EXPECT_TRUE(window.dialog().isVisible());
  EXPECT_EQ(window.lineText(), QStringLiteral("Completed 8 of 8"));
  EXPECT_EQ(window.percentText(), QStringLiteral("100%"));
}

TEST(QtUiTest, ProgressWindowOutlivedByItsParentIsSafe) {
  auto parent = std::make_unique<QWidget>();
  QtUi ui(parent.get());
  auto progress = ui.progress("Loading", "%d of %d");
  parent.reset();  // takes the dialog with it
  progress->setPosition(1);
  progress.reset();
}

TEST(QtUiTest, WaitCursorIsOneLevelAndRestored) {
  ASSERT_EQ(QApplication::overrideCursor(), nullptr);
  {
    QtUi ui;
    ui.setWaitCursor(true);
    ui.setWaitCursor(true);
    ASSERT_NE(QApplication::overrideCursor(), nullptr);
    EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
    ui.setWaitCursor(false);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    ui.setWaitCursor(false);
    ui.setWaitCursor(true);
  }
  EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

}  // namespace
}  // namespace lumora
