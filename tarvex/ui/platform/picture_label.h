// A label that shows one of the pictures shipped with the program, stretched
// over its whole area; when the file cannot be read it says so instead.
#pragma once

#include <QLabel>

namespace tarvex {

class PictureLabel : public QLabel {
  Q_OBJECT

 public:
  // FILENAME is relative to the program's folder.
  PictureLabel(const QString& fileName, QWidget* parent = nullptr);

  bool HasPicture() const;
};

}  // namespace tarvex
