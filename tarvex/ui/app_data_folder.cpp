#include "tarvex/ui/app_data_folder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cstdlib>

namespace tarvex {

std::string AppDataFolderPath() {
  // A relative XDG_DATA_HOME is not valid and counts as unset.
  const char* data = std::getenv("XDG_DATA_HOME");
  const QString base = data != nullptr && data[0] == '/' ? QString::fromLocal8Bit(data)
                                                         : QDir::homePath() + "/.local/share";
  return QDir::cleanPath(base + "/KeldonKRC/Tarvex").toStdString() + "/";
}

void ProvideAppDataFolder(const std::string& folder, const std::string& examples) {
  QDir target(QString::fromStdString(folder));
  if (!target.mkpath(".")) return;
  if (!target.entryList({"*.tvx"}, QDir::Files).isEmpty()) return;
  const QDir source(QString::fromStdString(examples));
  for (const QFileInfo& file : source.entryInfoList(QDir::Files)) {
    const QString copy = target.filePath(file.fileName());
    // QFile::copy never replaces an existing file.
    if (!QFileInfo::exists(copy)) QFile::copy(file.absoluteFilePath(), copy);
  }
}

}  // namespace tarvex
