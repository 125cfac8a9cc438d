// The "About" window: the program's picture, name and version.
#pragma once

#include <QDialog>

class QPlainTextEdit;
class QPushButton;

namespace tarvex {

class PictureLabel;

class TFormAbout : public QDialog {
  Q_OBJECT

 public:
  explicit TFormAbout(QWidget* parent = nullptr);

  PictureLabel* Image1;   // the picture of the program
  QPlainTextEdit* Memo1;  // the name, version and maker
  QPushButton* Button1;   // "OK"
};

}  // namespace tarvex
