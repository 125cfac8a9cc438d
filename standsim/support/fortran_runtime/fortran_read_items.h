// What a read statement of the Fortran-style file layer reads into and where
// it takes its records from.
//
// A read statement takes whole records (lines) from its source, one at a
// time, and transfers values into a list of items; whatever is left of the
// last record it took is skipped, so the next statement starts on a new
// record.
#pragma once

#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <variant>

namespace standsim {

// Hands out the next record: true with the line in RECORD, false at the end
// of the file.
using RecordSource = std::function<bool(std::string& record)>;

// A 32-bit logical flag word: a true value is stored as 1, a false one as 0.
struct FlagWord {
  std::int32_t* word;
};

// One item of a read statement's list: a 4-byte real, an 8-byte real, a
// 4-byte integer or a flag word.
using ReadItem = std::variant<float*, double*, std::int32_t*, FlagWord>;

enum class ReadOutcome {
  ok,
  end_of_file,  // the source ran out before every item had its value
  bad_value,    // a field or value could not be read as its item
  bad_format,   // the format cannot be used for this read
};

// How a read statement ended. Items transferred before the end keep their
// new values; the others are left as they were.
struct ReadResult {
  ReadOutcome outcome = ReadOutcome::ok;
  std::string message;  // the run-time's message when the outcome is not ok
};

}  // namespace standsim
