// Reading the nitrogen deposition and the simulated period of the site's QSM
// input file through READ4UP, and the deposition chart.
#include <QFileInfo>
#include <QLineEdit>
#include <QPushButton>
#include <algorithm>
#include <cstring>
#include <vector>

#include "tarvex/data/read4up_file_name.h"
#include "tarvex/data/tarvex_error.h"
#include "tarvex/data/text_helpers.h"
#include "tarvex/ui/main_window.h"
#include "tarvex/ui/platform/chart.h"
#include "tarvex/workbench/path_parts.h"

namespace tarvex {

void TForm1::SpeedButtonOpenQSMpFileClick() {
  const QString name =
      Dialogs.GetOpenFileName(this, {"Open QSM+ input file", OpenDialog2Folder, {}, {}});
  if (name.isEmpty()) return;
  EditQsmpFileName->setText(name);
  Site->QSMpInFile = name.toStdString();
  ReadNdep();
}

void TForm1::ButtonReadNdepClick() {
  std::string name = EditQsmpFileName->text().toStdString();
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
  NdepRead = false;
  ChartNdep->Clear();
  MakeFullPath(Site->QSMpInFile, ScenarioFolder);
  if (!FileExists(Site->QSMpInFile)) {
    DepositionNotRead("Specified QSM+ file specifying N dep not found!");
    return;
  }
  std::array<unsigned char, kRead4upNameBytes> fileName{};
  try {
    fileName = Read4upFileName(NativePath(Site->QSMpInFile));
  } catch (const TarvexError& e) {
    DepositionNotRead(e.what());
    return;
  }
  // The period and the series are taken only from a reading that succeeded.
  std::vector<float> ndep(Site->Ndep.begin(), Site->Ndep.end());
  unsigned char message[256] = {' ', 0};
  YearLo = 0;
  YearHi = kLastYear;
  int32_t first = 0, last = 0;
  Read4upEntry(fileName.data(), &YearLo, &YearHi, &first, &last, ndep.data(), message);
  message[sizeof message - 1] = 0;
  if (message[0] != ' ' && message[0] != 0) {
    std::string text(reinterpret_cast<const char*>(message));
    text.erase(text.find_last_not_of(' ') + 1);
    DepositionNotRead("Cannot read N deposition: " + text);
    return;
  }
  std::copy(ndep.begin(), ndep.end(), Site->Ndep.begin());
  PeriodFirstYear = first;
  PeriodLastYear = last;
  Site->FirstYear = PeriodFirstYear;
  Site->LastYear = PeriodLastYear;
  for (ChartAxis* axis : {&ChartNdep->Bottom(), &ChartManagement->Bottom()}) {
    axis->SetAutomatic(false);
    axis->Minimum = 0;
    axis->Maximum = PeriodLastYear + 10;
    axis->Minimum = PeriodFirstYear;
  }
  for (int y = std::max(PeriodFirstYear, 0); y <= std::min(PeriodLastYear, kLastYear); ++y) {
    ChartNdep->AddPoint(y, Site->Ndep[static_cast<std::size_t>(y)]);
  }
  NdepFirstYear = PeriodFirstYear;
  NdepLastYear = PeriodLastYear;
  NdepRead = true;
  NdepMessage.clear();
  ButtonReadNdep->setEnabled(false);
  QSMFolder = FolderPart(Site->QSMpInFile);
}

void TForm1::DepositionNotRead(const std::string& message) {
  ShowMessage(message);
  NdepMessage = message;
  // The site keeps the period and series of its last reading.
  PeriodFirstYear = Site->FirstYear;
  PeriodLastYear = Site->LastYear;
}

bool TForm1::HasDepositionPeriod() const { return Site->FirstYear >= 1; }

std::string TForm1::DepositionMissingMessage() const {
  return NdepMessage.empty() ? kReadDepositionFirst : NdepMessage;
}

}  // namespace tarvex
