// The sample dictionary as a whole: its size, and whether the stem rules reach the inflected
// forms that are written beside every Finnish headword in fi-forms.tsv.
#include <gtest/gtest.h>

#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "data/source_files.h"
#include "inflection/ficc0.h"
#include "text/codepage.h"

namespace velimora {
namespace {

int articles_not_first_parts(const std::vector<std::string>& lines) {
  int n = 0;
  for (const std::string& l : lines)
    n += !headword(l).empty() && headword(l).back() != '-';
  return n;
}

TEST(SourceContent, HasTheSizeOfAUsefulSampleDictionary) {
  static const struct {
    const char* file;
    int at_least;
  } kFiles[] = {
      {"fi-da.txt", 5000},
      {"da-fi.txt", 4500},
      {"fi-compounds.txt", 1000},
      {"pocket.txt", 1500},
      {"da-compounds.txt", 600},
  };
  for (const auto& f : kFiles) {
    int n = articles_not_first_parts(source_lines(f.file));
    std::cout << f.file << ": " << n << " articles\n";
    EXPECT_GE(n, f.at_least) << f.file;
  }
}

// A dictionary word of an article: the headword or a ">" variant, with its class code.
struct Variant {
  std::string word;
  char cls = ' ';
};

// The headword and its ">" variants, read as the matcher reads the chain: word, blank, then a
// second blank (no class) or a class digit and a blank.
std::vector<Variant> variants_of(const std::string& article) {
  std::vector<Variant> out;
  std::size_t pos = 0;
  for (bool first = true;; first = false) {
    if (!first) {
      if (pos >= article.size() || article[pos] != '>') break;
      ++pos;
    }
    std::size_t blank = article.find(' ', pos);
    if (blank == std::string::npos || blank + 2 >= article.size()) break;
    char cls = article[blank + 1];
    if (cls != ' ' && article[blank + 2] != ' ') break;
    out.push_back({article.substr(pos, blank - pos), cls});
    pos = blank + (cls == ' ' ? 2 : 3);
  }
  return out;
}

std::map<std::string, std::vector<Variant>> finnish_words() {
  std::map<std::string, std::vector<Variant>> out;
  for (const std::string& a : source_lines("fi-da.txt")) {
    std::vector<Variant> v = variants_of(a);
    if (!v.empty()) out.emplace(v.front().word, v);
  }
  return out;
}

bool reached(const std::vector<Variant>& words, const std::string& form) {
  for (const Variant& v : words) {
    if (!inflection::stems_all('i', v.word, v.cls, form).empty()) return true;
  }
  return false;
}

// Words the stem rules cannot reach, and why; their forms are not checked.
const std::map<std::string, const char*>& known_limits() {
  static const std::map<std::string, const char*> kLimits = {
      {"hapan", "consonant stem with p/mm gradation"},
      {"housut", "plural-only noun"},
      {"kasvot", "plural-only noun"},
      {"markkinat", "plural-only noun"},
      {"molemmat", "plural-only pronoun"},
      {"jokin", "pronoun with an inflected first part"},
      {"kuka", "irregular pronoun"},
      {"kukaan", "irregular pronoun"},
      {"mik\xE4\xE4n", "irregular pronoun"},
      {"n\xE4m\xE4", "irregular pronoun"},
      {"t\xE4m\xE4", "irregular pronoun"},
      {"kuollut", "participle adjective in -ut/-ee-"},
      {"v\xE4syn"
       "yt",
       "participle adjective in -yt/-ee-"},
      {"kymmenen", "numeral stem kymmene-/kymmen-"},
      {"aivot", "plural-only noun"},
      {"farkut", "plural-only noun"},
      {"shortsit", "plural-only noun"},
      {"h\xE4\xE4t", "plural-only noun"},
      {"kulut", "plural-only noun"},
      {"potkut", "plural-only noun"},
      {"vaalit", "plural-only noun"},
      {"hermostunut", "participle adjective in -ut/-yt, -ee-"},
      {"huolestunut", "participle adjective in -ut/-yt, -ee-"},
      {"masentunut", "participle adjective in -ut/-yt, -ee-"},
      {"onnistunut", "participle adjective in -ut/-yt, -ee-"},
      {"pettynyt", "participle adjective in -ut/-yt, -ee-"},
      {"suuttunut", "participle adjective in -ut/-yt, -ee-"},
      {"ankka", "nkk/nk is not in the gradation table"},
      {"vinkki", "nkk/nk is not in the gradation table"},
      {"hankkia", "nkk/nk is not in the gradation table"},
      {"alin", "superlative in -in, -imma-"},
      {"avajaiset", "plural-only noun"},
      {"kisat", "plural-only noun"},
      {"revontulet", "plural-only noun"},
      {"sivistynyt", "participle adjective in -ut/-yt, -ee-"},
      {"lenkki", "nkk/nk is not in the gradation table"},
      {"linkki", "nkk/nk is not in the gradation table"},
      {"punkki", "nkk/nk is not in the gradation table"},
      {"rankka", "nkk/nk is not in the gradation table"},
      {"ylin", "superlative in -in, -imma-"},
      {"l\xE4ksi\xE4iset", "plural-only noun"},
      {"kulunut", "participle adjective in -ut/-yt, -ee-"},
      {"alkeet", "plural-only noun"},
      {"sakset", "plural-only noun"},
      {"talkoot", "plural-only noun"},
      {"tikkaat", "plural-only noun"},
      {"uikkarit", "plural-only noun"},
      {"viikset", "plural-only noun"},
      {"sankka", "nkk/nk is not in the gradation table"},
      {"synkk\xE4", "nkk/nk is not in the gradation table"},
      {"tankata", "nkk/nk is not in the gradation table"},
      {"tankki", "nkk/nk is not in the gradation table"},
      {"vankka", "nkk/nk is not in the gradation table"},
      {"mennyt", "participle adjective in -ut/-yt, -ee-"},
      {"olosuhteet", "plural-only noun"},
      {"pihdit", "plural-only noun"},
      {"penkki", "nkk/nk is not in the gradation table"},
      {"omatunto", "compound whose both parts inflect (omantunnon)"},
  };
  return kLimits;
}

TEST(SourceContent, EveryFinnishHeadwordsFormsGiveAStemCandidate) {
  std::map<std::string, std::vector<Variant>> words = finnish_words();
  std::vector<std::string> misses;
  int forms = 0;
  for (const std::string& line : source_lines("fi-forms.tsv")) {
    std::size_t tab = line.find('\t');
    ASSERT_NE(tab, std::string::npos) << line;
    std::string word = line.substr(0, tab);
    auto w = words.find(word);
    if (w == words.end()) {
      misses.push_back(word + " (not a headword)");
      continue;
    }
    if (known_limits().count(word) != 0) continue;
    std::istringstream in(line.substr(tab + 1));
    std::string form;
    while (in >> form) {
      ++forms;
      if (reached(w->second, form)) continue;
      misses.push_back(word + " " + form);
    }
  }
  std::cout << forms << " forms checked, " << known_limits().size() << " words left out\n";
  std::string listed;
  for (const std::string& m : misses)
    listed += cp1252_to_utf8(m) + "\n";
  EXPECT_TRUE(misses.empty()) << misses.size() << " forms without a candidate:\n" << listed;
}

}  // namespace
}  // namespace velimora
