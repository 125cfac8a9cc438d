#pragma once
// The dialog in which the user reviews and edits a cohort's biomass
// parameters: expansion factors, carbon content, wood density, turnover
// rates, leaf nitrogen parameters and nutrient contents. The evergreen flag
// has no control and passes through.

#include <QDialog>

#include "tarvex/data/biomass_record.h"

class QLineEdit;
class QPushButton;

namespace tarvex {

class StringGrid;

class TFormBiomassData : public QDialog {
  Q_OBJECT

 public:
  explicit TFormBiomassData(QWidget* parent = nullptr);

  void SetDefaults(bool show, const BiomassRecord& record);
  void SetValues(bool show, const BiomassRecord& record);
  void ShowValues(const BiomassRecord& record);
  // Converts every shown value into its slot of RECORD and divides each
  // column of the expansion factors by its stems value (stems become 1, as
  // a Tarvex file keeps them); a text that is not a number raises
  // ConversionError with the slots converted so far written, and a value
  // that can only give nonsense (cohort_values.h), before or after the
  // division, raises TarvexError "Error: REASON" with every slot written.
  void GetValues(BiomassRecord& record) const;
  // FLAG false writes "0" into the stems turnover cell.
  void ZeroStemTurnover(bool flag);
  void ButtonGetDefaultsClick();

  QLineEdit* EditCarbonContent;    // "Carbon content (%)"
  QLineEdit* EditWoodDensity;      // "Wood density (g/cm3)"
  QLineEdit* EditNlfmin;           // "Nlfmin (%)"
  QLineEdit* EditNlfmax;           // "Nlfmax (%)"
  QLineEdit* EditexpNlf;           // "expNlf ( (m2yr/eq)"
  StringGrid* StringGridBAF;       // "Biomass expansion factors": compartments by age
  StringGrid* StringGridTurnOver;  // "Turnover rates (1/yr)" of the five compartments
  StringGrid* StringGridContents;  // "Nutrient contents (%)": Ca, K, Mg, N by compartment
  QPushButton* Button1;            // "OK"
  QPushButton* Button2;            // "Cancel"
  QPushButton* ButtonGetDefaults;  // "Restore default values"

 private:
  // The constructor's steps: the three grids with their headers and sizes,
  // the three buttons and their events, and the layout with the labels.
  void BuildGrids();
  void BuildButtons();
  void LayOutControls();
  // The width an age column of the factors needs to show TEXT whole.
  int FactorColumnWidth(const QString& text) const;
  // Every age column at least WIDTH wide, the grid as wide as they are.
  void FitFactorColumns(int width);

  BiomassRecord CurrentValues{};
  BiomassRecord DefaultValues{};
  unsigned char Evergreen = 0;
};

}  // namespace tarvex
