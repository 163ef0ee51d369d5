#include "wordlists/entry_match.h"

#include <algorithm>
#include <initializer_list>
#include <iterator>

#include "inflection/danish_paradigm.h"
#include "inflection/ficc0.h"
#include "inflection/finnish_rules.h"
#include "wordlists/entry_rules.h"
#include "wordlists/list_helpers.h"

namespace velimora {
namespace {

// The display modes as a set of bits.
constexpr unsigned modes(std::initializer_list<int> list) {
  unsigned bits = 0;
  for (int m : list)
    bits |= 1u << m;
  return bits;
}

// The kind of a plain hit on an index list, and the display modes in which a plain lookup
// shows that list directly (kHitPlain).
struct PlainKind {
  char letter;
  int kind;
  unsigned direct_modes;
};
constexpr PlainKind kPlainKinds[] = {
    {.letter = 'o', .kind = kHitFinnishInI, .direct_modes = modes({0, 1, 2, 7})},
    {.letter = 'n', .kind = kHitDanishInT, .direct_modes = modes({0, 1, 2, 7})},
    {.letter = 's', .kind = kHitFinnishInT, .direct_modes = modes({4})},
    {.letter = 'q', .kind = kHitListQ, .direct_modes = modes({0})},
    {.letter = 'y', .kind = kHitDanishInI, .direct_modes = modes({5})},
    {.letter = 'w', .kind = kHitListW, .direct_modes = modes({0})},
};

// One-letter words: a i o u y, and a` ae oe aa a: o: in code page 850 and in Windows-1252 (the
// dictionary's own encoding: with the 850 bytes alone the Danish words aa and oe never matched).
constexpr std::string_view kOneLetterWords[] = {
    "a",    "i",    "o",    "u",    "y",              //
    "\x85", "\x91", "\x9B", "\x86", "\x84", "\x94",   // code page 850
    "\xE0", "\xE6", "\xF8", "\xE5", "\xE4", "\xF6"};  // Windows-1252
static_assert(std::all_of(std::begin(kOneLetterWords), std::end(kOneLetterWords),
                          [](std::string_view w) { return w.size() == 1; }));

// The no-tail marker and the compound mark of the matcher.
constexpr std::string_view kCompoundMark = "#  ";
constexpr std::string_view kOneLetterMark = "   ";

bool compound_first_part(std::string_view v, char code, std::string_view word,
                         const VariantHitSink& sink) {
  if (v.empty() || v.back() != '-') return true;
  std::string_view front = v.substr(0, v.size() - 1);
  if (!word.starts_with(front) || word.size() <= front.size()) return true;
  const std::string stem(word[front.size()] == '-' ? v : front);
  return sink({.kind = 9,
               .stem = stem,
               .form = stem,
               .mark = std::string(kCompoundMark),
               .harmony = 0,
               .bonus = 0,
               .position = code == '1' ? 5 : 2});
}

bool inflected_forms(char letter, std::string_view v, char code, std::string_view word,
                     std::optional<std::string_view> stems_within, const VariantHitSink& sink) {
  std::optional<ClassCode> cls = c0k(code, letter);
  if (!cls || v.size() < 2) return true;
  // Most variants of the lines a search reads share too little with the query for any stem.
  if (stems_within && !inflection::may_begin(letter, v, cls->class_char, *stems_within)) {
    return true;
  }
  if (!vokal(v, ' ')) return true;
  // The harmony is worked out for the first candidate kept: most variants yield none.
  std::optional<int> harmony;
  inflection::StemQuery query = inflection::make_stem_query(letter, v, cls->class_char, word);
  query.within = stems_within;  // the other candidates are not made
  return inflection::ficc0(query, [&](const inflection::StemCandidate& c) {
    if (!harmony) harmony = is_finnish_side(letter) ? harm(v) : 0;
    std::string form = c.stem;
    form += ne2(letter, c.weight, c.stem, c.mark, v);
    return sink(
        {.kind = c.weight,
         .stem = c.stem,
         .form = std::move(form),
         .mark = c.mark + "  ",
         .harmony = *harmony,
         .bonus = cls->bonus,
         .position = (c.alternation % 3) * 100 + fix(letter, code, c.alternation, c.weight)});
  });
}

bool one_letter_word(char letter, std::string_view v, char code, std::string_view word,
                     const VariantHitSink& sink) {
  if (v.size() != 1) return true;  // every one-letter word is one byte (asserted at the list)
  bool one_letter = false;
  for (std::string_view w : kOneLetterWords)
    one_letter = one_letter || v == w;
  if (!one_letter) return true;
  std::optional<ClassCode> cls = c0k(code, letter);
  if (!cls || !word.starts_with(v)) return true;
  return sink({.kind = cls->kind,
               .stem = std::string(v),
               .form = std::string(v),
               .mark = std::string(kOneLetterMark),
               .harmony = 0,
               .bonus = cls->bonus,
               .position = 2});
}

// The endings a variant of a Danish article takes: the headword's by its remarks, a listed
// form its own (marked as listed); any ending where the remarks say nothing (and on the
// Finnish sides).
unsigned danish_uses(char letter, std::string_view variant, std::string_view head,
                     const inflection::DanishParadigm& p) {
  if (is_finnish_side(letter) || head.ends_with('-')) return inflection::kAnyDanishUse;
  if (variant == head) return p.head_uses;
  for (const inflection::DanishListedForm& f : p.forms) {
    if (f.word == variant) return f.uses | inflection::kListedForm;
  }
  return inflection::kAnyDanishUse;
}

// The analysis way: every head variant, the last one first.
bool analysis_way(const EntryLine& e, const EntryHitSink& sink) {
  // Reused from line to line so that reading a line's variants allocates no new list; the
  // matcher does not call itself, so one chain per thread suffices.
  static thread_local VariantChain chain;
  read_variants(e.letter, e.head, e.body, chain);
  const int dot = (e.letter == 'c' && chain.tail.starts_with('.')) ? 1 : 0;
  const int base = score_base(e.letter);
  // The paradigm and the endings of a variant are read at its first hit: most lines have none.
  std::optional<inflection::DanishParadigm> paradigm;
  for (auto v = chain.variants.rbegin(); v != chain.variants.rend(); ++v) {
    std::optional<unsigned> uses;
    auto hit = [&](const VariantHit& h) {
      if (!uses) {
        if (!paradigm) {
          paradigm = is_finnish_side(e.letter) ? inflection::DanishParadigm()
                                               : inflection::danish_paradigm(e.head, chain.tail);
        }
        uses = danish_uses(e.letter, v->word, e.head, *paradigm);
      }
      return sink({.kind = h.kind,
                   .stem = h.stem,
                   .mark = h.mark,
                   .score = 10 * h.harmony + base - dot + h.position,
                   .score2 = 10000 + h.bonus,
                   .form = h.form,
                   .extra1 = "",
                   .extra2 = "",
                   .sense = e.sense,
                   .danish_uses = *uses,
                   .variant_length = static_cast<int>(v->word.size())});
    };
    if (!fiv1(e.letter, v->word, v->code, e.word, hit, e.stems_within)) return false;
  }
  return true;
}

// A hit with the score of a plain hit.
EntryHit plain_hit(int kind, std::string_view stem, int sense) {
  return {.kind = kind,
          .stem = std::string(stem),
          .mark = "",
          .score = 9000,
          .score2 = 0,
          .form = "",
          .extra1 = "",
          .extra2 = "",
          .sense = sense};
}

// The whole-part way: an empty word lists the entries of the parts read in full.
bool whole_part_way(Session& s, const EntryLine& e, const EntryHitSink& sink) {
  if (e.analysis != 0 || !e.word.empty() || (e.letter != 'i' && e.letter != 't') ||
      e.head.empty()) {
    return true;
  }
  if (!s.startup.fi.any([&](const FullPartRow& r) { return r.letter == e.letter; })) return true;
  s.q.no.clear();
  s.q.no.add(0);
  const int kind =
      e.form_flag == 1 ? kHitPlain : (e.letter == 'i' ? kHitFinnishInI : kHitDanishInT);
  return sink(plain_hit(kind, "", 0));
}

// The fewest first letters of the head that a text sharing fewer than all of them must share
// for the variant (which begins with the head) to give a stem that begins the text, each way
// tested as the matcher does; the head's length when no fewer may.
std::size_t variant_least_shared(char letter, std::string_view head, const HeadVariant& v) {
  if (!v.word.starts_with(head)) return 0;
  std::size_t least = head.size();
  // The compound way's stem is the whole variant, or all of it but its hyphen.
  if (v.word.ends_with('-')) least = std::min(least, v.word.size() - 1);
  // The one-letter way's stem is the whole variant, so all of a head of at most one letter.
  std::optional<ClassCode> cls = c0k(v.code, letter);
  if (!cls || v.word.size() < 2 || !vokal(v.word, ' ')) return least;
  const std::optional<std::size_t> kept = inflection::least_kept(letter, v.word, cls->class_char);
  return kept ? std::min(least, *kept) : least;
}

}  // namespace

// Every variant begins with the head when the body names no other word with ">" (the variants
// are then the head and the head + a suffix): a text that parts from the head within it
// shares just as many letters with each variant.
std::size_t least_shared_for_stems(char letter, std::string_view head, std::string_view body) {
  if (!is_dictionary_side(letter) || body.find('>') != std::string_view::npos) return 0;
  const VariantChain chain = read_variants(letter, head, body);
  std::size_t least = head.size();
  for (const HeadVariant& v : chain.variants)
    least = std::min(least, variant_least_shared(letter, head, v));
  return least;
}

bool line_may_give_stems(char letter, std::string_view head, std::string_view body,
                         std::string_view text) {
  std::size_t shared = 0;
  while (shared < head.size() && shared < text.size() && head[shared] == text[shared])
    ++shared;
  return shared >= least_shared_for_stems(letter, head, body);
}

int plain_kind(char letter, int form_flag, int selector) {
  for (const PlainKind& k : kPlainKinds) {
    if (k.letter != letter) continue;
    const bool direct =
        form_flag == 1 && selector >= 0 && selector < 32 && (k.direct_modes >> selector & 1u) != 0;
    return direct ? kHitPlain : k.kind;
  }
  return 0;
}

bool fiv1(char letter, std::string_view v, char code, std::string_view word,
          const VariantHitSink& sink, std::optional<std::string_view> stems_within) {
  // The compound and one-letter ways are rare; their hits are filtered as they come.
  auto within_query = [&](const VariantHit& h) {
    return (stems_within && !stems_within->starts_with(h.stem)) || sink(h);
  };
  const VariantHitSink within = within_query;
  const VariantHitSink& rare = stems_within ? within : sink;
  return compound_first_part(v, code, word, rare) &&
         inflected_forms(letter, v, code, word, stems_within, sink) &&
         one_letter_word(letter, v, code, word, rare);
}

bool fiv(Session& s, const EntryLine& e, const EntryHitSink& sink) {
  // A plain search stores no analysis reading (kinds up to 9), so it skips the analysis way.
  if (e.form_flag == 0 && e.analysis != 0 && is_dictionary_side(e.letter) &&
      !analysis_way(e, sink)) {
    return false;
  }
  if (e.analysis == 0 && e.head == e.word) {
    const int kind = plain_kind(e.letter, e.form_flag, e.selector);
    if (kind != 0 && !sink(plain_hit(kind, e.head, e.sense))) return false;
  }
  return whole_part_way(s, e, sink);
}

}  // namespace velimora
