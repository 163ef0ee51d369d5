#include "inflection/danish_paradigm.h"

#include <algorithm>

namespace velimora::inflection {
namespace {

struct NamedUse {
  std::string_view name;
  unsigned use;
};
constexpr NamedUse kNamedUses[] = {
    {"def-common", kDefiniteCommon},
    {"def-neuter", kDefiniteNeuter},
    {"pl-er", kPluralEr},
    {"pl-r", kPluralR},
    {"pl-e", kPluralE},
    {"defpl-erne", kDefPluralErne},
    {"defpl-rne", kDefPluralRne},
    {"defpl-ene", kDefPluralEne},
    {"defpl-ne", kDefPluralNe},
    {"gen", kGenitive},
    {"verb", kVerb},
    {"marked-verb", kMarkedVerb},
    {"past-te", kPastTe},
    {"past-ede", kPastEde},
    {"adj", kAdjective},
    {"comparison", kComparison},
    {"after-superlative", kAfterSuperlative},
};

// What a remark that makes the headword a verb licenses: the verb endings and the bare-stem forms.
constexpr unsigned kVerbByRemark = kVerb | kMarkedVerb;

// A remark cut at ";" into groups and at "," into items, blanks trimmed.
using Groups = std::vector<std::vector<std::string_view>>;

std::string_view trim(std::string_view s) {
  while (!s.empty() && s.front() == ' ')
    s.remove_prefix(1);
  while (!s.empty() && s.back() == ' ')
    s.remove_suffix(1);
  return s;
}

std::vector<std::string_view> split(std::string_view s, char sep) {
  std::vector<std::string_view> out;
  for (;;) {
    std::size_t at = s.find(sep);
    out.push_back(trim(s.substr(0, at)));
    if (at == s.npos) return out;
    s.remove_prefix(at + 1);
  }
}

Groups groups_of(std::string_view remark) {
  Groups g;
  for (std::string_view group : split(remark, ';'))
    g.push_back(split(group, ','));
  return g;
}

// A word of a remark: no blank, no sign of its own (a suffix "-er" or "=" is no word).
bool is_word(std::string_view s) {
  return !s.empty() && s.find_first_of(" -=.()") == s.npos;
}

bool all_words(const std::vector<std::string_view>& items) {
  return std::all_of(items.begin(), items.end(), is_word);
}

bool is_gender(std::string_view s) {
  return s == "en" || s == "et";
}

// The head without a final e: the stem regular endings attach to (vente → vent).
std::string_view stem_of(std::string_view head) {
  return head.ends_with('e') ? head.substr(0, head.size() - 1) : head;
}

// True when `form` is `base` + one of the endings, also with the last letter of base doubled
// (smuk → smukke, smukkere).
bool regular(std::string_view base, std::string_view form,
             std::initializer_list<std::string_view> endings) {
  for (std::string_view e : endings) {
    if (form == std::string(base) + std::string(e)) return true;
    if (!base.empty() && form == std::string(base) + base.back() + std::string(e)) return true;
  }
  return false;
}

class Reader {
 public:
  explicit Reader(std::string_view head) : head_(head) {}

  // Reads one remark; false when it is no grammar.
  bool read(std::string_view remark) {
    const Groups g = groups_of(remark);
    if (g.size() == 1 && g[0].size() == 1 && g[0][0] == "flertal") {
      uses_ |= kDefPluralNe | kGenitive;  // bukser-ne
      return true;
    }
    // {taipumaton}: a pronoun or adverb that takes no ending (vi is no genitive in vis).
    if (g.size() == 1 && g[0].size() == 1 && g[0][0] == "taipumaton") return true;
    if (std::all_of(g[0].begin(), g[0].end(), is_gender)) return noun(g);
    if (g.size() == 1 && g[0].size() == 1) return verb_suffix(g[0][0]);
    if (g.size() == 1 && all_words(g[0])) return words(g[0]);
    if (g.size() == 2 && all_words(g[0]) && all_words(g[1])) return adjective(g[0], g[1]);
    return false;
  }

  unsigned uses() const { return uses_; }
  std::vector<DanishListedForm> take_forms() { return std::move(forms_); }

 private:
  void list(std::string_view word, unsigned uses) {
    if (word == head_) return;
    auto same = [&](const DanishListedForm& f) { return f.word == word; };
    auto it = std::find_if(forms_.begin(), forms_.end(), same);
    if (it != forms_.end()) {
      it->uses |= uses;
    } else {
      forms_.push_back({std::string(word), uses});
    }
  }

  // {en; -er}, {et; =}, {en; bøger}, {en}
  bool noun(const Groups& g) {
    if (g.size() > 2) return false;
    unsigned u = kGenitive;
    for (std::string_view gender : g[0])
      u |= gender == "en" ? kDefiniteCommon : kDefiniteNeuter;
    if (g.size() == 2) {
      for (std::string_view plural : g[1]) {
        if (plural == "=" || plural == head_) {
          u |= kDefPluralEne;  // fisk, fiskene
        } else if (plural.starts_with('-')) {
          u |= plural.ends_with("er")  ? kPluralEr | kDefPluralErne
               : plural.ends_with('r') ? kPluralR | kDefPluralRne
               : plural.ends_with('e') ? kPluralE | kDefPluralEne
                                       : 0u;
        } else if (is_word(plural)) {
          // bøger-ne, øjne-ne; mænd-ene, børn-ene
          const bool ne = plural.ends_with('e') || plural.ends_with('r');
          list(plural, (ne ? kDefPluralNe : kDefPluralEne) | kGenitive);
        }
      }
    }
    uses_ |= u;
    return true;
  }

  // {-te}, {-ede}
  bool verb_suffix(std::string_view s) {
    if (s == "-te") {
      uses_ |= kVerbByRemark | kPastTe;
    } else if (s == "-ede" || s == "-de") {
      uses_ |= kVerbByRemark | kPastEde;
    } else {
      return false;
    }
    return true;
  }

  // {gik, gået}, {gør, gjorde, gjort}; {nyt, nye}; {flere, flest}
  bool words(const std::vector<std::string_view>& w) {
    if (w.size() == 2 && w[0].ends_with("re") && w[1].ends_with("st")) {
      comparison(w[0], w[1]);
      uses_ |= kAdjective;
      return true;
    }
    if (w.size() == 2 && w[0].ends_with('t') && w[1].ends_with('e')) {
      neuter_definite(w[0], w[1]);
      uses_ |= kComparison;
      return true;
    }
    if (w.size() != 2 && w.size() != 3) return false;
    const std::string_view past = w[w.size() - 2];
    const std::string_view participle = w.back();
    const std::string_view stem = stem_of(head_);
    unsigned u = kVerbByRemark;
    if (regular(stem, past, {"te"}) && regular(stem, participle, {"t"})) {
      u |= kPastTe;  // tale: talte, talt
    } else if (regular(stem, past, {"ede"}) && regular(stem, participle, {"et"})) {
      u |= kPastEde;
    } else {
      list(past, 0);
      list(participle, 0);
    }
    if (w.size() == 3) list(w[0], 0);  // the present: gør, har
    uses_ |= u;
    return true;
  }

  // {stort, store; større, størst}, {små; mindre, mindst}
  bool adjective(const std::vector<std::string_view>& plain,
                 const std::vector<std::string_view>& compared) {
    if (compared.size() != 2 || !compared[0].ends_with("re") || !compared[1].ends_with("st"))
      return false;
    if (plain.size() == 2) {
      neuter_definite(plain[0], plain[1]);
    } else if (plain.size() == 1) {
      list(plain[0], 0);  // små
    } else {
      return false;
    }
    comparison(compared[0], compared[1]);
    return true;
  }

  void neuter_definite(std::string_view neuter, std::string_view definite) {
    if ((neuter == head_ || regular(head_, neuter, {"t"})) && regular(head_, definite, {"e", ""})) {
      uses_ |= kAdjective;
      return;
    }
    list(neuter, 0);
    list(definite, 0);
  }

  void comparison(std::string_view comparative, std::string_view superlative) {
    const std::string_view stem = stem_of(head_);
    if (regular(stem, comparative, {"ere", "re"}) && regular(stem, superlative, {"est", "st"})) {
      uses_ |= kComparison;
      return;
    }
    list(comparative, 0);
    list(superlative, kAfterSuperlative);  // størst-e
  }

  std::string_view head_;
  unsigned uses_ = 0;
  std::vector<DanishListedForm> forms_;
};

}  // namespace

std::optional<unsigned> danish_use_named(std::string_view name) {
  for (const NamedUse& n : kNamedUses) {
    if (n.name == name) return n.use;
  }
  return std::nullopt;
}

DanishParadigm danish_paradigm(std::string_view head, std::string_view text) {
  Reader reader(head);
  bool grammar = false;
  for (std::size_t open = text.find('{'); open != text.npos; open = text.find('{', open + 1)) {
    const std::size_t close = text.find('}', open);
    if (close == text.npos) break;
    grammar = reader.read(text.substr(open + 1, close - open - 1)) || grammar;
    open = close;
  }
  DanishParadigm p;
  if (grammar) p.head_uses = reader.uses();
  p.forms = reader.take_forms();
  return p;
}

}  // namespace velimora::inflection
