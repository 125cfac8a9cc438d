#include "standsim/engine/stored_actions.h"

#include <algorithm>
#include <array>

#include "standsim/engine/growth_messages.h"

namespace standsim {
namespace {

constexpr std::array<const char*, 4> kRemovalFlagNames = {"stems", "branches", "roots", "leaves"};

bool year_inside(const GrowthCall& call, int32_t y) { return y >= call.ib && y <= call.ie; }

bool percentage_readable(double perc) { return perc >= 0.0 && perc <= 100.0; }

// The removal flags multiply the harvest taken off the site: each is 0 or 1.
bool flag_readable(int32_t flag) { return flag == 0 || flag == 1; }

// What the models take from an action: the share harvested and the factors
// of what leaves the site. A planting harvests nothing: the models set its
// percentage to zero and read no flag.
bool harvest_readable(const MANACT& action) {
  return action.ACTTYPE == ACT_PLANTING ||
         (percentage_readable(action.PERC) &&
          std::all_of(std::begin(action.REMFLAG), std::end(action.REMFLAG), flag_readable));
}

// The start of a message about action A (0-based) of cohort C, stored for
// year Y: "E: cohort 1: action 2 in year 2030".
std::string action_prefix(int c, int a, int32_t y) {
  return cohort_prefix(c) + "action " + integer_text(a + 1) + " in year " + integer_text(y);
}

// The message for the first fault of the harvest of ACTION, action A of
// cohort C, which cannot be read: its percentage, else its first flag
// that is neither 0 nor 1.
std::string unreadable_harvest(const MANACT& action, int c, int a) {
  const std::string where = action_prefix(c, a, action.YEAR) + ": ";
  if (!percentage_readable(action.PERC)) {
    return where + "percentage " + real_text(action.PERC) + " outside 0..100";
  }
  const int32_t* flag =
      std::find_if_not(std::begin(action.REMFLAG), std::end(action.REMFLAG), flag_readable);
  return where + "removal flag of " + kRemovalFlagNames[flag - action.REMFLAG] + " " +
         integer_text(*flag) + " is neither 0 nor 1";
}

}  // namespace

std::string refuse_stored_actions(const GrowthCall& call, int c, bool harvests) {
  const int count = call.nmact[c];
  if (auto m = refuse_count(c, count, "actions", call); !m.empty()) return m;
  for (int a = 0; a < count; ++a) {
    const int32_t y = call.mact_at(c, a).YEAR;
    if (!year_inside(call, y)) {
      return action_prefix(c, a, y) + " outside " + year_range(call);
    }
  }
  for (int a = 0; harvests && a < count; ++a) {
    const MANACT& action = call.mact_at(c, a);
    if (!harvest_readable(action)) return unreadable_harvest(action, c, a);
  }
  return {};
}

}  // namespace standsim
