// Test helpers: building keyed lists by hand.
#pragma once

#include <cstring>
#include <memory>
#include <string>
#include <string_view>

#include "standsim/support/keyed_lists/keyed_list.h"
#include "standsim/support/text/fixed_text.h"

namespace standsim::testing {

// An all-zero list, as a filler receives it.
inline std::unique_ptr<KEYLIST> empty_list() { return std::make_unique<KEYLIST>(); }

// Appends an entry the way a filler leaves it: the key blank padded (or, with
// ZERO_PADDED, followed by the zero bytes of the untouched record) and the
// value blank padded. Returns its 1-based index.
inline int32_t add_entry(KEYLIST& list, std::string_view key, std::string_view value,
                         bool zero_padded = false) {
  const int32_t i = ++list.NKEY;
  char(&field)[KEY_LENGTH] = list.KEY[i - 1];
  if (zero_padded) {
    std::memset(field, 0, KEY_LENGTH);
    std::memcpy(field, key.data(), std::min(key.size(), KEY_LENGTH));
  } else {
    assign_text(field, key);
  }
  assign_text(list.LINE[i - 1], value);
  return i;
}

inline std::string key_text(const KEYLIST& list, int32_t i) {
  return {list.KEY[i - 1], KEY_LENGTH};
}
inline std::string line_text(const KEYLIST& list, int32_t i) {
  return {list.LINE[i - 1], LINE_LENGTH};
}

}  // namespace standsim::testing
