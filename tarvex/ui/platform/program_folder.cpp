#include "tarvex/ui/platform/program_folder.h"

#include <QCoreApplication>
#include <QDir>

namespace tarvex {

QString ProgramFilePath(QString name) {
  name.replace('\\', '/');
  return QDir(QCoreApplication::applicationDirPath()).filePath(QDir::cleanPath(name));
}

}  // namespace tarvex
