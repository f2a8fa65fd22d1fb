#include "export_commands.h"

#include <gtest/gtest.h>

#include <CLI/CLI.hpp>
#include <algorithm>
#include <sstream>
#include <string>
#include <vector>

#include "commands.h"
#include "files/temp_folder.h"
#include "schedule_files.h"

namespace lumora::cli {
namespace {

struct Result {
  int status;
  std::string out;
  std::string err;
};

// The command line as main() takes it.
Result RunExport(std::vector<std::string> args) {
  CLI::App app;
  const auto line = AddExportCommands(app);
  std::ostringstream out, err;
  std::vector<const char*> argv{"lumora-cli", "export"};
  for (const std::string& a : args) argv.push_back(a.c_str());
  try {
    app.parse(static_cast<int>(argv.size()), argv.data());
  } catch (const CLI::ParseError&) {
    return {kExitCannotRun, "", ""};
  }
  const std::optional<int> status = RunChosenExport(*line, out, err);
  return {status.value_or(-1), out.str(), err.str()};
}

class ExportCommand : public ::testing::Test {
 protected:
  ExportCommand() {
    auto doc = testing::DocumentBuilder()
                   .july2026()
                   .crew("A & <B> \"C\", \xC9MILE", 11)
                   .crew("B BRAVO", 12)
                   .pairing(testing::PairingValues(101).Prefix("V8").Length(1).Days({0}))
                   .take();
    doc->pilot(1).Notes = "private";
    SaveSchedule(*doc, file);
  }

  testing::TempFolder folder;
  std::filesystem::path file = folder / "July.lm2";
};

TEST_F(ExportCommand, BawLin) {
  const std::string done = "Lumora: Finished Exporting to CrewTrac format\n";
  const struct {
    std::vector<std::string> args;
    int status;
    std::string out;
    std::string written;  // under the folder
  } cases[] = {
      {{"baw-lin", file.string()}, kExitOk, "Export Completed\n", "Export/JU26V8CA.LIN"},
      {{"baw-lin", file.string(), "--crew-type", "fo", "--name", "X1", "--base", "Q", "--eqp", "3",
        "-o", (folder / "a" / "b").string()},
       kExitOk,
       "Export Completed\n",
       "a/b/X1.BAW"},
      {{"baw-lin", file.string(), "--name", ""},
       kExitRefused,
       "FileName needs to be 1-8 char long. \n",
       ""},
      {{"baw-lin", file.string(), "--name", "TOOLONG99"}, kExitCannotRun, "", ""},
      {{"baw-lin", file.string(), "--base", "7"}, kExitCannotRun, "", ""},
      {{"baw-lin", file.string(), "--crew-type", "pilot"}, kExitCannotRun, "", ""},
      {{"baw-lin", (folder / "missing.lm2").string()}, kExitCannotRun, "", ""},
  };
  for (const auto& c : cases) {
    const Result r = RunExport(c.args);
    EXPECT_EQ(r.status, c.status) << c.args.back() << r.err;
    EXPECT_EQ(r.out, c.out) << c.args.back();
    if (!c.written.empty()) {
      EXPECT_TRUE(std::filesystem::exists(folder / c.written)) << c.written;
      EXPECT_EQ(r.err, done);
    }
  }
  const std::vector<std::uint8_t> baw = testing::ReadBytes(folder / "a" / "b" / "X1.BAW");
  EXPECT_EQ(std::string(baw.begin(), baw.end()), "000000011 PQ3001FO\n000000012 PQ3002FO\n");
}

TEST_F(ExportCommand, ViewerAndCompany) {
  const auto question = [](const std::filesystem::path& target, const char* kind,
                           const char* viewer, const char* answer) {
    return std::string("Lumora: ") + viewer + "File Saved as " + target.string() +
           " without personal data.\\nDo you want to e-mail the " + kind + " file now. [" + answer +
           "]\n";
  };
  const std::filesystem::path out = folder / "x" / "y";
  const struct {
    std::vector<std::string> args;
    int status;
    std::filesystem::path target;
    std::string err;
  } cases[] = {
      {{"viewer", file.string()},
       kExitOk,
       folder / "Viewer" / "PreBuild_July.lmv",
       question(folder / "Viewer" / "PreBuild_July.lmv", "lmv", "Viewer ", "No")},
      {{"viewer", file.string(), "--kind", "final", "--yes", "-o", out.string()},
       kExitOk,
       out / "Final_July.lmv",
       question(out / "Final_July.lmv", "lmv", "Viewer ", "Yes")},
      {{"viewer", file.string(), "--kind", "draft"}, kExitCannotRun, {}, ""},
      {{"company", file.string()},
       kExitOk,
       folder / "Company" / "July.lm2",
       question(folder / "Company" / "July.lm2", "lm2", "", "No")},
      {{"company", (folder / "missing.lm2").string()}, kExitCannotRun, {}, ""},
  };
  for (const auto& c : cases) {
    const Result r = RunExport(c.args);
    EXPECT_EQ(r.status, c.status) << c.args.front() << r.err;
    EXPECT_EQ(r.out, "");
    if (c.status != kExitOk) continue;
    EXPECT_EQ(r.err, c.err);
    EXPECT_EQ(Reopen(c.target)->pilot(1).Notes, "") << c.target;
  }
  // FILE itself is never written.
  EXPECT_EQ(Reopen(file)->pilot(1).Notes, "private");

  std::filesystem::permissions(out, std::filesystem::perms::owner_write,
                               std::filesystem::perm_options::remove);
  if (!testing::RunningAsRoot()) {
    const Result r = RunExport({"company", file.string(), "-o", out.string()});
    EXPECT_EQ(r.status, kExitRefused);
    EXPECT_EQ(r.err.rfind("File Error: ", 0), 0u) << r.err;
  }
  std::filesystem::permissions(out, std::filesystem::perms::owner_write,
                               std::filesystem::perm_options::add);
}

TEST_F(ExportCommand, WebAndTraining) {
  const std::vector<std::string> web{"July CT Planned Absences.csv", "July.csv", "July.htm",
                                     "July_Month_Layout.csv"};
  const auto saved = [](const std::filesystem::path& dir) {
    return "Lumora: HTML and Various CVS Files Saved to folder " + dir.string() + "\n";
  };
  const auto files = [](const std::filesystem::path& dir) {
    std::vector<std::string> names;
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(dir, error))
      if (entry.path().extension() != ".lm2") names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
  };
  const std::filesystem::path made = folder / "w" / "x";
  const struct {
    std::vector<std::string> args;
    int status;
    std::string err;
    std::filesystem::path dir;
    std::vector<std::string> written;
  } cases[] = {
      {{"web", file.string()}, kExitOk, saved(folder.path()), folder.path(), web},
      {{"web", file.string(), "-o", made.string() + "/"}, kExitOk, saved(made), made, web},
      {{"web", (folder / "missing.lm2").string()}, kExitCannotRun, "", folder / "none", {}},
      {{"training", file.string(), "-o", (folder / "t" / "r.csv").string()},
       kExitRefused,
       "File Error: Cant create file for Exporting Data\n",
       folder / "t",
       {}},
      {{"training", file.string()}, kExitCannotRun, "", folder / "none", {}},
  };
  for (const auto& c : cases) {
    const Result r = RunExport(c.args);
    EXPECT_EQ(r.status, c.status) << c.args.front() << r.err;
    EXPECT_EQ(r.out, "");
    if (c.status != kExitCannotRun) {
      EXPECT_EQ(r.err, c.err);
    }
    EXPECT_EQ(files(c.dir), c.written) << c.dir;
  }

  const Result r = RunExport({"training", file.string(), "-o", (folder / "r.csv").string()});
  EXPECT_EQ(r.status, kExitOk) << r.err;
  const std::vector<std::uint8_t> report = testing::ReadBytes(folder / "r.csv");
  EXPECT_EQ(std::string(report.begin(), report.end()),
            "Lumora Training Report\n         ,20260701,20260731\n"
            "TOTAL CREDIT MINS,INDOC,00000000,CHECK,00000000\n");

  // The page cannot be created: nothing at all is written.
  const std::filesystem::path blocked = folder / "blocked";
  std::filesystem::create_directories(blocked / "July.htm");
  const Result refused = RunExport({"web", file.string(), "-o", blocked.string()});
  EXPECT_EQ(refused.status, kExitRefused);
  EXPECT_EQ(refused.err, "File Error: Cant create file for Internet Publishing\n");
  EXPECT_EQ(files(blocked), std::vector<std::string>{"July.htm"});
}

}  // namespace
}  // namespace lumora::cli
