#include "standsim/support/fortran_runtime/fortran_input_format.h"

#include <cctype>
#include <climits>
#include <optional>

#include "standsim/support/fortran_runtime/ascii_case.h"

namespace standsim {
namespace {

using Kind = FormatNode::Kind;

// Groups may nest this deep inside the outer parentheses; deeper nesting is
// no format anyone writes, and each level costs stack in the parser and the
// reader.
constexpr int kMaxGroupDepth = 32;

// Reads the blank-free, upper-case form of a format. Every routine returns
// false after setting the error text.
class FormatParser {
 public:
  explicit FormatParser(std::string text) : s_(std::move(text)) {}

  bool parse(std::vector<FormatNode>& nodes) {
    if (!at('(')) return fail("Missing initial left parenthesis in format");
    ++pos_;
    return parse_list(nodes);
  }

  const std::string& error() const { return error_; }

 private:
  bool at(char c) const { return pos_ < s_.size() && s_[pos_] == c; }
  bool at_digit() const {
    return pos_ < s_.size() && std::isdigit(static_cast<unsigned char>(s_[pos_]));
  }

  bool fail(std::string message) {
    error_ = std::move(message);
    return false;
  }

  // An unsigned decimal number at the current position, if there is one.
  std::optional<int> number() {
    if (!at_digit()) return std::nullopt;
    long long value = 0;
    while (at_digit()) {
      value = value * 10 + (s_[pos_++] - '0');
      if (value > INT_MAX) value = INT_MAX;
    }
    return static_cast<int>(value);
  }

  bool positive(int& value, const char* what) {
    const std::optional<int> n = number();
    if (!n || *n == 0) return fail(std::string("Positive ") + what + " required in format");
    value = *n;
    return true;
  }

  // Nodes up to and including the closing parenthesis of the current list.
  bool parse_list(std::vector<FormatNode>& nodes) {
    bool after_comma = true;  // a list may not start with a comma
    while (true) {
      if (pos_ >= s_.size()) return fail("Missing right parenthesis in format");
      if (at(')')) {
        ++pos_;
        return true;
      }
      if (at(',')) {
        if (after_comma) return fail("Unexpected element ',' in format");
        after_comma = true;
        ++pos_;
        continue;
      }
      after_comma = false;
      if (!parse_item(nodes)) return false;
    }
  }

  bool parse_item(std::vector<FormatNode>& nodes) {
    bool negative = false;
    const bool signed_number = at('+') || at('-');
    if (signed_number) negative = s_[pos_++] == '-';
    const std::optional<int> count = number();
    if (signed_number && !count) return fail("Expected P edit descriptor in format");
    if (pos_ >= s_.size()) return fail("Missing right parenthesis in format");

    FormatNode node;
    const char c = s_[pos_];
    if (c == 'P') {
      ++pos_;
      if (!count) return fail("Expected P edit descriptor in format");
      node.kind = Kind::scale;
      node.value = negative ? -*count : *count;
      nodes.push_back(node);
      return true;
    }
    if (signed_number || (count && *count == 0))
      return fail("Expected P edit descriptor in format");
    node.repeat = count.value_or(1);
    if (c == '(') {
      ++pos_;
      node.kind = Kind::group;
      if (depth_ == kMaxGroupDepth) return fail("Groups nested too deeply in format");
      ++depth_;
      if (!parse_list(node.children)) return false;
      --depth_;
    } else if (c == '/') {
      ++pos_;
      node.kind = Kind::next_record;
    } else if (c == 'X') {
      ++pos_;
      node.kind = Kind::skip_right;
      node.value = node.repeat;
      node.repeat = 1;
    } else if (c == 'I' || c == 'F' || c == 'E' || c == 'D' || c == 'G' || c == 'L') {
      if (!parse_data(node)) return false;
    } else if (count) {
      return fail("Unexpected element after a repeat count in format");
    } else if (!parse_control(node)) {
      return false;
    }
    nodes.push_back(std::move(node));
    return true;
  }

  bool parse_data(FormatNode& node) {
    const char letter = s_[pos_++];
    if (letter == 'E' && (at('N') || at('S'))) ++pos_;
    if (!positive(node.width, "width")) return false;
    switch (letter) {
      case 'I':
        node.kind = Kind::integer;
        if (at('.')) {
          ++pos_;
          if (!number()) return fail("Positive integer required in format");
        }
        return true;
      case 'L':
        node.kind = Kind::logical;
        return true;
      default:
        node.kind = letter == 'G' ? Kind::general : Kind::real;
        if (!at('.')) return fail("Period required in format");
        ++pos_;
        const std::optional<int> digits = number();
        if (!digits) return fail("Nonnegative width required in format");
        node.digits = *digits;
        if ((letter == 'E' || letter == 'G') && at('E')) {
          ++pos_;
          int exponent_width = 0;
          if (!positive(exponent_width, "exponent width")) return false;
        }
        return true;
    }
  }

  bool parse_control(FormatNode& node) {
    const char c = s_[pos_++];
    switch (c) {
      case ':':
        node.kind = Kind::stop_if_done;
        return true;
      case 'T':
        node.kind = Kind::tab;
        if (at('L') || at('R')) node.kind = s_[pos_++] == 'L' ? Kind::skip_left : Kind::skip_right;
        return positive(node.value, "integer");
      case 'B':
        if (!at('N') && !at('Z')) return fail("Unexpected element 'B' in format");
        node.kind = s_[pos_++] == 'N' ? Kind::blanks_null : Kind::blanks_zero;
        return true;
      case 'S':
        node.kind = Kind::sign_mode;
        if (at('P') || at('S')) ++pos_;
        return true;
      case 'A':
      case 'H':
      case '\'':
      case '"':
        return fail("Character editing in a format for reading numbers");
      default:
        return fail(std::string("Unexpected element '") + c + "' in format");
    }
  }

  std::string s_;
  std::size_t pos_ = 0;
  int depth_ = 0;  // of the group being parsed
  std::string error_;
};

bool holds_data(const std::vector<FormatNode>& nodes, std::size_t first) {
  for (std::size_t i = first; i < nodes.size(); ++i) {
    switch (nodes[i].kind) {
      case Kind::integer:
      case Kind::real:
      case Kind::logical:
      case Kind::general:
        return true;
      case Kind::group:
        if (holds_data(nodes[i].children, 0)) return true;
        break;
      default:
        break;
    }
  }
  return false;
}

}  // namespace

InputFormat InputFormat::parse(std::string_view text) {
  std::string compact;
  for (const char c : text) {
    if (c == ' ' || c == '\t' || c == '\0') continue;
    compact += ascii_upper(c);
  }
  InputFormat format;
  FormatParser parser(std::move(compact));
  if (!parser.parse(format.nodes_)) {
    format.nodes_.clear();
    const std::size_t last = text.find_last_not_of(' ');
    format.error_ = parser.error() + ": " +
                    std::string(text.substr(0, last == std::string_view::npos ? 0 : last + 1));
    return format;
  }
  for (std::size_t i = 0; i < format.nodes_.size(); ++i) {
    if (format.nodes_[i].kind == Kind::group) format.reversion_start_ = i;
  }
  format.reverts_to_data_ = holds_data(format.nodes_, format.reversion_start_);
  return format;
}

}  // namespace standsim
