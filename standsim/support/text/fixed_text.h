// Fixed-length texts and zero-terminated byte strings.
//
// Inside standsim a text is a run of bytes of a length fixed by whoever
// declares it, padded with blanks on the right. A text read by a routine is a
// std::string_view over the declared bytes (padding included); a text a
// routine writes in place is a std::span<char> of the declared length.
// Byte arrays at the library boundary are zero-terminated.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace standsim {

// A copy of TEXT in which every zero byte and TAB is a blank.
std::string TIDY(std::string_view text);

// The text of S bytes held in BYTEVEC up to its first zero byte, blank padded.
std::string BYTE2STR(std::span<const unsigned char> bytevec);

// Copies the first min(N - 1, length) bytes of TEXT into BYTEVEC and ends them
// with a zero byte. Nothing is written when N is below 1.
void STR2BYTE(std::string_view text, int32_t n, unsigned char* bytevec);

// Positions (1-based) of the first and last non-blank characters of the
// cleaned TEXT; both 0 when it is all blank.
void TRIMPOS(std::string_view text, int32_t& ifirst, int32_t& ilast);

// Assigns VALUE to the fixed-length TARGET: copied, cut at the target's
// length, or padded with blanks.
void assign_text(std::span<char> target, std::string_view value);

// VALUE blank padded or cut to LENGTH characters.
std::string padded(std::string_view value, std::size_t length);

// TEXT without the blanks at its end; a view into TEXT.
std::string_view without_trailing_blanks(std::string_view text);

}  // namespace standsim
