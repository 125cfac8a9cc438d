#include "tarvex/window_logic/help_topics.h"

#include <algorithm>
#include <charconv>
#include <fstream>

#include "tarvex/data/path_parts.h"
#include "tarvex/data/tarvex_error.h"
#include "tarvex/data/text_lines.h"

namespace tarvex {
namespace {

constexpr std::size_t kPieceLength = 79;
constexpr std::size_t kMaxNameLength = 63;
constexpr std::string_view kWhiteSpace = " \t\n\v\f\r";

// The next blank-separated word of TEXT from AT on; AT moves past it.
std::string_view NextWord(std::string_view text, std::size_t& at) {
  const auto first = text.find_first_not_of(kWhiteSpace, at);
  if (first == std::string_view::npos) {
    at = text.size();
    return {};
  }
  at = std::min(text.find_first_of(kWhiteSpace, first), text.size());
  return text.substr(first, at - first);
}

// The entry of one piece: the second word and the decimal integer that
// begins the third (as "20" of "20abc").
HelpTopic ParsePiece(std::string_view piece) {
  std::size_t at = 0;
  NextWord(piece, at);
  const std::string_view name = NextWord(piece, at);
  std::string_view number = NextWord(piece, at);
  if (name.empty() || name.size() > kMaxNameLength || number.empty()) return {};
  if (number.front() == '+') number.remove_prefix(1);
  int id = 0;
  const auto result = std::from_chars(number.data(), number.data() + number.size(), id);
  if (result.ec != std::errc() || result.ptr == number.data()) return {};
  return HelpTopic{std::string(name), id};
}

}  // namespace

HelpBrowser::HelpBrowser() : topics_(kMaxHelpTopics) {}

void HelpBrowser::LoadTopics(const std::string& fileName) {
  topics_.assign(kMaxHelpTopics, HelpTopic{});
  nrTopics_ = 0;
  std::ifstream in(NativePath(fileName), std::ios::binary);
  int n = 0;
  std::string line;
  while (ReadTextLine(in, line)) {
    if (!in.eof()) line += '\n';
    for (std::size_t at = 0; at < line.size(); at += kPieceLength) {
      if (n == kMaxHelpTopics) {
        nrTopics_ = n;
        throw TarvexError("Too many topics in help file (max=250)");
      }
      topics_[n++] = ParsePiece(std::string_view(line).substr(at, kPieceLength));
    }
  }
  nrTopics_ = n;
}

int HelpBrowser::GetTopicId(std::string_view name) const {
  if (name.empty()) return 0;
  for (int i = 0; i < nrTopics_; ++i) {
    if (topics_[i].Name == name) return topics_[i].Id;
  }
  return 0;
}

std::string HelpBrowser::GetTopicName(int id) const {
  for (int i = 0; i < nrTopics_; ++i) {
    if (!topics_[i].Name.empty() && topics_[i].Id == id) return topics_[i].Name;
  }
  return {};
}

}  // namespace tarvex
