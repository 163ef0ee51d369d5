#include "lookup/danish_check.h"

#include "inflection/danish_paradigm.h"
#include "text/word_helpers.h"

namespace velimora {
namespace {

// One group of a reference list: the index number and its kind.
struct Reference {
  int number = 0;
  int kind = 0;
};

// The groups in order; a trailing incomplete group is dropped.
std::vector<Reference> references(std::string_view refs) {
  std::vector<Reference> out;
  std::string_view rest = refs;
  for (;;) {
    std::optional<IntAndRest> g1 = ftal(0, rest);
    if (!g1) break;
    std::optional<IntAndRest> g2 = ftal(0, g1->rest);
    if (!g2) break;
    std::optional<IntAndRest> g3 = ftal(1, g2->rest);
    if (!g3) break;
    std::optional<IntAndRest> g4 = ftal(0, g3->rest);
    if (!g4) break;
    out.push_back({g3->n, g4->n});
    rest = g4->rest;
  }
  return out;
}

// The uses a hit licenses. A word whose article has no grammatical remark is no noun or verb
// of the dictionary (those always carry one) but an adjective, adverb, numeral or the like:
// it takes the adjective endings and the genitive (varm-t, vid-e), not the noun and verb
// endings (bag is no plural bag-er).
unsigned licensed(const StemHitRow& hit) {
  using namespace inflection;
  constexpr unsigned kUnmarkedWordUses = kAdjective | kComparison | kAfterSuperlative | kGenitive;
  return hit.danish_uses == kAnyDanishUse ? kUnmarkedWordUses : hit.danish_uses;
}

// Does the word of `hit` take the ending of `row`: a use it licenses, after a word ending
// the row asks for?
bool takes(const StemHitRow& hit, const DanishUseRow& row) {
  if ((row.uses & licensed(hit)) == 0) return false;
  if (row.after.empty()) return true;
  for (std::size_t at = 0; at <= row.after.size();) {
    std::size_t end = std::min(row.after.find(',', at), row.after.size());
    if (hit.form.ends_with(std::string_view(row.after).substr(at, end - at))) return true;
    at = end + 1;
  }
  return false;
}

}  // namespace

const StemHitRow* sole_stem_hit(const Session& s, std::string_view refs) {
  std::optional<int> stem;
  for (const Reference& r : references(refs)) {
    if (r.number >= 0) continue;
    if (stem) return nullptr;
    stem = r.number;
  }
  if (!stem) return nullptr;
  return s.q.st.find([&](const StemHitRow& h) { return h.seq == *stem; });
}

bool danish_uses_agree(const Session& s, std::string_view refs) {
  const StemHitRow* last = nullptr;
  int hits = 0;
  bool alone = false;  // an ending that no compound ends in has been met
  for (const Reference& r : references(refs)) {
    if (r.number < 0) {
      // gør + te is no compound: an inflected form the article lists stands alone.
      if (last != nullptr && (last->danish_uses & inflection::kListedForm) != 0) return false;
      last = s.q.st.find([&](const StemHitRow& h) { return h.seq == r.number; });
      ++hits;
      continue;
    }
    if (r.kind != 0 || last == nullptr) continue;
    const DanishUseRow* row =
        s.startup.du.find([&](const DanishUseRow& d) { return d.key == r.number; });
    if (row != nullptr && !takes(*last, *row)) return false;
    alone = alone || (row != nullptr && row->alone);
  }
  if (hits < 2 || last == nullptr) return true;
  if (alone) return false;
  return last->danish_uses != inflection::kAnyDanishUse ||
         last->variant_length >= kMinBareCompoundPart;
}

}  // namespace velimora
