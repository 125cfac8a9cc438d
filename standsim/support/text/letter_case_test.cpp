#include "standsim/support/text/letter_case.h"

#include <gtest/gtest.h>

#include <string>

namespace standsim {
namespace {

TEST(LetterCase, MapsOnlyAsciiLettersOfTheStretch) {
  EXPECT_EQ(LOW2UPP(" abc-xyz 09 \xE9t\xE9 "), " ABC-XYZ 09 \xE9T\xE9 ");
  EXPECT_EQ(UPP2LOW(" ABC-XYZ@[` \xC9T\xC9 "), " abc-xyz@[` \xC9t\xC9 ");
  EXPECT_EQ(LOW2UPP(std::string("\tab\0", 4)), std::string("\tAB\0", 4));
  EXPECT_EQ(LOW2UPP(""), "");
}

}  // namespace
}  // namespace standsim
