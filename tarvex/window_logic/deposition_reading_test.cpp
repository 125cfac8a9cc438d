// One READ4UP call through the model library, as the window makes it.
#include "tarvex/window_logic/deposition_reading.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "tarvex/data/tarvex_error.h"
#include "testing/test_folder.h"

namespace tarvex {
namespace {

// A site that has read the period 1800..1810 and a deposition of 9 in every
// year.
class DepositionReadingTest : public ::testing::Test {
 protected:
  DepositionReadingTest() : site_(std::make_unique<CSite>()) {
    site_->FirstYear = 1800;
    site_->LastYear = 1810;
    site_->Ndep.fill(9.0f);
  }

  TestFolder folder_;
  std::unique_ptr<CSite> site_;
};

TEST_F(DepositionReadingTest, AReadingTakesThePeriodAndItsYears) {
  ReadDeposition(
      &READ4UP, folder_.write("site.qsm", "period 1990 2050\nNOx_dep 0.5\nNH3_dep 0.25\n"), *site_);
  EXPECT_EQ(site_->FirstYear, 1990);
  EXPECT_EQ(site_->LastYear, 2050);
  EXPECT_EQ(site_->Ndep[1990], 0.75f);
  EXPECT_EQ(site_->Ndep[2050], 0.75f);
  // READ4UP writes only the period.
  EXPECT_EQ(site_->Ndep[1989], 9.0f);
  EXPECT_EQ(site_->Ndep[2051], 9.0f);
}

TEST_F(DepositionReadingTest, AFailedReadingLeavesTheSite) {
  const struct {
    std::string name;
    std::string message;
  } cases[] = {
      {"no_period.qsm", "Cannot read N deposition: No period defined in qsm+ input file!"},
      {std::string(130, 'n') + ".qsm", "The name of the QSM input file has "},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const std::string path = folder_.write(c.name, "NOx_dep 0.5\nNH3_dep 0.25\n");
    try {
      ReadDeposition(&READ4UP, path, *site_);
      ADD_FAILURE() << "the reading succeeded";
    } catch (const TarvexError& e) {
      EXPECT_EQ(std::string(e.what()).rfind(c.message, 0), 0u) << e.what();
    }
    EXPECT_EQ(site_->FirstYear, 1800);
    EXPECT_EQ(site_->LastYear, 1810);
    EXPECT_EQ(site_->Ndep[1990], 9.0f);
  }
}

}  // namespace
}  // namespace tarvex
