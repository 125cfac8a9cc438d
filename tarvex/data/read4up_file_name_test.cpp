#include "tarvex/data/read4up_file_name.h"

#include <gtest/gtest.h>

#include "tarvex/data/tarvex_error.h"

namespace tarvex {
namespace {

TEST(Read4upFileName, TakesAtMost127Characters) {
  const std::string longest(127, 'q');
  const auto bytes = Read4upFileName(longest);
  EXPECT_EQ(bytes[126], 'q');
  EXPECT_EQ(bytes[127], 0);
  EXPECT_EQ(Read4upFileName("in.txt")[6], 0);
  try {
    Read4upFileName(longest + "x");
    ADD_FAILURE();
  } catch (const TarvexError& e) {
    EXPECT_NE(std::string(e.what()).find(longest + "x"), std::string::npos);
  }
}

}  // namespace
}  // namespace tarvex
