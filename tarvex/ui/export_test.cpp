// Export from the results page: the results file, the rewrite of the QSM
// input file's uptake references and the picture of the chart.
#include <QCheckBox>
#include <QtTest>

#include "standsim/support/keyed_lists/basekit_fil2list.h"
#include "standsim/support/keyed_lists/keyed_list_series.h"
#include "standsim/support/text/fixed_text.h"
#include "tarvex/data/results_file.h"
#include "tarvex/ui/testing/window_fixture.h"
#include "tarvex/window_logic/qsm_reference.h"

using namespace tarvex;
using namespace tarvex::testing;

namespace {

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

}  // namespace

class ExportTest : public QObject, protected WindowTest {
  Q_OBJECT

 private:
  // A window that has run a one-cohort site on QSM and saved its results as
  // RESULTS, answering Yes to the rewrite of the QSM file.
  std::unique_ptr<TForm1> RunAndSaveResults(const std::string& qsm, const QString& results) {
    auto window = StartWindow(dialogs_);
    EnterEvenAgedCohort(*window, dialogs_, qsm);
    // A run that fails shows why, which the tests see among the messages.
    if (!window->RunModel()) return window;
    dialogs_.files = {results};
    dialogs_.answers = {true};
    window->ButtonSaveResultsClick();
    return window;
  }

 private slots:
  void init() { StartCase(); }

  void resultsAreSavedAndReferencedFromTheQsmFile() {
    const std::string qsm = folder_->write("site.qsm", std::string(kQsmText) + "N_gupt 0.0\r\n");
    const QString results = ScratchFile("site1.csv");
    const auto window = RunAndSaveResults(qsm, results);
    QVERIFY2(dialogs_.messages.isEmpty(), qPrintable(dialogs_.messages.join("; ")));
    QCOMPARE(dialogs_.questions,
             QStringList({"Save: Save reference to uptake file in QSM+ input file?"}));
    const auto lines = Lines(contents(results.toStdString()));
    QCOMPARE(QString::fromStdString(lines.front()),
             QString("! Year,N_gupt,Ca_upt,Mg_upt,K_upt,Clf,Nlf"));
    QCOMPARE(lines.size(), std::size_t{1 + 61});
    // The other lines, and the commented line, keep their bytes.
    std::string expected = std::string(kQsmText) + "!N_gupt 0.0\r\n";
    for (int j = 1; j <= kQsmReferenceColumns; ++j) {
      expected += QsmReferenceLine(j, results.toStdString()) + "\n";
    }
    QCOMPARE(contents(qsm), expected);
    QVERIFY(expected.find("\nN_gupt     " + results.toStdString() + ";\\1\n") != std::string::npos);
    const std::string rewritten = contents(qsm);
    // The rewritten file still gives the deposition.
    window->ReadNdep();
    QVERIFY(dialogs_.messages.isEmpty());

    // All results: 16 columns; the QSM file is left alone on "No".
    window->CheckBoxExpAll->setChecked(true);
    dialogs_.files = {results};
    window->ButtonSaveResultsClick();
    QCOMPARE(QString::fromStdString(Lines(contents(results.toStdString())).front()).count(','), 16);
    QCOMPARE(contents(qsm), rewritten);
  }

  // The soil model reads each rewritten key through the library's key-file
  // and column-data readers and gets the column of the results file.
  void theReferencesReadBackTheResults() {
    const std::string qsm =
        folder_->write("site.qsm", std::string(kQsmText) + "N_gupt\told.csv;\\1\n  Clf 0.0\n");
    const QString results = ScratchFile("site1.csv");
    const auto window = RunAndSaveResults(qsm, results);
    QVERIFY2(dialogs_.messages.isEmpty(), qPrintable(dialogs_.messages.join("; ")));

    auto list = std::make_unique<standsim::KEYLIST>();
    standsim::assign_text(list->LISTFILE, qsm);
    QCOMPARE(standsim::FIL2LIST(*list).kind, standsim::Fil2listOverflow::NONE);
    const auto lines = Lines(contents(results.toStdString()));
    for (int j = 1; j <= kQsmReferenceColumns; ++j) {
      const std::string_view name = ResultColumnNames[static_cast<std::size_t>(j - 1)];
      std::vector<float> series(61, -1.0f);
      standsim::KEYMSG.fill(' ');
      standsim::GETKEYTS(*list, name, 1990, 1990, 2050, 1, series, nullptr);
      QCOMPARE(standsim::KEYMSG[0], ' ');
      for (std::size_t k = 1; k < lines.size(); ++k) {
        const QStringList values = QString::fromStdString(lines[k]).split(',');
        const int year = values[0].toInt();
        QCOMPARE(series[static_cast<std::size_t>(year - 1990)], values[j].toFloat());
      }
    }
  }

  void aResultsNameTheReadersCannotTakeBackIsRefused_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("refusal");
    const QString badName = "The name of the results file holds \";\" or a quote";
    QTest::newRow("semicolon") << "site;1.csv" << badName;
    QTest::newRow("quote") << "site's.csv" << badName;
    QTest::newRow("path of 254 characters")
        << "254"
        << "The path of the results file is longer than 253 characters";
    QTest::newRow("path of 253 characters") << "253"
                                            << "";
  }
  void aResultsNameTheReadersCannotTakeBackIsRefused() {
    QFETCH(QString, name);
    QFETCH(QString, refusal);
    const std::string qsm = folder_->write("site.qsm", kQsmText);
    auto window = StartWindow(dialogs_);
    EnterEvenAgedCohort(*window, dialogs_, qsm);
    QVERIFY(window->RunModel());
    const int length = name.toInt();
    const QString results = ScratchFile(
        length > 0 ? std::string(length - folder_->folder().size(), 'r') : name.toStdString());
    dialogs_.files = {results};
    dialogs_.answers = {true};
    window->ButtonSaveResultsClick();
    QVERIFY(QFile::exists(results));
    if (refusal.isEmpty()) {
      QVERIFY2(dialogs_.messages.isEmpty(), qPrintable(dialogs_.messages.join("; ")));
      QVERIFY(contents(qsm).find(results.toStdString() + ";\\6") != std::string::npos);
    } else {
      const QString message = "Cannot write the reference into the QSM+ input file: " + refusal;
      QCOMPARE(dialogs_.messages, QStringList({message + "."}));
      QCOMPARE(contents(qsm), std::string(kQsmText));
    }
  }

  // The column-data reader reads the first 256 characters of a line; a
  // results file whose referenced values reach beyond them is not referred
  // to, and the message names the year.
  void referencedValuesBeyondTheLineTheReaderReadsAreRefused() {
    const std::string qsm = folder_->write("site.qsm", kQsmText);
    auto window = StartWindow(dialogs_);
    QVERIFY(ShowWindow(*window));
    EnterEvenAgedCohort(*window, dialogs_, qsm);
    QVERIFY(window->RunModel());
    window->SiteRecord().SumSoilInputs[2010].v[standsim::NUT_N] = 1e300;
    const QString results = ScratchFile("site1.csv");
    dialogs_.files = {results};
    dialogs_.answers = {true};
    window->ButtonSaveResultsClick();
    QVERIFY(contents(results.toStdString()).find("\n2010,") != std::string::npos);
    QCOMPARE(dialogs_.messages,
             QStringList({"Cannot write the reference into the QSM+ input file: The values of "
                          "year 2010 in the results file reach beyond character 256 of their "
                          "line, the last one the column-data reader reads."}));
    QVERIFY(!Paint(*window).isNull());
    QCOMPARE(contents(qsm), std::string(kQsmText));
  }

  void aQsmFileThatCannotBeReadIsReported() {
    const std::string qsm = folder_->write("site.qsm", kQsmText);
    auto window = StartWindow(dialogs_);
    EnterEvenAgedCohort(*window, dialogs_, qsm);
    QVERIFY(window->RunModel());
    QFile::remove(QString::fromStdString(qsm));
    dialogs_.files = {ScratchFile("site1.csv")};
    dialogs_.answers = {true};
    window->ButtonSaveResultsClick();
    QCOMPARE(dialogs_.messages, QStringList({"Cannot open QSM input file for read!"}));
    QVERIFY(QFile::exists(ScratchFile("site1.csv")));
  }

  // A QSM file that lost its period (or names one beyond the years a site
  // holds) changes neither the period nor the series read before: the run
  // stops, and the results saved cover the period of the last run.
  void aFailedReadingKeepsThePeriodOfTheResults_data() {
    QTest::addColumn<std::string>("broken");
    QTest::newRow("no period") << std::string("NOx_dep 0.5\nNH3_dep 0.25\n");
    QTest::newRow("period from year 0") << std::string("period 0 6000\nNOx_dep 0.5\n");
  }
  void aFailedReadingKeepsThePeriodOfTheResults() {
    QFETCH(std::string, broken);
    const std::string qsm = folder_->write("site.qsm", kQsmText);
    auto window = StartWindow(dialogs_);
    EnterEvenAgedCohort(*window, dialogs_, qsm);
    QVERIFY(window->RunModel());
    folder_->write("site.qsm", broken);
    QVERIFY(!window->RunModel());
    QCOMPARE(dialogs_.messages.size(), 1);
    QVERIFY2(dialogs_.messages[0].startsWith("Cannot read N deposition: "),
             qPrintable(dialogs_.messages[0]));
    QCOMPARE(window->PeriodFirstYear(), 1990);
    QCOMPARE(window->PeriodLastYear(), 2050);
    QCOMPARE(window->SiteRecord().FirstYear, 1990);
    QCOMPARE(window->SiteRecord().LastYear, 2050);
    QCOMPARE(window->SiteRecord().Ndep[2000], 0.75f);

    const QString results = ScratchFile("site1.csv");
    dialogs_.files = {results};
    window->ButtonSaveResultsClick();
    const auto lines = Lines(contents(results.toStdString()));
    QCOMPARE(lines.size(), std::size_t{1 + 61});
    QVERIFY(QString::fromStdString(lines[1]).startsWith("1990,"));
  }

  // Without any deposition read for the site there are no results to save.
  void resultsNeedADepositionReading() {
    const std::string qsm = folder_->write("site.qsm", "NOx_dep 0.5\n");
    auto window = StartWindow(dialogs_);
    EnterEvenAgedCohort(*window, dialogs_, qsm);
    QVERIFY(!window->RunModel());
    const QString failure = "Cannot read N deposition: No period defined in qsm+ input file!";
    QCOMPARE(dialogs_.messages, QStringList({failure}));
    dialogs_.Clear();
    dialogs_.files = {ScratchFile("site1.csv")};
    window->ButtonSaveResultsClick();
    QCOMPARE(dialogs_.messages, QStringList({failure}));
    QVERIFY(!QFile::exists(ScratchFile("site1.csv")));

    // A new site has no reading of its own, failed or not.
    window->New1Click();
    dialogs_.Clear();
    window->ButtonSaveResultsClick();
    QCOMPARE(dialogs_.messages, QStringList({"Error: first read the N deposition of this site!"}));

    // A site that never named a QSM file is asked for its deposition.
    auto fresh = StartWindow(dialogs_);
    dialogs_.Clear();
    fresh->ButtonSaveResultsClick();
    QCOMPARE(dialogs_.messages, QStringList({"Error: first read the N deposition of this site!"}));
    QVERIFY(!QFile::exists(ScratchFile("site1.csv")));
  }

  void thePictureTypeFollowsTheExtensionOrTheFilter_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("filter");
    QTest::addColumn<QString>("written");
    QTest::addColumn<bool>("metafile");
    QTest::newRow("emf") << "graph.emf" << 1 << "graph.emf" << true;
    QTest::newRow("bmp") << "graph.bmp" << 0 << "graph.bmp" << false;
    QTest::newRow("upper case, first filter") << "graph.BMP" << 0 << "graph.BMP.emf" << true;
    QTest::newRow("none, second filter") << "graph" << 1 << "graph.bmp" << false;
  }
  void thePictureTypeFollowsTheExtensionOrTheFilter() {
    QFETCH(QString, name);
    QFETCH(int, filter);
    QFETCH(QString, written);
    QFETCH(bool, metafile);
    auto window = StartWindow(dialogs_);
    window->resize(600, 400);
    dialogs_.files = {ScratchFile(name.toStdString())};
    dialogs_.saveFilterIndex = filter;
    window->ButtonSaveGraphClick();
    QVERIFY2(dialogs_.messages.isEmpty(), qPrintable(dialogs_.messages.join("; ")));
    const std::string picture = contents(folder_->file(written.toStdString()));
    QVERIFY(picture.size() > 64);
    if (metafile) {
      QCOMPARE(picture.substr(40, 4), std::string(" EMF"));
    } else {
      QCOMPARE(picture.substr(0, 2), std::string("BM"));
    }
    QCOMPARE(QDir::currentPath(), QDir(PROGRAM_DIR).absolutePath());
  }

 private:
};

QTEST_MAIN(ExportTest)
#include "export_test.moc"
