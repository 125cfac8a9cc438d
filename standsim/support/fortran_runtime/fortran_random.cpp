#include "standsim/support/fortran_runtime/fortran_random.h"

namespace standsim {
namespace {

// The fixed starting state of the process's sequence.
uint64_t generator_state = 0x2545F4914F6CDD1Dull;

uint64_t next_output() {
  generator_state += 0x9E3779B97F4A7C15ull;
  uint64_t z = generator_state;
  z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
  z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
  return z ^ (z >> 31);
}

}  // namespace

void random_number(float& harvest) {
  constexpr float two_to_minus_24 = 0x1p-24f;
  harvest = static_cast<float>(next_output() >> 40) * two_to_minus_24;
}

void random_seed_get(uint64_t& state) { state = generator_state; }

void random_seed_put(uint64_t state) { generator_state = state; }

}  // namespace standsim
