#include "samples/sample_set.h"

#include <gtest/gtest.h>

#include <algorithm>

#include <cctype>
#include <filesystem>
#include <set>

#include "sample_reading.h"
#include "samples/toolbox_writer.h"
#include "samples/world.h"

namespace lumora::samples {
namespace {

using testing::ReadFile;
using testing::SplitLines;

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
  EXPECT_TRUE(std::any_of(a.begin(), a.end(),
                          [](const OutputFile& f) { return f.name == "YULPILOT.box"; }));
  o.seed = 2;
  EXPECT_NE(GenerateSampleSet(o).front().bytes, a.front().bytes);
}

// The committed samples are what the command in samples/README.md writes.
TEST(SampleSet, TheCommittedSamplesAreReproducible) {
  const std::filesystem::path root(LUMORA_SOURCE_DIR);
  int commands = 0;
  for (const auto& args : testing::ReadmeCommands("lumora-samples")) {
    if (args.front() != "--out") continue;
    ++commands;
    const CommandLine command = ParseCommandLine(args);
    SCOPED_TRACE(command.outDir);
    std::set<std::string> committed;
    for (const auto& entry : std::filesystem::directory_iterator(root / command.outDir))
      committed.insert(entry.path().filename().string());
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
  EXPECT_EQ(c.options.base + c.options.equipment, "YHZDH4");
  EXPECT_EQ(c.options.category, Category::FlightAttendant);
  EXPECT_EQ(c.options.year * 100 + c.options.month, 202711);
  EXPECT_EQ(c.options.seed, 9u);
  EXPECT_EQ(c.options.pairings, 3000);

  const std::vector<std::string> ok = {"--out", "x",          "--base", "YUL",     "--equipment",
                                       "CRJ",   "--category", "CA",     "--month", "2027-02"};
  EXPECT_NO_THROW(ParseCommandLine(ok));
  const std::pair<const char*, const char*> refused[] = {
      {"--pairings", "3001"}, {"--pairings", "12x"}, {"--month", "2027-13"}, {"--base", "ABC"},
      {"--equipment", "ATR"}, {"--category", "PU"},  {"--colour", "red"}};
  for (const auto& [option, value] : refused) {
    std::vector<std::string> args = ok;
    args.insert(args.end(), {option, value});
    EXPECT_THROW(ParseCommandLine(args), std::invalid_argument) << option << " " << value;
  }
  EXPECT_THROW(ParseCommandLine({"--out", "x"}), std::invalid_argument);
  EXPECT_THROW(ParseCommandLine({"--out"}), std::invalid_argument);
}

// "H:MM", hours 0 to 23 when limited, as the toolbox reader parses times.
bool IsTime(const std::string& text, bool limitTo23) {
  const std::size_t colon = text.find(':');
  if (colon == std::string::npos || colon == 0 || text.size() - colon != 3) return false;
  for (std::size_t i = 0; i < text.size(); ++i)
    if (i != colon && !std::isdigit(static_cast<unsigned char>(text[i]))) return false;
  return !limitTo23 || std::stoi(text.substr(0, colon)) <= 23;
}

TEST(Toolbox, ParsesBackWithItsFixedFieldWidths) {
  for (const Category category : {Category::Captain, Category::FlightAttendant}) {
    SCOPED_TRACE(CategoryCode(category));
    WorldOptions o;
    o.category = category;
    o.pairings = 40;
    const World w = BuildWorld(o);
    const std::string file = WriteToolbox(w);
    ASSERT_TRUE(file.ends_with("\r\n"));
    const std::vector<std::string> lines = SplitLines(file, "\r\n");
    ASSERT_GT(lines.size(), 5u);
    EXPECT_EQ(lines[0], "LMToolBox");
    const int entries = std::stoi(lines[4]);
    EXPECT_GE(entries, 25);
    std::size_t i = 5;
    for (int e = 0; e < entries; ++e, i += 13) {
      ASSERT_LT(i + 12, lines.size());
      SCOPED_TRACE(lines[i]);
      EXPECT_TRUE(!lines[i].empty() && lines[i].size() <= 3);
      EXPECT_EQ(lines[i + 1], category == Category::FlightAttendant ? "Cabin" : "Pilot");
      EXPECT_EQ(lines[i + 2].size(), 2u);
      EXPECT_TRUE(IsTime(lines[i + 4], true) && IsTime(lines[i + 5], true));
      EXPECT_TRUE(IsTime(lines[i + 6], false) && IsTime(lines[i + 7], false));
      for (std::size_t f = 8; f <= 11; ++f)
        EXPECT_TRUE(lines[i + f] == "Y" || lines[i + f] == "N") << lines[i + f];
    }
    ASSERT_LT(i + 1, lines.size());
    const int airports = std::stoi(lines[i + 1]);
    EXPECT_GE(airports, 40);
    std::set<std::string> codes;
    for (int a = 0; a < airports; ++a) {
      i += a == 0 ? 2 : 8;
      ASSERT_LT(i + 7, lines.size());
      EXPECT_EQ(lines[i].size(), 3u);
      EXPECT_TRUE(IsTime(lines[i + 1], true) && lines[i + 1].size() == 5) << lines[i];
      EXPECT_TRUE(IsTime(lines[i + 2], true) && lines[i + 2].size() == 5) << lines[i];
      EXPECT_EQ(lines[i + 3].size(), 1u);
      codes.insert(lines[i]);
    }
    EXPECT_EQ(i + 8, lines.size());
    // Every station of the document's pairings, the base and the US ones included.
    for (const Pairing& p : w.pairings)
      for (const Duty& d : p.duties)
        for (const Leg& l : d.legs)
          EXPECT_TRUE(!p.selected || (codes.count(l.from) && codes.count(l.to)));
  }
}

}  // namespace
}  // namespace lumora::samples
