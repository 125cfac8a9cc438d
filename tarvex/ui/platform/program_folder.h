// Files that ship beside the program (start page, help, pictures).
#pragma once

#include <QString>

namespace tarvex {

// The path of NAME, relative to the folder of the running program ("\" counts as "/").
QString ProgramFilePath(QString name);

}  // namespace tarvex
