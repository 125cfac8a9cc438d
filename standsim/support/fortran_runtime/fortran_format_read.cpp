#include "standsim/support/fortran_runtime/fortran_format_read.h"

#include <cstdint>
#include <limits>
#include <string>
#include <string_view>

#include "standsim/support/fortran_runtime/ascii_case.h"
#include "standsim/support/fortran_runtime/fortran_decimal.h"

namespace standsim {
namespace {

using Kind = FormatNode::Kind;

bool is_exponent_letter(char c) {
  return c == 'e' || c == 'E' || c == 'd' || c == 'D' || c == 'q' || c == 'Q';
}

bool is_digit(char c) { return c >= '0' && c <= '9'; }

bool only_blanks(std::string_view text) {
  return text.find_first_not_of(' ') == std::string_view::npos;
}

// INF, INFINITY, NAN or NAN(...) at the start of TEXT, followed by blanks
// only; the value is stored with the sign given.
template <typename Real>
bool read_special(std::string_view text, bool negative, Real& value) {
  std::string word;
  for (const char c : text) word += ascii_lower(c);
  std::string_view rest;
  Real special;
  if (word.starts_with("infinity")) {
    rest = std::string_view(word).substr(8);
    special = std::numeric_limits<Real>::infinity();
  } else if (word.starts_with("inf")) {
    rest = std::string_view(word).substr(3);
    special = std::numeric_limits<Real>::infinity();
  } else if (word.starts_with("nan")) {
    rest = std::string_view(word).substr(3);
    if (rest.starts_with("(")) {
      const std::size_t close = rest.find(')');
      if (close == std::string_view::npos) return false;
      rest = rest.substr(close + 1);
    }
    special = std::numeric_limits<Real>::quiet_NaN();
  } else {
    return false;
  }
  if (!only_blanks(rest)) return false;
  value = negative ? -special : special;
  return true;
}

// Largest exponent magnitude a real field may carry.
constexpr int kFieldExponentLimit = 9999;

// The unread rest of a field.
struct FieldCursor {
  std::string_view field;
  std::size_t at = 0;

  bool done() const { return at == field.size(); }
  std::string_view rest() const { return field.substr(at); }
  void skip_blanks() {
    while (!done() && field[at] == ' ') ++at;
  }
  // Passes over a "+" or "-" standing here; NEGATIVE tells which it was.
  bool take_sign(bool& negative) {
    if (done() || (field[at] != '+' && field[at] != '-')) return false;
    negative = field[at++] == '-';
    return true;
  }
  // INF, INFINITY or NAN may start here.
  bool at_special() const {
    return !done() && (ascii_lower(field[at]) == 'i' || ascii_lower(field[at]) == 'n');
  }
};

// The digits of a real field before its exponent.
struct Mantissa {
  std::string digits;
  bool point = false;
  long long fraction = 0;  // digits after the point
  bool exponent = false;   // an exponent letter or sign ended the digits
};

// Reads digits and at most one point up to the end of the field, an
// exponent letter (passed over) or the sign of an exponent without a letter.
// Blanks are passed over, or read as zeros under BZ. False on any other
// character.
bool read_mantissa(FieldCursor& cursor, bool blanks_zero, Mantissa& mantissa) {
  for (; !cursor.done(); ++cursor.at) {
    const char c = cursor.field[cursor.at];
    if (is_digit(c) || (c == ' ' && blanks_zero)) {
      mantissa.digits += c == ' ' ? '0' : c;
      if (mantissa.point) ++mantissa.fraction;
    } else if (c == ' ') {
      continue;
    } else if (c == '.') {
      if (mantissa.point) return false;
      mantissa.point = true;
    } else if (is_exponent_letter(c) || c == '+' || c == '-') {
      mantissa.exponent = true;
      if (is_exponent_letter(c)) ++cursor.at;
      return true;
    } else {
      return false;
    }
  }
  return true;
}

// Reads the exponent after the mantissa into POWER: an optional sign and at
// least one digit, blanks as in the mantissa, up to the end of the field and
// at most kFieldExponentLimit in magnitude.
bool read_exponent(FieldCursor& cursor, bool blanks_zero, long long& power) {
  cursor.skip_blanks();
  bool negative = false;
  if (cursor.take_sign(negative)) cursor.skip_blanks();
  bool any_digit = false;
  long long magnitude = 0;
  for (; !cursor.done(); ++cursor.at) {
    const char c = cursor.field[cursor.at];
    if (is_digit(c) || (c == ' ' && blanks_zero)) {
      any_digit = true;
      magnitude = magnitude * 10 + (c == ' ' ? 0 : c - '0');
      if (magnitude > kFieldExponentLimit) return false;
    } else if (c != ' ') {
      return false;
    }
  }
  if (!any_digit) return false;
  power = negative ? -magnitude : magnitude;
  return true;
}

// A field read under F, E, D or G editing (DECIMALS the descriptor's d,
// SCALE the scale factor P, BLANKS_ZERO under BZ): an optional sign (alone,
// a zero), then INF, NAN or a mantissa and an optional exponent.
template <typename Real>
bool read_real_field(std::string_view field, int decimals, int scale, bool blanks_zero,
                     Real& value) {
  FieldCursor cursor{field};
  cursor.skip_blanks();
  bool negative = false;
  if (cursor.take_sign(negative)) {
    cursor.skip_blanks();
    if (cursor.done()) {  // a sign alone reads as an unsigned zero
      value = Real(0);
      return true;
    }
  }
  if (cursor.at_special()) return read_special(cursor.rest(), negative, value);

  Mantissa mantissa;
  if (!read_mantissa(cursor, blanks_zero, mantissa)) return false;
  // An exponent in the field takes the place of the scale factor; a point in
  // it, that of the descriptor's decimals.
  long long power = -scale;
  if (mantissa.exponent && !read_exponent(cursor, blanks_zero, power)) return false;
  power -= mantissa.point ? mantissa.fraction : decimals;

  if constexpr (std::is_same_v<Real, float>) {
    value = decimal_to_float(negative, mantissa.digits, power);
  } else {
    value = decimal_to_double(negative, mantissa.digits, power);
  }
  return true;
}

enum class FieldResult { ok, bad, overflow };

FieldResult read_integer_field(std::string_view field, bool blanks_zero, std::int32_t& value) {
  std::size_t i = 0;
  const std::size_t n = field.size();
  while (i < n && field[i] == ' ') ++i;
  if (i == n) {
    value = 0;
    return FieldResult::ok;
  }
  bool negative = false;
  if (field[i] == '+' || field[i] == '-') {
    negative = field[i++] == '-';
    while (i < n && field[i] == ' ') ++i;
    if (i == n) return FieldResult::bad;
  }
  const long long limit = negative ? 2147483648LL : 2147483647LL;
  long long magnitude = 0;
  bool overflow = false;
  for (; i < n; ++i) {
    const char c = field[i];
    if (c == ' ' && !blanks_zero) continue;
    if (c != ' ' && !is_digit(c)) return FieldResult::bad;
    magnitude = magnitude * 10 + (c == ' ' ? 0 : c - '0');
    if (magnitude > limit) {
      overflow = true;
      magnitude = limit;
    }
  }
  if (overflow) return FieldResult::overflow;
  value = static_cast<std::int32_t>(negative ? -magnitude : magnitude);
  return FieldResult::ok;
}

bool read_logical_field(std::string_view field, std::int32_t& word) {
  std::size_t i = field.find_first_not_of(' ');
  if (i == std::string_view::npos) return false;
  if (field[i] == '.' && ++i == field.size()) return false;
  const char c = ascii_lower(field[i]);
  if (c != 't' && c != 'f') return false;
  word = c == 't' ? 1 : 0;
  return true;
}

// Edit steps a read may take without transferring a value or starting a
// record, beyond one per column of its record.
constexpr std::size_t kIdleStepAllowance = 4096;

const char* item_type_name(const ReadItem& item) {
  if (std::holds_alternative<std::int32_t*>(item)) return "INTEGER";
  if (std::holds_alternative<FlagWord>(item)) return "LOGICAL";
  return "REAL";
}

class FormattedRead {
 public:
  FormattedRead(const RecordSource& source, const InputFormat& format,
                std::span<const ReadItem> items)
      : source_(source), format_(format), items_(items) {}

  ReadResult run() {
    if (!format_.error().empty()) {
      stop(ReadOutcome::bad_format, format_.error());
      return result_;
    }
    if (!next_record() || !run_nodes(format_.nodes(), 0)) return result_;
    while (next_item_ < items_.size()) {
      if (!format_.reverts_to_data()) {
        stop(ReadOutcome::bad_format, "Insufficient data descriptors in format after reversion");
        return result_;
      }
      if (!next_record() || !run_nodes(format_.nodes(), format_.reversion_start())) return result_;
    }
    return result_;
  }

 private:
  // Each returns false when the statement has ended, successfully or not.
  bool run_nodes(const std::vector<FormatNode>& nodes, std::size_t first) {
    for (std::size_t k = first; k < nodes.size(); ++k) {
      const FormatNode& node = nodes[k];
      if (!step()) return false;
      switch (node.kind) {
        case Kind::group:
          for (int r = 0; r < node.repeat; ++r) {
            if (!step() || !run_nodes(node.children, 0)) return false;
          }
          break;
        case Kind::integer:
        case Kind::real:
        case Kind::logical:
        case Kind::general:
          for (int r = 0; r < node.repeat; ++r) {
            if (next_item_ == items_.size()) return false;
            if (!transfer(node, items_[next_item_])) return false;
            ++next_item_;
            idle_steps_ = 0;
          }
          break;
        case Kind::next_record:
          for (int r = 0; r < node.repeat; ++r) {
            if (!next_record()) return false;
          }
          break;
        case Kind::stop_if_done:
          if (next_item_ == items_.size()) return false;
          break;
        case Kind::skip_right:
          column_ += static_cast<std::size_t>(node.value);
          break;
        case Kind::skip_left:
          column_ = column_ > static_cast<std::size_t>(node.value)
                        ? column_ - static_cast<std::size_t>(node.value)
                        : 0;
          break;
        case Kind::tab:
          column_ = static_cast<std::size_t>(node.value) - 1;
          break;
        case Kind::scale:
          scale_ = node.value;
          break;
        case Kind::blanks_null:
        case Kind::blanks_zero:
          blanks_zero_ = node.kind == Kind::blanks_zero;
          break;
        case Kind::sign_mode:
          break;
      }
    }
    return true;
  }

  bool next_record() {
    if (!source_(record_)) {
      stop(ReadOutcome::end_of_file, "End of file");
      return false;
    }
    column_ = 0;
    idle_steps_ = 0;
    return true;
  }

  // Counts an edit step. Repeat counts such as (99999(99999(1x))) would keep
  // a read going for an unbounded time without transferring anything: once
  // the steps since the last value or record exceed the record, the format
  // is refused as unusable (false).
  bool step() {
    if (++idle_steps_ <= record_.size() + kIdleStepAllowance) return true;
    return stop(ReadOutcome::bad_format, "Format repeats without reading a value");
  }

  // The next field of WIDTH columns; a comma ends it early and is passed over.
  std::string_view take_field(int width) {
    const std::size_t start = column_;
    column_ += static_cast<std::size_t>(width);
    if (start >= record_.size()) return {};
    std::string_view field =
        std::string_view(record_).substr(start, static_cast<std::size_t>(width));
    const std::size_t comma = field.find(',');
    if (comma != std::string_view::npos) {
      field = field.substr(0, comma);
      column_ = start + comma + 1;
    }
    return field;
  }

  bool transfer(const FormatNode& node, const ReadItem& item) {
    const bool wants_real = node.kind == Kind::real || node.kind == Kind::general;
    const bool wants_integer = node.kind == Kind::integer || node.kind == Kind::general;
    const bool wants_logical = node.kind == Kind::logical || node.kind == Kind::general;
    const char* expected = node.kind == Kind::integer   ? "INTEGER"
                           : node.kind == Kind::logical ? "LOGICAL"
                                                        : "REAL";
    const std::string_view field = take_field(node.width);

    if (float* const* f = std::get_if<float*>(&item); f && wants_real) {
      if (read_real_field(field, node.digits, scale_, blanks_zero_, **f)) return true;
      return stop(ReadOutcome::bad_value, "Bad value during floating point read");
    }
    if (double* const* d = std::get_if<double*>(&item); d && wants_real) {
      if (read_real_field(field, node.digits, scale_, blanks_zero_, **d)) return true;
      return stop(ReadOutcome::bad_value, "Bad value during floating point read");
    }
    if (std::int32_t* const* i = std::get_if<std::int32_t*>(&item); i && wants_integer) {
      switch (read_integer_field(field, blanks_zero_, **i)) {
        case FieldResult::ok:
          return true;
        case FieldResult::overflow:
          return stop(ReadOutcome::bad_value, "Value overflowed during integer read");
        case FieldResult::bad:
          return stop(ReadOutcome::bad_value, "Bad value during integer read");
      }
    }
    if (const FlagWord* flag = std::get_if<FlagWord>(&item); flag && wants_logical) {
      if (read_logical_field(field, *flag->word)) return true;
      return stop(ReadOutcome::bad_value, "Bad value on logical read");
    }
    return stop(ReadOutcome::bad_format, std::string("Expected ") + expected + " for item " +
                                             std::to_string(next_item_ + 1) +
                                             " in formatted transfer, got " + item_type_name(item));
  }

  // Ends the statement with OUTCOME; always false.
  bool stop(ReadOutcome outcome, std::string message) {
    result_.outcome = outcome;
    result_.message = std::move(message);
    return false;
  }

  const RecordSource& source_;
  const InputFormat& format_;
  std::span<const ReadItem> items_;
  std::size_t next_item_ = 0;
  std::string record_;
  std::size_t column_ = 0;
  std::size_t idle_steps_ = 0;  // edit steps since the last value or record
  int scale_ = 0;
  bool blanks_zero_ = false;
  ReadResult result_;
};

}  // namespace

ReadResult read_formatted(const RecordSource& source, const InputFormat& format,
                          std::span<const ReadItem> items) {
  return FormattedRead(source, format, items).run();
}

}  // namespace standsim
