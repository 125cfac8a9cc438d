#pragma once
// The user's own folder of the workbench, where the file dialogs start: the
// XDG data folder ($XDG_DATA_HOME, else ~/.local/share) followed by
// "KeldonKRC/Tarvex/". On a first start it receives the example scenarios
// shipped beside the program.

#include <string>

namespace tarvex {

// The folder, with a trailing "/".
std::string AppDataFolderPath();

// Creates FOLDER when it is missing and, when it holds no scenario file
// (".tvx"), copies every file of EXAMPLES into it. A file already there is
// never replaced. Nothing is copied when the folder cannot be created.
void ProvideAppDataFolder(const std::string& folder, const std::string& examples);

}  // namespace tarvex
