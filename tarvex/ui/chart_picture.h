// Saving the picture of a window, as the result chart is saved: the widget is
// rendered at its size on the screen and written either as a bitmap or as an
// enhanced metafile that holds the rendered picture (enhanced_metafile.h).
// The target is replaced only when the whole file has been written; a
// failure raises TarvexError naming the file.
#pragma once

#include <string>

class QWidget;

namespace tarvex {

// Writes WIDGET as a Windows bitmap (".bmp") to FILENAME ("\" opens as "/").
void SaveToBitmapFile(QWidget& widget, const std::string& fileName);

// Writes WIDGET as an enhanced metafile (".emf") to FILENAME.
void SaveToMetafileEnh(QWidget& widget, const std::string& fileName);

}  // namespace tarvex
