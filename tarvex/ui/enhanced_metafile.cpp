#include "tarvex/ui/enhanced_metafile.h"

#include <QColor>
#include <cstdint>
#include <string_view>

#include "tarvex/data/tarvex_error.h"

namespace tarvex {
namespace {

using namespace std::string_view_literals;

constexpr std::uint32_t kEmrHeader = 1;
constexpr std::uint32_t kEmrEof = 14;
constexpr std::uint32_t kEmrStretchDiBits = 81;
constexpr std::uint32_t kEmfSignature = 0x464D4520;  // " EMF"
constexpr std::uint32_t kEmfVersion = 0x00010000;
constexpr std::uint32_t kSrcCopy = 0x00CC0020;
constexpr std::uint32_t kDibRgbColors = 0;
constexpr std::uint32_t kHeaderSize = 108;            // with the pixel format and micrometre fields
constexpr std::uint32_t kStretchDiBitsSize = 80;      // without the bitmap header and bits
constexpr std::uint32_t kBitmapInfoHeaderSize = 40;
constexpr std::uint32_t kEofSize = 20;
constexpr int kPixelsPerInch = 96;
// The reference device: a screen of 1920 by 1080 pixels at 96 pixels per inch.
constexpr int kDeviceWidth = 1920;
constexpr int kDeviceHeight = 1080;
// Program name and picture title, each ended by a zero, and a closing zero.
constexpr std::u16string_view kDescription = u"Tarvex\0Chart\0\0"sv;

// Appends little-endian numbers to a byte string.
class Bytes {
 public:
  void U16(std::uint16_t v) { Raw(v, 2); }
  void U32(std::uint32_t v) { Raw(v, 4); }
  void I32(std::int32_t v) { Raw(static_cast<std::uint32_t>(v), 4); }
  void Rect(std::int32_t left, std::int32_t top, std::int32_t right, std::int32_t bottom) {
    I32(left);
    I32(top);
    I32(right);
    I32(bottom);
  }
  void Byte(unsigned char b) { text_.push_back(static_cast<char>(b)); }
  std::string& Text() { return text_; }

 private:
  void Raw(std::uint32_t v, int n) {
    for (int i = 0; i < n; ++i) Byte(static_cast<unsigned char>(v >> (8 * i)));
  }
  std::string text_;
};

std::int32_t Hundredths(int pixels) {
  return static_cast<std::int32_t>((static_cast<long long>(pixels) * 2540 + kPixelsPerInch / 2) /
                                   kPixelsPerInch);
}

std::uint32_t Size32(std::size_t n) {
  if (n > UINT32_MAX) throw TarvexError("The picture is too large for a metafile");
  return static_cast<std::uint32_t>(n);
}

}  // namespace

std::string EnhancedMetafile(const QImage& picture) {
  if (picture.isNull()) throw TarvexError("An empty picture makes no metafile");
  const QImage image = picture.convertToFormat(QImage::Format_RGB32);
  const int w = image.width();
  const int h = image.height();
  const std::size_t rowBytes = (static_cast<std::size_t>(w) * 3 + 3) / 4 * 4;
  const std::uint32_t bitsSize = Size32(rowBytes * static_cast<std::size_t>(h));
  const std::uint32_t descriptionSize = Size32(kDescription.size() * 2);
  const std::uint32_t headerSize = kHeaderSize + descriptionSize;
  const std::uint32_t bitmapRecordSize =
      Size32(std::size_t{kStretchDiBitsSize} + kBitmapInfoHeaderSize + bitsSize);
  const std::uint32_t totalSize = Size32(std::size_t{headerSize} + bitmapRecordSize + kEofSize);

  Bytes out;
  // Header record.
  out.U32(kEmrHeader);
  out.U32(headerSize);
  out.Rect(0, 0, w - 1, h - 1);                              // bounds, device pixels, inclusive
  out.Rect(0, 0, Hundredths(w) - 1, Hundredths(h) - 1);      // frame, 0.01 mm, inclusive
  out.U32(kEmfSignature);
  out.U32(kEmfVersion);
  out.U32(totalSize);
  out.U32(3);                                                // records
  out.U16(1);                                                // handles: only the reserved one
  out.U16(0);
  out.U32(static_cast<std::uint32_t>(kDescription.size()));  // description, UTF-16 units
  out.U32(kHeaderSize);                                      // description offset
  out.U32(0);                                                // palette entries
  out.I32(kDeviceWidth);
  out.I32(kDeviceHeight);
  out.I32(Hundredths(kDeviceWidth) / 100);                   // device size in millimetres
  out.I32(Hundredths(kDeviceHeight) / 100);
  out.U32(0);                                                // no pixel format
  out.U32(0);
  out.U32(0);                                                // not OpenGL
  out.I32(Hundredths(kDeviceWidth) * 10);                    // device size in micrometres
  out.I32(Hundredths(kDeviceHeight) * 10);
  for (char16_t c : kDescription) out.U16(static_cast<std::uint16_t>(c));

  // The picture, copied at its own size.
  out.U32(kEmrStretchDiBits);
  out.U32(bitmapRecordSize);
  out.Rect(0, 0, w - 1, h - 1);
  out.I32(0);  // destination x, y
  out.I32(0);
  out.I32(0);  // source x, y, width, height
  out.I32(0);
  out.I32(w);
  out.I32(h);
  out.U32(kStretchDiBitsSize);                               // bitmap header offset and size
  out.U32(kBitmapInfoHeaderSize);
  out.U32(kStretchDiBitsSize + kBitmapInfoHeaderSize);       // bits offset and size
  out.U32(bitsSize);
  out.U32(kDibRgbColors);
  out.U32(kSrcCopy);
  out.I32(w);  // destination width, height
  out.I32(h);
  // BITMAPINFOHEADER: 24 bits per pixel, uncompressed, rows bottom-up.
  out.U32(kBitmapInfoHeaderSize);
  out.I32(w);
  out.I32(h);
  out.U16(1);
  out.U16(24);
  out.U32(0);
  out.U32(bitsSize);
  const auto pixelsPerMetre = static_cast<std::int32_t>(kPixelsPerInch * 10000 / 254);
  out.I32(pixelsPerMetre);
  out.I32(pixelsPerMetre);
  out.U32(0);
  out.U32(0);
  for (int y = h - 1; y >= 0; --y) {
    const auto* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
    for (int x = 0; x < w; ++x) {
      out.Byte(static_cast<unsigned char>(qBlue(row[x])));
      out.Byte(static_cast<unsigned char>(qGreen(row[x])));
      out.Byte(static_cast<unsigned char>(qRed(row[x])));
    }
    for (std::size_t pad = static_cast<std::size_t>(w) * 3; pad < rowBytes; ++pad) out.Byte(0);
  }

  // End of file: no palette.
  out.U32(kEmrEof);
  out.U32(kEofSize);
  out.U32(0);   // palette entries
  out.U32(16);  // palette offset
  out.U32(kEofSize);
  return std::move(out.Text());
}

}  // namespace tarvex
