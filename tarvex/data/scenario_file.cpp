#include "tarvex/data/scenario_file.h"

#include <algorithm>
#include <span>
#include <type_traits>
#include <vector>

#include "tarvex/data/atomic_file.h"
#include "tarvex/data/cohort_values.h"
#include "tarvex/data/defs.h"
#include "tarvex/data/number_text.h"
#include "tarvex/data/tarvex_error.h"
#include "tarvex/data/text_helpers.h"

namespace tarvex {
namespace {

constexpr std::size_t kKeyWidth = 17;
constexpr std::string_view kBafKeys[kBafRows] = {"BAFbr", "BAFcr", "BAFfr", "BAFlv", "BAFst"};

std::string CohortMarker(int number) { return ">>CohortNr_" + FormatInt(number); }

// The forest types as the file names them.
constexpr std::string_view kEvenAgedText = "EvenAged";
constexpr std::string_view kNaturalRejuvenationText = "NatJuvenation";

std::string_view ForestTypeText(ForestKind kind) {
  return kind == ForestKind::NaturalRejuvenation ? kNaturalRejuvenationText : kEvenAgedText;
}

// Only "NatJuvenation" names a natural stand; any other text, and none,
// counts as an even-aged stand.
ForestKind ForestTypeOfText(std::string_view text) {
  return text == kNaturalRejuvenationText ? ForestKind::NaturalRejuvenation : ForestKind::EvenAged;
}

// The file holds no evergreen flag: a turnover rate of leaves below 1 marks
// an evergreen species, one of 1 or more a deciduous species.
bool MarksEvergreen(double leafTurnover) { return leafTurnover < 1.0; }

// Writing -------------------------------------------------------------------

class ScenarioWriter {
 public:
  explicit ScenarioWriter(const std::string& fileName) : fileName_(fileName) {}

  [[noreturn]] void Refuse(const std::string& reason) const {
    throw TarvexError("Cannot write Tarvex file " + fileName_ + ": " + reason);
  }
  void Key(std::string_view key) {
    text_ += key;
    text_.append(kKeyWidth - key.size(), ' ');
  }
  // A text as the reader takes it back: without the blanks and TABs at either
  // end, and FALLBACK, the default the window shows, when nothing is left, so
  // that a file opens, saves and opens again unchanged.
  void Text(std::string_view key, std::string_view value, const std::string& what,
            std::string_view fallback = {}) {
    if (value.find_first_of("\r\n") != std::string_view::npos) Refuse(what + " holds a line end");
    const std::string_view text = WithoutSurroundingBlanks(value);
    Key(key);
    Line(text.empty() ? fallback : text);
  }
  void Int(std::string_view key, int value) {
    Key(key);
    Line(FormatInt(value));
  }
  void Real(std::string_view key, double value) {
    Key(key);
    Line(FormatFixed6(value));
  }
  // Five values separated by blanks ("%lf %lf %lf %lf %lf").
  void Five(std::string_view key, const double (&values)[5]) {
    Key(key);
    for (int k = 0; k < 5; ++k) {
      if (k > 0) text_ += ' ';
      text_ += FormatFixed6(values[k]);
    }
    Line("");
  }
  // A list: every value followed by one blank.
  template <typename T, typename Format>
  void List(std::string_view key, const T& values, Format format) {
    Key(key);
    for (const auto& value : values) {
      text_ += format(value);
      text_ += ' ';
    }
    Line("");
  }
  void Line(std::string_view text) {
    text_ += text;
    text_ += '\n';
  }
  void Append(std::string_view text) { text_ += text; }
  std::string Take() { return std::move(text_); }

 private:
  const std::string& fileName_;
  std::string text_;
};

void WriteGrowthCurve(ScenarioWriter& out, const CCai& cai) {
  const std::span<const standsim::CAIPT> points(cai.Points.data(),
                                                static_cast<std::size_t>(cai.NrDataGrowth));
  out.Int("NrDataGrowth", cai.NrDataGrowth);
  out.List("GrowthYears", points, [](const standsim::CAIPT& p) { return FormatInt(p.AGE); });
  out.List("Increment", points, [](const standsim::CAIPT& p) { return FormatFixed6(p.INC); });
}

void WriteManagement(ScenarioWriter& out, const CForMan& forMan) {
  const std::span<const standsim::MANACT> actions(forMan.ManActions.data(),
                                                  static_cast<std::size_t>(forMan.NrForManData));
  out.Int("NrForManData", forMan.NrForManData);
  out.List("ForManYears", actions, [](const standsim::MANACT& a) { return FormatInt(a.YEAR); });
  out.List("Actions", actions, [](const standsim::MANACT& a) { return FormatInt(a.ACTTYPE); });
  out.List("PercAmount", actions, [](const standsim::MANACT& a) { return FormatFixed6(a.PERC); });
  out.Key("RemovedOrLeft");
  for (const standsim::MANACT& action : actions) {
    std::string word = " ";
    for (int32_t flag : action.REMFLAG) word += static_cast<char>('0' + flag);
    out.Append(word);
  }
  out.Line("");
}

// Refuses a value that the reader would refuse: one out of its range, a
// turnover rate of leaves that would read back as the other kind of species,
// a stems expansion factor that six decimals would write as 0, and a factor
// that the reader's division by the stems factor of its age, as written,
// would carry out of its range.
void CheckCohort(const ScenarioWriter& out, const CCohort& cohort, int number) {
  const std::string of = "cohort " + FormatInt(number) + ": ";
  if (const MaybeProblem problem = CohortValueProblem(cohort)) out.Refuse(of + problem->reason);
  const double leaves = cohort.BiomassData.TurnOver[standsim::LV];
  const std::string leavesText = FormatFixed6(leaves);
  const bool evergreen = cohort.BiomassData.Evergreen != 0;
  if (MarksEvergreen(ParseDouble(leavesText)) != evergreen) {
    out.Refuse(of + "the turnover rate of leaves " + FloatToText(leaves) + " is written as " +
               leavesText + ", which marks " + (evergreen ? "a deciduous" : "an evergreen") +
               " species, but the species of the cohort is " +
               (evergreen ? "evergreen" : "deciduous"));
  }
  const auto written = [](double value) { return ParseDouble(FormatFixed6(value)); };
  BiomassRecord read = cohort.BiomassData;
  for (auto& row : read.BAF) {
    for (double& value : row) value = written(value);
  }
  for (int k = 0; k < kBafColumns; ++k) {
    if (read.BAF[kBafStemsRow][k] == 0.0) {
      out.Refuse(of + "the expansion factor of stems at age " + FormatInt(BafAges[k]) +
                 " is too small to be written with six decimals");
    }
  }
  MakeRelativeToStems(read);
  if (const MaybeProblem problem = BiomassValueProblem(read)) {
    out.Refuse(of + problem->reason + " once divided by the stems factor of its age as written");
  }
}

void WriteCohort(ScenarioWriter& out, const CCohort& cohort, int number) {
  const BiomassRecord& b = cohort.BiomassData;
  out.Line(CohortMarker(number));
  out.Text("SpeciesName", cohort.SpeciesName, "the species name of cohort " + FormatInt(number),
           kUnknownSpecies);
  out.Real("MaxGrowth", cohort.MaxGrowth);
  out.Real("Kgr", cohort.Kgr);
  out.Real("InitBiom", cohort.InitBiom);
  out.Real("CarbonContent", b.CarbonContent);
  out.Real("WoodDensity", b.WoodDensity);
  out.Five("TurnOver", b.TurnOver);
  out.Real("Nlfmax", b.Nlfmax);
  out.Real("Nlfmin", b.Nlfmin);
  out.Real("expNlf", b.expNlf);
  out.Five("ctCa", b.ctCa);
  out.Five("ctMg", b.ctMg);
  out.Five("ctK", b.ctK);
  out.Five("ctN", b.ctN);
  for (int row = 0; row < kBafRows; ++row) out.List(kBafKeys[row], b.BAF[row], FormatFixed6);
  WriteGrowthCurve(out, cohort.Cai);
  WriteManagement(out, cohort.ForMan);
}

// Reading -------------------------------------------------------------------

class BlockReader {
 public:
  BlockReader(const KeyedLines& file, std::string marker)
      : file_(file), marker_(std::move(marker)) {}

  [[noreturn]] void Refuse(std::string_view key, const std::string& problem) const {
    throw TarvexError(KeyContext(file_, key, marker_, FindKey(file_, key, marker_)) + ": " +
                      problem);
  }

  int Int(std::string_view key) const { return ReadKeyInt(file_, key, marker_); }
  double Real(std::string_view key) const { return ReadKeyDouble(file_, key, marker_); }
  void Text(std::string_view key, std::string& value) const {
    ReadKeyString(file_, key, marker_, value);
  }

  // A count of LOW..HIGH.
  int Count(std::string_view key, int low, int high) const {
    const int n = Int(key);
    if (n < low || n > high) {
      Refuse(key, FormatInt(n) + " is outside " + FormatInt(low) + ".." + FormatInt(high));
    }
    return n;
  }

  // A list of at least LOW and at most HIGH values; none when the key is
  // absent and LOW is 0.
  template <typename T>
  std::vector<T> List(std::string_view key, std::size_t low, std::size_t high) const {
    std::vector<T> values;
    if constexpr (std::is_same_v<T, int>) {
      values = ReadKeyIntArray(file_, key, marker_);
    } else if constexpr (std::is_same_v<T, double>) {
      values = ReadKeyDoubleArray(file_, key, marker_);
    } else {
      values = ReadKeyStringArray(file_, key, marker_);
    }
    if (values.size() < low || values.size() > high) {
      const std::string expected =
          low == high
              ? FormatInt(static_cast<long long>(low))
              : (values.size() < low ? "at least " + FormatInt(static_cast<long long>(low))
                                     : "at most " + FormatInt(static_cast<long long>(high)));
      Refuse(key, FormatInt(static_cast<long long>(values.size())) + " values, " + expected +
                      " expected");
    }
    return values;
  }

  bool Has(std::string_view key) const { return FindKey(file_, key, marker_).has_value(); }

  // Five values, or zeros when the key is absent.
  void Five(std::string_view key, double (&target)[5]) const {
    const std::vector<double> values = List<double>(key, Has(key) ? 5 : 0, 5);
    std::fill(std::begin(target), std::end(target), 0.0);
    std::copy(values.begin(), values.end(), target);
  }

 private:
  const KeyedLines& file_;
  std::string marker_;
};

// The five expansion-factor rows, relative to stems. A row of 14 values
// takes its age-1000 value from DEFAULTS, or repeats its age-140 value.
void ReadExpansionFactors(const BlockReader& block, BiomassRecord& b,
                          const BiomassRecord* defaults) {
  for (int row = 0; row < kBafRows; ++row) {
    const std::string_view key = kBafKeys[row];
    const std::vector<double> values =
        block.List<double>(key, block.Has(key) ? kBafColumns - 1 : 0, kBafColumns);
    std::fill(std::begin(b.BAF[row]), std::end(b.BAF[row]), 0.0);
    std::copy(values.begin(), values.end(), b.BAF[row]);
    if (values.size() == kBafColumns - 1) {
      b.BAF[row][kBafColumns - 1] =
          defaults ? defaults->BAF[row][kBafColumns - 1] : b.BAF[row][kBafColumns - 2];
    }
  }
  if (const auto problem = StemsFactorProblem(b)) block.Refuse(kBafKeys[kBafStemsRow], *problem);
  MakeRelativeToStems(b);
}

void ReadGrowthCurve(const BlockReader& block, CCai& cai) {
  cai.Clear();
  const int n = block.Count("NrDataGrowth", 0, kMaxGrowthPoints);
  const auto ages = block.List<int>("GrowthYears", static_cast<std::size_t>(n), kMaxGrowthPoints);
  const auto increments =
      block.List<double>("Increment", static_cast<std::size_t>(n), kMaxGrowthPoints);
  for (int k = 0; k < n; ++k) cai.AddPoint(ages[k], increments[k]);  // a repeated age is dropped
}

RemovalFlags ParseFlagWord(const BlockReader& block, const std::string& word) {
  RemovalFlags flags{};
  const bool digits = word.size() == 4 && std::all_of(word.begin(), word.end(),
                                                      [](char c) { return c >= '0' && c <= '9'; });
  if (!digits) block.Refuse("RemovedOrLeft", "\"" + word + "\" is not a word of four digits");
  for (int k = 0; k < 4; ++k) flags[k] = word[k] - '0';
  return flags;
}

void ReadManagement(const BlockReader& block, CForMan& forMan) {
  forMan.Clear();
  const int m = block.Count("NrForManData", 0, kMaxManagementActions);
  const auto count = static_cast<std::size_t>(m);
  const auto years = block.List<int>("ForManYears", count, kMaxManagementActions);
  const auto types = block.List<int>("Actions", count, kMaxManagementActions);
  const auto percs = block.List<double>("PercAmount", count, kMaxManagementActions);
  const auto words = block.List<std::string>("RemovedOrLeft", count, kMaxManagementActions);
  for (std::size_t k = 0; k < count; ++k) {
    const RemovalFlags flags = ParseFlagWord(block, words[k]);
    standsim::MANACT action{years[k], types[k], percs[k], {}};
    std::copy(flags.begin(), flags.end(), action.REMFLAG);
    // Type 0 is what the management grid commits for a row that holds a
    // year but no action; it is kept as it is.
    if (const MaybeProblem problem = ActionProblem(static_cast<int>(k + 1), action)) {
      block.Refuse(problem->key, problem->reason);
    }
    // A repeated year replaces the earlier action.
    forMan.SetAction(years[k], types[k], percs[k], flags);
  }
}

void ReadCohort(const KeyedLines& file, CCohort& cohort, int number, const std::string& region,
                const SpeciesRegionTable* defaults) {
  const std::string marker = CohortMarker(number);
  if (!file.HasMarker(marker)) {
    throw TarvexError(file.FileName() + ", cohort " + FormatInt(number) + ": the block \"" +
                      marker + "\" is missing");
  }
  const BlockReader block(file, marker);
  BiomassRecord& b = cohort.BiomassData;
  block.Text("SpeciesName", cohort.SpeciesName);
  if (cohort.SpeciesName.empty()) cohort.SpeciesName = kUnknownSpecies;
  cohort.MaxGrowth = block.Real("MaxGrowth");
  cohort.Kgr = block.Real("Kgr");
  cohort.InitBiom = block.Real("InitBiom");
  b.CarbonContent = block.Real("CarbonContent");
  b.WoodDensity = block.Real("WoodDensity");
  block.Five("TurnOver", b.TurnOver);
  b.Evergreen = MarksEvergreen(b.TurnOver[standsim::LV]) ? 1 : 0;
  block.Five("ctCa", b.ctCa);
  block.Five("ctMg", b.ctMg);
  block.Five("ctK", b.ctK);
  block.Five("ctN", b.ctN);
  b.Nlfmax = block.Real("Nlfmax");
  b.Nlfmin = block.Real("Nlfmin");
  b.expNlf = block.Real("expNlf");

  const BiomassRecord* speciesDefaults = nullptr;
  if (defaults) {
    const Defs tables;
    const int s = tables.SpeciesIndex(cohort.SpeciesName);
    const int r = tables.RegionIndex(region);
    if (s >= 0 && r >= 0) speciesDefaults = &(*defaults)[s][r];
  }
  ReadExpansionFactors(block, b, speciesDefaults);
  cohort.HasBiomassData = true;
  ReadGrowthCurve(block, cohort.Cai);
  ReadManagement(block, cohort.ForMan);
  if (const MaybeProblem problem = CohortValueProblem(cohort)) {
    block.Refuse(problem->key, problem->reason);
  }
}

}  // namespace

std::string ScenarioText(const CSite& site, const std::string& fileName) {
  ScenarioWriter out(fileName);
  out.Text("RegionName", site.RegionName, "the region name", kUnknownRegion);
  out.Int("NrCohorts", site.NrCohorts());
  out.Text("QSMpInFile", site.QSMpInFile, "the QSM file name");
  out.Text("ForestType", ForestTypeText(site.ForestType), "the forest type");
  for (int i = 0; i < site.NrCohorts(); ++i) WriteCohort(out, site.Cohort(i), i + 1);
  return out.Take();
}

std::unique_ptr<CSite> ReadScenario(const KeyedLines& file, const CountryToRegion& chooseRegion,
                                    const SpeciesRegionTable* defaults) {
  auto site = std::make_unique<CSite>();
  const BlockReader siteKeys(file, "");
  // A "RegionName" line without a value names no region, as no line does.
  site->RegionName.clear();
  siteKeys.Text("RegionName", site->RegionName);
  if (site->RegionName.empty()) {
    siteKeys.Text("CountryName", site->CountryName);
    if (site->CountryName.size() > 1 && chooseRegion) {
      site->RegionName = chooseRegion(site->CountryName);
      site->RegionFromCountry = true;
    }
    if (site->RegionName.empty()) site->RegionName = kUnknownRegion;
  }
  siteKeys.Text("QSMpInFile", site->QSMpInFile);
  const int nrCohorts = siteKeys.Count("NrCohorts", 1, kMaxCohorts);
  std::string forestType;
  siteKeys.Text("ForestType", forestType);
  site->ForestType = ForestTypeOfText(forestType);
  for (int i = 1; i <= nrCohorts; ++i) {
    ReadCohort(file, site->AddCohort(), i, site->RegionName, defaults);
  }
  return site;
}

void CSite::WriteToFile(const std::string& fileName) const {
  const ScenarioWriter check(fileName);
  for (int i = 0; i < NrCohorts(); ++i) CheckCohort(check, Cohort(i), i + 1);
  const std::string text = ScenarioText(*this, fileName);
  try {
    SaveFileAtomically(fileName, text);
  } catch (const AtomicSaveError& e) {
    throw TarvexError("Cannot write Tarvex file " + fileName + ": " + e.what());
  }
}

std::unique_ptr<CSite> CSite::ReadFromFile(const std::string& fileName,
                                           const CountryToRegion& chooseRegion,
                                           const SpeciesRegionTable* defaults) {
  return ReadScenario(KeyedLines::FromFile(fileName), chooseRegion, defaults);
}

}  // namespace tarvex
