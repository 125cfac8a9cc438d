// The two entry points that libstandsim.so exports. Every argument is passed
// by reference, as a plain pointer; there are no hidden lengths and no return
// values. Messages come back in ERRMSG: 127 characters and a zero byte, a
// first byte that is a blank or zero meaning success.
#pragma once

#include <cstdint>

#include "standsim/engine/growth_records.h"

#define STANDSIM_EXPORT __attribute__((visibility("default")))

extern "C" {

// Runs the stand model for cohorts 1..NCOH over the years IYR1..IYR2.
STANDSIM_EXPORT void GROWTH(const int32_t* MANTYPE, const int32_t* IB, const int32_t* IE,
                            const int32_t* NCMAX, const int32_t* NCOH, const int32_t* IYR1,
                            const int32_t* IYR2, const int32_t* NPMAX, standsim::COHPAR* CPAR,
                            const standsim::CAIPT* CAIP, const int32_t* BAFAGE,
                            const standsim::BIOVEC* BAFVAL, const standsim::MANACT* MACT,
                            const int32_t* NMACT, const int32_t* NBAF, const int32_t* NCAIP,
                            const double* NDEP, standsim::BIOVEC* BIOM, standsim::BIOVEC* LITF,
                            standsim::NUTVEC* UPT, standsim::NUTVEC* SOILIN, unsigned char* ERRMSG);

// Reads the period and the N deposition series of a QSM input file.
STANDSIM_EXPORT void READ4UP(const unsigned char* FNAME, const int32_t* IB, const int32_t* IE,
                             int32_t* IYR1, int32_t* IYR2, float* NDEP, unsigned char* ERRMSG);
}

namespace standsim {
using GrowthEntry = decltype(&GROWTH);
using Read4upEntry = decltype(&READ4UP);
}  // namespace standsim
