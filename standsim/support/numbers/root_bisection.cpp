#include "standsim/support/numbers/root_bisection.h"

#include <cmath>
#include <string_view>

#include "standsim/support/text/fixed_text.h"

namespace standsim {
namespace {

constexpr int max_iterations = 100;

// Both values strictly positive or both strictly negative.
bool same_strict_sign(float f1, float f2) {
  return (f1 > 0.0f && f2 > 0.0f) || (f1 < 0.0f && f2 < 0.0f);
}

void report(std::span<char> errmsg, char severity, std::string_view message) {
  constexpr std::size_t text_start = 11;  // the message begins at character 12
  if (errmsg.empty()) return;
  errmsg[0] = severity;
  if (errmsg.size() > text_start) assign_text(errmsg.subspan(text_start), message);
}

}  // namespace

float ROOTIO(float x1, float x2, float a, float b, float tol, RootFunction func,
             std::span<char> errmsg) {
  float f1 = func(x1, a, b);
  const float f2 = func(x2, a, b);
  if (same_strict_sign(f1, f2)) {
    report(errmsg, 'E', "ROOTIO: root not bracketed.");
    return 0.0f;
  }
  float lo = x1;
  float hi = x2;
  for (int iteration = 0; iteration < max_iterations; ++iteration) {
    const float mid = (lo + hi) * 0.5f;
    const float fm = func(mid, a, b);
    if (tol > std::fabs(hi - lo)) return mid;
    if (same_strict_sign(fm, f1)) {
      lo = mid;
      f1 = fm;
    } else {
      hi = mid;
    }
  }
  report(errmsg, 'W', "ROOTIO: exceeding maximum iterations.");
  return (lo + hi) * 0.5f;
}

}  // namespace standsim
