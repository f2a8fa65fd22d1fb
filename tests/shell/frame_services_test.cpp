// The frame's small services: recent files, the single-instance lock, the
// calculator and help page lookups, and the fixed dialogs.

#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <memory>

#include "doubles/memory_settings.h"
#include "doubles/null_ui.h"
#include "files/temp_folder.h"
#include "model/document.h"
#include "shell/command_table.h"
#include "shell/desktop_tools.h"
#include "shell/frame_dialogs.h"
#include "shell/instance_lock.h"
#include "shell/recent_files.h"

namespace lumora {
namespace {

using Names = std::vector<std::string>;

TEST(RecentFiles, KeepsFourMostRecentFirstAndMovesARepeatUp) {
  testing::MemorySettings settings;
  RecentFiles recent(settings);
  for (const char* name : {"/a.lm2", "/b.lm2", "/c.lm2", "/d.lm2", "/b.lm2", "/e.lm2", ""})
    recent.add(name);
  EXPECT_EQ(recent.entries(), (Names{"/e.lm2", "/b.lm2", "/d.lm2", "/c.lm2"}));
  // Names differing only in case are different files here.
  recent.add("/E.lm2");
  EXPECT_EQ(recent.entries(), (Names{"/E.lm2", "/e.lm2", "/b.lm2", "/d.lm2"}));
  EXPECT_EQ(settings.values.at("recentfiles/file1"), "/E.lm2");
  EXPECT_EQ(RecentFiles(settings).entries(), recent.entries());

  // An edited section: gaps and repeats are skipped, the fifth is never read.
  settings.values.clear();
  for (const auto& [key, name] : std::map<std::string, std::string>{{"File1", "/x.lm2"},
                                                                    {"File2", ""},
                                                                    {"File3", "/x.lm2"},
                                                                    {"File4", "/y.lm2"},
                                                                    {"File5", "/z.lm2"}})
    settings.writeString("RecentFiles", key, name);
  RecentFiles edited(settings);
  EXPECT_EQ(edited.entries(), (Names{"/x.lm2", "/y.lm2"}));
  edited.add("/w.lm2");
  EXPECT_EQ(settings.values.at("recentfiles/file3"), "/y.lm2");
  EXPECT_EQ(settings.values.at("recentfiles/file4"), "");
}

TEST(InstanceLock, ASecondLockIsRefusedUntilTheFirstIsReleasedAndALinkIsNoLock) {
  testing::TempFolder folder;
  FileInstanceLock first(folder / "lumora.lock");
  FileInstanceLock second(folder / "lumora.lock");
  EXPECT_EQ(first.acquire(), LockResult::Acquired);
  EXPECT_EQ(first.acquire(), LockResult::Acquired);  // asking again keeps it
  EXPECT_EQ(second.acquire(), LockResult::HeldElsewhere);
  EXPECT_FALSE(second.held());
  first.release();
  {
    FileInstanceLock third(folder / "lumora.lock");
    EXPECT_EQ(third.acquire(), LockResult::Acquired);
  }  // released by its destructor
  EXPECT_EQ(second.acquire(), LockResult::Acquired);

  std::filesystem::create_symlink(folder / "target", folder / "link.lock");
  EXPECT_EQ(FileInstanceLock(folder / "link.lock").acquire(), LockResult::Unavailable);
  EXPECT_FALSE(std::filesystem::exists(folder / "target"));
  EXPECT_EQ(FileInstanceLock(folder / "missing" / "x.lock").acquire(), LockResult::Unavailable);

  const char* old = std::getenv("XDG_RUNTIME_DIR");
  const std::string saved = old != nullptr ? old : "";
  ::setenv("XDG_RUNTIME_DIR", "/run/user/1234", 1);
  EXPECT_EQ(DefaultInstanceLockPath(), "/run/user/1234/lumora.lock");
  ::setenv("XDG_RUNTIME_DIR", "relative", 1);
  EXPECT_EQ(DefaultInstanceLockPath(), "/tmp/lumora-" + std::to_string(::getuid()) + ".lock");
  if (old != nullptr) ::setenv("XDG_RUNTIME_DIR", saved.c_str(), 1);
  if (old == nullptr) ::unsetenv("XDG_RUNTIME_DIR");
}

void MakeProgram(const std::filesystem::path& path, bool executable) {
  std::filesystem::create_directories(path.parent_path());
  std::ofstream(path) << "#!/bin/sh\n";
  std::filesystem::permissions(
      path, executable ? std::filesystem::perms::owner_all : std::filesystem::perms::owner_read);
}

TEST(DesktopTools, TheCalculatorIsTheFirstExecutableOfTheListOnAbsolutePathEntries) {
  testing::TempFolder folder;
  const auto a = folder / "a";
  const auto b = folder / "b";
  MakeProgram(a / "xcalc", true);
  MakeProgram(b / "kcalc", true);
  MakeProgram(a / "gnome-calculator", false);             // not executable
  std::filesystem::create_directories(b / "galculator");  // a folder
  EXPECT_EQ(FindCalculator(a.string() + ":" + b.string()), b / "kcalc");
  EXPECT_EQ(FindCalculator("::" + a.string()), a / "xcalc");
  EXPECT_EQ(FindCalculator(""), std::nullopt);

  // Relative and empty entries are never searched.
  const auto previous = std::filesystem::current_path();
  std::filesystem::current_path(a);
  EXPECT_EQ(FindCalculator(":.:"), std::nullopt);
  std::filesystem::current_path(previous);
}

TEST(DesktopTools, TheHelpPageIsFoundBesideTheProgramInstalledOrInTheSourceTree) {
  testing::TempFolder folder;
  const auto write = [](const std::filesystem::path& page) {
    std::filesystem::create_directories(page.parent_path());
    std::ofstream(page) << "<html></html>";
  };
  const auto bin = folder / "build" / "bin";
  std::filesystem::create_directories(bin);
  EXPECT_EQ(FindHelpPage(bin), std::nullopt);
  write(folder / "docs" / "help" / "index.html");
  EXPECT_EQ(FindHelpPage(bin / ""), folder / "docs" / "help" / "index.html");
  write(folder / "build" / "share" / "lumora" / "help" / "index.html");
  EXPECT_EQ(FindHelpPage(bin), folder / "build" / "share" / "lumora" / "help" / "index.html");
  write(bin / "help" / "index.html");
  EXPECT_EQ(FindHelpPage(bin), bin / "help" / "index.html");
}

TEST(FrameDialogs, NotesAreLimitedTo31999CharactersAndOnlyAChangeMarksTheDocument) {
  auto doc = std::make_unique<TDocument>();
  doc->SharedNotes = std::string(40000, 'n');  // longer than the box, from some other writer
  EXPECT_EQ(FileNotesDialog(*doc).text().size(), 31999u);

  doc->SharedNotes = "gate codes";
  testing::NullUi ui;
  EXPECT_TRUE(FileNotesDialog(*doc).accept(ui));
  EXPECT_FALSE(doc->Modified);
  FileNotesDialog edited(*doc);
  edited.setText(std::string(31998, 'x') + "yz");
  EXPECT_TRUE(edited.accept(ui));
  EXPECT_EQ(doc->SharedNotes, std::string(31998, 'x') + "y");
  EXPECT_TRUE(doc->Modified);

  const FixedTextDialog keys = KeyboardShortcutsText(CommandContext{doc.get()});
  ASSERT_EQ(keys.lines().size(), 13u);
  EXPECT_EQ(keys.lines()[0], "F1  Undo");
  // F2 and F7 have no command in this program.
  EXPECT_EQ(keys.lines()[1], "F2  Filter Blocks On/Off  (not available)");
  EXPECT_EQ(keys.lines()[6], "F7  Filter Employees Dialog  (not available)");
  EXPECT_EQ(keys.lines()[2], "F3 / Tab  Filter Pairings On/Off");
  EXPECT_EQ(keys.lines().back(), "<-- View Last Month while Pressed");
  EXPECT_EQ(AboutText("0.1.0").lines()[1], "Version 0.1.0");
  // The support note says where the log is.
  EXPECT_NE(
      AboutText("0.1.0", "/s/LMDebug/LMDebug.txt").lines()[3].find("(/s/LMDebug/LMDebug.txt)"),
      std::string::npos);
}

}  // namespace
}  // namespace lumora
