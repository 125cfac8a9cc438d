#include "tarvex/window_logic/standsim_library.h"

#include <dlfcn.h>

#include "tarvex/data/tarvex_error.h"

namespace tarvex {
namespace {

void* Routine(void* library, const char* name) {
  void* address = ::dlsym(library, name);
  if (address == nullptr) {
    throw TarvexError(std::string("Cannot find routine ") + name + " in " + kStandsimLibraryName);
  }
  return address;
}

}  // namespace

StandsimEntries BindStandsim(const std::string& libraryPath) {
  // Never closed: the entry points are used until the program ends.
  void* library = ::dlopen(libraryPath.c_str(), RTLD_NOW | RTLD_LOCAL);
  if (library == nullptr) throw TarvexError(std::string("Cannot load ") + kStandsimLibraryName);
  StandsimEntries entries;
  entries.Growth = reinterpret_cast<standsim::GrowthEntry>(Routine(library, "GROWTH"));
  entries.Read4up = reinterpret_cast<standsim::Read4upEntry>(Routine(library, "READ4UP"));
  return entries;
}

}  // namespace tarvex
