#include "standsim/support/fortran_runtime/array_bounds.h"

#include <charconv>
#include <string>

#include "standsim/support/fortran_runtime/process_stop.h"

namespace standsim {
namespace {

std::string decimal(int64_t value) {
  char digits[24];
  const auto end = std::to_chars(digits, digits + sizeof digits, value).ptr;
  return std::string(digits, end);
}

}  // namespace

void check_length(std::string_view routine, std::string_view vector, std::size_t size,
                  int64_t count) {
  if (count <= 0 || static_cast<uint64_t>(count) <= size) return;
  stop_process(std::string(routine) + ": " + std::string(vector) + " holds fewer than " +
               decimal(count) + " elements!");
}

void check_subscript(std::string_view routine, std::string_view vector, std::size_t size,
                     int64_t subscript) {
  if (subscript >= 1 && static_cast<uint64_t>(subscript) <= size) return;
  stop_process(std::string(routine) + ": subscript " + decimal(subscript) + " outside " +
               std::string(vector) + "!");
}

}  // namespace standsim
