// The two conversions every number on the sheet goes through, and the
// whole part the rules take of a number.
#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <string>
#include <utility>
#include <vector>

#include "number_text.h"

namespace cindral {
namespace {

TEST(NumberText, WritesWholeNumbersBareFractionsShort) {
  const std::vector<std::pair<double, std::string>> cases = {
      {5, "5"},
      {-1, "-1"},
      {0, "0"},
      {-0.0, "0"},
      {175, "175"},
      {-2, "-2"},
      {40, "40"},
      {-16, "-16"},
      {110, "110"},
      {123456789012, "123456789012"},
      {1e15, "1000000000000000"},
      {0.5, "0.5"},
      {-2.25, "-2.25"},
      {-0.25, "-0.25"},
      {-0.5, "-0.5"},
      {2.5, "2.5"},
      {0.1, "0.1"},
      {2.1, "2.1"},
      {0.001, "0.001"},
      {123456.75, "123456.75"},
      {1e-5, "0.00001"},
      {1.0 / 3, "0.333333333333333"},
      {-2.0 / 3, "-0.666666666666667"},
      // Fifteen nines just below a power of ten keep their digits.
      {9.99999999999999e-6, "0.00000999999999999999"},
      {-9.99999999999999e-38, "-0." + std::string(37, '0') + "999999999999999"},
      {9.999999999999999e-6, "0.00001"},
  };
  for (const auto& [number, text] : cases) EXPECT_EQ(TextFromNumber(number), text) << number;
}

TEST(NumberText, ReadsBlanksAMinusDigitsAndAFraction) {
  const std::vector<std::pair<std::string, double>> cases = {
      {"5", 5},     {"-3", -3},   {" 7 ", 7},       {"\t12", 12}, {"0", 0},     {"-0", 0},
      {"175", 175}, {"0.5", 0.5}, {"-2.25", -2.25}, {"5.", 5},    {"0012", 12}, {"007", 7},
  };
  for (const auto& [text, number] : cases) EXPECT_EQ(NumberFromText(text), number) << '"' << text << '"';
}

TEST(NumberText, ReadsTheLeadingNumberOrZero) {
  const std::vector<std::pair<std::string, double>> cases = {
      {"25%", 25},     {"-16%", -16}, {"30 %", 30}, {"0/40", 0}, {"0/0", 0},   {"12abc", 12},
      {"1.5abc", 1.5}, {"1,5", 1},    {"", 0},      {"   ", 0},  {"abc", 0},   {"-", 0},
      {"--5", 0},      {"%", 0},      {"%25", 0},   {"x5", 0},   {"Human", 0},
  };
  for (const auto& [text, number] : cases) EXPECT_EQ(NumberFromText(text), number) << '"' << text << '"';
}

TEST(NumberText, ReadsVeryLongTextsWithoutHarm) {
  EXPECT_EQ(NumberFromText(std::string(10000, '0') + "7"), 7);
  EXPECT_EQ(NumberFromText("0." + std::string(10000, '0')), 0);
  EXPECT_EQ(NumberFromText("1." + std::string(10000, '0')), 1);
  EXPECT_EQ(NumberFromText("0.5" + std::string(10000, '0')), 0.5);
  EXPECT_EQ(NumberFromText(std::string(100000, ' ') + "3"), 3);
  EXPECT_EQ(NumberFromText(std::string(10000, 'z')), 0);
  // Beyond the largest number a double holds the text reads as infinite.
  const double huge = NumberFromText(std::string(400, '9'));
  EXPECT_TRUE(std::isinf(huge) && huge > 0) << huge;
  const double hugeBelow = NumberFromText("-" + std::string(10000, '9'));
  EXPECT_TRUE(std::isinf(hugeBelow) && hugeBelow < 0) << hugeBelow;
  // Below the smallest fraction a double holds it reads as a zero of its sign.
  const double tiny = NumberFromText("0." + std::string(400, '0') + "1");
  EXPECT_TRUE(tiny == 0 && !std::signbit(tiny)) << tiny;
  const double tinyBelow = NumberFromText("-0." + std::string(400, '0') + "1");
  EXPECT_TRUE(tinyBelow == 0 && std::signbit(tinyBelow)) << tinyBelow;
}

TEST(NumberText, EveryTextWrittenReadsBackAsItsNumber) {
  for (int whole = -100000; whole <= 100000; ++whole) {
    const std::string text = TextFromNumber(whole);
    ASSERT_EQ(text, std::to_string(whole));
    ASSERT_EQ(NumberFromText(text), whole) << text;
  }
  for (int eighths = -40000; eighths <= 40000; ++eighths) {
    const double x = eighths / 8.0;
    const std::string text = TextFromNumber(x);
    ASSERT_EQ(NumberFromText(text), x) << text;
    ASSERT_EQ(text.find_first_of("eE,"), std::string::npos) << text;
  }
  // A fraction with more digits than are written: the text is the value
  // the sheet goes on with, so writing what it reads gives the same text.
  for (int n = 1; n < 1000; ++n) {
    const std::string text = TextFromNumber(n / 7.0);
    ASSERT_EQ(TextFromNumber(NumberFromText(text)), text) << n << "/7";
    ASSERT_EQ(text.find_first_of("eE"), std::string::npos) << text;
  }
}

// A player whose system writes a decimal comma still sees the sheet's own
// separator: the conversions do not follow the process locale.
TEST(NumberText, KeepsItsSeparatorUnderADecimalCommaLocale) {
  const std::string before = std::setlocale(LC_ALL, nullptr);
  ASSERT_NE(std::setlocale(LC_ALL, "de_DE.UTF-8"), nullptr) << "the locale de_DE.UTF-8 is missing";
  const std::string localeSeparator = std::localeconv()->decimal_point;
  const std::string zeroFive = TextFromNumber(0.5);
  const std::string minusTwoQuarter = TextFromNumber(-2.25);
  const double twoFive = NumberFromText("2.5");
  std::setlocale(LC_ALL, before.c_str());
  ASSERT_EQ(localeSeparator, ",") << "de_DE.UTF-8 does not write a decimal comma here";
  EXPECT_EQ(zeroFive, "0.5");
  EXPECT_EQ(minusTwoQuarter, "-2.25");
  EXPECT_EQ(twoFive, 2.5);
}

TEST(NumberText, WholePartIsTheLargestWholeNotAbove) {
  const std::vector<std::pair<double, double>> cases = {{2.9, 2}, {-2.5, -3}, {3, 3},   {-3, -3},
                                                        {5, 5},   {-1, -1},   {0.5, 0}, {-0.5, -1}};
  for (const auto& [x, whole] : cases) EXPECT_EQ(WholePart(x), whole) << x;
}

}  // namespace
}  // namespace cindral
