#include "tarvex/ui/platform/picture_label.h"

#include <QDir>
#include <QImageReader>
#include <QPixmap>

#include "tarvex/ui/platform/program_folder.h"

namespace tarvex {

PictureLabel::PictureLabel(const QString& fileName, QWidget* parent) : QLabel(parent) {
  const QString path = ProgramFilePath(fileName);
  QImageReader reader(path);
  const QImage image = reader.read();
  setAlignment(Qt::AlignCenter);
  setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Ignored);
  if (image.isNull()) {
    setWordWrap(true);
    setText("Cannot show the picture " + QDir::toNativeSeparators(path) + ": " +
            reader.errorString());
    return;
  }
  setScaledContents(true);
  setPixmap(QPixmap::fromImage(image));
}

bool PictureLabel::HasPicture() const { return !pixmap().isNull(); }

}  // namespace tarvex
