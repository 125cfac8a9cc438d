// The country-to-region dialog and the About window. Modal showings are
// closed by a timer, so no test waits for a person.
#include <QComboBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>
#include <QtTest>
#include <functional>
#include <string>

#include "tarvex/data/site.h"
#include "tarvex/ui/about_dialog.h"
#include "tarvex/ui/country_region_dialog.h"
#include "tarvex/ui/platform/picture_label.h"
#include "tarvex/ui/platform/user_dialogs.h"
#include "testing/test_folder.h"

using namespace tarvex;

namespace {

// Runs ACT on the dialog once its modal showing has started.
void WhenShown(QDialog& dialog, std::function<void()> act) {
  QTimer::singleShot(0, &dialog, [&dialog, act] {
    QTRY_VERIFY(dialog.isVisible());
    act();
  });
}

}  // namespace

class DialogsTest : public QObject {
  Q_OBJECT

 private slots:
  void regionListOffersUnknownAndTheTable() {
    TFormCntry2Region dialog;
    QStringList items;
    for (int i = 0; i < dialog.ComboBoxRegions->count(); ++i)
      items << dialog.ComboBoxRegions->itemText(i);
    QCOMPARE(items, QStringList({"Unknown", "All", "Atlantic", "Artic", "Alpine", "Boreal",
                                 "Continental", "Mediterranean"}));
    QCOMPARE(dialog.ComboBoxRegions->currentText(), QString());
    QCOMPARE(dialog.Region, std::string());
    QCOMPARE(dialog.LabelCntry->text(), QString("Country in input file:"));
  }

  void activationShowsTheCountry() {
    TFormCntry2Region dialog;
    dialog.Country = "Spain";
    dialog.FormActivate();
    QCOMPARE(dialog.LabelCntry->text(), QString("Country read from input file: Spain"));
  }

  void choiceBecomesTheRegion_data() {
    QTest::addColumn<int>("item");
    QTest::newRow("Unknown") << 0;
    QTest::newRow("All") << 1;
    QTest::newRow("Mediterranean") << 7;
  }
  void choiceBecomesTheRegion() {
    QFETCH(int, item);
    TFormCntry2Region dialog;
    dialog.ComboBoxRegions->setCurrentIndex(item);
    QCOMPARE(QString::fromStdString(dialog.Region), QString(QTest::currentDataTag()));
  }

  void secondShowingKeepsThePreviousChoice() {
    TFormCntry2Region dialog;
    const CountryToRegion ask = AskRegionWith(dialog, dialogs_);
    WhenShown(dialog, [&dialog] {
      QCOMPARE(dialog.LabelCntry->text(), QString("Country read from input file: Finland"));
      dialog.ComboBoxRegions->setCurrentText("Boreal");
      dialog.Button1->click();
    });
    QCOMPARE(ask("Finland"), std::string("Boreal"));
    // Closed through the window frame without a choice.
    WhenShown(dialog, [&dialog] { dialog.reject(); });
    QCOMPARE(ask("Sweden"), std::string("Boreal"));
    QCOMPARE(dialog.LabelCntry->text(), QString("Country read from input file: Sweden"));
  }

  void scenarioWithOnlyACountryTakesTheChosenRegion() {
    std::string text = contents(TEST_SOURCE_DIR "/../data/testdata/two_cohorts.txt");
    const std::string region = "RegionName       Alpine\n";
    const auto at = text.find(region);
    QVERIFY(at != std::string::npos);
    text.replace(at, region.size(), "CountryName      Spain\n");
    const TestFolder folder;
    const std::string scenario = folder.write("spain.txt", text);

    TFormCntry2Region dialog;
    WhenShown(dialog, [&dialog] {
      dialog.ComboBoxRegions->setCurrentText("Mediterranean");
      dialog.accept();
    });
    const auto site = CSite::ReadFromFile(scenario, AskRegionWith(dialog, dialogs_), nullptr);
    QCOMPARE(site->RegionName, std::string("Mediterranean"));
    QCOMPARE(dialog.Country, std::string("Spain"));
  }

  void aboutTextStartsWithAnEmptyLine() {
    TFormAbout about;
    const QStringList lines = about.Memo1->toPlainText().split('\n');
    QVERIFY(lines.size() >= 3);
    QCOMPARE(lines[0], QString());
    QCOMPARE(lines[1], QString("Tarvex! v1.3.2"));
    QCOMPARE(about.windowTitle(), QString("About Tarvex"));
  }

  // The pictures ship as JPEG files beside the program; Qt must be able to read them.
  void shippedPicturesAreShown() {
    TFormCntry2Region dialog;
    TFormAbout about;
    QVERIFY2(dialog.Image1->HasPicture(), qPrintable(dialog.Image1->text()));
    QVERIFY2(about.Image1->HasPicture(), qPrintable(about.Image1->text()));
  }

  void missingPictureIsNamed() {
    PictureLabel label("no such picture.jpg");
    QVERIFY(!label.HasPicture());
    QVERIFY(label.text().contains("no such picture.jpg"));
  }

 private:
  QtUserDialogs dialogs_;
};

QTEST_MAIN(DialogsTest)
#include "dialogs_test.moc"
