// Textual references to data in a file: [FACT "*"] REFNAME ["#" N1 ["," N2]]
// ["/" CODE], with "?" as a placeholder for a number.
#pragma once

#include <cstdint>
#include <string_view>

namespace standsim {

// The parts of a reference that PARSEREF fills.
struct DataReference {
  int32_t VALID = 0;       // flag word: the reference text is not blank
  char REFNAME[256] = {};  // the file or item name, blank padded
  char CODE[1] = {};       // one-letter code after "/"; "s" when there is none
  int32_t N1 = 0;          // first number after "#"; 1 when there is none, 0 for "?"
  int32_t N2 = 0;          // second number after "#"; unchanged when there is none
  float FACT = 0.0f;       // factor before "*"; 1.0 when there is none, 0.0 for "?"
};

// Takes REF apart into SPEC. A blank REF sets VALID false and nothing else.
// Otherwise: the last "/" gives CODE (blank when nothing follows it); the
// last "#" gives N1, and N2 when two numbers follow it, read in free format
// (N1 stays 1 when no number can be read); the first "*" gives FACT from the
// text before it (FACT stays 1.0 when no number can be read there);
// REFNAME is what remains between them.
//
// Example: 2.5*runoff#3,4/m gives FACT 2.5, REFNAME runoff, N1 3, N2 4,
// CODE m; ?*runoff#? gives FACT 0.0, N1 0 and CODE s.
void PARSEREF(std::string_view ref, DataReference& spec);

}  // namespace standsim
