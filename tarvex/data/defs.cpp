#include "tarvex/data/defs.h"

namespace tarvex {
namespace {

// Leaf nitrogen parameters {Nlfmin, Nlfmax, expNlf} of the three groups:
// conifers, broadleaves and pines.
struct LeafNitrogen {
  double Nlfmin, Nlfmax, expNlf;
};
constexpr LeafNitrogen kLeafNConifers{1.07, 1.51, 10.8};
constexpr LeafNitrogen kLeafNBroadleaves{1.52, 2.9, 8.2};
constexpr LeafNitrogen kLeafNPines{1.01, 2.13, 7.4};

// Nutrient contents of the seven content groups, percent.
struct Contents {
  CompartmentValues ctCa, ctMg, ctK, ctN;
};
constexpr Contents kContentsA{{0.29218, 0.1548, 0.37157, 0.58979, 0.12031},
                              {0.22529, 0.12517, 0.20793, 0.56972, 0.07308},
                              {0.10145, 0.029, 0.05705, 0.09801, 0.01974},
                              {0.4528, 0.29775, 0.99526, 1.34136, 0.11797}};
constexpr Contents kContentsB{{0.45776, 0.33369, 0.49, 0.96681, 0.19206},
                              {0.17329, 0.17, 0.25393, 0.88217, 0.11516},
                              {0.03857, 0.04019, 0.08613, 0.19048, 0.02101},
                              {0.4662, 0.36363, 0.90893, 2.59481, 0.15055}};
constexpr Contents kContentsC{{0.45931, 0.34564, 0.49857, 0.97058, 0.20306},
                              {0.17531, 0.17643, 0.26207, 0.86027, 0.12258},
                              {0.03846, 0.04107, 0.08943, 0.18146, 0.02204},
                              {0.46413, 0.34557, 0.93029, 2.59074, 0.15565}};
constexpr Contents kContentsD{{0.38076, 0.29963, 0.409, 0.78693, 0.13817},
                              {0.15618, 0.14675, 0.20363, 0.82343, 0.10446},
                              {0.03265, 0.04188, 0.077, 0.12425, 0.02453},
                              {0.40381, 0.3265, 0.9575, 2.61206, 0.13466}};
constexpr Contents kContentsE{{0.63885, 0.407, 0.618, 1.06561, 0.2859},
                              {0.21905, 0.216, 0.34, 0.83215, 0.1248},
                              {0.05007, 0.04, 0.106, 0.20832, 0.01902},
                              {0.602, 0.371, 0.894, 2.69736, 0.18497}};
constexpr Contents kContentsF{{0.24374, 0.09067, 0.283, 0.41685, 0.09848},
                              {0.17091, 0.10417, 0.147, 0.52588, 0.06345},
                              {0.07164, 0.02945, 0.045, 0.0894, 0.0224},
                              {0.34513, 0.17683, 0.744, 1.34395, 0.10584}};
constexpr Contents kContentsG{{0.44, 0.25, 0.37, 0.93733, 0.10847},
                              {0.15, 0.125, 0.14, 1.05733, 0.05877},
                              {0.04, 0.034, 0.04, 0.26267, 0.01291},
                              {0.49, 0.49, 0.61, 2.62333, 0.11286}};

constexpr SpeciesRow Row(int nr, unsigned char evergreen, std::string_view name, int rotation,
                         const LeafNitrogen& leafN, double value, const Contents& contents) {
  return SpeciesRow{nr,           evergreen,    name,  rotation,      leafN.Nlfmin,
                    leafN.Nlfmax, leafN.expNlf, value, contents.ctCa, contents.ctMg,
                    contents.ctK, contents.ctN};
}

constexpr std::array<SpeciesRow, kSpeciesCount> kSpecies{
    Row(1, 1, "Abies", 80, kLeafNConifers, 0.11, kContentsA),
    Row(2, 0, "Broadleaves", 90, kLeafNBroadleaves, 0.13, kContentsB),
    Row(3, 0, "Carpinus", 100, kLeafNBroadleaves, 0.13, kContentsC),
    Row(4, 1, "Conifers", 80, kLeafNConifers, 0.11, kContentsA),
    Row(5, 1, "Eucalyptus", 100, kLeafNBroadleaves, 0.13, kContentsC),
    Row(6, 0, "Fagus", 100, kLeafNBroadleaves, 0.13, kContentsD),
    Row(7, 0, "Hard broadleaves", 100, kLeafNBroadleaves, 0.13, kContentsC),
    Row(8, 1, "Ilex", 100, kLeafNBroadleaves, 0.13, kContentsC),
    Row(9, 0, "Larix", 80, kLeafNConifers, 0.11, kContentsA),
    Row(10, 0, "Mediterranean oaks", 100, kLeafNBroadleaves, 0.13, kContentsE),
    Row(11, 1, "Mediterranean pines", 80, kLeafNPines, 0.11, kContentsF),
    Row(12, 1, "Picea", 80, kLeafNConifers, 0.11, kContentsA),
    Row(13, 1, "Picea abies", 80, kLeafNConifers, 0.11, kContentsA),
    Row(14, 1, "Picea sitchensis", 80, kLeafNConifers, 0.11, kContentsA),
    Row(15, 1, "Pinus", 80, kLeafNConifers, 0.11, kContentsF),
    Row(16, 1, "Pinus contorta", 80, kLeafNPines, 0.11, kContentsF),
    Row(17, 1, "Pinus nigra", 80, kLeafNPines, 0.11, kContentsF),
    Row(18, 1, "Pinus pinaster", 80, kLeafNPines, 0.11, kContentsF),
    Row(19, 1, "Pinus radiata", 80, kLeafNPines, 0.11, kContentsF),
    Row(20, 1, "Pinus sylvestris", 80, kLeafNPines, 0.11, kContentsF),
    Row(21, 0, "Populus", 60, kLeafNBroadleaves, 0.13, kContentsG),
    Row(22, 1, "Pseudotsuga menziesii", 80, kLeafNConifers, 0.11, kContentsA),
    Row(23, 0, "Quercus", 100, kLeafNBroadleaves, 0.13, kContentsE),
    Row(24, 0, "Quercus faginea", 100, kLeafNBroadleaves, 0.13, kContentsE),
    Row(25, 1, "Quercus pyrenaica", 100, kLeafNBroadleaves, 0.13, kContentsE),
    Row(26, 0, "Soft broadleaves", 60, kLeafNBroadleaves, 0.13, kContentsG),
};

constexpr std::array<RegionRow, kRegionCount> kRegions{{
    {1, "All"},
    {2, "Atlantic"},
    {3, "Artic"},
    {4, "Alpine"},
    {5, "Boreal"},
    {6, "Continental"},
    {7, "Mediterranean"},
}};

constexpr std::array<CountryRow, kCountryCount> kCountries{{
    {1, 8, "Albania"},
    {2, 40, "Austria"},
    {3, 112, "Belarus"},
    {4, 56, "Belgium"},
    {5, 70, "Bosnia And Herzegowina"},
    {6, 100, "Bulgaria"},
    {7, 191, "Croatia"},
    {8, 196, "Cyprus"},
    {9, 203, "Czech Republic"},
    {10, 208, "Denmark"},
    {11, 233, "Estonia"},
    {12, 246, "Finland"},
    {13, 250, "France"},
    {14, 276, "Germany"},
    {15, 300, "Greece"},
    {16, 348, "Hungary"},
    {17, 352, "Iceland"},
    {18, 372, "Ireland"},
    {19, 380, "Italy"},
    {20, 428, "Latvia"},
    {21, 440, "Lithuania"},
    {22, 442, "Luxembourg"},
    {23, 807, "Macedonia"},
    {24, 470, "Malta"},
    {25, 498, "Moldavia"},
    {26, 920, "Montenegro"},
    {27, 528, "Netherlands"},
    {28, 578, "Norway"},
    {29, 616, "Poland"},
    {30, 620, "Portugal"},
    {31, 642, "Romania"},
    {32, 643, "Russia"},
    {33, 891, "Serbia"},
    {34, 703, "Slovakia"},
    {35, 705, "Slovenia"},
    {36, 724, "Spain"},
    {37, 752, "Sweden"},
    {38, 756, "Switzerland"},
    {39, 792, "Turkey"},
    {40, 826, "United Kingdom"},
    {41, 900, "Yugoslavia"},
    {42, 804, "Ukraine"},
    {43, 999, "Other"},
}};

constexpr std::array<CompartmentValues, 2> kTurnOverRows{{
    {0.025, 0.025, 0.641, 1.0, 0.0043},
    {0.027, 0.027, 0.641, 0.25, 0.0087},
}};

template <typename Rows>
int IndexOfName(const Rows& rows, std::string_view name) {
  for (const auto& row : rows) {
    if (row.Name == name) return row.Nr - 1;
  }
  return -1;
}

}  // namespace

Defs::Defs()
    : Species(kSpecies), Countries(kCountries), Regions(kRegions), TurnOverRows(kTurnOverRows) {}

int Defs::SpeciesIndex(std::string_view name) const { return IndexOfName(Species, name); }

int Defs::RegionIndex(std::string_view name) const { return IndexOfName(Regions, name); }

}  // namespace tarvex
