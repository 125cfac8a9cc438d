#pragma once
// The main window of the workbench: the site, forest and results pages, the
// cohort bar, the menus and tool buttons. It holds the scenario's site, the
// built-in tables and the species-by-region defaults, binds the model library
// at start-up, validates and stores the inputs shown, runs the model, plots
// and exports the results and manages the scenario files.

#include <QMainWindow>
#include <QString>
#include <QTimer>
#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "standsim/engine/standsim_api.h"
#include "tarvex/data/biomass_record.h"
#include "tarvex/data/defs.h"
#include "tarvex/data/site.h"
#include "tarvex/ui/platform/user_dialogs.h"
#include "tarvex/window_logic/deposition_state.h"

class QAction;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QStackedWidget;
class QTabWidget;
class QTextBrowser;
class QToolButton;
class QWidget;

namespace tarvex {

class Chart;
class HelpBrowser;
class HelpViewer;
class RadioGroup;
class StringGrid;
class TFormAbout;
class TFormBiomassData;
class TFormCntry2Region;
struct CohortEdits;
struct PlannedAction;

// Shown where a cohort (1-based NUMBER) has biomass parameters that were
// neither confirmed nor read from a file.
std::string NoBiomassDataMessage(int number);

// What the window needs from its surroundings.
struct WorkbenchSetup {
  // Message boxes, file dialogs and modal dialogs; must outlive the window.
  UserDialogs* Dialogs = nullptr;
  // The program's folder (libstandsim.so, the species data file, html/,
  // HELP/); empty for the folder of the running program.
  QString ProgramFolder;
  // Ends the process when the model library or the species data cannot be
  // used; empty for std::exit.
  std::function<void(int)> EndProcess;
};

class TForm1 : public QMainWindow {
  Q_OBJECT

 public:
  explicit TForm1(const WorkbenchSetup& setup, QWidget* parent = nullptr);
  ~TForm1() override;

  // Start-up and lifecycle.
  void FormCreate();
  void Timer1Timer();
  void exit1Click();
  void About1Click();
  void Help2Click();
  void SpeedButton1Click();

  // Deposition.
  void SpeedButtonOpenQSMpFileClick();
  void ButtonReadNdepClick();
  void ReadNdep();

  // Cohort inputs and navigation.
  // The site's and the cohort's inputs shown from the records, the
  // deposition read again; READDEPOSITION false leaves out the reading, for
  // a command whose validation has just read it, so that a command reads
  // the QSM file once.
  void DisplayCohort(bool readDeposition);
  // Checks the inputs shown (strictly: as a run needs them), re-reads the
  // deposition and stores the inputs into the current cohort; the first
  // input refused raises its message.
  void StoreCohortInputs(bool strict);
  // StoreCohortInputs with its message shown: false when it raised one.
  bool StoreCohortInputsOrShow(bool strict);
  void Insertnewcohort1Click();
  void ButtonPreviousCohortClick();
  void ButtonNextCohortClick();
  void Deletecohort1Click();
  void ComboBoxRegionsChange();
  void RadioGroupManTypeClick();

  // Growth-curve and management grids.
  void SaveGrowth(bool strict);
  void SaveManActions(bool strict);
  void DisplayGrowth();
  void DisplayManActions();
  void ClearGridRows(StringGrid& grid);
  void SetManPlant();
  // Commits the growth grid and shows the curve stored; a refusal is shown
  // in red below the grid and returned (empty when the curve was stored).
  std::string FillGrowthArray();
  void FillManagementArray();
  void StringGridStemGrowthSelectCell(int col, int row);
  void StringGridManagementSelectCell(int col, int row, bool& canSelect);
  void StringGridManagementTopLeftChanged();
  void ComboBox1Change();
  void ComboBox2Change();
  void CheckBoxDefManagementClick();

  // Species and biomass parameters.
  void ComboBoxSpeciesChange();
  void Button1Click();

  // Model run and result charts.
  void PageControl1Change();
  bool RunModel();
  void RadioGroupOutClick(RadioGroup* sender);
  void PageControlOutputChange();
  void CheckBoxShowAvgClick();

  // Scenario commands.
  void Open1Click();
  void New1Click();
  void Save1Click();
  // False when the user cancelled the file dialog.
  bool SaveFile();

  // Results, picture and QSM reference export.
  void ButtonSaveResultsClick();
  void ButtonSaveGraphClick();

  // State, for the workbench's own checks.
  CSite& SiteRecord() { return *Site; }
  int CurrentCohortIndex() const { return CurrentCohort; }
  // No edit since the scenario was started, opened or saved changes what a
  // save would write.
  bool IsScenarioSaved();
  // The site's stand is natural rejuvenation, not even-aged.
  bool NaturalForest() const { return Site->ForestType == ForestKind::NaturalRejuvenation; }
  // The deposition period of the site's last successful reading, passed to
  // GROWTH; 0..0 before one.
  int PeriodFirstYear() const { return Site->FirstYear; }
  int PeriodLastYear() const { return Site->LastYear; }
  const std::string& CurrentScenarioFolder() const { return ScenarioFolder; }
  const std::string& AppDataPath() const { return AppDataFolder; }
  TFormBiomassData& BiomassDialog() { return *FormBiomassData; }
  TFormCntry2Region& CountryDialog() { return *FormCntry2Region; }
  const HelpViewer& Help() const { return *HelpWindow; }
  const SpeciesRegionTable& Defaults() const { return *SpeciesRegionDefaults; }
  // The GROWTH a model run calls, the model library's since start-up.
  standsim::GrowthEntry GrowthEntry = nullptr;

  // Components.
  QAction* Open1;                        // File > "Open Tarvex file" (F2)
  QAction* New1;                         // File > "New Tarvex file" (F3)
  QAction* Save1;                        // File > "Save Tarvex file"
  QAction* exit1;                        // File > "Exit"
  QAction* Insertnewcohort1;             // Cohorts > "Insert new cohort"
  QAction* Deletecohort1;                // Cohorts > "Delete cohort"
  QAction* About1;                       // Help > "About"
  QAction* Help2;                        // Help > "Help" (F1)
  QToolButton* SpeedButtonOpenFile;      // tool bar "Open"
  QToolButton* SpeedButtonSaveFile;      // tool bar "Save"
  QToolButton* SpeedButtonInsertCohort;  // tool bar "Insert"
  QToolButton* SpeedButton1;             // tool bar "Help": the help of the page shown
  QStackedWidget* ClientArea;            // the start page, then the pages
  QTabWidget* PageControl1;              // the pages "Site Inputs", "Forest Inputs", "Results"
  QWidget* TabSheetSiteInputs;           // page "Site Inputs"
  QWidget* TabSheetInputs;               // page "Forest Inputs"
  QWidget* TabSheetResults;              // page "Results"
  QWidget* Panel6;                       // the cohort bar below the pages
  QLabel* LabelCohortNumber;             // cohort bar: "Cohort N" of the cohort shown
  QLabel* LabelNrCohorts;                // cohort bar: "Number of cohorts: N"
  QPushButton* ButtonPreviousCohort;     // cohort bar: "<< Show previous Cohort"
  QPushButton* ButtonNextCohort;         // cohort bar: "Show next Cohort >>"
  QTextBrowser* WebBrowser1;             // the start page of the first seconds
  QTimer Timer1;                         // ends the start page

  // Site inputs.
  QComboBox* ComboBoxRegions;            // "Region" list of the site
  QLineEdit* EditQsmpFileName;           // "QSM+ input file" box
  QToolButton* SpeedButtonOpenQSMpFile;  // "..." beside it: the file dialog
  QPushButton* ButtonReadNdep;           // "Read N depostion"
  RadioGroup* RadioGroupManType;         // "Forest type": "Uniform age" or "Natural rejuvination"
  Chart* ChartNdep;                      // the N deposition over the years

  // Forest inputs.
  QComboBox* ComboBoxSpecies;        // "Species" list of the cohort shown
  QPushButton* Button1;              // "Biomass Data": the biomass parameter dialog
  QLabel* Label9;                    // "Kgr (m3/ha)", natural stands only
  QLabel* Label10;                   // "Maximum growth (m3/ha/y)", natural stands only
  QLabel* Label14;                   // "Initial Biomass (m3/ha)", natural stands only
  QLineEdit* EditKgr;                // the box beside "Kgr (m3/ha)"
  QLineEdit* EditMaxGrowth;          // the box beside "Maximum growth (m3/ha/y)"
  QLineEdit* EditInitBiom;           // the box beside "Initial Biomass (m3/ha)"
  StringGrid* StringGridStemGrowth;  // growth grid: "Age", "Growth (m3/ha/yr)"; even-aged only
  QLabel* LabelDupEntry;             // red refusal below the growth grid and its chart
  Chart* ChartStemGrowth;            // the growth curve beside the growth grid
  StringGrid* StringGridManagement;  // management grid: year, action, percentage, removals
  QComboBox* ComboBox1;              // drop-down over a "Management" cell: the action
  QComboBox* ComboBox2;              // drop-down over a removal cell: "Removed" or "Left"
  Chart* ChartManagement;            // the percentages of the actions as bars, beside the grid
  QCheckBox* CheckBoxDefManagement;  // "Default Management" tick below the management grid

  // Results.
  Chart* Chart1;                     // the result chart
  QTabWidget* PageControlOutput;     // the output pages "Biomass" to "Soil inputs"
  RadioGroup* RadioGroupBiomass;     // page "Biomass": the compartment shown
  RadioGroup* RadioGroupLitterfall;  // page "Litterfall": the compartment shown
  RadioGroup* RadioGroupUptake;      // page "Uptake": the nutrient shown
  RadioGroup* RadioGroupSoilInputs;  // page "Soil inputs": carbon or organic N
  QCheckBox* CheckBoxShowAvg;        // "Show total of all cohorts"
  QCheckBox* CheckBoxExpAll;         // "Export all results to output file"
  QPushButton* ButtonSaveResults;    // "Save results to Tarvex output file"
  QPushButton* ButtonSaveGraph;      // "Save Graph": the result chart as a picture
  QLabel* LabelSpecies;              // the species of the cohort shown, above the output pages

 protected:
  void closeEvent(QCloseEvent* event) override;
  bool event(QEvent* event) override;

 private:
  // Builds the menus, pages and controls and connects their events.
  void BuildMenus();
  void BuildSitePage();
  void BuildForestPage();
  void BuildResultsPage();
  void BuildCohortBar();
  // The forest page's parts: the species and a natural stand's values, the
  // growth grid and chart, the management grid, chart and tick, the layout.
  void BuildSpeciesInputs();
  void BuildGrowthInputs();
  void BuildManagementInputs();
  void LayOutForestPage();
  void ConnectEvents();
  void ConnectMenusAndCohortBar();
  void ConnectSitePage();
  void ConnectForestPage();
  void ConnectResultsPage();
  // HANDLER run through Guard, for a connection.
  std::function<void()> Guarded(void (TForm1::*handler)());

  // The start-up steps of the constructor, in their order.
  void BuildWindow();
  // The site page shown, the cohort bar hidden behind the start page and a
  // natural stand's boxes hidden.
  void ShowStartingControls();
  // The application-data folder, the dialogs' starting folders, the
  // program's folder (made the current one) and the examples.
  void SetUpFolders(const QString& programFolder);
  void ShowStartPage();
  // The built-in tables, the species and region lists and the species
  // defaults of the species data file; ends the process when that file
  // cannot be used.
  void LoadTables(const std::function<void(int)>& endProcess);
  void SetUpGrids();
  void CentreOnScreen();
  void InitExeFolder(const QString& programFolder);
  void BindStandsimLibrary(const std::function<void(int)>& endProcess);
  void FillSpeciesAndRegions();
  // A folder option: the name it is kept under, the folder of this session
  // it is written from and the dialog folder it sets at start-up.
  struct FolderOption {
    const char* Name;
    const std::string& WrittenFrom;
    QString& StartsDialog;
  };
  std::array<FolderOption, 3> FolderOptionTable();
  void LoadFolderOptions();
  void SaveFolderOptions();
  // A deposition reading failed with MESSAGE: shown and kept; the site keeps
  // the period and series of its last reading.
  void DepositionNotRead(const std::string& message);
  // The QSM file name in its box, typed or chosen, without blanks and TABs
  // at either end (a Tarvex file could not keep them).
  std::string TypedQsmFileName() const;
  // Whether a deposition period was read for the site.
  bool HasDepositionPeriod() const { return DepositionState::HasPeriod(*Site); }
  void ShowMessage(const QString& text);
  void ShowMessage(const std::string& text) { ShowMessage(QString::fromStdString(text)); }
  void ShowMessage(const char* text) { ShowMessage(QString::fromUtf8(text)); }
  // Runs an event handler; what it raises is shown in a message box.
  void Guard(const std::function<void()>& handler);
  bool AskSaveChanges();
  // Before the scenario is replaced: asks to save unsaved work and saves it
  // on Yes. False when the command must stop (the save failed or was cancelled).
  bool OfferToSave();
  // The text a save would write, with the inputs shown for the current
  // cohort taken as they stand; none when they cannot be stored.
  std::optional<std::string> ShownScenarioText();
  // What is shown now counts as saved.
  void MarkScenarioSaved();
  // After New and Open: an input page is shown, not the results of the
  // scenario replaced, and it has the focus.
  void ShowInputsOfNewScenario();
  // The keyboard reaches the pages (Ctrl+Tab, the arrow keys on the tabs).
  void FocusPageShown();
  // The radio group of the active output page.
  RadioGroup* ActiveOutputGroup() const;
  CCohort& Current() { return Site->Cohort(CurrentCohort); }
  const CCohort& Current() const { return Site->Cohort(CurrentCohort); }
  // The site is replaced by an empty one of FORESTTYPE with one cohort, the
  // one shown.
  void StartEmptySite(ForestKind forestType);
  void ClearInputCharts();
  // The forest inputs of a cohort just made: empty grids and charts (an
  // even-aged stand's with its planting row), species "Unknown", no default
  // management. The site's inputs and a natural stand's three values stay
  // as they are shown, for the cohort to take them.
  void ShowEmptyCohortInputs();
  // Makes cohort C the one shown: its inputs (DisplayCohort with
  // READDEPOSITION), its species above the result chart and the cohort bar.
  void ShowCohort(int c, bool readDeposition);
  // The cohort bar: the number of the cohort shown and of the site's
  // cohorts, and each button enabled when there is a cohort to go to; and
  // the species of the cohort shown above the result chart
  // (ShowSpeciesLabel).
  void ShowCohortBar();
  // LabelSpecies names the species of the cohort shown.
  void ShowSpeciesLabel();
  // The result chart of the cohort shown, from the output chosen.
  void ShowCohortResults();
  // The edited parts of the cohort shown as its inputs describe them: the
  // species, the values of a natural stand that are filled in and the
  // grids; raises what an input that cannot be stored raises.
  CohortEdits ShownCohortEdits() const;
  // The boxes of a natural stand's values, each with the value it edits and
  // the message of a strict validation that finds it empty.
  struct NaturalInput {
    QLineEdit* Edit;
    double CohortEdits::*Value;
    const char* Missing;
  };
  std::array<NaturalInput, 3> NaturalInputs() const;
  // The cohort shown holds the default management of its species over the
  // deposition period ("Default Management" shows it ticked).
  bool HoldsDefaultManagement() const;
  // The default management of a cohort of SPECIES over the deposition
  // period; none for an even-aged stand of a species the table does not
  // know (it has no rotation length).
  std::optional<std::vector<PlannedAction>> DefaultScheduleOf(const std::string& species) const;
  // The records the grids show; raise what a commit of the grid raises.
  CCai CurveFromGrid() const;
  CForMan ManagementFromGrid() const;
  // An even-aged cohort without management actions shows, in the cleared
  // management grid, the planting row its first action is typed into.
  void ShowPlantingRowOfEmptyCohort();
  // The growth grid left: FillGrowthArray, and a refusal it shows in red is
  // one the command that took the focus has not shown yet.
  void StringGridStemGrowthExit();
  // The red refusal below the growth grid goes, with the cohort it was of.
  void ClearGrowthRefusal();
  // Shows the biomass dialog until an OK whose values are all taken, into
  // BiomassWork (true), or a Cancel (false). After an OK that refuses a
  // value the message is shown and the dialog again with what was typed.
  bool RunBiomassDialog();
  std::string ChooseRegionForCountry(const std::string& country);
  // Where the species and the region shown stand in the tables; -1 for a
  // text that names none of their rows.
  struct SpeciesRegionIndex {
    int Species;
    int Region;
  };
  SpeciesRegionIndex ShownSpeciesRegion() const;
  // The species-by-region defaults of SHOWN, whose region is one of the
  // table's; none, after "No species defined", when its species is none.
  // (Each caller refuses a region in its own words.)
  const BiomassRecord* SpeciesDefaultsOrRefuse(SpeciesRegionIndex shown);
  // The row of the management grid that shows, after a commit, the action
  // of YEAR that stood in ROW before it; for a row without year the first
  // free row from ROW on.
  int RowAfterCommit(const QString& year, int row) const;
  void SaveChartPicture(const QString& fileName, bool metafile);

  UserDialogs& Dialogs;
  TFormAbout* FormAbout;
  TFormBiomassData* FormBiomassData;
  TFormCntry2Region* FormCntry2Region;
  // ShownScenarioText when the scenario was last started, opened or saved;
  // none when it differs from its file from the start.
  std::optional<std::string> SavedScenario;
  bool RegionChanged = false;
  // The refusal the growth grid showed in red when the click or key being
  // handled took the focus from it; the command that click or key gives
  // shows it and stops, so that a move away from the cohort does not hide
  // it. Empty when there is none.
  std::string UnseenGrowthRefusal;
  standsim::Read4upEntry Read4upEntry = nullptr;
  DepositionState Deposition;
  std::unique_ptr<SpeciesRegionTable> SpeciesRegionDefaults;
  BiomassRecord BiomassWork{};
  std::unique_ptr<CSite> Site;
  int CurrentCohort = 0;
  int ManGridRow = 0;
  int ManGridCol = 0;
  std::string ExeFolder;
  std::string ScenarioFolder;
  std::string AppDataFolder;
  std::string QSMFolder;
  std::string ResultsFolder;
  std::unique_ptr<Defs> Tables;
  std::string HelpHeaderPath;
  std::unique_ptr<HelpBrowser> HelpTopics;
  HelpViewer* HelpWindow;
  // The folders the file dialogs start in. At start-up the folder options of
  // the last session set three of them; the options are written back from
  // the folders this session used (ScenarioFolder, QSMFolder,
  // ResultsFolder), which they never set: FolderOptionTable pairs them.
  struct DialogFolders {
    QString OpenScenario;  // "Open Tarvex file"
    QString OpenQsm;       // "Open QSM+ input file"
    QString SaveScenario;  // "Save Tarvex file": the folder of the scenario shown
    QString SaveResults;   // "Save results"
  };
  DialogFolders Folders;
};

}  // namespace tarvex
