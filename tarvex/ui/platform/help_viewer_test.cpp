// The help window that shows the page of a context number, and the help
// header the program ships.
#include <QFile>
#include <QTextBrowser>
#include <QtTest>
#include <string>

#include "tarvex/ui/platform/help_viewer.h"
#include "tarvex/window_logic/help_topics.h"
#include "testing/test_folder.h"

using namespace tarvex;

class HelpViewerTest : public QObject {
  Q_OBJECT

 private slots:
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

  void theKeysOfAViewerWindowCloseIt_data() {
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::newRow("Escape") << int(Qt::Key_Escape) << int(Qt::NoModifier);
    QTest::newRow("Ctrl+W") << int(Qt::Key_W) << int(Qt::ControlModifier);
  }
  void theKeysOfAViewerWindowCloseIt() {
    QFETCH(int, key);
    QFETCH(int, modifiers);
    HelpBrowser topics;
    topics.LoadTopics(PROGRAM_DIR "/HELP/tarvexhelp.h");
    HelpViewer viewer(topics);
    viewer.SetHelpFolder(PROGRAM_DIR "/HELP");
    QVERIFY(viewer.ShowContext(topics.GetTopicId("Contents")));
    QVERIFY(QTest::qWaitForWindowActive(&viewer));
    viewer.Browser()->setFocus();
    QTest::keyClick(viewer.Browser(), static_cast<Qt::Key>(key),
                    static_cast<Qt::KeyboardModifiers>(modifiers));
    QVERIFY(!viewer.isVisible());
  }

  void viewerSaysWhichPageIsMissing() {
    const TestFolder folder;
    HelpBrowser topics;
    topics.LoadTopics(folder.write("tarvexhelp.h", "#define Results 40\n"));
    HelpViewer viewer(topics);
    viewer.SetHelpFolder(QString::fromStdString(folder.path().string()));
    QVERIFY(!viewer.ShowContext(40));
    const QString page = QString::fromStdString(folder.file("Results.html"));
    QVERIFY(viewer.Browser()->toPlainText().contains(page));
  }
};

QTEST_MAIN(HelpViewerTest)
#include "help_viewer_test.moc"
