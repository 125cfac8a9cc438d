// Constants of the stand models. They are single-precision literals of the
// model used as doubles, so each keeps the float's value (0.1f is
// 0.10000000149011612), not the nearest double.
#pragma once

namespace standsim {

// m3/ha times kg/m3 to g/m2 (and back by division).
inline constexpr double kVolumeToMass = 0.1f;
// g/m2 times percent of N, Ca, Mg and K to eq/m2.
inline constexpr double kEquivalentsN = 0.000714f;
inline constexpr double kEquivalentsCa = 0.0005f;
inline constexpr double kEquivalentsMg = 0.000823f;
inline constexpr double kEquivalentsK = 0.000256f;
// g/m2 times percent to g/m2.
inline constexpr double kPercentOf = 0.01f;
// Percent to fraction.
inline constexpr double kPercent = 100.0;

}  // namespace standsim
