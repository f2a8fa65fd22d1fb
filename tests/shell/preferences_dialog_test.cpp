#include "shell/preferences_dialog.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <tuple>

#include "doubles/memory_settings.h"
#include "platform/settings_catalogue.h"
#include "shell/grid_font.h"
#include "shell/startup_settings.h"
#include "support/scripted_ui.h"

namespace lumora {
namespace {

using testing::MemorySettings;
using testing::ScriptedUi;
using testing::Shown;

using D = PreferencesDialog;

TEST(PreferencesDialogTest, OnlyOneChecksABoxAndThePaddingsShownAreThoseInUse) {
  MemorySettings store;
  StartupSettings display;
  const D fresh(store, display, false);
  // Checked when nothing is stored, yet printing leaves the requests out until OK stores it.
  EXPECT_TRUE(fresh.checked(D::kPrintXesBox));
  EXPECT_FALSE(ReadSettingFlag(store, kPrintXesWhenPrinting));
  EXPECT_TRUE(fresh.checked(D::kAllowIllegalBox));
  EXPECT_FALSE(D::enabled(D::kAllowIllegalBox));
  EXPECT_EQ(std::tie(fresh.xPadding, fresh.yPadding), std::make_tuple("09", "05"));
  EXPECT_EQ(fresh.shownLabel(D::kDebugFileBox), "Log Events to C:\\LMDebug.txt");
  D named(store, display, false);
  named.logFile = "/home/s/.local/state/lumora/LMDebug/LMDebug.txt";
  EXPECT_EQ(named.shownLabel(D::kDebugFileBox),
            "Log Events to /home/s/.local/state/lumora/LMDebug/LMDebug.txt");

  store.writeString("LM", "grid", "1");
  store.writeString("LM", "Layovers", "2");
  store.writeString("LM", "printxes", "0");
  store.writeString("LM", "XPadding", "5");
  store.writeString("LM", "YPadding", "123");
  StartupSettings inUse = ReadStartupSettings(store);
  const D dialog(store, inUse, false);
  EXPECT_TRUE(dialog.checked(D::kGridBox));
  EXPECT_FALSE(dialog.checked(D::kLayoversBox));
  EXPECT_FALSE(dialog.checked(D::kPrintXesBox));
  // OK with nothing changed lays the grid out as it is.
  EXPECT_EQ(std::tie(dialog.xPadding, dialog.yPadding), std::make_tuple("05", "12"));
  EXPECT_EQ(dialog.paddings(), inUse.paddings);

  // At start the same texts are used as they are.
  const StartupSettings start = ReadStartupSettings(store);
  EXPECT_EQ(start.paddings, (GridPaddings{5, 12}));
  EXPECT_TRUE(start.switches.grid);
  EXPECT_FALSE(start.switches.layovers);
  MemorySettings empty;
  EXPECT_EQ(ReadStartupSettings(empty).paddings, (GridPaddings{9, 5}));
  EXPECT_EQ(ReadStartupSettings(empty).switches, ShellSwitches{});
}

TEST(PreferencesDialogTest, OkWritesEveryBoxAndThePaddingsAsTyped) {
  MemorySettings store;
  StartupSettings display;
  D dialog(store, display, false);
  *dialog.box(D::kGridBox) = true;
  *dialog.box(D::kLayoversBox) = false;
  dialog.printXes = true;
  dialog.allowIllegal = false;
  *dialog.edit(D::kXPaddingEdit) = "3";
  *dialog.edit(D::kYPaddingEdit) = "045";
  EXPECT_EQ(dialog.box(999), nullptr);

  display.switches.allowIllegal = true;
  ScriptedUi ui;
  EXPECT_TRUE(dialog.accept(ui));
  EXPECT_TRUE(ui.shown.empty());

  const std::map<std::string, std::string> expected{
      {"lm/grid", "1"},         {"lm/layovers", "0"},
      {"lm/showfullpair", "0"}, {"lm/showfulllayover", "0"},
      {"lm/autosave", "1"},     {"lm/remindbackup", "1"},
      {"lm/printxes", "1"},     {"lm/holdctrlkey", "1"},
      {"lm/allowillegal", "0"}, {"lm/debugfile", "0"},
      {"lm/disableftp", "0"},   {"lm/xpadding", "3"},
      {"lm/ypadding", "04"}};
  EXPECT_EQ(store.values, expected);
  EXPECT_TRUE(ReadSettingFlag(store, kPrintXesWhenPrinting));

  // OK puts the switches and paddings in use at once.
  EXPECT_EQ(display.paddings, (GridPaddings{3, 4}));
  EXPECT_TRUE(display.switches.grid);
  EXPECT_FALSE(display.switches.layovers);
  // The disabled box is stored but does not change the switch in use.
  EXPECT_TRUE(display.switches.allowIllegal);
}

TEST(PreferencesDialogTest, TheLogSwitchSaysThatItWaitsForTheNextStart) {
  // box, switch in use, log open -> message
  const std::string on = "Debug File will not be saved until Lumora is Restarted";
  const std::string off = "Debug File will continue to be saved until Lumora is Restarted";
  for (const auto& [box, inUse, open, text] : {
           std::tuple{true, false, false, on},
           std::tuple{false, true, true, off},
           std::tuple{true, true, true, std::string()},
           std::tuple{false, false, false, std::string()},
           // Switched off and on again while the log stays open: nothing to say.
           std::tuple{true, false, true, std::string()},
           // Logging was asked for but the log could not be opened.
           std::tuple{false, true, false, std::string()},
       }) {
    MemorySettings store;
    StartupSettings display;
    D dialog(store, display, open);
    dialog.debugFile = box;
    ShellSwitches current;
    current.debugFile = inUse;
    ScriptedUi ui;
    const PreferencesOutcome outcome = dialog.ok(store, current, open, ui);
    EXPECT_EQ(outcome.switches.debugFile, box);
    EXPECT_EQ(ReadSettingFlag(store, kDebugFile), box);
    if (text.empty()) {
      EXPECT_TRUE(ui.shown.empty()) << box << inUse << open;
    } else {
      ASSERT_EQ(ui.shown.size(), 1u) << box << inUse << open;
      EXPECT_EQ(ui.last().text, text);
      EXPECT_EQ(ui.last().caption, "Lumora");
      EXPECT_EQ(ui.last().icon, Icon::Information);
    }
  }
}

TEST(GridFontTest, DefaultsUnlessAWholeStoredFontReadsBack) {
  MemorySettings store;
  const GridFontChoice defaults = GridFontChoice::ReadAtStart(store);
  EXPECT_EQ(defaults.font().family, "Arial");
  EXPECT_EQ(defaults.boldFont().weight, 700);
  for (const char* damaged : {"Arial", "16,7,400,0,0,0,", "16,7,4000,0,0,0,Arial",
                              "16,7,400,0,2,0,Arial", "16, 7,400,0,0,0,Arial"}) {
    store.structs["lm/font"] = damaged;
    EXPECT_EQ(GridFontChoice::ReadAtStart(store).font(), defaults.font()) << damaged;
  }
}

TEST(GridFontTest, TheChosenFontIsStoredWithItsBoldVariantAndFlightAttendantFilesStayPlain) {
  MemorySettings store;
  store.writeString("LM", "XPadding", "06");
  StartupSettings display;
  D dialog(store, display, false);
  dialog.xPadding = "11";

  FontDescription chosen;
  chosen.family = "Liberation Sans, Narrow";
  chosen.height = -13;
  chosen.width = 0;
  chosen.weight = 600;
  chosen.italic = true;

  GridFontChoice fonts;
  // The edits' paddings: the typed one and the one in use.
  EXPECT_EQ(dialog.fontChosen(fonts, chosen, false, store), (GridPaddings{11, 5}));
  EXPECT_EQ(fonts.font().weight, 600);
  EXPECT_EQ(fonts.boldFont().weight, 700);
  EXPECT_TRUE(fonts.boldFont().italic);
  const GridFontChoice reread = GridFontChoice::ReadAtStart(store);
  EXPECT_EQ(reread.font(), fonts.font());
  EXPECT_EQ(reread.boldFont(), fonts.boldFont());

  fonts.ok(chosen, true, store);
  EXPECT_EQ(fonts.font().weight, 400);
  EXPECT_EQ(GridFontChoice::ReadAtStart(store).font().weight, 400);
}

}  // namespace
}  // namespace lumora
