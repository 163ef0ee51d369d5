// What a query showed, in parts: the articles, the analyses, the offered codes and the
// suggestions, for front ends that hand them on (JSON, the table of a whole text) rather
// than show the text.
#ifndef VELIMORA_SESSION_QUERY_RECORD_H_
#define VELIMORA_SESSION_QUERY_RECORD_H_

#include <string>
#include <vector>

namespace velimora {

// An article as a query showed it: where its line is, and the text appended for it.
struct ShownArticle {
  char letter = ' ';  // the list: i, t, c, r for the dictionaries
  int file = 0;
  int line = 0;
  int sense = 0;         // 0: the whole article
  std::string headword;  // as the line has it
  std::string raw;       // the article line as stored
  std::string text;      // as appended to the results
};

// One analysis line of a query, with the lines written under it.
struct ShownAnalysis {
  std::string split;       // the word cut into its parts: talo/ssa
  std::string codes;       // the pieces with their codes: talo4.ssa0
  std::string categories;  // the reading: iness.
  std::string remark;      // the bracketed remark of the reading, without its brackets
  std::string text;        // the analysis line as appended
  std::vector<ShownArticle> base_words;  // the articles of the dictionary words it rests on
  std::vector<std::string> endings;      // the lines of its endings and index entries
};

// What the last query showed, kept for front ends that want it in parts (JSON, the table of
// a whole text). Filled while the query writes its results; cleared when the next starts.
struct QueryRecord {
  std::vector<ShownArticle> articles;
  std::vector<ShownAnalysis> analyses;
  std::vector<std::string> offered;      // the codes this query offered
  std::vector<std::string> suggestions;  // close headwords of a word not found
  std::vector<std::string> messages;     // problems met, for the message window
};

}  // namespace velimora

#endif  // VELIMORA_SESSION_QUERY_RECORD_H_
