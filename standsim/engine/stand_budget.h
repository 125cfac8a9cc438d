// The parts of a cohort's yearly budget that both stand models compute alike.
// PARAMS is a cohort's record (COHPAR) or the records of cohorts computed
// side by side (CohortLanes), whose fields have the record's names; the
// vectors and values are doubles or lanes of doubles to match.
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
template <typename Params, typename Real>
[[gnu::always_inline]] inline Real update_leaf_n(Params& p, Real response) {
  const Real leaf_n = p.Nlfmin + (1.0 - response) * (p.Nlfmax - p.Nlfmin);
  p.ctN.v[LV] = leaf_n;
  return leaf_n;
}

inline bool is_evergreen(const COHPAR& p) { return (p.Evergreen & 1) != 0; }

// N uptake before the deciduous correction: what the standing biomass gained
// plus its turnover, in equivalents.
template <typename Bio, typename Params>
[[gnu::always_inline]] inline auto gross_n_uptake(const Bio& bio, const Bio& prev,
                                                  const Bio& turnover, const Params& p) {
  return component_sum((bio - prev + turnover) * p.ctN) * kEquivalentsN;
}

// Ca, Mg and K uptake net of litterfall: the change of the standing biomass
// plus what left the site.
template <typename Bio, typename Params, typename Nut>
[[gnu::always_inline]] inline void cation_uptake(const Bio& now, const Bio& prev,
                                                 const Bio& exported, const Params& p, Nut& upt) {
  const Bio gain = now - prev + exported;
  upt.v[NUT_CA] = component_sum(gain * p.ctCa) * kEquivalentsCa;
  upt.v[NUT_MG] = component_sum(gain * p.ctMg) * kEquivalentsMg;
  upt.v[NUT_K] = component_sum(gain * p.ctK) * kEquivalentsK;
}

// Carbon and organic N that reach the soil with the litterfall.
template <typename Bio, typename Params, typename Nut>
[[gnu::always_inline]] inline void soil_inputs(const Bio& litf, const Params& p, Nut& soilin) {
  soilin.v[NUT_C] = component_sum(litf * p.CarbonContent) * kPercentOf;
  soilin.v[NUT_N] = component_sum(litf * p.ctN) * kPercentOf;
}

}  // namespace standsim
