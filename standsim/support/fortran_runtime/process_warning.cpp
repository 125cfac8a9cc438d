#include "standsim/support/fortran_runtime/process_warning.h"

#include <cstdio>

namespace standsim {

void report_warning(std::string_view message) {
  std::fprintf(stderr, "%.*s\n", static_cast<int>(message.size()), message.data());
  std::fflush(stderr);
}

}  // namespace standsim
