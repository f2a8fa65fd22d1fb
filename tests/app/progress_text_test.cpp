#include "app/progress_text.h"

#include <gtest/gtest.h>

#include <climits>

namespace lumora {
namespace {

// Callers' formats are never interpreted beyond two numbers.
TEST(ProgressTextTest, LineFillsTwoNumbersAndNothingElse) {
  EXPECT_EQ(formatProgressLine("Completed %d of %d", 3, 120), "Completed 3 of 120");
  EXPECT_EQ(formatProgressLine("%d/%d done, 100%%", 7, 9), "7/9 done, 100%");
  EXPECT_EQ(formatProgressLine("%d %d %d", 1, 2), "1 2 %d");
  EXPECT_EQ(formatProgressLine("%s %n %x %d", 1, 2), "%s %n %x 1");
  EXPECT_EQ(formatProgressLine("trailing %", 1, 2), "trailing %");
  EXPECT_EQ(formatProgressLine("%%d %d", 4, 5), "%d 4");
}

TEST(ProgressTextTest, PercentageIsBoundedAndSurvivesAnEmptyRange) {
  EXPECT_EQ(formatProgressPercent(1, 3), "33%");
  EXPECT_EQ(formatProgressPercent(5, 0), "0%");
  EXPECT_EQ(formatProgressPercent(5, -4), "0%");
  EXPECT_EQ(formatProgressPercent(-5, 10), "0%");
  EXPECT_EQ(formatProgressPercent(11, 10), "100%");
  // position * 100 must not overflow
  EXPECT_EQ(progressPercent(INT_MAX - 1, INT_MAX), 99);
  EXPECT_EQ(progressPercent(INT_MAX, INT_MAX), 100);
}

}  // namespace
}  // namespace lumora
