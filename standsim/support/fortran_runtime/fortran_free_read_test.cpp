#include "standsim/support/fortran_runtime/fortran_free_read.h"

#include <gtest/gtest.h>

#include <array>
#include <bit>
#include <cstdint>
#include <string>

namespace standsim {
namespace {

// Status of a Fortran read: 0 success, -1 end of file, 1 any error.
int fortran_status(FreeReadStatus status) {
  if (status == FreeReadStatus::end) return -1;
  return status == FreeReadStatus::bad ? 1 : 0;
}

struct ReferenceRead {
  const char* text;
  int int_status;
  int32_t a, b;
  int real4_status;
  uint32_t x, y;
  int real8_status;
  uint64_t u, v;
};

// Produced by fortran_free_read_reference.f90 (beside this file) with gfortran.
const ReferenceRead reference_reads[] = {
    {"1995.5", 1, -7, -7, -1, 0x44F97000, 0xC0E00000, -1, 0x409F2E0000000000, 0xC01C000000000000},
    {",", -1, -7, -7, -1, 0xC0E00000, 0xC0E00000, -1, 0xC01C000000000000, 0xC01C000000000000},
    {"/", 0, -7, -7, 0, 0xC0E00000, 0xC0E00000, 0, 0xC01C000000000000, 0xC01C000000000000},
    {"+12", -1, 12, -7, -1, 0x41400000, 0xC0E00000, -1, 0x4028000000000000, 0xC01C000000000000},
    {"1995 7", 0, 1995, 7, 0, 0x44F96000, 0x40E00000, 0, 0x409F2C0000000000, 0x401C000000000000},
    {"1995,7", 0, 1995, 7, 0, 0x44F96000, 0x40E00000, 0, 0x409F2C0000000000, 0x401C000000000000},
    {" , 5", 0, -7, 5, 0, 0xC0E00000, 0x40A00000, 0, 0xC01C000000000000, 0x4014000000000000},
    {"12abc", 1, -7, -7, 1, 0xC0E00000, 0xC0E00000, 1, 0xC01C000000000000, 0xC01C000000000000},
    {"1.5+3", 1, -7, -7, -1, 0x44BB8000, 0xC0E00000, -1, 0x4097700000000000, 0xC01C000000000000},
    {"1-2", 1, -7, -7, -1, 0x3C23D70A, 0xC0E00000, -1, 0x3F847AE147AE147B, 0xC01C000000000000},
    {".", 1, -7, -7, 1, 0x00000000, 0xC0E00000, 1, 0x0000000000000000, 0xC01C000000000000},
    {"+", 1, -7, -7, 1, 0xC0E00000, 0xC0E00000, 1, 0xC01C000000000000, 0xC01C000000000000},
    {"-.5", 1, -7, -7, -1, 0xBF000000, 0xC0E00000, -1, 0xBFE0000000000000, 0xC01C000000000000},
    {"5.", 1, -7, -7, -1, 0x40A00000, 0xC0E00000, -1, 0x4014000000000000, 0xC01C000000000000},
    {"1.5d2", 1, -7, -7, -1, 0x43160000, 0xC0E00000, -1, 0x4062C00000000000, 0xC01C000000000000},
    {"nan", 1, -7, -7, -1, 0x7FC00000, 0xC0E00000, -1, 0x7FF8000000000000, 0xC01C000000000000},
    {"inf", 1, -7, -7, -1, 0x7F800000, 0xC0E00000, -1, 0x7FF0000000000000, 0xC01C000000000000},
    {"3000000000", 1, -7, -7, -1, 0x4F32D05E, 0xC0E00000, -1, 0x41E65A0BC0000000,
     0xC01C000000000000},
    {"1e50", 1, -7, -7, -1, 0x7F800000, 0xC0E00000, -1, 0x4A511B0EC57E649A, 0xC01C000000000000},
    {"  1990   1200.    800.", 1, 1990, -7, 0, 0x44F8C000, 0x44960000, 0, 0x409F180000000000,
     0x4092C00000000000},
    {"1\t2", 0, 1, 2, 0, 0x3F800000, 0x40000000, 0, 0x3FF0000000000000, 0x4000000000000000},
    {"1990/ 5", 0, 1990, -7, 0, 0x44F8C000, 0xC0E00000, 0, 0x409F180000000000, 0xC01C000000000000},
    {"1.5e", 1, -7, -7, 1, 0xC0E00000, 0xC0E00000, 1, 0xC01C000000000000, 0xC01C000000000000},
    {"1.5e+", 1, -7, -7, 1, 0xC0E00000, 0xC0E00000, 1, 0xC01C000000000000, 0xC01C000000000000},
    {"e5", 1, -7, -7, 1, 0xC0E00000, 0xC0E00000, 1, 0xC01C000000000000, 0xC01C000000000000},
    {"1.2.3", 1, -7, -7, 1, 0xC0E00000, 0xC0E00000, 1, 0xC01C000000000000, 0xC01C000000000000},
    {"+.", 1, -7, -7, 1, 0x00000000, 0xC0E00000, 1, 0x0000000000000000, 0xC01C000000000000},
    {"-", 1, -7, -7, 1, 0xC0E00000, 0xC0E00000, 1, 0xC01C000000000000, 0xC01C000000000000},
    {"5.e2", 1, -7, -7, -1, 0x43FA0000, 0xC0E00000, -1, 0x407F400000000000, 0xC01C000000000000},
    {"1,,2", 0, 1, -7, 0, 0x3F800000, 0xC0E00000, 0, 0x3FF0000000000000, 0xC01C000000000000},
    {"1990 ! c", 1, 1990, -7, 1, 0x44F8C000, 0xC0E00000, 1, 0x409F180000000000, 0xC01C000000000000},
    {"1.5E-3", 1, -7, -7, -1, 0x3AC49BA6, 0xC0E00000, -1, 0x3F589374BC6A7EFA, 0xC01C000000000000},
    {"0.1 0.2", 1, -7, -7, 0, 0x3DCCCCCD, 0x3E4CCCCD, 0, 0x3FB999999999999A, 0x3FC999999999999A},
    {"", -1, -7, -7, -1, 0xC0E00000, 0xC0E00000, -1, 0xC01C000000000000, 0xC01C000000000000},
    {"-0", -1, 0, -7, -1, 0x80000000, 0xC0E00000, -1, 0x8000000000000000, 0xC01C000000000000},
    {"1e-50", 1, -7, -7, -1, 0x00000000, 0xC0E00000, -1, 0x358DEE7A4AD4B81F, 0xC01C000000000000},
    {"1e-40", 1, -7, -7, -1, 0x000116C2, 0xC0E00000, -1, 0x37A16C262777579C, 0xC01C000000000000},
    {"-1e50", 1, -7, -7, -1, 0xFF800000, 0xC0E00000, -1, 0xCA511B0EC57E649A, 0xC01C000000000000},
    {"1.5q2", 1, -7, -7, -1, 0x43160000, 0xC0E00000, -1, 0x4062C00000000000, 0xC01C000000000000},
    {"+inFinity", 1, -7, -7, -1, 0x7F800000, 0xC0E00000, -1, 0x7FF0000000000000,
     0xC01C000000000000},
    {"infx", 1, -7, -7, 1, 0xC0E00000, 0xC0E00000, 1, 0xC01C000000000000, 0xC01C000000000000},
    {"2147483647 -2147483648", 0, 2147483647, -2147483648, 0, 0x4F000000, 0xCF000000, 0,
     0x41DFFFFFFFC00000, 0xC1E0000000000000},
    {"2147483648", 1, -7, -7, -1, 0x4F000000, 0xC0E00000, -1, 0x41E0000000000000,
     0xC01C000000000000},
    {"+-5", 1, -7, -7, 1, 0xC0E00000, 0xC0E00000, 1, 0xC01C000000000000, 0xC01C000000000000},
    {"1990 2050 and more", 0, 1990, 2050, 0, 0x44F8C000, 0x45002000, 0, 0x409F180000000000,
     0x40A0040000000000},
    {"1990,2050,x", 0, 1990, 2050, 0, 0x44F8C000, 0x45002000, 0, 0x409F180000000000,
     0x40A0040000000000},
    {"7e-46", 1, -7, -7, -1, 0x00000000, 0xC0E00000, -1, 0x368FF868BF4D956A, 0xC01C000000000000},
    {"1.0000000596046448", 1, -7, -7, -1, 0x3F800001, 0xC0E00000, -1, 0x3FF0000010000000,
     0xC01C000000000000},
    {"3.4028235e38 1e-320", 1, -7, -7, 0, 0x7F7FFFFF, 0x00000000, 0, 0x47EFFFFFE54DAFF8,
     0x00000000000007E8},
    {"0012.50 +.5e+1", 1, -7, -7, 0, 0x41480000, 0x40A00000, 0, 0x4029000000000000,
     0x4014000000000000},
    {"1990 , 2050", 0, 1990, 2050, 0, 0x44F8C000, 0x45002000, 0, 0x409F180000000000,
     0x40A0040000000000},
    {"12 ,, 3", 0, 12, -7, 0, 0x41400000, 0xC0E00000, 0, 0x4028000000000000, 0xC01C000000000000},
};

TEST(FortranFreeRead, AgreesWithAFortranListDirectedReadOfTwoValues) {
  for (const ReferenceRead& r : reference_reads) {
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
