// The species choice and the biomass parameter dialog run from the main
// window: which values it shows, and what OK and Cancel keep.
#include <QAbstractButton>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>
#include <map>

#include "tarvex/data/tarvex_error.h"
#include "tarvex/ui/biomass_data_dialog.h"
#include "tarvex/ui/platform/string_grid.h"
#include "tarvex/ui/testing/window_fixture.h"

using namespace tarvex;
using namespace tarvex::testing;

namespace {

constexpr int kPiceaAbies = 12;  // 0-based species index
constexpr int kBoreal = 4;       // 0-based region index

bool SameRecord(const BiomassRecord& a, const BiomassRecord& b) {
  return std::memcmp(&a, &b, sizeof a) == 0;
}

// A box of the dialog ("WoodDensity") or the cell (COLUMN, ROW) of one of
// its grids ("BAF 3 2").
struct Field {
  QLineEdit* edit = nullptr;
  StringGrid* grid = nullptr;
  int col = 0, row = 0;

  QString Text() const { return edit != nullptr ? edit->text() : grid->Cell(col, row); }
  void SetText(const QString& text) const {
    if (edit != nullptr) {
      edit->setText(text);
    } else {
      grid->SetCell(col, row, text);
    }
  }
};

Field FieldOf(const TFormBiomassData& form, const QString& name) {
  const QStringList parts = name.split(' ');
  if (parts.size() == 1) {
    const std::map<QString, QLineEdit*> edits{{"CarbonContent", form.EditCarbonContent},
                                              {"WoodDensity", form.EditWoodDensity},
                                              {"Nlfmin", form.EditNlfmin},
                                              {"Nlfmax", form.EditNlfmax},
                                              {"expNlf", form.EditexpNlf}};
    return {edits.at(name)};
  }
  const std::map<QString, StringGrid*> grids{{"BAF", form.StringGridBAF},
                                             {"TurnOver", form.StringGridTurnOver},
                                             {"Contents", form.StringGridContents}};
  return {nullptr, grids.at(parts[0]), parts[1].toInt(), parts[2].toInt()};
}

}  // namespace

class BiomassTest : public QObject, protected WindowTest {
  Q_OBJECT

 private slots:
  void init() {
    StartCaseWithWindow();
    QCOMPARE(Defs().SpeciesIndex("Picea abies"), kPiceaAbies);
    window_->ComboBoxRegions->setEditText("Boreal");
  }
  void cleanup() { window_.reset(); }

  // Without a known region the cohort keeps its species, so that no species
  // goes without its region's biomass parameters.
  void aSpeciesChoiceNeedsARegionAndASpecies_data() {
    QTest::addColumn<QString>("region");
    QTest::addColumn<QString>("species");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("stored");
    QTest::newRow("species Unknown") << "Boreal"
                                     << "Unknown"
                                     << "No species defined"
                                     << "Unknown";
    QTest::newRow("no region yet") << "Select Region"
                                   << "Picea abies"
                                   << "No Region defined"
                                   << "Unknown";
    QTest::newRow("no region") << ""
                               << "Picea abies"
                               << "No Region defined"
                               << "Unknown";
  }
  void aSpeciesChoiceNeedsARegionAndASpecies() {
    QFETCH(QString, region);
    QFETCH(QString, species);
    QFETCH(QString, message);
    QFETCH(QString, stored);
    bool opened = false;
    dialogs_.modal = [&](QDialog&) { return opened = true; };
    const BiomassRecord before = window_->SiteRecord().Cohort(0).BiomassData;
    window_->ComboBoxRegions->setEditText(region);
    window_->ComboBoxSpecies->setEditText(species);
    window_->ComboBoxSpeciesChange();
    QCOMPARE(dialogs_.messages, QStringList({message}));
    QVERIFY(!opened);
    const CCohort& cohort = window_->SiteRecord().Cohort(0);
    QCOMPARE(QString::fromStdString(cohort.SpeciesName), stored);
    QCOMPARE(window_->ComboBoxSpecies->currentText(), stored);
    QVERIFY(SameRecord(cohort.BiomassData, before));
    QVERIFY(!cohort.HasBiomassData);
  }

  void cancelOnANewSpeciesTakesTheDefaults() {
    const BiomassRecord& defaults = window_->Defaults()[kPiceaAbies][kBoreal];
    QVERIFY(defaults.TurnOver[standsim::ST] != 0.0);
    QString stemsTurnover;
    dialogs_.modal = [&](QDialog& dialog) {
      auto& form = static_cast<TFormBiomassData&>(dialog);
      stemsTurnover = form.StringGridTurnOver->Cell(4, 1);
      form.StringGridBAF->SetCell(1, 1, "99");  // discarded by Cancel
      return false;
    };
    window_->ComboBoxSpecies->setEditText("Picea abies");
    window_->ComboBoxSpeciesChange();
    QCOMPARE(stemsTurnover, QString("0"));
    QCOMPARE(dialogs_.messages, QStringList({"Using defaults values for biomass parameters !"}));
    const CCohort& cohort = window_->SiteRecord().Cohort(0);
    QVERIFY(cohort.HasBiomassData);
    QVERIFY(SameRecord(cohort.BiomassData, defaults));
    QVERIFY(!window_->IsScenarioSaved());
  }

  void theDialogShowsTheConfirmedValuesOfACohort() {
    dialogs_.modal = [](QDialog&) { return true; };
    window_->ComboBoxSpecies->setEditText("Picea abies");
    window_->ComboBoxSpeciesChange();  // OK: confirmed with stems turnover 0
    CCohort& cohort = window_->SiteRecord().Cohort(0);
    QVERIFY(cohort.HasBiomassData);
    QCOMPARE(cohort.BiomassData.TurnOver[standsim::ST], 0.0);
    cohort.BiomassData.TurnOver[standsim::ST] = 0.125;
    cohort.BiomassData.ctCa[standsim::FR] = 0.5;
    cohort.BiomassData.ctCa[standsim::LV] = 0.75;
    const BiomassRecord confirmed = cohort.BiomassData;

    QStringList shown;
    dialogs_.modal = [&](QDialog& dialog) {
      auto& form = static_cast<TFormBiomassData&>(dialog);
      shown << form.StringGridTurnOver->Cell(4, 1) << form.StringGridContents->Cell(3, 1)
            << form.StringGridContents->Cell(4, 1) << form.StringGridContents->Cell(4, 4);
      return false;
    };
    dialogs_.Clear();
    window_->Button1Click();
    QCOMPARE(shown, QStringList({"0.125", "0.5", "0.75", "f(Ndep)"}));
    QVERIFY(dialogs_.messages.isEmpty());
    QVERIFY(SameRecord(window_->SiteRecord().Cohort(0).BiomassData, confirmed));
  }

  void okReadsBackEveryShownValue() {
    dialogs_.modal = [](QDialog& dialog) {
      auto& form = static_cast<TFormBiomassData&>(dialog);
      form.EditCarbonContent->setText("48.5");
      form.StringGridBAF->SetCell(15, 1, "1.25");         // branches at age 1000
      form.StringGridContents->SetCell(5, 4, "0.125");    // N of stems
      form.StringGridContents->SetCell(4, 4, "f(Ndep)");  // not read back
      return true;
    };
    window_->ComboBoxSpecies->setEditText("Picea abies");
    window_->ComboBoxSpeciesChange();
    const BiomassRecord& data = window_->SiteRecord().Cohort(0).BiomassData;
    QCOMPARE(data.CarbonContent, 48.5);
    QCOMPARE(data.BAF[standsim::BR][14], 1.25);
    QCOMPARE(data.ctN[standsim::ST], 0.125);
    // The leaves' N content is that of the work record, all zero at first.
    QCOMPARE(data.ctN[standsim::LV], 0.0);
    QCOMPARE(data.Evergreen, window_->Defaults()[kPiceaAbies][kBoreal].Evergreen);
  }

  // The expansion factors are kept relative to stems, as a Tarvex file keeps
  // them: OK divides a column by its stems factor, so that the run after OK
  // is the run after a save and an open.
  void anEditedStemsFactorIsDividedOutOfItsColumn() {
    const BiomassRecord& defaults = window_->Defaults()[kPiceaAbies][kBoreal];
    dialogs_.modal = [](QDialog& dialog) {
      static_cast<TFormBiomassData&>(dialog).StringGridBAF->SetCell(3, 5, "2");  // stems, age 30
      return true;
    };
    window_->ComboBoxSpecies->setEditText("Picea abies");
    window_->ComboBoxSpeciesChange();
    QVERIFY2(dialogs_.messages.isEmpty(), qPrintable(dialogs_.messages.join("; ")));
    const CCohort& cohort = window_->SiteRecord().Cohort(0);
    for (int row = 0; row < kBafRows; ++row) {
      QCOMPARE(cohort.BiomassData.BAF[row][2],
               row == kBafStemsRow ? 1.0 : defaults.BAF[row][2] / 2);
      QCOMPARE(cohort.BiomassData.BAF[row][3], defaults.BAF[row][3]);
    }

    // The dialog shows the factors so kept.
    QStringList shown;
    bool painted = false;
    dialogs_.modal = [&](QDialog& dialog) {
      auto& form = static_cast<TFormBiomassData&>(dialog);
      painted = !Paint(form).isNull();
      shown << form.StringGridBAF->Cell(3, 5) << form.StringGridBAF->Cell(3, 1);
      return false;
    };
    window_->Button1Click();
    QVERIFY(painted);
    QCOMPARE(shown, QStringList({"1", QString::number(defaults.BAF[standsim::BR][2] / 2)}));

    const std::string file = folder_->file("stems.txt");
    CSite& site = window_->SiteRecord();
    site.RegionName = "Boreal";
    site.WriteToFile(file);
    const auto opened = CSite::ReadFromFile(file, nullptr, nullptr);
    QVERIFY(std::memcmp(opened->Cohort(0).BiomassData.BAF, cohort.BiomassData.BAF,
                        sizeof cohort.BiomassData.BAF) == 0);
  }

  // OK with a text that is no number or a value out of its range, in any
  // box or cell of the dialog: one message, and the dialog shows again with
  // the text typed, while the cohort, whose parameters were not confirmed
  // yet, stays without them. Then the correction is taken by OK, or Cancel
  // takes the defaults. The top of each range is taken; the dialog shows
  // what was taken the next time.
  void aRefusedValueIsShownAgainForItsCorrection_data() {
    QTest::addColumn<QString>("field");  // a box, or "GRID COLUMN ROW"
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("message");     // "" when taken
    QTest::addColumn<QString>("correction");  // typed after the refusal; "" for Cancel
    const struct {
      const char* name;
      const char* field;
      const char* what;
      const char* range;
      const char* above;
      const char* absurd;
      const char* shownAbsurd;
      const char* top;
    } quantities[] = {
        {"carbon", "CarbonContent", "the carbon content", "0..100 %", "100.001", "150", "150",
         "100"},
        {"wood density", "WoodDensity", "the wood density", "0..2 g/cm3", "2.001", "5", "5", "2"},
        {"Nlfmin", "Nlfmin", "the minimum leaf N content", "0..100 %", "100.001", "1e300", "1e+300",
         "100"},
        {"Nlfmax", "Nlfmax", "the maximum leaf N content", "0..100 %", "100.001", "150", "150",
         "100"},
        {"expNlf", "expNlf", "the exponent of the leaf N response", "0..1000 m2 yr/eq", "1000.001",
         "1e9", "1e+09", "1000"},
        {"turnover", "TurnOver 0 1", "the turnover rate of branches", "0..10 /yr", "10.001", "50",
         "50", "10"},
        {"stems turnover", "TurnOver 4 1", "the turnover rate of stems", "0..1 /yr", "1.001", "50",
         "50", "1"},
        {"Ca", "Contents 3 1", "the Ca content of fine roots", "0..100 %", "100.001", "150", "150",
         "100"},
        {"K", "Contents 1 2", "the K content of branches", "0..100 %", "100.001", "1e300", "1e+300",
         "100"},
        {"Mg", "Contents 4 3", "the Mg content of leaves", "0..100 %", "100.001", "150", "150",
         "100"},
        {"N", "Contents 5 4", "the N content of stems", "0..100 %", "100.001", "150", "150", "100"},
        {"factor", "BAF 3 2", "the expansion factor of coarse roots at age 30", "0..100", "100.001",
         "1e30", "1e+30", "100"},
    };
    for (const auto& q : quantities) {
      const QString outside = QString("Error: %1 is outside %2 (%3)").arg(q.what, q.range);
      QTest::addRow("%s just above, corrected", q.name)
          << q.field << q.above << outside.arg(q.above) << q.top;
      QTest::addRow("%s %s, cancelled", q.name, q.absurd)
          << q.field << q.absurd << outside.arg(q.shownAbsurd) << "";
      QTest::addRow("%s at the top", q.name) << q.field << q.top << ""
                                             << "";
    }
    QTest::newRow("no number, corrected") << "BAF 3 2"
                                          << "abc"
                                          << "\"abc\" is not a valid number"
                                          << "0.5";
    QTest::newRow("negative, cancelled")
        << "BAF 3 2"
        << "-0.5"
        << "Error: the expansion factor of coarse roots at age 30 is outside 0..100 (-0.5)"
        << "";
    QTest::newRow("stems 0, corrected") << "BAF 5 5"
                                        << "0"
                                        << "Error: the expansion factor of stems at age 50 is 0"
                                        << "1";
    QTest::newRow("stems 1e300, cancelled") << "BAF 5 5"
                                            << "1e300"
                                            << "Error: the expansion factor of stems at age 50 is "
                                               "outside 0..100 (1e+300)"
                                            << "";
    // A stems factor far below 1 makes the other factors of its age too large.
    QTest::newRow("stems 0.001, corrected")
        << "BAF 1 5"
        << "0.001"
        << "Error: the expansion factor of branches at age 10 is outside 0..100 (1045)"
        << "1";
  }
  void aRefusedValueIsShownAgainForItsCorrection() {
    QFETCH(QString, field);
    QFETCH(QString, text);
    QFETCH(QString, message);
    QFETCH(QString, correction);
    QVERIFY(ShowWindow(*window_));
    window_->ComboBoxSpecies->setEditText("Picea abies");
    const BiomassRecord before = window_->SiteRecord().Cohort(0).BiomassData;
    int shown = 0;
    QString shownAgain;
    bool painted = false, keptMeanwhile = false;
    dialogs_.modal = [&](QDialog& dialog) {
      auto& form = static_cast<TFormBiomassData&>(dialog);
      const Field typed = FieldOf(form, field);
      if (++shown == 1) {
        typed.SetText(text);
        return true;
      }
      // Back after the refusal, as the user sees it.
      painted = !Paint(form).isNull();
      form.hide();
      shownAgain = typed.Text();
      const CCohort& cohort = window_->SiteRecord().Cohort(0);
      keptMeanwhile = !cohort.HasBiomassData && SameRecord(cohort.BiomassData, before);
      typed.SetText(correction);
      return !correction.isEmpty();
    };
    window_->Button1->click();
    const CCohort& cohort = window_->SiteRecord().Cohort(0);
    if (!message.isEmpty()) {
      QCOMPARE(shown, 2);
      QVERIFY(painted);
      QCOMPARE(shownAgain, text);
      QVERIFY(keptMeanwhile);
    } else {
      QCOMPARE(shown, 1);
    }
    if (correction.isEmpty() && !message.isEmpty()) {
      QCOMPARE(dialogs_.messages,
               QStringList({message, "Using defaults values for biomass parameters !"}));
      QVERIFY(SameRecord(cohort.BiomassData, window_->Defaults()[kPiceaAbies][kBoreal]));
      return;
    }
    QCOMPARE(dialogs_.messages, message.isEmpty() ? QStringList() : QStringList({message}));
    QVERIFY(cohort.HasBiomassData);
    QString shownNext;
    dialogs_.modal = [&](QDialog& dialog) {
      shownNext = FieldOf(static_cast<TFormBiomassData&>(dialog), field).Text();
      return false;
    };
    window_->Button1->click();
    QCOMPARE(shownNext, message.isEmpty() ? text : correction);
  }

  // A cohort with confirmed parameters: a refused OK and then Cancel keep
  // them, without a word of the defaults.
  void aRefusedOkThenCancelKeepsTheConfirmedValues() {
    QVERIFY(ShowWindow(*window_));
    dialogs_.modal = [](QDialog&) { return true; };
    window_->ComboBoxSpecies->setEditText("Picea abies");
    window_->ComboBoxSpeciesChange();
    const BiomassRecord confirmed = window_->SiteRecord().Cohort(0).BiomassData;
    int shown = 0;
    dialogs_.modal = [&](QDialog& dialog) {
      if (++shown > 1) return false;
      static_cast<TFormBiomassData&>(dialog).EditWoodDensity->setText("5");
      return true;
    };
    dialogs_.Clear();
    window_->Button1->click();
    QCOMPARE(shown, 2);
    QCOMPARE(dialogs_.messages, QStringList({"Error: the wood density is outside 0..2 g/cm3 (5)"}));
    QVERIFY(window_->SiteRecord().Cohort(0).HasBiomassData);
    QVERIFY(SameRecord(window_->SiteRecord().Cohort(0).BiomassData, confirmed));
  }

  // The real dialog of a shown window, by keyboard: a text that is no
  // number typed into a cell and Enter on OK; the message box answered by
  // Enter; the dialog back with the text. Corrected and Enter on OK, the
  // correction is taken; Escape, or the close of the title bar, cancels, and
  // the cohort takes the defaults.
  void theRealDialogComesBackWithTheRefusedText_data() {
    QTest::addColumn<QString>("ending");
    QTest::newRow("corrected") << "corrected";
    QTest::newRow("escaped") << "escaped";
    QTest::newRow("closed") << "closed";
  }
  void theRealDialogComesBackWithTheRefusedText() {
    QFETCH(QString, ending);
    const bool corrected = ending == "corrected";
    TForm1& w = *window_;
    QVERIFY(ShowActiveWindow(w));
    dialogs_.modal = [](QDialog& dialog) { return QtUserDialogs().RunModal(dialog); };
    dialogs_.realMessages = true;
    const auto pressOk = [](TFormBiomassData& form) {
      form.Button1->setFocus();
      QTest::keyClick(form.Button1, Qt::Key_Return);
    };
    QStringList boxes;
    QString shownAgain;
    std::unique_ptr<QuestionAnswerer> refusal, defaults;
    std::unique_ptr<ModalAnswerer<TFormBiomassData>> again;
    const ModalAnswerer<TFormBiomassData> first([&](TFormBiomassData& form) {
      QVERIFY(!Paint(form).isNull());
      TypeIntoCell(*form.StringGridBAF, 3, 2, "abc");
      refusal = std::make_unique<QuestionAnswerer>([&](QMessageBox& box) {
        boxes << box.text();
        again = std::make_unique<ModalAnswerer<TFormBiomassData>>([&](TFormBiomassData& form) {
          QVERIFY(!Paint(form).isNull());
          shownAgain = form.StringGridBAF->Cell(3, 2);
          if (corrected) {
            TypeIntoCell(*form.StringGridBAF, 3, 2, "0.5");
            pressOk(form);
            return;
          }
          defaults = std::make_unique<QuestionAnswerer>([&](QMessageBox& box) {
            boxes << box.text();
            QTest::keyClick(&box, Qt::Key_Return);
          });
          if (ending == "escaped") {
            QTest::keyClick(&form, Qt::Key_Escape);
          } else {
            form.close();  // as the title bar's close does
          }
        });
        QTest::keyClick(&box, Qt::Key_Return);
      });
      pressOk(form);
    });
    ClickTab(*w.PageControl1, w.TabSheetInputs);
    w.ComboBoxSpecies->setEditText("Picea abies");
    QTest::mouseClick(w.Button1, Qt::LeftButton);

    QVERIFY(!w.BiomassDialog().isVisible());
    QCOMPARE(shownAgain, QString("abc"));
    const CCohort& cohort = w.SiteRecord().Cohort(0);
    QVERIFY(cohort.HasBiomassData);
    if (corrected) {
      QCOMPARE(boxes, QStringList({"\"abc\" is not a valid number"}));
      QCOMPARE(cohort.BiomassData.BAF[standsim::CR][2], 0.5);
    } else {
      QCOMPARE(boxes, QStringList({"\"abc\" is not a valid number",
                                   "Using defaults values for biomass parameters !"}));
      QVERIFY(SameRecord(cohort.BiomassData, w.Defaults()[kPiceaAbies][kBoreal]));
    }
    QCOMPARE(dialogs_.messages, boxes);
  }

  // The dialog opens at 784 x 588, wider only where the font needs more to
  // show every factor whole, also one of more decimals (a column divided by
  // a stems factor of 2 at OK, or a factor typed so); the corner of the
  // factors grid reads "year->".
  void theDialogShowsEveryFactorWholeAtItsSize() {
    TFormBiomassData& dialog = window_->BiomassDialog();
    const BiomassRecord defaults = window_->Defaults()[kPiceaAbies][kBoreal];
    BiomassRecord halved = defaults;
    for (int i = 0; i < kBafRows - 1; ++i) halved.BAF[i][2] = defaults.BAF[i][2] / 2.0;
    BiomassRecord typed = defaults;
    typed.BAF[0][14] = 0.123456;
    typed.BAF[3][0] = 12.345678;
    const struct {
      const char* what;
      BiomassRecord record;
    } cases[] = {{"the defaults", defaults}, {"age 30 halved", halved}, {"six decimals", typed}};
    for (const auto& c : cases) {
      dialog.ShowValues(c.record);
      dialog.show();
      QVERIFY(QTest::qWaitForWindowExposed(&dialog));
      QCoreApplication::processEvents();
      QCOMPARE(dialog.height(), 588);
      if (&c == &cases[0]) {
        QCOMPARE(dialog.width(), std::max(784, dialog.minimumSizeHint().width()));
      }
      QVERIFY2(dialog.width() >= dialog.minimumSizeHint().width(), c.what);
      const StringGrid& grid = *dialog.StringGridBAF;
      for (int r = 1; r < grid.RowCount(); ++r) {
        for (int col = 1; col < grid.ColCount(); ++col) {
          const QString text = grid.Cell(col, r);
          QVERIFY2(grid.fontMetrics().horizontalAdvance(text) < grid.CellRect(col, r).width(),
                   qPrintable(QString("%1: %2").arg(c.what, text)));
        }
      }
      QVERIFY2(grid.geometry().right() < dialog.width(), c.what);
    }
    const StringGrid& grid = *dialog.StringGridBAF;
    QCOMPARE(grid.Cell(0, 0), QString("year->"));
    const auto darkPixels = [](const StringGrid& g) {
      const QImage corner = g.findChild<QAbstractButton*>()->grab().toImage();
      int dark = 0;
      for (int y = 0; y < corner.height(); ++y) {
        for (int x = 0; x < corner.width(); ++x) dark += qGray(corner.pixel(x, y)) < 100;
      }
      return dark;
    };
    QVERIFY(darkPixels(grid) > 0);
    QCOMPARE(darkPixels(*dialog.StringGridContents), 0);  // a blank corner
    dialog.hide();
  }

  void restoreShowsTheDefaultsAgain() {
    TFormBiomassData& form = window_->BiomassDialog();
    BiomassRecord defaults{};
    defaults.TurnOver[standsim::ST] = 0.02;
    defaults.WoodDensity = 0.45;
    form.SetDefaults(true, defaults);
    form.ZeroStemTurnover(false);
    form.EditWoodDensity->setText("0.6");
    QCOMPARE(form.StringGridTurnOver->Cell(4, 1), QString("0"));
    form.ButtonGetDefaults->click();
    QCOMPARE(form.StringGridTurnOver->Cell(4, 1), QString("0.02"));
    QCOMPARE(form.EditWoodDensity->text(), QString("0.45"));
  }

 private:
};

QTEST_MAIN(BiomassTest)
#include "biomass_test.moc"
