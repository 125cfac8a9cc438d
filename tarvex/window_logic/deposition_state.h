#pragma once
// What the readings of the site's deposition leave beside the period and the
// series they store in the site: whether the last reading read the file (a
// run needs it) and the message of the last one that failed (a command that
// needs a period says why there is none).

#include <string>
#include <utility>

#include "tarvex/data/site.h"

namespace tarvex {

// Shown where a deposition period is needed and none was read for the site.
inline constexpr const char* kReadDepositionFirst =
    "Error: first read the N deposition of this site!";

class DepositionState {
 public:
  // A reading starts: until it succeeds the deposition counts as not read.
  void Start() { read_ = false; }
  // The reading read the file; the site holds its period and series.
  void Succeed() {
    read_ = true;
    message_.clear();
  }
  // The reading failed with MESSAGE; the site keeps the period and series
  // of its last successful reading.
  void Fail(std::string message) {
    read_ = false;
    message_ = std::move(message);
  }
  // A new site has read no deposition, nor failed to.
  void Forget() { *this = {}; }

  // Whether the last reading read the file.
  bool LastReadingRead() const { return read_; }
  // Whether a reading gave SITE its period (READ4UP's periods start at year
  // 1 or later; a new site has 0..0).
  static bool HasPeriod(const CSite& site) { return site.FirstYear >= 1; }
  // Why the site has no period: the message of the failed reading, or a
  // request to read it.
  std::string MissingMessage() const { return message_.empty() ? kReadDepositionFirst : message_; }

 private:
  bool read_ = false;
  std::string message_;
};

}  // namespace tarvex
