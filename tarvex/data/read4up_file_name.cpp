#include "tarvex/data/read4up_file_name.h"

#include <algorithm>

#include "tarvex/data/number_text.h"
#include "tarvex/data/tarvex_error.h"

namespace tarvex {

std::array<unsigned char, kRead4upNameBytes> Read4upFileName(const std::string& fileName) {
  if (fileName.size() > kRead4upNameBytes - 1) {
    throw TarvexError("The name of the QSM input file has " +
                      FormatInt(static_cast<long long>(fileName.size())) +
                      " characters; at most 127 can be read: " + fileName);
  }
  std::array<unsigned char, kRead4upNameBytes> bytes{};
  std::copy(fileName.begin(), fileName.end(), bytes.begin());
  return bytes;
}

}  // namespace tarvex
