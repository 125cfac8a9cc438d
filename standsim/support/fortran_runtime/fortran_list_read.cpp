#include "standsim/support/fortran_runtime/fortran_format_read.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "standsim/support/fortran_runtime/ascii_case.h"
#include "standsim/support/fortran_runtime/fortran_free_read.h"

namespace standsim {
namespace {

bool is_blank(char c) { return c == ' ' || c == '\t'; }

bool ends_value(char c) { return is_blank(c) || c == ',' || c == '/'; }

// A value that would be an integer but for its size.
bool is_integer_text(std::string_view text) {
  if (!text.empty() && (text.front() == '+' || text.front() == '-')) text.remove_prefix(1);
  return !text.empty() && text.find_first_not_of("0123456789") == std::string_view::npos;
}

// [.] T or F, then anything.
bool parse_logical(std::string_view text, std::int32_t& word) {
  std::size_t i = 0;
  if (i < text.size() && text[i] == '.') ++i;
  if (i == text.size()) return false;
  const char c = ascii_lower(text[i]);
  if (c != 't' && c != 'f') return false;
  word = c == 't' ? 1 : 0;
  return true;
}

class ListRead {
 public:
  ListRead(const RecordSource& source, std::span<const ReadItem> items)
      : source_(source), items_(items) {}

  ReadResult run() {
    if (!next_record()) return result_;
    for (std::size_t k = 0; k < items_.size(); ++k) {
      if (repeats_left_ > 0) {
        --repeats_left_;
      } else if (!next_value(k)) {
        return result_;
      }
      if (value_ && !store(*value_, items_[k], k + 1)) return result_;
    }
    return result_;
  }

 private:
  bool next_record() {
    if (!source_(record_)) {
      stop(ReadOutcome::end_of_file, "End of file");
      return false;
    }
    column_ = 0;
    return true;
  }

  // Finds the value of item number K + 1: sets value_ (empty for a null
  // value) and repeats_left_. False when the statement has ended.
  bool next_value(std::size_t k) {
    while (true) {
      while (column_ < record_.size() && is_blank(record_[column_])) ++column_;
      if (column_ >= record_.size()) {
        if (!next_record()) return false;
        continue;
      }
      const char c = record_[column_];
      if (c == ',') {
        ++column_;
        if (after_value_) {  // the separator that ends the previous value
          after_value_ = false;
          continue;
        }
        value_.reset();
        return true;
      }
      if (c == '/') return false;  // the remaining items keep their values
      break;
    }
    const std::size_t start = column_;
    while (column_ < record_.size() && !ends_value(record_[column_])) ++column_;
    std::string_view text = std::string_view(record_).substr(start, column_ - start);
    after_value_ = true;

    const std::size_t star = text.find('*');
    std::size_t count = 1;
    if (star != std::string_view::npos && star > 0 &&
        text.substr(0, star).find_first_not_of("0123456789") == std::string_view::npos) {
      const std::string_view digits = text.substr(0, star);
      count = 0;
      for (const char d : digits) {
        count = count * 10 + static_cast<std::size_t>(d - '0');
        if (count > items_.size()) count = items_.size() + 1;  // more than any statement can use
      }
      if (count == 0) {
        stop(ReadOutcome::bad_value,
             "Zero repeat count in item " + std::to_string(k + 1) + " of list input");
        return false;
      }
      text = text.substr(star + 1);
    }
    repeats_left_ = count - 1;
    if (text.empty()) {
      value_.reset();
    } else {
      value_ = std::string(text);
    }
    return true;
  }

  // Reads the value TEXT, which holds no separator, into ITEM, the item
  // number NUMBER of the statement.
  bool store(const std::string& text, const ReadItem& item, std::size_t number) {
    const std::string n = std::to_string(number);
    if (const FlagWord* flag = std::get_if<FlagWord>(&item)) {
      if (parse_logical(text, *flag->word)) return true;
      return stop(ReadOutcome::bad_value, "Bad logical value while reading item " + n);
    }
    FreeFormatReader reader(text);
    FreeReadStatus status;
    if (std::int32_t* const* i = std::get_if<std::int32_t*>(&item)) {
      status = reader.read(**i);
    } else if (float* const* f = std::get_if<float*>(&item)) {
      status = reader.read(**f);
    } else {
      status = reader.read(*std::get<double*>(item));
    }
    if (status == FreeReadStatus::value) return true;
    if (!std::holds_alternative<std::int32_t*>(item)) {
      return stop(ReadOutcome::bad_value, "Bad real number in item " + n + " of list input");
    }
    if (is_integer_text(text))
      return stop(ReadOutcome::bad_value, "Integer overflow while reading item " + n);
    return stop(ReadOutcome::bad_value, "Bad integer for item " + n + " in list input");
  }

  // Ends the statement with OUTCOME; always false.
  bool stop(ReadOutcome outcome, std::string message) {
    result_.outcome = outcome;
    result_.message = std::move(message);
    return false;
  }

  const RecordSource& source_;
  std::span<const ReadItem> items_;
  std::string record_;
  std::size_t column_ = 0;
  bool after_value_ = false;
  std::size_t repeats_left_ = 0;
  std::optional<std::string> value_;
  ReadResult result_;
};

}  // namespace

ReadResult read_list_directed(const RecordSource& source, std::span<const ReadItem> items) {
  return ListRead(source, items).run();
}

}  // namespace standsim
