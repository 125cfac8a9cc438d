// A bisection root finder that reports trouble in the caller's message text.
#pragma once

#include <span>

namespace standsim {

// The function whose root is sought: FUNC(X, A, B).
using RootFunction = float (*)(float x, float a, float b);

// A root of FUNC(X, A, B) between X1 and X2 (either may be the larger), found
// by halving the bracket until it is narrower than TOL; 4-byte arithmetic
// throughout, FUNC called at most 102 times.
//
// ERRMSG is the caller's text of at least 12 characters: on failure its first
// character becomes the severity ("E" error, "W" warning) and the message is
// written from its 12th character on; characters 2 to 11 are never written,
// and a root found leaves the whole text as it was.
// - "E", "ROOTIO: root not bracketed." when FUNC has the same strict sign at
//   both ends; the result is then 0.0. An end where FUNC is exactly 0 counts
//   as bracketing, and the search closes in on it.
// - "W", "ROOTIO: exceeding maximum iterations." after 100 halvings; the
//   result is the midpoint of the last bracket.
// The signs of the two values are compared, not their product, so values too
// small for their product to be told from zero are still told apart.
float ROOTIO(float x1, float x2, float a, float b, float tol, RootFunction func,
             std::span<char> errmsg);

}  // namespace standsim
