// Export from the results page: the results file with the optional rewrite
// of the QSM input file's uptake references, and the chart as a picture.
#include <QCheckBox>
#include <QDir>
#include <fstream>
#include <optional>
#include <sstream>
#include <string>

#include "tarvex/data/atomic_file.h"
#include "tarvex/data/path_parts.h"
#include "tarvex/data/results_file.h"
#include "tarvex/data/tarvex_error.h"
#include "tarvex/ui/main_window.h"
#include "tarvex/ui/platform/chart.h"
#include "tarvex/ui/platform/chart_picture.h"
#include "tarvex/window_logic/qsm_reference.h"

namespace tarvex {
namespace {

constexpr int kAllResultColumns = 16;
constexpr int kUptakeResultColumns = 6;
const QString kPictureFilter = "Enhanced Windows Metafile(*.emf);;Bitmap(*.bmp)";

// The bytes of FILENAME; false when it cannot be read.
bool ReadWholeFile(const std::string& fileName, std::string& text) {
  std::ifstream in(NativePath(fileName), std::ios::binary);
  if (!in) return false;
  std::ostringstream bytes;
  bytes << in.rdbuf();
  text = bytes.str();
  return !in.bad();
}

}  // namespace

void TForm1::ButtonSaveResultsClick() {
  // Results are written over the site's deposition period.
  if (!HasDepositionPeriod()) {
    ShowMessage(Deposition.MissingMessage());
    return;
  }
  const QString name = Dialogs.GetSaveFileName(this, {"Save results", Folders.SaveResults, {}, {}});
  if (name.isEmpty()) return;
  const std::string fileName = name.toStdString();
  ResultsFolder = FolderPart(fileName);
  const bool all = CheckBoxExpAll->isChecked();
  const std::string results = Site->WriteResults(
      fileName, all ? kAllResultColumns : kUptakeResultColumns, ResultColumnNames, all);

  if (!Dialogs.AskYesNo(nullptr, "Save", "Save reference to uptake file in QSM+ input file?"))
    return;
  // A reference the model could not read back is not written at all.
  const auto refused = [this](const std::optional<std::string>& refusal) {
    if (refusal)
      ShowMessage("Cannot write the reference into the QSM+ input file: " + *refusal + ".");
    return refusal.has_value();
  };
  if (refused(QsmReferenceRefusal(fileName)) || refused(QsmResultsRefusal(results))) return;
  std::string text;
  if (!ReadWholeFile(Site->QSMpInFile, text)) {
    ShowMessage("Cannot open QSM input file for read!");
    return;
  }
  const std::string rewritten = RewriteQsmReferences(text, fileName);
  if (refused(QsmKeysRefusal(rewritten))) return;
  // The old file is replaced only by a complete new one.
  try {
    SaveFileAtomically(Site->QSMpInFile, rewritten);
  } catch (const AtomicSaveError& e) {
    ShowMessage(e.Created() ? "Error: Cannot replace the QSM+ file !"
                            : "Cannot open QSM input file for write...");
  }
}

void TForm1::ButtonSaveGraphClick() {
  const QString folder = QDir::currentPath();
  int filterIndex = 0;
  QString name = Dialogs.GetSaveFileName(
      this, {"Save Graph", QString::fromStdString(ScenarioFolder), kPictureFilter, {}},
      &filterIndex);
  if (!name.isEmpty()) {
    bool metafile = name.endsWith(".emf");
    if (!metafile && !name.endsWith(".bmp")) {
      metafile = filterIndex == 0;
      name += metafile ? ".emf" : ".bmp";
    }
    SaveChartPicture(name, metafile);
  }
  QDir::setCurrent(folder);
}

void TForm1::SaveChartPicture(const QString& fileName, bool metafile) {
  Chart1->Refresh();
  if (metafile) {
    SaveToMetafileEnh(*Chart1, fileName.toStdString());
  } else {
    SaveToBitmapFile(*Chart1, fileName.toStdString());
  }
}

}  // namespace tarvex
