#include "tarvex/window_logic/routine_message.h"

#include <algorithm>

namespace tarvex {

std::string RoutineMessage(std::span<const unsigned char> buffer) {
  if (buffer.empty() || buffer[0] == ' ' || buffer[0] == 0) return {};
  const auto end = std::find(buffer.begin(), buffer.end() - 1, 0);
  std::string text(buffer.begin(), end);
  text.erase(text.find_last_not_of(' ') + 1);
  return text;
}

}  // namespace tarvex
