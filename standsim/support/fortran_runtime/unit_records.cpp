#include "standsim/support/fortran_runtime/unit_records.h"

#include <string>

#include "standsim/support/fortran_runtime/process_stop.h"

namespace standsim {

UnitRecords::UnitRecords(int32_t unit, int lines_before)
    : lines_(lines_before), source_([this, unit](std::string& record) {
        if (UNIT_READ_LINE(unit, record) != UnitStatus::ok) return false;
        ++lines_;
        return true;
      }) {}

void STOP_UNLESS_OPEN(const OpenedUnit& unit, std::string_view routine, std::string_view file_name) {
  if (unit.is_open()) return;
  const char* reason = LOWEST_FREE_UNIT() < 0  ? "no free unit number"
                       : !FILE_EXISTS(file_name) ? "no such file"
                                                 : "cannot be opened";
  STOP_PROCESS(std::string(routine) + ": cannot open file " + OPEN_NAME(file_name) + ": " + reason);
}

}  // namespace standsim
