#include "imports/fixed_lines.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <string_view>
#include <vector>

namespace lumora {
namespace {

struct Read {
  std::vector<std::string> lines;
  std::vector<bool> cut;
};

Read ReadAll(LineReader& reader) {
  Read read;
  std::string_view line;
  while (reader.next(line)) {
    read.lines.emplace_back(line);
    read.cut.push_back(reader.lastLineCut());
  }
  return read;
}

// The same text read from memory and from a stream gives the same lines.
TEST(LineReader, CutsLinesEndsAtNulAndDropsCrTheSameFromTextAndStream) {
  struct Case {
    std::string text;
    LineReader::Options options;
    std::vector<std::string> lines;
    std::vector<bool> cut;
  };
  const std::vector<Case> cases = {
      {"a\r\n\nbc", {}, {"a", "", "bc"}, {false, false, false}},
      {"", {}, {}, {}},
      {"abcdef\nxy\r\n", {4, true}, {"abcd", "xy"}, {true, false}},
      {"abcd\r\n", {4, true}, {"abcd"}, {false}},  // only the CR is lost
      {std::string("ab\0cd\n", 6), {LineReader::kUnlimited, true}, {"ab"}, {false}},
      {std::string("ab\0cd\n", 6),
       {LineReader::kUnlimited, false},
       {std::string("ab\0cd", 5)},
       {false}},
  };
  for (const Case& c : cases) {
    LineReader fromText(c.text, c.options);
    std::istringstream in(c.text);
    LineReader fromStream(in, c.options);
    for (LineReader* reader : {&fromText, &fromStream}) {
      const Read read = ReadAll(*reader);
      EXPECT_EQ(read.lines, c.lines) << c.text;
      EXPECT_EQ(read.cut, c.cut) << c.text;
    }
  }
}

TEST(LineReader, GivesEmptyLinesPastTheEndAndSaysSo) {
  LineReader reader(std::string_view("one\ntwo"), {});
  EXPECT_EQ(reader.next(), "one");
  EXPECT_EQ(reader.next(), "two");
  EXPECT_FALSE(reader.pastEnd());
  EXPECT_EQ(reader.next(), "");
  EXPECT_TRUE(reader.pastEnd());
  EXPECT_EQ(reader.lineNumber(), 2);
}

}  // namespace
}  // namespace lumora
