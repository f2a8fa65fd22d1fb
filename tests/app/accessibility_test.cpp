// Every control of the main window and of each dialog the core runs has an
// accessible name and a tooltip, and no dialog is larger than a small laptop
// screen.

#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QStringList>
#include <filesystem>
#include <functional>
#include <memory>

#include "app/accessible_names.h"
#include "app/block_views.h"
#include "app/grid_widget.h"
#include "building/crew_complement.h"
#include "files/backup.h"
#include "files/viewer_files.h"
#include "frame_fixture.h"
#include "imports/pairing_warnings.h"
#include "imports/prg_dialog.h"
#include "model/set_dates_dialog.h"
#include "reports/baw_lin_export.h"
#include "reports/block_texts.h"
#include "rules/exceptions_report.h"
#include "rules/global_info.h"
#include "rules/setup_month_dialog.h"
#include "rules/whos_legal.h"
#include "shell/dialog_catalogue.h"
#include "shell/frame_dialogs.h"
#include "shell/new_file_wizard.h"
#include "shell/preferences_dialog.h"
#include "views/employee_info_dialog.h"
#include "views/pair_editor.h"
#include "views/pairing_filters.h"
#include "views/roster_dialogs.h"

namespace lumora::testing {
namespace {

constexpr QSize kSmallScreen{1366, 768};

QString listed(const std::vector<QString>& lines) {
  return QStringList(lines.begin(), lines.end()).join(QStringLiteral("\n"));
}

class AccessibilityTest : public FrameTest {
 protected:
  // Shows `model` in its registered window, checks the window and closes it.
  template <class Model>
  void expectWindowOf(Model& model, const char* name) {
    SCOPED_TRACE(name);
    std::unique_ptr<QDialog> dialog = window_->dialogs().create(model, ui, window_.get());
    ASSERT_NE(dialog, nullptr);
    dialog->show();
    QApplication::processEvents();
    const std::vector<QString> missing = unnamedControls(*dialog);
    EXPECT_TRUE(missing.empty()) << listed(missing).toStdString();
    const QSize size = dialog->sizeHint().expandedTo(dialog->minimumSize());
    EXPECT_LE(size.width(), kSmallScreen.width());
    EXPECT_LE(size.height(), kSmallScreen.height() - 60);  // a panel and a caption
    dialog->hide();
  }

  std::unique_ptr<MainWindow> window_;
};

TEST_F(AccessibilityTest, EveryControlOfTheMainWindowAndTheDialogsIsNamedAndFitsASmallScreen) {
  window_ = startWindow(kDemo.string());
  window_->show();
  QApplication::processEvents();
  const std::vector<QString> missing = unnamedControls(*window_);
  EXPECT_TRUE(missing.empty()) << listed(missing).toStdString();
  // The grid's corner icons are painted, not widgets: each explains itself.
  BlockViews& views = *window_->views();
  QStringList cornerTips;
  for (int x = 0; x < views.gridModel().cornerRect().right; ++x) {
    const Point p{x, views.gridModel().cornerRect().top + 10};
    if (views.gridModel().cornerButton(p) == CornerButton::None) continue;
    const QString tip = views.gridWidget().toolTipAt(p);
    EXPECT_FALSE(tip.isEmpty()) << x;
    if (!cornerTips.contains(tip)) cornerTips.push_back(tip);
  }
  EXPECT_EQ(cornerTips.size(), 3) << cornerTips.join(QStringLiteral(", ")).toStdString();

  LumoraApp& app = window_->app();
  TDocument& doc = app.document();
  BlockEditContext ctx{doc, app.ui(), app.eventLog(), app.rules(), *window_->views()};
  StartupSettings display = window_->display();
  TCalendar calendar = doc.cal;
  const int pair = 0;
  int day = 0;
  while (day < 31 && doc.pair(pair).DayStatus[static_cast<std::size_t>(day)] == 0) ++day;

  SetDatesDialog dates(clock, calendar);
  expectWindowOf(dates, "month");
  FileNotesDialog notes(doc);
  expectWindowOf(notes, "notes");
  FixedTextDialog text("Shortcuts", {"F1 Undo", "F4 Pairings"});
  expectWindowOf(text, "fixed text");
  PreferencesDialog preferences(app.settings(), display, false);
  expectWindowOf(preferences, "preferences");
  LoadPrgDialog prg;
  expectWindowOf(prg, "PRG");
  PairingValidateDialog warnings(doc);
  expectWindowOf(warnings, "pairing warnings");
  WhosLegalDialog legal(ctx, pair, day);
  expectWindowOf(legal, "who is legal");
  BackupDialog backup(doc, app.settings(), clock, app.eventLog());
  expectWindowOf(backup, "backup");
  BawLinExportDialog exportBlocks(doc);
  expectWindowOf(exportBlocks, "export");
  ViewerKindDialog viewer;
  expectWindowOf(viewer, "viewer kind");
  CopyBlocksDialog copy(doc, app.settings());
  expectWindowOf(copy, "copy blocks");
  ExceptionsReportDialog exceptions(doc);
  expectWindowOf(exceptions, "exceptions");
  GlobalInfoDialog global(doc);
  expectWindowOf(global, "global info");
  EmployeeInfoDialog employee(ctx, 0);
  expectWindowOf(employee, "employee info");
  QuickEmpInfoDialog quick(doc, 0, Point{100, 100});
  expectWindowOf(quick, "quick info");
  RosterDialog roster(doc);
  expectWindowOf(roster, "roster");
  MoveEmployeeDialog move(ctx, 0);
  expectWindowOf(move, "move");
  EditOrViewPairsDialog pairings(doc);
  expectWindowOf(pairings, "pairings");
  PairDialog editor(doc, pair);
  expectWindowOf(editor, "pairing editor");
  FilterWizardDialog wizard;
  expectWindowOf(wizard, "filter wizard");
  BidFilterEditor bidFilter(doc, 0);
  expectWindowOf(bidFilter, "bid filter");
  SetupMonthDialog setup(doc);
  expectWindowOf(setup, "setup month");
  {
    CrewComplementDialog complement(ctx);
    expectWindowOf(complement, "crew complement");
    complement.cancel();
  }
  window_->shutdown();
}

}  // namespace
}  // namespace lumora::testing
