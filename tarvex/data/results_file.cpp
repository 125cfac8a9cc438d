#include "tarvex/data/results_file.h"

#include <algorithm>

#include "tarvex/data/atomic_file.h"
#include "tarvex/data/number_text.h"
#include "tarvex/data/site.h"
#include "tarvex/data/tarvex_error.h"

namespace tarvex {

std::string CSite::WriteResults(const std::string& fileName, int n,
                                std::span<const std::string_view> names, bool all) const {
  using namespace standsim;
  if (n < 0 || static_cast<std::size_t>(n) > names.size()) {
    throw TarvexError("Cannot write output file " + fileName + ": " + FormatInt(n) +
                      " column names asked for, " +
                      FormatInt(static_cast<long long>(names.size())) + " given");
  }
  std::string text = "! Year";
  for (int k = 0; k < n; ++k) {
    text += ',';
    text += names[static_cast<std::size_t>(k)];
  }
  text += '\n';
  const auto value = [&text](double v) {
    text += ',';
    text += FormatFixed6(v);
  };
  // Stems first in the file; the records hold branches, coarse roots, fine
  // roots, leaves, stems.
  constexpr int kFileOrder[kCompartments] = {ST, BR, CR, FR, LV};
  for (int y = std::max(FirstYear, 0); y <= std::min(LastYear, kLastYear); ++y) {
    text += FormatInt(y);
    for (int slot : {NUT_N, NUT_CA, NUT_MG, NUT_K}) value(SumUptake[y].v[slot]);
    for (int slot : {NUT_C, NUT_N}) value(SumSoilInputs[y].v[slot]);
    if (all) {
      for (int k : kFileOrder) value(SumBiomass[y].v[k]);
      for (int k : kFileOrder) value(SumLitterfall[y].v[k]);
    }
    text += '\n';
  }
  try {
    SaveFileAtomically(fileName, text);
  } catch (const AtomicSaveError& e) {
    if (!e.Created()) throw TarvexError("cannot open output file! " + fileName + ": " + e.what());
    throw TarvexError("Cannot write output file " + fileName + ": " + e.what());
  }
  return text;
}

}  // namespace tarvex
