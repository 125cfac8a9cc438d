#include "tarvex/data/number_text.h"

#include <gtest/gtest.h>

#include <clocale>
#include <locale>

#include "tarvex/data/tarvex_error.h"

namespace tarvex {
namespace {

// The texts of printf's "%lf" for these values.
TEST(FormatFixed6, WritesSixDecimalsWithoutExponent) {
  struct Case {
    double value;
    const char* text;
  };
  const Case cases[] = {
      {0.0, "0.000000"},
      {1.0, "1.000000"},
      {-2.5, "-2.500000"},
      {0.1234565, "0.123456"},  // 0.12345649999... rounds down
      {0.0000004, "0.000000"},
      {-0.0000004, "-0.000000"},
      {1e20, "100000000000000000000.000000"},
      {123456.7890125, "123456.789012"},
      {0.11, "0.110000"},
  };
  for (const Case& c : cases) EXPECT_EQ(FormatFixed6(c.value), c.text) << c.value;
}

TEST(FloatToText, WritesTheShortestGeneralForm) {
  struct Case {
    double value;
    const char* text;
  };
  const Case cases[] = {
      {0.0, "0"},
      {42.0, "42"},
      {0.41, "0.41"},
      {1.0 / 3.0, "0.333333333333333"},        // fifteen digits
      {0.0001, "0.0001"},                      // smallest fixed
      {999999999999999.0, "999999999999999"},  // largest fixed
      {1e15, "1E15"},
      {-1.5e-7, "-1.5E-7"},
      {1e-300, "1E-300"},  // exponent of three digits
  };
  for (const Case& c : cases) EXPECT_EQ(FloatToText(c.value), c.text) << c.value;
}

TEST(FormatInt, WritesDecimal) {
  EXPECT_EQ(FormatInt(0), "0");
  EXPECT_EQ(FormatInt(-1995), "-1995");
}

TEST(ParseNumbers, TakesWholeItemsOnly) {
  EXPECT_EQ(ParseInt(" 42 "), 42);
  EXPECT_EQ(ParseInt("+7"), 7);
  EXPECT_EQ(ParseInt("-3"), -3);
  EXPECT_DOUBLE_EQ(ParseDouble("0.25"), 0.25);
  EXPECT_DOUBLE_EQ(ParseDouble("+1.5e2"), 150.0);
  EXPECT_DOUBLE_EQ(ParseDouble("-.5"), -0.5);
  for (const char* bad : {"", "abc", "1,5", "12abc", "1.5", "++1", "99999999999"}) {
    EXPECT_THROW(ParseInt(bad), ConversionError) << bad;
  }
  for (const char* bad :
       {"", "abc", "1,5", "0.5x", "--1", "1 2", "nan", "inf", "-infinity", "1e999"}) {
    try {
      ParseDouble(bad);
      ADD_FAILURE() << bad << " was taken";
    } catch (const ConversionError& e) {
      EXPECT_EQ(e.Text(), bad);
      EXPECT_NE(std::string(e.what()).find("\"" + std::string(bad) + "\""), std::string::npos);
    }
  }
}

// A decimal comma in the C++ locale and, where installed, in the C locale
// changes nothing.
TEST(NumberText, IgnoresTheLocale) {
  struct Comma : std::numpunct<char> {
    char do_decimal_point() const override { return ','; }
  };
  const std::locale old = std::locale::global(std::locale(std::locale::classic(), new Comma));
  const char* cLocale = std::setlocale(LC_NUMERIC, "de_DE.UTF-8");
  EXPECT_EQ(FormatFixed6(1.5), "1.500000");
  EXPECT_DOUBLE_EQ(ParseDouble("1.5"), 1.5);
  EXPECT_THROW(ParseDouble("1,5"), ConversionError);
  if (cLocale) std::setlocale(LC_NUMERIC, "C");
  std::locale::global(old);
}

}  // namespace
}  // namespace tarvex
