#include "tarvex/ui/country_region_dialog.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "tarvex/data/defs.h"
#include "tarvex/data/site.h"
#include "tarvex/ui/platform/picture_label.h"
#include "tarvex/ui/platform/user_dialogs.h"

namespace tarvex {

TFormCntry2Region::TFormCntry2Region(QWidget* parent)
    : QDialog(parent),
      LabelCntry(new QLabel("Country in input file:", this)),
      Label1(
          new QLabel("Conversion needed: please select the proper REGION for this COUNTRY:", this)),
      ComboBoxRegions(new QComboBox(this)),
      Image1(new PictureLabel("regions_map.jpg", this)),
      Button1(new QPushButton("OK", this)) {
  setWindowTitle("Convert Country to Region...");
  resize(414, 629);
  Label1->setWordWrap(true);

  ComboBoxRegions->setEditable(true);
  ComboBoxRegions->setInsertPolicy(QComboBox::NoInsert);
  ComboBoxRegions->addItem(kUnknownRegion);
  const Defs tables;
  for (const RegionRow& region : tables.Regions) {
    ComboBoxRegions->addItem(
        QString::fromUtf8(region.Name.data(), static_cast<int>(region.Name.size())));
  }
  // The list starts without a selection; only the user's choice sets Region.
  ComboBoxRegions->setCurrentIndex(-1);
  connect(ComboBoxRegions, &QComboBox::currentTextChanged, this,
          &TFormCntry2Region::ComboBoxRegionsChange);

  Button1->setDefault(true);
  connect(Button1, &QPushButton::clicked, this, &QDialog::accept);

  auto* top = new QVBoxLayout;
  top->addWidget(LabelCntry);
  top->addWidget(Label1);
  top->addWidget(ComboBoxRegions);
  auto* bottom = new QHBoxLayout;
  bottom->addStretch();
  bottom->addWidget(Button1);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(top);
  layout->addWidget(Image1, 1);
  layout->addLayout(bottom);
}

void TFormCntry2Region::FormActivate() {
  LabelCntry->setText("Country read from input file: " + QString::fromStdString(Country));
}

void TFormCntry2Region::ComboBoxRegionsChange(const QString& text) { Region = text.toStdString(); }

void TFormCntry2Region::showEvent(QShowEvent* event) {
  FormActivate();
  QDialog::showEvent(event);
}

CountryToRegion AskRegionWith(TFormCntry2Region& dialog, UserDialogs& dialogs) {
  return [&dialog, &dialogs](const std::string& country) {
    dialog.Country = country;
    dialogs.RunModal(dialog);
    return dialog.Region;
  };
}

}  // namespace tarvex
