// Saving the picture of a chart, as the result chart is saved: either as a
// bitmap of the window rendered at its size on the screen, or as an enhanced
// metafile into which the chart's scene draws itself as vector records
// (metafile_device.h). The target is replaced only when the whole file has
// been written; a failure raises TarvexError naming the file.
#pragma once

#include <string>

class QGraphicsView;
class QWidget;

namespace tarvex {

// Writes WIDGET as a Windows bitmap (".bmp") to FILENAME ("\" opens as "/").
void SaveToBitmapFile(QWidget& widget, const std::string& fileName);

// Writes what VIEW shows as an enhanced metafile (".emf") to FILENAME.
void SaveToMetafileEnh(QGraphicsView& view, const std::string& fileName);

}  // namespace tarvex
