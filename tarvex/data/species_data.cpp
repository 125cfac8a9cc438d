#include "tarvex/data/species_data.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fstream>
#include <type_traits>
#include <vector>

#include "tarvex/data/cohort_values.h"
#include "tarvex/data/number_text.h"
#include "tarvex/data/path_parts.h"
#include "tarvex/data/tarvex_error.h"
#include "tarvex/data/text_helpers.h"
#include "tarvex/data/text_lines.h"

namespace tarvex {
namespace {

constexpr int kSections = 8;
constexpr int kDataLines = kSpeciesCount * kRegionCount;
constexpr int kValuesOfSection[kSections] = {15, 15, 15, 15, 15, 1, 5, 1};
constexpr std::string_view kRowNames[kBafRows] = {"branches", "coarse roots", "fine roots",
                                                  "leaves", "stems"};

class TreeDataReader {
 public:
  TreeDataReader(const std::string& fileName, std::span<const int> regionMap)
      : fileName_(fileName), regionMap_(regionMap) {
    std::ifstream in(NativePath(fileName), std::ios::binary);
    if (!in) {
      throw TarvexError("Cannot open species data file " + fileName + ": " + std::strerror(errno));
    }
    for (std::string line; ReadTextLine(in, line);) lines_.push_back(std::move(line));
    if (in.bad()) {
      throw TarvexError("Cannot read species data file " + fileName + ": " + std::strerror(errno));
    }
  }

  [[noreturn]] void Refuse(std::size_t line, const std::string& problem) const {
    throw TarvexError(fileName_ + ", line " + FormatInt(static_cast<long long>(line + 1)) + ": " +
                      problem);
  }

  template <typename Parse>
  std::invoke_result_t<Parse, std::string_view> Field(std::size_t line,
                                                      const std::vector<std::string>& fields,
                                                      std::size_t k, Parse parse) const {
    try {
      return parse(fields[k]);
    } catch (const ConversionError& e) {
      throw ConversionError(fileName_ + ", line " + FormatInt(static_cast<long long>(line + 1)) +
                                ", field " + FormatInt(static_cast<long long>(k + 1)) + ": " +
                                e.what(),
                            e.Text());
    }
  }

  // One data line of SECTION (0-based): the species and region indices and
  // the values, checked. Records which line gave each pair.
  struct DataLine {
    int s, r;
    std::vector<double> values;
  };
  DataLine Next(int section) {
    const std::size_t line = next_++;
    if (line >= lines_.size()) {
      throw TarvexError(fileName_ + ": the file ends in section " + FormatInt(section + 1) +
                        " after line " + FormatInt(static_cast<long long>(lines_.size())) +
                        "; every section has a header line and 182 data lines");
    }
    const std::vector<std::string> fields = SplitString(lines_[line], " \t");
    const std::size_t expected = 2 + static_cast<std::size_t>(kValuesOfSection[section]);
    if (fields.size() != expected) {
      Refuse(line,
             std::string(fields.size() > expected ? "too many columns!" : "too few columns!") +
                 " (" + FormatInt(static_cast<long long>(fields.size())) + " fields, " +
                 FormatInt(static_cast<long long>(expected)) + " expected)");
    }
    DataLine data{};
    const int species = Field(line, fields, 0, ParseInt);
    if (species < 1 || species > kSpeciesCount) {
      Refuse(line, "species number " + FormatInt(species) + " is outside 1..26");
    }
    const int code = Field(line, fields, 1, ParseInt);
    const int region =
        code >= 0 && static_cast<std::size_t>(code) < regionMap_.size() ? regionMap_[code] : 0;
    if (region < 1 || region > kRegionCount) {
      Refuse(line, "region code " + FormatInt(code) + " names no region 1..7");
    }
    data.s = species - 1;
    data.r = region - 1;
    std::size_t& first = seen_[data.s][data.r];
    if (first != kUnseen) {
      Refuse(line, "species " + FormatInt(species) + " and region " + FormatInt(region) +
                       " are given twice in section " + FormatInt(section + 1) +
                       " (first on line " + FormatInt(static_cast<long long>(first + 1)) + ")");
    }
    first = line;
    for (std::size_t k = 2; k < fields.size(); ++k) {
      data.values.push_back(Field(line, fields, k, ParseDouble));
    }
    return data;
  }

  // Skips the header of a new section and forgets which pairs were seen.
  void StartSection(int section) {
    if (next_ >= lines_.size()) {
      throw TarvexError(fileName_ + ": the file ends before section " + FormatInt(section + 1) +
                        "; every section has a header line and 182 data lines");
    }
    ++next_;
    for (auto& row : seen_) row.fill(kUnseen);
  }

  // The line that gave species S and region R in the current section.
  std::size_t LineOf(int s, int r) const { return seen_[s][r]; }

  // Refuses the record of species S and region R for PROBLEM, found on LINE.
  [[noreturn]] void RefuseRecord(std::size_t line, int s, int r, const std::string& problem) const {
    Refuse(line, problem + "; the species " + std::string(defs_.Species[s].Name) +
                     " cannot be used in the region " + std::string(defs_.Regions[r].Name));
  }

 private:
  static constexpr std::size_t kUnseen = static_cast<std::size_t>(-1);

  const std::string& fileName_;
  std::span<const int> regionMap_;
  std::vector<std::string> lines_;
  std::size_t next_ = 0;
  std::array<std::array<std::size_t, kRegionCount>, kSpeciesCount> seen_{};
  const Defs defs_;
};

// The section that holds the value of a scenario-file KEY.
int SectionOfKey(const std::string& key) {
  constexpr std::string_view kKeys[kSections] = {
      "BAFbr", "BAFcr", "BAFfr", "BAFlv", "BAFst", "CarbonContent", "TurnOver", "WoodDensity"};
  return static_cast<int>(std::find(std::begin(kKeys), std::end(kKeys), key) - std::begin(kKeys));
}

// The line of each section that gave each species and region.
using SectionLines =
    std::array<std::array<std::array<std::size_t, kRegionCount>, kSpeciesCount>, kSections>;

// Sections 1-5: the expansion-factor rows.
void ReadExpansionFactors(TreeDataReader& reader, SpeciesRegionTable& table, SectionLines& lineOf) {
  for (int row = 0; row < kBafRows; ++row) {
    reader.StartSection(row);
    for (int j = 0; j < kDataLines; ++j) {
      const auto data = reader.Next(row);
      std::copy(data.values.begin(), data.values.end(), table[data.s][data.r].BAF[row]);
      lineOf[row][data.s][data.r] = reader.LineOf(data.s, data.r);
    }
  }
}

// The gaps of every expansion-factor row filled, and the rows made relative
// to the stems value of their age.
void FillAndRelateExpansionFactors(const TreeDataReader& reader, SpeciesRegionTable& table,
                                   const SectionLines& lineOf) {
  for (int s = 0; s < kSpeciesCount; ++s) {
    for (int r = 0; r < kRegionCount; ++r) {
      BiomassRecord& record = table[s][r];
      for (int row = 0; row < kBafRows; ++row) {
        int status = 0;
        FillGaps(0, 0, kBafColumns, -1.0f, record.BAF[row], status);
        if (status == 2) {
          reader.RefuseRecord(
              lineOf[row][s][r], s, r,
              "no expansion factor of " + std::string(kRowNames[row]) + " is given");
        }
      }
      if (const auto problem = StemsFactorProblem(record)) {
        reader.RefuseRecord(lineOf[kBafStemsRow][s][r], s, r, *problem);
      }
      MakeRelativeToStems(record);
    }
  }
}

// Sections 6-8: carbon content, turnover rates, wood density.
void ReadCarbonTurnoverAndDensity(TreeDataReader& reader, SpeciesRegionTable& table,
                                  SectionLines& lineOf) {
  for (int section = 5; section < kSections; ++section) {
    reader.StartSection(section);
    for (int j = 0; j < kDataLines; ++j) {
      const auto data = reader.Next(section);
      BiomassRecord& record = table[data.s][data.r];
      if (section == 5) record.CarbonContent = data.values[0] * 100.0;
      if (section == 6) std::copy(data.values.begin(), data.values.end(), record.TurnOver);
      if (section == 7) record.WoodDensity = data.values[0];
      lineOf[section][data.s][data.r] = reader.LineOf(data.s, data.r);
    }
  }
}

// Values that would give a cohort of that species and region nonsense.
void CheckFileValues(const TreeDataReader& reader, const SpeciesRegionTable& table,
                     const SectionLines& lineOf) {
  for (int s = 0; s < kSpeciesCount; ++s) {
    for (int r = 0; r < kRegionCount; ++r) {
      const BiomassRecord& record = table[s][r];
      BiomassRecord fromFile{};
      std::copy(&record.BAF[0][0], &record.BAF[0][0] + kBafRows * kBafColumns, &fromFile.BAF[0][0]);
      fromFile.CarbonContent = record.CarbonContent;
      std::copy(std::begin(record.TurnOver), std::end(record.TurnOver), fromFile.TurnOver);
      fromFile.WoodDensity = record.WoodDensity;
      if (const MaybeProblem problem = BiomassValueProblem(fromFile)) {
        reader.RefuseRecord(lineOf[SectionOfKey(problem->key)][s][r], s, r, problem->reason);
      }
    }
  }
}

}  // namespace

void FillGaps(int lowerBound, int first, int end, float missing, std::span<double> values,
              int& status) {
  if (first < lowerBound || first < 0) {
    status = 1;
    return;
  }
  end = std::min(end, static_cast<int>(values.size()));
  const double marker = missing;
  int i = first;
  while (i < end && !(values[i] > marker)) ++i;
  if (i >= end) {
    status = 2;
    return;
  }
  for (int k = first; k < i; ++k) values[k] = values[i];
  for (int j = i + 1; j < end; ++j) {
    if (!(values[j] > marker)) continue;
    const double slope = (values[j] - values[i]) / (j - i);
    for (int k = i + 1; k < j; ++k) values[k] = values[i] + (k - i) * slope;
    i = j;
  }
  for (int k = i + 1; k < end; ++k) values[k] = values[i];
  status = 0;
}

std::array<int, 100> RegionMapOf(const Defs& defs) {
  std::array<int, 100> map{};
  std::fill(map.begin(), map.begin() + kRegionCount, -1);
  for (const RegionRow& region : defs.Regions) map[region.Nr] = region.Nr;
  return map;
}

void ReadTreeData(const std::string& fileName, std::span<const int> regionMap,
                  SpeciesRegionTable& table) {
  TreeDataReader reader(fileName, regionMap);
  SectionLines lineOf;
  ReadExpansionFactors(reader, table, lineOf);
  FillAndRelateExpansionFactors(reader, table, lineOf);
  ReadCarbonTurnoverAndDensity(reader, table, lineOf);
  CheckFileValues(reader, table, lineOf);
}

std::unique_ptr<SpeciesRegionTable> BuildSpeciesRegionDefaults(const std::string& fileName,
                                                               const Defs& defs) {
  auto table = std::make_unique<SpeciesRegionTable>();
  const std::array<int, 100> regionMap = RegionMapOf(defs);
  ReadTreeData(fileName, regionMap, *table);
  for (int s = 0; s < kSpeciesCount; ++s) {
    const SpeciesRow& species = defs.Species[s];
    for (BiomassRecord& record : (*table)[s]) {
      record.Nlfmin = species.Nlfmin;
      record.Nlfmax = species.Nlfmax;
      record.expNlf = species.expNlf;
      record.SpeciesValue = species.SpeciesValue;
      record.Evergreen = species.Evergreen;
      std::copy(species.ctCa.begin(), species.ctCa.end(), record.ctCa);
      std::copy(species.ctK.begin(), species.ctK.end(), record.ctK);
      std::copy(species.ctMg.begin(), species.ctMg.end(), record.ctMg);
      std::copy(species.ctN.begin(), species.ctN.end(), record.ctN);
    }
  }
  return table;
}

}  // namespace tarvex
