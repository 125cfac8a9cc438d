// The dialog that asks for the biogeographical region of a scenario whose
// file names only a country. It shows the country and a map of the regions;
// the caller sets Country, shows the dialog modally and reads Region however
// the dialog was closed. Region keeps the last choice between showings.
#pragma once

#include <QDialog>
#include <string>

#include "tarvex/data/site.h"

class QComboBox;
class QLabel;
class QPushButton;

namespace tarvex {

class PictureLabel;
class UserDialogs;

class TFormCntry2Region : public QDialog {
  Q_OBJECT

 public:
  explicit TFormCntry2Region(QWidget* parent = nullptr);

  // Shows the country in the label; runs whenever the dialog is shown.
  void FormActivate();
  // Takes the text of the region list as the chosen region.
  void ComboBoxRegionsChange(const QString& text);

  std::string Country;  // the country read from the scenario file
  std::string Region;   // the region last chosen in the list

  QLabel* LabelCntry;          // the country read from the file
  QLabel* Label1;              // "Conversion needed: please select the proper REGION ..."
  QComboBox* ComboBoxRegions;  // the list of the regions to choose from
  PictureLabel* Image1;        // the map of the regions
  QPushButton* Button1;        // "OK"

 protected:
  void showEvent(QShowEvent* event) override;
};

// The region chooser of the scenario reader: shows DIALOG modally through
// DIALOGS for the country and returns the region chosen there.
CountryToRegion AskRegionWith(TFormCntry2Region& dialog, UserDialogs& dialogs);

}  // namespace tarvex
