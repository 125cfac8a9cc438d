#include "standsim/support/tables_and_grids/data_reference.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "standsim/support/text/fixed_text.h"

namespace standsim {
namespace {

// A reference record whose fields all hold values PARSEREF never writes.
DataReference untouched() {
  DataReference spec;
  spec.VALID = 7;
  assign_text(spec.REFNAME, "old");
  spec.CODE[0] = 'x';
  spec.N1 = 77;
  spec.N2 = 88;
  spec.FACT = 9.5f;
  return spec;
}

struct ParseCase {
  const char* ref;
  const char* refname;
  float fact;
  int32_t n1, n2;
  char code;
};

TEST(Parseref, TakesAReferenceApart) {
  const ParseCase cases[] = {
      {"2.5*runoff#3,4/m", "runoff", 2.5f, 3, 4, 'm'},
      {"?*runoff#?", "runoff", 0.0f, 0, 88, 's'},
      {"  plain.dat   ", "plain.dat", 1.0f, 1, 88, 's'},
      {"dir\\f.dat#12", "dir\\f.dat", 1.0f, 12, 88, 's'},
      {"-0.5 * series # 2 3 /d", " series ", -0.5f, 2, 3, 'd'},
      {"a#b", "a", 1.0f, 1, 88, 's'},        // no number after "#": N1 stays 1
      {"*name", "name", 1.0f, 1, 88, 's'},   // "*" first: no factor
      {"x*name", "name", 1.0f, 1, 88, 's'},  // an unreadable factor leaves 1.0
      // "/" or "#" as the last character of the text: nothing after them is read.
      {"runoff/", "runoff", 1.0f, 1, 88, ' '},
      {"runoff#", "runoff", 1.0f, 1, 88, 's'},
  };
  for (const ParseCase& c : cases) {
    SCOPED_TRACE(c.ref);
    // The text is exactly as long as the reference, so nothing lies after it.
    const std::string text = c.ref;
    const std::vector<char> exact(text.begin(), text.end());
    DataReference spec = untouched();
    PARSEREF(std::string_view(exact.data(), exact.size()), spec);
    EXPECT_EQ(spec.VALID, 1);
    EXPECT_EQ(std::string(spec.REFNAME, 256), padded(c.refname, 256));
    EXPECT_EQ(spec.FACT, c.fact);
    EXPECT_EQ(spec.N1, c.n1);
    EXPECT_EQ(spec.N2, c.n2);
    EXPECT_EQ(spec.CODE[0], c.code);
  }
}

TEST(Parseref, ABlankTextIsNotValidAndChangesNothingElse) {
  DataReference spec = untouched();
  PARSEREF(std::string(" \t\0 ", 4), spec);
  EXPECT_EQ(spec.VALID, 0);
  EXPECT_EQ(std::string(spec.REFNAME, 3), "old");
  EXPECT_EQ(spec.CODE[0], 'x');
  EXPECT_EQ(spec.N1, 77);
  EXPECT_EQ(spec.N2, 88);
  EXPECT_EQ(spec.FACT, 9.5f);
}

}  // namespace
}  // namespace standsim
