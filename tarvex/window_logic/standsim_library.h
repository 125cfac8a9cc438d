#pragma once
// Binding of the model library at run time, in place of loading a library by
// name and looking up its exports: libstandsim.so is opened from the
// program's folder and its two entry points are looked up by name. The
// library stays loaded until the process ends.

#include <string>

#include "standsim/engine/standsim_api.h"

namespace tarvex {

inline constexpr const char* kStandsimLibraryName = "libstandsim.so";

struct StandsimEntries {
  standsim::GrowthEntry Growth = nullptr;
  standsim::Read4upEntry Read4up = nullptr;
};

// Opens the library file LIBRARYPATH and binds GROWTH and READ4UP. Raises
// TarvexError "Cannot load libstandsim.so", "Cannot find routine GROWTH in
// libstandsim.so" or "Cannot find routine READ4UP in libstandsim.so".
StandsimEntries BindStandsim(const std::string& libraryPath);

}  // namespace tarvex
