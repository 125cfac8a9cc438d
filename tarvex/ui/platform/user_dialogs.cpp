#include "tarvex/ui/platform/user_dialogs.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QFileDialog>
#include <QKeyEvent>
#include <QMessageBox>

namespace tarvex {
namespace {

// A plain question box, without an icon, that only Yes or No answers. Qt
// would take Escape and the close button of the title bar as "No", so that a
// key pressed to get rid of the box would throw unsaved work away; this box
// has no close button, and Escape and a request to close leave it open.
class YesNoBox final : public QMessageBox {
 public:
  YesNoBox(const QString& caption, const QString& text, QWidget* parent)
      : QMessageBox(QMessageBox::NoIcon, caption, text, QMessageBox::Yes | QMessageBox::No, parent,
                    Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint) {
    // Enter answers Yes, the first button, as the box of the desktop does.
    setDefaultButton(QMessageBox::Yes);
  }

 protected:
  void keyPressEvent(QKeyEvent* event) override {
    if (event->matches(QKeySequence::Cancel)) return;
    QMessageBox::keyPressEvent(event);
  }
  void closeEvent(QCloseEvent* event) override { event->ignore(); }
};

}  // namespace

void QtUserDialogs::ShowMessage(QWidget* parent, const QString& text) {
  QMessageBox::information(parent, QCoreApplication::applicationName(), text);
}

bool QtUserDialogs::AskYesNo(QWidget* parent, const QString& caption, const QString& text) {
  YesNoBox box(caption, text, parent);
  return box.exec() == QMessageBox::Yes;
}

QString QtUserDialogs::GetOpenFileName(QWidget* parent, const FileDialogRequest& request) {
  return QFileDialog::getOpenFileName(parent, request.caption, request.start, request.filter);
}

QString QtUserDialogs::GetSaveFileName(QWidget* parent, const FileDialogRequest& request,
                                       int* filterIndex) {
  QFileDialog dialog(parent, request.caption, request.start, request.filter);
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setDefaultSuffix(request.defaultSuffix);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
  if (filterIndex != nullptr) {
    *filterIndex =
        static_cast<int>(request.filter.split(";;").indexOf(dialog.selectedNameFilter()));
  }
  return dialog.selectedFiles().first();
}

bool QtUserDialogs::RunModal(QDialog& dialog) { return dialog.exec() == QDialog::Accepted; }

}  // namespace tarvex
