#include "app/qt_ui.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>

#include "app/list_dialog.h"
#include "app/progress_window.h"
#include "app_test_support.h"

namespace lumora {
namespace {

TEST(QtFilterTest, PairsBecomeQtFilterEntriesWithoutRepeatingShownPatterns) {
  const std::pair<const char*, QString> cases[] = {
      {"Desc|*.a|Desc2|*.b;*.c", QStringLiteral("Desc (*.a);;Desc2 (*.b *.c)")},
      {"", QString()},
      // A trailing bar, stray spaces and empty patterns change nothing.
      {"A|*.a|", QStringLiteral("A (*.a)")},
      {" B | *.b ; ;*.c ", QStringLiteral("B (*.b *.c)")},
      // A description alone keeps its own patterns, or matches everything.
      {"LM2 Files(*.lm2)", QStringLiteral("LM2 Files(*.lm2)")},
      {"Anything", QStringLiteral("Anything (*)")},
      {"|*.x", QStringLiteral("*.x (*.x)")},
      {"Fichiers \xE9t\xE9|*.e", QStringLiteral(u"Fichiers \u00e9t\u00e9 (*.e)")},
      {"Lumora (*.lm2)|*.lm2| Company Blocks(*.skd)|*.skd|All Files (*.*)|*.*",
       QStringLiteral("Lumora (*.lm2);;Company Blocks(*.skd);;All Files (*.*)")},
      {"Pairing Files (*.Bornemann *.PRG)|*.Bornemann;*.PRG",
       QStringLiteral("Pairing Files (*.Bornemann *.PRG)")},
      // Qt's dialog matches without regard to case, so "*.LIS" shown stands for "*.lis".
      {"LIS Pairing Files(*.LIS)|*.lis", QStringLiteral("LIS Pairing Files(*.LIS)")},
      // Qt takes the last parenthesised group: what the description shows must
      // not win over the real patterns.
      {"Old (*.x)|*.y", QStringLiteral("Old (*.x) (*.y)")},
      {"Two (*.a;*.b)|*.a;*.b", QStringLiteral("Two (*.a;*.b) (*.a *.b)")},
  };
  for (const auto& [filter, want] : cases) EXPECT_EQ(toQtFilter(filter), want) << filter;
}

TEST(QtMessageBoxTest, BoxCarriesPlainLatin1TextAndClosedBoxesRefuse) {
  auto box = makeMessageBox("Delete \xE9l\xE8ve?\n<b>not bold</b>", "Caution!",
                            Buttons::YesNoCancel, Icon::Warning);
  EXPECT_EQ(box->windowTitle(), QStringLiteral("Caution!"));
  EXPECT_EQ(box->text(), QStringLiteral(u"Delete \u00e9l\u00e8ve?\n<b>not bold</b>"));
  EXPECT_EQ(box->textFormat(), Qt::PlainText);
  EXPECT_EQ(box->icon(), QMessageBox::Warning);
  EXPECT_EQ(box->standardButtons(), QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
  EXPECT_EQ(box->defaultButton(), box->button(QMessageBox::Yes));
  const auto error = makeMessageBox("/home/x/July.lm2", "This is Not a Valid Lumora 2 File.",
                                    Buttons::Ok, Icon::Error);
  EXPECT_EQ(error->icon(), QMessageBox::Critical);
  EXPECT_EQ(error->text(), QStringLiteral("This is Not a Valid Lumora 2 File."));
  EXPECT_EQ(error->informativeText(), QStringLiteral("/home/x/July.lm2"));
  EXPECT_EQ(makeMessageBox("t", "Lumora", Buttons::Ok, Icon::Error)->text(), QStringLiteral("t"));

  // A box closed without a button is the most cautious answer.
  EXPECT_EQ(answerFor(QMessageBox::No, Buttons::YesNoCancel), Answer::No);
  EXPECT_EQ(answerFor(-1, Buttons::YesNo), Answer::No);
  EXPECT_EQ(answerFor(-1, Buttons::YesNoCancel), Answer::Cancel);
  EXPECT_EQ(answerFor(-1, Buttons::OkCancel), Answer::Cancel);
}

TEST(QtUiTest, AskShowsTheBoxModallyAndReturnsTheClickedButton) {
  QtUi ui;
  QString title;
  QTimer::singleShot(0, [&title] {
    for (QWidget* w : QApplication::topLevelWidgets()) {
      auto* box = qobject_cast<QMessageBox*>(w);
      if (box == nullptr || !box->isVisible()) continue;
      title = box->windowTitle();
      box->button(QMessageBox::Cancel)->click();
      return;
    }
    ADD_FAILURE() << "no message box shown";
    QApplication::closeAllWindows();
  });
  EXPECT_EQ(ui.ask("File has been modified. DO YOU WANT TO SAVE IT?", "Quitting Lumora!",
                   Buttons::YesNoCancel, Icon::Question),
            Answer::Cancel);
  EXPECT_EQ(title, QStringLiteral("Quitting Lumora!"));

  ListDialog list("Import Warnings", {"Ren\xE9 has no base", ""});
  EXPECT_EQ(list.windowTitle(), QStringLiteral("Import Warnings"));
  ASSERT_EQ(list.list().count(), 2);
  EXPECT_EQ(list.list().item(0)->text(), QStringLiteral(u"Ren\u00e9 has no base"));
}

TEST(QtUiTest, ProgressWindowIsModelessFollowsItsPositionAndMayOutliveItsParent) {
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
  EXPECT_EQ(window.percentText(), QStringLiteral("100%"));

  // Work that can stop halfway gets a Cancel button, and the window turns
  // modal so that the click is all the input the program takes meanwhile.
  auto scan = ui.progress("Scanning LIS Pairings", "Scanning Pairing %d of %d");
  const auto& cancellable = dynamic_cast<ProgressWindow&>(*scan);
  scan->allowCancel();
  EXPECT_TRUE(cancellable.dialog().isModal());
  EXPECT_FALSE(scan->cancelled());
  auto* cancel = cancellable.dialog().findChild<QPushButton*>();
  ASSERT_NE(cancel, nullptr);
  cancel->click();
  EXPECT_TRUE(scan->cancelled());
  EXPECT_FALSE(progress->cancelled());

  auto parent = std::make_unique<QWidget>();
  QtUi child(parent.get());
  auto orphan = child.progress("Loading", "%d of %d");
  parent.reset();  // takes the dialog with it
  orphan->setPosition(1);
  orphan.reset();
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
