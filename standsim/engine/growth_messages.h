// Pieces of the engine's messages.
#pragma once

#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <string>

#include "standsim/engine/growth_call.h"
#include "standsim/engine/growth_records.h"

namespace standsim {

// The compartments in the order of their slots.
inline constexpr std::array<const char*, kCompartments> kCompartmentNames = {
    "branches", "coarse roots", "fine roots", "leaves", "stems"};

// The decimal text of V, independent of any locale.
inline std::string integer_text(int64_t v) {
  char digits[24];
  const auto end = std::to_chars(digits, digits + sizeof digits, v).ptr;
  return std::string(digits, end);
}

// The shortest decimal text that reads back as V ("nan", "inf" and "-inf"
// for the values that are not finite), independent of any locale.
inline std::string real_text(double v) {
  if (std::isnan(v)) return "nan";  // whatever its sign bit, which means nothing
  char digits[32];
  const auto end = std::to_chars(digits, digits + sizeof digits, v).ptr;
  return std::string(digits, end);
}

// The start of a message about cohort C (0-based): "E: cohort 1: ".
inline std::string cohort_prefix(int c) { return "E: cohort " + integer_text(c + 1) + ": "; }

// The years of the arrays of CALL: "0..4999".
inline std::string year_range(const GrowthCall& call) {
  return integer_text(call.ib) + ".." + integer_text(call.ie);
}

// The message for COUNT points or actions (WHAT) of cohort C beyond the
// capacity NPMAX: "E: cohort 1: 9 actions exceed the capacity of 8".
inline std::string capacity_exceeded(int c, int32_t count, const char* what, int32_t npmax) {
  return cohort_prefix(c) + integer_text(count) + " " + what + " exceed the capacity of " +
         integer_text(npmax);
}

// The same message when COUNT points or actions (WHAT) of cohort C exceed
// the capacity of CALL, "" when they fit.
inline std::string refuse_count(int c, int32_t count, const char* what, const GrowthCall& call) {
  if (count > call.npmax) return capacity_exceeded(c, count, what, call.npmax);
  return {};
}

}  // namespace standsim
