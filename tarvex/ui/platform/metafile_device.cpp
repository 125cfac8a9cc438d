#include "tarvex/ui/platform/metafile_device.h"

#include "tarvex/data/tarvex_error.h"
#include "tarvex/ui/platform/metafile_paint_engine.h"

namespace tarvex {

MetafileDevice::MetafileDevice(QSize pixels, int dotsPerInch)
    : pixels_(pixels),
      dotsPerInch_(dotsPerInch),
      engine_(std::make_unique<MetafilePaintEngine>(pixels, dotsPerInch)) {}

MetafileDevice::~MetafileDevice() = default;

QPaintEngine* MetafileDevice::paintEngine() const { return engine_.get(); }

std::string MetafileDevice::Bytes() const {
  if (engine_->isActive()) throw TarvexError("The metafile is still being painted");
  return engine_->Bytes();
}

int MetafileDevice::metric(PaintDeviceMetric metric) const {
  switch (metric) {
    case PdmWidth:
      return pixels_.width();
    case PdmHeight:
      return pixels_.height();
    case PdmWidthMM:
      return qRound(pixels_.width() * 25.4 / dotsPerInch_);
    case PdmHeightMM:
      return qRound(pixels_.height() * 25.4 / dotsPerInch_);
    case PdmNumColors:
      return 1 << 24;
    case PdmDepth:
      return 24;
    case PdmDpiX:
    case PdmDpiY:
    case PdmPhysicalDpiX:
    case PdmPhysicalDpiY:
      return dotsPerInch_;
    case PdmDevicePixelRatio:
      return 1;
    case PdmDevicePixelRatioScaled:
      return static_cast<int>(devicePixelRatioFScale());
  }
  return 0;
}

}  // namespace tarvex
