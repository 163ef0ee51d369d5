// The headword file of a data folder: every headword of the dictionaries that a reader can
// type and double-click as one word, with the dictionaries it stands in, for the spelling
// suggestions of a look-up that finds nothing.
#ifndef VELIMORA_TOOLS_MKDATA_HEADWORD_FILE_H_
#define VELIMORA_TOOLS_MKDATA_HEADWORD_FILE_H_

#include <map>
#include <string>
#include <string_view>

namespace velimora::mkdata {

// Collects headwords by dictionary letter (i t c r, and q for the pocket list).
class HeadwordFile {
 public:
  // Records the word under the letter when it is a plain word: letters, with a single hyphen
  // or apostrophe only between two letters (linja-auto, ruo'an). Compound first parts
  // (koulu-), phrases and words with digits or signs are left out.
  void add(std::string_view word, char letter);

  // One line per word in byte order, `WORD LETTERS`, the letters in the order i t c r q.
  std::string text() const;

 private:
  std::map<std::string, std::string> letters_;
};

}  // namespace velimora::mkdata

#endif  // VELIMORA_TOOLS_MKDATA_HEADWORD_FILE_H_
