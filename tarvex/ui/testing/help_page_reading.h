#pragma once
// Reading the help pages as shipped, for the tests that compare what the
// pages say with what the program does: a page's text as a reader sees it,
// its tables, its examples and its message entries.

#include <QFile>
#include <QList>
#include <QRegularExpression>
#include <QString>
#include <QStringList>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextTable>

namespace tarvex::testing {

inline const QString kHelpFolder = TEST_SOURCE_DIR "/program_files/HELP";

inline QString HelpPagePath(const QString& name) { return kHelpFolder + "/" + name; }

inline QString FileText(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) qFatal("cannot read %s", qPrintable(path));
  return QString::fromUtf8(file.readAll());
}

// The text a reader sees on the page, with the blanks it shows ("&nbsp;"
// among them) and its line ends as blanks.
inline QString ShownText(const QString& path) {
  QTextDocument page;
  page.setHtml(FileText(path));
  return page.toPlainText().replace('\n', ' ');
}

// A table of a page: its rows of cell texts, blanks run together. A cell
// that spans rows gives its text to each of them.
using PageTable = QList<QStringList>;

inline void CollectTables(QTextFrame* frame, QList<PageTable>& tables) {
  if (auto* table = qobject_cast<QTextTable*>(frame)) {
    PageTable rows;
    for (int r = 0; r < table->rows(); ++r) {
      QStringList cells;
      for (int c = 0; c < table->columns(); ++c) {
        QTextCursor cursor = table->cellAt(r, c).firstCursorPosition();
        cursor.setPosition(table->cellAt(r, c).lastCursorPosition().position(),
                           QTextCursor::KeepAnchor);
        cells << cursor.selectedText().simplified();
      }
      rows << cells;
    }
    tables << rows;
  }
  for (QTextFrame* child : frame->childFrames()) CollectTables(child, tables);
}

// The data rows of the table of page NAME whose header row is HEADER.
inline PageTable TableRows(const QString& name, const QStringList& header) {
  QTextDocument page;
  page.setHtml(FileText(HelpPagePath(name)));
  QList<PageTable> tables;
  CollectTables(page.rootFrame(), tables);
  for (const PageTable& table : tables) {
    if (!table.isEmpty() && table.front() == header) return table.mid(1);
  }
  qFatal("%s has no table headed %s", qPrintable(name), qPrintable(header.join(" | ")));
}

// The lines of the example <pre id="ID"> of page NAME, as a reader copies
// them.
inline QStringList ExampleLines(const QString& name, const QString& id) {
  const QRegularExpression pre("<pre id=\"" + id + "\">\\n?(.*?)</pre>",
                               QRegularExpression::DotMatchesEverythingOption);
  const QRegularExpressionMatch match = pre.match(FileText(HelpPagePath(name)));
  if (!match.hasMatch()) qFatal("%s has no example %s", qPrintable(name), qPrintable(id));
  QString text = match.captured(1);
  text.replace("&lt;", "<").replace("&gt;", ">").replace("&amp;", "&");
  QStringList lines = text.split('\n');
  if (!lines.isEmpty() && lines.back().isEmpty()) lines.removeLast();
  return lines;
}

// The explanation (<dd>) of the message whose entry (<dt>) on the messages
// page begins with TEXT, as HTML.
inline QString MessageExplanation(const QString& text) {
  const QRegularExpression entry(
      "<dt><b>" + QRegularExpression::escape(text) + "</b>.*?</dt>\\s*<dd>(.*?)</dd>",
      QRegularExpression::DotMatchesEverythingOption);
  const QRegularExpressionMatch match = entry.match(FileText(HelpPagePath("Messages.html")));
  if (!match.hasMatch()) qFatal("Messages.html has no entry %s", qPrintable(text));
  return match.captured(1);
}

}  // namespace tarvex::testing
