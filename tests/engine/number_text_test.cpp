// The two conversions every number on the sheet goes through.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "number_text.h"

namespace cindral::etest {
namespace {

TEST(NumberShown, WholeNumbersAndFractionsHaveTheirShortestForm) {
  const std::vector<std::pair<double, std::string>> cases = {
      {5, "5"},        {-1, "-1"},     {0, "0"},         {-0.0, "0"},          {175, "175"},
      {0.5, "0.5"},    {-2.25, "-2.25"}, {-0.5, "-0.5"}, {123456.75, "123456.75"}, {40, "40"},
      {-16, "-16"},    {110, "110"},   {1e15, "1000000000000000"}, {0.001, "0.001"}, {2.1, "2.1"},
  };
  for (const auto& [number, text] : cases) EXPECT_EQ(TextFromNumber(number), text) << number;
}

TEST(NumberRead, BlanksAMinusDigitsAndAFraction) {
  const std::vector<std::pair<std::string, double>> cases = {
      {"5", 5},     {"-3", -3},   {" 7 ", 7},   {"0", 0},     {"175", 175},
      {"0.5", 0.5}, {"-2.25", -2.25}, {"\t12", 12}, {"007", 7},
  };
  for (const auto& [text, number] : cases) EXPECT_EQ(NumberFromText(text), number) << '"' << text << '"';
}

TEST(NumberRead, TextWithoutALeadingNumberReadsZeroAndTrailingTextIsIgnored) {
  const std::vector<std::pair<std::string, double>> cases = {
      {"25%", 25}, {"-16%", -16}, {"0/40", 0}, {"0/0", 0}, {"", 0},       {"abc", 0},
      {"-", 0},    {"   ", 0},    {"%", 0},    {"x5", 0},  {"1.5abc", 1.5}, {"30 %", 30},
  };
  for (const auto& [text, number] : cases) EXPECT_EQ(NumberFromText(text), number) << '"' << text << '"';
}

TEST(NumberRead, VeryLongDigitStringsDoNotCrash) {
  EXPECT_EQ(NumberFromText(std::string(10000, '0') + "5"), 5);
  EXPECT_GT(NumberFromText(std::string(10000, '9')), 1e300);
  EXPECT_LT(NumberFromText("-" + std::string(10000, '9')), -1e300);
  EXPECT_EQ(NumberFromText("1." + std::string(10000, '0')), 1);
  EXPECT_EQ(NumberFromText(std::string(10000, 'z')), 0);
}

TEST(NumberRoundTrip, EveryTextShownReadsBackAsItsNumber) {
  for (int whole = -5000; whole <= 5000; ++whole) {
    for (const double fraction : {0.0, 0.25, 0.5, 0.75}) {
      const double x = whole + (whole < 0 ? -fraction : fraction);
      const std::string text = TextFromNumber(x);
      ASSERT_EQ(NumberFromText(text), x) << text;
      ASSERT_EQ(text.find_first_of("eE,"), std::string::npos) << text;
    }
  }
  // A fraction with more digits than are shown reads back as the text says.
  const std::string third = TextFromNumber(1.0 / 3);
  EXPECT_EQ(third, "0.333333333333333");
  EXPECT_EQ(TextFromNumber(NumberFromText(third)), third);
}

TEST(WholePartOfANumber, IsTheLargestWholeNumberNotAboveIt) {
  const std::vector<std::pair<double, double>> cases = {{2.9, 2}, {-2.5, -3}, {5, 5}, {-1, -1}, {0.5, 0}, {-0.5, -1}};
  for (const auto& [x, whole] : cases) EXPECT_EQ(WholePart(x), whole) << x;
}

}  // namespace
}  // namespace cindral::etest
