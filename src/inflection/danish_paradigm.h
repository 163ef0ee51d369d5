// What the grammatical remarks of a Danish article ({en; -er}, {-te}, {gik, gået},
// {stort, store; større, størst}) say about the forms of its headword: which endings the
// headword takes and which whole forms the article lists instead of a regular ending.
// Works on bytes, so the UTF-8 sources and the Windows-1252 data folder read alike.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace velimora::inflection {

// The uses of Danish endings, as bits. An ending row names the uses it serves; a word
// takes it when it licenses one of them.
enum DanishUse : unsigned {
  kDefiniteCommon = 1u << 0,     // bil-en, skole-n
  kDefiniteNeuter = 1u << 1,     // hus-et, æble-t
  kPluralEr = 1u << 2,           // bil-er
  kPluralR = 1u << 3,            // skole-r
  kPluralE = 1u << 4,            // hus-e
  kDefPluralErne = 1u << 5,      // bil-erne
  kDefPluralRne = 1u << 6,       // skole-rne
  kDefPluralEne = 1u << 7,       // hus-ene, mænd-ene
  kDefPluralNe = 1u << 8,        // bøger-ne, forældre-ne
  kGenitive = 1u << 9,           // bil-s
  kVerb = 1u << 10,              // present, present participle, passive, imperative
  kPastTe = 1u << 11,            // købte, købt
  kPastEde = 1u << 12,           // ventede, ventet
  kAdjective = 1u << 13,         // smuk-t, smukk-e
  kComparison = 1u << 14,        // smukk-ere, smukk-est, smukk-este
  kAfterSuperlative = 1u << 15,  // størst-e
};
inline constexpr unsigned kAnyDanishUse = (1u << 16) - 1;
// Not an ending use: set beside the uses of a variant that is a form the remarks list (gør,
// gjorde, mænd), which the analysis does not take as the first part of a compound.
inline constexpr unsigned kListedForm = 1u << 16;
// A verb by its remarks ({-te}, {gik, gået}); outside kAnyDanishUse, so that the bare-stem
// forms (imperative skriv, short form kom) are read only on such a word: on a word without
// remarks the bare stem is mostly a false reading (en from the adverb ene).
inline constexpr unsigned kMarkedVerb = 1u << 17;

// The use named in the morphology tables ("def-common" ...), or nothing.
std::optional<unsigned> danish_use_named(std::string_view name);

// A whole form an article lists (an irregular plural, past, participle or comparison) with
// the uses it licenses itself (bøger: definite plural -ne and the genitive).
struct DanishListedForm {
  std::string word;
  unsigned uses = 0;
  bool operator==(const DanishListedForm&) const = default;
};

struct DanishParadigm {
  // What the headword takes; kAnyDanishUse when the article has no grammatical remark.
  unsigned head_uses = kAnyDanishUse;
  // Irregular forms in the order the remarks list them, each once, none equal to the head.
  std::vector<DanishListedForm> forms;
};

// Reads every remark {...} of the article text (the text after the headword) of `head`.
// Remarks that are no grammar ({flertal} excepted, which marks a plural-only noun, and
// {taipumaton}, a word that takes no ending) are passed over.
DanishParadigm danish_paradigm(std::string_view head, std::string_view text);

}  // namespace velimora::inflection
