// Decimal exponents and rounded chart axis limits, in 4-byte real arithmetic.
#pragma once

#include <cstdint>

namespace standsim {

// The decimal exponent of X: the e with 10^e <= |X| < 10^(e+1), found by
// repeated multiplication by 0.1 or 10 in 4-byte reals, where values below 1
// count as reaching the next power at 0.999999 (so 0.0999999 gives -1).
// A number without a decimal exponent (0, an infinity, a not-a-number)
// gives -999.
int32_t DECEXP(float x);

// Axis limits YLO and YHI for data from XMIN to XMAX: XMAX rounded up and XMIN
// rounded down to one significant digit (37 gives 40 and 30, -37 gives -40).
// YLO becomes 0 when both are positive and YHI/YLO > 5, and -0.1 * YHI when
// YLO < 0 < YHI and YHI/(-YLO) > 10. An empty or reversed range
// (XMIN >= XMAX), and a limit that is infinite or not a number, come back as
// they are: YLO = XMIN, YHI = XMAX.
void AXLIMITS(float xmin, float xmax, float& ylo, float& yhi);

}  // namespace standsim
