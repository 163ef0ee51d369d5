// The dictionary sources hold together: no headword stands twice in one dictionary unless a
// reason is listed here, and every cross-reference names a headword of its dictionary.
#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>
#include <vector>

#include "data/source_files.h"
#include "text/codepage.h"

namespace velimora {
namespace {

// A dictionary: its main file and its compounds file, which the search reads as one.
struct Dictionary {
  const char* name;
  const char* files[2];
};
constexpr Dictionary kDictionaries[] = {
    {"Finnish-Danish", {"fi-da.txt", "fi-compounds.txt"}},
    {"Danish-Finnish", {"da-fi.txt", "da-compounds.txt"}},
};

// Headwords that may stand in two articles of one dictionary, and why.
const std::map<std::string, const char*>& allowed_twice() {
  static const std::map<std::string, const char*> kAllowed = {};
  return kAllowed;
}

struct Article {
  std::string file;
  int number;  // the article's position among the file's article lines, from 1
  std::string text;
};

std::vector<Article> articles_of(const Dictionary& d) {
  std::vector<Article> out;
  for (const char* file : d.files) {
    int n = 0;
    for (const std::string& line : source_lines(file))
      out.push_back({file, ++n, line});
  }
  return out;
}

TEST(SourceLinks, NoHeadwordTwiceInOneDictionary) {
  for (const Dictionary& d : kDictionaries) {
    std::map<std::string, std::string> first;  // headword -> where it stood first
    std::string twice;
    for (const Article& a : articles_of(d)) {
      const std::string w = headword(a.text);
      const std::string here = a.file + " article " + std::to_string(a.number);
      auto [it, fresh] = first.emplace(w, here);
      if (!fresh && allowed_twice().count(w) == 0)
        twice += cp1252_to_utf8(w) + " (" + it->second + ", " + here + ")\n";
    }
    EXPECT_TRUE(twice.empty()) << d.name << ": headwords twice:\n" << twice;
  }
}

// The words a remark refers to: "{se kuoro}", "{se også kuoro, laulu}", "{jf. kuoro}", and in
// Finnish text "{katso ...}", "{ks. ...}". A remark that holds anything else is no reference.
std::vector<std::string> referred_words(const std::string& remark) {
  static const char* const kLeads[] = {"se ogs\xE5 ", "se ", "jf. ", "katso ", "ks. "};
  for (const char* lead : kLeads) {
    const std::string l = lead;
    if (remark.compare(0, l.size(), l) != 0) continue;
    std::vector<std::string> words;
    std::string rest = remark.substr(l.size());
    for (std::size_t at = 0; at <= rest.size();) {
      std::size_t comma = rest.find(", ", at);
      std::string w = rest.substr(at, comma == std::string::npos ? std::string::npos : comma - at);
      if (w.empty() || w.find(' ') != std::string::npos) return {};
      words.push_back(w);
      if (comma == std::string::npos) break;
      at = comma + 2;
    }
    return words;
  }
  return {};
}

std::vector<std::string> remarks_of(const std::string& article) {
  std::vector<std::string> out;
  for (std::size_t open = article.find('{'); open != std::string::npos;
       open = article.find('{', open + 1)) {
    std::size_t close = article.find('}', open);
    if (close == std::string::npos) break;
    out.push_back(article.substr(open + 1, close - open - 1));
  }
  return out;
}

TEST(SourceLinks, ReferencesReadAsTheyShould) {
  static const struct {
    const char* remark;
    std::vector<std::string> words;
  } kCases[] = {
      {"se kuoro", {"kuoro"}},
      {"se ogs\xE5 kuoro, laulu", {"kuoro", "laulu"}},
      {"jf. koulu-", {"koulu-"}},
      {"se k\xE4y det g\xE5r an", {}},  // an example that begins with the pronoun se
      {"kollokvialt", {}},
  };
  for (const auto& c : kCases)
    EXPECT_EQ(referred_words(c.remark), c.words) << c.remark;
}

TEST(SourceLinks, EveryReferenceNamesAHeadword) {
  for (const Dictionary& d : kDictionaries) {
    std::vector<Article> articles = articles_of(d);
    std::set<std::string> headwords;
    for (const Article& a : articles)
      headwords.insert(headword(a.text));
    std::string broken;
    int references = 0;
    for (const Article& a : articles) {
      for (const std::string& remark : remarks_of(a.text)) {
        for (const std::string& w : referred_words(remark)) {
          ++references;
          if (headwords.count(w) == 0)
            broken += a.file + " article " + std::to_string(a.number) + ": " +
                      cp1252_to_utf8(headword(a.text) + " {" + remark + "}") + "\n";
        }
      }
    }
    std::cout << d.name << ": " << references << " references\n";
    EXPECT_TRUE(broken.empty()) << d.name << ": references to no headword:\n" << broken;
  }
}

}  // namespace
}  // namespace velimora
