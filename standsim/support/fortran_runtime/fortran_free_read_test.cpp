#include "standsim/support/fortran_runtime/fortran_free_read.h"

#include <gtest/gtest.h>

#include <array>
#include <bit>
#include <cstdint>
#include <fstream>
#include <string>
#include <string_view>
#include <vector>

#include "testing/reference_output.h"

namespace standsim {
namespace {

// Status of a Fortran read: 0 success, -1 end of file, 1 any error.
int fortran_status(FreeReadStatus status) {
  if (status == FreeReadStatus::end) return -1;
  return status == FreeReadStatus::bad ? 1 : 0;
}

struct ReferenceRead {
  std::string text;
  int int_status;
  int32_t a, b;
  int real4_status;
  uint32_t x, y;
  int real8_status;
  uint64_t u, v;
};

// What the Fortran run-time read from each text, as the build's run of
// fortran_reference/free_read_reference.f90 printed it.
std::vector<ReferenceRead> reference_reads() {
  std::ifstream in(FREE_READ_REFERENCE);
  std::vector<ReferenceRead> reads;
  std::string line;
  while (std::getline(in, line)) {
    const std::vector<std::string_view> f = bar_fields(line);
    ReferenceRead r;
    if (f.size() != 10 || !field_value(f[1], r.int_status) || !field_value(f[2], r.a) ||
        !field_value(f[3], r.b) || !field_value(f[4], r.real4_status) ||
        !field_value(f[5], r.x, 16) || !field_value(f[6], r.y, 16) ||
        !field_value(f[7], r.real8_status) || !field_value(f[8], r.u, 16) ||
        !field_value(f[9], r.v, 16)) {
      ADD_FAILURE() << "unreadable reference line: " << line;
      continue;
    }
    r.text = f[0];
    reads.push_back(r);
  }
  return reads;
}

TEST(FortranFreeRead, AgreesWithAFortranListDirectedReadOfTwoValues) {
  const std::vector<ReferenceRead> reads = reference_reads();
  ASSERT_FALSE(reads.empty()) << FREE_READ_REFERENCE;
  for (const ReferenceRead& r : reads) {
    SCOPED_TRACE(r.text);
    std::array<int32_t, 2> ints{-7, -7};
    EXPECT_EQ(fortran_status(free_read(r.text, ints)), r.int_status);
    if (r.int_status <= 0) {
      EXPECT_EQ(ints[0], r.a);
      EXPECT_EQ(ints[1], r.b);
    }
    std::array<float, 2> floats{-7.0f, -7.0f};
    EXPECT_EQ(fortran_status(free_read(r.text, floats)), r.real4_status);
    if (r.real4_status <= 0) {
      EXPECT_EQ(std::bit_cast<uint32_t>(floats[0]), r.x);
      EXPECT_EQ(std::bit_cast<uint32_t>(floats[1]), r.y);
    }
    std::array<double, 2> doubles{-7.0, -7.0};
    EXPECT_EQ(fortran_status(free_read(r.text, doubles)), r.real8_status);
    if (r.real8_status <= 0) {
      EXPECT_EQ(std::bit_cast<uint64_t>(doubles[0]), r.u);
      EXPECT_EQ(std::bit_cast<uint64_t>(doubles[1]), r.v);
    }
  }
}

TEST(FortranFreeRead, TextItemsMayBeQuotedAndHoldSeparators) {
  FreeFormatReader reader("'a b',\"c,d\" 'it''s' plain/ 7");
  std::string text;
  ASSERT_EQ(reader.read(text), FreeReadStatus::value);
  EXPECT_EQ(text, "a b");
  ASSERT_EQ(reader.read(text), FreeReadStatus::value);
  EXPECT_EQ(text, "c,d");
  ASSERT_EQ(reader.read(text), FreeReadStatus::value);
  EXPECT_EQ(text, "it's");
  ASSERT_EQ(reader.read(text), FreeReadStatus::value);
  EXPECT_EQ(text, "plain");
  int32_t value = -7;
  EXPECT_EQ(reader.read(value), FreeReadStatus::null);  // the "/" ends the read
  EXPECT_EQ(reader.read(value), FreeReadStatus::null);
  EXPECT_EQ(value, -7);
}

TEST(FortranFreeRead, SkippedItemsNeedNotBeNumbers) {
  FreeFormatReader reader("1995  n/a 'x y'  12.5  rest");
  int32_t year = 0;
  float value = 0.0f;
  ASSERT_EQ(reader.read(year), FreeReadStatus::value);
  EXPECT_EQ(reader.skip(), FreeReadStatus::value);
  ASSERT_EQ(reader.read(value), FreeReadStatus::null);  // "n/a" is "n" and a "/"
  FreeFormatReader quoted("1995 'x y' 12.5 rest");
  ASSERT_EQ(quoted.read(year), FreeReadStatus::value);
  EXPECT_EQ(quoted.skip(), FreeReadStatus::value);
  ASSERT_EQ(quoted.read(value), FreeReadStatus::value);
  EXPECT_EQ(year, 1995);
  EXPECT_EQ(value, 12.5f);
}

TEST(FortranFreeRead, AFailedReadStaysFailed) {
  FreeFormatReader reader("12 x 3");
  int32_t value = -7;
  EXPECT_EQ(reader.read(value), FreeReadStatus::value);
  EXPECT_EQ(reader.read(value), FreeReadStatus::bad);
  EXPECT_EQ(reader.read(value), FreeReadStatus::bad);
  EXPECT_EQ(value, 12);
  FreeFormatReader empty("   ");
  EXPECT_EQ(empty.read(value), FreeReadStatus::end);
  EXPECT_EQ(empty.skip(), FreeReadStatus::end);
}

}  // namespace
}  // namespace standsim
