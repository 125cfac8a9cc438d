#include "tarvex/data/growth_curve.h"

#include "tarvex/data/tarvex_error.h"

namespace tarvex {

CCai::CCai() { Clear(); }

void CCai::Clear() {
  Points.fill(standsim::CAIPT{});
  NrDataGrowth = 0;
}

bool CCai::AddPoint(int age, double increment) {
  for (int k = 0; k < NrDataGrowth; ++k) {
    if (Points[k].AGE == age) return false;
  }
  if (NrDataGrowth >= kMaxGrowthPoints) {
    throw TarvexError("A growth curve holds at most 99 points");
  }
  Points[NrDataGrowth] = standsim::CAIPT{age, 0, increment};
  ++NrDataGrowth;
  return true;
}

void CCai::DeleteLast() {
  if (NrDataGrowth == 0) return;
  --NrDataGrowth;
  Points[NrDataGrowth] = standsim::CAIPT{};
}

void CCai::GetArrays(std::span<int> ages, std::span<double> increments) const {
  for (int k = 0; k < NrDataGrowth; ++k) {
    ages[k] = Points[k].AGE;
    increments[k] = Points[k].INC;
  }
}

int CCai::MaxAge() const {
  int result = -1;
  for (const standsim::CAIPT& point : Points) {
    if (point.AGE > result) result = point.AGE;
  }
  return result;
}

}  // namespace tarvex
