#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>

#include "app/rules_windows.h"
#include "frame_fixture.h"
#include "rules/setup_month_dialog.h"
#include "shell/command_table.h"

namespace lumora::testing {
namespace {

using RulesWindowsTest = FrameTest;

TEST_F(RulesWindowsTest, SetupMonthStoresAsTheBarMovesAndInfoOpensOverIt) {
  writeScheduleFile(file("month.lm2"), 7);
  auto window = startWindow(file("month.lm2").string());
  TDocument& doc = window->app().document();
  doc.Modified = 0;
  int infoLines = 0;
  whenShown<SetupMonthWindow>([&](SetupMonthWindow& dialog) {
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Setup Month"));
    dialog.bar(static_cast<int>(MonthRule::AvgCredit)).setValue(4700);
    EXPECT_EQ(doc.AvgCredit, 4700);
    EXPECT_EQ(dialog.valueText(static_cast<int>(MonthRule::AvgCredit)).text(),
              QStringLiteral("78:20"));
    whenShown<ReportListWindow>([&](ReportListWindow& info) {
      infoLines = info.list().count();
      info.accept();
    });
    dialog.infoButton().click();
    dialog.accept();
  });
  menuAction(*window, command::kMonth)->trigger();
  EXPECT_GT(infoLines, 10);
  EXPECT_EQ(doc.AvgCredit, 4700);
  EXPECT_EQ(doc.Modified, 1);
}

TEST_F(RulesWindowsTest, TheExceptionsReportCopiesItsLines) {
  writeScheduleFile(file("month.lm2"), 7);
  auto window = startWindow(file("month.lm2").string());
  whenShown<ReportListWindow>([&](ReportListWindow& dialog) {
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Lumora Exceptions and Warnings Report"));
    EXPECT_EQ(dialog.list().item(0)->text(), QStringLiteral("------- EXCEPTIONS -------"));
    dialog.copyButton().click();
    dialog.reject();
  });
  menuAction(*window, command::kWarnings)->trigger();
  EXPECT_EQ(ui.messageTexts().back(), "Copied to Windows Clipboard.");
}

}  // namespace
}  // namespace lumora::testing
