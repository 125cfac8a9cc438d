// An enhanced metafile (".emf") that holds one raster picture: the header
// record, one StretchDIBits record that draws the picture as a 24-bit
// bottom-up device-independent bitmap at its own size in pixels, and the
// end-of-file record. The reference device has 96 pixels per inch, so one
// pixel of the picture is 2540/96 hundredths of a millimetre in the frame.
#pragma once

#include <QImage>
#include <string>

namespace tarvex {

// The bytes of the metafile of PICTURE, which must not be empty.
std::string EnhancedMetafile(const QImage& picture);

}  // namespace tarvex
