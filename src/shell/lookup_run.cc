#include "shell/lookup_run.h"

#include "lookup/analysis_search.h"
#include "lookup/suggestions.h"
#include "session/output_buffer.h"
#include "shell/query_signs.h"
#include "text/charclass.h"
#include "text/format.h"
#include "text/primitives.h"
#include "text/word_helpers.h"
#include "wordlists/list_helpers.h"
#include "wordlists/reverse_query.h"

namespace velimora {
namespace {

// Last letters that may be an ending's first letter (`fa`).
constexpr std::string_view kEndingLetters = "bcdefghjklmnprsStvwxz";

bool is_reverse(int number) {
  return number == kFinnishReverse || number == kDanishReverse;
}

// `spm0`: an analysis query starts from empty results and remembers its word.
void start_analysis(Session& s, const std::string& key) {
  s.q.mud.clear();
  s.q.f1.clear();
  s.q.f4.clear();
  s.q.st.clear();
  if (s.q.len0) s.q.len0->text = key;
  s.q.nb.set(300);
}

// `udleg`, first half: the two characters before split point k, reversed.
void add_split_before(Session& s, const std::string& key, int k) {
  std::string before;
  for (int i = k - 1; i >= 0 && i >= k - 2; --i)
    before += key[static_cast<std::size_t>(i)];
  before.resize(2, ' ');
  s.q.dlx.add({k, before});
}

// `udleg`, second half, for the split points 0 … last: the extra text of one or two
// characters after each and the empty one. The rows stand as putting each split point's rows
// in front would leave them (last split point first, longest text first), but are appended,
// so that a long word takes linear time.
void add_split_extras(Session& s, const std::string& key, const std::string& variant, int last) {
  const int n = static_cast<int>(key.size());
  for (int k = last; k >= 0; --k) {
    for (int len = 2; len >= 1; --len) {
      if (k + len > n) continue;
      std::string extra =
          key.substr(static_cast<std::size_t>(k), static_cast<std::size_t>(len)) +
          variant.substr(static_cast<std::size_t>(k), static_cast<std::size_t>(len));
      s.q.dl.add({k, extra, k + len});
    }
    s.q.dl.add({k, "", k});
  }
}

// `slt`: when a dictionary has a hit on an ordinary sense, hits of that dictionary on the
// senses numbered 200 and up are dropped.
void prune_high_senses(Session& s) {
  for (std::size_t i = 0; i < s.q.f4.size(); ++i) {
    const HitRow h = s.q.f4[i];
    if (h.code != kHitPlain || (h.letter != 'i' && h.letter != 'q' && h.letter != 't')) continue;
    // Only a hit on an ordinary sense prunes: a 2xx hit must not remove itself and its
    // siblings, or a word whose hits are all 2xx would vanish.
    if (h.sense >= 200) continue;
    s.q.f4.remove_if([&](const HitRow& r) {
      return r.code == kHitPlain && r.letter == h.letter && r.sense > 199;
    });
  }
}

bool has_code16(const Session& s) {
  return s.q.f4.any([](const HitRow& r) { return r.code == kHitPlain; });
}

}  // namespace

std::optional<NormalKey> fin2(std::string_view key) {
  if (key.empty()) return std::nullopt;
  std::size_t colon = key.find(':');
  if (colon != std::string_view::npos && text_to_int(key.substr(0, colon)) &&
      text_to_int(key.substr(colon + 1))) {
    if (std::optional<std::string> t = str0(key)) return NormalKey{*t, 2};
  }
  if (key[0] == '.') return NormalKey{std::string(key), 0};
  if (key[0] == '/') return NormalKey{std::string(key), 1};
  if (key.size() >= 3 && key[0] == '(' && is_digit(key[1]) && key[2] == ')') {
    return NormalKey{std::string(1, key[1]), 0};
  }
  std::optional<std::string> front = frontt(key);
  if (!front) return std::nullopt;
  return NormalKey{*front, 0};
}

bool nyord(Session& s, QueryState& q, int number, std::string_view key, int form_flag) {
  std::optional<NormalKey> normal = fin2(glang0(key, ' ').front);
  if (!normal) return false;
  const std::string& k = normal->key;
  if (normal->kind != 2 && !is_reverse(number) && s.shell.lix) *s.shell.lix = k;
  if (q.level > 0) start_analysis(s, k);
  s.q.clear_lookup_tables();
  LastSplit last = sidst1(k);
  if (last.length <= 0) return false;
  const bool ending_letter = kEndingLetters.find(last.last[0]) != std::string_view::npos;
  const int f = ending_letter ? 1 : 0;
  const char kept = ending_letter ? last.last[0] : ' ';
  const std::string variant = ensret(k);
  if (q.level > 0) {
    for (int i = 0; i <= last.length; ++i) s.q.nr.add({i, last.length - i});
    for (int i = 0; i <= last.length; ++i) add_split_before(s, k, i);
    add_split_extras(s, k, variant, last.length);
  }
  s.q.ns.add(0);
  SearchRequest search{q.mode, number, q.level, form_flag, q.data_prefix, k, variant};
  if (!finds0(s, search)) return false;
  pas(s, {q.data_prefix, q.side, q.level, k, variant, kept, last.length - f});
  q.key = k;
  return true;
}

bool opslag(Session& s, QueryState& q) {
  const std::string key = q.key;
  const bool has_word = has_token(key);
  if (q.level == 0 && has_word) {
    if (nyord(s, q, q.number, key, 1) && has_code16(s)) {
      if (q.comma == 0 || (q.comma == 1 && q.mode == 2)) prune_high_senses(s);
      q.u = 0, q.v = 1, q.w = 0;
      return true;
    }
    if (is_reverse(q.number)) {
      sus(s, "\n");
      return false;
    }
    std::string shown = q.key.empty() ? key : q.key;
    sus(s, "\n try ",
        format_text(" -%  or  --%\n", {std::string_view(shown), std::string_view(shown)}));
    sus(s, "  (double click / tap)\n");
    // Beside the analyses: the headwords the word may be a misspelling of.
    if (s.spelling.in_results) s.shown.suggestions = close_headwords(s, q.data_prefix, shown);
    if (!s.spelling.error.empty()) s.shown.messages.push_back(s.spelling.error);
    sus(s, suggestion_line(s.shown.suggestions), "\n");
    s.q.endret0.clear();
    return false;
  }
  if (nyord(s, q, 0, key, 0)) {
    s.q.endret0.clear();
    q.u = q.v = q.w = 0;
    return true;
  }
  if ((s.q.f1.empty() && s.q.f4.empty()) || !key.empty()) return false;
  q.key = s.q.len0 ? s.q.len0->text : std::string();
  q.u = q.level, q.v = 0, q.w = 1;
  return true;
}

}  // namespace velimora
