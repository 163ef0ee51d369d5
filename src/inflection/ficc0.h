// The entry of the inflection analysis: ficc0.
//
//   #include "inflection/ficc0.h"
//   using namespace velimora::inflection;
//   // From the raw inputs (what the command line --stems needs):
//   stems('i', "kukka", ' ', "kukan", [](const StemCandidate& c) { ...; return true; });
//   // Or with the inputs already derived, as the entry matcher calls it:
//   ficc0(make_stem_query('i', "kukka", ' ', "kukan"), sink);
//
// Candidates come in rule order; the sink returns false to stop early.
#pragma once

#include <cstddef>
#include <optional>
#include <string_view>
#include <vector>

#include "inflection/function_ref.h"
#include "inflection/stem_candidate.h"

namespace velimora::inflection {

// Derives length, front, head, tail and last from (mode, word, class code, form) exactly as the
// entry matcher does: n = the length of the word; front = the word without its last
// letter; last = its last letter; head = the first n-1 letters of the form and tail = the rest,
// or, when the form has fewer than n-1 letters, head = the whole form and tail = the no-tail
// marker "\xCF". All views point into word, form or a static constant.
StemQuery make_stem_query(char mode, std::string_view word, char class_code,
                          std::string_view form);
// The same with the form before the class code.
inline StemQuery make_stem_query(char mode, std::string_view word, std::string_view form,
                                 char class_code) {
  return make_stem_query(mode, word, class_code, form);
}

// ficc0: yields the stem candidates of the query in rule order: the 37 Finnish rules for
// modes 'i' and 'c', the 11 Danish rules (alternation class 0, weight 0) for modes 't' and 'r',
// nothing for any other mode; with query.within set, only those whose stem begins that text.
// Returns false when the sink stopped it. The sink may be any
// callable taking const StemCandidate& and returning bool (a lambda, a std::function ...); the
// candidate it receives is reused between calls, so the sink must copy what it keeps.
// Precondition: length == word.size() (otherwise nothing is yielded).
bool ficc0(const StemQuery& query, CandidateSink sink);

// False when no candidate of ficc0 for (mode, word, class code) can begin text, whatever the
// form: every rule for them keeps more of the word's beginning than it shares with text. A
// cheap test that spares the call of ficc0 with `within` set to text.
bool may_begin(char mode, std::string_view word, char class_code, std::string_view text);

// The fewest first letters of word that a candidate of ficc0 for (mode, word, class code)
// keeps, whatever the form; nothing when no rule applies to them.
std::optional<std::size_t> least_kept(char mode, std::string_view word, char class_code);

// False when no candidate of ficc0 in the mode, in any class and whatever the form, for any
// word that begins with head can begin text, where text parts from head within it.
bool words_beginning_may_begin(char mode, std::string_view head, std::string_view text);

// The same, also handing over the number of the rule that produced each candidate (Finnish rules
// 1-37, Danish rules 1-11); meant for tracing and diagnostics.
using TracedCandidateSink = FunctionRef<bool(const StemCandidate&, int rule)>;
bool ficc0_traced(const StemQuery& query, TracedCandidateSink sink);

// Every candidate of ficc0, collected in order.
std::vector<StemCandidate> ficc0_all(const StemQuery& query);

// make_stem_query + ficc0: the candidates of a dictionary word (with its class code) and a
// typed form.
bool stems(char mode, std::string_view word, char class_code, std::string_view form,
           CandidateSink sink);
std::vector<StemCandidate> stems_all(char mode, std::string_view word, char class_code,
                                     std::string_view form);

}  // namespace velimora::inflection
