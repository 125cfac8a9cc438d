// A file written on a unit under a temporary name in its target's folder and
// renamed over the target only once it is complete and checked, so that a
// failed write never leaves a half-written target behind.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace standsim {

class ReplacingUnit {
 public:
  // Creates the temporary file for TARGET (a fixed-length file name, see
  // open_name) on the lowest free unit.
  explicit ReplacingUnit(std::string_view target);
  // Closes and removes the temporary file unless it was committed.
  ~ReplacingUnit();
  ReplacingUnit(const ReplacingUnit&) = delete;
  ReplacingUnit& operator=(const ReplacingUnit&) = delete;

  bool is_open() const { return unit_ > 0; }
  int32_t number() const { return unit_; }

  // Writes LINE and "\n"; a failed write makes commit() fail.
  void write_line(std::string_view line);

  // Closes the temporary file, checks that it holds everything written and
  // renames it over the target. False when anything failed; the target is
  // then as it was, and the temporary file is gone.
  bool commit();

 private:
  std::string target_;
  std::string temporary_;
  int32_t unit_ = -1;
  bool failed_ = false;
  unsigned long long bytes_ = 0;
};

}  // namespace standsim
