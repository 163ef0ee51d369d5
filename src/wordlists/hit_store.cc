#include "wordlists/hit_store.h"

#include "wordlists/entry_rules.h"

namespace velimora {
namespace {

// Plain hits of kinds up to 9 are analysis readings and are not stored.
constexpr int kLowestPlainKind = 10;

void store_plain(Session& s, const LineReference& ref, const EntryHit& hit) {
  if (hit.kind < kLowestPlainKind) return;
  const HitRow row{hit.kind, ref.letter, ref.part, ref.line, hit.sense};
  if (s.q.f4.any([&](const HitRow& r) { return r == row; })) return;
  if (upd(s, ref.letter, hit.kind)) s.q.f4.add(row);
}

bool same_line(const StemHitRow& r, const LineReference& ref) {
  return r.letter == ref.letter && r.part == ref.part && r.line == ref.line;
}

// `maksi` (dictionary sides) and the equal-row test.
bool already_stored(const Session& s, const LineReference& ref, const EntryHit& hit) {
  const int length = static_cast<int>(hit.stem.size());
  const bool side = is_dictionary_side(ref.letter);
  return s.q.st.any([&](const StemHitRow& r) {
    if (r.stem_length != length || r.mark != hit.mark || r.stem != hit.stem || r.kind != hit.kind ||
        r.score != hit.score || r.danish_uses != hit.danish_uses || !same_line(r, ref)) {
      return false;
    }
    if (side) return true;  // `maksi`
    return r.score2 == hit.score2 && r.extra1 == hit.extra1 && r.flag == 0;
  });
}

void store_analysis(Session& s, std::string_view query, const LineReference& ref,
                    const EntryHit& hit) {
  if (!query.starts_with(hit.stem) || already_stored(s, ref, hit)) return;
  if (s.q.ns.empty()) s.q.ns.add(0);
  const int seq = --s.q.ns.front();
  s.q.st.add({.stem_length = static_cast<int>(hit.stem.size()),
              .seq = seq,
              .anchor = stan(s, ref, seq),
              .mark = hit.mark,
              .stem = hit.stem,
              .kind = hit.kind,
              .score = hit.score,
              .score2 = hit.score2,
              .form = hit.form,
              .extra1 = hit.extra1,
              .extra2 = hit.extra2,
              .letter = ref.letter,
              .part = ref.part,
              .line = ref.line,
              .flag = 0,
              .danish_uses = hit.danish_uses,
              .variant_length = hit.variant_length});
}

}  // namespace

void samme(Session& s, int analysis, std::string_view query, const LineReference& ref,
           const EntryHit& hit) {
  if (analysis == 0) {
    store_plain(s, ref, hit);
  } else {
    store_analysis(s, query, ref, hit);
  }
}

bool upd(Session& s, char letter, int kind) {
  std::size_t i = 0;
  while (i < s.q.ntq1.size() && (s.q.ntq1[i].letter != letter || s.q.ntq1[i].kind != kind))
    ++i;
  if (i == s.q.ntq1.size()) s.q.ntq1.add({letter, kind, 0, s.q.len0 ? s.q.len0->limit : 100});
  HitCountRow& counter = s.q.ntq1[i];
  if (counter.count >= counter.limit) return false;
  ++counter.count;
  return true;
}

int stan(const Session& s, const LineReference& ref, int seq) {
  const StemHitRow* first = s.q.st.find([&](const StemHitRow& r) { return same_line(r, ref); });
  return first != nullptr ? first->seq : seq;
}

}  // namespace velimora
