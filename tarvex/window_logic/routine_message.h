#pragma once
// The message a routine of the model library leaves in its message argument.

#include <span>
#include <string>

namespace tarvex {

// The text in BUFFER, up to its first zero and at most all but its last
// byte, without the blanks that pad it; empty when the routine left no
// message (a first byte that is a blank or zero).
std::string RoutineMessage(std::span<const unsigned char> buffer);

}  // namespace tarvex
