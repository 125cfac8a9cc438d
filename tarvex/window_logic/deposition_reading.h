#pragma once
// One READ4UP call: the period and the N deposition series of a QSM input
// file, taken into the site only when the reading succeeded.

#include <string>

#include "standsim/engine/standsim_api.h"
#include "tarvex/data/site.h"

namespace tarvex {

// Reads FILENAME (the name as READ4UP opens it) over the years 0..4999 and
// stores the period in the site's FirstYear and LastYear and the deposition
// of those years (eq/m2/yr) in its Ndep; the other years of Ndep keep their
// values. On failure the site is left as it was and TarvexError is raised:
// with read4up_file_name.h's message for a name READ4UP cannot take, else
// "Cannot read N deposition: " and READ4UP's message without its padding.
void ReadDeposition(standsim::Read4upEntry read4up, const std::string& fileName, CSite& site);

}  // namespace tarvex
