// The parts of a cohort's yearly budget that both stand models compute alike.
#pragma once

#include <cmath>

#include "standsim/engine/biovec_ops.h"
#include "standsim/engine/growth_constants.h"
#include "standsim/engine/growth_records.h"

namespace standsim {

// How the leaf N content responds to the deposition D: the share of the
// span from Nlfmin to Nlfmax that the leaves do not reach. (The product of
// the negated exponent and D is the same whichever factor comes first.)
inline double leaf_n_response(double expnlf, double d) { return std::exp(-expnlf * d); }

// Leaf N content for the year's RESPONSE (leaf_n_response), stored into the
// leaves slot of the cohort's N contents, which the year's later steps use.
inline double update_leaf_n(COHPAR& p, double response) {
  const double leaf_n = p.Nlfmin + (1.0 - response) * (p.Nlfmax - p.Nlfmin);
  p.ctN.v[LV] = leaf_n;
  return leaf_n;
}

inline bool is_evergreen(const COHPAR& p) { return (p.Evergreen & 1) != 0; }

// N uptake before the deciduous correction: what the standing biomass gained
// plus its turnover, in equivalents.
inline double gross_n_uptake(const BIOVEC& bio, const BIOVEC& prev, const BIOVEC& turnover,
                             const COHPAR& p) {
  return component_sum((bio - prev + turnover) * p.ctN) * kEquivalentsN;
}

// Ca, Mg and K uptake net of litterfall: the change of the standing biomass
// plus what left the site.
inline void cation_uptake(const BIOVEC& now, const BIOVEC& prev, const BIOVEC& exported,
                          const COHPAR& p, NUTVEC& upt) {
  const BIOVEC gain = now - prev + exported;
  upt.v[NUT_CA] = component_sum(gain * p.ctCa) * kEquivalentsCa;
  upt.v[NUT_MG] = component_sum(gain * p.ctMg) * kEquivalentsMg;
  upt.v[NUT_K] = component_sum(gain * p.ctK) * kEquivalentsK;
}

// Carbon and organic N that reach the soil with the litterfall.
inline void soil_inputs(const BIOVEC& litf, const COHPAR& p, NUTVEC& soilin) {
  soilin.v[NUT_C] = component_sum(litf * p.CarbonContent) * kPercentOf;
  soilin.v[NUT_N] = component_sum(litf * p.ctN) * kPercentOf;
}

}  // namespace standsim
