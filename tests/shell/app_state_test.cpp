#include "shell/app_state.h"

#include <gtest/gtest.h>

#include <fstream>
#include <memory>
#include <new>

#include "app_rig.h"
#include "files/backup.h"
#include "files/schedule_file.h"
#include "model/set_dates_dialog.h"
#include "shell/frame_dialogs.h"
#include "shell/instance_lock.h"
#include "shell/new_file_wizard.h"
#include "shell/preferences_dialog.h"
#include "shell/user_folders.h"
#include "support/random_document.h"
#include "support/scripted_ui.h"

namespace lumora {
namespace {

using Names = std::vector<std::string>;

class AppTest : public testing::AppRig {
 protected:
  AppTest() { testing::BuildDespiteInvalidPairings(ui); }

  // A schedule file of random crew and pairings.
  std::filesystem::path WriteScheduleFile(const std::string& name, std::uint32_t seed,
                                          bool blocksShown = false, std::uint8_t crewType = 0) {
    auto doc = std::make_unique<TDocument>();
    testing::FillRandomDocument(*doc, seed);
    doc->BlocksShown = blocksShown ? 1 : 0;
    doc->CrewType = crewType;
    return Save(*doc, name);
  }

  // A new month through the month dialog, ready to be saved.
  void NewMonth() {
    ui.answers.push_back(Answer::Yes);
    ui.onDialog<SetDatesDialog>([](SetDatesDialog&) { return true; });
    ui.onDialog<NewFileWizard>([](NewFileWizard&) { return false; });  // closed at once
    app->NewFile();
    ASSERT_EQ(app->document().DocState, kDocumentLoaded);
  }

  void ExpectLast(const std::string& text, const std::string& caption) {
    ASSERT_FALSE(ui.shown.empty());
    EXPECT_EQ(ui.last().text, text);
    EXPECT_EQ(ui.last().caption, caption);
  }
};

TEST(CommandLine, NamesAFileWhenLongEnoughWithoutItsQuotes) {
  for (const char* none : {"", "\"", "x", "\"\""}) EXPECT_EQ(CommandLineFile(none), std::nullopt);
  EXPECT_EQ(CommandLineFile("ab"), "ab");
  EXPECT_EQ(CommandLineFile("\"/data/July blocks.lm2\""), "/data/July blocks.lm2");
  // An unclosed quote does not take the name's last character with it.
  EXPECT_EQ(CommandLineFile("\"/data/july.lm2"), "/data/july.lm2");
}

TEST_F(AppTest, StartsEmptyOrWithTheQuotedFileAndHoldsTheLockUntilShutdown) {
  Start("\"");
  EXPECT_EQ(app->caption(), "Lumora");
  EXPECT_STREQ(app->menuName(), "MENU_3");
  FileInstanceLock other(folder / "lumora.lock");
  EXPECT_EQ(other.acquire(), LockResult::HeldElsewhere);
  app->shutdown();
  EXPECT_EQ(other.acquire(), LockResult::Acquired);
  other.release();

  const auto path = WriteScheduleFile("July blocks.lm2", 3);
  Start("\"" + path.string() + "\"");
  EXPECT_EQ(app->caption(), "Lumora - " + path.string());
  EXPECT_STREQ(app->menuName(), "MENU_1");
  EXPECT_FALSE(app->document().Untitled);
  EXPECT_EQ(app->recentFiles().entries(), Names{path.string()});
  EXPECT_TRUE(ui.shown.empty());
}

// The running copy as a second copy reaches it.
struct RecordingRunningCopy final : RunningCopy {
  bool answers = true;
  Names handed;
  bool handOver(const std::string& file) override {
    handed.push_back(file);
    return answers;
  }
};

TEST_F(AppTest, ASecondCopyOrAFailedAllocationEndsTheRunWithItsMessage) {
  const std::string file = WriteScheduleFile("a.lm2", 1).string();
  // A second copy hands its file (or nothing) to the running one and ends
  // quietly; only when the running one does not answer is the user told.
  struct Case {
    const char* commandLine;
    bool answers;
    std::string handed;
  };
  for (const Case& c : {Case{"", true, ""}, Case{"FILE", true, file}, Case{"FILE", false, file}}) {
    SCOPED_TRACE(std::string(c.commandLine) + (c.answers ? " answered" : " unanswered"));
    ui.shown.clear();
    FileInstanceLock running(folder / "lumora.lock");
    ASSERT_EQ(running.acquire(), LockResult::Acquired);
    RecordingRunningCopy runningCopy;
    runningCopy.answers = c.answers;
    AppServices handingOver = services;
    handingOver.runningCopy = &runningCopy;
    LumoraApp second(handingOver, AppEnvironment{});
    bool logOpened = false;
    const std::string commandLine = c.commandLine[0] != 0 ? "\"" + file + "\"" : "";
    const StartResult result = second.start(commandLine, [&](EventLog&) { logOpened = true; });
    EXPECT_FALSE(result.run);
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_EQ(runningCopy.handed, Names{c.handed});
    if (c.answers) {
      EXPECT_TRUE(ui.shown.empty());
    } else {
      ASSERT_EQ(ui.shown.size(), 1u);
      ExpectLast("Lumora is Currently Running", "Lumora");
    }
    EXPECT_FALSE(logOpened);
    EXPECT_FALSE(second.hasDocument());
    EXPECT_TRUE(settings.values.empty());
  }
  ui.shown.clear();
  LumoraApp starved(services, AppEnvironment{},
                    []() -> std::unique_ptr<TDocument> { throw std::bad_alloc(); });
  const StartResult result = starved.start("");
  EXPECT_FALSE(result.run);
  EXPECT_EQ(result.exitCode, 1);
  ASSERT_EQ(ui.shown.size(), 1u);
  ExpectLast("Not Enough Memory. Try quitting other Programs", "Fatal Error");
  FileInstanceLock next(folder / "lumora.lock");
  EXPECT_EQ(next.acquire(), LockResult::Acquired);
}

TEST_F(AppTest, TheEventLogOpenedAtStartEndsWithTheTerminationLineOnce) {
  app = std::make_unique<LumoraApp>(services, AppEnvironment{});
  const auto logFile = folder / "LMDebug.txt";
  ASSERT_TRUE(app->start("", [&](EventLog& log) { log.open(logFile); }).run);
  NewMonth();
  app->shutdown();
  app->shutdown();
  const std::string text = testing::ReadText(logFile);
  EXPECT_EQ(text.rfind("BeginDeleteAll\n", 0), 0u) << text;  // the cleared start document
  EXPECT_NE(text.find("FileNewBegin\n"), std::string::npos);
  const std::string last = "Lumora Termination Normal\n";
  EXPECT_EQ(text.find(last), text.size() - last.size()) << text;
}

TEST_F(AppTest, NewFileAsksAndACancelledMonthLeavesAnEmptyUntitledDocument) {
  const auto path = WriteScheduleFile("old.lm2", 4);
  Start(path.string());
  ui.answers.push_back(Answer::No);
  app->NewFile();
  ExpectLast("Would you like to create a new file", "Lumora");
  EXPECT_EQ(ui.last().buttons, Buttons::YesNo);
  EXPECT_TRUE(ui.dialogTitles().empty());

  ui.shown.clear();
  app->document().Modified = 1;
  ui.answers.push_back(Answer::Yes);
  ui.onDialog<SetDatesDialog>([](SetDatesDialog&) { return false; });
  app->NewFile();
  ASSERT_EQ(ui.shown.size(), 2u);
  EXPECT_EQ(ui.shown[0].text, "All changes to file will be lost. Delete Anyway");
  EXPECT_EQ(ui.shown[0].caption, "Caution!");
  EXPECT_EQ(ui.dialogTitles(), Names{"Set Start and End Dates for the New Month"});
  const TDocument& doc = app->document();
  EXPECT_EQ(app->caption(), "Lumora - untitled.blk");
  EXPECT_STREQ(app->menuName(), "MENU_3");
  EXPECT_EQ(doc.DocState, kNoDocument);
  EXPECT_TRUE(doc.Untitled);
  EXPECT_EQ(doc.PilotCount, 0);
  EXPECT_TRUE(doc.FileName.empty());
  // An import's caption refresh keeps the name a new month has until saved.
  app->UpdateFileCaption();
  EXPECT_EQ(app->caption(), "Lumora - untitled.blk");
  // Nothing to lose now: closing asks nothing.
  app->document().Modified = 1;
  EXPECT_TRUE(app->CanClose());
  EXPECT_EQ(ui.shown.size(), 2u);
}

TEST_F(AppTest, NewFileWithAMonthEndsWithTheFullMenuAndTheGridHidden) {
  Start(WriteScheduleFile("shown.lm2", 6, true).string());
  NewMonth();
  const TDocument& doc = app->document();
  EXPECT_EQ(front.viewsClosed, 1);
  EXPECT_STREQ(app->menuName(), "MENU_1");
  EXPECT_EQ(app->caption(), "Lumora - untitled.blk");
  EXPECT_FALSE(doc.BlocksShown);
  EXPECT_EQ(doc.cal.MonthNumber, 7);  // the month after the clock's
  EXPECT_EQ(doc.cal.MonthLength, 31);
  EXPECT_FALSE(app->isEnabled(command::kSave));
  EXPECT_TRUE(app->isEnabled(command::kSaveAs));
}

TEST_F(AppTest, OpenOfAModifiedDocumentAsksFirstAndACancelledDialogKeepsTheDocument) {
  const auto path = WriteScheduleFile("shown.lm2", 7, true);
  Start(path.string());
  app->document().Modified = 1;
  ui.answers.push_back(Answer::No);
  EXPECT_TRUE(app->dispatch(command::kOpen));
  ExpectLast("All changes to file will be overwritten. Open File Anyway", "Caution!");
  EXPECT_TRUE(ui.fileDialogs.empty());
  EXPECT_TRUE(app->document().BlocksShown);

  // Yes, then the file dialog cancelled: the document stays, its blocks and
  // floating windows shown again as they were.
  app->document().PairWindowVisible = 1;
  app->document().ToolboxWindowVisible = 0;
  ui.answers.push_back(Answer::Yes);
  EXPECT_FALSE(app->Open());
  ASSERT_EQ(ui.fileDialogs.size(), 1u);
  EXPECT_EQ(ui.fileDialogs[0].title, "Open");
  EXPECT_EQ(ui.fileDialogs[0].filter,
            "Lumora (*.lm2)|*.lm2|Lumora Viewer(*.lmv)|*.lmv| Company Blocks(*.skd)|*.skd|All "
            "Files (*.*)|*.*");
  EXPECT_EQ(ui.fileDialogs[0].startFolder, HomeFolder().string());  // "c:\" is no folder here
  EXPECT_TRUE(app->document().BlocksShown);
  EXPECT_TRUE(app->document().PairWindowVisible);
  EXPECT_FALSE(app->document().ToolboxWindowVisible);
  EXPECT_TRUE(app->document().Modified);
  EXPECT_EQ(app->caption(), "Lumora - " + path.string());
}

TEST_F(AppTest, OpenRemembersTheFolderAndAFileThatDoesNotLoadStaysOffTheRecentList) {
  const auto first = WriteScheduleFile("june.lm2", 8);
  std::filesystem::create_directories(folder / "july");
  const auto second = folder / "july" / "july.lm2";
  std::filesystem::copy_file(WriteScheduleFile("tmp.lm2", 9), second);
  Start();
  ui.openResults.push_back({first.string()});
  ASSERT_TRUE(app->Open());
  EXPECT_EQ(settings.values.at("lm/lastblkpath"), folder.path().string());
  ui.openResults.push_back({second.string()});
  ASSERT_TRUE(app->Open());
  EXPECT_EQ(settings.values.at("lm/lastblkpath"), (folder / "july").string());
  EXPECT_EQ(app->recentFiles().entries(), (Names{second.string(), first.string()}));
  EXPECT_TRUE(ui.shown.empty());

  const auto bad = folder / "notes.lm2";
  std::ofstream(bad) << "not a schedule";
  EXPECT_FALSE(app->OpenFile(bad.string()));
  ExpectLast(bad.string(), "This is Not a Valid Lumora 2 File.");
  EXPECT_EQ(app->caption(), "Lumora");
  EXPECT_STREQ(app->menuName(), "MENU_3");
  EXPECT_EQ(app->recentFiles().entries().size(), 2u);

  EXPECT_TRUE(app->openRecent(1));
  EXPECT_EQ(app->caption(), "Lumora - " + first.string());
  EXPECT_FALSE(app->openRecent(2));
}

TEST_F(AppTest, SaveAsAndSaveRoundTripAndAFailedSaveAsKeepsTheOldNameAndTheChanges) {
  Start();
  settings.writeString("LM", "LastBlkPath", folder.path().string());
  NewMonth();
  EXPECT_FALSE(app->dispatch(command::kSave));  // untitled: disabled
  app->document().Modified = 1;
  ui.saveResults.push_back((folder / "missing" / "august.lm2").string());
  EXPECT_FALSE(app->SaveAs());
  EXPECT_EQ(ui.fileDialogs[0].startFolder, folder.path().string());
  ExpectLast(
      "Unable to create file. File may be Read Only or In use by Another Application. Use Save "
      "As to Save as a new name",
      "File Error");
  const TDocument& doc = app->document();
  EXPECT_TRUE(doc.Untitled && doc.Modified);
  EXPECT_TRUE(doc.FileName.empty());
  EXPECT_EQ(app->caption(), "Lumora - untitled.blk");
  EXPECT_TRUE(app->recentFiles().entries().empty());

  ui.saveResults.push_back((folder / "august").string());
  ASSERT_TRUE(app->dispatch(command::kSaveAs));
  const auto saved = folder / "august.lm2";
  ASSERT_EQ(ui.fileDialogs.size(), 2u);
  EXPECT_EQ(ui.fileDialogs[1].title, "Save As");
  EXPECT_EQ(doc.FileName, saved.string());
  EXPECT_EQ(app->caption(), "Lumora - " + saved.string());
  EXPECT_FALSE(doc.Untitled || doc.FreshDocument || doc.Modified);
  EXPECT_EQ(app->recentFiles().entries(), Names{saved.string()});

  // Cancelled notes keep the old text; typed ones are saved without a dialog.
  ui.onDialog<FileNotesDialog>([](FileNotesDialog& notes) {
    notes.setText("gone");
    return false;
  });
  EXPECT_TRUE(app->dispatch(command::kSharedNotes));
  EXPECT_FALSE(doc.Modified);
  ui.onDialog<FileNotesDialog>([](FileNotesDialog& notes) {
    notes.setText("crew room code 4711");
    return true;
  });
  ASSERT_TRUE(app->dispatch(command::kSharedNotes));
  EXPECT_TRUE(doc.Modified);
  ASSERT_TRUE(app->dispatch(command::kSave));
  EXPECT_EQ(ui.fileDialogs.size(), 2u);
  EXPECT_FALSE(doc.Modified);

  // Another run reads what was saved.
  app.reset();
  ui.shown.clear();
  Start(saved.string());
  EXPECT_EQ(app->document().SharedNotes, "crew room code 4711");
  EXPECT_EQ(app->document().cal.MonthLength, 31);
  EXPECT_TRUE(ui.shown.empty());
}

TEST_F(AppTest, BackupOfAnUnnamedFileNeedsSaveAsAndTheTimerWritesTheBakCopy) {
  Start();
  NewMonth();
  TDocument& doc = app->document();
  doc.AssignsSinceBackup = 40;
  app->Backup();  // Save As cancelled
  ExpectLast("Cannot Backup File. Select Save As from File Menu", "File Not Named");
  EXPECT_EQ(doc.AssignsSinceBackup, 40);

  const auto named = WriteScheduleFile("April DH8.lm2", 5, true);
  ASSERT_TRUE(app->OpenFile(named.string()));
  app->document().AssignsSinceBackup = 40;
  ui.onDialog<BackupDialog>([](DialogModel&) { return false; });
  app->Backup();
  EXPECT_EQ(app->document().AssignsSinceBackup, 0);  // cancelled still counts

  app->document().Modified = 1;
  for (int tick = 0; tick < 20; ++tick) app->timerTick();
  EXPECT_TRUE(std::filesystem::exists(folder / "April DH8.BAK"));
  EXPECT_EQ(app->document().Modified, 1);
}

TEST_F(AppTest, ClosingAsksOnlyAboutUnsavedChanges) {
  const auto path = WriteScheduleFile("close.lm2", 12, true);
  Start(path.string());
  ui.shown.clear();  // the random blocks needed repairs when they were built
  EXPECT_TRUE(app->CanClose());
  EXPECT_TRUE(ui.shown.empty());
  EXPECT_EQ(front.viewsClosed, 1);  // the views close with the window
  EXPECT_EQ(settings.values.count("lm/hideleaveblocks"), 1u);

  // A bid edit stored on the way out marks the document changed before the
  // question about it.
  front.onStoreBidEdits = [this] { app->document().Modified = 1; };
  ui.answers = {Answer::Cancel, Answer::No};
  EXPECT_FALSE(app->CanClose());
  ASSERT_EQ(ui.shown.size(), 1u);
  ExpectLast("File has been modified. DO YOU WANT TO SAVE IT?", "Quitting Lumora!");
  EXPECT_EQ(ui.last().buttons, Buttons::YesNoCancel);
  EXPECT_TRUE(app->CanClose());
  EXPECT_TRUE(app->document().Modified);  // No drops the changes

  std::filesystem::remove(path);
  ui.answers = {Answer::Yes};
  EXPECT_TRUE(app->CanClose());
  EXPECT_FALSE(app->document().Modified);
  EXPECT_TRUE(std::filesystem::exists(path));
}

TEST_F(AppTest, YesToSavingAnUntitledDocumentRunsSaveAsAndItsCancelKeepsTheProgramRunning) {
  Start();
  NewMonth();
  app->document().Modified = 1;
  ui.answers = {Answer::Yes};
  EXPECT_FALSE(app->CanClose());
  ASSERT_EQ(ui.fileDialogs.size(), 1u);
  EXPECT_EQ(ui.fileDialogs[0].title, "Save As");

  ui.answers = {Answer::Yes};
  ui.saveResults.push_back((folder / "kept.lm2").string());
  EXPECT_TRUE(app->CanClose());
  EXPECT_TRUE(std::filesystem::exists(folder / "kept.lm2"));
}

TEST_F(AppTest, BuildBlocksShowsThePairingWindowAndToolboxAndLeavesTheBidsWindow) {
  Start(WriteScheduleFile("build.lm2", 13).string());
  app->document().BidsWindowVisible = 1;
  ASSERT_TRUE(app->dispatch(command::kBuildBlocks));
  const TDocument& doc = app->document();
  EXPECT_TRUE(doc.BlocksShown && doc.PairWindowVisible && doc.ToolboxWindowVisible);
  EXPECT_TRUE(doc.BidsWindowVisible);
  EXPECT_TRUE(doc.view.searchGroupVisible);
}

TEST_F(AppTest, FrameCommandsReachTheFrontEnd) {
  AppEnvironment environment;
  environment.calculator = "/usr/bin/xcalc";
  environment.helpPage = "/usr/share/lumora/help/index.html";
  environment.version = "0.1.0";
  Start("", environment);
  const auto ok = [](DialogModel&) { return true; };
  ui.dialogs.push_back(ok);
  EXPECT_TRUE(app->dispatch(command::kAbout));         // on the reduced menu too
  EXPECT_FALSE(app->dispatch(command::kCalculator));   // not on the reduced menu
  EXPECT_FALSE(app->dispatch(command::kPreferences));  // nor is this
  NewMonth();
  ui.dialogs.push_back(ok);
  EXPECT_TRUE(app->dispatch(command::kKeyboardShortcuts));
  EXPECT_EQ(ui.dialogTitles(), (Names{"About Lumora", "Set Start and End Dates for the New Month",
                                      "Create a New File Wizard", "Lumora Keyboard Shortcuts"}));

  EXPECT_TRUE(app->dispatch(command::kCalculator));
  EXPECT_EQ(front.started, std::vector<std::filesystem::path>{"/usr/bin/xcalc"});
  front.programStarts = false;
  EXPECT_TRUE(app->dispatch(command::kCalculator));
  EXPECT_EQ(ui.beeps, 1);

  EXPECT_FALSE(app->helpUsed());
  EXPECT_TRUE(app->dispatch(command::kHelpIndex));
  EXPECT_TRUE(app->helpUsed());
  EXPECT_EQ(front.helpPages.size(), 1u);

  // Setup Preferences: the switches are in use and the window shows them
  // once the dialog is over.
  const int before = front.changes;
  ui.onDialog<PreferencesDialog>([&](PreferencesDialog& preferences) {
    EXPECT_EQ(front.changes, before);
    preferences.grid = !app->display().switches.grid;
    return true;
  });
  const bool grid = app->display().switches.grid;
  EXPECT_TRUE(app->dispatch(command::kPreferences));
  EXPECT_NE(app->display().switches.grid, grid);
  EXPECT_EQ(front.displayChanges, 1);
  EXPECT_EQ(front.changes, before + 1);
  EXPECT_FALSE(app->document().Modified);

  EXPECT_TRUE(app->dispatch(command::kExit));
  EXPECT_EQ(front.closeRequests, 1);

  // The two ids without a menu item run and do nothing.
  const std::size_t shown = ui.shown.size();
  EXPECT_TRUE(app->dispatch(command::kNoAction1));
  EXPECT_TRUE(app->dispatch(command::kNoAction2));
  EXPECT_EQ(ui.shown.size(), shown);
  EXPECT_FALSE(app->dispatch(12345));
}

TEST_F(AppTest, FilterAndBidsWindowCommandsAnswerInTheFilesTheyDoNotApplyTo) {
  Start(WriteScheduleFile("captains.lm2", 14, true, 0).string());
  EXPECT_TRUE(app->dispatch(command::kPairingFiltersWindow));
  ExpectLast("Please Select the Filter Window from the Bids Window", "Lumora");
  // The bids window is shown and hidden by its flag, which the front end follows.
  const std::uint8_t shown = app->document().BidsWindowVisible;
  EXPECT_TRUE(app->dispatch(command::kBidsWindow));
  EXPECT_NE(app->document().BidsWindowVisible, shown);
  EXPECT_TRUE(app->dispatch(command::kBidsWindow));
  EXPECT_EQ(app->document().BidsWindowVisible, shown);

  // F6 runs as command 103; F7 does nothing; while last month is shown only
  // the arrows work.
  ui.shown.clear();
  app->keyDown(ShellKey::F6);
  app->keyDown(ShellKey::F7);
  EXPECT_EQ(ui.shown.size(), 1u);
  app->document().view.lastMonthView = 1;
  app->keyDown(ShellKey::F6);
  EXPECT_EQ(ui.shown.size(), 1u);
  app->document().view.lastMonthView = 0;

  ASSERT_TRUE(app->OpenFile(WriteScheduleFile("cabin.lm2", 15, true, 2).string()));
  ui.shown.clear();
  // The filter window is the front end's; this one has no pairing window.
  EXPECT_TRUE(app->dispatch(command::kPairingFiltersWindow));
  EXPECT_TRUE(ui.shown.empty());
  EXPECT_TRUE(app->dispatch(command::kBidsWindow));
  ExpectLast("This Feauture is for Pilot use only.", "Lumora");
  app->keyDown(ShellKey::Insert);  // pilot files only
  EXPECT_EQ(ui.shown.size(), 1u);
}

TEST_F(AppTest, BlockFiltersToggleByGroupAndOutliveTheirDocument) {
  const auto path = WriteScheduleFile("filters.lm2", 4, true);
  Start(path.string());
  using namespace command;
  EXPECT_TRUE(app->dispatch(kHideCompleted));
  EXPECT_TRUE(app->isChecked(kHideCompleted));
  EXPECT_TRUE(app->dispatch(kShowLtc));
  EXPECT_FALSE(app->isChecked(kHideCompleted));
  EXPECT_TRUE(app->dispatch(kSearchFilter));
  EXPECT_TRUE(app->isChecked(kShowLtc) && app->isChecked(kSearchFilter));
  EXPECT_EQ(front.filterRuns, (std::vector<bool>{false, false, true}));

  app->CloseViews();
  EXPECT_EQ(settings.readString("LM", "ShowLTC", ""), "1");
  EXPECT_EQ(settings.readString("LM", "HideCompleted", ""), "0");
  ASSERT_TRUE(app->OpenFile(path.string()));
  EXPECT_TRUE(app->isChecked(kShowLtc));
  // An opened file starts with the search released.
  EXPECT_FALSE(app->isChecked(kSearchFilter));
}

TEST(TimeBankText, SumsTimeBankAndTimeBankCreditOfEveryCrewMember) {
  auto doc = std::make_unique<TDocument>();
  EXPECT_EQ(TimeBankText(*doc), " TB 0:00");
  doc->PilotCount = 2;
  doc->Pilots[0].TimeBank = 600;
  doc->Pilots[0].TbbCredit = 45;
  doc->Pilots[1].TimeBank = 61;
  doc->Pilots[2].TimeBank = 9999;  // not a crew member
  EXPECT_EQ(TimeBankText(*doc), " TB 11:46");
  doc->Pilots[1].TimeBank = -800;
  EXPECT_EQ(TimeBankText(*doc), " TB -2:35");
}

}  // namespace
}  // namespace lumora
