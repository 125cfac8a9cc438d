// GROWTH: the exported entry point of the stand models.
#include <cstring>

#include "standsim/engine/standsim_api.h"

extern "C" void GROWTH(const int32_t*, const int32_t*, const int32_t*, const int32_t*,
                       const int32_t*, const int32_t*, const int32_t*, const int32_t*,
                       standsim::COHPAR*, const standsim::CAIPT*, const int32_t*,
                       const standsim::BIOVEC*, const standsim::MANACT*, const int32_t*,
                       const int32_t*, const int32_t*, const double*, standsim::BIOVEC*,
                       standsim::BIOVEC*, standsim::NUTVEC*, standsim::NUTVEC*,
                       unsigned char* ERRMSG) {
  // The stand models are being built; until then every call is refused.
  static constexpr char message[] = "E: the stand models are not available yet";
  std::memset(ERRMSG, ' ', 127);
  std::memcpy(ERRMSG, message, sizeof message - 1);
  ERRMSG[127] = 0;
}
