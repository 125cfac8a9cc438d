// The results file: the site totals of a model run as comma-separated text,
// a header line "! Year,NAME,..." and one line per year of the site's period:
// the year, the uptake of N, Ca, Mg and K and the carbon and nitrogen input
// with litterfall, and with all results also the biomass and the litterfall
// of stems, branches, coarse roots, fine roots and leaves. Reals have six
// decimals; there is no blank after the commas.
#pragma once

#include <array>
#include <string_view>

namespace tarvex {

// The names of the 16 value columns, in file order.
inline constexpr std::array<std::string_view, 16> ResultColumnNames{
    "N_gupt", "Ca_upt", "Mg_upt", "K_upt",  "Clf",    "Nlf",    "BIOMst", "BIOMbr",
    "BIOMrc", "BIOMrf", "BIOMlv", "OMINst", "OMINbr", "OMINrc", "OMINrf", "OMINlv"};

}  // namespace tarvex
