#include "tarvex/ui/biomass_data_dialog.h"

#include <algorithm>

#include <QFormLayout>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

#include "tarvex/data/cohort_values.h"
#include "tarvex/data/number_text.h"
#include "tarvex/data/tarvex_error.h"
#include "tarvex/ui/platform/string_grid.h"

namespace tarvex {
namespace {

const QStringList kCompartments{"branches", "coarse roots", "fine roots", "foliage", "stems"};
constexpr int kLeavesColumn = 4;  // of the contents grid
constexpr int kNitrogenRow = 4;

double ValueOf(const QString& text) { return ParseDouble(text.toStdString()); }
QString Shown(double value) { return QString::fromStdString(FloatToText(value)); }

}  // namespace

TFormBiomassData::TFormBiomassData(QWidget* parent) : QDialog(parent) {
  setWindowTitle("Biomass Data");
  // No close command: the dialog ends through OK or Cancel only.
  setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
  resize(784, 588);

  EditCarbonContent = new QLineEdit(this);
  EditWoodDensity = new QLineEdit(this);
  EditNlfmin = new QLineEdit(this);
  EditNlfmax = new QLineEdit(this);
  EditexpNlf = new QLineEdit(this);
  BuildGrids();
  BuildButtons();
  LayOutControls();
}

void TFormBiomassData::BuildGrids() {
  StringGridBAF = new StringGrid(16, 6, 1, this);
  QStringList ages{"year->"};
  for (int age : BafAges) ages << QString::number(age);
  StringGridBAF->SetHeaderRow(ages);
  StringGridBAF->SetFixedColumn(QStringList{"year->"} + kCompartments);
  StringGridBAF->verticalHeader()->setMinimumWidth(64);
  // Each age column shows a factor of four decimals whole (ShowValues
  // widens them for longer ones); the columns share any width beyond that.
  // So the dialog keeps its width of 784 unless the font needs more.
  const int factorWidth = FactorColumnWidth("0.0000");
  for (int c = 0; c < kBafColumns; ++c) StringGridBAF->setColumnWidth(c, factorWidth);
  StringGridBAF->horizontalHeader()->setMinimumSectionSize(factorWidth);
  StringGridBAF->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);

  StringGridTurnOver = new StringGrid(5, 2, 0, this);
  StringGridTurnOver->horizontalHeader()->setDefaultSectionSize(64);
  StringGridTurnOver->SetHeaderRow(kCompartments);

  StringGridContents = new StringGrid(6, 5, 1, this);
  StringGridContents->horizontalHeader()->setDefaultSectionSize(64);
  StringGridContents->SetHeaderRow(QStringList{""} + kCompartments);
  StringGridContents->SetFixedColumn({"", "Ca", "K", "Mg", "N"});

  // Every row of the three grids is shown, without scroll bars.
  for (StringGrid* grid : {StringGridBAF, StringGridTurnOver, StringGridContents}) {
    grid->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    grid->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    grid->setFixedHeight(grid->FullHeight());
  }
  FitFactorColumns(factorWidth);
  StringGridTurnOver->setFixedWidth(StringGridTurnOver->FullWidth());
  StringGridContents->setFixedWidth(StringGridContents->FullWidth());
}

void TFormBiomassData::BuildButtons() {
  Button1 = new QPushButton("OK", this);
  Button2 = new QPushButton("Cancel", this);
  ButtonGetDefaults = new QPushButton("Restore default values", this);
  connect(Button1, &QPushButton::clicked, this, &QDialog::accept);
  connect(Button2, &QPushButton::clicked, this, &QDialog::reject);
  connect(ButtonGetDefaults, &QPushButton::clicked, this,
          &TFormBiomassData::ButtonGetDefaultsClick);
}

void TFormBiomassData::LayOutControls() {
  auto* top = new QHBoxLayout;
  top->addWidget(new QLabel("Carbon content (%)", this));
  top->addWidget(EditCarbonContent);
  top->addSpacing(24);
  top->addWidget(new QLabel("Wood density (g/cm3)", this));
  top->addWidget(EditWoodDensity);
  top->addStretch(1);
  auto* leafNitrogen = new QFormLayout;
  leafNitrogen->addRow("Nlfmin (%)", EditNlfmin);
  leafNitrogen->addRow("Nlfmax (%)", EditNlfmax);
  leafNitrogen->addRow("expNlf ( (m2yr/eq)", EditexpNlf);
  auto* lower = new QGridLayout;
  lower->addWidget(new QLabel("Turnover rates (1/yr)", this), 0, 0);
  lower->addWidget(StringGridTurnOver, 1, 0);
  lower->addWidget(new QLabel("Nutrient contents (%)", this), 2, 0);
  lower->addWidget(StringGridContents, 3, 0);
  lower->addLayout(leafNitrogen, 1, 2, 3, 1, Qt::AlignTop);
  lower->setColumnMinimumWidth(1, 24);
  lower->setColumnStretch(3, 1);
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(ButtonGetDefaults);
  buttons->addStretch(1);
  buttons->addWidget(Button1);
  buttons->addWidget(Button2);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(top);
  layout->addWidget(new QLabel("Biomass expansion factors", this));
  layout->addWidget(StringGridBAF);
  layout->addLayout(lower);
  layout->addStretch(1);
  layout->addLayout(buttons);
}

void TFormBiomassData::SetDefaults(bool show, const BiomassRecord& record) {
  DefaultValues = record;
  if (show) ShowValues(DefaultValues);
}

void TFormBiomassData::SetValues(bool show, const BiomassRecord& record) {
  CurrentValues = record;
  if (show) ShowValues(CurrentValues);
}

void TFormBiomassData::ShowValues(const BiomassRecord& record) {
  Evergreen = record.Evergreen;
  EditCarbonContent->setText(Shown(record.CarbonContent));
  EditWoodDensity->setText(Shown(record.WoodDensity));
  EditNlfmin->setText(Shown(record.Nlfmin));
  EditNlfmax->setText(Shown(record.Nlfmax));
  EditexpNlf->setText(Shown(record.expNlf));
  for (int c = 0; c < 5; ++c) {
    StringGridTurnOver->SetCell(c, 1, Shown(record.TurnOver[c]));
    StringGridContents->SetCell(c + 1, 1, Shown(record.ctCa[c]));
    StringGridContents->SetCell(c + 1, 2, Shown(record.ctK[c]));
    StringGridContents->SetCell(c + 1, 3, Shown(record.ctMg[c]));
    StringGridContents->SetCell(c + 1, 4, Shown(record.ctN[c]));
  }
  // The leaves' N content follows from the deposition in the model.
  StringGridContents->SetCell(kLeavesColumn, kNitrogenRow, "f(Ndep)");
  for (int i = 0; i < kBafRows; ++i) {
    for (int k = 0; k < kBafColumns; ++k)
      StringGridBAF->SetCell(k + 1, i + 1, Shown(record.BAF[i][k]));
  }
  // A factor of more decimals (one divided by its stems factor, or typed
  // so) is shown whole too: the columns and the dialog widen for it.
  int widest = FactorColumnWidth("0.0000");
  for (int i = 1; i <= kBafRows; ++i) {
    for (int k = 1; k <= kBafColumns; ++k)
      widest = std::max(widest, FactorColumnWidth(StringGridBAF->Cell(k, i)));
  }
  FitFactorColumns(widest);
}

int TFormBiomassData::FactorColumnWidth(const QString& text) const {
  // The text, the margins the cell draws it within and the grid line.
  const int cellMargin = StringGridBAF->style()->pixelMetric(QStyle::PM_FocusFrameHMargin) + 1;
  return StringGridBAF->fontMetrics().horizontalAdvance(text) + 2 * cellMargin + 1;
}

void TFormBiomassData::FitFactorColumns(int width) {
  StringGridBAF->horizontalHeader()->setMinimumSectionSize(width);
  StringGridBAF->setMinimumWidth(2 * StringGridBAF->frameWidth() +
                                 StringGridBAF->verticalHeader()->sizeHint().width() +
                                 kBafColumns * width);
}

void TFormBiomassData::GetValues(BiomassRecord& record) const {
  record.CarbonContent = ValueOf(EditCarbonContent->text());
  record.WoodDensity = ValueOf(EditWoodDensity->text());
  record.Nlfmin = ValueOf(EditNlfmin->text());
  record.Nlfmax = ValueOf(EditNlfmax->text());
  record.expNlf = ValueOf(EditexpNlf->text());
  for (int c = 0; c < 5; ++c) record.TurnOver[c] = ValueOf(StringGridTurnOver->Cell(c, 1));
  for (int i = 0; i < kBafRows; ++i) {
    for (int k = 0; k < kBafColumns; ++k)
      record.BAF[i][k] = ValueOf(StringGridBAF->Cell(k + 1, i + 1));
  }
  for (int c = 0; c < 5; ++c) {
    record.ctCa[c] = ValueOf(StringGridContents->Cell(c + 1, 1));
    record.ctK[c] = ValueOf(StringGridContents->Cell(c + 1, 2));
    record.ctMg[c] = ValueOf(StringGridContents->Cell(c + 1, 3));
    if (c + 1 != kLeavesColumn) record.ctN[c] = ValueOf(StringGridContents->Cell(c + 1, 4));
  }
  record.Evergreen = Evergreen;
  const auto refuseNonsense = [&record] {
    if (const MaybeProblem problem = BiomassValueProblem(record)) {
      throw TarvexError("Error: " + problem->reason);
    }
  };
  refuseNonsense();
  // The factors are taken as a Tarvex file keeps them, so that what runs
  // after OK is what a save and an open give.
  MakeRelativeToStems(record);
  refuseNonsense();  // a factor far larger than its stems factor
}

void TFormBiomassData::ZeroStemTurnover(bool flag) {
  if (!flag) StringGridTurnOver->SetCell(4, 1, "0");
}

void TFormBiomassData::ButtonGetDefaultsClick() { ShowValues(DefaultValues); }

}  // namespace tarvex
