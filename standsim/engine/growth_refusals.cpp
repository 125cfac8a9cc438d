#include "standsim/engine/growth_refusals.h"

#include <algorithm>
#include <cstdint>

#include "standsim/engine/growth_messages.h"

namespace standsim {
namespace {

std::string text(int64_t v) { return INTEGER_TEXT(v); }

std::string cohort(int c) { return "E: cohort " + text(c + 1) + ": "; }

std::string year_range(const GrowthCall& call) {
  return text(call.ib) + ".." + text(call.ie);
}

std::string refuse_scalars(const GrowthCall& call) {
  if (call.ncoh < 0 || call.ncoh > call.ncmax) {
    return "E: number of cohorts " + text(call.ncoh) + " outside 0.." + text(call.ncmax);
  }
  if (call.ie < call.ib) {
    return "E: last year index " + text(call.ie) + " below the first " + text(call.ib);
  }
  if (call.ncoh == 0) return {};  // nothing is read or written
  if (call.iyr2 >= call.iyr1 && (call.iyr1 < call.ib || call.iyr2 > call.ie)) {
    return "E: years " + text(call.iyr1) + ".." + text(call.iyr2) + " outside " + year_range(call);
  }
  if (call.npmax < 1) {
    return "E: capacity of points and actions " + text(call.npmax) + " below 1";
  }
  return {};
}

std::string refuse_count(int c, int32_t count, const char* what, const GrowthCall& call) {
  if (count > call.npmax) {
    return cohort(c) + text(count) + " " + what + " exceed the capacity of " + text(call.npmax);
  }
  return {};
}

std::string refuse_actions(const GrowthCall& call, int c) {
  if (auto m = refuse_count(c, call.nmact[c], "actions", call); !m.empty()) return m;
  for (int a = 0; a < call.nmact[c]; ++a) {
    const int32_t y = call.mact_at(c, a).YEAR;
    if (y < call.ib || y > call.ie) {
      return cohort(c) + "action " + text(a + 1) + " in year " + text(y) + " outside " +
             year_range(call);
    }
  }
  return {};
}

std::string refuse_even_aged(const GrowthCall& call, int c) {
  if (auto m = refuse_count(c, call.ncaip[c], "growth points", call); !m.empty()) return m;
  if (auto m = refuse_count(c, call.nbaf[c], "expansion-factor points", call); !m.empty()) return m;
  if (call.ncaip[c] < 1) return cohort(c) + "no growth-curve point";
  if (call.nbaf[c] < 2) return cohort(c) + "fewer than two expansion-factor points";
  for (int j = 1; j < call.nbaf[c]; ++j) {
    // Equal neighbouring ages give the spline no solution.
    if (call.bafage_at(c, j) == call.bafage_at(c, j - 1)) {
      return "E: bad xa input in splint: cohort " + text(c + 1) + ", expansion-factor points " +
             text(j) + " and " + text(j + 1) + " both at age " + text(call.bafage_at(c, j));
    }
  }
  const int64_t y0 = call.mact_at(c, 0).YEAR;
  if (y0 - 1 < call.ib) {
    return cohort(c) + "first action in year " + text(y0) + ", the year before it lies below " +
           text(call.ib);
  }
  if (y0 <= call.iyr2) {
    // The years y0 - 1..IYR2 are computed, with deposition from max(IYR1, y0) on.
    if (call.iyr2 > call.ie) {
      return cohort(c) + "years " + text(y0) + ".." + text(call.iyr2) + " outside " +
             year_range(call);
    }
    if (std::max<int64_t>(call.iyr1, y0) < 1) {
      return cohort(c) + "no deposition for year " + text(std::max<int64_t>(call.iyr1, y0)) +
             " (years start at 1)";
    }
    // Before an empty period every year takes the deposition of IYR1.
    if (call.iyr1 > call.ie) {
      return cohort(c) + "no deposition for year " + text(call.iyr1) + " (years end at " +
             text(call.ie) + ")";
    }
  }
  return {};
}

std::string refuse_natural(const GrowthCall& call) {
  const int64_t start = int64_t{call.iyr1} - 1;
  if (start < call.ib || start > call.ie) {
    return "E: initial year " + text(start) + " of the natural stand outside " + year_range(call);
  }
  if (call.iyr2 >= call.iyr1 && call.iyr1 < 1) {
    return "E: no deposition for year " + text(call.iyr1) + " (years start at 1)";
  }
  for (int c = 0; c < call.ncoh; ++c) {
    // The stand's stem volume divides by every cohort's wood density.
    if (call.cpar[c].WoodDensityKg == 0.0) return cohort(c) + "wood density is zero";
  }
  return {};
}

}  // namespace

std::string REFUSE_GROWTH_INPUT(const GrowthCall& call) {
  if (auto m = refuse_scalars(call); !m.empty()) return m;
  for (int c = 0; c < call.ncoh; ++c) {
    // Action 1 is the first stored action, whatever its year and the count.
    if (call.mantype == MAN_EVEN_AGED && call.mact_at(c, 0).ACTTYPE != ACT_PLANTING) {
      return "E:first management action should be planting";
    }
    if (auto m = refuse_actions(call, c); !m.empty()) return m;
    if (call.mantype == MAN_EVEN_AGED) {
      if (auto m = refuse_even_aged(call, c); !m.empty()) return m;
    }
  }
  if (call.mantype == MAN_NATURAL && call.ncoh > 0) return refuse_natural(call);
  return {};
}

}  // namespace standsim
