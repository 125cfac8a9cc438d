// The one exception type of the workbench's data model. An operation that
// cannot be carried out throws it with a message for the user; the window
// that started the operation shows the message.
#pragma once

#include <stdexcept>
#include <string>

namespace tarvex {

class TarvexError : public std::runtime_error {
 public:
  explicit TarvexError(const std::string& message) : std::runtime_error(message) {}
};

// A text that should hold a number and does not. The message names the text.
class ConversionError : public TarvexError {
 public:
  ConversionError(const std::string& message, std::string text)
      : TarvexError(message), text_(std::move(text)) {}
  const std::string& Text() const { return text_; }

 private:
  std::string text_;
};

}  // namespace tarvex
