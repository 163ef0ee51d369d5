#include "inflection/ficc0.h"

#include "inflection/danish_rules.h"
#include "inflection/finnish_rules.h"
#include "inflection/letters.h"

namespace velimora::inflection {

StemQuery make_stem_query(char mode, std::string_view word, char class_code,
                          std::string_view form) {
  StemQuery q;
  q.mode = mode;
  q.word = word;
  q.length = static_cast<int>(word.size());
  q.front = drop_back(word, 1);
  q.last = back_text(word, 1);
  q.form = form;
  q.class_code = class_code;
  const std::size_t head_length = word.empty() ? 0 : word.size() - 1;
  if (head_length <= form.size()) {
    q.head = form.substr(0, head_length);
    q.tail = form.substr(head_length);
  } else {
    q.head = form;
    q.tail = kNoTailMarker;
  }
  return q;
}

namespace {

// The number of first letters that word and text share.
std::size_t shared_beginning(std::string_view word, std::string_view text) {
  std::size_t i = 0;
  while (i < word.size() && i < text.size() && word[i] == text[i]) ++i;
  return i;
}

// Whether the least that the rules of the mode keep of word (the Finnish test given the
// number of shared letters) lies within what word shares with text; a word shared in full
// always may.
template <class FinnishWithin>
bool kept_within(char mode, std::string_view word, std::string_view text,
                 FinnishWithin finnish_within) {
  const bool finnish = mode == 'i' || mode == 'c';
  if (!finnish && mode != 't' && mode != 'r') return false;
  const std::size_t agree = shared_beginning(word, text);
  if (agree == word.size()) return true;
  return finnish ? finnish_within(agree) : danish_least_kept(word) <= agree;
}

}  // namespace

bool may_begin(char mode, std::string_view word, char class_code, std::string_view text) {
  return kept_within(mode, word, text, [&](std::size_t agree) {
    return finnish_least_kept_within(class_code, word, agree);
  });
}

std::optional<std::size_t> least_kept(char mode, std::string_view word, char class_code) {
  if (mode == 'i' || mode == 'c') return finnish_least_kept(class_code, word);
  if (mode == 't' || mode == 'r') return danish_word_least_kept(word);
  return std::nullopt;
}

bool words_beginning_may_begin(char mode, std::string_view head, std::string_view text) {
  if (mode == 'i' || mode == 'c') return finnish_beginning_may_begin(head, text);
  // A word that begins with head shares just these letters with text, unless head is all shared.
  return kept_within(mode, head, text, [](std::size_t) { return false; });  // not Finnish
}

bool ficc0_traced(const StemQuery& q, TracedCandidateSink sink) {
  if (q.length < 0 || q.word.size() != static_cast<std::size_t>(q.length)) return true;
  // With `within` set, the rules that keep more of the word than it shares with that text are
  // not tried (their stems could not begin it) and the other stems are tested before joining.
  const std::size_t agree =
      q.within ? shared_beginning(q.word, *q.within) : std::string_view::npos;
  auto wanted = [&](const StemParts& stem) { return !q.within || stem.is_prefix_of(*q.within); };
  StemCandidate candidate;  // reused for every candidate of the call
  switch (q.mode) {
    case 'i':
    case 'c': {
      FinnishInput input{q.word, q.length, q.front, q.form, q.head, q.tail, q.last, q.class_code};
      input.agree = agree;
      return ficc(input, [&](const FinnishAlt& alt) {
        if (!wanted(alt.stem)) return true;
        alt.stem.assign_to(candidate.stem);
        candidate.alternation = alt.cls;
        candidate.mark.assign(alt.mark);
        candidate.weight = alt.weight;
        return sink(candidate, alt.rule);
      });
    }
    case 't':
    case 'r':
      return ficd(
          q.word, q.length, q.front, q.head, q.tail, q.last,
          [&](const DanishAlt& alt) {
            if (!wanted(alt.stem)) return true;
            alt.stem.assign_to(candidate.stem);
            candidate.alternation = 0;
            candidate.mark.assign(alt.mark);
            candidate.weight = 0;
            return sink(candidate, alt.rule);
          },
          agree);
    default:
      return true;
  }
}

bool ficc0(const StemQuery& q, CandidateSink sink) {
  return ficc0_traced(q, [&](const StemCandidate& c, int) { return sink(c); });
}

std::vector<StemCandidate> ficc0_all(const StemQuery& q) {
  std::vector<StemCandidate> all;
  ficc0(q, [&](const StemCandidate& c) {
    all.push_back(c);
    return true;
  });
  return all;
}

bool stems(char mode, std::string_view word, char class_code, std::string_view form,
           CandidateSink sink) {
  return ficc0(make_stem_query(mode, word, class_code, form), sink);
}

std::vector<StemCandidate> stems_all(char mode, std::string_view word, char class_code,
                                     std::string_view form) {
  return ficc0_all(make_stem_query(mode, word, class_code, form));
}

}  // namespace velimora::inflection
