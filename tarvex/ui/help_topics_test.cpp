// The help topic table read from the help header file, and the help window
// that shows the page of a context number.
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QtTest>
#include <string>

#include "tarvex/data/tarvex_error.h"
#include "tarvex/ui/platform/help_viewer.h"
#include "tarvex/workbench/help_topics.h"

using namespace tarvex;

class HelpTopicsTest : public QObject {
  Q_OBJECT

 private:
  QTemporaryDir folder_;

  std::string Header(const QByteArray& text) {
    const QString path = folder_.filePath("tarvexhelp.h");
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) qFatal("cannot write the header");
    file.write(text);
    return path.toStdString();
  }

  static QByteArray Lines(int n) {
    QByteArray text;
    for (int i = 1; i <= n; ++i) text += "#define Topic" + QByteArray::number(i) + " " + QByteArray::number(i) + "\n";
    return text;
  }

 private slots:
  void missingFileLeavesAnEmptyTable() {
    HelpBrowser topics;
    topics.LoadTopics(Header("#define Results 40\n"));
    topics.LoadTopics(folder_.filePath("none.h").toStdString());
    QCOMPARE(topics.NrTopics(), 0);
    QCOMPARE(topics.GetTopicId("Results"), 0);
  }

  void atMost250Topics() {
    HelpBrowser topics;
    topics.LoadTopics(Header(Lines(250)));
    QCOMPARE(topics.NrTopics(), 250);
    QCOMPARE(topics.GetTopicId("Topic250"), 250);

    try {
      topics.LoadTopics(Header(Lines(251)));
      QFAIL("251 topics were taken");
    } catch (const TarvexError& error) {
      QCOMPARE(std::string(error.what()), std::string("Too many topics in help file (max=250)"));
    }
    // The topics read before the refusal stay usable.
    QCOMPARE(topics.NrTopics(), 250);
    QCOMPARE(topics.GetTopicId("Topic1"), 1);
    QCOMPARE(topics.GetTopicId("Topic251"), 0);
  }

  void lookups_data() {
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("id");
    QTest::newRow("found") << QByteArray("#define ForestInputs 20\n") << "ForestInputs" << 20;
    QTest::newRow("case-sensitive") << QByteArray("#define results 40\n") << "Results" << 0;
    QTest::newRow("whole name") << QByteArray("#define ResultsPage 40\n") << "Results" << 0;
    QTest::newRow("first of two") << QByteArray("a Results 40\nb Results 41\n") << "Results" << 40;
    QTest::newRow("rest of line ignored") << QByteArray("a Results 40 // the results page\n") << "Results" << 40;
    QTest::newRow("number then letters") << QByteArray("a Results 40abc\n") << "Results" << 40;
    QTest::newRow("tabs separate") << QByteArray("a\tResults\t-3\n") << "Results" << -3;
    QTest::newRow("line ends of CRLF") << QByteArray("a Contents 10\r\nb Results 40\r\n") << "Results" << 40;
    QTest::newRow("last line without end") << QByteArray("a Results 40") << "Results" << 40;
    QTest::newRow("no number") << QByteArray("a Results\n") << "Results" << 0;
    QTest::newRow("not a number") << QByteArray("a Results forty\n") << "Results" << 0;
    QTest::newRow("number too large") << QByteArray("a Results 99999999999\n") << "Results" << 0;
    QTest::newRow("long first word") << QByteArray(40, 'd') + " Results 40\n" << "Results" << 40;
    QTest::newRow("name of 63 characters") << "a " + QByteArray(63, 'n') + " 5\n" << QString(63, 'n') << 5;
    QTest::newRow("name of 64 characters") << "a " + QByteArray(64, 'n') + " 5\n" << QString(64, 'n') << 0;
    QTest::newRow("empty name never matches") << QByteArray("\n// comment\n") << "" << 0;
  }
  void lookups() {
    QFETCH(QByteArray, file);
    QFETCH(QString, name);
    QFETCH(int, id);
    HelpBrowser topics;
    topics.LoadTopics(Header(file));
    QCOMPARE(topics.GetTopicId(name.toStdString()), id);
  }

  void everyPieceOfALineFillsAnEntry_data() {
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<int>("entries");
    const QByteArray topic = "#define Results 40";
    QTest::newRow("empty file") << QByteArray() << 0;
    QTest::newRow("empty lines count") << QByteArray("\n\n" + topic + "\n") << 3;
    QTest::newRow("100 characters") << topic + QByteArray(82, ' ') + "\n" << 2;
    QTest::newRow("78 characters and the line end") << topic + QByteArray(60, ' ') + "\n" << 1;
    QTest::newRow("79 characters and the line end") << topic + QByteArray(61, ' ') + "\n" << 2;
    QTest::newRow("CR not counted") << topic + QByteArray(60, ' ') + "\r\n" << 1;
  }
  void everyPieceOfALineFillsAnEntry() {
    QFETCH(QByteArray, file);
    QFETCH(int, entries);
    HelpBrowser topics;
    topics.LoadTopics(Header(file));
    QCOMPARE(topics.NrTopics(), entries);
    if (entries > 0) QCOMPARE(topics.GetTopicId("Results"), 40);
  }

  void pieceOfALongLineIsReadAsItsOwnLine() {
    // The second piece of a long line starts with the 80th character.
    HelpBrowser topics;
    topics.LoadTopics(Header("#define Contents 10" + QByteArray(60, ' ') + "x Results 40\n"));
    QCOMPARE(topics.NrTopics(), 2);
    QCOMPARE(topics.GetTopicId("Results"), 40);
  }

  void shippedHeaderNamesEveryTopicAsked() {
    HelpBrowser topics;
    topics.LoadTopics(PROGRAM_DIR "/HELP/tarvexhelp.h");
    for (const char* name : {"Contents", "SiteInputs", "ForestInputs", "Results"}) {
      const int id = topics.GetTopicId(name);
      QVERIFY2(id != 0, name);
      QCOMPARE(topics.GetTopicName(id), std::string(name));
      QVERIFY2(QFile::exists(PROGRAM_DIR "/HELP/" + QString(name) + ".html"), name);
    }
  }

  void viewerShowsThePageOfAContextNumber() {
    HelpBrowser topics;
    topics.LoadTopics(PROGRAM_DIR "/HELP/tarvexhelp.h");
    HelpViewer viewer(topics);
    viewer.SetHelpFolder(PROGRAM_DIR "\\HELP");
    QVERIFY(viewer.ShowContext(topics.GetTopicId("Results")));
    QCOMPARE(viewer.Browser()->documentTitle(), QString("Results"));
    // A number that names no topic shows the contents.
    QVERIFY(viewer.ShowContext(0));
    QCOMPARE(viewer.Browser()->documentTitle(), QString("Tarvex Help"));
  }

  void viewerSaysWhichPageIsMissing() {
    HelpBrowser topics;
    topics.LoadTopics(Header("#define Results 40\n"));
    HelpViewer viewer(topics);
    viewer.SetHelpFolder(folder_.path());
    QVERIFY(!viewer.ShowContext(40));
    QVERIFY(viewer.Browser()->toPlainText().contains(QDir(folder_.path()).filePath("Results.html")));
  }
};

QTEST_MAIN(HelpTopicsTest)
#include "help_topics_test.moc"
