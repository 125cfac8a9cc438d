// 4-byte logical values: 1 for true, 0 for false.
#pragma once

#include <cstdint>

namespace standsim {

// The logical of an integer: 1 when I is not 0, else 0.
inline int32_t INT2LOG(int32_t i) { return i != 0 ? 1 : 0; }

}  // namespace standsim
