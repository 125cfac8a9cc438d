#include "tarvex/data/species_data.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>
#include <vector>

#include "standsim/engine/growth_curve_interpolation.h"
#include "tarvex/data/number_text.h"
#include "tarvex/data/tarvex_error.h"
#include "testing/test_folder.h"

namespace tarvex {
namespace {

TEST(FillGaps, FillsBeforeBetweenAndAfterTheValidValues) {
  struct Case {
    std::vector<double> values;
    int first, end, status;
    std::vector<double> filled;
  };
  const Case cases[] = {
      {{1.2, -1, -1, 1.8},
       0,
       4,
       0,
       {1.2, 1.2 + 1 * ((1.8 - 1.2) / 3), 1.2 + 2 * ((1.8 - 1.2) / 3), 1.8}},
      {{-1, -1, -1, 2.0, 3.0}, 0, 5, 0, {2.0, 2.0, 2.0, 2.0, 3.0}},
      {{1.0, 2.0, -1, -1.5, -7}, 0, 5, 0, {1.0, 2.0, 2.0, 2.0, 2.0}},
      {{-1, -1, -1}, 0, 3, 2, {-1, -1, -1}},
      {{-0.5, -1, 0.5}, 0, 3, 0, {-0.5, 0.0, 0.5}},                 // only -1 and below are missing
      {{-1, 4.0, -1, -1, 1.0}, 2, 5, 0, {-1, 4.0, 1.0, 1.0, 1.0}},  // before FIRST untouched
      {{-1, 4.0}, -1, 2, 1, {-1, 4.0}},                             // FIRST below the bound
      {{-1, -1, 6.0}, 0, 9, 0, {6.0, 6.0, 6.0}},                    // END held within
  };
  for (const Case& c : cases) {
    std::vector<double> values = c.values;
    int status = -1;
    FillGaps(0, c.first, c.end, -1.0f, values, status);
    EXPECT_EQ(status, c.status);
    EXPECT_EQ(values, c.filled);
  }
  // A lower bound below 0 does not let FIRST reach before the values.
  std::vector<double> values{-1, 4.0};
  int status = -1;
  FillGaps(-5, -2, 2, -1.0f, values, status);
  EXPECT_EQ(status, 1);
  EXPECT_EQ(values, (std::vector<double>{-1, 4.0}));
}

// A species data file in which every value tells where it belongs:
// expansion factor = row + column / 100 + species / 10000 + region / 1e6
// (stems: 2 + the same), carbon 0.5, turnover (k+1)/10, density s/100.
struct Fixture {
  std::vector<std::vector<std::string>> sections;  // data lines per section

  static double Baf(int row, int k, int s, int r) {
    return (row == 4 ? 2.0 : row + 1.0) + k / 100.0 + s / 10000.0 + r / 1e6;
  }

  Fixture() {
    for (int section = 0; section < 8; ++section) {
      std::vector<std::string> lines;
      for (int s = 1; s <= kSpeciesCount; ++s) {
        for (int r = 1; r <= kRegionCount; ++r) {
          std::string line = FormatInt(s) + " " + FormatInt(r);
          if (section < 5) {
            for (int k = 0; k < kBafColumns; ++k)
              line.append(" ").append(FormatFixed6(Baf(section, k, s, r)));
          } else if (section == 5) {
            line += " 0.5";
          } else if (section == 6) {
            line += " 0.1 0.2 0.3 0.4 0.5";
          } else {
            line.append(" ").append(FormatFixed6(s / 100.0));
          }
          lines.push_back(line);
        }
      }
      sections.push_back(lines);
    }
  }

  void Shuffle() {
    std::mt19937 random(42);
    for (auto& lines : sections) std::shuffle(lines.begin(), lines.end(), random);
  }

  std::string Text() const {
    std::string text;
    for (std::size_t section = 0; section < sections.size(); ++section) {
      text += "! header of section " + FormatInt(static_cast<long long>(section + 1)) + "\r\n";
      for (const std::string& line : sections[section]) text += line + "\r\n";
    }
    return text;
  }

  // The 1-based line number of data line J of SECTION.
  static int LineOf(int section, int j) { return section * 183 + j + 2; }
};

std::unique_ptr<SpeciesRegionTable> Read(const TestFolder& folder, const std::string& text) {
  const std::string file = folder.file("IxoTreeData_reg.dat");
  write_file(file, text);
  auto table = std::make_unique<SpeciesRegionTable>();
  const std::array<int, 100> regionMap = RegionMapOf(Defs());
  ReadTreeData(file, regionMap, *table);
  return table;
}

TEST(ReadTreeData, StoresEveryLineInItsRecordWhateverTheOrder) {
  TestFolder folder;
  Fixture fixture;
  fixture.Shuffle();
  const auto table = Read(folder, fixture.Text());
  for (int s = 1; s <= kSpeciesCount; ++s) {
    for (int r = 1; r <= kRegionCount; ++r) {
      const BiomassRecord& b = (*table)[s - 1][r - 1];
      for (int k = 0; k < kBafColumns; ++k) {
        const double stems = ParseDouble(FormatFixed6(Fixture::Baf(4, k, s, r)));
        for (int row = 0; row < 4; ++row) {
          ASSERT_EQ(b.BAF[row][k], ParseDouble(FormatFixed6(Fixture::Baf(row, k, s, r))) / stems)
              << s << " " << r << " " << row << " " << k;
        }
        ASSERT_EQ(b.BAF[4][k], 1.0);
      }
      ASSERT_EQ(b.CarbonContent, 50.0);
      ASSERT_EQ(b.TurnOver[3], 0.4);
      ASSERT_EQ(b.WoodDensity, ParseDouble(FormatFixed6(s / 100.0)));
    }
  }
}

TEST(ReadTreeData, FillsGapsBeforeDividingByStems) {
  TestFolder folder;
  Fixture fixture;
  // species 3, region 2: branches 1.2, -1, -1, 1.8 at ages 10..40, stems 2.0
  std::string branches = "3 2 1.2 -1 -1 1.8";
  std::string stems = "3 2 -1";
  for (int k = 4; k < kBafColumns; ++k) branches += " -1";
  for (int k = 1; k < kBafColumns; ++k) stems += " 2.0";
  fixture.sections[0][2 * 7 + 1] = branches;
  fixture.sections[4][2 * 7 + 1] = stems;
  const auto table = Read(folder, fixture.Text());
  const BiomassRecord& b = (*table)[2][1];
  EXPECT_EQ(b.BAF[0][0], 0.6);
  EXPECT_DOUBLE_EQ(b.BAF[0][1], 0.7);
  EXPECT_DOUBLE_EQ(b.BAF[0][2], 0.8);
  EXPECT_EQ(b.BAF[0][3], 0.9);
  EXPECT_EQ(b.BAF[0][14], 0.9);
  EXPECT_EQ(b.BAF[4][0], 1.0);
}

TEST(ReadTreeData, RefusesFilesThatAreNotComplete) {
  struct Case {
    int section, j;    // the data line changed
    std::string line;  // its new text; "" removes it
    int reportedLine;  // line number in the message, 0 for none
    std::string message;
  };
  const std::string sixteen = " 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1";
  const Case cases[] = {
      {0, 5, "1 6" + sixteen + " 1", Fixture::LineOf(0, 5),
       "too many columns! (19 fields, 17 expected)"},
      {2, 0, "1 1 1.0", Fixture::LineOf(2, 0), "too few columns!"},
      {6, 9, "2 3 0.1 0.2 0.3 0.4 0.5 0.6", Fixture::LineOf(6, 9), "too many columns!"},
      {7, 181, "27 1 0.4", Fixture::LineOf(7, 181), "species number 27 is outside 1..26"},
      {5, 3, "1 8 0.5", Fixture::LineOf(5, 3), "region code 8 names no region 1..7"},
      {5, 3, "1 0 0.5", Fixture::LineOf(5, 3), "region code 0"},
      {5, 3, "1 100 0.5", Fixture::LineOf(5, 3), "region code 100"},
      {3, 7, "1 1" + sixteen.substr(0, 30), Fixture::LineOf(3, 7),
       "species 1 and region 1 are given twice in section 4 (first on line " +
           FormatInt(Fixture::LineOf(3, 0)) + ")"},
      {1, 4, "1 5 1 1 x 1 1 1 1 1 1 1 1 1 1 1 1", Fixture::LineOf(1, 4),
       "field 5: \"x\" is not a valid number"},
      {4, 10, "2 4 1 1 1 1 0 1 1 1 1 1 1 1 1 1 1", Fixture::LineOf(4, 10),
       "the stems expansion factor at age 50 is not positive"},
      {4, 10, "2 4 -1 -1 -1 -1 -1 -1 -1 -1 -1 -1 -1 -1 -1 -1 -1", Fixture::LineOf(4, 10),
       "no expansion factor of stems is given; the species Broadleaves cannot be used in the "
       "region Alpine"},
      {0, 10, "2 4 -0.5 1 1 1 1 1 1 1 1 1 1 1 1 1 1", Fixture::LineOf(0, 10),
       "the expansion factor of branches at age 10 is outside 0..100 (-0.2"},
      {5, 3, "1 4 1.5", Fixture::LineOf(5, 3),
       "the carbon content is outside 0..100 % (150); the species Abies cannot be used in the "
       "region "
       "Alpine"},
      {6, 9, "2 3 0.1 0.2 -0.3 0.4 0.5", Fixture::LineOf(6, 9),
       "the turnover rate of fine roots is outside 0..10 /yr (-0.3); the species Broadleaves "
       "cannot be "
       "used in the region Artic"},
      {7, 181, "26 7 -0.4", Fixture::LineOf(7, 181),
       "the wood density is outside 0..2 g/cm3 (-0.4); the species Soft broadleaves cannot be used "
       "in the "
       "region Mediterranean"},
      // Values beyond their ranges, just and far.
      {7, 181, "26 7 2.000001", Fixture::LineOf(7, 181),
       "the wood density is outside 0..2 g/cm3 (2.000001); the species Soft broadleaves cannot be "
       "used in the region Mediterranean"},
      {7, 181, "26 7 5", Fixture::LineOf(7, 181),
       "the wood density is outside 0..2 g/cm3 (5); the species Soft broadleaves cannot be used in "
       "the region Mediterranean"},
      {6, 9, "2 3 10.000001 0.2 0.3 0.4 0.5", Fixture::LineOf(6, 9),
       "the turnover rate of branches is outside 0..10 /yr (10.000001); the species Broadleaves "
       "cannot be used in the region Artic"},
      {6, 9, "2 3 50 0.2 0.3 0.4 0.5", Fixture::LineOf(6, 9),
       "the turnover rate of branches is outside 0..10 /yr (50); the species Broadleaves cannot be "
       "used in the region Artic"},
      // The stems' rate is the part that dies in a year.
      {6, 9, "2 3 0.1 0.2 0.3 0.4 1.000001", Fixture::LineOf(6, 9),
       "the turnover rate of stems is outside 0..1 /yr (1.000001); the species Broadleaves cannot "
       "be used in the region Artic"},
      {6, 9, "2 3 0.1 0.2 0.3 0.4 50", Fixture::LineOf(6, 9),
       "the turnover rate of stems is outside 0..1 /yr (50); the species Broadleaves cannot be "
       "used in the region Artic"},
      {5, 3, "1 4 1e300", Fixture::LineOf(5, 3),
       "the carbon content is outside 0..100 % (1e+302); the species Abies cannot be used in the "
       "region Alpine"},
      {0, 10, "2 4 200.05 1 1 1 1 1 1 1 1 1 1 1 1 1 1", Fixture::LineOf(0, 10),
       "the expansion factor of branches at age 10 is outside 0..100 (100.01479849055397); the "
       "species Broadleaves cannot be used in the region Alpine"},
      {0, 10, "2 4 1e30 1 1 1 1 1 1 1 1 1 1 1 1 1 1", Fixture::LineOf(0, 10),
       "the expansion factor of branches at age 10 is outside 0..100 (4.999490052014694e+29); the "
       "species Broadleaves cannot be used in the region Alpine"},
      {7, 100, "", 0, "the file ends in section 8"},
  };
  for (const Case& c : cases) {
    TestFolder folder;
    Fixture fixture;
    auto& lines = fixture.sections[c.section];
    if (c.line.empty()) {
      lines.erase(lines.begin() + c.j);
    } else {
      lines[c.j] = c.line;
    }
    try {
      Read(folder, fixture.Text());
      ADD_FAILURE() << c.line << " was taken";
    } catch (const TarvexError& e) {
      const std::string message = e.what();
      const std::string where = folder.file("IxoTreeData_reg.dat") +
                                (c.reportedLine ? ", line " + FormatInt(c.reportedLine) : "");
      EXPECT_TRUE(message.starts_with(where) &&
                  std::string_view(":,").find(message[where.size()]) != std::string_view::npos)
          << message << "\nexpected to start with " << where;
      EXPECT_NE(message.find(c.message), std::string::npos) << message;
    }
  }

  TestFolder folder;
  Fixture fixture;
  const std::string text = fixture.Text();
  EXPECT_THROW(Read(folder, text.substr(0, text.find("! header of section 6"))), TarvexError);
  EXPECT_THROW(Read(folder, ""), TarvexError);
  auto table = std::make_unique<SpeciesRegionTable>();
  try {
    ReadTreeData(folder.file("missing.dat"), RegionMapOf(Defs()), *table);
    ADD_FAILURE();
  } catch (const TarvexError& e) {
    EXPECT_NE(std::string(e.what()).find("missing.dat"), std::string::npos);
  }
}

TEST(RegionMapOf, MapsEachRegionCodeToItsNumber) {
  const std::array<int, 100> map = RegionMapOf(Defs());
  EXPECT_EQ(map[0], -1);
  for (int n = 1; n <= 7; ++n) EXPECT_EQ(map[n], n);
  EXPECT_EQ(map[8], 0);
}

// The species table lists Ca, Mg, K, N; the record holds Ca, K, Mg, N.
TEST(BuildSpeciesRegionDefaults, OverlaysTheBuiltInSpeciesValues) {
  TestFolder folder;
  const std::string file = folder.file("IxoTreeData_reg.dat");
  write_file(file, Fixture().Text());
  const Defs defs;
  const auto table = BuildSpeciesRegionDefaults(file, defs);
  for (int s = 0; s < kSpeciesCount; ++s) {
    const SpeciesRow& species = defs.Species[s];
    for (int r = 0; r < kRegionCount; ++r) {
      const BiomassRecord& b = (*table)[s][r];
      for (int k = 0; k < 5; ++k) {
        ASSERT_EQ(b.ctCa[k], species.ctCa[k]);
        ASSERT_EQ(b.ctK[k], species.ctK[k]);
        ASSERT_EQ(b.ctMg[k], species.ctMg[k]);
        ASSERT_EQ(b.ctN[k], species.ctN[k]);
      }
      ASSERT_EQ(b.Evergreen, species.Evergreen);
      ASSERT_EQ(b.Nlfmin, species.Nlfmin);
      ASSERT_EQ(b.Nlfmax, species.Nlfmax);
      ASSERT_EQ(b.expNlf, species.expNlf);
      ASSERT_EQ(b.SpeciesValue, species.SpeciesValue);
      ASSERT_EQ(b.CarbonContent, 50.0);  // from the file
      ASSERT_EQ(b.TurnOver[0], 0.1);
    }
  }
  // Picea abies, content group A: K of branches 0.10145, Mg of branches 0.22529
  EXPECT_EQ((*table)[12][3].ctK[0], 0.10145);
  EXPECT_EQ((*table)[12][3].ctMg[0], 0.22529);
}

// The file shipped with the program.
TEST(ShippedSpeciesFile, IsCompleteAndGivesPositiveExpansionFactors) {
  const Defs defs;
  const auto table = BuildSpeciesRegionDefaults(
      std::string(TEST_SOURCE_DIR) + "/species/IxoTreeData_reg.dat", defs);
  const std::vector<int32_t> ages(BafAges.begin(), BafAges.end());
  for (int s = 0; s < kSpeciesCount; ++s) {
    for (int r = 0; r < kRegionCount; ++r) {
      const BiomassRecord& b = (*table)[s][r];
      const std::string where =
          std::string(defs.Species[s].Name) + " in " + std::string(defs.Regions[r].Name);
      EXPECT_TRUE(b.CarbonContent > 40.0 && b.CarbonContent < 60.0) << where;
      EXPECT_TRUE(b.WoodDensity > 0.2 && b.WoodDensity < 1.0) << where;
      for (double rate : b.TurnOver) EXPECT_TRUE(rate > 0.0 && rate <= 1.0) << where;
      EXPECT_EQ(b.TurnOver[3] < 1.0, b.Evergreen == 1) << where;
      for (int k = 0; k < kBafColumns; ++k) EXPECT_EQ(b.BAF[kBafStemsRow][k], 1.0) << where;
      for (int row = 0; row < kBafRows; ++row) {
        std::vector<double> values(b.BAF[row], b.BAF[row] + kBafColumns);
        std::vector<double> grid(1000);
        bool bad = false;
        standsim::SPLINEGRID(ages, values, grid, bad);
        ASSERT_FALSE(bad) << where;
        const double lowest = *std::min_element(grid.begin(), grid.end());
        EXPECT_GT(lowest, 0.0) << where << ", row " << row;
        EXPECT_TRUE(std::isfinite(lowest)) << where;
      }
    }
  }
}

}  // namespace
}  // namespace tarvex
