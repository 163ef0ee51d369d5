#include "mkdata/compiler.h"

#include <algorithm>
#include <set>
#include <unordered_map>

#include "datafolder/layout.h"
#include "mkdata/articles.h"
#include "mkdata/danish_forms.h"
#include "mkdata/headword_file.h"
#include "mkdata/lists.h"
#include "mkdata/record_files.h"
#include "mkdata/text_words.h"

namespace velimora::mkdata {
namespace {

struct Entry {
  std::string line;
  Article article;
};

// A dictionary side laid out in parts, with every article parsed.
struct Dictionary {
  char letter;
  std::vector<Entry> entries;  // in list order
  PartedList list;
};

// Parses and sorts the articles of one dictionary file; repeated lines are dropped.
Dictionary build_dictionary(char letter, Side side, const SourceFile& f, Diagnostics& diag) {
  std::vector<Entry> entries;
  std::unordered_map<std::string, int> first_seen;
  for (const SourceLine& l : f.lines) {
    auto [it, fresh] = first_seen.emplace(l.text, l.number);
    if (!fresh) {
      diag.warning(f.path, l.number, "repeats line " + std::to_string(it->second) + "; left out");
      continue;
    }
    Result<Article> a = parse_article(l.text, side);
    if (!a) {
      diag.error(f.path, l.number, a.error());
      continue;
    }
    std::string line = l.text;
    if (side == Side::kDanish) {
      std::string listed = with_listed_forms(l.text, *a);
      if (listed != l.text) {
        // A listed form that would spoil the chain (a remark sign in it) is not added.
        if (Result<Article> b = parse_article(listed, side); b) {
          line = std::move(listed);
          a = std::move(b);
        } else {
          diag.warning(f.path, l.number,
                       "its listed forms cannot become variants (" + b.error() +
                           "); the line is kept as written");
        }
      }
    }
    entries.push_back({std::move(line), std::move(*a)});
  }
  std::sort(entries.begin(), entries.end(),
            [](const Entry& a, const Entry& b) { return line_less(a.line, b.line); });
  std::vector<std::string> lines;
  for (const Entry& e : entries)
    lines.push_back(e.line);
  return {letter, std::move(entries), PartedList(letter, std::move(lines))};
}

std::string index_line(std::string_view word, const Dictionary& d, std::size_t k, int sense) {
  LinePosition p = d.list.position(k);
  return std::string(word) + " " + reference_text(d.letter, p.part, p.line, sense);
}

// The sense the text after the variant chain starts in.
int tail_sense(const Entry& e) {
  std::string_view chain(e.line.data() + e.article.body, e.article.tail - e.article.body);
  return 1 + static_cast<int>(std::count(chain.begin(), chain.end(), '|'));
}

// The word as the reverse lists take it: a compound first part loses its hyphen.
std::string reverse_entry(std::string_view word) {
  if (word.size() > 1 && word.back() == '-') word.remove_suffix(1);
  return reversed(word);
}

// Index lines of the headwords and variants, and of the words of the text.
struct DerivedLines {
  std::vector<std::string> heads;  // o or n
  std::vector<std::string> text;   // y or s
  std::set<std::string> head_words, text_words;
};

void derive(const Dictionary& d, DerivedLines& out) {
  for (std::size_t k = 0; k < d.entries.size(); ++k) {
    const Entry& e = d.entries[k];
    for (const HeadVariant& v : e.article.variants) {
      out.heads.push_back(index_line(v.word, d, k, 0));
      out.head_words.insert(reverse_entry(v.word));
    }
    for (const TextWord& w :
         text_words(std::string_view(e.line).substr(e.article.tail), tail_sense(e))) {
      out.text.push_back(index_line(w.word, d, k, w.sense));
      out.text_words.insert(reversed(w.word));
    }
  }
}

// The pocket list: one line per article of I whose headword the pocket file names.
std::vector<std::string> pocket_lines(const SourceFile& f, const Dictionary& i, Diagnostics& diag) {
  std::unordered_map<std::string, std::vector<std::size_t>> by_head;
  for (std::size_t k = 0; k < i.entries.size(); ++k) {
    by_head[i.entries[k].article.variants.front().word].push_back(k);
  }
  std::vector<std::string> lines;
  std::unordered_map<std::string, int> seen;
  for (const SourceLine& l : f.lines) {
    std::string_view word = l.text;
    if (word.find_first_of(" \t") != word.npos) {
      diag.error(f.path, l.number, "one headword per line, without blanks");
      continue;
    }
    if (auto [it, fresh] = seen.emplace(l.text, l.number); !fresh) {
      diag.warning(f.path, l.number, "repeats line " + std::to_string(it->second));
      continue;
    }
    auto it = by_head.find(l.text);
    if (it == by_head.end()) {
      diag.error(f.path, l.number, "'" + l.text + "' is no headword of " + kFinnishDanishFile);
      continue;
    }
    for (std::size_t k : it->second)
      lines.push_back(index_line(word, i, k, 0));
  }
  return lines;
}

PartedList index_list(char letter, std::vector<std::string> lines) {
  sort_lines(lines);
  return PartedList(letter, std::move(lines));
}

PartedList reverse_list(char letter, const std::set<std::string>& a,
                        const std::set<std::string>& b) {
  std::vector<std::string> lines(a.begin(), a.end());
  lines.insert(lines.end(), b.begin(), b.end());
  return index_list(letter, std::move(lines));
}

// The headwords of the four dictionaries and the pocket words, for spelling suggestions.
std::string headwords(std::initializer_list<const Dictionary*> dictionaries,
                      const SourceFile& pocket) {
  HeadwordFile file;
  for (const Dictionary* d : dictionaries) {
    for (const Entry& e : d->entries)
      file.add(e.article.variants.front().word, d->letter);
  }
  for (const SourceLine& l : pocket.lines)
    file.add(l.text, 'q');
  return file.text();
}

void add_guides(const std::vector<SourceFile>& guides, DataFolder& files) {
  for (const SourceFile& g : guides) {
    std::string text;
    for (const SourceLine& l : g.lines)
      text += l.text + "\n";
    files["ch\\" + g.name] = text;
  }
}

}  // namespace

Compiled compile(const Sources& sources, Diagnostics& diag) {
  Dictionary i = build_dictionary('i', Side::kFinnish, sources.fi_da, diag);
  Dictionary c = build_dictionary('c', Side::kFinnish, sources.fi_compounds, diag);
  Dictionary t = build_dictionary('t', Side::kDanish, sources.da_fi, diag);
  Dictionary r = build_dictionary('r', Side::kDanish, sources.da_compounds, diag);

  DerivedLines finnish, danish;
  for (const Dictionary* d : {&i, &c})
    derive(*d, finnish);
  for (const Dictionary* d : {&t, &r})
    derive(*d, danish);
  std::vector<std::string> pocket = pocket_lines(sources.pocket, i, diag);
  std::string headword_text = headwords({&i, &t, &c, &r}, sources.pocket);

  std::vector<PartedList> lists;
  lists.push_back(std::move(i.list));
  lists.push_back(index_list('o', std::move(finnish.heads)));
  // Finnish words: headwords of I and c and the words of T's text; Danish the other way.
  lists.push_back(reverse_list('a', finnish.head_words, danish.text_words));
  lists.push_back(std::move(c.list));
  lists.push_back(index_list('s', std::move(danish.text)));
  lists.push_back(index_list('q', std::move(pocket)));
  lists.push_back(std::move(t.list));
  lists.push_back(index_list('n', std::move(danish.heads)));
  lists.push_back(reverse_list('b', danish.head_words, finnish.text_words));
  lists.push_back(std::move(r.list));
  lists.push_back(index_list('y', std::move(finnish.text)));

  Compiled out;
  for (const PartedList& l : lists) {
    add_list_files(l, out.files);
    out.list_lines.emplace_back(l.letter(), l.size());
  }
  out.files[headword_file_name("")] = std::move(headword_text);
  compile_tables(sources.tables, out.files, diag);
  add_guides(sources.guides, out.files);
  return out;
}

}  // namespace velimora::mkdata
