// The table of help topics: topic names and their help context numbers, read
// at start-up from the help header file that ships with the help pages.
//
// The header file holds one topic per line: three blank-separated fields, a
// first word that is not used (as "#define"), the topic name and the context
// number in decimal; anything after them is ignored. Lines are read in pieces
// of at most 79 characters (the line end counts as one), and every piece
// fills one entry, so a longer line fills several. A piece without the three
// fields fills an entry that matches no name.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace tarvex {

inline constexpr int kMaxHelpTopics = 250;

struct HelpTopic {
  std::string Name;  // at most 63 characters; empty for an entry that matches no name
  int Id = 0;        // help context number
};

class HelpBrowser {
 public:
  HelpBrowser();

  // Fills the table from the header file FILENAME ("\" opens as "/"). A file
  // that cannot be opened leaves the table empty. A file of more than 250
  // pieces raises "Too many topics in help file (max=250)"; the first 250
  // entries stay in use.
  void LoadTopics(const std::string& fileName);

  // The context number of the first entry named NAME exactly (case
  // sensitive, whole text); 0 when there is none.
  int GetTopicId(std::string_view name) const;

  // The name of the first entry with the context number ID; empty when none.
  std::string GetTopicName(int id) const;

  int NrTopics() const { return nrTopics_; }

 private:
  std::vector<HelpTopic> topics_;
  int nrTopics_ = 0;
};

}  // namespace tarvex
