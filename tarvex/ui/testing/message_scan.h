#pragma once
// Finds the message texts in the C++ sources, for the check that the help's
// messages page documents every message the program can show.
//
// A message is recognised by where its text goes: the arguments of a call
// such as ShowMessage(...) or TarvexError(...), or a statement such as
// "return ...;" in the model library. The pattern names the start; when it
// holds a "(", the place runs to the matching ")", otherwise to the next ";".
// Every string literal in such a place is a fixed part of a message; the
// variable parts (numbers, file names) are the expressions between them.
// Comments and the contents of literals never count as code.

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QString>
#include <QStringList>
#include <vector>

namespace tarvex::testing {

struct SourceLiteral {
  qsizetype offset;  // of the opening quote
  QString text;      // with its escapes resolved
};

// CODE with comments and literal contents blanked (the quotes stay), and
// the literals found.
struct ScannedSource {
  QString code;
  std::vector<SourceLiteral> literals;
};

inline QChar ResolvedEscape(QChar c) {
  switch (c.unicode()) {
    case 'n':
      return '\n';
    case 't':
      return '\t';
    case 'r':
      return '\r';
    case '0':
      return QChar(0);
    default:
      return c;  // \" \\ \'
  }
}

inline ScannedSource ScanSource(const QString& source) {
  ScannedSource out{source, {}};
  QString& code = out.code;
  qsizetype i = 0;
  const qsizetype n = code.size();
  auto blank = [&code](qsizetype from, qsizetype to) {
    for (qsizetype k = from; k < to; ++k) {
      if (code[k] != '\n') code[k] = ' ';
    }
  };
  while (i < n) {
    if (QStringView(code).mid(i, 2) == u"//") {
      const qsizetype end = code.indexOf('\n', i);
      const qsizetype stop = end < 0 ? n : end;
      blank(i, stop);
      i = stop;
    } else if (QStringView(code).mid(i, 2) == u"/*") {
      const qsizetype end = code.indexOf("*/", i + 2);
      const qsizetype stop = end < 0 ? n : end + 2;
      blank(i, stop);
      i = stop;
    } else if (code[i] == '"' || code[i] == '\'') {
      const QChar quote = code[i];
      QString text;
      qsizetype k = i + 1;
      while (k < n && code[k] != quote && code[k] != '\n') {
        if (code[k] == '\\' && k + 1 < n) {
          text += ResolvedEscape(code[k + 1]);
          k += 2;
        } else {
          text += code[k++];
        }
      }
      blank(i + 1, k);
      if (quote == '"') out.literals.push_back({i, text});
      i = k + 1;
    } else {
      ++i;
    }
  }
  return out;
}

// The end of the place that starts with the pattern matched at [START, END).
inline qsizetype PlaceEnd(const QString& code, qsizetype start, qsizetype end) {
  const qsizetype paren = code.indexOf('(', start);
  if (paren >= 0 && paren < end) {
    int depth = 0;
    for (qsizetype k = paren; k < code.size(); ++k) {
      if (code[k] == '(') ++depth;
      if (code[k] == ')' && --depth == 0) return k;
    }
    return code.size();
  }
  const qsizetype semicolon = code.indexOf(';', end);
  return semicolon < 0 ? code.size() : semicolon;
}

// The literals of SOURCE that lie in a place one of PATTERNS starts.
inline QStringList MessageLiterals(const QString& source,
                                   const QList<QRegularExpression>& patterns) {
  const ScannedSource scanned = ScanSource(source);
  std::vector<bool> taken(scanned.literals.size(), false);
  for (const QRegularExpression& pattern : patterns) {
    auto matches = pattern.globalMatch(scanned.code);
    while (matches.hasNext()) {
      const auto match = matches.next();
      const qsizetype end = PlaceEnd(scanned.code, match.capturedStart(), match.capturedEnd());
      for (std::size_t k = 0; k < scanned.literals.size(); ++k) {
        const qsizetype at = scanned.literals[k].offset;
        if (at >= match.capturedStart() && at < end) taken[k] = true;
      }
    }
  }
  QStringList texts;
  for (std::size_t k = 0; k < scanned.literals.size(); ++k) {
    if (taken[k]) texts << scanned.literals[k].text;
  }
  return texts;
}

// The sources of FOLDER (not its sub-folders, so not the test helpers of its
// testing/) whose names match one of NAMEFILTERS, without tests and
// benchmarks.
inline QStringList FolderSources(const QString& folder, const QStringList& nameFilters) {
  QStringList files;
  const QDir dir(folder);
  for (const QString& name : dir.entryList(nameFilters, QDir::Files, QDir::Name)) {
    if (name.contains(QRegularExpression("(_test\\.cpp|_bench\\.cpp)$"))) continue;
    files << dir.filePath(name);
  }
  return files;
}

}  // namespace tarvex::testing
