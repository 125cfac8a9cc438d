#pragma once
// The message boxes and file dialogs the main window shows, behind one small
// interface so that the window can be driven without a person at the screen.

#include <QString>

class QDialog;
class QWidget;

namespace tarvex {

// What a file dialog is asked for: caption, starting folder or file, filter
// (entries separated by ";;"), and the extension added to a bare name on saving.
struct FileDialogRequest {
  QString caption;
  QString start;
  QString filter;
  QString defaultSuffix;
};

class UserDialogs {
 public:
  virtual ~UserDialogs() = default;
  // An information box with an OK button.
  virtual void ShowMessage(QWidget* parent, const QString& text) = 0;
  // A box with the buttons Yes and No and no icon, answered by one of them
  // only (not by Escape or by closing it); true for Yes.
  virtual bool AskYesNo(QWidget* parent, const QString& caption, const QString& text) = 0;
  // The chosen file, or an empty text when the user cancelled.
  virtual QString GetOpenFileName(QWidget* parent, const FileDialogRequest& request) = 0;
  // FILTERINDEX, when given, receives the 0-based entry of the filter chosen.
  virtual QString GetSaveFileName(QWidget* parent, const FileDialogRequest& request,
                                  int* filterIndex = nullptr) = 0;
  // Shows DIALOG modally; true when it was closed with OK.
  virtual bool RunModal(QDialog& dialog) = 0;
};

// The ordinary modal Qt boxes and dialogs.
class QtUserDialogs final : public UserDialogs {
 public:
  void ShowMessage(QWidget* parent, const QString& text) override;
  bool AskYesNo(QWidget* parent, const QString& caption, const QString& text) override;
  QString GetOpenFileName(QWidget* parent, const FileDialogRequest& request) override;
  QString GetSaveFileName(QWidget* parent, const FileDialogRequest& request,
                          int* filterIndex = nullptr) override;
  bool RunModal(QDialog& dialog) override;
};

}  // namespace tarvex
