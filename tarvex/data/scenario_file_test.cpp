#include "tarvex/data/scenario_file.h"

#include <gtest/gtest.h>
#include <sched.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/stat.h>

#include <algorithm>
#include <cmath>
#include <csignal>
#include <cstring>
#include <functional>
#include <limits>
#include <random>
#include <set>

#include "tarvex/data/number_text.h"
#include "tarvex/data/tarvex_error.h"
#include "tarvex/data/text_helpers.h"
#include "testing/test_folder.h"

namespace tarvex {
namespace {

using standsim::ACT_CLEARCUT;
using standsim::ACT_PLANTING;
using standsim::ACT_THINNING;

const std::string kGolden = std::string(TEST_SOURCE_DIR) + "/testdata/two_cohorts.txt";

// A value as the file holds it: to six decimals.
double Six(double value) { return ParseDouble(FormatFixed6(value)); }

// Distinct values in every slot that the file carries, so that a slot or
// column mix-up shows.
void FillBiomass(BiomassRecord& b, double base) {
  for (int row = 0; row < kBafRows; ++row) {
    for (int k = 0; k < kBafColumns; ++k) {
      b.BAF[row][k] = row == kBafStemsRow ? 1.0 : Six(base + row + k / 100.0);
    }
  }
  b.CarbonContent = base * 10 + 0.5;
  b.WoodDensity = Six(0.4 + base / 100);
  for (int k = 0; k < 5; ++k) {
    b.TurnOver[k] = Six(0.01 * (k + 1) + base / 1000);
    b.ctCa[k] = Six(0.1 + k / 1000.0);
    b.ctK[k] = Six(0.2 + k / 1000.0);
    b.ctMg[k] = Six(0.3 + k / 1000.0);
    b.ctN[k] = Six(0.4 + k / 1000.0);
  }
  b.Nlfmin = 1.07;
  b.Nlfmax = 1.51;
  b.expNlf = 10.8;
}

std::unique_ptr<CSite> TwoCohortSite() {
  auto site = std::make_unique<CSite>();
  site->RegionName = "Alpine";
  site->QSMpInFile = "qsm runs/site 1.txt";
  site->ForestType = ForestKind::EvenAged;

  CCohort& first = site->AddCohort();
  first.SpeciesName = "Picea abies";
  FillBiomass(first.BiomassData, 1.0);
  first.BiomassData.TurnOver[standsim::LV] = 0.25;
  first.BiomassData.Evergreen = 1;
  first.HasBiomassData = true;
  first.Cai.AddPoint(10, 2.5);
  first.Cai.AddPoint(20, 4.25);
  first.Cai.AddPoint(140, 0.125);
  first.ForMan.SetAction(2000, ACT_PLANTING, 100.0, {1, 1, 0, 0});
  first.ForMan.SetAction(2030, ACT_THINNING, 25.5, {1, 0, 1, 1});
  first.ForMan.SetAction(2080, ACT_CLEARCUT, 100.0, {0, 0, 0, 0});

  CCohort& second = site->AddCohort();
  second.SpeciesName = "Hard broadleaves";
  second.MaxGrowth = 12.5;
  second.Kgr = 300.0;
  second.InitBiom = 50.0;
  FillBiomass(second.BiomassData, 2.0);
  second.BiomassData.TurnOver[standsim::LV] = 1.0;
  second.HasBiomassData = true;
  second.ForMan.SetAction(1995, ACT_PLANTING, 100.0, {1, 1, 1, 1});
  return site;
}

std::unique_ptr<CSite> ReadSite(const std::string& text, const CountryToRegion& choose = nullptr,
                                const SpeciesRegionTable* defaults = nullptr) {
  std::vector<std::string> lines;
  std::size_t begin = 0;
  for (std::size_t end; (end = text.find('\n', begin)) != std::string::npos; begin = end + 1) {
    lines.push_back(text.substr(begin, end - begin));
  }
  if (begin < text.size()) lines.push_back(text.substr(begin));
  return ReadScenario(KeyedLines("site.txt", std::move(lines)), choose, defaults);
}

std::string Replace(std::string text, const std::string& from, const std::string& to) {
  const auto at = text.find(from);
  EXPECT_NE(at, std::string::npos) << from;
  if (at != std::string::npos) text.replace(at, from.size(), to);
  return text;
}

void ExpectSameCohort(const CCohort& a, const CCohort& b) {
  EXPECT_EQ(a.SpeciesName, b.SpeciesName);
  EXPECT_EQ(a.MaxGrowth, b.MaxGrowth);
  EXPECT_EQ(a.Kgr, b.Kgr);
  EXPECT_EQ(a.InitBiom, b.InitBiom);
  EXPECT_EQ(std::memcmp(&a.BiomassData, &b.BiomassData, sizeof(BiomassRecord)), 0);
  EXPECT_EQ(a.HasBiomassData, b.HasBiomassData);
  EXPECT_EQ(a.Cai.NrDataGrowth, b.Cai.NrDataGrowth);
  EXPECT_EQ(std::memcmp(a.Cai.Points.data(), b.Cai.Points.data(), sizeof a.Cai.Points), 0);
  EXPECT_EQ(a.ForMan.NrForManData, b.ForMan.NrForManData);
  EXPECT_EQ(std::memcmp(a.ForMan.ManActions.data(), b.ForMan.ManActions.data(),
                        sizeof a.ForMan.ManActions),
            0);
}

void ExpectSameSite(const CSite& a, const CSite& b) {
  EXPECT_EQ(a.RegionName, b.RegionName);
  EXPECT_EQ(a.QSMpInFile, b.QSMpInFile);
  EXPECT_EQ(a.ForestType, b.ForestType);
  ASSERT_EQ(a.NrCohorts(), b.NrCohorts());
  for (int i = 0; i < a.NrCohorts(); ++i) ExpectSameCohort(a.Cohort(i), b.Cohort(i));
}

TEST(ScenarioFile, WritesTheGoldenFile) {
  TestFolder folder;
  const std::string file = folder.file("site.txt");
  TwoCohortSite()->WriteToFile(file);
  EXPECT_EQ(contents(file), contents(kGolden));
}

TEST(ScenarioFile, ReadsBackWhatItWrote) {
  const auto original = TwoCohortSite();
  const auto read = ReadSite(contents(kGolden));
  ExpectSameSite(*read, *original);
  EXPECT_FALSE(read->RegionFromCountry);

  // write - read - write gives the same text
  TestFolder folder;
  read->WriteToFile(folder.file("again.txt"));
  EXPECT_EQ(contents(folder.file("again.txt")), contents(kGolden));

  // and the file read from disk is the same too
  ExpectSameSite(*CSite::ReadFromFile(kGolden, nullptr, nullptr), *original);
}

// Random scenarios of what the window can hold, with values a real stand
// has: increments up to 300 m3/ha/yr, stem volumes up to 3,000 m3/ha, wood
// densities up to 2 g/cm3, percentages 0 to 100, expansion factors relative
// to stems. Every value has six decimals, and about one in three lies at an
// end of its range or one step inside it.
class RandomScenario {
 public:
  explicit RandomScenario(unsigned seed) : random_(seed) {}

  std::unique_ptr<CSite> Site() {
    auto site = std::make_unique<CSite>();
    const Defs tables;
    site->RegionName =
        Int(0, 1) ? Name() : std::string(tables.Regions[Int(0, kRegionCount - 1)].Name);
    site->QSMpInFile = Int(0, 3) ? Name() + "/site 1\\run.qsm" : "";
    site->ForestType = Int(0, 1) ? ForestKind::EvenAged : ForestKind::NaturalRejuvenation;
    for (int i = Int(1, kMaxCohorts); i > 0; --i) {
      CCohort& cohort = site->AddCohort();
      cohort.SpeciesName =
          Int(0, 1) ? Name() : std::string(tables.Species[Int(0, kSpeciesCount - 1)].Name);
      cohort.MaxGrowth = Value(0, 300);
      cohort.Kgr = Value(0, 3000);
      cohort.InitBiom = Value(0, 3000);
      Biomass(cohort.BiomassData);
      cohort.HasBiomassData = true;
      std::set<int> ages;
      for (int k = Int(0, kMaxGrowthPoints); k > 0; --k) ages.insert(Int(0, 1000));
      for (int age : Shuffled(ages)) cohort.Cai.AddPoint(age, Value(0, 300));
      std::set<int> years;
      for (int k = Int(0, kMaxManagementActions); k > 0; --k) years.insert(Int(0, kLastYear));
      for (int year : Shuffled(years)) {
        cohort.ForMan.SetAction(year, Int(standsim::ACT_NONE, standsim::ACT_PLANTING),
                                Value(0, 100), {Int(0, 1), Int(0, 1), Int(0, 1), Int(0, 1)});
      }
    }
    return site;
  }

 private:
  int Int(int low, int high) { return std::uniform_int_distribution<int>(low, high)(random_); }

  double Value(double low, double high) {
    const auto first = static_cast<long long>(std::llround(low * 1e6));
    const auto last = static_cast<long long>(std::llround(high * 1e6));
    long long micro = std::uniform_int_distribution<long long>(first, last)(random_);
    switch (Int(0, 11)) {
      case 0:
        micro = first;
        break;
      case 1:
        micro = first + 1;
        break;
      case 2:
        micro = last - 1;
        break;
      case 3:
        micro = last;
        break;
      default:
        break;
    }
    return static_cast<double>(micro) / 1e6;
  }

  // A name with blanks and TABs inside, none at its ends.
  std::string Name() {
    static constexpr std::string_view kEnds = "AZaz09.-_;!()>/\\";
    static constexpr std::string_view kInside = "AZaz09.-_;!()>/\\ \t  ";
    const auto pick = [this](std::string_view from) {
      return from[static_cast<std::size_t>(Int(0, static_cast<int>(from.size()) - 1))];
    };
    std::string name(1, pick(kEnds));
    if (Int(0, 3) == 0) return name;
    for (int k = Int(0, 20); k > 0; --k) name += pick(kInside);
    return name + pick(kEnds);
  }

  void Biomass(BiomassRecord& b) {
    for (int row = 0; row < kBafRows; ++row) {
      for (double& factor : b.BAF[row]) factor = row == kBafStemsRow ? 1.0 : Value(0, 5);
    }
    b.CarbonContent = Value(0, 100);
    b.WoodDensity = Value(0, 2);
    b.Evergreen = static_cast<unsigned char>(Int(0, 1));
    for (int k = 0; k < 5; ++k) {
      b.TurnOver[k] = k != standsim::LV ? Value(0, 1) : b.Evergreen ? Value(0, 0.999999) : 1.0;
      b.ctCa[k] = Value(0, 5);
      b.ctK[k] = Value(0, 5);
      b.ctMg[k] = Value(0, 5);
      b.ctN[k] = Value(0, 5);
    }
    b.Nlfmin = Value(0, 5);
    b.Nlfmax = Value(b.Nlfmin, 5);
    b.expNlf = Value(0, 50);
  }

  std::vector<int> Shuffled(const std::set<int>& values) {
    std::vector<int> order(values.begin(), values.end());
    std::shuffle(order.begin(), order.end(), random_);
    return order;
  }

  std::mt19937 random_;
};

// open(save(x)) gives x back, and save(open(save(x))) writes the same bytes.
TEST(ScenarioFile, RandomScenariosReadBackAsWritten) {
  TestFolder folder;
  const std::string once = folder.file("once.txt"), twice = folder.file("twice.txt");
  for (unsigned seed = 1; seed <= 100 && !HasFailure(); ++seed) {
    SCOPED_TRACE("seed " + std::to_string(seed));
    const auto site = RandomScenario(seed).Site();
    site->WriteToFile(once);
    const auto read = CSite::ReadFromFile(once, nullptr, nullptr);
    ExpectSameSite(*read, *site);
    read->WriteToFile(twice);
    EXPECT_EQ(contents(twice), contents(once));
  }
}

// Only "NatJuvenation" names a natural stand; any other forest type reads as
// an even-aged stand, and each is written as its name.
TEST(ScenarioFile, ForestTypes) {
  const struct {
    const char* text;
    ForestKind kind;
    const char* written;
  } cases[] = {{"NatJuvenation", ForestKind::NaturalRejuvenation, "NatJuvenation"},
               {"EvenAged", ForestKind::EvenAged, "EvenAged"},
               {"natjuvenation", ForestKind::EvenAged, "EvenAged"}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    const auto site = ReadSite(Replace(contents(kGolden), "ForestType       EvenAged\n",
                                       std::string("ForestType       ") + c.text + "\n"));
    EXPECT_EQ(site->ForestType, c.kind);
    EXPECT_NE(ScenarioText(*site, "site.txt").find(std::string("ForestType       ") + c.written),
              std::string::npos);
  }
}

// Every kind of action the management grid commits: a row holding only a
// year (type 0), a year and a percentage without an action, thinnings with
// each removal flag, a clearcut and a planting, at the first and last years.
TEST(ScenarioFile, EveryActionOfTheGridReadsBackUnchanged) {
  auto site = TwoCohortSite();
  CForMan& forMan = site->Cohort(0).ForMan;
  forMan.Clear();
  forMan.SetAction(0, ACT_PLANTING, 100.0, {0, 0, 0, 0});
  forMan.SetAction(2010, standsim::ACT_NONE, 0.0, {0, 0, 0, 0});
  forMan.SetAction(2011, standsim::ACT_NONE, 30.0, {0, 0, 0, 0});
  forMan.SetAction(2020, ACT_THINNING, 0.0, {1, 0, 0, 0});
  forMan.SetAction(2030, ACT_THINNING, 12.345678, {0, 1, 0, 0});
  forMan.SetAction(2040, ACT_THINNING, 100.0, {0, 0, 1, 0});
  forMan.SetAction(2050, ACT_THINNING, 50.0, {0, 0, 0, 1});
  forMan.SetAction(4999, ACT_CLEARCUT, 100.0, {1, 1, 0, 1});

  TestFolder folder;
  const std::string file = folder.file("actions.txt");
  site->WriteToFile(file);
  const auto read = CSite::ReadFromFile(file, nullptr, nullptr);
  ExpectSameSite(*read, *site);
  read->WriteToFile(folder.file("again.txt"));
  EXPECT_EQ(contents(folder.file("again.txt")), contents(file));
}

TEST(ScenarioFile, KeyOrderAndLineEndsDoNotMatter) {
  const std::string golden = contents(kGolden);
  // Reverse the lines of the site part and of each block, keeping the
  // markers where they are.
  std::vector<std::string> lines = SplitString(golden, "");
  auto begin = lines.begin();
  while (begin != lines.end()) {
    const auto end = std::find_if(begin + 1, lines.end(),
                                  [](const std::string& l) { return l.starts_with(">>"); });
    std::reverse(begin->starts_with(">>") ? begin + 1 : begin, end);
    begin = end;
  }
  std::string reordered, crlf;
  for (const std::string& line : lines) {
    reordered += line + "\n";
    crlf += line + "\r\n";
  }
  ASSERT_NE(reordered, golden);
  const auto original = TwoCohortSite();
  ExpectSameSite(*ReadSite(reordered), *original);
  ExpectSameSite(*ReadSite(crlf), *original);
}

TEST(ScenarioFile, TextValuesTakeTheRestOfTheLine) {
  const std::string golden = contents(kGolden);
  const auto site =
      ReadSite(Replace(golden, "RegionName       Alpine\n", "RegionName   Alpine  \n"));
  EXPECT_EQ(site->RegionName, "Alpine");
  EXPECT_EQ(site->QSMpInFile, "qsm runs/site 1.txt");
  EXPECT_EQ(site->Cohort(0).SpeciesName, "Picea abies");
  EXPECT_EQ(site->Cohort(1).SpeciesName, "Hard broadleaves");
}

// The reader takes a text without the blanks and TABs at its ends, so a save
// writes it without them: the file reads back as written, and a name of
// blanks only is written as the window shows it.
TEST(ScenarioFile, TextsAreWrittenWithoutTheBlanksAtTheirEnds) {
  auto site = TwoCohortSite();
  site->RegionName = " \tAlpine ";
  site->QSMpInFile = "  qsm runs/site 1.txt\t";
  site->Cohort(0).SpeciesName = "\tPicea abies  ";
  TestFolder folder;
  const std::string file = folder.file("site.txt");
  site->WriteToFile(file);
  EXPECT_EQ(contents(file), contents(kGolden));

  site->Cohort(1).SpeciesName = " \t ";
  site->WriteToFile(file);
  const auto read = CSite::ReadFromFile(file, nullptr, nullptr);
  EXPECT_EQ(read->Cohort(1).SpeciesName, "Unknown");
  read->WriteToFile(folder.file("again.txt"));
  EXPECT_EQ(contents(folder.file("again.txt")), contents(file));
}

TEST(ScenarioFile, KeysOfABlockAreNotTakenFromTheNextBlock) {
  const std::string text = Replace(contents(kGolden), "Kgr              0.000000\n", "");
  const auto site = ReadSite(text);
  EXPECT_EQ(site->Cohort(0).Kgr, 0.0);
  EXPECT_EQ(site->Cohort(1).Kgr, 300.0);
}

TEST(ScenarioFile, FlagWordsAndEvergreenFlag) {
  std::string text = Replace(contents(kGolden), "RemovedOrLeft     1100 1011 0000",
                             "RemovedOrLeft    1100  1011 0000");
  text = Replace(text, "TurnOver         0.011000 0.021000 0.031000 0.250000",
                 "TurnOver         0.011000 0.021000 0.031000 1.000000");
  const auto site = ReadSite(text);
  const CForMan& forMan = site->Cohort(0).ForMan;
  EXPECT_EQ(forMan.ManActions[0].REMFLAG[0], 1);
  EXPECT_EQ(forMan.ManActions[0].REMFLAG[1], 1);
  EXPECT_EQ(forMan.ManActions[0].REMFLAG[2], 0);
  EXPECT_EQ(forMan.ManActions[1].REMFLAG[1], 0);
  EXPECT_EQ(forMan.ManActions[1].REMFLAG[3], 1);
  EXPECT_EQ(site->Cohort(0).BiomassData.Evergreen, 0);
  EXPECT_EQ(ReadSite(contents(kGolden))->Cohort(0).BiomassData.Evergreen, 1);
}

TEST(ScenarioFile, ExpansionFactorsAreStoredRelativeToStems) {
  std::string text = contents(kGolden);
  const auto bafst = text.find("BAFst");
  const auto end = text.find('\n', bafst);
  std::string row = "BAFst            ";
  for (int k = 0; k < kBafColumns; ++k) row += "2.000000 ";
  text.replace(bafst, end - bafst, row);
  const auto site = ReadSite(text);
  const BiomassRecord& b = site->Cohort(0).BiomassData;
  EXPECT_EQ(b.BAF[0][3], (1.0 + 0.03) / 2.0);
  EXPECT_EQ(b.BAF[3][14], (4.0 + 0.14) / 2.0);
  EXPECT_EQ(b.BAF[kBafStemsRow][7], 1.0);
}

// Cuts the age-1000 column of every expansion-factor line.
std::string WithFourteenColumns(const std::string& text) {
  std::string out;
  for (const std::string& line : SplitString(text, "")) {
    std::string kept = line;
    if (line.starts_with("BAF")) kept = line.substr(0, line.rfind(' ', line.size() - 2) + 1);
    out += kept + "\n";
  }
  return out;
}

TEST(ScenarioFile, FourteenColumnsTakeTheAgeThousandColumnFromTheDefaults) {
  const std::string text = WithFourteenColumns(contents(kGolden));
  ASSERT_NE(text.find("BAFbr            1.000000 1.010000"), std::string::npos);
  ASSERT_EQ(text.find("1.140000"), std::string::npos);

  auto defaults = std::make_unique<SpeciesRegionTable>();
  for (auto& species : *defaults) {
    for (BiomassRecord& record : species) {
      for (int row = 0; row < kBafRows; ++row) record.BAF[row][14] = row == 4 ? 1.0 : 0.5;
    }
  }
  const Defs defs;
  BiomassRecord& piceaAlpine =
      (*defaults)[defs.SpeciesIndex("Picea abies")][defs.RegionIndex("Alpine")];
  for (int row = 0; row < kBafRows; ++row) piceaAlpine.BAF[row][14] = row == 4 ? 1.0 : 7.0 + row;

  const auto site = ReadSite(text, nullptr, defaults.get());
  EXPECT_EQ(site->Cohort(0).BiomassData.BAF[0][14], 7.0);
  EXPECT_EQ(site->Cohort(0).BiomassData.BAF[3][14], 10.0);
  EXPECT_EQ(site->Cohort(0).BiomassData.BAF[4][14], 1.0);
  EXPECT_EQ(site->Cohort(0).BiomassData.BAF[0][13], 1.13);
  EXPECT_EQ(site->Cohort(1).BiomassData.BAF[2][14], 0.5);

  // Without defaults, or when species or region do not resolve, the age-140
  // column is repeated.
  const auto repeated = ReadSite(text);
  EXPECT_EQ(repeated->Cohort(0).BiomassData.BAF[0][14], 1.13);
  EXPECT_EQ(repeated->Cohort(1).BiomassData.BAF[2][14], 4.13);
  const auto unknownRegion =
      ReadSite(Replace(text, "RegionName       Alpine", "RegionName       Nowhere"), nullptr,
               defaults.get());
  EXPECT_EQ(unknownRegion->Cohort(0).BiomassData.BAF[1][14], 2.13);
}

TEST(ScenarioFile, AsksForTheRegionOfACountry) {
  const std::string golden = contents(kGolden);
  const std::string noRegion = Replace(golden, "RegionName       Alpine\n", "");
  std::vector<std::string> asked;
  const CountryToRegion stub = [&asked](const std::string& country) {
    asked.push_back(country);
    return std::string("Mediterranean");
  };

  const auto spain = ReadSite(noRegion + "CountryName      Spain\n", stub);
  EXPECT_EQ(asked, std::vector<std::string>{"Spain"});
  EXPECT_EQ(spain->RegionName, "Mediterranean");
  EXPECT_EQ(spain->CountryName, "Spain");
  EXPECT_TRUE(spain->RegionFromCountry);

  ReadSite(noRegion + "CountryName      United Kingdom\n", stub);
  EXPECT_EQ(asked.back(), "United Kingdom");

  asked.clear();
  const auto oneChar = ReadSite(noRegion + "CountryName      X\n", stub);
  EXPECT_TRUE(asked.empty());
  EXPECT_EQ(oneChar->RegionName, "Unknown");
  EXPECT_FALSE(oneChar->RegionFromCountry);

  // An empty "RegionName" line names no region either.
  for (const char* empty : {"RegionName\n", "RegionName      \t \n"}) {
    asked.clear();
    const auto emptyRegion = ReadSite(Replace(golden, "RegionName       Alpine\n",
                                              std::string(empty) + "CountryName      Spain\n"),
                                      stub);
    EXPECT_EQ(asked, std::vector<std::string>{"Spain"});
    EXPECT_EQ(emptyRegion->RegionName, "Mediterranean");
    EXPECT_TRUE(emptyRegion->RegionFromCountry);
    const auto noCountry = ReadSite(Replace(golden, "RegionName       Alpine\n", empty), stub);
    EXPECT_EQ(noCountry->RegionName, "Unknown");
  }
}

// A file without a species, region or forest type reads them as the window
// shows them, and saving writes the same, so open-save-open changes nothing.
TEST(ScenarioFile, MissingNamesTakeTheDefaultsTheWindowShows) {
  std::string text = Replace(contents(kGolden), "RegionName       Alpine\n", "");
  text = Replace(text, "ForestType       EvenAged\n", "ForestType\n");
  text = Replace(text, "SpeciesName      Picea abies\n", "");
  const auto site = ReadSite(text);
  EXPECT_EQ(site->RegionName, "Unknown");
  EXPECT_EQ(site->ForestType, ForestKind::EvenAged);
  EXPECT_EQ(site->Cohort(0).SpeciesName, "Unknown");

  TestFolder folder;
  site->WriteToFile(folder.file("once.txt"));
  const auto again = CSite::ReadFromFile(folder.file("once.txt"), nullptr, nullptr);
  ExpectSameSite(*again, *site);
  again->WriteToFile(folder.file("twice.txt"));
  EXPECT_EQ(contents(folder.file("twice.txt")), contents(folder.file("once.txt")));

  // Names emptied in the program are written as those defaults too.
  site->RegionName.clear();
  site->Cohort(1).SpeciesName.clear();
  site->WriteToFile(folder.file("empty.txt"));
  std::string expected = contents(folder.file("once.txt"));
  expected.replace(expected.find("Hard broadleaves"), 16, "Unknown");
  EXPECT_EQ(contents(folder.file("empty.txt")), expected);
}

TEST(ScenarioFile, RefusesBadCountsListsAndValues) {
  const std::string golden = contents(kGolden);
  std::string hundred;
  for (int k = 1; k <= 100; ++k) hundred += FormatInt(k) + " ";
  // The rest of the first leaves line, up to the stems line.
  const std::string leavesTail =
      golden.substr(golden.find("BAFlv            4.000000") + 25,
                    golden.find("BAFst") - golden.find("BAFlv            4.000000") - 25);
  struct Case {
    std::string from, to;
    // Parts the message must hold; a part that starts with the file's name
    // is the whole message.
    std::vector<std::string> message;
  };
  std::vector<Case> cases = {
      {"NrCohorts        2", "NrCohorts        0", {"line 2", "\"NrCohorts\"", "outside 1..20"}},
      {"NrCohorts        2", "NrCohorts        21", {"\"NrCohorts\"", "21"}},
      {"NrCohorts        2", "NrCohorts        two", {"\"NrCohorts\"", "\"two\""}},
      {"NrCohorts        2", "NrCohorts        3", {"\">>CohortNr_3\"", "missing"}},
      {"NrDataGrowth     3", "NrDataGrowth     100", {"\"NrDataGrowth\" of cohort 1", "0..99"}},
      {"NrDataGrowth     3", "NrDataGrowth     -1", {"\"NrDataGrowth\" of cohort 1"}},
      {"NrDataGrowth     3",
       "NrDataGrowth     4",
       {"\"GrowthYears\" of cohort 1", "3 values, at least 4"}},
      {"GrowthYears      10 20 140 ",
       "GrowthYears      " + hundred,
       {"\"GrowthYears\" of cohort 1", "100 values, at most 99"}},
      {"Increment        2.500000",
       "Increment        2,5",
       {"\"Increment\" of cohort 1", "\"2,5\""}},
      {"NrForManData     1", "NrForManData     100", {"\"NrForManData\" of cohort 2"}},
      {"NrForManData     1", "NrForManData     2", {"\"ForManYears\" of cohort 2"}},
      {"TurnOver         0.011000",
       "TurnOver         0.5 0.011000",
       {"\"TurnOver\" of cohort 1", "6 values, 5 expected"}},
      {"ctK              0.200000 ", "ctK              ", {"\"ctK\" of cohort 1", "4 values"}},
      {"BAFbr            1.000000 1.010000 ",
       "BAFbr            ",
       {"\"BAFbr\" of cohort 1", "13 values, at least 14"}},
      {"BAFlv            4.000000 ",
       "BAFlv            1 4.000000 ",
       {"\"BAFlv\" of cohort 1", "16 values, at most 15"}},
      {"BAFst            1.000000 1.000000 1.000000",
       "BAFst            1.000000 1.000000 0.0",
       {"\"BAFst\" of cohort 1", "age 30 is not positive"}},
      {"BAFst            1.000000 1.000000 1.000000",
       "BAFst            1.000000 1.000000 -2",
       {"\"BAFst\" of cohort 1", "age 30 is not positive"}},
      {"BAFbr            1.000000 1.010000",
       "BAFbr            1.000000 -1.010000",
       {"\"BAFbr\" of cohort 1", "branches at age 20 is outside 0..100 (-1.01)"}},
      {"BAFlv            4.000000" + leavesTail + "BAFst            1.000000",
       "BAFlv            1e300" + leavesTail + "BAFst            1e-300",
       {"\"BAFbr\" of cohort 1", "branches at age 10 is outside 0..100 (9.99"}},
      {"CarbonContent    20.500000",
       "CarbonContent    100.5",
       {"\"CarbonContent\" of cohort 2", "carbon content is outside 0..100 % (100.5)"}},
      {"WoodDensity      0.410000",
       "WoodDensity      -0.41",
       {"\"WoodDensity\" of cohort 1", "wood density is outside 0..2 g/cm3 (-0.41)"}},
      {"TurnOver         0.011000 0.021000",
       "TurnOver         0.011000 -0.021000",
       {"\"TurnOver\" of cohort 1", "turnover rate of coarse roots is outside 0..10 /yr (-0.021)"}},
      {"Nlfmin           1.070000",
       "Nlfmin           -1",
       {"\"Nlfmin\" of cohort 1", "outside 0..100 % (-1)"}},
      {"expNlf           10.800000",
       "expNlf           -10.8",
       {"\"expNlf\" of cohort 1", "outside 0..1000 m2 yr/eq (-10.8)"}},
      {"ctN              0.400000 0.401000 0.402000 0.403000 0.404000\nBAFbr            2",
       "ctN              0.400000 0.401000 0.402000 0.403000 104\nBAFbr            2",
       {"\"ctN\" of cohort 2", "N content of stems is outside 0..100 % (104)"}},
      {"Kgr              300.000000",
       "Kgr              -300",
       {"\"Kgr\" of cohort 2", "outside 0..20000 m3/ha (-300)"}},
      {"MaxGrowth        0.000000",
       "MaxGrowth        -1",
       {"\"MaxGrowth\" of cohort 1", "outside 0..500 m3/ha/yr (-1)"}},
      {"InitBiom         50.000000",
       "InitBiom         -50",
       {"\"InitBiom\" of cohort 2", "outside 0..20000 m3/ha (-50)"}},
      {"Increment        2.500000 4.250000",
       "Increment        2.500000 -4.25",
       {"\"Increment\" of cohort 1", "increment at age 20 is outside 0..500 m3/ha/yr (-4.25)"}},
      {"PercAmount       100.000000 25.500000",
       "PercAmount       100.000000 150",
       {"line 31", "\"PercAmount\" of cohort 1", "percentage of action 2 is outside 0..100 (150)"}},
      {"PercAmount       100.000000 25.500000",
       "PercAmount       100.000000 -0.5",
       {"\"PercAmount\" of cohort 1", "-0.5"}},
      {"RemovedOrLeft     1100 1011",
       "RemovedOrLeft     1100 1211",
       {"\"RemovedOrLeft\" of cohort 1",
        "removal flag of branches of action 2 is neither 1 (removed) nor 0 (left) (2)"}},
      {"RemovedOrLeft     1111",
       "RemovedOrLeft     1119",
       {"\"RemovedOrLeft\" of cohort 2", "removal flag of leaves of action 1", "(9)"}},
      {"RemovedOrLeft     1100",
       "RemovedOrLeft     110",
       {"\"RemovedOrLeft\" of cohort 1", "\"110\""}},
      {"RemovedOrLeft     1100", "RemovedOrLeft     11a0", {"\"11a0\"", "four digits"}},
      {"RemovedOrLeft     1100", "RemovedOrLeft     11000", {"\"11000\""}},
      {"Actions          3 1 2",
       "Actions          3 4 2",
       {"\"Actions\" of cohort 1", "type of action 2", "(4)"}},
      {"Actions          3 1 2", "Actions          3 -1 2", {"\"Actions\" of cohort 1", "(-1)"}},
      {"ForManYears      2000", "ForManYears      6000", {"\"ForManYears\" of cohort 1", "6000"}},
      {"MaxGrowth        12.500000",
       "MaxGrowth        12.5 13",
       {"\"MaxGrowth\" of cohort 2", "one value"}},
      {"MaxGrowth        12.500000", "MaxGrowth", {"\"MaxGrowth\" of cohort 2", "0 found"}},
  };
  // Every value a cohort block holds, just above the top of its range and
  // far beyond it, as the first value of its key of cohort 1 (the stems
  // turnover, with a range of its own, as the last); the top itself is
  // taken.
  const struct {
    std::string from, kept;  // the text replaced, and the part of it kept
    std::string line, key, what, range, above, absurd, absurdShown, top;
  } ranges[] = {
      {"MaxGrowth        0.000000", "MaxGrowth        ", "7", "MaxGrowth", "the maximum growth",
       "0..500 m3/ha/yr", "500.000001", "1e300", "1e+300", "500"},
      {"Kgr              0.000000", "Kgr              ", "8", "Kgr", "the Kgr value",
       "0..20000 m3/ha", "20000.000001", "1e30", "1e+30", "20000"},
      {"InitBiom         0.000000", "InitBiom         ", "9", "InitBiom", "the initial biomass",
       "0..20000 m3/ha", "20000.000001", "1e300", "1e+300", "20000"},
      {"CarbonContent    10.500000", "CarbonContent    ", "10", "CarbonContent",
       "the carbon content", "0..100 %", "100.000001", "150", "150", "100"},
      {"WoodDensity      0.410000", "WoodDensity      ", "11", "WoodDensity", "the wood density",
       "0..2 g/cm3", "2.000001", "5", "5", "2"},
      {"TurnOver         0.011000", "TurnOver         ", "12", "TurnOver",
       "the turnover rate of branches", "0..10 /yr", "10.000001", "50", "50", "10"},
      {"0.250000 0.051000", "0.250000 ", "12", "TurnOver", "the turnover rate of stems", "0..1 /yr",
       "1.000001", "50", "50", "1"},
      {"Nlfmax           1.510000", "Nlfmax           ", "13", "Nlfmax",
       "the maximum leaf N content", "0..100 %", "100.000001", "150", "150", "100"},
      {"Nlfmin           1.070000", "Nlfmin           ", "14", "Nlfmin",
       "the minimum leaf N content", "0..100 %", "100.000001", "1e300", "1e+300", "100"},
      {"expNlf           10.800000", "expNlf           ", "15", "expNlf",
       "the exponent of the leaf N response", "0..1000 m2 yr/eq", "1000.000001", "1e9", "1e+09",
       "1000"},
      {"ctCa             0.100000", "ctCa             ", "16", "ctCa", "the Ca content of branches",
       "0..100 %", "100.000001", "150", "150", "100"},
      {"ctMg             0.300000", "ctMg             ", "17", "ctMg", "the Mg content of branches",
       "0..100 %", "100.000001", "1e300", "1e+300", "100"},
      {"ctK              0.200000", "ctK              ", "18", "ctK", "the K content of branches",
       "0..100 %", "100.000001", "150", "150", "100"},
      {"ctN              0.400000", "ctN              ", "19", "ctN", "the N content of branches",
       "0..100 %", "100.000001", "150", "150", "100"},
      {"BAFbr            1.000000", "BAFbr            ", "20", "BAFbr",
       "the expansion factor of branches at age 10", "0..100", "100.000001", "1e30", "1e+30",
       "100"},
      {"GrowthYears      10 20 140", "GrowthYears      10 20 ", "26", "GrowthYears",
       "the age of a growth point", "0..4999 years", "5000", "10000", "10000", "4999"},
      {"Increment        2.500000 4.250000", "Increment        2.500000 ", "27", "Increment",
       "the increment at age 20", "0..500 m3/ha/yr", "500.000001", "1e6", "1e+06", "500"},
      {"ForManYears      2000", "ForManYears      ", "29", "ForManYears", "the year of action 1",
       "0..4999", "5000", "6000", "6000", "4999"},
      {"PercAmount       100.000000 25.500000", "PercAmount       100.000000 ", "31", "PercAmount",
       "the percentage of action 2", "0..100", "100.000001", "1e300", "1e+300", "100"},
  };
  for (const auto& r : ranges) {
    const std::string where = "site.txt, line " + r.line + ", key \"" + r.key + "\" of cohort 1: ";
    for (const auto& [value, shown] : {std::pair{r.above, r.above}, {r.absurd, r.absurdShown}}) {
      cases.push_back({r.from,
                       r.kept + value,
                       {where + r.what + " is outside " + r.range + " (" + shown + ")"}});
    }
    EXPECT_NO_THROW(ReadSite(Replace(golden, r.from, r.kept + r.top))) << r.key << " " << r.top;
  }
  for (const Case& c : cases) {
    try {
      ReadSite(Replace(golden, c.from, c.to));
      ADD_FAILURE() << c.to << " was taken";
    } catch (const TarvexError& e) {
      const std::string message = e.what();
      EXPECT_TRUE(message.starts_with("site.txt, ")) << message;
      for (const std::string& part : c.message) {
        if (part.starts_with("site.txt, ")) {
          EXPECT_EQ(message, part);
        } else {
          EXPECT_NE(message.find(part), std::string::npos) << message << " lacks " << part;
        }
      }
    }
  }
}

TEST(ScenarioFile, ARefusedFileLeavesNoSiteBehind) {
  TestFolder folder;
  const std::string file = folder.file("bad.txt");
  write_file(file, Replace(contents(kGolden), "NrDataGrowth     3", "NrDataGrowth     7"));
  std::unique_ptr<CSite> site = TwoCohortSite();
  const CSite* before = site.get();
  try {
    site = CSite::ReadFromFile(file, nullptr, nullptr);
  } catch (const TarvexError& e) {
    EXPECT_NE(std::string(e.what()).find(file), std::string::npos) << e.what();
  }
  EXPECT_EQ(site.get(), before);
  EXPECT_EQ(site->Cohort(0).Cai.NrDataGrowth, 3);

  try {
    CSite::ReadFromFile(folder.file("none.txt"), nullptr, nullptr);
    ADD_FAILURE();
  } catch (const TarvexError& e) {
    EXPECT_NE(std::string(e.what()).find("Cannot open Tarvex file"), std::string::npos);
  }
}

// A save refuses, before it touches the old file, every value that would be
// written so that the file does not open again.
TEST(ScenarioFile, RefusesValuesThatWouldNotReadBack) {
  struct Case {
    std::function<void(CSite&)> change;
    std::string message;  // after "Cannot write Tarvex file NAME: "
  };
  const double inf = std::numeric_limits<double>::infinity();
  const Case cases[] = {
      {[](CSite& s) { s.Cohort(1).SpeciesName = "Picea\nabies"; },
       "the species name of cohort 2 holds a line end"},
      {[](CSite& s) { s.Cohort(0).ForMan.ManActions[1].REMFLAG[2] = 2; },
       "cohort 1: the removal flag of roots of action 2 is neither 1 (removed) nor 0 (left) (2)"},
      {[](CSite& s) { s.Cohort(0).ForMan.ManActions[0].ACTTYPE = 4; },
       "cohort 1: the type of action 1 is none of 0, 1, 2 and 3 (4)"},
      {[](CSite& s) { s.Cohort(1).ForMan.ManActions[0].PERC = std::nan(""); },
       "cohort 2: the percentage of action 1 is outside 0..100 (nan)"},
      {[inf](CSite& s) { s.Cohort(1).Kgr = inf; },
       "cohort 2: the Kgr value is not a finite number"},
      {[inf](CSite& s) { s.Cohort(0).BiomassData.BAF[0][3] = inf; },
       "cohort 1: the expansion factor of branches at age 40 is not a finite number"},
      {[](CSite& s) { s.Cohort(0).Cai.Points[2].INC = -0.5; },
       "cohort 1: the increment at age 140 is outside 0..500 m3/ha/yr (-0.5)"},
      {[](CSite& s) { s.Cohort(0).BiomassData.BAF[kBafStemsRow][0] = 0.002; },
       "cohort 1: the expansion factor of branches at age 10 is outside 0..100 (500) once divided "
       "by the stems factor of its age as written"},
      {[](CSite& s) { s.Cohort(0).BiomassData.BAF[kBafStemsRow][14] = 4e-7; },
       "cohort 1: the expansion factor of stems at age 1000 is too small to be written with six "
       "decimals"},
      // The reader takes the evergreen flag from the leaves' turnover as
      // written: below 1 evergreen.
      {[](CSite& s) { s.Cohort(0).BiomassData.TurnOver[standsim::LV] = 0.9999996; },
       "cohort 1: the turnover rate of leaves 0.9999996 is written as 1.000000, which marks a "
       "deciduous species, but the species of the cohort is evergreen"},
      {[](CSite& s) { s.Cohort(1).BiomassData.TurnOver[standsim::LV] = 0.5; },
       "cohort 2: the turnover rate of leaves 0.5 is written as 0.500000, which marks an "
       "evergreen species, but the species of the cohort is deciduous"},
  };
  TestFolder folder;
  const std::string file = folder.file("site.txt");
  write_file(file, "old contents\n");
  for (const Case& c : cases) {
    auto site = TwoCohortSite();
    c.change(*site);
    try {
      site->WriteToFile(file);
      ADD_FAILURE() << c.message;
    } catch (const TarvexError& e) {
      EXPECT_EQ(std::string(e.what()), "Cannot write Tarvex file " + file + ": " + c.message);
    }
    EXPECT_EQ(contents(file), "old contents\n");
  }
  // A stems factor of 6e-7 is written as 0.000001 and reads back, and so
  // do the kinds of species of leaves' rates just below and above 1.
  auto site = TwoCohortSite();
  for (int row = 0; row < kBafStemsRow; ++row) site->Cohort(0).BiomassData.BAF[row][14] = 0.0;
  site->Cohort(0).BiomassData.BAF[kBafStemsRow][14] = 6e-7;
  site->Cohort(0).BiomassData.TurnOver[standsim::LV] = 0.9999994;
  site->Cohort(1).BiomassData.TurnOver[standsim::LV] = 0.9999996;
  site->WriteToFile(file);
  const auto read = CSite::ReadFromFile(file, nullptr, nullptr);
  EXPECT_EQ(read->Cohort(0).BiomassData.Evergreen, 1);
  EXPECT_EQ(read->Cohort(1).BiomassData.Evergreen, 0);
}

// A save that fails leaves the old file as it was and says so.
TEST(ScenarioFile, AFailedSaveKeepsTheOldFile) {
  TestFolder folder;
  const std::string file = folder.file("site.txt");
  write_file(file, "old contents\n");

  // The file system refuses to grow a file beyond 64 bytes.
  struct rlimit old {};
  ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &old), 0);
  const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
  struct rlimit small = old;
  small.rlim_cur = 64;
  ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
  std::string message;
  try {
    TwoCohortSite()->WriteToFile(file);
  } catch (const TarvexError& e) {
    message = e.what();
  }
  ::setrlimit(RLIMIT_FSIZE, &old);
  std::signal(SIGXFSZ, oldHandler);

  EXPECT_TRUE(message.starts_with("Cannot write Tarvex file " + file + ": ")) << message;
  EXPECT_EQ(contents(file), "old contents\n");
  EXPECT_EQ(files_in(folder.folder()), 1);  // no temporary file left behind
}

TEST(ScenarioFile, ANonRegularTargetIsRefused) {
  struct stat before {};
  ASSERT_EQ(::stat("/dev/full", &before), 0);
  try {
    TwoCohortSite()->WriteToFile("/dev/full");
    ADD_FAILURE();
  } catch (const TarvexError& e) {
    EXPECT_EQ(std::string(e.what()), "Cannot write Tarvex file /dev/full: not a regular file");
  }
  struct stat after {};
  ASSERT_EQ(::stat("/dev/full", &after), 0);
  EXPECT_TRUE(S_ISCHR(after.st_mode));
  EXPECT_EQ(after.st_rdev, before.st_rdev);
}

// Makes FOLDER read-only for this process: by its permissions for a user;
// for root, who writes into such folders, by a read-only bind mount of it in
// a mount namespace of the process's own. False where neither is permitted.
bool MakeReadOnly(const std::filesystem::path& folder) {
  if (::geteuid() != 0) {
    std::filesystem::permissions(
        folder, std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec);
    return true;
  }
  const char* path = folder.c_str();
  return ::unshare(CLONE_NEWNS) == 0 &&
         ::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) == 0 &&
         ::mount(path, path, nullptr, MS_BIND, nullptr) == 0 &&
         ::mount(nullptr, path, nullptr, MS_BIND | MS_REMOUNT | MS_RDONLY, nullptr) == 0;
}

TEST(ScenarioFile, AnUnwritableFolderIsReported) {
  TestFolder folder;
  // A folder that is a regular file.
  write_file(folder.file("plain.txt"), "not a folder\n");
  try {
    TwoCohortSite()->WriteToFile(folder.file("plain.txt/site.txt"));
    ADD_FAILURE();
  } catch (const TarvexError& e) {
    EXPECT_EQ(std::string(e.what()), "Cannot write Tarvex file " +
                                         folder.file("plain.txt/site.txt") + ": Not a directory");
  }

  const std::string file = folder.file("site.txt");
  write_file(file, "old contents\n");
  if (!MakeReadOnly(folder.path())) GTEST_SKIP() << "no read-only folder can be made here";
  try {
    TwoCohortSite()->WriteToFile(file);
    ADD_FAILURE();
  } catch (const TarvexError& e) {
    EXPECT_TRUE(std::string(e.what()).starts_with("Cannot write Tarvex file " + file + ": "))
        << e.what();
  }
  EXPECT_EQ(contents(file), "old contents\n");
  if (::geteuid() == 0) ::umount(folder.path().c_str());
}

TEST(ScenarioFile, ASaveKeepsThePermissionsOfTheOldFile) {
  TestFolder folder;
  const std::string file = folder.file("site.txt");
  write_file(file, "old\n");
  std::filesystem::permissions(file, std::filesystem::perms::owner_read |
                                         std::filesystem::perms::owner_write |
                                         std::filesystem::perms::group_read);
  TwoCohortSite()->WriteToFile(file);
  EXPECT_EQ(std::filesystem::status(file).permissions(), std::filesystem::perms::owner_read |
                                                             std::filesystem::perms::owner_write |
                                                             std::filesystem::perms::group_read);
  EXPECT_EQ(contents(file), contents(kGolden));
}

}  // namespace
}  // namespace tarvex
