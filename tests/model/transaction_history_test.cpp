#include "model/transaction_history.h"

#include <gtest/gtest.h>

#include <string>

namespace lumora {
namespace {

TransactionRecord Assign(int day, int crew, int pairing) {
  return {TransactionRecord::kAssign, day, crew, pairing};
}

TEST(TransactionHistoryTest, KeepsTheNewest201) {
  TransactionHistory history;
  for (int i = 0; i < 250; ++i) history.add(Assign(i % 31, i % 999, i));
  ASSERT_EQ(history.size(), 201u);
  EXPECT_EQ(history[0], Assign(249 % 31, 249 % 999, 249));
  EXPECT_EQ(history[200], Assign(49 % 31, 49, 49));

  history.removeNewest();
  history.removeNewest();
  EXPECT_EQ(history.size(), 199u);
  EXPECT_EQ(history[0].pairing, 247);
  history.clear();
  EXPECT_TRUE(history.empty());
  history.removeNewest();  // harmless on an empty history
  EXPECT_TRUE(history.empty());
}

TEST(TransactionHistoryTest, TextHoldsCountThenRecordsNewestFirst) {
  TransactionHistory history;
  EXPECT_EQ(ToHistoryText(history), "0000");

  history.add({TransactionRecord::kRemove, 30, 998, 3000});
  history.add(Assign(0, 0, 1));
  history.add(Assign(4, 12, 33));
  const std::string text = ToHistoryText(history);
  EXPECT_EQ(text,
            "0003"
            "01000400120033"
            "01000000000001"
            "00003009983000");

  TransactionHistory read;
  read.add(Assign(1, 1, 1));  // replaced, not kept
  FromHistoryText(text, read);
  ASSERT_EQ(read.size(), 3u);
  for (std::size_t i = 0; i < 3; ++i) EXPECT_EQ(read[i], history[i]);
}

TEST(TransactionHistoryTest, HostileTextsReadOnlyWhatIsThere) {
  const std::string group = "01000400120033";
  struct Case {
    const char* what;
    std::string text;
    std::size_t expected;
  };
  std::string manyGroups = "0300";
  for (int i = 0; i < 300; ++i) manyGroups += group;
  const Case cases[] = {
      {"empty", "", 0},
      {"one character", "5", 0},
      {"count only", "0003", 0},
      {"short count", "12", 0},
      {"count above the records present", "9999" + group, 1},
      {"count above the records, last group cut", "0002" + group + "0100040012", 1},
      {"negative count", "-001" + group, 0},
      {"non-digit count", "ab01" + group, 0},
      {"more records than the history holds", manyGroups, 201},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    TransactionHistory history;
    history.add(Assign(1, 1, 1));
    FromHistoryText(c.text, history);
    EXPECT_EQ(history.size(), c.expected);
  }

  // Fields read as the rest of the program reads numbers: up to the first non-digit.
  TransactionHistory history;
  FromHistoryText(
      "0002"
      "0100x4001200-3"
      "1a  7 12AB3300",
      history);
  ASSERT_EQ(history.size(), 2u);
  EXPECT_EQ(history[0], (TransactionRecord{1, 0, 12, 0}));
  EXPECT_EQ(history[1], (TransactionRecord{1, 7, 12, 3300}));
}

}  // namespace
}  // namespace lumora
