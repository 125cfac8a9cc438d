#include "standsim/engine/stored_actions.h"

#include <algorithm>
#include <climits>
#include <cstddef>
#include <cstring>

#include "standsim/engine/cohort_lanes.h"

namespace standsim {
namespace {

// A stored action as its 32-bit fields and as its 64-bit words.
using ActionValues = int32_t __attribute__((vector_size(32)));
using ActionWords = uint64_t __attribute__((vector_size(32)));
static_assert(sizeof(MANACT) == sizeof(ActionValues) && offsetof(MANACT, YEAR) == 0 &&
              offsetof(MANACT, PERC) == 8 && offsetof(MANACT, REMFLAG) == 16);

constexpr uint64_t kWordSign = 0x8000'0000'0000'0000;

// An action the models can read: in the years of the arrays and, when
// HARVESTS, with a readable harvest.
bool action_sound(const GrowthCall& call, const MANACT& action, bool harvests) {
  return year_inside(call, action.YEAR) && (!harvests || harvest_readable(action));
}

// The actions of the first MOST rows looked at one by one: whether each
// is sound (action_sound) and stored in the order of its year.
void look_one_by_one(const GrowthCall& call, bool harvests, int most, bool& sound, bool& by_year) {
  for (int a = 0; a < most; ++a) {
    for (int c = 0; c < call.ncoh; ++c) {
      if (a >= call.nmact[c]) continue;
      const MANACT& action = call.mact_at(c, a);
      sound &= action_sound(call, action, harvests);
      by_year &= a == 0 || action.YEAR >= call.mact_at(c, a - 1).YEAR;
    }
  }
}

}  // namespace

[[STANDSIM_LANE_TARGETS]] StoredActions survey_stored_actions(const GrowthCall& call,
                                                              bool harvests) {
  int fewest = INT_MAX;
  int most = 0;
  for (int c = 0; c < call.ncoh; ++c) {
    if (call.nmact[c] < 0 || call.nmact[c] > call.npmax) return {};
    fewest = std::min(fewest, call.nmact[c]);
    most = std::max(most, call.nmact[c]);
  }
  const int whole_rows = call.ncoh > 0 ? fewest : 0;  // rows that every cohort has
  // The actions are looked at whole, each field in its lanes, those of the
  // rows that every cohort has all at once. No fault passes these
  // comparisons, but some sound actions fail them: a planting with a
  // harvest that cannot be read (a planting harvests nothing), a
  // percentage of -0.0, actions stored out of the order of their years.
  // Whatever fails is looked at again one by one.
  // Years: none below the one stored before, so that each cohort's lie
  // between its first and its last.
  ActionValues backwards{};
  // The harvest: 0 <= PERC <= 100 compared as bits, which order the reals
  // that have no sign bit; the flags, two to a word, 0 or 1 where neither
  // a word nor 0x1'0000'0001 less it has another bit.
  constexpr ActionWords kHarvest = {0, 0x4059'0000'0000'0000, 0x1'0000'0001, 0x1'0000'0001};
  ActionWords harvest{};
  // The COUNT actions from FIRST on, each after the one BACK places before
  // it (the same one where BACK is 0).
  const auto look = [&](const MANACT* first, std::ptrdiff_t count, std::ptrdiff_t back)
      __attribute__((always_inline)) {
    for (std::ptrdiff_t i = 0; i < count; ++i) {
      ActionValues values;
      ActionValues previous;
      ActionWords words;
      std::memcpy(&values, &first[i], sizeof values);
      std::memcpy(&previous, &first[i - back], sizeof previous);
      std::memcpy(&words, &first[i], sizeof words);
      backwards |= values < previous;
      harvest |= words | (kHarvest - words);
    }
  };
  const std::ptrdiff_t stride = call.ncmax;
  if (whole_rows > 0) {
    const std::ptrdiff_t cohorts = call.ncoh;
    look(call.mact.data(), cohorts, 0);
    // Rows without a gap between them are one run of actions.
    if (cohorts == stride) {
      look(call.mact.data() + stride, (whole_rows - 1) * stride, stride);
    } else {
      for (int a = 1; a < whole_rows; ++a) look(&call.mact_at(0, a), cohorts, stride);
    }
  }
  // The rest of each cohort's actions.
  for (int c = 0; c < call.ncoh; ++c) {
    for (int a = whole_rows; a < call.nmact[c]; ++a) {
      look(&call.mact_at(c, a), 1, a > 0 ? stride : 0);
    }
  }
  bool by_year = backwards[0] == 0;
  bool sound = by_year;
  for (int c = 0; sound && c < call.ncoh; ++c) {
    const int count = call.nmact[c];
    sound = count == 0 ||
            (call.mact_at(c, 0).YEAR >= call.ib && call.mact_at(c, count - 1).YEAR <= call.ie);
  }
  if (harvests) {
    sound &= (harvest[1] & kWordSign) == 0 &&
             ((harvest[2] | harvest[3]) & ~uint64_t{0x1'0000'0001}) == 0;
  }
  if (!sound || !by_year) {
    sound = true;
    by_year = true;
    look_one_by_one(call, harvests, most, sound, by_year);
  }
  return {sound, by_year ? StoredActionOrder::by_year : StoredActionOrder::any};
}

}  // namespace standsim
