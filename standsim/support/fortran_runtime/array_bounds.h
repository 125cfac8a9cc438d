// Bounds of the caller's vectors. Most support routines take a count beside a
// vector; the vector must hold the elements the count covers. A count or
// subscript that leaves the vector stops the process with a message that
// names the routine and the vector, before anything is read or written.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace standsim {

// Stops the process unless a vector of SIZE elements holds COUNT of them.
// A COUNT of zero or below needs no element.
void check_length(std::string_view routine, std::string_view vector, std::size_t size,
                  int64_t count);

// Stops the process unless the 1-based SUBSCRIPT lies in a vector of SIZE
// elements.
void check_subscript(std::string_view routine, std::string_view vector, std::size_t size,
                     int64_t subscript);

}  // namespace standsim
