// The Danish side of the sources: every Danish word spelled as Debian's Danish word list has it
// (or named in the sources' own allow-list), and the inflected forms of da-forms.tsv reached
// from their headword by the Danish stem rules.
#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <unordered_set>
#include <vector>

#include "data/source_files.h"
#include "inflection/ficc0.h"
#include "mkdata/articles.h"
#include "mkdata/text_words.h"
#include "text/charclass.h"
#include "text/codepage.h"

namespace velimora {
namespace {

using mkdata::Article;
using mkdata::Side;

// Debian's wdanish list, one word a line in UTF-8; words Windows-1252 cannot hold are left out.
std::unordered_set<std::string> danish_word_list() {
  std::unordered_set<std::string> out;
  std::ifstream in(DANISH_WORD_LIST);
  std::string line;
  while (std::getline(in, line)) {
    Result<std::string> cp = utf8_to_cp1252(line);
    if (cp) out.insert(*cp);
  }
  return out;
}

// data/source/da-words-allowed.txt: a word a line, "#" starts a comment (the reason).
std::set<std::string> allowed_words() {
  std::set<std::string> out;
  for (std::string line : source_lines("da-words-allowed.txt")) {
    line = line.substr(0, line.find('#'));
    std::istringstream in(line);
    std::string word;
    while (in >> word)
      out.insert(word);
  }
  return out;
}

struct Parsed {
  std::string line;
  Article article;
};

std::vector<Parsed> parsed(const std::string& file, Side side) {
  std::vector<Parsed> out;
  for (const std::string& line : source_lines(file)) {
    Result<Article> a = mkdata::parse_article(line, side);
    if (a) out.push_back({line, *a});
  }
  return out;
}

// Shorter remark words (en, et, -r) are grammatical labels, not forms.
constexpr std::size_t kShortestWrittenOut = 3;

bool is_first_part(const std::string& word) {
  return !word.empty() && word.back() == '-';
}

// Tells the Finnish words of fi-da.txt from the Danish ones. Its examples stand before their
// translation without a mark between them ("+ unta drømme"), so a word of its text is taken as
// Finnish when the sources hold it as a Finnish word (headwords and variants of fi-da.txt and
// fi-compounds.txt, the forms of fi-forms.tsv, the words of the text of da-fi.txt and
// da-compounds.txt) or when the Finnish stem rules reach a headword of fi-da.txt from it.
class FinnishWords {
 public:
  FinnishWords() {
    for (const char* file : {"fi-da.txt", "fi-compounds.txt"}) {
      for (const Parsed& p : parsed(file, Side::kFinnish)) {
        for (const mkdata::HeadVariant& v : p.article.variants) {
          words_.insert(v.word);
          if (file == std::string("fi-da.txt")) heads_.emplace(v.word, v.code);
        }
      }
    }
    for (const std::string& line : source_lines("fi-forms.tsv")) {
      std::istringstream in(line);
      std::string form;
      while (in >> form)
        words_.insert(form);
    }
    for (const char* file : {"da-fi.txt", "da-compounds.txt"}) {
      for (const Parsed& p : parsed(file, Side::kDanish)) {
        for (const mkdata::TextWord& w : mkdata::text_words(p.line.substr(p.article.tail), 1))
          words_.insert(w.word);
      }
    }
  }

  bool holds(const std::string& word) const {
    if (words_.count(word)) return true;
    // Headwords sharing the word's first letters are the only ones its stem can come from.
    const std::string prefix = word.substr(0, kSharedPrefix);
    for (auto h = heads_.lower_bound(prefix); h != heads_.end() && h->first.starts_with(prefix);
         ++h) {
      if (!inflection::stems_all('i', h->first, h->second, word).empty()) return true;
    }
    return false;
  }

 private:
  static constexpr std::size_t kSharedPrefix = 3;
  std::unordered_set<std::string> words_;
  std::multimap<std::string, char> heads_;
};

class DanishWords {
 public:
  DanishWords() : list_(danish_word_list()), allowed_(allowed_words()) {}
  bool list_loaded() const { return !list_.empty(); }
  bool known(const std::string& word) const {
    return list_.count(word) || list_.count(to_lower(word)) || allowed_.count(word);
  }

 private:
  std::unordered_set<std::string> list_;
  std::set<std::string> allowed_;
};

TEST(DanishSource, EveryDanishWordIsInTheWordListOrAllowed) {
  DanishWords words;
  ASSERT_TRUE(words.list_loaded())
      << DANISH_WORD_LIST << " is missing: install wdanish (scripts/install-deps.sh)";
  std::set<std::string> unknown;
  int checked = 0;
  auto check = [&](const std::string& word, const std::string& where) {
    ++checked;
    if (!words.known(word)) unknown.insert(cp1252_to_utf8(word + "  (" + where + ")"));
  };
  for (const Parsed& p : parsed("da-fi.txt", Side::kDanish)) {
    for (const mkdata::HeadVariant& v : p.article.variants) {
      if (!is_first_part(v.word)) check(v.word, "da-fi.txt " + p.article.variants[0].word);
    }
  }
  FinnishWords finnish;
  for (const Parsed& p : parsed("fi-da.txt", Side::kFinnish)) {
    for (const mkdata::TextWord& w : mkdata::text_words(p.line.substr(p.article.tail), 1)) {
      if (words.known(w.word) || !finnish.holds(w.word))
        check(w.word, "fi-da.txt " + p.article.variants[0].word);
    }
  }
  std::cout << checked << " Danish words checked\n";
  std::string listed;
  for (const std::string& u : unknown)
    listed += u + "\n";
  EXPECT_TRUE(unknown.empty()) << unknown.size()
                               << " words neither in the word list nor in da-words-allowed.txt:\n"
                               << listed;
}

// What the check knows of an article of da-fi.txt: the words it is found under (headword and
// variants) and the irregular forms its remarks write out ("{en; bøger}", "{bad, bedt}").
struct DanishEntry {
  std::vector<std::string> words;
  std::set<std::string> written_out;
};

std::set<std::string> remark_words(const std::string& text) {
  std::set<std::string> out;
  for (std::size_t open = text.find('{'); open != std::string::npos;
       open = text.find('{', open + 1)) {
    std::string word;
    for (std::size_t i = open + 1; i <= text.size() && (i == text.size() || text[i] != '}'); ++i) {
      if (i < text.size() && is_letter(text[i])) {
        word += text[i];
      } else if (!word.empty()) {
        out.insert(word);
        word.clear();
      }
    }
    if (!word.empty()) out.insert(word);
  }
  return out;
}

std::map<std::string, DanishEntry> danish_entries() {
  std::map<std::string, DanishEntry> out;
  for (const Parsed& p : parsed("da-fi.txt", Side::kDanish)) {
    DanishEntry& e = out[p.article.variants[0].word];
    for (const mkdata::HeadVariant& v : p.article.variants)
      e.words.push_back(v.word);
    std::set<std::string> r = remark_words(p.line.substr(p.article.tail));
    e.written_out.insert(r.begin(), r.end());
  }
  return out;
}

bool reached(const std::vector<std::string>& words, const std::string& form) {
  for (const std::string& w : words) {
    if (w == form || !inflection::stems_all('t', w, ' ', form).empty()) return true;
  }
  return false;
}

// An irregular form the article writes out, or one built on it (b\xF8ger, b\xF8gerne): the
// rules are not meant to reach it from the headword; the article names it instead.
bool written_out(const DanishEntry& e, const std::string& form) {
  for (const std::string& w : e.written_out) {
    if (w.size() >= kShortestWrittenOut && form.starts_with(w)) return true;
  }
  return false;
}

// Words whose listed forms neither the Danish stem rules reach nor the article writes out,
// and why; they are not checked.
const std::map<std::string, const char*>& danish_limits() {
  static const std::map<std::string, const char*> kLimits = {
      {"den", "the plural de is a word of its own"},
      {"hun", "pronoun with case forms (hende, hendes)"},
      {"jeg", "pronoun with case forms (mig, min)"},
      {"vi", "pronoun with case forms (os)"},
      {"jubil\xE6um", "-\xE6um loses -um before -et, which the -eum/-ium rule does not cover"},
      {"kursus", "Latin -us, which drops before -et and -er"},
      {"lidt", "compared from another stem (mindre, mindst)"},
      {"meget", "compared from another stem (mere, mest)"},
  };
  return kLimits;
}

TEST(DanishSource, EveryListedFormGivesAStemCandidateOfItsHeadword) {
  std::map<std::string, DanishEntry> entries = danish_entries();
  std::vector<std::string> misses;
  int forms = 0, irregular = 0;
  for (const std::string& line : source_lines("da-forms.tsv")) {
    std::size_t tab = line.find('\t');
    ASSERT_NE(tab, std::string::npos) << line;
    std::string word = line.substr(0, tab);
    auto e = entries.find(word);
    if (e == entries.end()) {
      misses.push_back(word + " (not a headword)");
      continue;
    }
    if (danish_limits().count(word) != 0) continue;
    std::istringstream in(line.substr(tab + 1));
    std::string form;
    while (in >> form) {
      ++forms;
      if (reached(e->second.words, form)) continue;
      if (written_out(e->second, form)) {
        ++irregular;
        continue;
      }
      misses.push_back(word + " " + form);
    }
  }
  std::cout << forms << " Danish forms checked, " << irregular
            << " of them irregular forms their article writes out, " << danish_limits().size()
            << " words left out\n";
  std::string listed;
  for (const std::string& m : misses)
    listed += cp1252_to_utf8(m) + "\n";
  EXPECT_TRUE(misses.empty()) << misses.size() << " forms without a candidate:\n" << listed;
}

}  // namespace
}  // namespace velimora
