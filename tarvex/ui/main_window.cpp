// Start-up, binding of the model library and the close of the main window.
#include "tarvex/ui/main_window.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QGuiApplication>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QStackedWidget>
#include <QTabWidget>
#include <QTextBrowser>
#include <QUrl>
#include <algorithm>
#include <cstdlib>
#include <utility>

#include "tarvex/data/scenario_file.h"
#include "tarvex/data/species_data.h"
#include "tarvex/data/tarvex_error.h"
#include "tarvex/ui/about_dialog.h"
#include "tarvex/ui/app_data_folder.h"
#include "tarvex/ui/biomass_data_dialog.h"
#include "tarvex/ui/country_region_dialog.h"
#include "tarvex/ui/options_store.h"
#include "tarvex/ui/platform/chart.h"
#include "tarvex/ui/platform/combo_box_text.h"
#include "tarvex/ui/platform/help_viewer.h"
#include "tarvex/ui/platform/radio_group.h"
#include "tarvex/ui/platform/string_grid.h"
#include "tarvex/window_logic/cohort_edits.h"
#include "tarvex/window_logic/help_topics.h"
#include "tarvex/window_logic/standsim_library.h"

namespace tarvex {
namespace {

constexpr int kStartPageMilliseconds = 6000;
const char* const kSpeciesDataFile = "IxoTreeData_reg.dat";
const char* const kOptionsKey = "Software\\KeldonKRC\\Tarvex\\v1.3";

QString TextOf(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

TForm1::TForm1(const WorkbenchSetup& setup, QWidget* parent)
    : QMainWindow(parent),
      Dialogs(*setup.Dialogs),
      FormAbout(new TFormAbout(this)),
      FormBiomassData(new TFormBiomassData(this)),
      FormCntry2Region(new TFormCntry2Region(this)) {
  // Without the species data or the model library the program cannot work:
  // the process ends after the message.
  const std::function<void(int)> endProcess =
      setup.EndProcess ? setup.EndProcess : [](int code) { std::exit(code); };
  BuildWindow();
  ShowStartingControls();
  SetUpFolders(setup.ProgramFolder);
  ShowStartPage();
  HelpTopics = std::make_unique<HelpBrowser>();
  HelpWindow = new HelpViewer(*HelpTopics, this);
  HelpWindow->setWindowFlag(Qt::Window);
  LoadTables(endProcess);
  SetUpGrids();
  StartEmptySite(ForestKind::EvenAged);
  ShowCohortBar();
  ChartManagement->SetBarWidth(20);
  for (Chart* chart : {ChartStemGrowth, ChartManagement, ChartNdep, Chart1}) chart->SetPenWidth(2);
  BindStandsimLibrary(endProcess);
  LoadFolderOptions();
  MarkScenarioSaved();
  ConnectEvents();
  Timer1.setInterval(kStartPageMilliseconds);
  connect(&Timer1, &QTimer::timeout, this, &TForm1::Timer1Timer);
  Timer1.start();
  FormCreate();
}

void TForm1::BuildWindow() {
  setWindowTitle("Tarvex!");
  resize(933, 700);
  CentreOnScreen();
  BuildMenus();
  BuildSitePage();
  BuildForestPage();
  BuildResultsPage();
  BuildCohortBar();
}

void TForm1::ShowStartingControls() {
  PageControl1->setCurrentWidget(TabSheetSiteInputs);
  PageControlOutput->setCurrentIndex(0);
  Panel6->hide();
  for (QWidget* w : std::initializer_list<QWidget*>{Label9, Label10, Label14, EditKgr,
                                                    EditMaxGrowth, EditInitBiom}) {
    w->hide();
  }
}

void TForm1::SetUpFolders(const QString& programFolder) {
  AppDataFolder = AppDataFolderPath();
  const QString appDataFolder = QString::fromStdString(AppDataFolder);
  Folders = {appDataFolder, appDataFolder, appDataFolder, appDataFolder};
  InitExeFolder(programFolder);
  ScenarioFolder = ExeFolder;
  // "Open" starts where the examples are.
  ProvideAppDataFolder(AppDataFolder, ExeFolder + "examples/");
}

void TForm1::ShowStartPage() {
  // The start page covers the pages until the timer fires.
  WebBrowser1->setSource(
      QUrl::fromLocalFile(QString::fromStdString(ExeFolder + "html/standsim_text.html")));
  ClientArea->setCurrentWidget(WebBrowser1);
}

void TForm1::LoadTables(const std::function<void(int)>& endProcess) {
  Tables = std::make_unique<Defs>();
  FillSpeciesAndRegions();
  try {
    SpeciesRegionDefaults = BuildSpeciesRegionDefaults(kSpeciesDataFile, *Tables);
  } catch (const TarvexError& e) {
    // Without the species defaults no cohort can get biomass parameters.
    ShowMessage(e.what());
    SpeciesRegionDefaults = std::make_unique<SpeciesRegionTable>();
    endProcess(1);
  }
}

void TForm1::SetUpGrids() {
  StringGridStemGrowth->SetHeaderRow({"Age", "Growth (m3/ha/yr)"});
  StringGridManagement->SetHeaderRow(
      {"Year", "Management", "Percentage", "Stems", "Branches", "Roots", "Leaves"});
  StringGridManagement->SetCell(2, 1, "100");
  // All seven columns of the management grid are in view beside its scroll bar.
  StringGrid& management = *StringGridManagement;
  management.setMinimumWidth(management.horizontalHeader()->length() +
                             management.verticalScrollBar()->sizeHint().width() +
                             2 * management.frameWidth());
}

void TForm1::StartEmptySite(ForestKind forestType) {
  Site = std::make_unique<CSite>();
  Site->ForestType = forestType;
  Site->AddCohort();
  CurrentCohort = 0;
}

TForm1::~TForm1() = default;

void TForm1::CentreOnScreen() {
  const QScreen* screen = QGuiApplication::primaryScreen();
  if (screen == nullptr) return;
  // A window larger than the screen keeps its top left corner on it.
  const QRect area = screen->availableGeometry();
  move(std::max(area.left(), area.center().x() - width() / 2),
       std::max(area.top(), area.center().y() - height() / 2));
}

void TForm1::InitExeFolder(const QString& programFolder) {
  QString folder = programFolder.isEmpty() ? QCoreApplication::applicationDirPath() : programFolder;
  if (folder.isEmpty() || !QDir::setCurrent(folder)) return;
  ExeFolder = QDir::cleanPath(QDir(folder).absolutePath()).toStdString();
  if (ExeFolder.empty() || ExeFolder.back() != '/') ExeFolder += '/';
}

void TForm1::BindStandsimLibrary(const std::function<void(int)>& endProcess) {
  try {
    const StandsimEntries entries = BindStandsim(ExeFolder + kStandsimLibraryName);
    GrowthEntry = entries.Growth;
    Read4upEntry = entries.Read4up;
  } catch (const TarvexError& e) {
    ShowMessage(e.what());
    endProcess(0);
  }
}

void TForm1::FillSpeciesAndRegions() {
  ComboBoxSpecies->addItem(kUnknownSpecies);
  for (const SpeciesRow& row : Tables->Species) ComboBoxSpecies->addItem(TextOf(row.Name));
  ComboBoxSpecies->setCurrentIndex(0);
  // Every region but the first row, "All".
  for (const RegionRow& row : Tables->Regions) {
    if (row.Nr != 1) ComboBoxRegions->addItem(TextOf(row.Name));
  }
  SetComboBoxText(*ComboBoxRegions, "Select Region");
}

void TForm1::FormCreate() {
  const std::string helpFolder = ExeFolder + "HELP/";
  HelpWindow->SetHelpFolder(QString::fromStdString(helpFolder));
  HelpHeaderPath = helpFolder + "tarvexhelp.h";
  try {
    HelpTopics->LoadTopics(HelpHeaderPath);
  } catch (const std::exception& e) {
    ShowMessage(e.what());
  }
}

void TForm1::Timer1Timer() {
  Timer1.stop();
  ClientArea->setCurrentWidget(PageControl1);
  WebBrowser1->hide();
  Panel6->show();
  FocusPageShown();
}

void TForm1::FocusPageShown() { PageControl1->setFocus(); }

std::array<TForm1::FolderOption, 3> TForm1::FolderOptionTable() {
  // The folders of the last session are where the dialogs start; what this
  // session opened, read or wrote is kept for the next one.
  return {{{"LastPath", ScenarioFolder, Folders.OpenScenario},
           {"QSMpFilePath", QSMFolder, Folders.OpenQsm},
           {"OutFilePath", ResultsFolder, Folders.SaveResults}}};
}

void TForm1::LoadFolderOptions() {
  const std::array<FolderOption, 3> table = FolderOptionTable();
  std::array<OptItem, 3> options;
  for (std::size_t k = 0; k < options.size(); ++k) options[k] = {table[k].Name, "string", {}};
  try {
    if (LoadOptions({kOptionsKey, options})) {
      // A folder never chosen yet keeps the application-data folder.
      for (std::size_t k = 0; k < options.size(); ++k) {
        if (!options[k].Value.empty())
          table[k].StartsDialog = QString::fromStdString(options[k].Value);
      }
    }
  } catch (const std::exception&) {
    // Options that cannot be read set no folder: every dialog starts in the
    // application-data folder.
  }
}

void TForm1::SaveFolderOptions() {
  const std::array<FolderOption, 3> table = FolderOptionTable();
  std::array<OptItem, 3> options;
  for (std::size_t k = 0; k < options.size(); ++k) {
    options[k] = {table[k].Name, "string", table[k].WrittenFrom};
  }
  bool saved = false;
  try {
    saved = SaveOptions({kOptionsKey, options});
  } catch (const std::exception&) {
    saved = false;
  }
  if (!saved) ShowMessage("cannot write to registry");
}

void TForm1::exit1Click() { close(); }

void TForm1::About1Click() { Dialogs.RunModal(*FormAbout); }

void TForm1::Help2Click() { HelpWindow->ShowContext(HelpTopics->GetTopicId("Contents")); }

void TForm1::SpeedButton1Click() {
  const char* topic = nullptr;
  if (PageControl1->currentWidget() == TabSheetSiteInputs) topic = "SiteInputs";
  if (PageControl1->currentWidget() == TabSheetInputs) topic = "ForestInputs";
  if (PageControl1->currentWidget() == TabSheetResults) topic = "Results";
  if (topic != nullptr) HelpWindow->ShowContext(HelpTopics->GetTopicId(topic));
}

std::string TForm1::ChooseRegionForCountry(const std::string& country) {
  return AskRegionWith(*FormCntry2Region, Dialogs)(country);
}

void TForm1::closeEvent(QCloseEvent* event) {
  bool closing = true;
  if (AskSaveChanges()) {
    // A save that fails or is cancelled keeps the window open.
    try {
      closing = SaveFile();
    } catch (const std::exception& e) {
      closing = false;
      ShowMessage(e.what());
    }
  }
  SaveFolderOptions();
  if (closing) {
    event->accept();
  } else {
    event->ignore();
  }
}

bool TForm1::AskSaveChanges() {
  if (IsScenarioSaved()) return false;
  return Dialogs.AskYesNo(nullptr, "Save the file", "Save Tarvex file ?");
}

bool TForm1::OfferToSave() {
  if (!AskSaveChanges()) return true;
  try {
    return SaveFile();
  } catch (const std::exception& e) {
    ShowMessage(e.what());
    return false;
  }
}

std::optional<std::string> TForm1::ShownScenarioText() {
  // The shown inputs are put into the cohort for the moment of writing the
  // text, and the cohort is given back as it was.
  const CohortEdits stored = CohortEdits::Of(Current());
  std::optional<std::string> text;
  try {
    ShownCohortEdits().PutInto(Current());
    text = ScenarioText(*Site, {});
  } catch (const std::exception&) {
    // An input that cannot be stored is an edit a save would not keep.
  }
  stored.PutInto(Current());
  return text;
}

void TForm1::MarkScenarioSaved() {
  SavedScenario = ShownScenarioText();
  EditQsmpFileName->setModified(false);
}

bool TForm1::IsScenarioSaved() {
  if (EditQsmpFileName->isModified() || !SavedScenario) return false;
  const std::optional<std::string> shown = ShownScenarioText();
  return shown && *shown == *SavedScenario;
}

bool TForm1::event(QEvent* event) {
  // Menu hints would replace the name of the scenario file in the status bar.
  if (event->type() == QEvent::StatusTip) return true;
  return QMainWindow::event(event);
}

void TForm1::ShowMessage(const QString& text) { Dialogs.ShowMessage(this, text); }

void TForm1::Guard(const std::function<void()>& handler) {
  try {
    handler();
  } catch (const std::exception& e) {
    ShowMessage(e.what());
  }
}

}  // namespace tarvex
