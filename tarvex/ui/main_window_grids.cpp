// The growth-curve and management grids of the cohort shown: each grid is an
// editing copy of its record, committed into the cohort from the whole grid
// and shown again from the record in stored order.
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QLabel>
#include <QTimer>
#include <algorithm>
#include <array>
#include <functional>
#include <numeric>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "standsim/engine/growth_records.h"
#include "tarvex/data/action_names.h"
#include "tarvex/data/cohort_values.h"
#include "tarvex/data/number_text.h"
#include "tarvex/data/shell_sort.h"
#include "tarvex/data/tarvex_error.h"
#include "tarvex/ui/main_window.h"
#include "tarvex/ui/platform/chart.h"
#include "tarvex/ui/platform/string_grid.h"
#include "tarvex/window_logic/default_management.h"

namespace tarvex {
namespace {

constexpr int kActionColumn = 1;
constexpr int kPercentageColumn = 2;
constexpr int kFirstRemovalColumn = 3;
const char* const kRemoved = "Removed";
const char* const kLeft = "Left";

int ActionTypeOf(const QString& text) { return ActionOfName(text.toStdString()); }

// A grid cell whose value cannot be stored: the message, and the cell.
class RefusedCell : public TarvexError {
 public:
  RefusedCell(const std::string& message, int col, int row)
      : TarvexError(message), Col(col), Row(row) {}
  int Col;
  int Row;
};

// The value READ takes from the cell (COL, ROW) of a grid; what READ raises
// refuses that cell.
template <typename Read>
auto FromCell(int col, int row, Read read) {
  try {
    return read();
  } catch (const TarvexError& e) {
    throw RefusedCell(e.what(), col, row);
  }
}

// Refuses the cell (COL, ROW) with "Error: REASON" for a value that can only
// give nonsense.
void Refuse(const MaybeProblem& problem, int col, int row) {
  if (problem) throw RefusedCell("Error: " + problem->reason, col, row);
}

// The record READ takes from GRID. When it refuses a cell, SHOWRECORD shows
// the cohort's record again in the grid and the refused cell becomes the
// current one, with the focus, for the correction; the refusal goes on.
template <typename Read, typename ShowRecord>
auto FromGridOrShowRecord(StringGrid& grid, Read read, ShowRecord showRecord) {
  try {
    return read();
  } catch (const RefusedCell& refused) {
    showRecord();
    grid.SelectCellQuietly(refused.Col, refused.Row);
    grid.setFocus();
    throw;
  }
}

double NumberOrZero(const StringGrid& grid, int col, int row) {
  const QString text = grid.Cell(col, row);
  return text.isEmpty() ? 0.0 : FromCell(col, row, [&] { return ParseDouble(text.toStdString()); });
}

int IntegerIn(const StringGrid& grid, int col, int row) {
  return FromCell(col, row, [&] { return ParseInt(grid.Cell(col, row).toStdString()); });
}

// Runs ACTION once the mouse button being pressed (with KEYS, also the key)
// is up again and what its release does has been done.
class WhenInputIsUp : public QObject {
 public:
  WhenInputIsUp(QObject& context, bool keys, std::function<void()> action)
      : QObject(&context), keys_(keys), action_(std::move(action)) {
    qApp->installEventFilter(this);
  }

 protected:
  bool eventFilter(QObject* /*watched*/, QEvent* event) override {
    if (event->type() == QEvent::MouseButtonRelease ||
        (keys_ && event->type() == QEvent::KeyRelease)) {
      qApp->removeEventFilter(this);
      QTimer::singleShot(0, parent(), action_);
      deleteLater();
    }
    return false;
  }

 private:
  bool keys_;
  std::function<void()> action_;
};

// Places LIST over the data cell (COL, ROW) of GRID and opens it.
void OpenCellList(QComboBox& list, const StringGrid& grid, int col, int row) {
  const QRect cell = grid.CellRect(col, row);
  list.setGeometry(cell.left() + 1, cell.top() + 1, grid.columnWidth(col),
                   list.sizeHint().height());
  list.show();
  list.setFocus();
  list.raise();
  if (QGuiApplication::mouseButtons() == Qt::NoButton) {
    list.showPopup();
  } else {
    // A drop-down opened while the button that chose the cell is still down
    // takes its release as the choice of the item under the pointer, and
    // closes at once.
    new WhenInputIsUp(list, false, [list = &list] {
      if (list->isVisible()) list->showPopup();
    });
  }
}

}  // namespace

void TForm1::ClearGridRows(StringGrid& grid) { grid.ClearRows(); }

CCai TForm1::CurveFromGrid() const {
  const StringGrid& grid = *StringGridStemGrowth;
  CCai curve;
  if (NaturalForest()) return curve;
  for (int r = 1; r < grid.RowCount(); ++r) {
    if (grid.Cell(0, r).isEmpty()) continue;
    const double increment = NumberOrZero(grid, 1, r);
    const int age = IntegerIn(grid, 0, r);
    Refuse(AgeProblem(age), 0, r);
    Refuse(IncrementProblem(age, increment), 1, r);
    if (!curve.AddPoint(age, increment)) throw RefusedCell("Error: Duplicate entry", 0, r);
  }
  return curve;
}

void TForm1::SaveGrowth(bool strict) {
  // The cohort gets the grid's curve whole or not at all.
  const CCai curve = FromGridOrShowRecord(
      *StringGridStemGrowth, [this] { return CurveFromGrid(); },
      [this] {
        ClearGridRows(*StringGridStemGrowth);
        ChartStemGrowth->Clear();
        DisplayGrowth();
      });
  if (curve.NrDataGrowth == 0 && strict && !NaturalForest()) {
    throw TarvexError("No growth defined for one of the cohorts!");
  }
  Current().Cai = curve;
}

void TForm1::ClearGrowthRefusal() {
  LabelDupEntry->setText(" ");
  UnseenGrowthRefusal.clear();
}

std::string TForm1::FillGrowthArray() {
  LabelDupEntry->setText(" ");
  try {
    SaveGrowth(false);
  } catch (const TarvexError& e) {
    LabelDupEntry->setText(QString::fromStdString(e.what()));
    return e.what();
  }
  DisplayGrowth();
  return {};
}

void TForm1::StringGridStemGrowthExit() {
  std::string refusal = FillGrowthArray();
  if (refusal.empty()) return;
  // The click or key that took the focus may give a command, which then
  // stops and shows the refusal; once it is done the red text says it.
  UnseenGrowthRefusal = std::move(refusal);
  new WhenInputIsUp(*this, true, [this] { UnseenGrowthRefusal.clear(); });
}

void TForm1::StringGridStemGrowthSelectCell(int /*col*/, int row) {
  if (row > 0) FillGrowthArray();
}

void TForm1::DisplayGrowth() {
  const CCai& curve = Current().Cai;
  const int n = curve.NrDataGrowth;
  if (n == 0) return;
  ClearGridRows(*StringGridStemGrowth);
  ChartStemGrowth->Clear();
  std::vector<int> ages(static_cast<std::size_t>(n));
  std::vector<double> increments(static_cast<std::size_t>(n));
  curve.GetArrays(ages, increments);

  ChartAxis& left = ChartStemGrowth->Left();
  ChartAxis& bottom = ChartStemGrowth->Bottom();
  left.SetAutomatic(false);
  bottom.SetAutomatic(false);
  left.Maximum = 15;
  left.Minimum = -0.01;
  bottom.Minimum = 0;
  bottom.Maximum = n > 1 ? curve.MaxAge() : ages[0] + 10;
  if (ages[0] > 0) ChartStemGrowth->AddPoint(0, increments[0]);
  // The line runs through the points by ascending age.
  std::vector<int> order(static_cast<std::size_t>(n));
  std::iota(order.begin(), order.end(), 0);
  std::stable_sort(order.begin(), order.end(), [&](int a, int b) { return ages[a] < ages[b]; });
  for (int i : order) {
    if (increments[i] < 0) continue;
    left.Maximum = std::max(left.Maximum, increments[i]);
    ChartStemGrowth->AddPoint(ages[i], increments[i]);
  }
  for (int i = 0; i < n; ++i) {
    if (increments[i] < 0) continue;
    StringGridStemGrowth->SetCell(0, i + 1, QString::number(ages[i]));
    StringGridStemGrowth->SetCell(1, i + 1, QString::fromStdString(FloatToText(increments[i])));
  }
}

CForMan TForm1::ManagementFromGrid() const {
  const StringGrid& grid = *StringGridManagement;
  CForMan management;
  for (int r = 1; r < grid.RowCount(); ++r) {
    if (grid.Cell(0, r).isEmpty()) continue;
    const int type = ActionTypeOf(grid.Cell(kActionColumn, r));
    const double perc = NumberOrZero(grid, kPercentageColumn, r);
    RemovalFlags flags{};
    for (int j = 0; j < 4; ++j)
      flags[j] = grid.Cell(kFirstRemovalColumn + j, r) == kRemoved ? 1 : 0;
    const int year = IntegerIn(grid, 0, r);
    Refuse(YearProblem("the year of a management action", year), 0, r);
    // Stored as 0 % it would no longer be what the row shows.
    if (!management.SetAction(year, type, perc, flags)) {
      throw RefusedCell("Percentage must be between 0 and 100 %...", kPercentageColumn, r);
    }
  }
  return management;
}

void TForm1::SaveManActions(bool strict) {
  // The cohort gets the grid's actions whole or not at all.
  const CForMan management = FromGridOrShowRecord(
      *StringGridManagement, [this] { return ManagementFromGrid(); },
      [this] {
        ClearGridRows(*StringGridManagement);
        ChartManagement->Clear();
        DisplayManActions();
        ShowPlantingRowOfEmptyCohort();
      });
  if (management.NrForManData == 0 && strict && !NaturalForest()) {
    throw TarvexError("No management defined for one of the cohorts!");
  }
  Current().ForMan = management;
}

void TForm1::FillManagementArray() {
  SaveManActions(false);
  DisplayManActions();
  // A default schedule changed by hand is the cohort's own.
  if (!HoldsDefaultManagement()) CheckBoxDefManagement->setChecked(false);
}

void TForm1::StringGridManagementSelectCell(int col, int row, bool& canSelect) {
  if (row == 0) return;
  ComboBox1->hide();
  ComboBox2->hide();
  const int action = ActionTypeOf(StringGridManagement->Cell(kActionColumn, row));
  // Removal flags belong to an action.
  if (col >= kFirstRemovalColumn && action == standsim::ACT_NONE) {
    canSelect = false;
    return;
  }
  // The percentage of a planting or a clearcut stays 100.
  if (col == kPercentageColumn &&
      (action == standsim::ACT_PLANTING || action == standsim::ACT_CLEARCUT)) {
    canSelect = false;
  }

  // The commit shows the actions again in stored order, so the row chosen
  // may move; the list then opens over the row where it went.
  const QString year = StringGridManagement->Cell(0, row);
  FillManagementArray();
  const int moved = RowAfterCommit(year, row);
  if (canSelect && moved != row) StringGridManagement->SelectCellQuietly(col, moved);
  if (col == kActionColumn) {
    OpenCellList(*ComboBox1, *StringGridManagement, col, moved);
    canSelect = true;
    ManGridRow = moved;
  } else if (col >= kFirstRemovalColumn) {
    OpenCellList(*ComboBox2, *StringGridManagement, col, moved);
    canSelect = true;
    ManGridCol = col;
    ManGridRow = moved;
  }
}

int TForm1::RowAfterCommit(const QString& year, int row) const {
  const CForMan& management = Site->Cohort(CurrentCohort).ForMan;
  if (year.isEmpty()) return std::max(row, management.NrForManData + 1);
  const int y = ParseInt(year.toStdString());
  for (int k = 0; k < management.NrForManData; ++k) {
    if (management.ManActions[static_cast<std::size_t>(k)].YEAR == y) return k + 1;
  }
  return row;
}

void TForm1::StringGridManagementTopLeftChanged() {
  // The lists follow their cells when the grid scrolls.
  for (QComboBox* list : {ComboBox1, ComboBox2}) {
    if (!list->isVisible()) continue;
    const int col = list == ComboBox1 ? kActionColumn : ManGridCol;
    list->move(StringGridManagement->CellRect(col, ManGridRow).topLeft() + QPoint(1, 1));
  }
}

void TForm1::ComboBox1Change() {
  StringGridManagement->SetCell(kActionColumn, ManGridRow, ComboBox1->currentText());
  const int action = ActionTypeOf(ComboBox1->currentText());
  if (action == standsim::ACT_PLANTING) {
    SetManPlant();
  } else {
    if (action == standsim::ACT_CLEARCUT) {
      StringGridManagement->SetCell(kPercentageColumn, ManGridRow, "100");
    }
    const bool leavesFall = Current().BiomassData.TurnOver[standsim::LV] == 1.0;
    const std::array<QString, 4> removal{kRemoved, kRemoved, kLeft, leavesFall ? kLeft : kRemoved};
    for (int j = 0; j < 4; ++j)
      StringGridManagement->SetCell(kFirstRemovalColumn + j, ManGridRow, removal[j]);
  }
  ComboBox1->hide();
  StringGridManagement->setFocus();
}

void TForm1::ComboBox2Change() {
  StringGridManagement->SetCell(ManGridCol, ManGridRow, ComboBox2->currentText());
  ComboBox2->hide();
  StringGridManagement->setFocus();
}

void TForm1::SetManPlant() {
  StringGridManagement->SetCell(kActionColumn, 1, ActionName(standsim::ACT_PLANTING));
  StringGridManagement->SetCell(kPercentageColumn, 1, "100");
  for (int j = 0; j < 4; ++j) StringGridManagement->SetCell(kFirstRemovalColumn + j, 1, "-");
}

void TForm1::ShowPlantingRowOfEmptyCohort() {
  if (!NaturalForest() && Current().ForMan.NrForManData == 0) SetManPlant();
}

void TForm1::DisplayManActions() {
  const CForMan& management = Current().ForMan;
  const int n = management.NrForManData;
  if (n == 0) return;
  std::vector<int> years(static_cast<std::size_t>(n)), types(static_cast<std::size_t>(n));
  std::vector<double> percs(static_cast<std::size_t>(n));
  std::vector<RemovalFlags> flags(static_cast<std::size_t>(n));
  management.GetArrays(years, types, percs, flags);
  ChartManagement->Clear();
  ClearGridRows(*StringGridManagement);

  std::vector<int> sorted = years;
  ShellSort(sorted);
  if (sorted.back() > ChartManagement->Bottom().Minimum) {
    ChartManagement->Bottom().Maximum = sorted.back() + 10;
  }
  for (int i = 0; i < n; ++i) {
    if (types[i] < 0) continue;
    const QString text = ActionName(types[i]);
    if (percs[i] > 0) ChartManagement->AddPoint(years[i], percs[i], text);
    StringGridManagement->SetCell(0, i + 1, QString::number(years[i]));
    StringGridManagement->SetCell(kActionColumn, i + 1, text);
    StringGridManagement->SetCell(kPercentageColumn, i + 1,
                                  QString::fromStdString(FloatToText(percs[i])));
    for (int j = 0; j < 4; ++j) {
      const QString removal = types[i] == standsim::ACT_PLANTING ? "-"
                              : flags[i][j] == 1                 ? kRemoved
                                                                 : kLeft;
      StringGridManagement->SetCell(kFirstRemovalColumn + j, i + 1, removal);
    }
  }
}

void TForm1::CheckBoxDefManagementClick() {
  if (ComboBoxSpecies->currentText() == kUnknownSpecies) {
    throw TarvexError("Error: first define a species for this cohort!");
  }
  if (!CheckBoxDefManagement->isChecked()) return;
  // The schedule follows the deposition period, and must fit the record and
  // the grid whole.
  const auto refuse = [this](const std::string& message) {
    CheckBoxDefManagement->setChecked(false);
    throw TarvexError(message);
  };
  if (!HasDepositionPeriod()) refuse(kReadDepositionFirst);
  const std::optional<std::vector<PlannedAction>> proposed =
      DefaultScheduleOf(ComboBoxSpecies->currentText().toStdString());
  if (!proposed) throw TarvexError("Error: first define a species for this cohort!");
  const std::vector<PlannedAction>& schedule = *proposed;
  if (schedule.size() > static_cast<std::size_t>(kMaxManagementActions)) {
    refuse("Error: the default management of this period needs " +
           FormatInt(static_cast<int>(schedule.size())) + " actions; a cohort holds at most " +
           FormatInt(kMaxManagementActions) + "!");
  }
  if (!Dialogs.AskYesNo(this, "Warning!",
                        "This will erase all management specified; are you sure ?")) {
    CheckBoxDefManagement->setChecked(false);
    return;
  }
  CForMan& management = Current().ForMan;
  management.Clear();
  ClearGridRows(*StringGridManagement);
  for (const PlannedAction& action : schedule) {
    management.SetAction(action.Year, action.ActType, action.Perc, kDefaultRemovalFlags);
  }
  DisplayManActions();
}

}  // namespace tarvex
