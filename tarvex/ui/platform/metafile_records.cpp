#include "tarvex/ui/platform/metafile_records.h"

#include <cmath>
#include <cstdlib>
#include <cstring>
#include <string_view>

#include "tarvex/data/tarvex_error.h"

namespace tarvex {
namespace {

using namespace std::string_view_literals;

// The reference device: a screen of 1920 by 1080 pixels.
constexpr int kDeviceWidth = 1920;
constexpr int kDeviceHeight = 1080;
// Program name and picture title, each ended by a zero, and a closing zero.
constexpr std::u16string_view kDescription = u"Tarvex\0Chart\0\0"sv;

std::int32_t Hundredths(int pixels, double dotsPerInch) {
  return static_cast<std::int32_t>(std::lround(pixels * 2540.0 / dotsPerInch));
}

}  // namespace

MetafileRecords::MetafileRecords(int width, int height, double dotsPerInch) {
  if (width <= 0 || height <= 0) throw TarvexError("An empty picture makes no metafile");
  if (emf_htable_create(32, 32, &handles_) != 0) throw TarvexError("Out of memory for a metafile");
  const U_RECTL bounds{0, 0, width - 1, height - 1};
  const U_RECTL frame{0, 0, Hundredths(width, dotsPerInch) - 1,
                      Hundredths(height, dotsPerInch) - 1};
  const U_SIZEL device{kDeviceWidth, kDeviceHeight};
  const U_SIZEL millimetres{Hundredths(kDeviceWidth, dotsPerInch) / 100,
                            Hundredths(kDeviceHeight, dotsPerInch) / 100};
  std::u16string description(kDescription);
  Add(U_EMRHEADER_set(bounds, frame, nullptr, static_cast<U_CBSTR>(description.size()),
                      reinterpret_cast<uint16_t*>(description.data()), device, millimetres, 0));
}

MetafileRecords::~MetafileRecords() { emf_htable_free(&handles_); }

void MetafileRecords::Add(char* record) {
  if (record == nullptr) throw TarvexError("Out of memory for a metafile");
  const auto size = reinterpret_cast<const U_EMR*>(record)->nSize;
  bytes_.append(record, size);
  std::free(record);
  ++records_;
}

std::string MetafileRecords::Finish() {
  EMFTRACK track{};
  Add(U_EMREOF_set(0, nullptr, &track));
  U_EMRHEADER header;
  std::memcpy(&header, bytes_.data(), sizeof header);
  header.nBytes = static_cast<std::uint32_t>(bytes_.size());
  header.nRecords = records_;
  header.nHandles = static_cast<std::uint16_t>(handles_->peak + 1);
  std::memcpy(bytes_.data(), &header, sizeof header);
  return std::move(bytes_);
}

}  // namespace tarvex
