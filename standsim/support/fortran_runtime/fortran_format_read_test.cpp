// The formatted and list-directed reads compared with what the Fortran
// run-time itself reads from the same file (fortran_reference/format_read_reference.f90).
#include "standsim/support/fortran_runtime/fortran_format_read.h"

#include <gtest/gtest.h>

#include <bit>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "testing/test_folder.h"

namespace standsim {
namespace {

struct ReadCase {
  const char* format;  // "*" for list-directed
  const char* kind;    // r4, r8, i4, l4
  int items;
  int reads;
  const char* data;
};

// What one read statement left: the run-time's class (0, -1 end of file,
// 1 error), its message and the items as the reference prints them.
struct StatementResult {
  int outcome_class = 0;
  std::string message;
  std::vector<std::string> items;
  bool operator==(const StatementResult&) const = default;
};

std::ostream& operator<<(std::ostream& out, const StatementResult& r) {
  out << r.outcome_class << " [" << r.message << "]";
  for (const std::string& item : r.items) out << ' ' << item;
  return out;
}

void PrintTo(const ReadCase& c, std::ostream* out) {
  *out << c.format << " " << c.kind << " x" << c.items << " [" << c.data << "]";
}

// The reference program's reads of the file DATA; its description of the
// case goes into FOLDER beside it.
std::vector<StatementResult> reference_reads(const ReadCase& c, const TestFolder& folder,
                                             const std::string& data) {
  const std::string casefile =
      folder.write("case.txt", std::string(c.format) + "\n" + c.kind + " " +
                                   std::to_string(c.items) + " " + std::to_string(c.reads) + "\n");
  const std::string command =
      std::string("'") + FORMAT_READ_REFERENCE + "' '" + casefile + "' '" + data + "'";
  FILE* pipe = popen(command.c_str(), "r");
  std::string output;
  char buffer[4096];
  std::size_t n;
  while ((n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0) output.append(buffer, n);
  pclose(pipe);

  std::vector<StatementResult> results;
  std::istringstream lines(output);
  std::string line;
  while (std::getline(lines, line)) {
    StatementResult r;
    const std::size_t blank = line.find(' ');
    r.outcome_class = std::stoi(line.substr(0, blank));
    r.message = blank == std::string::npos ? "" : line.substr(blank + 1);
    for (int i = 0; i < c.items && std::getline(lines, line); ++i) r.items.push_back(line);
    results.push_back(r);
  }
  return results;
}

std::string hex(std::uint64_t bits, int width) {
  static const char* digits = "0123456789ABCDEF";
  std::string text(static_cast<std::size_t>(width), '0');
  for (int i = width - 1; i >= 0; --i, bits >>= 4)
    text[static_cast<std::size_t>(i)] = digits[bits & 15];
  return text;
}

std::vector<StatementResult> our_reads(const ReadCase& c, const std::string& data,
                                       bool& refused_format) {
  std::ifstream in(data, std::ios::binary);
  const RecordSource source = [&in](std::string& record) {
    return static_cast<bool>(std::getline(in, record));
  };
  const InputFormat format = InputFormat::parse(c.format);
  const std::string kind = c.kind;

  std::vector<StatementResult> results;
  for (int r = 0; r < c.reads; ++r) {
    const std::size_t n = static_cast<std::size_t>(c.items);
    std::vector<float> r4(n, -7.0f);
    std::vector<double> r8(n, -7.0);
    std::vector<std::int32_t> i4(n, -7);
    std::vector<ReadItem> items;
    for (std::size_t i = 0; i < n; ++i) {
      if (kind == "r4") items.emplace_back(&r4[i]);
      if (kind == "r8") items.emplace_back(&r8[i]);
      if (kind == "i4") items.emplace_back(&i4[i]);
      if (kind == "l4") items.emplace_back(FlagWord{&i4[i]});
    }
    const ReadResult read = std::string(c.format) == "*" ? read_list_directed(source, items)
                                                         : read_formatted(source, format, items);
    StatementResult s;
    s.outcome_class = read.outcome == ReadOutcome::ok            ? 0
                      : read.outcome == ReadOutcome::end_of_file ? -1
                                                                 : 1;
    s.message = read.message;
    refused_format = read.outcome == ReadOutcome::bad_format;
    for (std::size_t i = 0; i < n; ++i) {
      if (kind == "r4") s.items.push_back(hex(std::bit_cast<std::uint32_t>(r4[i]), 8));
      if (kind == "r8") s.items.push_back(hex(std::bit_cast<std::uint64_t>(r8[i]), 16));
      if (kind == "i4" || kind == "l4") s.items.push_back(std::to_string(i4[i]));
    }
    results.push_back(s);
    if (s.outcome_class != 0) break;
  }
  return results;
}

void expect_same_as_reference(const ReadCase& c) {
  TestFolder folder;
  const std::string data = folder.write("data.txt", c.data);
  std::vector<StatementResult> expected = reference_reads(c, folder, data);
  bool refused_format = false;
  std::vector<StatementResult> actual = our_reads(c, data, refused_format);
  ASSERT_FALSE(expected.empty()) << "the reference program gave no output";
  // The run-time's messages on a format it cannot use quote the format with
  // a caret under the fault: such a statement is compared without them.
  if (refused_format) {
    expected.back().message.clear();
    actual.back().message.clear();
  }
  EXPECT_EQ(actual, expected) << "format " << c.format << " kind " << c.kind << " on [" << c.data
                              << "]";
}

class FormattedReadTest : public testing::TestWithParam<ReadCase> {};

TEST_P(FormattedReadTest, ReadsAsTheFortranRunTime) { expect_same_as_reference(GetParam()); }

// Real fields: implied decimal point, exponents, blanks, signs, special
// values, commas ending a field, short records, errors.
INSTANTIATE_TEST_SUITE_P(
    RealFields, FormattedReadTest,
    testing::Values(
        ReadCase{"(3f4.1)", "r4", 3, 1, "  12 3.5  -1\n"},
        ReadCase{"(3f4.1)", "r4", 3, 1, "1234\n"}, ReadCase{"(3f4.1)", "r4", 3, 1, "12,3.5,7\n"},
        ReadCase{"(3f4.1)", "r4", 3, 1, "1 2 3 4 5 6\n"}, ReadCase{"(3f4.1)", "r4", 3, 1, "\n"},
        ReadCase{"(3f4.1)", "r4", 3, 1, "   -  +   \n"}, ReadCase{"(3f4.1)", "r4", 3, 1, "abcd\n"},
        ReadCase{"(3f4.1)", "r4", 3, 1, "1.0\t2.0\n"},
        ReadCase{"(f8.2)", "r8", 1, 12,
                 "1e 2\n1.5 e2\n1 . 5\n12345678\n- 1\n1.0e-  2\n1.0q2\n1.0E+0002\n3\n+\n-.\ne5\n"},
        ReadCase{"(f8.3)", "r8", 1, 9, "-1d3\n1.d3\n1.+3\n1.e 3\n.e3\n-e3\n+3\n1e3 5\n1.0d-3\n"},
        ReadCase{"(f8.2)", "r8", 1, 1, "1.0e\n"}, ReadCase{"(f8.2)", "r8", 1, 1, "1.0e+\n"},
        ReadCase{"(f8.2)", "r8", 1, 1, "1..5\n"}, ReadCase{"(f8.2)", "r8", 1, 1, "1.0-\n"},
        ReadCase{"(f8.2)", "r8", 1, 1, "1e3e\n"}, ReadCase{"(f8.2)", "r8", 1, 1, "1.5x\n"},
        ReadCase{"(f9.1)", "r8", 1, 6, "Infinity\ninf\n+inf\n- inf\nnan(abc)\n-nan\n"},
        ReadCase{"(f9.1)", "r4", 1, 2, "INF\n-nan\n"}, ReadCase{"(f9.1)", "r8", 1, 1, "infinit\n"},
        ReadCase{"(f9.1)", "r8", 1, 1, "nanx\n"},
        ReadCase{"(f14.0)", "r8", 1, 4, "1e9999\n1e-1000\n1e400\n-1e-400\n"},
        ReadCase{"(f14.0)", "r8", 1, 1, "1e10000\n"},
        ReadCase{"(f40.0)", "r4", 1, 2,
                 "0.100000001490116119384765625\n1.00000005960464477539062500001\n"},
        ReadCase{"(f8.0)", "r4", 1, 3, "1e-310\n3.5e38\n4e-45\n"},
        ReadCase{"(e8.2)", "r8", 1, 3, "12\n1.5e3\n-.25\n"},
        ReadCase{"(e8.2e3)", "r4", 1, 1, "12\n"},
        ReadCase{"(g8.0)", "r8", 1, 2, "12345678\n1e 2\n"},
        ReadCase{"(d10.3)", "r8", 1, 1, "  1234d2\n"}));

// Blanks as zeros, scale factors, positioning, repeat counts, groups and
// the start again of a format at its last outer group.
INSTANTIATE_TEST_SUITE_P(
    FormatControl, FormattedReadTest,
    testing::Values(
        ReadCase{"(bz,f4.2)", "r8", 1, 1, "3   9\n"},
        ReadCase{"(bz,f5.1)", "r8", 1, 3, "- 1  9\n-  19\n 1e 29\n"},
        ReadCase{"(bz,f8.2)", "r8", 1, 2, "1 . 5\n3\n"},
        ReadCase{"(2p,f8.2)", "r8", 1, 3, "1 . 5\n1e 2\n12345678\n"},
        ReadCase{"(-1p,e8.2)", "r8", 1, 2, "1 . 5\n- 1\n"},
        ReadCase{"(3x,2pf5.1)", "r4", 1, 1, "12345678\n"},
        ReadCase{"(f1.0 , 3 p f1.0)", "r4", 2, 1, "12\n"},
        ReadCase{"(4x,f4.0,t2,f3.0,tr2,f2.0,tl3,f1.0,t20,f2.0)", "r4", 5, 1, "123456789012\n"},
        ReadCase{"(tl5,f2.0,1x,tl9,f2.0)", "r4", 2, 1, "123456789012\n"},
        ReadCase{"(2f2.0 f1.0)", "r4", 3, 1, "12345678\n"},
        ReadCase{"(2(f1.0,2(f1.0)))", "r4", 6, 1, "12345678\n"},
        ReadCase{"(f4.0,(2f4.0))", "r4", 6, 1, "11112222\n33334444\n55556666\n"},
        ReadCase{"(2(f2.0,1x),f1.0)", "r4", 6, 1, "33334444\n55556666\n"},
        ReadCase{"(f4.0/f4.0)", "r4", 3, 1, "11112222\n33334444\n55556666\n"},
        ReadCase{"(2/f1.0)", "r4", 1, 1, "1\n2\n3\n"},
        ReadCase{"(f4.0,:,/)", "r4", 1, 2, "1\n2\n3\n"},
        ReadCase{"(f4.0/)", "r4", 1, 3, "1\n2\n3\n"}, ReadCase{"(3f1.0)", "r4", 6, 2, "2\n3\n4\n"},
        ReadCase{"(10f8.2)", "r8", 4, 3, "    1.25   -3.5      1e2\n\n"},
        ReadCase{"(f3.0)", "r4", 1, 2, ""}, ReadCase{"(f1.0,q)", "r4", 1, 1, "1\n"},
        ReadCase{"(1x)", "r4", 1, 1, "1\n"}, ReadCase{"(f0.0)", "r4", 1, 1, "1\n"},
        ReadCase{"(f3)", "r4", 1, 1, "1\n"}, ReadCase{"f1.0", "r4", 1, 1, "1\n"},
        ReadCase{"(,f1.0)", "r4", 1, 1, "1\n"}, ReadCase{"(0x,f1.0)", "r4", 1, 1, "1\n"},
        ReadCase{"(i4)", "r8", 1, 1, "12\n"}, ReadCase{"(f4.1)", "i4", 1, 1, "12\n"},
        ReadCase{"(f1.0)xyz", "r4", 1, 1, "12\n"}));

// Integer and logical fields, among them the masks of one character per flag.
INSTANTIATE_TEST_SUITE_P(
    IntegerAndLogicalFields, FormattedReadTest,
    testing::Values(ReadCase{"(i12)", "i4", 1, 6, "  12\n-  3\n1 2\n\n-2147483648\n+7\n"},
                    ReadCase{"(i12)", "i4", 1, 1, "+\n"}, ReadCase{"(i12)", "i4", 1, 1, "1.5\n"},
                    ReadCase{"(i12)", "i4", 1, 1, "2147483648\n"},
                    ReadCase{"(i12)", "i4", 1, 1, "99999999999\n"},
                    ReadCase{"(bz,i4)", "i4", 1, 2, "1  9\n-  1\n"},
                    ReadCase{"(i4.2,g4.1)", "i4", 2, 1, "  12  34\n"},
                    ReadCase{"(l3)", "l4", 1, 5, " .t\nF\nTx\n  t\n.f\n"},
                    ReadCase{"(l3)", "l4", 1, 1, ".\n"}, ReadCase{"(l3)", "l4", 1, 1, "x\n"},
                    ReadCase{"(l3)", "l4", 1, 1, "\n"}, ReadCase{"(g4.1)", "l4", 1, 1, " T\n"},
                    ReadCase{"( 50l1)", "l4", 5, 3, "TFFTF\ntfttf\nTFT\n"},
                    ReadCase{"(100l1)", "l4", 4, 2, "TTFFxyz\nFFTT\n"}));

// List-directed reading: separators, null values, repeat counts, "/",
// values running over records, the end of the file, errors.
INSTANTIATE_TEST_SUITE_P(
    ListDirected, FormattedReadTest,
    testing::Values(
        ReadCase{"*", "r8", 4, 1, "1 2\n  3,4 5 6\n"}, ReadCase{"*", "r8", 4, 1, ",2.5,,4\n"},
        ReadCase{"*", "r8", 4, 1, "2*7 ,2*\n"}, ReadCase{"*", "r8", 4, 1, "1.5 / 9 9\n"},
        ReadCase{"*", "r8", 4, 1, "1e2 1+2 -.5d1 inf\n"},
        ReadCase{"*", "r8", 4, 1, "1 2 3,\n\n, 8 9\n"}, ReadCase{"*", "r8", 4, 1, "1\t2 , , 3 4\n"},
        ReadCase{"*", "r8", 4, 2, "3*1.5 2\n7 8\n"},
        ReadCase{"*", "r8", 2, 7, "3.0 1\n99999999999 1\n1.5/\n2*\n 2*,5\n1,,\n1q2 1\n"},
        ReadCase{"*", "r8", 2, 6, "nan 1\n1d5 2\ninfinity -inf\n1 2*3\n2*1.5/\n1+5 1-2\n"},
        ReadCase{"*", "r8", 2, 2, " ,\n8 9\n1 , ,\n"},
        ReadCase{"*", "r8", 2, 3, "1e99999999999 1e-99999999999\n0e99999999999 -0\n1.e5 1.\n"},
        ReadCase{"*", "r4", 2, 2,
                 "0.100000001490116119384765625 1.00000005960464477539062500001\n1e400 -1e-400\n"},
        ReadCase{"*", "r8", 2, 1, "1.5abc 2\n"}, ReadCase{"*", "r8", 2, 1, "+ 2\n"},
        ReadCase{"*", "r8", 2, 1, "-0 -\n"}, ReadCase{"*", "r8", 2, 1, "0*5 1\n"},
        ReadCase{"*", "r8", 2, 1, "1e 2\n"}, ReadCase{"*", "r8", 2, 1, "1e5.0 3\n"},
        ReadCase{"*", "r8", 2, 1, "1.5e\n"}, ReadCase{"*", "r8", 2, 1, "T F\n"},
        ReadCase{"*", "r8", 4, 2, "7 8\n"}, ReadCase{"*", "r8", 1, 1, ""},
        ReadCase{"*", "i4", 2, 4, "1 2\n+1 -2\n3*4\n-2147483648 2147483647\n"},
        ReadCase{"*", "i4", 2, 1, "3.0 1\n"}, ReadCase{"*", "i4", 2, 1, "2147483648\n"},
        ReadCase{"*", "i4", 2, 1, "12a\n"}, ReadCase{"*", "i4", 2, 1, "*5 1\n"},
        ReadCase{"*", "i4", 2, 1, "0*5 1\n"}, ReadCase{"*", "l4", 4, 1, "T .f. true, 2*F\n"},
        ReadCase{"*", "l4", 2, 1, "T x\n"}));

// Formats the Fortran run-time would take but that cannot serve here: a read
// running for an unbounded time without transferring a value, and groups
// nested deeper than any format is written (they would use up the stack).
TEST(FormattedRead, RefusesFormatsWithoutBoundOrNestedTooDeeply) {
  const auto nested = [](int depth) {
    return "(" + std::string(static_cast<std::size_t>(depth), '(') + "f4.1" +
           std::string(static_cast<std::size_t>(depth), ')') + ")";
  };
  struct Case {
    std::string format;
    ReadOutcome outcome;
    std::string message;  // its start
  };
  const Case cases[] = {
      {"(99999(99999(1x)),f4.1)", ReadOutcome::bad_format,
       "Format repeats without reading a value"},
      {"(99999(99999()),f4.1)", ReadOutcome::bad_format, "Format repeats without reading a value"},
      {"(9999(1x),f4.1)", ReadOutcome::bad_format, "Format repeats without reading a value"},
      {"(2000(1x),f4.1)", ReadOutcome::ok, ""},   // far beyond the record: a blank field
      {"(99999(1x,f4.1))", ReadOutcome::ok, ""},  // a value at every step
      {nested(32), ReadOutcome::ok, ""},
      {nested(33), ReadOutcome::bad_format, "Groups nested too deeply in format"},
      {nested(200000), ReadOutcome::bad_format, "Groups nested too deeply in format"},
  };
  for (const Case& c : cases) {
    const std::string shown = c.format.substr(0, 40);
    int records = 0;
    const RecordSource source = [&records](std::string& record) {
      record = " 1.5";
      return ++records == 1;
    };
    float value = -7.0f;
    const std::vector<ReadItem> items{&value};
    const ReadResult read = read_formatted(source, InputFormat::parse(c.format), items);
    EXPECT_EQ(read.outcome, c.outcome) << shown;
    EXPECT_EQ(read.message.substr(0, c.message.size()), c.message) << shown;
  }
}

}  // namespace
}  // namespace standsim
