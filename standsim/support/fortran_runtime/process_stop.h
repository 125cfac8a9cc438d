// The stop of a routine that meets a condition it cannot return from: the
// message goes to standard error and the process ends with a non-zero code.
#pragma once

#include <string_view>

namespace standsim {

[[noreturn]] void stop_process(std::string_view message);

}  // namespace standsim
