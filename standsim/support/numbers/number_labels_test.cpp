#include "standsim/support/numbers/number_labels.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>

namespace standsim {
namespace {

TEST(NumberLabels, GetfmtChoosesTheFormatOfTheSteps) {
  struct Case {
    float x1, x2;
    int32_t nstep;
    std::string format;
  };
  const float inf = std::numeric_limits<float>::infinity();
  const float nan = std::numeric_limits<float>::quiet_NaN();
  const Case cases[] = {
      {0, 100, 4, "(i8)   "},
      {0, 1, 4, "(f 5.2)"},        // step 0.25
      {0.5f, 2.5f, 2, "(f 4.1)"},  // step 1 but X1 not whole
      {0, 1, 3, "(g12.4)"},        // step 0.333... never whole
      {100, 250, 4, "(f 5.1)"},    // step 37.5, E = 2
      {-3, 3, 6, "(i8)   "},
      {0, 0.01f, 1, "(f 5.2)"},
      {-1, 1, 8, "(f 5.2)"},
      {0, 0.000015f, 1, "(f 9.6)"},  // whole only at the sixth multiplication
      {0, 0.000001f, 1, "(i8)   "},  // the step itself is below 1e-5
      {0, 250, 3, "(f10.6)"},        // whole at the sixth product in 4-byte reals only
      {0, 0.0113f, 1, "(g12.4)"},  // never whole times 10 at each step; the step times 1e4 would be
      {0, 1, 0, "(g12.4)"},        // an infinite step
      {0, 0, 0, "(g12.4)"},        // an undefined step
      {-12.5f, 12.5f, 2, "(f 4.1)"},
      {0, inf, 4, "(g12.4)"},
      {-inf, 0, 4, "(g12.4)"},
      {nan, 1, 4, "(g12.4)"},
      {0, nan, 4, "(g12.4)"},
      {0, 3e38f, 4, "(i8)   "},  // huge whole values need no 4-byte integer
  };
  for (const Case& c : cases)
    EXPECT_EQ(GETFMT(c.x1, c.x2, c.nstep), c.format) << c.x1 << " " << c.x2 << " " << c.nstep;
}

TEST(NumberLabels, N2cWritesOneValueIntoSixteenCharacters) {
  struct Case {
    float x;
    std::string format, text;
  };
  const Case cases[] = {
      {0.0f, "(f 5.2)", "0               "},
      {-0.0f, "(g12.4)", "0               "},
      {2.6f, "(i8)   ", "       3        "},
      {-2.5f, "(i8)", "      -3        "},  // NINT: halves away from zero
      {2.6f, "(g12.4)", "   2.600        "},
      {0.25f, "(f 5.2)", " 0.25           "},
      {-12.5f, "(f 4.1)", "****            "},
      {2.6f, "(I8)", "       3        "},   // an upper-case I is an integer format too
      {2.6f, "(i17)", "****************"},  // wider than the text
      {2.6f, "(x8)", "****************"},
      {3e9f, "(i12)", "****************"},  // no 4-byte integer
  };
  for (const Case& c : cases) EXPECT_EQ(N_2_C(c.x, c.format), c.text) << c.x << " " << c.format;
}

TEST(NumberLabels, ClslabelAlignsTheConnectorsOfAllClasses) {
  struct Case {
    int32_t ic, idir;
    std::string format;
    float v1, v2;
    std::string label;
    int32_t nwid;
  };
  const Case cases[] = {
      {1, 1, "(i8)   ", 0, 10, "         < 10         ", 8},
      {2, 1, "(i8)   ", 10, 20, "      10 - 20         ", 8},
      {3, 1, "(i8)   ", 20, 20, "         > 20         ", 8},
      {1, -1, "(i8)   ", 0, 10, "         > 10         ", 8},
      {3, -1, "(i8)   ", 0, 20, "         < 20         ", 8},
      {2, 1, "(f 5.2)", 0.25f, 0.5f, " 0.25 - 0.50         ", 5},
      {2, 1, "(f3.2)", -0.5f, 0.5f, "*** - .50            ", 3},  // no room for the zero
      {2, 1, "(f 5.1)", -0.96f, 0.97f, " -1.0 - 1.0          ",
       5},  // rounded up to 1, not shown as 0
      {1, 1, "(g12.4)", 0, 0.05f, "             < 0.5000E-01", 12},
      {2, 1, "  (i 4)", 1.4f, 2.5f, "   1 - 3              ", 4},
  };
  for (const Case& c : cases) {
    std::string label(c.label.size(), '#');
    int32_t nwid = -1;
    CLSLABEL(c.ic, 1, 3, c.format, c.idir, c.v1, c.v2, label, nwid);
    EXPECT_EQ(label, c.label) << c.ic << " " << c.format;
    EXPECT_EQ(nwid, c.nwid) << c.format;
  }

  // One class only: the first-class rule; a short LABEL is cut.
  std::string label(12, '#');
  int32_t nwid = 0;
  CLSLABEL(4, 4, 4, "(i8)", 1, 1, 25, label, nwid);
  EXPECT_EQ(label, "         < 2");
}

}  // namespace
}  // namespace standsim
