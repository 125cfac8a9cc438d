#include "standsim/support/tables_and_grids/grid_gap_filling.h"

#include <array>
#include <limits>
#include <string_view>
#include <vector>

#include "standsim/support/fortran_runtime/array_bounds.h"

namespace standsim {
namespace {

constexpr float diagonal_weight_r = 0.70710677f;
constexpr double diagonal_weight_d = 0.7071067932881648;

struct Neighbour {
  int di;
  int dj;
  bool diagonal;
};

constexpr std::array<Neighbour, 8> neighbours{{{-1, -1, true},
                                               {0, -1, false},
                                               {1, -1, true},
                                               {1, 0, false},
                                               {1, 1, true},
                                               {0, 1, false},
                                               {-1, 1, true},
                                               {-1, 0, false}}};

// The index arithmetic of one grid; positions are 0-based offsets into F.
struct GridShape {
  int64_t i1, i2, j1, j2;

  int64_t rows() const { return i2 - i1 + 1; }
  int64_t columns() const { return j2 - j1 + 1; }
  // The number of cells, held at the largest 8-byte integer for ranges no
  // memory can hold.
  int64_t cells() const {
    const int64_t most = std::numeric_limits<int64_t>::max();
    return columns() > most / rows() ? most : rows() * columns();
  }
  std::size_t at(int64_t i, int64_t j) const {
    return static_cast<std::size_t>((i - i1) + rows() * (j - j1));
  }
  bool inside(int64_t i, int64_t j) const { return i1 <= i && i <= i2 && j1 <= j && j <= j2; }
};

// The valid cells of F.
template <class Real>
std::vector<bool> valid_cells(std::span<const Real> f, std::size_t cells, Real miss) {
  std::vector<bool> valid(cells);
  for (std::size_t k = 0; k < cells; ++k) valid[k] = f[k] > miss;
  return valid;
}

template <class Real>
struct NeighbourSums {
  Real s = 0;
  Real q = 0;
};

// The weighted sums over the neighbours of (i, j) that VALID marks.
template <class Real>
NeighbourSums<Real> neighbour_sums(const GridShape& grid, std::span<const Real> values,
                                   const std::vector<bool>& valid, int64_t i, int64_t j,
                                   Real diagonal) {
  NeighbourSums<Real> sums;
  for (const Neighbour& m : neighbours) {
    const int64_t ii = i + m.di;
    const int64_t jj = j + m.dj;
    if (!grid.inside(ii, jj) || !valid[grid.at(ii, jj)]) continue;
    const Real weight = m.diagonal ? diagonal : Real(1);
    sums.s = sums.s + weight * values[grid.at(ii, jj)];
    sums.q = sums.q + weight;
  }
  return sums;
}

// The shape of the grid, or nothing to do for an empty range.
bool grid_shape(std::string_view routine, int32_t i1, int32_t i2, int32_t j1, int32_t j2,
                std::size_t size, GridShape& grid) {
  if (i2 < i1 || j2 < j1) return false;
  grid = GridShape{i1, i2, j1, j2};
  check_length(routine, "F", size, grid.cells());
  return true;
}

template <class Real>
void gap_fill(std::string_view routine, int32_t i1, int32_t i2, int32_t j1, int32_t j2,
              std::span<Real> f, Real miss, Real diagonal) {
  GridShape grid;
  if (!grid_shape(routine, i1, i2, j1, j2, f.size(), grid)) return;
  const std::span<const Real> values(f);
  const std::vector<bool> original =
      valid_cells(values, static_cast<std::size_t>(grid.cells()), miss);
  for (int64_t j = grid.j1; j <= grid.j2; ++j) {
    for (int64_t i = grid.i1; i <= grid.i2; ++i) {
      if (original[grid.at(i, j)]) continue;
      const NeighbourSums<Real> sums = neighbour_sums(grid, values, original, i, j, diagonal);
      if (sums.q > 0) f[grid.at(i, j)] = sums.s / sums.q;
    }
  }
}

}  // namespace

void GAPFILLR(int32_t i1, int32_t i2, int32_t j1, int32_t j2, std::span<float> f, float miss) {
  gap_fill("GAPFILLR", i1, i2, j1, j2, f, miss, diagonal_weight_r);
}

void GAPFILLD(int32_t i1, int32_t i2, int32_t j1, int32_t j2, std::span<double> f, double miss) {
  gap_fill("GAPFILLD", i1, i2, j1, j2, f, miss, diagonal_weight_d);
}

void GRIDSMOOTH(int32_t i1, int32_t i2, int32_t j1, int32_t j2, std::span<double> f, double w,
                double miss) {
  if (w >= 1.0) return;
  GridShape grid;
  if (!grid_shape("GRIDSMOOTH", i1, i2, j1, j2, f.size(), grid)) return;
  const std::size_t cells = static_cast<std::size_t>(grid.cells());
  const std::vector<double> fori(f.begin(), f.begin() + static_cast<std::ptrdiff_t>(cells));
  const std::vector<bool> take = valid_cells<double>(fori, cells, miss);
  for (int64_t j = grid.j1; j <= grid.j2; ++j) {
    for (int64_t i = grid.i1; i <= grid.i2; ++i) {
      const std::size_t k = grid.at(i, j);
      if (!take[k]) continue;
      const NeighbourSums<double> sums =
          neighbour_sums<double>(grid, fori, take, i, j, diagonal_weight_d);
      if (sums.q > 0) f[k] = w * fori[k] + (sums.s * (1.0 - w)) / sums.q;
    }
  }
}

}  // namespace standsim
