// GROWTH: the exported entry point of the stand models. It turns the
// caller's pointers into a checked view of the call, runs it and returns the
// message: 127 characters, blank padded, and a zero byte.
#include <cstddef>
#include <cstdint>
#include <new>
#include <string>

#include "standsim/engine/growth_call.h"
#include "standsim/engine/growth_frame.h"
#include "standsim/engine/standsim_api.h"
#include "standsim/support/fortran_runtime/process_stop.h"
#include "standsim/support/text/fixed_text.h"

namespace standsim {
namespace {

constexpr int32_t kMessageBytes = 128;

// The view of the call's arrays. Their extents follow from the scalars,
// which are checked before any array is read: counts of cohorts, points and
// actions are bounded by NCMAX and NPMAX, years by IB and IE.
GrowthCall view_of(const int32_t* MANTYPE, const int32_t* IB, const int32_t* IE,
                   const int32_t* NCMAX, const int32_t* NCOH, const int32_t* IYR1,
                   const int32_t* IYR2, const int32_t* NPMAX, COHPAR* CPAR, const CAIPT* CAIP,
                   const int32_t* BAFAGE, const BIOVEC* BAFVAL, const MANACT* MACT,
                   const int32_t* NMACT, const int32_t* NBAF, const int32_t* NCAIP,
                   const double* NDEP, BIOVEC* BIOM, BIOVEC* LITF, NUTVEC* UPT, NUTVEC* SOILIN) {
  GrowthCall call;
  call.mantype = *MANTYPE;
  call.ib = *IB;
  call.ie = *IE;
  call.ncmax = *NCMAX;
  call.ncoh = *NCOH;
  call.iyr1 = *IYR1;
  call.iyr2 = *IYR2;
  call.npmax = *NPMAX;
  const bool sized = call.ncoh >= 0 && call.ncoh <= call.ncmax && call.ie >= call.ib;
  if (!sized || call.ncoh == 0) return call;  // refused, or nothing to read

  const std::size_t cohorts = static_cast<std::size_t>(call.ncoh);
  const std::size_t points =
      call.npmax < 1 ? 0
                     : static_cast<std::size_t>(call.ncmax) * static_cast<std::size_t>(call.npmax);
  const std::size_t results = cohorts * call.years();
  call.cpar = {CPAR, cohorts};
  call.caip = {CAIP, points};
  call.bafage = {BAFAGE, points};
  call.bafval = {BAFVAL, points};
  call.mact = {MACT, points};
  call.nmact = {NMACT, cohorts};
  call.nbaf = {NBAF, cohorts};
  call.ncaip = {NCAIP, cohorts};
  call.ndep = {NDEP, call.ie < 1 ? 0 : static_cast<std::size_t>(call.ie)};
  call.biom = {BIOM, results};
  call.litf = {LITF, results};
  call.upt = {UPT, results};
  call.soilin = {SOILIN, results};
  return call;
}

}  // namespace
}  // namespace standsim

extern "C" void GROWTH(const int32_t* MANTYPE, const int32_t* IB, const int32_t* IE,
                       const int32_t* NCMAX, const int32_t* NCOH, const int32_t* IYR1,
                       const int32_t* IYR2, const int32_t* NPMAX, standsim::COHPAR* CPAR,
                       const standsim::CAIPT* CAIP, const int32_t* BAFAGE,
                       const standsim::BIOVEC* BAFVAL, const standsim::MANACT* MACT,
                       const int32_t* NMACT, const int32_t* NBAF, const int32_t* NCAIP,
                       const double* NDEP, standsim::BIOVEC* BIOM, standsim::BIOVEC* LITF,
                       standsim::NUTVEC* UPT, standsim::NUTVEC* SOILIN, unsigned char* ERRMSG) {
  using namespace standsim;
  std::string message;
  try {
    message =
        run_growth(view_of(MANTYPE, IB, IE, NCMAX, NCOH, IYR1, IYR2, NPMAX, CPAR, CAIP, BAFAGE,
                           BAFVAL, MACT, NMACT, NBAF, NCAIP, NDEP, BIOM, LITF, UPT, SOILIN));
  } catch (const std::bad_alloc&) {
    stop_process("standsim: out of memory in GROWTH");
  }
  char padded_message[kMessageBytes];
  assign_text(padded_message, message);
  STR2BYTE({padded_message, kMessageBytes}, kMessageBytes, ERRMSG);
}
