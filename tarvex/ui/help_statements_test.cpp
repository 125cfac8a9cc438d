// What the help pages say of the program, read from the pages and compared
// with what the program shows and writes: the outputs with their units and
// axis titles, the columns of the results file, the examples of the QSM
// rewrite and of the Tarvex file, the captions of the forest inputs, the
// ranges of the values and the commands that ask to save the scenario.
#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTabWidget>
#include <QtTest>
#include <string>
#include <vector>

#include "tarvex/data/keyed_lines.h"
#include "tarvex/data/results_file.h"
#include "tarvex/data/scenario_file.h"
#include "tarvex/data/value_ranges.h"
#include "tarvex/ui/platform/chart.h"
#include "tarvex/ui/platform/radio_group.h"
#include "tarvex/ui/testing/help_page_reading.h"
#include "tarvex/ui/testing/window_fixture.h"
#include "tarvex/window_logic/qsm_reference.h"

using namespace tarvex;
using namespace tarvex::testing;

namespace {

std::vector<std::string> StdLines(const QStringList& lines) {
  std::vector<std::string> out;
  for (const QString& line : lines) out.push_back(line.toStdString());
  return out;
}

// The lines of TEXT without their line ends and trailing blanks.
QStringList TextLines(const std::string& text) {
  QStringList lines = QString::fromStdString(text).split('\n');
  if (!lines.isEmpty() && lines.back().isEmpty()) lines.removeLast();
  for (QString& line : lines) line.remove(QRegularExpression(" +$"));
  return lines;
}

RadioGroup& OutputGroup(QTabWidget& pages, int i) {
  return *pages.widget(i)->findChild<RadioGroup*>();
}

// A caption as the user reads it, without the mark of its accelerator key.
QString WithoutAccelerator(QString caption) {
  return caption.replace(QRegularExpression("&(.)"), "\\1");
}

int PageIndex(const QTabWidget& pages, const QString& text) {
  for (int i = 0; i < pages.count(); ++i) {
    if (WithoutAccelerator(pages.tabText(i)) == text) return i;
  }
  return -1;
}

}  // namespace

class HelpStatementsTest : public QObject, protected WindowTest {
  Q_OBJECT

 private slots:
  void cleanup() { window_.reset(); }

  void resultsPageListsTheOutputsWithTheUnitsOfTheWindow() {
    StartCaseWithWindow();
    QVERIFY(ShowWindow(*window_));
    QTabWidget& pages = *window_->PageControlOutput;
    PageTable shown;
    for (int i = 0; i < pages.count(); ++i) {
      const RadioGroup& group = OutputGroup(pages, i);
      for (int k = 0; k < group.Count(); ++k) {
        shown << QStringList{WithoutAccelerator(pages.tabText(i)), group.Item(k), group.title()};
      }
    }
    PageTable listed;
    for (const QStringList& row :
         TableRows("Results.html", {"page", "output", "unit", "what it is"})) {
      listed << row.mid(0, 3);
    }
    QCOMPARE(listed, shown);
  }

  // The chart of a run, on each output page as the user picks it.
  void resultsPageGivesTheAxisTitlesOfTheChart() {
    StartCaseWithWindow();
    EnterEvenAgedCohort(*window_, dialogs_, folder_->write("site.qsm", kQsmText));
    QVERIFY(ShowWindow(*window_));
    ClickTab(*window_->PageControl1, window_->TabSheetResults);
    QVERIFY2(dialogs_.messages.isEmpty(), qPrintable(dialogs_.messages.join("; ")));
    QCOMPARE(window_->PageControl1->currentWidget(), window_->TabSheetResults);
    QTabWidget& pages = *window_->PageControlOutput;
    const PageTable rows = TableRows("Results.html", {"page", "axis title", "unit of the values"});
    QCOMPARE(rows.size(), pages.count());
    for (const QStringList& row : rows) {
      const int i = PageIndex(pages, row[0]);
      QVERIFY2(i >= 0, qPrintable(row[0]));
      ClickTab(pages, pages.widget(i));
      Paint(*window_);
      QCOMPARE(window_->Chart1->Left().Title, row[1]);
      QCOMPARE(OutputGroup(pages, i).title(), row[2]);
    }
  }

  void resultsFileExampleHasTheColumnsASaveWrites() {
    StartCase();
    CSite site;
    site.FirstYear = site.LastYear = 1990;
    const std::string file = folder_->file("results.csv");
    site.WriteResults(file, 6, ResultColumnNames, false);
    const QStringList example = ExampleLines("Results.html", "results-file");
    QCOMPARE(example.front(), TextLines(contents(file)).front());
    for (const QString& line : example) QCOMPARE(line.count(','), example.front().count(','));

    QStringList listed;
    for (const QStringList& row : TableRows("Results.html", {"column", "output", "unit"})) {
      listed << row[0].split(", ");
    }
    QStringList names;
    for (std::string_view name : ResultColumnNames) names << QString::fromUtf8(name);
    QCOMPARE(listed, names);
  }

  void qsmRewriteExampleIsWhatTheRewriteWrites() {
    const QStringList after = ExampleLines("Results.html", "qsm-after");
    // The results file the example refers to, from its last reference line.
    const QString resultsFile = after.back().section(' ', -1).section(";\\", 0, 0);
    const QString before = ExampleLines("Results.html", "qsm-before").join('\n') + '\n';
    const std::string rewritten =
        RewriteQsmReferences(before.toStdString(), resultsFile.toStdString());
    QCOMPARE(TextLines(rewritten), after);
  }

  // The example opens, and a save writes it as it stands; the tables of the
  // keys list every key a save writes, in its order.
  void tarvexFileExampleOpensAndSavesAsItStands() {
    const QStringList example = ExampleLines("TarvexFile.html", "example-file");
    const auto site = ReadScenario(KeyedLines("example.tvx", StdLines(example)), {}, nullptr);
    const QStringList written = TextLines(ScenarioText(*site, "example.tvx"));
    QCOMPARE(written, example);

    QStringList listed;
    for (const QStringList& row : TableRows("TarvexFile.html", {"key", "value"})) listed << row[0];
    for (const QStringList& row : TableRows("TarvexFile.html", {"key", "unit", "value"})) {
      listed << row[0];
    }
    QStringList keys;
    for (const QString& line : written) {
      if (!line.startsWith(">>")) keys << line.section(' ', 0, 0);
    }
    QCOMPARE(listed, keys);
  }

  void forestInputsPageNamesTheCaptionsOfItsPage() {
    StartCaseWithWindow();
    QVERIFY(ShowWindow(*window_));
    ClickTab(*window_->PageControl1, window_->TabSheetInputs);
    QStringList captions;
    for (const StringGrid* grid : {window_->StringGridStemGrowth, window_->StringGridManagement}) {
      for (int c = 0; c < grid->ColCount(); ++c) captions << grid->Cell(c, 0);
    }
    for (const QLabel* label : {window_->Label9, window_->Label10, window_->Label14}) {
      captions << label->text();
    }
    captions << window_->ChartStemGrowth->Left().Title << window_->Button1->text()
             << window_->CheckBoxDefManagement->text();
    const QString page = ShownText(HelpPagePath("ForestInputs.html")).simplified();
    for (const QString& caption : captions) QVERIFY2(page.contains(caption), qPrintable(caption));
  }

  // The page's table of ranges gives each value's range as the program
  // refuses it: its low and high ends and its unit, in the order of the
  // table.
  void forestInputsPageGivesTheRangesOfTheValues() {
    struct Listed {
      const char* value;  // as the page's first column names it
      ValueRange range;
      const char* beside = "";  // what the page says after the range
    };
    const Listed listed[] = {
        {"Growth (stem-growth grid), Maximum growth", kStemIncrementRange},
        {"Kgr, Initial Biomass", kStemVolumeRange},
        {"Age (stem-growth grid)", kStandAgeRange},
        {"Year (management grid)", kYearRange},
        {"Percentage (management grid)", kPercentageRange},
        {"Carbon content, Nlfmin, Nlfmax, nutrient contents", kContentRange},
        {"Wood density", kWoodDensityRange},
        {"Turnover rates of branches, roots and foliage", kTurnoverRange},
        {"Turnover rate of stems", kStemsTurnoverRange},
        {"expNlf", kLeafNExponentRange},
        {"Expansion factors", kExpansionFactorRange, ", stems above 0"},
    };
    QStringList expected;
    for (const Listed& value : listed) {
      expected << QString(value.value) + ": " + QString::number(value.range.Low) + " to " +
                      QString::number(value.range.High) + QString::fromUtf8(value.range.Unit) +
                      value.beside;
    }
    QStringList shown;
    for (const QStringList& row :
         TableRows("ForestInputs.html", {"value", "range", "why it is generous"})) {
      shown << row[0] + ": " + row[1];
    }
    QCOMPARE(shown, expected);
  }

  // Each command of the menu "File" is given a scenario with an unsaved
  // edit; those that ask "Save Tarvex file ?" are the ones its entry names.
  void saveQuestionIsAskedByTheCommandsItsEntryNames() {
    StartCaseWithWindow();
    QVERIFY(ShowWindow(*window_));
    const QMenu* file = window_->menuBar()->actions().front()->menu();
    QStringList asking;
    int edit = 0;
    for (QAction* command : file->actions()) {
      if (command->isSeparator()) continue;
      window_->StringGridStemGrowth->SetCell(0, 1, QString::number(10 + ++edit));
      dialogs_.Clear();
      command->trigger();
      if (dialogs_.questions.contains("Save the file: Save Tarvex file ?")) {
        asking << "File | " + WithoutAccelerator(command->text());
      }
    }
    QVERIFY(!window_->isVisible());  // "Exit" answered with No closes the window
    QStringList named;
    auto matches = QRegularExpression("<b>(File \\| [^<]*)</b>")
                       .globalMatch(MessageExplanation("Save Tarvex file ?"));
    while (matches.hasNext()) named << matches.next().captured(1).simplified();
    QCOMPARE(named, asking);
  }
};

QTEST_MAIN(HelpStatementsTest)
#include "help_statements_test.moc"
