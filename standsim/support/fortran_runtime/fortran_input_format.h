// A Fortran format for reading, such as "(3f4.1)", "( 50l1)" or
// "(i5,2x,10f8.2)", parsed once so that it can serve any number of reads.
//
// Blanks are ignored anywhere in the format and letters may be of either
// case; whatever follows the closing parenthesis is ignored. Known
// descriptors: the data descriptors Iw[.m], Fw.d, Ew.d[Ee], ENw.d[Ee],
// ESw.d[Ee], Dw.d, Gw.d[Ee] and Lw, each with an optional repeat count;
// groups r(...); and the controls nX, Tn, TLn, TRn, [r]/, :, kP, BN, BZ, S,
// SP and SS. Character editing (A, H and quoted strings) has no place in a
// format for reading numbers and flags and is refused, as are groups nested
// more than 32 deep.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace standsim {

struct FormatNode {
  enum class Kind {
    group,         // REPEAT times the nodes of CHILDREN
    integer,       // Iw: WIDTH
    real,          // Fw.d, Ew.d, ENw.d, ESw.d, Dw.d: WIDTH and DIGITS
    logical,       // Lw: WIDTH
    general,       // Gw.d: a real, an integer or a flag, as its item needs
    next_record,   // REPEAT times "/"
    stop_if_done,  // ":"
    skip_right,    // nX and TRn: VALUE columns to the right
    skip_left,     // TLn: VALUE columns to the left
    tab,           // Tn: to column VALUE
    scale,         // kP: scale factor VALUE
    blanks_null,   // BN: blanks inside a number field are ignored
    blanks_zero,   // BZ: blanks inside a number field are zeros
    sign_mode,     // S, SP, SS: no effect on input
  };
  Kind kind = Kind::group;
  int repeat = 1;
  int width = 0;
  int digits = 0;
  int value = 0;
  std::vector<FormatNode> children;
};

class InputFormat {
 public:
  // Parses TEXT; a format that cannot be parsed gives an object whose error()
  // is not empty.
  static InputFormat parse(std::string_view text);

  const std::string& error() const { return error_; }
  // The nodes inside the outer parentheses.
  const std::vector<FormatNode>& nodes() const { return nodes_; }
  // Index in nodes() where the format starts again when its end is reached
  // with items left: the last group at the outer level, or 0.
  std::size_t reversion_start() const { return reversion_start_; }
  // The nodes from reversion_start() on hold a data descriptor.
  bool reverts_to_data() const { return reverts_to_data_; }

 private:
  std::vector<FormatNode> nodes_;
  std::size_t reversion_start_ = 0;
  bool reverts_to_data_ = false;
  std::string error_;
};

}  // namespace standsim
