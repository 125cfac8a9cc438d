// A small site for calling GROWTH in tests: the flat arrays of the
// interface, with every result element preset to a marker so that what
// GROWTH leaves alone can be seen.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "standsim/engine/growth_records.h"
#include "standsim/engine/standsim_api.h"

namespace standsim::testing {

// The value of the single-precision literal 0.1 as the models use it.
inline constexpr double kTenth = double{0.1f};
// What result elements hold before a call.
inline constexpr double kUntouched = -7.25;

struct Site {
  int32_t mantype = 1;
  int32_t ib = 0;
  int32_t ie = 59;
  int32_t ncmax = 3;
  int32_t ncoh = 1;
  int32_t iyr1 = 1;
  int32_t iyr2 = 10;
  int32_t npmax = 8;
  std::vector<COHPAR> cpar;
  std::vector<CAIPT> caip;
  std::vector<int32_t> bafage;
  std::vector<BIOVEC> bafval;
  std::vector<MANACT> mact;
  std::vector<int32_t> nmact, nbaf, ncaip;
  std::vector<double> ndep;
  std::vector<BIOVEC> biom, litf;
  std::vector<NUTVEC> upt, soilin;
  std::array<unsigned char, 160> errmsg;

  // Every cohort of the capacity gets the same parameters: an evergreen
  // stand of wood density 500 whose stem increment at age k is k m3/ha/yr
  // (points at ages 0 and 1024) and whose expansion factors are constant
  // powers of two (points at ages 1 and 1025), so that the tables hold
  // exact values.
  explicit Site(int32_t first_index = 0, int32_t last_index = 59, int32_t cohort_capacity = 3,
                int32_t point_capacity = 8)
      : ib(first_index), ie(last_index), ncmax(cohort_capacity), npmax(point_capacity) {
    const std::size_t points = static_cast<std::size_t>(ncmax * npmax);
    cpar.assign(ncmax, COHPAR{});
    caip.assign(points, CAIPT{});
    bafage.assign(points, 0);
    bafval.assign(points, BIOVEC{});
    mact.assign(points, MANACT{});
    nmact.assign(ncmax, 0);
    nbaf.assign(ncmax, 2);
    ncaip.assign(ncmax, 2);
    ndep.assign(static_cast<std::size_t>(ie > 0 ? ie : 1) + 10, 0.0);
    for (std::size_t y = 0; y < ndep.size(); ++y) ndep[y] = 0.5 + 0.01 * static_cast<double>(y + 1);
    for (int c = 0; c < ncmax; ++c) {
      COHPAR& p = cpar[c];
      p.Evergreen = 1;
      p.CarbonContent = BIOVEC{{50, 50, 50, 50, 50}};
      p.ctN = BIOVEC{{0.5, 0.3, 0.6, 1.2, 0.1}};
      p.ctCa = BIOVEC{{0.4, 0.2, 0.3, 0.9, 0.15}};
      p.ctMg = BIOVEC{{0.05, 0.04, 0.06, 0.12, 0.02}};
      p.ctK = BIOVEC{{0.2, 0.1, 0.3, 0.6, 0.08}};
      p.TurnOver = BIOVEC{{0.03, 0.01, 0.5, 0.25, 0.0}};
      p.Nlfmin = 1.0;
      p.Nlfmax = 2.0;
      p.expNlf = 0.7;
      p.WoodDensityKg = 500.0;
      p.Kgr = 100.0;
      p.MaxGrowth = 8.0;
      point(c, 0) = CAIPT{0, 0, 0.0};
      point(c, 1) = CAIPT{1024, 0, 1024.0};
      for (int j = 0; j < 2; ++j) {
        baf_age(c, j) = 1 + 1024 * j;
        baf(c, j) = BIOVEC{{0.25, 0.125, 0.0625, 0.0625, 1.0}};
      }
    }
    const std::size_t results = static_cast<std::size_t>(ncmax) * years();
    biom.assign(results, BIOVEC{{kUntouched, kUntouched, kUntouched, kUntouched, kUntouched}});
    litf = biom;
    NUTVEC marked;
    for (double& v : marked.v) v = kUntouched;
    upt.assign(results, marked);
    soilin = upt;
    errmsg.fill('#');
  }

  std::size_t years() const { return static_cast<std::size_t>(ie - ib + 1); }
  std::size_t at(int c, int i) const { return static_cast<std::size_t>(c + i * ncmax); }
  std::size_t year(int c, int32_t y) const {
    return static_cast<std::size_t>(y - ib) + c * years();
  }

  CAIPT& point(int c, int i) { return caip[at(c, i)]; }
  int32_t& baf_age(int c, int j) { return bafage[at(c, j)]; }
  BIOVEC& baf(int c, int j) { return bafval[at(c, j)]; }
  MANACT& action(int c, int a) { return mact[at(c, a)]; }

  // Appends an action; flags in the order stems, branches, roots, leaves.
  void add_action(int c, int32_t yr, int32_t type, double perc = 0.0,
                  std::array<int32_t, 4> flags = {1, 1, 1, 1}) {
    action(c, nmact[c]++) = MANACT{yr, type, perc, {flags[0], flags[1], flags[2], flags[3]}};
  }

  // Calls GROWTH and returns ERRMSG's 127 characters.
  std::string run() {
    GROWTH(&mantype, &ib, &ie, &ncmax, &ncoh, &iyr1, &iyr2, &npmax, cpar.data(), caip.data(),
           bafage.data(), bafval.data(), mact.data(), nmact.data(), nbaf.data(), ncaip.data(),
           ndep.data(), biom.data(), litf.data(), upt.data(), soilin.data(), errmsg.data());
    return std::string(reinterpret_cast<const char*>(errmsg.data()), 127);
  }

  const BIOVEC& bio(int c, int32_t y) const { return biom[year(c, y)]; }
  const BIOVEC& litter(int c, int32_t y) const { return litf[year(c, y)]; }
  const NUTVEC& uptake(int c, int32_t y) const { return upt[year(c, y)]; }
  const NUTVEC& soil(int c, int32_t y) const { return soilin[year(c, y)]; }
};

// The 127 characters of a message, blank padded.
inline std::string padded(const std::string& text) {
  return text + std::string(127 - text.size(), ' ');
}

}  // namespace standsim::testing
