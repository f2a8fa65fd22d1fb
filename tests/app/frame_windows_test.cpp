#include "app/frame_windows.h"
#include "app/new_file_wizard_window.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextCursor>

#include "files/backup.h"
#include "frame_fixture.h"
#include "model/calendar.h"
#include "model/set_dates_dialog.h"
#include "shell/command_table.h"

namespace lumora {
namespace {

using testing::FrameTest;

class MonthDialogTest : public ::testing::Test {
 protected:
  QString date(int id) const { return window.dateText(id)->text(); }

  testing::ScriptedUi ui;
  testing::FixedClock clock{{2026, 6, 15, 9, 30, 0}};
  TCalendar calendar;
  SetDatesDialog model{clock, calendar};
  MonthDialog window{model, ui};
};

TEST_F(MonthDialogTest, ButtonsMoveTheDatesAndTheMonths) {
  EXPECT_EQ(window.windowTitle(), QStringLiteral("Set Start and End Dates for the New Month"));
  EXPECT_EQ(window.button(107)->text(), QStringLiteral(">>"));
  EXPECT_EQ(window.button(108)->text(), QStringLiteral("<<"));
  struct Step {
    std::vector<int> clicks;
    const char* start;
    const char* end;
  } const steps[] = {
      {{}, "Wed 01 Jul 2026", "Fri 31 Jul 2026"},
      {{100, 103}, "Tue 30 Jun 2026", "Sat 01 Aug 2026"},
      {{101, 102}, "Wed 01 Jul 2026", "Fri 31 Jul 2026"},
      // A month away and back resets both dates to the month's period.
      {{103, 107}, "Sat 01 Aug 2026", "Mon 31 Aug 2026"},
      {{108, 108}, "Mon 01 Jun 2026", "Tue 30 Jun 2026"},
  };
  for (const Step& step : steps) {
    for (const int id : step.clicks) window.button(id)->click();
    EXPECT_EQ(date(104), QString::fromLatin1(step.start));
    EXPECT_EQ(date(105), QString::fromLatin1(step.end));
  }
  EXPECT_TRUE(ui.shown.empty());
}

TEST_F(MonthDialogTest, OkRefusesTooLongAPeriodAndStaysOpenThenFillsTheCalendar) {
  window.show();
  window.button(103)->click();  // 1 July to 1 August: 32 days
  window.okButton().click();
  ASSERT_EQ(ui.messageTexts(),
            std::vector<std::string>{"The new Month cannot contain more than 31 days."});
  EXPECT_EQ(ui.shown.back().caption, "Lumora");
  EXPECT_TRUE(window.isVisible());
  EXPECT_EQ(calendar.MonthLength, 0);

  window.button(102)->click();
  window.okButton().click();
  EXPECT_FALSE(window.isVisible());
  EXPECT_EQ(window.result(), QDialog::Accepted);
  EXPECT_EQ(calendar.MonthLength, 31);
  EXPECT_EQ(ui.shown.size(), 1u);
}

TEST_F(FrameTest, NewFileRunsTheMonthDialogOnTheWindow) {
  const auto window = startWindow();
  ui.answers.push_back(Answer::Yes);
  testing::whenShown<MonthDialog>([&window](MonthDialog& dialog) {
    EXPECT_TRUE(dialog.isModal());
    dialog.button(SetDatesDialog::kNextMonth)->click();
    // The wizard follows on the reduced menu; its close box leaves the month
    // as far as it got.
    testing::whenShown<NewFileWizardWindow>([&window](NewFileWizardWindow& wizard) {
      EXPECT_STREQ(window->app().menuName(), "MENU_3");
      EXPECT_TRUE(wizard.equipmentGroup().isEnabled());
      wizard.statusChoice(2).click();  // FA / PU
      EXPECT_FALSE(wizard.equipmentGroup().isEnabled());
      EXPECT_FALSE(wizard.finishButton().isEnabled());
      wizard.reject();
    });
    dialog.okButton().click();
  });
  ASSERT_TRUE(window->app().dispatch(command::kNew));
  EXPECT_EQ(ui.shown.front().text, "Would you like to create a new file");
  EXPECT_STREQ(window->app().menuName(), "MENU_1");
  EXPECT_FALSE(window->app().document().BlocksShown);
  EXPECT_EQ(window->windowTitle(), QStringLiteral("Lumora - untitled.blk[*]"));
  EXPECT_EQ(window->app().document().cal.MonthNumber, 8);
  window->shutdown();
}

TEST_F(FrameTest, BackupWindowHandsItsFieldsToTheModelAndRefusesNoLocation) {
  testing::writeScheduleFile(file("April DH8.lm2"), 7);
  const auto window = startWindow(file("April DH8.lm2").string());
  std::filesystem::create_directory(file("stick"));
  testing::whenShown<BackupWindow>([this](BackupWindow& dialog) {
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Backup File"));
    dialog.locationEdit().clear();
    dialog.okButton().click();  // refused: the dialog stays
    EXPECT_TRUE(dialog.isVisible());
    dialog.locationEdit().setText(fromCorePath(file("stick").string()));
    dialog.datedCheck().setChecked(false);
    dialog.okButton().click();
  });
  ASSERT_TRUE(window->app().dispatch(command::kBackup));
  EXPECT_EQ(ui.messageTexts().back(), "You must select a location to backup the file or Cancel");
  EXPECT_TRUE(std::filesystem::exists(file("stick") / "April DH8.LM2"));
  window->shutdown();
}

TEST(FileNotesWindowTest, OkHandsTheBoundedTextToTheModelAndCancelDoesNot) {
  testing::ScriptedUi ui;
  auto doc = std::make_unique<TDocument>();
  doc->SharedNotes = "Crew room closed\r\nuntil the 5th \xE9t\xE9";
  {
    FileNotesDialog model(*doc);
    FileNotesWindow window(model, ui);
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Shared Notes for File"));
    // Lines written elsewhere end with CR LF; the box shows plain lines.
    EXPECT_EQ(window.editor().toPlainText(),
              QStringLiteral(u"Crew room closed\nuntil the 5th \u00e9t\u00e9"));
    window.editor().appendPlainText(QStringLiteral("Bus at 6"));
    window.show();
    window.okButton().click();
    EXPECT_EQ(doc->SharedNotes, "Crew room closed\r\nuntil the 5th \xE9t\xE9\r\nBus at 6");
    EXPECT_EQ(doc->Modified, 1);
  }
  {
    FileNotesDialog model(*doc);
    FileNotesWindow window(model, ui);
    window.editor().setPlainText(QStringLiteral("gone"));
    window.show();
    window.reject();
    EXPECT_NE(doc->SharedNotes, "gone");
  }
  FileNotesDialog model(*doc);
  FileNotesWindow window(model, ui);
  const int limit = static_cast<int>(FileNotesDialog::kMaxLength);
  window.editor().setPlainText(QString(limit - 2, QLatin1Char('a')));
  QTextCursor cursor = window.editor().textCursor();
  cursor.movePosition(QTextCursor::Start);
  window.editor().setTextCursor(cursor);
  // Pasted at the start: what does not fit is cut from the pasted text.
  window.editor().insertPlainText(QStringLiteral("0123456789"));
  const QString text = window.editor().toPlainText();
  EXPECT_EQ(text.size(), limit);
  EXPECT_TRUE(text.startsWith(QStringLiteral("01a"))) << text.left(8).toStdString();
  window.accept();
  EXPECT_EQ(model.text().size(), FileNotesDialog::kMaxLength);
}

TEST_F(FrameTest, SharedNotesKeyboardShortcutsAndAboutRunOnTheWindow) {
  const auto path = file("notes.lm2");
  testing::writeScheduleFile(path, 9);
  const auto window = startWindow(path.string());

  testing::whenShown<FileNotesWindow>([](FileNotesWindow& dialog) {
    dialog.editor().setPlainText(QStringLiteral("Spare crew list in the office"));
    dialog.okButton().click();
  });
  menuAction(*window, command::kSharedNotes)->trigger();
  EXPECT_EQ(window->app().document().SharedNotes, "Spare crew list in the office");

  QStringList lines;
  QString title;
  const auto read = [&] {
    testing::whenShown<FixedTextWindow>([&](FixedTextWindow& dialog) {
      title = dialog.windowTitle();
      lines = dialog.lines();
      dialog.okButton().click();
    });
  };
  read();
  menuAction(*window, command::kKeyboardShortcuts)->trigger();
  EXPECT_EQ(title, QStringLiteral("Lumora Keyboard Shortcuts"));
  ASSERT_EQ(lines.size(), 13);
  EXPECT_EQ(lines.front(), QStringLiteral("F1  Undo"));
  EXPECT_EQ(lines.back(), QStringLiteral("<-- View Last Month while Pressed"));
  read();
  window->toolBarAction(command::kAbout)->trigger();
  ASSERT_GE(lines.size(), 2);
  EXPECT_EQ(lines[1], QStringLiteral("Version 9.9.9"));
  window->shutdown();
}

}  // namespace
}  // namespace lumora
