// The two conversions between a number field's text and a number.
#include <gtest/gtest.h>

#include <string>

#include "number_text.h"

namespace cindral {
namespace {

struct Shown {
  double number;
  const char* text;
};

TEST(NumberToText, WholeNumbersShowAsBareDigitsAndFractionsInTheirShortestForm) {
  const Shown cases[] = {
      {5, "5"},         {-1, "-1"},       {0, "0"},         {-0.0, "0"},       {175, "175"},
      {-2, "-2"},       {40, "40"},       {-16, "-16"},     {123456789012, "123456789012"},
      {0.5, "0.5"},     {-2.25, "-2.25"}, {-0.25, "-0.25"}, {2.5, "2.5"},      {0.1, "0.1"},
      {1.0 / 3, "0.333333333333333"},     {-2.0 / 3, "-0.666666666666667"}, {1e-5, "0.00001"},
  };
  for (const auto& [number, text] : cases) EXPECT_EQ(TextFromNumber(number), text) << number;
}

TEST(TextToNumber, ReadsBlanksASignDigitsAndAFraction) {
  const Shown cases[] = {
      {5, "5"},        {-3, "-3"},     {7, " 7 "},     {0, "0"},        {0, "-0"},       {175, "175"},
      {0.5, "0.5"},    {-2.25, "-2.25"}, {5, "5."},    {12, "0012"},
  };
  for (const auto& [number, text] : cases) EXPECT_EQ(NumberFromText(text), number) << '"' << text << '"';
}

TEST(TextToNumber, ATextWithoutALeadingNumberReadsZeroAndTrailingTextIsIgnored) {
  const Shown cases[] = {
      {25, "25%"}, {0, "0/40"}, {0, ""},     {0, "abc"},   {0, "-"},   {-16, "-16%"},
      {12, "12abc"}, {0, "--5"}, {1, "1,5"}, {0, "   "},   {0, "%25"}, {0, "Human"},
  };
  for (const auto& [number, text] : cases) EXPECT_EQ(NumberFromText(text), number) << '"' << text << '"';
}

TEST(TextToNumber, VeryLongDigitStringsAreReadWithoutHarm) {
  EXPECT_EQ(NumberFromText(std::string(10000, '0') + "7"), 7);
  EXPECT_EQ(NumberFromText("0." + std::string(10000, '0')), 0);
  EXPECT_EQ(NumberFromText("0.5" + std::string(10000, '0')), 0.5);
  EXPECT_GT(NumberFromText(std::string(400, '9')), 1e300);
  EXPECT_LT(NumberFromText("-" + std::string(10000, '9')), -1e300);
  EXPECT_EQ(NumberFromText(std::string(100000, ' ') + "3"), 3);
}

TEST(NumberText, EveryTextTheProgramWritesReadsBackAsTheSameValue) {
  for (int whole = -100000; whole <= 100000; ++whole) {
    const std::string text = TextFromNumber(whole);
    ASSERT_EQ(NumberFromText(text), whole) << text;
    ASSERT_EQ(text, std::to_string(whole));
  }
  for (int eighths = -8000; eighths <= 8000; ++eighths) {
    const double x = eighths / 8.0;
    ASSERT_EQ(NumberFromText(TextFromNumber(x)), x) << TextFromNumber(x);
  }
  // Fractions that have no exact decimal form: the text is the value the
  // sheet goes on with, so reading and writing it again keeps it.
  for (int n = 1; n < 1000; ++n) {
    const std::string text = TextFromNumber(n / 7.0);
    ASSERT_EQ(TextFromNumber(NumberFromText(text)), text) << n << "/7";
    ASSERT_EQ(text.find('e'), std::string::npos) << text;
  }
}

TEST(WholePart, IsTheLargestWholeNumberNotAbove) {
  const std::pair<double, double> cases[] = {{2.9, 2}, {-2.5, -3}, {3, 3}, {-3, -3}, {0.5, 0}, {-0.5, -1}};
  for (const auto& [x, whole] : cases) EXPECT_EQ(WholePart(x), whole) << x;
}

}  // namespace
}  // namespace cindral
