#include "tarvex/window_logic/growth_arguments.h"

#include <algorithm>
#include <cstring>

#include "tarvex/window_logic/routine_message.h"

namespace tarvex {
namespace {

constexpr std::size_t kPointSlots = static_cast<std::size_t>(kMaxCohorts) * kGrowthPointCapacity;
constexpr std::size_t kResultSlots = static_cast<std::size_t>(kMaxCohorts) * kYears;
constexpr int kNaturalBafColumn = 13;  // the expansion factors of age 140

void CopyFive(const double (&from)[5], standsim::BIOVEC& to) { std::copy_n(from, 5, to.v); }

}  // namespace

GrowthArguments::GrowthArguments(bool naturalForest)
    : natural_(naturalForest),
      cpar_(kMaxCohorts),
      caip_(kPointSlots),
      bafage_(kPointSlots),
      bafval_(kPointSlots),
      mact_(kPointSlots),
      nmact_(kMaxCohorts),
      nbaf_(kMaxCohorts),
      ncaip_(kMaxCohorts),
      ndep_(kYears),
      biom_(kResultSlots),
      litf_(kResultSlots),
      upt_(kResultSlots),
      soilin_(kResultSlots) {}

void GrowthArguments::PackCohort(int c, const CCohort& cohort, int firstYear) {
  const BiomassRecord& data = cohort.BiomassData;
  standsim::COHPAR& p = cpar_[static_cast<std::size_t>(c)];
  p.Evergreen = data.Evergreen != 0 ? 1 : 0;
  std::fill_n(p.CarbonContent.v, 5, data.CarbonContent);
  CopyFive(data.ctN, p.ctN);
  CopyFive(data.ctCa, p.ctCa);
  CopyFive(data.ctMg, p.ctMg);
  CopyFive(data.ctK, p.ctK);
  CopyFive(data.TurnOver, p.TurnOver);
  p.Nlfmin = data.Nlfmin;
  p.Nlfmax = data.Nlfmax;
  p.expNlf = data.expNlf;
  p.WoodDensityKg = data.WoodDensity * 1000.0;
  if (natural_) {
    p.Kgr = cohort.Kgr;
    p.MaxGrowth = cohort.MaxGrowth;
  }

  ncaip_[static_cast<std::size_t>(c)] = cohort.Cai.NrDataGrowth;
  for (int k = 0; k < cohort.Cai.NrDataGrowth; ++k) {
    caip_[PointIndex(c, k)] = cohort.Cai.Points[static_cast<std::size_t>(k)];
  }
  nmact_[static_cast<std::size_t>(c)] = cohort.ForMan.NrForManData;
  for (int k = 0; k < cohort.ForMan.NrForManData; ++k) {
    mact_[PointIndex(c, k)] = cohort.ForMan.ManActions[static_cast<std::size_t>(k)];
  }
  for (int k = 0; k < kBafColumns; ++k) {
    bafage_[PointIndex(c, k)] = BafAges[static_cast<std::size_t>(k)];
    for (int i = 0; i < kBafRows; ++i) bafval_[PointIndex(c, k)].v[i] = data.BAF[i][k];
  }
  nbaf_[static_cast<std::size_t>(c)] = natural_ ? 1 : kBafColumns;
  if (natural_) {
    for (int i = 0; i < kBafRows; ++i)
      bafval_[PointIndex(c, 0)].v[i] = data.BAF[i][kNaturalBafColumn];
    if (firstYear - 1 >= kYearLo && firstYear - 1 <= kYearHi) {
      biom_[ResultIndex(c, firstYear - 1)].v[standsim::ST] =
          cohort.InitBiom * p.WoodDensityKg * 0.1;
    }
  }
}

void GrowthArguments::SetDeposition(const CSite& site, int first, int last) {
  for (int y = std::max(first, kYearLo); y <= std::min(last, kYearHi); ++y) {
    ndep_[static_cast<std::size_t>(y)] = site.Ndep[static_cast<std::size_t>(y)];
  }
}

std::string GrowthArguments::Call(standsim::GrowthEntry growth, int ncoh, int first, int last) {
  const int32_t mantype = natural_ ? 2 : 1;
  const int32_t ib = kYearLo, ie = kYearHi, ncmax = kMaxCohorts, npmax = kGrowthPointCapacity;
  const int32_t count = ncoh, iyr1 = first, iyr2 = last;
  unsigned char errmsg[128];
  std::memset(errmsg, 0, sizeof errmsg);
  // NDEP(y) of GROWTH is the deposition of year y: its first element is year 1.
  growth(&mantype, &ib, &ie, &ncmax, &count, &iyr1, &iyr2, &npmax, cpar_.data(), caip_.data(),
         bafage_.data(), bafval_.data(), mact_.data(), nmact_.data(), nbaf_.data(), ncaip_.data(),
         ndep_.data() + 1, biom_.data(), litf_.data(), upt_.data(), soilin_.data(), errmsg);
  // GROWTH's messages begin "E:"; the text after it is shown.
  const std::string message = RoutineMessage(errmsg);
  return message.size() > 2 ? message.substr(2) : message;
}

void GrowthArguments::CopyResults(CSite& site, int first, int last) const {
  for (int c = 0; c < site.NrCohorts(); ++c) {
    CCohort& cohort = site.Cohort(c);
    const int start = natural_ ? first : cohort.ForMan.ManActions[0].YEAR;
    const int shift = natural_ ? 0 : 1;
    for (int y = std::max(start, kYearLo + shift); y <= std::min(last, kYearHi); ++y) {
      const std::size_t from = ResultIndex(c, y - shift);
      const auto year = static_cast<std::size_t>(y);
      cohort.Biomass[year] = biom_[from];
      cohort.Litterfall[year] = litf_[from];
      cohort.Uptake[year] = upt_[from];
      cohort.SoilInputs[year] = soilin_[from];
    }
  }
}

}  // namespace tarvex
