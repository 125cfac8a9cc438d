#include "standsim/support/fortran_runtime/unit_records.h"

#include <string>

#include "standsim/support/fortran_runtime/process_stop.h"

namespace standsim {

UnitRecords::UnitRecords(int32_t unit, int lines_before)
    : lines_(lines_before), source_([this, unit](std::string& record) {
        if (unit_read_line(unit, record) != UnitStatus::ok) return false;
        ++lines_;
        return true;
      }) {}

void stop_unless_open(const OpenedUnit& unit, std::string_view routine,
                      std::string_view file_name) {
  if (unit.is_open()) return;
  const char* reason = lowest_free_unit() < 0    ? "no free unit number"
                       : !file_exists(file_name) ? "no such file"
                                                 : "cannot be opened";
  stop_process(std::string(routine) + ": cannot open file " + open_name(file_name) + ": " + reason);
}

}  // namespace standsim
