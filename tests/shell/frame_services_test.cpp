// The frame's small services: recent files, the single-instance lock, the
// calculator and help page lookups, and the fixed dialogs.

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <fstream>
#include <memory>

#include "files/temp_folder.h"
#include "model/document.h"
#include "shell/desktop_tools.h"
#include "shell/frame_dialogs.h"
#include "shell/instance_lock.h"
#include "shell/recent_files.h"
#include "support/memory_settings.h"

namespace lumora {
namespace {

using Names = std::vector<std::string>;

TEST(RecentFiles, KeepsFourMostRecentFirstAndMovesARepeatUp) {
  testing::MemorySettings settings;
  RecentFiles recent(settings);
  EXPECT_TRUE(recent.entries().empty());
  for (const char* name : {"/a.lm2", "/b.lm2", "/c.lm2", "/d.lm2"}) recent.add(name);
  EXPECT_EQ(recent.entries(), (Names{"/d.lm2", "/c.lm2", "/b.lm2", "/a.lm2"}));

  recent.add("/b.lm2");
  EXPECT_EQ(recent.entries(), (Names{"/b.lm2", "/d.lm2", "/c.lm2", "/a.lm2"}));
  recent.add("/e.lm2");
  EXPECT_EQ(recent.entries(), (Names{"/e.lm2", "/b.lm2", "/d.lm2", "/c.lm2"}));
  recent.add("");
  EXPECT_EQ(recent.entries().size(), 4u);
  // Names differing only in case are different files here.
  recent.add("/E.lm2");
  EXPECT_EQ(recent.entries().front(), "/E.lm2");
  EXPECT_EQ(recent.entries()[1], "/e.lm2");

  // Kept in its own section and read back by the next run.
  EXPECT_EQ(settings.values.at("recentfiles/file1"), "/E.lm2");
  EXPECT_EQ(settings.values.at("recentfiles/file4"), "/d.lm2");
  EXPECT_EQ(RecentFiles(settings).entries(), recent.entries());
}

TEST(RecentFiles, ReadsAroundGapsAndRepeatsOfAnEditedFile) {
  testing::MemorySettings settings;
  settings.writeString("RecentFiles", "File1", "/x.lm2");
  settings.writeString("RecentFiles", "File2", "");
  settings.writeString("RecentFiles", "File3", "/x.lm2");
  settings.writeString("RecentFiles", "File4", "/y.lm2");
  settings.writeString("RecentFiles", "File5", "/z.lm2");
  RecentFiles recent(settings);
  EXPECT_EQ(recent.entries(), (Names{"/x.lm2", "/y.lm2"}));
  recent.add("/w.lm2");
  EXPECT_EQ(settings.values.at("recentfiles/file3"), "/y.lm2");
  EXPECT_EQ(settings.values.at("recentfiles/file4"), "");
}

TEST(InstanceLock, ASecondLockOnTheSameFileIsRefusedUntilTheFirstIsReleased) {
  testing::TempFolder folder;
  const auto path = folder / "lumora.lock";
  FileInstanceLock first(path);
  FileInstanceLock second(path);
  EXPECT_EQ(first.acquire(), LockResult::Acquired);
  EXPECT_EQ(first.acquire(), LockResult::Acquired);  // asking again keeps it
  EXPECT_EQ(second.acquire(), LockResult::HeldElsewhere);
  EXPECT_FALSE(second.held());
  first.release();
  EXPECT_EQ(second.acquire(), LockResult::Acquired);
  {
    FileInstanceLock third(path);
    EXPECT_EQ(third.acquire(), LockResult::HeldElsewhere);
  }
  second.release();
  {
    FileInstanceLock third(path);
    EXPECT_EQ(third.acquire(), LockResult::Acquired);
  }  // released by its destructor
  EXPECT_EQ(first.acquire(), LockResult::Acquired);
}

TEST(InstanceLock, ALinkOrAMissingFolderIsNoLock) {
  testing::TempFolder folder;
  std::filesystem::create_symlink(folder / "target", folder / "link.lock");
  FileInstanceLock link(folder / "link.lock");
  EXPECT_EQ(link.acquire(), LockResult::Unavailable);
  EXPECT_FALSE(std::filesystem::exists(folder / "target"));
  FileInstanceLock nowhere(folder / "missing" / "lumora.lock");
  EXPECT_EQ(nowhere.acquire(), LockResult::Unavailable);
}

TEST(InstanceLock, DefaultPathIsInTheRuntimeFolderElsePerUserInTmp) {
  const char* old = std::getenv("XDG_RUNTIME_DIR");
  const std::string saved = old != nullptr ? old : "";
  ::setenv("XDG_RUNTIME_DIR", "/run/user/1234", 1);
  EXPECT_EQ(DefaultInstanceLockPath(), "/run/user/1234/lumora.lock");
  ::setenv("XDG_RUNTIME_DIR", "relative", 1);
  EXPECT_EQ(DefaultInstanceLockPath(), "/tmp/lumora-" + std::to_string(::getuid()) + ".lock");
  ::unsetenv("XDG_RUNTIME_DIR");
  EXPECT_EQ(DefaultInstanceLockPath().parent_path(), "/tmp");
  if (old != nullptr) ::setenv("XDG_RUNTIME_DIR", saved.c_str(), 1);
}

void MakeProgram(const std::filesystem::path& path, bool executable) {
  std::filesystem::create_directories(path.parent_path());
  std::ofstream(path) << "#!/bin/sh\n";
  std::filesystem::permissions(
      path, executable ? std::filesystem::perms::owner_all : std::filesystem::perms::owner_read);
}

TEST(Calculator, FirstOfTheListWinsOverPathOrderAndOnlyExecutablesCount) {
  testing::TempFolder folder;
  const auto a = folder / "a";
  const auto b = folder / "b";
  MakeProgram(a / "xcalc", true);
  MakeProgram(b / "kcalc", true);
  MakeProgram(a / "gnome-calculator", false);             // not executable
  std::filesystem::create_directories(b / "galculator");  // a folder
  const std::string path = a.string() + ":" + b.string();
  EXPECT_EQ(FindCalculator(path), b / "kcalc");
  EXPECT_EQ(FindCalculator(a.string()), a / "xcalc");
  EXPECT_EQ(FindCalculator(""), std::nullopt);
  EXPECT_EQ(FindCalculator((folder / "none").string()), std::nullopt);
}

TEST(Calculator, RelativeAndEmptyPathEntriesAreNeverSearched) {
  testing::TempFolder folder;
  MakeProgram(folder / "xcalc", true);
  const auto previous = std::filesystem::current_path();
  std::filesystem::current_path(folder.path());
  EXPECT_EQ(FindCalculator(":.:"), std::nullopt);
  EXPECT_EQ(FindCalculator("::" + folder.path().string()), folder / "xcalc");
  std::filesystem::current_path(previous);
}

TEST(HelpPage, FoundBesideTheProgramInstalledOrInTheSourceTree) {
  testing::TempFolder folder;
  const auto write = [](const std::filesystem::path& page) {
    std::filesystem::create_directories(page.parent_path());
    std::ofstream(page) << "<html></html>";
  };
  const auto bin = folder / "build" / "bin";
  std::filesystem::create_directories(bin);
  EXPECT_EQ(FindHelpPage(bin), std::nullopt);
  write(folder / "docs" / "help" / "index.html");
  EXPECT_EQ(FindHelpPage(bin), folder / "docs" / "help" / "index.html");
  EXPECT_EQ(FindHelpPage(bin / ""), folder / "docs" / "help" / "index.html");
  write(folder / "build" / "share" / "lumora" / "help" / "index.html");
  EXPECT_EQ(FindHelpPage(bin), folder / "build" / "share" / "lumora" / "help" / "index.html");
  write(bin / "help" / "index.html");
  EXPECT_EQ(FindHelpPage(bin), bin / "help" / "index.html");
}

TEST(FileNotesDialog, OkStoresTheBoxLimitedTo31999CharactersAndMarksAChange) {
  auto doc = std::make_unique<TDocument>();
  doc->SharedNotes = std::string(40000, 'n');  // longer than the box, from some other writer
  FileNotesDialog dialog(*doc);
  EXPECT_EQ(dialog.text().size(), 31999u);
  EXPECT_STREQ(FileNotesDialog::kTitle, "Shared Notes for File");

  doc->SharedNotes = "gate codes";
  FileNotesDialog same(*doc);
  same.ok(*doc);
  EXPECT_FALSE(doc->Modified);

  FileNotesDialog edited(*doc);
  edited.setText(std::string(31998, 'x') + "yz");
  edited.ok(*doc);
  EXPECT_EQ(doc->SharedNotes, std::string(31998, 'x') + "y");
  EXPECT_TRUE(doc->Modified);
}

TEST(FrameTexts, KeyboardShortcutsAndAbout) {
  const FrameDialogText keys = KeyboardShortcutsText();
  EXPECT_EQ(keys.title, "Lumora Keyboard Shortcuts");
  ASSERT_EQ(keys.lines.size(), 13u);
  EXPECT_EQ(keys.lines.front(), "F1  Undo");
  EXPECT_EQ(keys.lines[2], "F3 / Tab  Filter Pairings On/Off");
  EXPECT_EQ(keys.lines[11], "=   Generate Pairing Report to Clipboard");
  EXPECT_EQ(keys.lines.back(), "<-- View Last Month while Pressed");

  const FrameDialogText about = AboutText("0.1.0");
  EXPECT_EQ(about.lines.front(), "Lumora");
  EXPECT_EQ(about.lines[1], "Version 0.1.0");
}

}  // namespace
}  // namespace lumora
