#include "standsim/support/fortran_runtime/fortran_free_read.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <type_traits>

#include "standsim/support/fortran_runtime/ascii_case.h"
#include "standsim/support/fortran_runtime/fortran_decimal.h"

namespace standsim {
namespace {

bool is_blank(char c) { return c == ' ' || c == '\t'; }

bool ends_item(char c) { return is_blank(c) || c == ',' || c == '/'; }

bool is_digit(char c) { return c >= '0' && c <= '9'; }

bool equals_ignoring_case(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (ascii_lower(a[i]) != ascii_lower(b[i])) return false;
  }
  return true;
}

bool parse_integer(std::string_view item, int32_t& value) {
  // from_chars takes a "-" but no "+"; a sign after the "+" is no integer.
  if (!item.empty() && item.front() == '+') {
    item.remove_prefix(1);
    if (!item.empty() && item.front() == '-') return false;
  }
  int32_t parsed = 0;
  const auto [end, ec] = std::from_chars(item.data(), item.data() + item.size(), parsed);
  if (ec != std::errc() || end != item.data() + item.size()) return false;
  value = parsed;
  return true;
}

// Reads a real in Fortran's notation (see the header) with one rounding to T.
template <typename T>
bool parse_real(std::string_view item, T& value) {
  bool negative = false;
  if (!item.empty() && (item.front() == '+' || item.front() == '-')) {
    negative = item.front() == '-';
    item.remove_prefix(1);
  }
  if (equals_ignoring_case(item, "inf") || equals_ignoring_case(item, "infinity")) {
    value = negative ? -std::numeric_limits<T>::infinity() : std::numeric_limits<T>::infinity();
    return true;
  }
  if (equals_ignoring_case(item, "nan")) {
    value = std::numeric_limits<T>::quiet_NaN();
    return true;
  }
  if (!item.empty() && (is_digit(item.front()) || item.front() == '.')) {
    // The common form, digits with a point and an "e" exponent, is read in
    // place; the value is the same correctly rounded one, and every other
    // form, and a value beyond the range, takes the way below.
    T parsed{};
    const auto [end, ec] = std::from_chars(item.data(), item.data() + item.size(), parsed);
    if (ec == std::errc() && end == item.data() + item.size()) {
      value = negative ? -parsed : parsed;
      return true;
    }
  }
  std::string digits;    // the mantissa's digits, the point left out
  long long point = -1;  // number of digits before the point
  std::size_t i = 0;
  for (; i < item.size(); ++i) {
    if (is_digit(item[i])) {
      digits.push_back(item[i]);
    } else if (item[i] == '.' && point < 0) {
      point = static_cast<long long>(digits.size());
    } else {
      break;
    }
  }
  if (digits.empty()) return false;
  if (point < 0) point = static_cast<long long>(digits.size());
  long long exponent = 0;
  if (i < item.size()) {
    const char c = ascii_lower(item[i]);
    if (c == 'e' || c == 'd' || c == 'q')
      ++i;
    else if (c != '+' && c != '-')
      return false;
    bool exponent_negative = false;
    if (i < item.size() && (item[i] == '+' || item[i] == '-')) {
      exponent_negative = item[i] == '-';
      ++i;
    }
    if (i == item.size()) return false;
    for (; i < item.size(); ++i) {
      if (!is_digit(item[i])) return false;
      if (exponent < 1'000'000'000) exponent = exponent * 10 + (item[i] - '0');
    }
    if (exponent_negative) exponent = -exponent;
  }
  // digits[k] has the weight 10^(point - 1 - k + exponent).
  const long long power = exponent + point - static_cast<long long>(digits.size());
  if constexpr (std::is_same_v<T, float>) {
    value = decimal_to_float(negative, digits, power);
  } else {
    value = decimal_to_double(negative, digits, power);
  }
  return true;
}

bool parse_number(std::string_view item, int32_t& value) { return parse_integer(item, value); }
bool parse_number(std::string_view item, float& value) { return parse_real(item, value); }
bool parse_number(std::string_view item, double& value) { return parse_real(item, value); }

template <typename T>
FreeReadStatus read_all(std::string_view text, std::span<T> values) {
  FreeFormatReader reader(text);
  for (T& value : values) {
    const FreeReadStatus status = reader.read(value);
    if (free_read_failed(status)) return status;
  }
  return FreeReadStatus::value;
}

}  // namespace

FreeReadStatus FreeFormatReader::next_item(std::string_view& item) {
  if (stopped_ != FreeReadStatus::value) return stopped_;
  while (pos_ < text_.size() && is_blank(text_[pos_])) ++pos_;
  if (pos_ == text_.size()) return stopped_ = FreeReadStatus::end;
  const char c = text_[pos_];
  if (c == '/') return stopped_ = FreeReadStatus::null;
  if (c == ',') {
    ++pos_;
    return FreeReadStatus::null;
  }
  const std::size_t start = pos_;
  if (c == '\'' || c == '"') {
    ++pos_;
    while (pos_ < text_.size()) {
      if (text_[pos_] == c) {
        if (pos_ + 1 < text_.size() && text_[pos_ + 1] == c) {
          pos_ += 2;
          continue;
        }
        ++pos_;
        break;
      }
      ++pos_;
    }
  }
  while (pos_ < text_.size() && !ends_item(text_[pos_])) ++pos_;
  item = text_.substr(start, pos_ - start);
  // The separator after a value: blanks and at most one comma.
  while (pos_ < text_.size() && is_blank(text_[pos_])) ++pos_;
  if (pos_ < text_.size() && text_[pos_] == ',') ++pos_;
  return FreeReadStatus::value;
}

template <typename T>
FreeReadStatus FreeFormatReader::read_number(T& value) {
  std::string_view item;
  const FreeReadStatus status = next_item(item);
  if (status != FreeReadStatus::value) return status;
  if (!parse_number(item, value)) return stopped_ = FreeReadStatus::bad;
  return FreeReadStatus::value;
}

FreeReadStatus FreeFormatReader::read(int32_t& value) { return read_number(value); }
FreeReadStatus FreeFormatReader::read(float& value) { return read_number(value); }
FreeReadStatus FreeFormatReader::read(double& value) { return read_number(value); }

FreeReadStatus FreeFormatReader::read(std::string& value) {
  std::string_view item;
  const FreeReadStatus status = next_item(item);
  if (status != FreeReadStatus::value) return status;
  const char quote = item.front();
  if (quote != '\'' && quote != '"') {
    value = item;
    return status;
  }
  std::string text;
  for (std::size_t i = 1; i < item.size(); ++i) {
    if (item[i] == quote) {
      if (i + 1 < item.size() && item[i + 1] == quote) {
        text.push_back(quote);
        ++i;
        continue;
      }
      break;
    }
    text.push_back(item[i]);
  }
  value = std::move(text);
  return status;
}

FreeReadStatus FreeFormatReader::skip() {
  std::string_view ignored;
  return next_item(ignored);
}

FreeReadStatus free_read(std::string_view text, std::span<int32_t> values) {
  return read_all(text, values);
}
FreeReadStatus free_read(std::string_view text, std::span<float> values) {
  return read_all(text, values);
}
FreeReadStatus free_read(std::string_view text, std::span<double> values) {
  return read_all(text, values);
}

}  // namespace standsim
