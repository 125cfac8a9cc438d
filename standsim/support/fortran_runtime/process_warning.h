// A warning of a support routine: written to standard error at once. It
// never waits for input, so a windowed host goes on undisturbed.
#pragma once

#include <string_view>

namespace standsim {

void report_warning(std::string_view message);

}  // namespace standsim
