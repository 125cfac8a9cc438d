#include "tarvex/ui/platform/user_dialogs.h"

#include <QCoreApplication>
#include <QFileDialog>
#include <QMessageBox>

namespace tarvex {

void QtUserDialogs::ShowMessage(QWidget* parent, const QString& text) {
  QMessageBox::information(parent, QCoreApplication::applicationName(), text);
}

bool QtUserDialogs::AskYesNo(QWidget* parent, const QString& caption, const QString& text) {
  // A plain question box, without an icon.
  QMessageBox box(QMessageBox::NoIcon, caption, text, QMessageBox::Yes | QMessageBox::No, parent);
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
