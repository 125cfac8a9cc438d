// Stands in for the run-time's uniform random numbers: one sequence per
// process of 4-byte reals r with 0 <= r < 1, started from a fixed state when
// the library is loaded. The library itself never reseeds it, so after loading
// the same series of draws always yields the same numbers.
//
// The generator is SplitMix64 (a 64-bit counter advanced by the odd constant
// 0x9E3779B97F4A7C15 and passed through a fixed mixing function). The top 24
// bits of each output become r = bits / 2^24, a multiple of 2^-24 that a
// 4-byte real holds exactly, so r never reaches 1.0.
#pragma once

#include <cstdint>

namespace standsim {

// The next number of the sequence.
void random_number(float& harvest);

// The state of the sequence, to save it and put it back (as the run-time's
// seed query and setting do). Only callers outside the library use them.
void random_seed_get(uint64_t& state);
void random_seed_put(uint64_t state);

}  // namespace standsim
