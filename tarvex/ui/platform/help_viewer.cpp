#include "tarvex/ui/platform/help_viewer.h"

#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QPushButton>
#include <QShortcut>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

#include "tarvex/window_logic/help_topics.h"

namespace tarvex {
namespace {

const QString kContentsPage = QStringLiteral("Contents.html");

}  // namespace

HelpViewer::HelpViewer(const HelpBrowser& topics, QWidget* parent)
    : QWidget(parent, Qt::Window), topics_(topics), browser_(new QTextBrowser(this)) {
  setWindowTitle("Tarvex Help");
  resize(640, 560);
  auto* contents = new QPushButton("Contents", this);
  auto* back = new QPushButton("Back", this);
  auto* forward = new QPushButton("Forward", this);
  back->setEnabled(false);
  forward->setEnabled(false);
  connect(contents, &QPushButton::clicked, this, [this] {
    browser_->setSource(QUrl::fromLocalFile(QDir(folder_).filePath(kContentsPage)));
  });
  connect(back, &QPushButton::clicked, browser_, &QTextBrowser::backward);
  connect(forward, &QPushButton::clicked, browser_, &QTextBrowser::forward);
  connect(browser_, &QTextBrowser::backwardAvailable, back, &QPushButton::setEnabled);
  connect(browser_, &QTextBrowser::forwardAvailable, forward, &QPushButton::setEnabled);
  browser_->setOpenExternalLinks(true);

  auto* buttons = new QHBoxLayout;
  buttons->addWidget(contents);
  buttons->addWidget(back);
  buttons->addWidget(forward);
  buttons->addStretch();
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(buttons);
  layout->addWidget(browser_);

  // Closed from the keyboard as a viewer window is.
  for (const QKeySequence& keys :
       {QKeySequence(Qt::Key_Escape), QKeySequence(Qt::CTRL | Qt::Key_W)}) {
    connect(new QShortcut(keys, this), &QShortcut::activated, this, &QWidget::close);
  }
}

void HelpViewer::SetHelpFolder(const QString& folder) {
  folder_ = folder;
  folder_.replace('\\', '/');
}

QString HelpViewer::PageForContext(int id) const {
  const std::string topic = topics_.GetTopicName(id);
  const QString page = topic.empty() ? kContentsPage : QString::fromStdString(topic) + ".html";
  return QDir(folder_).filePath(page);
}

bool HelpViewer::ShowContext(int id) {
  const QString page = PageForContext(id);
  const bool found = QFileInfo(page).isFile();
  if (found) {
    browser_->setSource(QUrl::fromLocalFile(page));
  } else {
    browser_->setPlainText("The help page " + QDir::toNativeSeparators(page) + " cannot be found.");
  }
  // Opened afresh, the help stands over the window it helps with.
  if (!isVisible() && parentWidget() != nullptr) {
    QRect frame = geometry();
    frame.moveCenter(parentWidget()->window()->geometry().center());
    move(frame.topLeft());
  }
  show();
  raise();
  activateWindow();
  return found;
}

}  // namespace tarvex
