// Formatted reading as a Fortran run-time does it for a sequential file
// opened with the defaults (blanks in number fields ignored, short records
// padded with blanks, "." as the decimal point), and list-directed ("free
// format") reading whose values may run over several records.
#pragma once

#include <span>

#include "standsim/support/fortran_runtime/fortran_input_format.h"
#include "standsim/support/fortran_runtime/fortran_read_items.h"

namespace standsim {

// One read statement under FORMAT: fields of fixed width taken from the
// records of SOURCE into ITEMS.
//
// A real field (F, E, EN, ES, D, G) without a decimal point has its last d
// digits as decimals (an implied decimal point); an exponent may be written
// with E, D or Q, or as a bare sign; a scale factor kP divides a value
// without exponent by 10^k; an all-blank field is zero; INF, INFINITY, NAN
// and NAN(...) are read as such. A comma inside a field ends the field early.
// An L field is optional blanks, an optional ".", then T or F (either case);
// the rest of the field is ignored. When the format's end is reached with
// items left, the next record is read and the format starts again at its
// last outer group (or at its beginning). A format whose repeat counts make
// the read take more edit steps without transferring a value or starting a
// record than the record has columns, and 4,096 more, is refused as
// unusable (bad_format).
ReadResult read_formatted(const RecordSource& source, const InputFormat& format,
                          std::span<const ReadItem> items);

// One list-directed read statement: values separated by blanks, TABs, commas
// or the ends of records, as many records as the items need. "r*c" stands
// for r times the value c, "r*" for r null values; a null value (nothing
// between two commas, or a comma first) leaves its item as it was; a "/"
// ends the statement and leaves the remaining items as they were. Whatever
// follows the last value in its record is skipped. Each value is read as
// FreeFormatReader reads a number (fortran_free_read.h); a flag is [.]T or
// [.]F followed by anything.
ReadResult read_list_directed(const RecordSource& source, std::span<const ReadItem> items);

}  // namespace standsim
