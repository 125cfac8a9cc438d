// The program's help system: shows the help page of a context number in a
// window of its own. The help is a folder of HTML pages, one per topic of the
// help header file, named after the topic ("Results.html"); the contents page
// is "Contents.html". A context number that names no topic shows the
// contents. Escape and Ctrl+W close the window.
#pragma once

#include <QString>
#include <QWidget>

class QTextBrowser;

namespace tarvex {

class HelpBrowser;

class HelpViewer : public QWidget {
  Q_OBJECT

 public:
  // TOPICS turns context numbers into topic names; it must outlive the viewer.
  explicit HelpViewer(const HelpBrowser& topics, QWidget* parent = nullptr);

  // The folder of the help pages.
  void SetHelpFolder(const QString& folder);

  // The page shown for context number ID.
  QString PageForContext(int id) const;

  // Shows the window with the page of context number ID. A page that does
  // not exist shows a message naming the file instead. True when the page
  // was shown.
  bool ShowContext(int id);

  QTextBrowser* Browser() const { return browser_; }

 private:
  const HelpBrowser& topics_;
  QString folder_;
  QTextBrowser* browser_;
};

}  // namespace tarvex
