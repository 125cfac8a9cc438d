#include "standsim/support/fortran_runtime/fortran_format_write.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <fstream>
#include <limits>
#include <string>
#include <string_view>
#include <vector>

#include "testing/reference_output.h"

namespace standsim {
namespace {

// Every line of the Fortran reference program: KIND|BITS|FORMAT|FIELD|.
TEST(FortranFormatWrite, MatchesTheFortranRunTimeOverASweep) {
  std::ifstream in(FORMAT_WRITE_REFERENCE);
  ASSERT_TRUE(in) << FORMAT_WRITE_REFERENCE;
  std::string line;
  int lines = 0;
  int wrong = 0;
  std::vector<std::string> mismatches;
  while (std::getline(in, line)) {
    const std::vector<std::string_view> fields = bar_fields(line);
    int64_t bits = 0;
    ASSERT_TRUE(fields.size() == 4 && field_value(fields[1], bits)) << line;
    const std::string_view kind = fields[0];
    const std::string_view format = fields[2];
    const std::string expected(fields[3]);
    std::optional<std::string> written;
    if (kind == "I4") {
      written = write_formatted(format, static_cast<int32_t>(bits));
    } else if (kind == "R4") {
      written = write_formatted(format, std::bit_cast<float>(static_cast<int32_t>(bits)));
    } else {
      written = write_formatted(format, std::bit_cast<double>(bits));
    }
    ++lines;
    if (written != expected && ++wrong <= 20) {
      mismatches.push_back(line + "  ours: [" + written.value_or("(none)") + "]");
    }
  }
  EXPECT_GT(lines, 100000);
  EXPECT_EQ(wrong, 0);
  for (const std::string& m : mismatches) ADD_FAILURE() << m;
}

// The cases that matter most, as the Fortran run-time writes them.
TEST(FortranFormatWrite, EdgeCasesOfRealEditing) {
  struct Case {
    const char* format;
    float value;
    const char* field;
  };
  const float inf = std::numeric_limits<float>::infinity();
  const Case cases[] = {
      // rounding ties go to the even digit, on the exact binary value
      {"(f5.2)", 0.125f, " 0.12"},
      {"(f6.0)", 2.5f, "    2."},
      {"(f6.0)", 3.5f, "    4."},
      {"(f6.0)", 9999.5f, "10000."},
      {"(f5.2)", 0.995f, " 1.00"},
      {"(f5.2)", 9.995f, " 9.99"},
      // values that just fit or just overflow; the optional zero goes first
      {"(f4.2)", 0.5f, "0.50"},
      {"(f3.2)", 0.5f, ".50"},
      {"(f4.2)", -0.5f, "-.50"},
      {"(f3.2)", -0.5f, "***"},
      {"(f6.0)", 99999.0f, "99999."},
      {"(f5.0)", 99999.0f, "*****"},
      {"(f2.0)", 0.4f, "0."},
      {"(f1.0)", 0.4f, "*"},
      {"(f5.2)", -9.9995f, "*****"},
      {"(f6.2)", -9.9995f, "-10.00"},
      // negative zero, and negative values that round to zero, keep their sign
      {"(f5.2)", -0.0f, "-0.00"},
      {"(f5.2)", -0.001f, "-0.00"},
      {"(g12.4)", -0.0f, "  -0.000    "},
      // g switches between the F form with four blanks and the E form
      {"(g12.4)", 2.6f, "   2.600    "},
      {"(g12.4)", 0.0f, "   0.000    "},
      {"(g12.4)", 0.1f, "  0.1000    "},
      {"(g12.4)", 0.099996f, "  0.1000    "},
      {"(g12.4)", 0.099994f, "  0.9999E-01"},
      {"(g12.4)", 1234.5f, "   1234.    "},
      {"(g12.4)", 9999.5f, "  0.1000E+05"},
      {"(g12.4)", -9.9995f, "  -10.00    "},
      {"(g10.4)", -1.5e7f, "-.1500E+08"},
      {"(g12.4)", 1e-5f, "  0.1000E-04"},
      {"(g8.1)", 9.995f, " 0.1E+02"},
      {"(g6.1)", 0.5f, ".5    "},
      {"(g5.1)", 0.5f, "*****"},
      // blanks inside the format and upper-case letters
      {"( f 8 . 3 )", 2.5f, "   2.500"},
      {"(G 1 2 . 4)   ", 2.6f, "   2.600    "},
      // values that are not numbers
      {"(f5.1)", std::nanf(""), "  NaN"},
      {"(f2.1)", std::nanf(""), "**"},
      {"(f7.1)", inf, "    Inf"},
      {"(f8.1)", inf, "Infinity"},
      {"(g8.1)", -inf, "    -Inf"},
      {"(f3.1)", -inf, "***"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(write_formatted(c.format, c.value), c.field) << c.format << " " << c.value;
  }
  EXPECT_EQ(write_formatted("(g12.4)", 1e100), "  0.1000+101");
  EXPECT_EQ(write_formatted("(g12.4)", 1e-100), "  0.1000E-99");
}

TEST(FortranFormatWrite, EdgeCasesOfIntegerEditing) {
  struct Case {
    const char* format;
    int32_t value;
    const char* field;
  };
  const Case cases[] = {
      {"(i8)", 3, "       3"},      {"(i4.2)", -7, " -07"},
      {"(i4.4)", 26, "0026"},       {"(i4.4)", -26, "****"},
      {"(i5.4)", -26, "-0026"},     {"(i3.0)", 0, "   "},
      {"(i1.1)", 0, "0"},           {"(i2)", -10, "**"},
      {"(i2)", 99, "99"},           {"(i11)", std::numeric_limits<int32_t>::min(), "-2147483648"},
      {"( I 6 . 3 )", 5, "   005"},
  };
  for (const Case& c : cases)
    EXPECT_EQ(write_formatted(c.format, c.value), c.field) << c.format << " " << c.value;
}

TEST(FortranFormatWrite, RefusesWhatIsNotAFormatOfOneNumber) {
  for (const char* format : {"", "i8", "(i)", "(i0)", "(f8)", "(f.2)", "(g8.0)", "(e12.4)", "(i8",
                             "(i2.3)", "(f8.2.1)", "(i99999)", "(2f8.2)"}) {
    EXPECT_FALSE(parse_format(format).has_value()) << format;
  }
  EXPECT_EQ(write_integer(5, 0), "");
  EXPECT_EQ(write_integer(5, -3, 2), "");
  EXPECT_EQ(write_fixed(2.5, -1, 2), "");
  EXPECT_EQ(write_fixed(2.5, 4, -1), "****");
  EXPECT_EQ(write_general(2.5f, 8, 0), "********");
  EXPECT_EQ(write_formatted("(i8)", 2.5), std::nullopt);
  EXPECT_EQ(write_formatted("(f8.2)", int32_t{2}), std::nullopt);
  EXPECT_EQ(write_formatted("(f8.2) and more", 2.5), "    2.50");
}

}  // namespace
}  // namespace standsim
