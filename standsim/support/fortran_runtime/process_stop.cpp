#include "standsim/support/fortran_runtime/process_stop.h"

#include <cstdio>
#include <cstdlib>

namespace standsim {

void stop_process(std::string_view message) {
  std::fprintf(stderr, "%.*s\n", static_cast<int>(message.size()), message.data());
  std::fflush(stderr);
  std::exit(EXIT_FAILURE);
}

}  // namespace standsim
