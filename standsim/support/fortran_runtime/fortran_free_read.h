// Free-format reading of values from a text, in the manner of a Fortran
// list-directed read, independent of the locale.
//
// Items are separated by blanks, TABs or a comma (with blanks around it).
// Values are taken in order, as many as asked; the rest of the text is not
// looked at. Like a Fortran run-time:
// - a comma with no value before it (",," or a leading ",") is a null value:
//   the variable keeps what it held;
// - a "/" ends the read: this and every later variable keep what they held;
// - an integer is an optional sign ("+" or "-") and decimal digits within
//   the 32-bit range; "1995.5", "1e3" or "12abc" are no integers;
// - a real is an optional sign, digits with at most one ".", at least one
//   digit, and an optional exponent: a letter E, D or Q (any case) with an
//   optional sign and digits, or a sign and digits alone ("1.5-3" is
//   0.0015); "Inf", "Infinity" and "NaN" (any case, with a sign) are read
//   too. The text is rounded once, to the precision of the variable; a value
//   beyond the range of the variable becomes an infinity, one below its
//   smallest magnitude zero, as a Fortran run-time does;
// - a text item is a run of characters up to the next separator, or a text
//   in apostrophes or double quotes (a doubled quote inside stands for one),
//   which may hold separators.
// Unlike a Fortran run-time, a repeat count ("3*1.0") is not recognised (the
// item is no number), a ";" is not a separator, and a zero byte is an
// ordinary character (so it makes a number item unreadable).
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace standsim {

enum class FreeReadStatus {
  value,  // the variable received a value
  null,   // null value or after "/": the variable is unchanged, no error
  end,    // the text holds no further item: the variable is unchanged
  bad,    // the item is not of the variable's kind: the variable is unchanged
};

// True for the two outcomes that make a Fortran read fail.
inline bool free_read_failed(FreeReadStatus status) {
  return status == FreeReadStatus::end || status == FreeReadStatus::bad;
}

// Reads one value after the other from TEXT, which must outlive the reader.
// After an end or a bad item every further read gives the same status.
class FreeFormatReader {
 public:
  explicit FreeFormatReader(std::string_view text) : text_(text) {}

  FreeReadStatus read(int32_t& value);
  FreeReadStatus read(float& value);
  FreeReadStatus read(double& value);
  FreeReadStatus read(std::string& value);
  // Reads a text item and drops it.
  FreeReadStatus skip();

 private:
  // The next item's characters (quotes still around a quoted item), or the
  // status when there is none.
  FreeReadStatus next_item(std::string_view& item);
  template <typename T>
  FreeReadStatus read_number(T& value);

  std::string_view text_;
  std::size_t pos_ = 0;
  FreeReadStatus stopped_ = FreeReadStatus::value;  // value: still reading
};

// Reads VALUES.size() values from TEXT into VALUES in order, as one Fortran
// read of that many variables. Returns value when every variable was read
// or kept by a null value or a "/", else the first failing status (the
// variables before it are read, the later ones unchanged).
FreeReadStatus free_read(std::string_view text, std::span<int32_t> values);
FreeReadStatus free_read(std::string_view text, std::span<float> values);
FreeReadStatus free_read(std::string_view text, std::span<double> values);

}  // namespace standsim
