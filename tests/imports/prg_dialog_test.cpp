#include "imports/prg_dialog.h"

#include <gtest/gtest.h>

#include <fstream>
#include <memory>

#include "doubles/memory_settings.h"
#include "doubles/recording_clipboard.h"
#include "files/temp_folder.h"
#include "imports/import_folders.h"
#include "imports/prg_lines.h"
#include "platform/event_log.h"
#include "platform/settings_catalogue.h"
#include "support/import_rig.h"
#include "support/scripted_ui.h"

namespace lumora::testing {
namespace {

TEST(LoadPrgDialogTest, EditsTakeOneLetterOrOneDigitAndGiveThePrefix) {
  LoadPrgDialog dialog;
  const std::pair<const char*, const char*> bases[] = {{"j", "J"}, {"1", ""}, {"YV", "Y"}};
  for (const auto& [typed, kept] : bases) {
    dialog.setBaseCode(typed);
    EXPECT_EQ(dialog.baseCode(), kept) << typed;
  }
  dialog.setEqpCode("x");
  EXPECT_EQ(dialog.eqpCode(), "");
  dialog.setBaseCode("V");
  dialog.setEqpCode("57");
  EXPECT_EQ(dialog.eqpCode(), "5");
  EXPECT_EQ(dialog.prefix(), "");  // unchecked: the document's own key
  EXPECT_FALSE(dialog.allEquipment(CrewKind::Captains));
  EXPECT_TRUE(dialog.allEquipment(CrewKind::FlightAttendants));
  dialog.setUseManualSettings(true);
  EXPECT_EQ(dialog.prefix(), "V5");
  EXPECT_FALSE(dialog.allEquipment(CrewKind::FlightAttendants));
  dialog.setEqpCode("");
  EXPECT_EQ(dialog.prefix(), "V");
  EXPECT_TRUE(dialog.allEquipment(CrewKind::Captains));
}

TEST(ImportFoldersTest, StartsInTheStoredFolderOnlyWhenItExists) {
  TempFolder folder;
  MemorySettings settings;
  const auto start = [&] { return ImportStartFolder(settings, kLastPrgPath, "/home/user"); };
  EXPECT_EQ(start(), "/home/user");  // "C:\" is no folder here
  settings.writeString("LM", "LastPrgPath", folder.path().string());
  EXPECT_EQ(start(), folder.path().string());
  settings.writeString("LM", "LASTPRGPATH", (folder / "gone").string());
  EXPECT_EQ(start(), "/home/user");
  settings.writeString("LM", "LastPRGPath", "");
  EXPECT_EQ(start(), "/home/user");

  RememberImportFolder(settings, kLastPrgPathWhenStoring, (folder / "JUL.PRG").string());
  EXPECT_EQ(settings.readString("LM", "LastPRGPath", ""), folder.path().string());
}

class PrgCommandTest : public ::testing::Test, protected lumora::testing::ImportRig {
 protected:
  PrgCommandTest() {
    FillCalendar(doc->cal, ToDayNumber({1, 7, 2026}), ToDayNumber({31, 7, 2026}));
    doc->FileDescriptor = "YYJDH8CAJ";
    hooks.closeViews = [&] { calls.push_back("close views"); };
    hooks.buildBlocks = [&] { calls.push_back("build blocks " + std::to_string(doc->LastPair)); };
    hooks.scanLisFiles = [&] { calls.push_back("scan LIS"); };
    Header v;
    v.key = "V5001";
    Header j;
    j.key = "J8002";
    std::ofstream(prg) << j.str() << "\n" << v.str() << "\n";
  }

  // Runs the command with a dialog that sets its controls and presses OK
  // until it may close, as the front end would.
  bool Run(const std::function<void(LoadPrgDialog&)>& fill, int presses = 1) {
    return ThisMonthsPairings(*doc, services, hooks, [&](LoadPrgDialog& dialog) {
      fill(dialog);
      for (int i = 0; i < presses; ++i) {
        calls.push_back("OK");
        if (dialog.accept(ui)) return;
      }
    });
  }

  TempFolder folder;
  std::filesystem::path prg = folder / "JUL.PRG";
  std::unique_ptr<TDocument> doc = std::make_unique<TDocument>();
  PrgCommandHooks hooks;
  std::vector<std::string> calls;
};

TEST_F(PrgCommandTest, OkLoadsTheChosenFileBetweenClosingAndRebuildingTheViews) {
  settings.writeString("LM", "LastPRGPath", folder.path().string());
  ui.openResults.push_back({prg.string()});
  EXPECT_TRUE(Run([](LoadPrgDialog&) {}));
  EXPECT_EQ(calls, (std::vector<std::string>{"OK", "close views", "build blocks 0", "scan LIS"}));
  ASSERT_EQ(ui.fileDialogs.size(), 1u);
  EXPECT_EQ(ui.fileDialogs[0].filter,
            "Pairing Files (*.Bornemann *.PRG)|*.Bornemann;*.PRG|All Files (*.*)|*.*");
  EXPECT_EQ(ui.fileDialogs[0].startFolder, folder.path().string());
  EXPECT_EQ(doc->Pairs[0].Number, 8002);

  // By hand: the other base's pairings, and the prefix is not kept.
  calls.clear();
  ui.openResults.push_back({prg.string()});
  EXPECT_TRUE(Run([](LoadPrgDialog& dialog) {
    dialog.setUseManualSettings(true);
    dialog.setBaseCode("V");
  }));
  EXPECT_EQ(doc->LastPair, 0);
  EXPECT_EQ(doc->Pairs[0].Number, 5001);
  EXPECT_EQ(doc->FileDescriptor, "YYJDH8CAJ");
}

TEST_F(PrgCommandTest, AMissingBaseCodeKeepsTheDialogOpen) {
  EXPECT_FALSE(Run(
      [](LoadPrgDialog& dialog) {
        dialog.setUseManualSettings(true);
        dialog.setEqpCode("8");
      },
      2));
  EXPECT_EQ(ui.messageTexts(), (std::vector<std::string>{"You have not entered a Base Code.",
                                                         "You have not entered a Base Code."}));
  EXPECT_EQ(calls, (std::vector<std::string>{"OK", "OK", "scan LIS"}));
  EXPECT_TRUE(ui.fileDialogs.empty());
}

TEST_F(PrgCommandTest, CancellingRunsTheLisScanAllTheSame) {
  EXPECT_FALSE(ThisMonthsPairings(*doc, services, hooks, [](LoadPrgDialog&) {}));
  EXPECT_EQ(calls, (std::vector<std::string>{"scan LIS"}));
  // Cancelling the file dialog still rebuilds the views.
  calls.clear();
  doc->LastPair = 4;
  EXPECT_FALSE(Run([](LoadPrgDialog&) {}));
  EXPECT_EQ(calls, (std::vector<std::string>{"OK", "close views", "build blocks 4", "scan LIS"}));
  EXPECT_EQ(doc->LastPair, 4);
}

}  // namespace
}  // namespace lumora::testing
