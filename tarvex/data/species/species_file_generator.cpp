// Writes the species data file from the table of sourced values (values.csv):
// eight sections, each a header line and one line per species and region
// holding the species number, the region code and the section's values.
// The value texts are copied as the table gives them.
//
// Usage: species_file_generator VALUES.csv IxoTreeData_reg.dat

#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include "tarvex/data/atomic_file.h"
#include "tarvex/data/biomass_record.h"
#include "tarvex/data/defs.h"
#include "tarvex/data/number_text.h"
#include "tarvex/data/path_parts.h"
#include "tarvex/data/tarvex_error.h"
#include "tarvex/data/text_lines.h"

namespace {

using tarvex::TarvexError;

// Columns of values.csv: species number, species name, region code, the 75
// expansion factors (five rows of 15 ages), the carbon fraction, the five
// turnover rates and the wood density.
constexpr std::size_t kFirstValue = 3;
constexpr std::size_t kColumns = kFirstValue + 75 + 1 + 5 + 1;

struct Section {
  const char* header;
  std::size_t first;  // first column of values.csv
  std::size_t count;
};

constexpr Section kSections[] = {
    {"! Expansion factors of branches relative to stems: species, region, ages 10 20 30 40 50 "
     "60 70 80 90 100 110 120 130 140 1000",
     3, 15},
    {"! Expansion factors of coarse roots relative to stems: species, region, ages 10 20 30 40 "
     "50 60 70 80 90 100 110 120 130 140 1000",
     18, 15},
    {"! Expansion factors of fine roots relative to stems: species, region, ages 10 20 30 40 50 "
     "60 70 80 90 100 110 120 130 140 1000",
     33, 15},
    {"! Expansion factors of leaves relative to stems: species, region, ages 10 20 30 40 50 60 "
     "70 80 90 100 110 120 130 140 1000",
     48, 15},
    {"! Expansion factors of stems: species, region, ages 10 20 30 40 50 60 70 80 90 100 110 120 "
     "130 140 1000",
     63, 15},
    {"! Carbon content, fraction of dry mass: species, region, value", 78, 1},
    {"! Turnover rates per year: species, region, branches, coarse roots, fine roots, leaves, "
     "stems",
     79, 5},
    {"! Basic wood density, g/cm3: species, region, value", 84, 1},
};

std::vector<std::vector<std::string>> ReadTable(const std::string& fileName) {
  std::ifstream in(tarvex::NativePath(fileName), std::ios::binary);
  if (!in) throw TarvexError("Cannot open " + fileName);
  const tarvex::Defs defs;
  std::vector<std::vector<std::string>> rows;
  std::string line;
  std::getline(in, line);  // column names
  for (int number = 2; tarvex::ReadTextLine(in, line); ++number) {
    if (line.empty()) continue;
    const std::string where = fileName + ", line " + tarvex::FormatInt(number) + ": ";
    std::vector<std::string> fields;
    std::size_t begin = 0;
    for (std::size_t comma; (comma = line.find(',', begin)) != std::string::npos;
         begin = comma + 1) {
      fields.push_back(line.substr(begin, comma - begin));
    }
    fields.push_back(line.substr(begin));
    if (fields.size() != kColumns) {
      throw TarvexError(where + tarvex::FormatInt(static_cast<long long>(fields.size())) +
                        " columns, " + tarvex::FormatInt(static_cast<long long>(kColumns)) +
                        " expected");
    }
    const int species = tarvex::ParseInt(fields[0]);
    if (species < 1 || species > tarvex::kSpeciesCount ||
        defs.Species[species - 1].Name != fields[1]) {
      throw TarvexError(where + "species " + fields[0] + " is not \"" + fields[1] + "\"");
    }
    const int region = tarvex::ParseInt(fields[2]);
    if (region < 1 || region > tarvex::kRegionCount) {
      throw TarvexError(where + "region code " + fields[2] + " is outside 1..7");
    }
    for (std::size_t k = kFirstValue; k < kColumns; ++k) tarvex::ParseDouble(fields[k]);
    rows.push_back(std::move(fields));
  }
  if (rows.size() != tarvex::kSpeciesCount * tarvex::kRegionCount) {
    throw TarvexError(fileName + ": " + tarvex::FormatInt(static_cast<long long>(rows.size())) +
                      " rows, 182 expected");
  }
  return rows;
}

std::string SpeciesFileText(const std::vector<std::vector<std::string>>& rows) {
  std::string text;
  for (const Section& section : kSections) {
    text += section.header;
    text += '\n';
    for (const auto& row : rows) {
      text += row[0] + ' ' + row[2];
      for (std::size_t k = 0; k < section.count; ++k) text += ' ' + row[section.first + k];
      text += '\n';
    }
  }
  return text;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fputs("usage: species_file_generator VALUES.csv IxoTreeData_reg.dat\n", stderr);
    return 2;
  }
  try {
    tarvex::SaveFileAtomically(argv[2], SpeciesFileText(ReadTable(argv[1])));
  } catch (const std::exception& e) {
    std::fprintf(stderr, "species_file_generator: %s\n", e.what());
    return 1;
  }
  return 0;
}
