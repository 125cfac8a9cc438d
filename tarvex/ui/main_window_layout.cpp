// The controls of the main window and the connection of their events.
#include <QAbstractItemView>
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QScrollBar>
#include <QStackedWidget>
#include <QStatusBar>
#include <QTabWidget>
#include <QTextBrowser>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

#include "tarvex/data/action_names.h"
#include "tarvex/ui/main_window.h"
#include "tarvex/ui/platform/chart.h"
#include "tarvex/ui/platform/radio_group.h"
#include "tarvex/ui/platform/string_grid.h"

namespace tarvex {
namespace {

// The smallest a chart of the window gets, with room for its axis titles
// and labels and for a plot that can be read; with the rows of the
// management grid below, it sets the smallest size of the window.
constexpr int kChartMinimumWidth = 300;
constexpr int kChartMinimumHeight = 200;
constexpr int kManagementRowsShown = 5;

QToolButton* ToolButton(QToolBar* bar, const QString& text, const QString& hint) {
  auto* button = new QToolButton(bar);
  button->setText(text);
  button->setToolTip(hint);
  bar->addWidget(button);
  return button;
}

// A drop-down list with an edit field whose typed texts are not added to it.
QComboBox* EditableList(QWidget* parent) {
  auto* list = new QComboBox(parent);
  list->setEditable(true);
  list->setInsertPolicy(QComboBox::NoInsert);
  return list;
}

// Hides a cell's drop-down list when the focus leaves it, except for its
// own open list of items.
class HideOnFocusLoss : public QObject {
 public:
  explicit HideOnFocusLoss(QComboBox* list) : QObject(list), list_(list) {}

  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::FocusOut && !list_->view()->isVisible()) list_->hide();
    return QObject::eventFilter(watched, event);
  }

 private:
  QComboBox* list_;
};

// A drop-down list with an edit field placed over a cell of a grid.
QComboBox* CellList(QWidget* parent, const QStringList& items) {
  auto* list = EditableList(parent);
  list->addItems(items);
  list->hide();
  // The edit field holds the focus of an editable list.
  auto* hide = new HideOnFocusLoss(list);
  list->installEventFilter(hide);
  list->lineEdit()->installEventFilter(hide);
  return list;
}

QWidget* OutputPage(RadioGroup* group) {
  auto* page = new QWidget;
  auto* layout = new QVBoxLayout(page);
  group->setParent(page);
  layout->addWidget(group);
  group->SetItemIndex(0);
  return page;
}

}  // namespace

void TForm1::BuildMenus() {
  // Alt and the underlined letter opens a menu or a page; no two of the
  // menus and pages shown at a time share a letter.
  QMenu* file = menuBar()->addMenu("&File");
  Open1 = file->addAction("&Open Tarvex file");
  Open1->setShortcut(Qt::Key_F2);
  New1 = file->addAction("&New Tarvex file");
  New1->setShortcut(Qt::Key_F3);
  file->addSeparator();
  Save1 = file->addAction("&Save Tarvex file");
  file->addSeparator();
  exit1 = file->addAction("E&xit");
  QMenu* cohorts = menuBar()->addMenu("&Cohorts");
  Insertnewcohort1 = cohorts->addAction("&Insert new cohort");
  Deletecohort1 = cohorts->addAction("&Delete cohort");
  QMenu* help = menuBar()->addMenu("&Help");
  About1 = help->addAction("&About");
  Help2 = help->addAction("&Help");
  Help2->setShortcut(Qt::Key_F1);

  QToolBar* panel3 = addToolBar("Tools");
  panel3->setMovable(false);
  SpeedButtonOpenFile = ToolButton(panel3, "Open", "Open File");
  SpeedButtonSaveFile = ToolButton(panel3, "Save", "Save File");
  SpeedButtonInsertCohort = ToolButton(panel3, "Insert", "Insert Cohort");
  SpeedButton1 = ToolButton(panel3, "Help", "Help");

  ClientArea = new QStackedWidget(this);
  PageControl1 = new QTabWidget(ClientArea);
  TabSheetSiteInputs = new QWidget;
  TabSheetInputs = new QWidget;
  TabSheetResults = new QWidget;
  PageControl1->addTab(TabSheetSiteInputs, "&Site Inputs");
  PageControl1->addTab(TabSheetInputs, "F&orest Inputs");
  PageControl1->addTab(TabSheetResults, "&Results");
  WebBrowser1 = new QTextBrowser(ClientArea);
  ClientArea->addWidget(PageControl1);
  ClientArea->addWidget(WebBrowser1);

  auto* central = new QWidget(this);
  auto* layout = new QVBoxLayout(central);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(ClientArea, 1);
  Panel6 = new QWidget(central);
  layout->addWidget(Panel6);
  setCentralWidget(central);
  statusBar()->showMessage("");
}

void TForm1::BuildSitePage() {
  ComboBoxRegions = EditableList(TabSheetSiteInputs);
  EditQsmpFileName = new QLineEdit(TabSheetSiteInputs);
  SpeedButtonOpenQSMpFile = new QToolButton(TabSheetSiteInputs);
  SpeedButtonOpenQSMpFile->setText("...");
  ButtonReadNdep = new QPushButton("Read N depostion", TabSheetSiteInputs);
  RadioGroupManType =
      new RadioGroup("Forest type", {"Uniform age", "Natural rejuvination"}, 2, TabSheetSiteInputs);
  RadioGroupManType->SetItemIndex(0);
  ChartNdep = new Chart(Chart::Kind::Line, "Year", "N deposition (eq/m2/yr)", TabSheetSiteInputs);
  ChartNdep->Bottom().SetAutomatic(false);
  ChartNdep->setMinimumSize(kChartMinimumWidth, kChartMinimumHeight);

  auto* layout = new QGridLayout(TabSheetSiteInputs);
  layout->addWidget(new QLabel("Region", TabSheetSiteInputs), 0, 0);
  layout->addWidget(ComboBoxRegions, 0, 1);
  layout->addWidget(new QLabel("QSM+ input file", TabSheetSiteInputs), 1, 0);
  layout->addWidget(new QLabel("(for N deposition)", TabSheetSiteInputs), 2, 0);
  layout->addWidget(EditQsmpFileName, 1, 1);
  layout->addWidget(SpeedButtonOpenQSMpFile, 1, 2);
  layout->addWidget(ButtonReadNdep, 1, 3);
  layout->addWidget(RadioGroupManType, 3, 0, 1, 4);
  layout->addWidget(ChartNdep, 4, 0, 1, 4);
  layout->setRowStretch(4, 1);
  layout->setColumnStretch(1, 1);
}

void TForm1::BuildForestPage() {
  BuildSpeciesInputs();
  BuildGrowthInputs();
  BuildManagementInputs();
  LayOutForestPage();
}

void TForm1::BuildSpeciesInputs() {
  QWidget* page = TabSheetInputs;
  ComboBoxSpecies = EditableList(page);
  Button1 = new QPushButton("Biomass Data", page);
  Label9 = new QLabel("Kgr (m3/ha)", page);
  Label10 = new QLabel("Maximum growth (m3/ha/y)", page);
  Label14 = new QLabel("Initial Biomass (m3/ha)", page);
  EditKgr = new QLineEdit(page);
  EditMaxGrowth = new QLineEdit(page);
  EditInitBiom = new QLineEdit(page);
}

void TForm1::BuildGrowthInputs() {
  QWidget* page = TabSheetInputs;
  // A data row for every point the record holds, so a curve read from a
  // file is shown whole and kept by the next commit.
  StringGridStemGrowth = new StringGrid(2, kMaxGrowthPoints + 1, 0, page);
  StringGridStemGrowth->setColumnWidth(0, 64);
  StringGridStemGrowth->setColumnWidth(1, 91);
  LabelDupEntry = new QLabel(page);
  LabelDupEntry->setStyleSheet("color: red; font-weight: bold;");
  ChartStemGrowth = new Chart(Chart::Kind::Line, "Age", "Stem Growth (m3/yr)", page);
  ChartStemGrowth->SetColor(Qt::green);
  // Room for the left axis title.
  ChartStemGrowth->setMinimumSize(kChartMinimumWidth, 250);
}

void TForm1::BuildManagementInputs() {
  QWidget* page = TabSheetInputs;
  // A data row for every action the record holds, so a management read
  // from a file is shown whole and kept by the next commit.
  StringGridManagement = new StringGrid(7, kMaxManagementActions + 1, 0, page);
  // The removal columns show "Removed" whole.
  const int removalWidth =
      std::max(63, StringGridManagement->fontMetrics().horizontalAdvance("Removed") + 16);
  for (int c = 0; c < 7; ++c) StringGridManagement->setColumnWidth(c, c < 3 ? 63 : removalWidth);
  ComboBox1 = CellList(StringGridManagement->viewport(),
                       {ActionName(standsim::ACT_THINNING), ActionName(standsim::ACT_CLEARCUT),
                        ActionName(standsim::ACT_PLANTING)});
  ComboBox2 = CellList(StringGridManagement->viewport(), {"Removed", "Left"});
  ComboBox2->setCurrentIndex(1);
  ChartManagement = new Chart(Chart::Kind::Bar, "Year", "percentage", page);
  ChartManagement->SetColor(QColor(128, 0, 0));
  ChartManagement->Left().AutomaticMaximum = false;
  ChartManagement->Left().Maximum = 125;
  ChartManagement->setMinimumSize(kChartMinimumWidth, kChartMinimumHeight);
  CheckBoxDefManagement = new QCheckBox("Default Management", page);
}

void TForm1::LayOutForestPage() {
  QWidget* page = TabSheetInputs;
  auto* inputs = new QGridLayout;
  inputs->addWidget(new QLabel("Species", page), 0, 0);
  inputs->addWidget(ComboBoxSpecies, 0, 1);
  inputs->addWidget(Button1, 0, 2);
  inputs->addWidget(Label10, 1, 0);
  inputs->addWidget(EditMaxGrowth, 1, 1);
  inputs->addWidget(Label14, 2, 0);
  inputs->addWidget(EditInitBiom, 2, 1);
  inputs->addWidget(Label9, 3, 0);
  inputs->addWidget(EditKgr, 3, 1);
  inputs->setColumnStretch(3, 1);
  // Each grid is as wide as its columns; its chart takes the rest of the row.
  auto* growth = new QGridLayout;
  StringGridStemGrowth->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Expanding);
  growth->addWidget(StringGridStemGrowth, 0, 0);
  growth->addWidget(ChartStemGrowth, 0, 1);
  // A refused commit's message runs below the grid and the chart, so that a
  // long one does not widen the grid's column.
  growth->addWidget(LabelDupEntry, 1, 0, 1, 2);
  growth->setColumnStretch(1, 1);
  auto* management = new QHBoxLayout;
  StringGridManagement->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Expanding);
  StringGridManagement->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  StringGridManagement->setMinimumHeight(
      2 * StringGridManagement->frameWidth() +
      StringGridManagement->horizontalHeader()->sizeHint().height() +
      kManagementRowsShown * StringGridManagement->verticalHeader()->defaultSectionSize());
  management->addWidget(StringGridManagement);
  management->addWidget(ChartManagement, 1);
  auto* layout = new QVBoxLayout(page);
  layout->addLayout(inputs);
  // The management row takes the room the growth row, hidden for natural
  // forests, does not need.
  layout->addLayout(growth);
  layout->addLayout(management, 1);
  layout->addWidget(CheckBoxDefManagement);
}

void TForm1::BuildResultsPage() {
  QWidget* page = TabSheetResults;
  Chart1 = new Chart(Chart::Kind::Line, "year", "", page);
  Chart1->setMinimumSize(kChartMinimumWidth, kChartMinimumHeight);
  PageControlOutput = new QTabWidget(page);
  // The four pages' tabs are all in view.
  PageControlOutput->setUsesScrollButtons(false);
  RadioGroupBiomass = new RadioGroup("g/m2",
                                     {"Biomass stems", "Biomass branches", "Biomass coarse roots",
                                      "Biomass fine roots", "Biomass leaves"},
                                     1);
  RadioGroupLitterfall =
      new RadioGroup("g/m2/yr",
                     {"Litterfall stems", "Litterfall branches", "Litterfall coarse roots",
                      "Litterfall fine roots", "Litterfall leaves"},
                     1);
  RadioGroupUptake = new RadioGroup(
      "eq/m2/yr",
      {"N uptake", "Ca uptake-litterfall", "Mg uptake-litterfall", "K uptake-litterfall"}, 1);
  RadioGroupSoilInputs = new RadioGroup("g/m2/yr", {"Carbon input", "Organic N input"}, 1);
  // Letters apart from those of the menus and the main pages.
  PageControlOutput->addTab(OutputPage(RadioGroupBiomass), "&Biomass");
  PageControlOutput->addTab(OutputPage(RadioGroupLitterfall), "&Litterfall");
  PageControlOutput->addTab(OutputPage(RadioGroupUptake), "&Uptake");
  PageControlOutput->addTab(OutputPage(RadioGroupSoilInputs), "Soil &inputs");
  CheckBoxShowAvg = new QCheckBox("Show total of all cohorts", page);
  CheckBoxShowAvg->hide();
  CheckBoxExpAll = new QCheckBox("Export all results to output file", page);
  ButtonSaveResults = new QPushButton("Save results to Tarvex output file", page);
  ButtonSaveGraph = new QPushButton("Save Graph", page);
  LabelSpecies = new QLabel(page);

  auto* side = new QVBoxLayout;
  side->addWidget(LabelSpecies);
  side->addWidget(PageControlOutput);
  side->addWidget(CheckBoxShowAvg);
  side->addWidget(CheckBoxExpAll);
  side->addWidget(ButtonSaveResults);
  side->addWidget(ButtonSaveGraph);
  side->addStretch(1);
  auto* layout = new QHBoxLayout(page);
  layout->addLayout(side);
  layout->addWidget(Chart1, 1);
}

void TForm1::BuildCohortBar() {
  LabelCohortNumber = new QLabel(Panel6);
  LabelNrCohorts = new QLabel("Number of cohorts: 1", Panel6);
  ButtonPreviousCohort = new QPushButton("<< Show previous Cohort", Panel6);
  ButtonNextCohort = new QPushButton("Show next Cohort >>", Panel6);
  auto* layout = new QHBoxLayout(Panel6);
  layout->addWidget(LabelCohortNumber);
  layout->addWidget(LabelNrCohorts);
  layout->addStretch(1);
  layout->addWidget(ButtonPreviousCohort);
  layout->addWidget(ButtonNextCohort);
}

std::function<void()> TForm1::Guarded(void (TForm1::*handler)()) {
  return [this, handler] { Guard([this, handler] { (this->*handler)(); }); };
}

void TForm1::ConnectEvents() {
  ConnectMenusAndCohortBar();
  ConnectSitePage();
  ConnectForestPage();
  ConnectResultsPage();
}

void TForm1::ConnectMenusAndCohortBar() {
  connect(Open1, &QAction::triggered, this, Guarded(&TForm1::Open1Click));
  connect(New1, &QAction::triggered, this, Guarded(&TForm1::New1Click));
  connect(Save1, &QAction::triggered, this, Guarded(&TForm1::Save1Click));
  connect(exit1, &QAction::triggered, this, Guarded(&TForm1::exit1Click));
  connect(Insertnewcohort1, &QAction::triggered, this, Guarded(&TForm1::Insertnewcohort1Click));
  connect(Deletecohort1, &QAction::triggered, this, Guarded(&TForm1::Deletecohort1Click));
  connect(About1, &QAction::triggered, this, Guarded(&TForm1::About1Click));
  connect(Help2, &QAction::triggered, this, Guarded(&TForm1::Help2Click));
  connect(SpeedButtonOpenFile, &QToolButton::clicked, this, Guarded(&TForm1::Open1Click));
  connect(SpeedButtonSaveFile, &QToolButton::clicked, this, Guarded(&TForm1::Save1Click));
  connect(SpeedButtonInsertCohort, &QToolButton::clicked, this,
          Guarded(&TForm1::Insertnewcohort1Click));
  connect(SpeedButton1, &QToolButton::clicked, this, Guarded(&TForm1::SpeedButton1Click));
  connect(PageControl1, &QTabWidget::currentChanged, this, Guarded(&TForm1::PageControl1Change));
  connect(ButtonPreviousCohort, &QPushButton::clicked, this,
          Guarded(&TForm1::ButtonPreviousCohortClick));
  connect(ButtonNextCohort, &QPushButton::clicked, this, Guarded(&TForm1::ButtonNextCohortClick));
}

void TForm1::ConnectSitePage() {
  connect(ComboBoxRegions, &QComboBox::textActivated, this,
          Guarded(&TForm1::ComboBoxRegionsChange));
  connect(ComboBoxRegions->lineEdit(), &QLineEdit::textEdited, this,
          Guarded(&TForm1::ComboBoxRegionsChange));
  connect(SpeedButtonOpenQSMpFile, &QToolButton::clicked, this,
          Guarded(&TForm1::SpeedButtonOpenQSMpFileClick));
  connect(ButtonReadNdep, &QPushButton::clicked, this, Guarded(&TForm1::ButtonReadNdepClick));
  connect(RadioGroupManType, &RadioGroup::Clicked, this, Guarded(&TForm1::RadioGroupManTypeClick));
}

void TForm1::ConnectForestPage() {
  connect(ComboBoxSpecies, &QComboBox::textActivated, this,
          Guarded(&TForm1::ComboBoxSpeciesChange));
  connect(Button1, &QPushButton::clicked, this, Guarded(&TForm1::Button1Click));
  connect(StringGridStemGrowth, &StringGrid::CellSelected, this,
          [this](int col, int row) { Guard([&] { StringGridStemGrowthSelectCell(col, row); }); });
  connect(StringGridStemGrowth, &StringGrid::Exited, this,
          Guarded(&TForm1::StringGridStemGrowthExit));
  connect(StringGridManagement, &StringGrid::CellSelected, this,
          [this](int col, int row, int previousCol, int previousRow) {
            bool canSelect = true;
            Guard([&] { StringGridManagementSelectCell(col, row, canSelect); });
            if (!canSelect && previousRow > 0) {
              StringGridManagement->SelectCellQuietly(previousCol, previousRow);
            }
          });
  connect(StringGridManagement, &StringGrid::Exited, this, Guarded(&TForm1::FillManagementArray));
  connect(StringGridManagement->verticalScrollBar(), &QScrollBar::valueChanged, this,
          Guarded(&TForm1::StringGridManagementTopLeftChanged));
  connect(StringGridManagement->horizontalScrollBar(), &QScrollBar::valueChanged, this,
          Guarded(&TForm1::StringGridManagementTopLeftChanged));
  connect(ComboBox1, &QComboBox::textActivated, this, Guarded(&TForm1::ComboBox1Change));
  connect(ComboBox2, &QComboBox::textActivated, this, Guarded(&TForm1::ComboBox2Change));
  connect(CheckBoxDefManagement, &QCheckBox::clicked, this,
          Guarded(&TForm1::CheckBoxDefManagementClick));
}

void TForm1::ConnectResultsPage() {
  for (RadioGroup* group :
       {RadioGroupBiomass, RadioGroupLitterfall, RadioGroupUptake, RadioGroupSoilInputs}) {
    connect(group, &RadioGroup::Clicked, this,
            [this, group] { Guard([&] { RadioGroupOutClick(group); }); });
  }
  connect(PageControlOutput, &QTabWidget::currentChanged, this,
          Guarded(&TForm1::PageControlOutputChange));
  connect(CheckBoxShowAvg, &QCheckBox::clicked, this, Guarded(&TForm1::CheckBoxShowAvgClick));
  connect(CheckBoxExpAll, &QCheckBox::clicked, this, Guarded(&TForm1::CheckBoxShowAvgClick));
  connect(ButtonSaveResults, &QPushButton::clicked, this, Guarded(&TForm1::ButtonSaveResultsClick));
  connect(ButtonSaveGraph, &QPushButton::clicked, this, Guarded(&TForm1::ButtonSaveGraphClick));
}

}  // namespace tarvex
