// The help pages as shipped: every topic of the help header has its page,
// every link leads to a page that exists, and the messages page documents
// every message the sources can show, with its blanks as written.
#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSet>
#include <QtTest>

#include "tarvex/ui/platform/help_viewer.h"
#include "tarvex/ui/testing/help_page_reading.h"
#include "tarvex/ui/testing/message_scan.h"
#include "tarvex/window_logic/help_topics.h"

using namespace tarvex;
using namespace tarvex::testing;

namespace {

const QString kSourceRoot = QDir::cleanPath(TEST_SOURCE_DIR "/../..");
const QString kStartPage = TEST_SOURCE_DIR "/program_files/html/standsim_text.html";
const QString kMessagesPage = "Messages.html";

QStringList HelpPages() {
  QStringList pages;
  for (const QString& name : QDir(kHelpFolder).entryList({"*.html"}, QDir::Files, QDir::Name)) {
    pages << HelpPagePath(name);
  }
  return pages;
}

QStringList Links(const QString& html) {
  QStringList links;
  auto matches = QRegularExpression("href\\s*=\\s*\"([^\"]*)\"").globalMatch(html);
  while (matches.hasNext()) links << matches.next().captured(1);
  return links;
}

bool HasAnchor(const QString& html, const QString& anchor) {
  const QString name = QRegularExpression::escape(anchor);
  return html.contains(QRegularExpression("\\b(id|name)\\s*=\\s*\"" + name + "\""));
}

// Where the sources' messages are, and what starts one there.
struct MessageSources {
  QString folder;
  QStringList files;
  QList<QRegularExpression> patterns;
};

QList<MessageSources> MessageSourceTable() {
  const QList<QRegularExpression> workbench = {
      QRegularExpression("\\b(TarvexError|ConversionError|AtomicSaveError|ShowMessage|AskYesNo|"
                         "Refuse|RefusedCell|RefuseRecord|refuse|DepositionNotRead)\\s*\\("),
      // A message kept as a constant, for the places that show it.
      QRegularExpression("\\bkReadDepositionFirst\\s*=")};
  // The tables of names that messages are built from ("branches").
  const QRegularExpression nameTables("\\bk\\w*Names\\b[^;{]*=\\s*\\{");
  const QRegularExpression stop("\\bstop_process\\s*\\(");
  // What the column-data readers leave in their message.
  const QList<QRegularExpression> columnData = {
      QRegularExpression("\\b(fail|fail_in_file|fail_in_line)\\s*\\("),
      QRegularExpression("\\bassign_text\\s*\\(\\s*\\w*MSG\\b")};
  return {
      // GROWTH and READ4UP return their messages; GROWTH builds its refusals
      // from what it is handed and from tables of what it checks.
      {"standsim/engine",
       {"*.cpp", "*.h"},
       {QRegularExpression("\\breturn\\b"), QRegularExpression("\\bmessage\\s*="), stop,
        QRegularExpression("\\b(refuse_unusable|refuse_count)\\s*\\("),
        QRegularExpression("\\bstd::pair\\s*[<{]"), nameTables}},
      // The column-data readers behind READ4UP; the rest of the support
      // library has no caller in the program.
      {"standsim/support/column_data", {"column_data.cpp"}, columnData},
      {"standsim/support/keyed_lists", {"keyed_list_series.cpp"}, columnData},
      // The checks that end the program on READ4UP's road through the
      // support library.
      {"standsim/support/keyed_lists", {"*.cpp", "*.h"}, {stop}},
      {"standsim/support/column_data", {"*.cpp", "*.h"}, {stop}},
      {"standsim/support/text", {"text_array.h"}, {stop}},
      {"tarvex/data", {"*.cpp", "*.h"}, workbench + QList<QRegularExpression>{nameTables}},
      // The reasons a value is out of its range, built from the names of
      // what is wrong; the file reader, the save, the species data and the
      // window show them.
      {"tarvex/data",
       {"cohort_values.cpp"},
       {QRegularExpression("\\b(ValueProblem|Range|FiveInRange|YearProblem)\\s*[({]"),
        QRegularExpression("\\bconst std::string \\w+\\s*=")}},
      {"tarvex/window_logic", {"*.cpp", "*.h"}, workbench},
      {"tarvex/ui", {"*.cpp", "*.h"}, workbench},
      {"tarvex/ui/platform", {"*.cpp", "*.h"}, workbench},
      // Shown in place of a help page or a picture that cannot be shown.
      {"tarvex/ui/platform",
       {"help_viewer.cpp", "picture_label.cpp"},
       {QRegularExpression("\\bset(Plain)?Text\\s*\\(")}},
      // Why a cohort cannot be run, returned to the run that shows it.
      {"tarvex/ui", {"main_window_run.cpp"}, {QRegularExpression("\\breturn\\b")}},
      // Why the QSM rewrite is refused, returned to the export that shows it.
      {"tarvex/window_logic", {"qsm_reference.cpp"}, {QRegularExpression("\\breturn\\b")}},
  };
}

const QRegularExpression kSeparatorsAtEnds("^[ :,;]+|[ :,;]+$");

// Texts the code raises that never reach the user as they are.
const QSet<QString> kNeverShown = {
    // Raised inside the options store; the window shows "cannot write to
    // registry" instead, or starts with the default folders.
    "unknown type",
};

}  // namespace

class HelpPagesTest : public QObject {
  Q_OBJECT

 private slots:
  void scannerFindsTheLiteralsOfAMessage_data() {
    QTest::addColumn<QString>("source");
    QTest::addColumn<QStringList>("texts");
    QTest::newRow("call over lines")
        << "f();\nShowMessage(\"Cannot \" + name +\n  \" read!\");\ng(\"x\");"
        << QStringList{"Cannot ", " read!"};
    QTest::newRow("nested parentheses")
        << "ShowMessage(F(\"a\") + \"b\"); g(\"c\");" << QStringList{"a", "b"};
    QTest::newRow("statement to its end")
        << "return \"E: \" + t(c) +\n \"zero\"; g(\"c\");" << QStringList{"E: ", "zero"};
    QTest::newRow("condition not taken")
        << "if (s == \"Unknown\") ShowMessage(\"No species\");" << QStringList{"No species"};
    QTest::newRow("escapes resolved")
        << "ShowMessage(\"may not be \\\"=\\\" \\\\ \");" << QStringList{"may not be \"=\" \\ "};
    QTest::newRow("quote character") << "ShowMessage('\"' + \"a\");" << QStringList{"a"};
    QTest::newRow("comments are no code")
        << "// ShowMessage(\"x\");\n/* return \"y\"; */ g(\"z\");" << QStringList{};
    QTest::newRow("literal holds a pattern") << "g(\"return \", \"b\");" << QStringList{};
    QTest::newRow("whole word") << "MyShowMessage(\"a\"); returned(\"b\");" << QStringList{};
  }
  void scannerFindsTheLiteralsOfAMessage() {
    QFETCH(QString, source);
    QFETCH(QStringList, texts);
    const QList<QRegularExpression> patterns = {QRegularExpression("\\bShowMessage\\s*\\("),
                                                QRegularExpression("\\breturn\\b")};
    QCOMPARE(MessageLiterals(source, patterns), texts);
  }

  void everyTopicHasItsPage() {
    HelpBrowser topics;
    topics.LoadTopics(HelpPagePath("tarvexhelp.h").toStdString());
    QVERIFY(topics.NrTopics() > 0);
    HelpViewer viewer(topics);
    viewer.SetHelpFolder(kHelpFolder);
    const QStringList lines =
        FileText(HelpPagePath("tarvexhelp.h")).split('\n', Qt::SkipEmptyParts);
    QCOMPARE(topics.NrTopics(), lines.size());
    for (const QString& line : lines) {
      const QString name = line.simplified().section(' ', 1, 1);
      const int id = topics.GetTopicId(name.toStdString());
      QVERIFY2(id != 0, qPrintable(line));
      // Two topics with one number would show the first one's page.
      QCOMPARE(QString::fromStdString(topics.GetTopicName(id)), name);
      const QString page = viewer.PageForContext(id);
      QVERIFY2(QFileInfo(page).isFile(), qPrintable(page));
    }
  }

  void everyLinkLeadsToAPage() {
    QStringList pages = HelpPages();
    pages << kStartPage;
    for (const QString& page : pages) {
      const QString html = FileText(page);
      for (const QString& link : Links(html)) {
        if (link.contains(':')) continue;  // another program's business (http:, mailto:)
        const QString file = link.section('#', 0, 0);
        const QString anchor = link.section('#', 1);
        const QString target = file.isEmpty() ? page : QFileInfo(page).dir().filePath(file);
        const QString where = QFileInfo(page).fileName() + ": " + link;
        QVERIFY2(QFileInfo(target).isFile(), qPrintable(where));
        if (!anchor.isEmpty()) QVERIFY2(HasAnchor(FileText(target), anchor), qPrintable(where));
      }
    }
  }

  void everyPageLeadsToTheContentsAndTheMessages() {
    QStringList names;
    for (const QString& page : HelpPages()) names << QFileInfo(page).fileName();
    const QStringList contentsLinks = Links(FileText(HelpPagePath("Contents.html")));
    for (const QString& page : HelpPages()) {
      const QString name = QFileInfo(page).fileName();
      QVERIFY2(contentsLinks.contains(name) || name == "Contents.html", qPrintable(name));
      const QStringList links = Links(FileText(page));
      for (const QString& required : {QString("Contents.html"), kMessagesPage}) {
        if (name == required) continue;
        QVERIFY2(links.contains(required), qPrintable(name + " has no link to " + required));
      }
    }
  }

  void messagesPageDocumentsEveryMessage() {
    const QString shown = ShownText(HelpPagePath(kMessagesPage));
    const QString page = shown.simplified();
    QStringList missing;
    int found = 0;
    for (const MessageSources& sources : MessageSourceTable()) {
      const QString folder = QDir(kSourceRoot).filePath(sources.folder);
      const QStringList files = FolderSources(folder, sources.files);
      QVERIFY2(!files.isEmpty(), qPrintable(folder));
      for (const QString& file : files) {
        for (const QString& literal : MessageLiterals(FileText(file), sources.patterns)) {
          // The separators around a variable part are not worth a match.
          const QString text = literal.simplified().remove(kSeparatorsAtEnds);
          if (!text.contains(QRegularExpression("[A-Za-z]")) || kNeverShown.contains(text))
            continue;
          ++found;
          // A run of blanks the message holds is shown as it is written.
          const bool shownAsWritten =
              page.contains(text) && (!literal.contains("  ") || shown.contains(literal));
          if (!shownAsWritten)
            missing << QDir(kSourceRoot).relativeFilePath(file) + ": \"" + literal + "\"";
        }
      }
    }
    // The scan must see the messages at all, or it would pass on nothing.
    QVERIFY(found > 50);
    missing.removeDuplicates();
    // One line each: the test's own failure text is cut after a thousand
    // characters.
    for (const QString& text : missing) {
      qWarning("not on %s: %s", qPrintable(kMessagesPage), qPrintable(text));
    }
    QVERIFY2(missing.isEmpty(),
             qPrintable(QString::number(missing.size()) + " texts not on " + kMessagesPage));
  }
};

QTEST_MAIN(HelpPagesTest)
#include "help_pages_test.moc"
