// A caller's array of fixed-length texts of one declared length, laid end to
// end as one block of bytes: text i (1-based) occupies the bytes
// (i - 1) * length .. i * length - 1. An index outside 1..size() stops the
// process with a message naming the array.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "standsim/support/fortran_runtime/process_stop.h"

namespace standsim {

class TextArray {
 public:
  // BYTES holds the texts; its size is a whole multiple of LENGTH (LENGTH > 0).
  TextArray(std::span<char> bytes, std::size_t length, std::string_view array_name = "text array")
      : bytes_(bytes), length_(length), name_(array_name) {}

  std::size_t length() const { return length_; }
  int32_t size() const { return length_ == 0 ? 0 : static_cast<int32_t>(bytes_.size() / length_); }

  std::span<char> operator[](int32_t i) const {
    if (i < 1 || i > size())
      stop_process(std::string(name_) + ": index " + std::to_string(i) + " out of range!");
    return bytes_.subspan(static_cast<std::size_t>(i - 1) * length_, length_);
  }

  std::string_view text(int32_t i) const {
    const std::span<char> t = (*this)[i];
    return {t.data(), t.size()};
  }

 private:
  std::span<char> bytes_;
  std::size_t length_;
  std::string_view name_;
};

}  // namespace standsim
