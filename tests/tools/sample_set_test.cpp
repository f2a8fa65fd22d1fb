#include "samples/sample_set.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <sstream>

namespace lumora::samples {
namespace {

std::string ReadFile(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

TEST(SampleSet, TheSameSeedGivesTheSameBytes) {
  WorldOptions o;
  o.pairings = 30;
  const auto a = GenerateSampleSet(o);
  const auto b = GenerateSampleSet(o);
  ASSERT_EQ(a.size(), b.size());
  for (std::size_t i = 0; i < a.size(); ++i) {
    EXPECT_EQ(a[i].name, b[i].name);
    EXPECT_TRUE(a[i].bytes == b[i].bytes) << a[i].name;
  }
  EXPECT_EQ(a.front().name, "YULCRJCA.PRG");
  EXPECT_EQ(a.back().name, "YULPILOT.box");
  o.seed = 2;
  EXPECT_NE(GenerateSampleSet(o).front().bytes, a.front().bytes);
}

// The committed samples are what the command in samples/README.md writes.
TEST(SampleSet, TheCommittedSamplesAreReproducible) {
  const std::filesystem::path root(LUMORA_SOURCE_DIR);
  std::istringstream readme(ReadFile(root / "samples" / "README.md"));
  int commands = 0;
  for (std::string line; std::getline(readme, line);) {
    std::istringstream words(line);
    std::vector<std::string> args;
    bool program = false;
    for (std::string word; words >> word;) {
      if (program) args.push_back(word);
      if (word.size() >= 14 && word.substr(word.size() - 14) == "lumora-samples") program = true;
    }
    if (args.empty() || args.front() != "--out") continue;
    ++commands;
    const CommandLine command = ParseCommandLine(args);
    SCOPED_TRACE(command.outDir);
    std::set<std::string> committed;
    for (const auto& entry : std::filesystem::directory_iterator(root / command.outDir)) {
      committed.insert(entry.path().filename().string());
    }
    std::set<std::string> generated;
    for (const OutputFile& f : GenerateSampleSet(command.options)) {
      generated.insert(f.name);
      EXPECT_TRUE(ReadFile(root / command.outDir / f.name) == f.bytes) << f.name << " differs";
    }
    EXPECT_EQ(committed, generated);
  }
  EXPECT_GE(commands, 1);
}

TEST(CommandLine, TakesTheOptionsAndRefusesWhatItCannotGenerate) {
  const CommandLine c =
      ParseCommandLine({"--out", "x", "--base", "YHZ", "--equipment", "DH4", "--category", "FA",
                        "--month", "2027-11", "--seed", "9", "--pairings", "3000"});
  EXPECT_EQ(c.outDir, "x");
  EXPECT_EQ(c.options.base, "YHZ");
  EXPECT_EQ(c.options.equipment, "DH4");
  EXPECT_EQ(c.options.category, Category::FlightAttendant);
  EXPECT_EQ(c.options.year, 2027);
  EXPECT_EQ(c.options.month, 11);
  EXPECT_EQ(c.options.seed, 9u);
  EXPECT_EQ(c.options.pairings, 3000);

  const std::vector<std::string> ok = {"--out", "x",          "--base", "YUL",     "--equipment",
                                       "CRJ",   "--category", "CA",     "--month", "2027-02"};
  EXPECT_NO_THROW(ParseCommandLine(ok));
  auto with = [&ok](const std::string& option, const std::string& value) {
    std::vector<std::string> args = ok;
    args.push_back(option);
    args.push_back(value);
    return args;
  };
  EXPECT_THROW(ParseCommandLine(with("--pairings", "3001")), std::invalid_argument);
  EXPECT_THROW(ParseCommandLine(with("--pairings", "12x")), std::invalid_argument);
  EXPECT_THROW(ParseCommandLine(with("--month", "2027-13")), std::invalid_argument);
  EXPECT_THROW(ParseCommandLine(with("--base", "ABC")), std::invalid_argument);
  EXPECT_THROW(ParseCommandLine(with("--equipment", "ATR")), std::invalid_argument);
  EXPECT_THROW(ParseCommandLine(with("--category", "PU")), std::invalid_argument);
  EXPECT_THROW(ParseCommandLine(with("--colour", "red")), std::invalid_argument);
  EXPECT_THROW(ParseCommandLine({"--out", "x"}), std::invalid_argument);
  EXPECT_THROW(ParseCommandLine({"--out"}), std::invalid_argument);
}

}  // namespace
}  // namespace lumora::samples
