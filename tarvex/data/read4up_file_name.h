// The QSM input file name as READ4UP takes it: a zero-terminated byte string
// of at most 127 characters in a buffer of 128 bytes.
#pragma once

#include <array>
#include <string>

namespace tarvex {

inline constexpr std::size_t kRead4upNameBytes = 128;

// FILENAME as READ4UP's FNAME. A name longer than 127 characters is refused
// with a TarvexError naming it, since READ4UP would read another file.
std::array<unsigned char, kRead4upNameBytes> Read4upFileName(const std::string& fileName);

}  // namespace tarvex
