#include "tarvex/data/results_file.h"

#include <gtest/gtest.h>

#include "tarvex/data/site.h"
#include "tarvex/data/tarvex_error.h"
#include "testing/test_folder.h"

namespace tarvex {
namespace {

using namespace standsim;

// A site over 2000..2002 whose single cohort is planted in 2001 and whose
// results hold, in year y, the file column number plus 100 x (y - 2000) in
// every slot the file shows.
std::unique_ptr<CSite> PlantedIn2001() {
  auto site = std::make_unique<CSite>();
  site->FirstYear = 2000;
  site->LastYear = 2002;
  CCohort& cohort = site->AddCohort();
  cohort.ForMan.SetAction(2001, ACT_PLANTING, 100.0, {1, 1, 1, 1});
  for (int y = 2000; y <= 2002; ++y) {
    const double o = 100.0 * (y - 2000);
    cohort.Uptake[y].v[NUT_N] = 1 + o;
    cohort.Uptake[y].v[NUT_CA] = 2 + o;
    cohort.Uptake[y].v[NUT_MG] = 3 + o;
    cohort.Uptake[y].v[NUT_K] = 4 + o;
    cohort.SoilInputs[y].v[NUT_C] = 5 + o;
    cohort.SoilInputs[y].v[NUT_N] = 6 + o;
    cohort.Biomass[y] = BIOVEC{{8 + o, 9 + o, 10 + o, 11 + o, 7 + o}};
    cohort.Litterfall[y] = BIOVEC{{13 + o, 14 + o, 15 + o, 16 + o, 12.25 + o}};
  }
  site->SumCohorts();
  return site;
}

TEST(ResultsFile, WritesSixColumns) {
  TestFolder folder;
  const std::string file = folder.file("out.csv");
  PlantedIn2001()->WriteResults(file, 6, ResultColumnNames, false);
  EXPECT_EQ(contents(file),
            "! Year,N_gupt,Ca_upt,Mg_upt,K_upt,Clf,Nlf\n"
            "2000,0.000000,0.000000,0.000000,0.000000,0.000000,0.000000\n"
            "2001,101.000000,102.000000,103.000000,104.000000,105.000000,106.000000\n"
            "2002,201.000000,202.000000,203.000000,204.000000,205.000000,206.000000\n");
}

TEST(ResultsFile, WritesAllSixteenColumns) {
  TestFolder folder;
  const std::string file = folder.file("out.csv");
  PlantedIn2001()->WriteResults(file, 16, ResultColumnNames, true);
  EXPECT_EQ(contents(file),
            "! Year,N_gupt,Ca_upt,Mg_upt,K_upt,Clf,Nlf,BIOMst,BIOMbr,BIOMrc,BIOMrf,BIOMlv,"
            "OMINst,OMINbr,OMINrc,OMINrf,OMINlv\n"
            "2000,0.000000,0.000000,0.000000,0.000000,0.000000,0.000000,0.000000,0.000000,"
            "0.000000,0.000000,0.000000,0.000000,0.000000,0.000000,0.000000,0.000000\n"
            "2001,101.000000,102.000000,103.000000,104.000000,105.000000,106.000000,"
            "107.000000,108.000000,109.000000,110.000000,111.000000,"
            "112.250000,113.000000,114.000000,115.000000,116.000000\n"
            "2002,201.000000,202.000000,203.000000,204.000000,205.000000,206.000000,"
            "207.000000,208.000000,209.000000,210.000000,211.000000,"
            "212.250000,213.000000,214.000000,215.000000,216.000000\n");
}

TEST(ResultsFile, ReportsAFileThatCannotBeCreated) {
  TestFolder folder;
  try {
    PlantedIn2001()->WriteResults(folder.file("no/such/folder/out.csv"), 6, ResultColumnNames,
                                  false);
    ADD_FAILURE();
  } catch (const TarvexError& e) {
    EXPECT_EQ(std::string(e.what()), "cannot open output file! " +
                                         folder.file("no/such/folder/out.csv") +
                                         ": No such file or directory");
  }
  EXPECT_THROW(PlantedIn2001()->WriteResults(folder.file("out.csv"), 17, ResultColumnNames, true),
               TarvexError);
}

}  // namespace
}  // namespace tarvex
