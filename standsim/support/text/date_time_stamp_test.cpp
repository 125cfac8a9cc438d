#include "standsim/support/text/date_time_stamp.h"

#include <gtest/gtest.h>

namespace standsim {
namespace {

TEST(DateTimeStamp, ShowsTheTimeOnlyForAPositiveItime) {
  EXPECT_EQ(datetime_stamp("20090305", "140712.345", 1), "05-Mar-2009 14:07");
  EXPECT_EQ(datetime_stamp("20090305", "140712.345", 7), "05-Mar-2009 14:07");
  EXPECT_EQ(datetime_stamp("20090305", "140712.345", 0), "05-Mar-2009      ");
  EXPECT_EQ(datetime_stamp("20091231", "235959.999", -5), "31-Dec-2009      ");
  EXPECT_EQ(datetime_stamp("20090105", "000000.000", 1), "05-Jan-2009 00:00");
  EXPECT_EQ(datetime_stamp("20091305", "000000.000", 0),
            "05-??"
            "?-2009      ");
}

TEST(DateTimeStamp, ReadsTheLocalClock) {
  const std::string stamp = DATETIME(1);
  ASSERT_EQ(stamp.size(), 17u);
  EXPECT_EQ(stamp[2], '-');
  EXPECT_EQ(stamp[6], '-');
  EXPECT_EQ(stamp[11], ' ');
  EXPECT_EQ(stamp[14], ':');
  EXPECT_NE(std::string_view("JanFebMarAprMayJunJulAugSepOctNovDec").find(stamp.substr(3, 3)),
            std::string::npos);
}

}  // namespace
}  // namespace standsim
