#include "tarvex/ui/platform/chart_picture.h"

#include <QBuffer>
#include <QGraphicsView>
#include <QImage>
#include <QPainter>
#include <QPixmap>
#include <QWidget>
#include <string_view>

#include "tarvex/data/atomic_file.h"
#include "tarvex/data/tarvex_error.h"
#include "tarvex/ui/platform/metafile_device.h"

namespace tarvex {
namespace {

[[noreturn]] void Refuse(const std::string& fileName, const std::string& reason) {
  throw TarvexError("Cannot save the picture " + fileName + ": " + reason);
}

QImage Rendering(QWidget& widget, const std::string& fileName) {
  const QImage image = widget.grab().toImage();
  if (image.isNull()) Refuse(fileName, "the window has no size");
  return image;
}

void Save(const std::string& fileName, std::string_view bytes) {
  try {
    SaveFileAtomically(fileName, bytes);
  } catch (const AtomicSaveError& error) {
    Refuse(fileName, error.what());
  }
}

}  // namespace

void SaveToBitmapFile(QWidget& widget, const std::string& fileName) {
  const QImage image = Rendering(widget, fileName);
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  if (!image.convertToFormat(QImage::Format_RGB32).save(&buffer, "BMP")) {
    Refuse(fileName, "the bitmap cannot be made");
  }
  Save(fileName, std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
}

void SaveToMetafileEnh(QGraphicsView& view, const std::string& fileName) {
  const QRect shown = view.viewport()->rect();
  if (shown.isEmpty()) Refuse(fileName, "the window has no size");
  MetafileDevice device(shown.size(), view.logicalDpiY());
  QPainter painter(&device);
  painter.setRenderHints(view.renderHints());
  view.render(&painter, QRectF(QPointF(0, 0), shown.size()), shown);
  if (!painter.end()) Refuse(fileName, "the metafile cannot be made");
  Save(fileName, device.Bytes());
}

}  // namespace tarvex
