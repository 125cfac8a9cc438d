// A paint device that records Qt's painting as an enhanced metafile: lines,
// polygons and paths become polyline and polygon records (axis-aligned
// rectangles become rectangle records), text becomes text records with its
// font and colour, images become bitmap records, all placed to a sixteenth of
// a pixel. The picture has the device's size in pixels; its physical size
// follows the given resolution, so the metafile shows at the size it has on
// the screen.
#pragma once

#include <QPaintDevice>
#include <QSize>
#include <memory>
#include <string>

namespace tarvex {

class MetafilePaintEngine;

class MetafileDevice : public QPaintDevice {
 public:
  MetafileDevice(QSize pixels, int dotsPerInch);
  ~MetafileDevice() override;

  QPaintEngine* paintEngine() const override;

  // The file's bytes, once the painter on the device has ended.
  std::string Bytes() const;

 protected:
  int metric(PaintDeviceMetric metric) const override;

 private:
  QSize pixels_;
  int dotsPerInch_;
  std::unique_ptr<MetafilePaintEngine> engine_;
};

}  // namespace tarvex
