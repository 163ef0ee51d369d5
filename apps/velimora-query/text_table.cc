#include "text_table.h"

#include <istream>
#include <ostream>
#include <unordered_map>
#include <vector>

#include "lookup/article_text.h"
#include "lookup/suggestions.h"
#include "shell/driver.h"
#include "text/charclass.h"
#include "text/codepage.h"
#include "text/primitives.h"
#include "wordlists/entry_rules.h"

namespace velimora {
namespace {

// The longest word that is looked up: the prompt takes no more.
constexpr std::size_t kMaxWord = 499;

// A base word of a form: the article's headword, its dictionary and its first sense.
struct BaseWord {
  std::string headword;
  char letter;
  std::string sense;
};

struct Form {
  std::string word;
  int count = 0;
};

// The first sense of an article line without its remarks: "talo  hus; bygning | …" → "hus;
// bygning".
std::string first_sense(const ShownArticle& a) {
  std::string_view line = a.raw;
  if (!line.empty() && line[0] == '"') line.remove_prefix(1);
  const std::size_t blank = line.find(' ');
  if (blank == std::string_view::npos) return {};
  VariantChain chain = read_variants(a.letter, line.substr(0, blank), line.substr(blank + 1));
  std::string sense = fia(chain.tail, 1);
  if (!sense.empty() && (sense.back() == '|' || sense.back() == '*')) sense.pop_back();
  std::string out;
  int depth = 0;
  for (char c : sense) {
    if (c == '{') ++depth;
    if (depth == 0) out += c;
    if (c == '}' && depth > 0) --depth;
  }
  std::string shown;
  for (char c : trim_blanks(out)) {
    if (c == ' ' && !shown.empty() && shown.back() == ' ') continue;  // a remark's blanks
    shown += c;
  }
  return shown;
}

void add_base(std::vector<BaseWord>& bases, const ShownArticle& a) {
  if (!is_dictionary_side(a.letter)) return;
  BaseWord b{a.headword, a.letter, first_sense(a)};
  for (const BaseWord& x : bases) {
    if (x.headword == b.headword && x.letter == b.letter && x.sense == b.sense) return;
  }
  bases.push_back(std::move(b));
}

std::vector<BaseWord> bases_of(const QueryRecord& r) {
  std::vector<BaseWord> bases;
  for (const ShownArticle& a : r.articles)
    add_base(bases, a);
  for (const ShownAnalysis& an : r.analyses) {
    for (const ShownArticle& a : an.base_words)
      add_base(bases, a);
  }
  return bases;
}

// One row's fields after the form and its count.
struct Row {
  std::vector<BaseWord> bases;
  std::vector<std::string> suggestions;
};

// Rows of lower-case spellings already looked up: Talo at the start of a sentence and talo
// inside one share the analyses.
using LowerRows = std::unordered_map<std::string, Row>;

// A plain look-up of the lower-case spelling, then the analyses, then the suggestions.
Row look_up_lower(Session& s, const std::string& lower) {
  Row row;
  go2(s, lower);
  row.bases = bases_of(s.shown);
  if (!row.bases.empty()) return row;
  // A letter only one language has spares the other's analysis.
  const bool finnish = lower.find_first_of("\xE6\xF8\xE5") == std::string::npos;  // æ ø å
  const bool danish = lower.find_first_of("\xE4\xF6") == std::string::npos;       // ä ö
  for (const char* sign : {"-", "--"}) {
    if (!(sign[1] == '\0' ? finnish : danish)) continue;
    go2(s, sign + lower);
    row.bases = bases_of(s.shown);
    if (!row.bases.empty()) return row;
  }
  row.suggestions = close_headwords(s, s.shell.cst->data_prefix, lower);
  return row;
}

// The form as written first (a capital at the start of a sentence may belong to a name),
// then its lower-case spelling.
Row look_up(Session& s, const std::string& form, LowerRows& known) {
  const std::string lower = to_lower(form);
  if (lower != form) {
    go2(s, form);
    Row row{bases_of(s.shown), {}};
    if (!row.bases.empty()) return row;
  }
  auto it = known.find(lower);
  if (it == known.end()) it = known.emplace(lower, look_up_lower(s, lower)).first;
  Row row = it->second;
  if (lower != form && row.bases.empty()) {
    std::vector<std::string> close = close_headwords(s, s.shell.cst->data_prefix, form);
    if (!close.empty()) row.suggestions = std::move(close);
  }
  return row;
}

std::string dictionary_name(char letter) {
  return letter == 'i' ? "I" : letter == 't' ? "T" : std::string(1, letter);
}

std::string row_text(const Form& f, const Row& r) {
  std::string heads, dictionaries, senses, close;
  for (std::size_t k = 0; k < r.bases.size(); ++k) {
    const char* sep = k == 0 ? "" : " | ";
    heads += sep + r.bases[k].headword;
    dictionaries += sep + dictionary_name(r.bases[k].letter);
    senses += sep + r.bases[k].sense;
  }
  for (const std::string& w : r.suggestions)
    close += (close.empty() ? "" : " ") + w;
  return f.word + "\t" + std::to_string(f.count) + "\t" + heads + "\t" + dictionaries + "\t" +
         senses + "\t" + close + "\n";
}

// Cuts Windows-1252 text into words: runs of letters, with a single hyphen or apostrophe
// between two letters (linja-auto, ruo'an).
template <class Sink>
void words_of(std::string_view text, Sink&& sink) {
  std::size_t k = 0;
  while (k < text.size()) {
    if (!is_letter(text[k])) {
      ++k;
      continue;
    }
    std::size_t end = k + 1;
    while (end < text.size() &&
           (is_letter(text[end]) || ((text[end] == '-' || text[end] == '\'') &&
                                     end + 1 < text.size() && is_letter(text[end + 1])))) {
      ++end;
    }
    sink(text.substr(k, end - k));
    k = end;
  }
}

// Reads the text, counting its forms; reports what it skips.
class Reader {
 public:
  Reader(const std::string& name, bool cp1252, std::ostream& err)
      : name_(name), cp1252_(cp1252), err_(err) {}

  void line(const std::string& text, long number) {
    if (text.find('\0') != std::string::npos) {
      skip(number, "binary data (a NUL byte); line skipped");
      return;
    }
    if (cp1252_) {
      words_of(text, [&](std::string_view w) { add(w, number); });
      return;
    }
    // Words are cut on the bytes of ASCII signs and blanks, so that a word holding a
    // character Windows-1252 lacks is skipped alone.
    std::size_t k = 0;
    while (k < text.size()) {
      const unsigned char c = static_cast<unsigned char>(text[k]);
      if (c < 0x80 && !is_letter(static_cast<char>(c))) {
        ++k;
        continue;
      }
      std::size_t end = k;
      while (end < text.size()) {
        const unsigned char d = static_cast<unsigned char>(text[end]);
        if (d < 0x80 && !is_letter(static_cast<char>(d)) && d != '-' && d != '\'') break;
        ++end;
      }
      std::string_view run(text.data() + k, end - k);
      Result<std::string> converted = utf8_to_cp1252(run);
      if (!converted && converted.error().rfind("malformed", 0) == 0) {
        skip(number,
             "not UTF-8 text (" + converted.error() + " of a word); rest of the line skipped");
        return;
      }
      if (!converted) {
        skip(number,
             "\"" + std::string(run.substr(0, 80)) + "\": " + converted.error() + "; word skipped");
      } else {
        words_of(*converted, [&](std::string_view w) { add(w, number); });
      }
      k = end;
    }
  }

  const std::vector<Form>& forms() const { return forms_; }
  bool skipped() const { return skipped_; }

 private:
  void add(std::string_view w, long number) {
    if (w.size() > kMaxWord) {
      skip(number, "a word of " + std::to_string(w.size()) + " letters, longer than " +
                       std::to_string(kMaxWord) + "; skipped");
      return;
    }
    auto [it, fresh] = index_.emplace(std::string(w), forms_.size());
    if (fresh) forms_.push_back({std::string(w), 0});
    ++forms_[it->second].count;
  }

  void skip(long number, const std::string& what) {
    err_ << "velimora-query: " << name_ << ":" << number << ": " << what << "\n";
    skipped_ = true;
  }

  std::string name_;
  bool cp1252_;
  std::ostream& err_;
  std::vector<Form> forms_;
  std::unordered_map<std::string, std::size_t> index_;
  bool skipped_ = false;
};

}  // namespace

bool write_text_table(Session& s, std::istream& in, const std::string& name, bool cp1252,
                      std::ostream& out, std::ostream& err) {
  Reader reader(name, cp1252, err);
  // Suggestions are asked for only for the forms that no look-up or analysis explains.
  s.spelling.in_results = false;
  std::string line;
  long number = 0;
  while (std::getline(in, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    reader.line(line, ++number);
  }
  out << kTextTableHeader;
  // The table is one request: each data file is checked on disk once for all its forms.
  const FileCache::QueryScope one_look_per_file(s.files);
  LowerRows known;
  for (const Form& f : reader.forms()) {
    const std::string row = row_text(f, look_up(s, f.word, known));
    out << (cp1252 ? row : cp1252_to_utf8(row));
  }
  out.flush();
  if (reader.forms().empty()) {
    err << "velimora-query: " << name << ": no words to look up\n";
    return false;
  }
  return !reader.skipped();
}

}  // namespace velimora
