// Reading the nitrogen deposition and the simulated period of the site's QSM
// input file through READ4UP, and the deposition chart.
#include <QFileInfo>
#include <QLineEdit>
#include <QPushButton>
#include <algorithm>

#include "tarvex/data/path_parts.h"
#include "tarvex/data/tarvex_error.h"
#include "tarvex/data/text_helpers.h"
#include "tarvex/ui/main_window.h"
#include "tarvex/ui/platform/chart.h"
#include "tarvex/window_logic/deposition_reading.h"

namespace tarvex {

void TForm1::SpeedButtonOpenQSMpFileClick() {
  const QString name =
      Dialogs.GetOpenFileName(this, {"Open QSM+ input file", Folders.OpenQsm, {}, {}});
  if (name.isEmpty()) return;
  EditQsmpFileName->setText(name);
  // Taken as a typed name is: a save would drop blanks at its ends.
  Site->QSMpInFile = TypedQsmFileName();
  ReadNdep();
}

void TForm1::ButtonReadNdepClick() {
  std::string name = TypedQsmFileName();
  if (name.empty()) {
    ShowMessage("No file name given !");
    return;
  }
  // The file checked is the one read: a relative name counts from the
  // scenario's folder, as for the model run.
  MakeFullPath(name, ScenarioFolder);
  if (!FileExists(name)) {
    ShowMessage("No such file !");
    return;
  }
  Site->QSMpInFile = name;
  ReadNdep();
}

void TForm1::ReadNdep() {
  Deposition.Start();
  ChartNdep->Clear();
  MakeFullPath(Site->QSMpInFile, ScenarioFolder);
  if (!FileExists(Site->QSMpInFile)) {
    DepositionNotRead("Specified QSM+ file specifying N dep not found!");
    return;
  }
  try {
    ReadDeposition(Read4upEntry, NativePath(Site->QSMpInFile), *Site);
  } catch (const TarvexError& e) {
    DepositionNotRead(e.what());
    return;
  }
  for (ChartAxis* axis : {&ChartNdep->Bottom(), &ChartManagement->Bottom()}) {
    axis->SetAutomatic(false);
    axis->Maximum = PeriodLastYear() + 10;
    axis->Minimum = PeriodFirstYear();
  }
  for (int y = std::max(PeriodFirstYear(), 0); y <= std::min(PeriodLastYear(), kLastYear); ++y) {
    ChartNdep->AddPoint(y, Site->Ndep[static_cast<std::size_t>(y)]);
  }
  Deposition.Succeed();
  ButtonReadNdep->setEnabled(false);
  QSMFolder = FolderPart(Site->QSMpInFile);
}

std::string TForm1::TypedQsmFileName() const {
  return std::string(WithoutSurroundingBlanks(EditQsmpFileName->text().toStdString()));
}

void TForm1::DepositionNotRead(const std::string& message) {
  ShowMessage(message);
  Deposition.Fail(message);
}

}  // namespace tarvex
