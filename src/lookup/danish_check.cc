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

}  // namespace

bool danish_uses_agree(const Session& s, std::string_view refs) {
  const StemHitRow* last = nullptr;
  int hits = 0;
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
    if (row != nullptr && (row->uses & last->danish_uses) == 0) return false;
  }
  if (hits < 2 || last == nullptr) return true;
  return last->danish_uses != inflection::kAnyDanishUse ||
         last->variant_length >= kMinBareCompoundPart;
}

}  // namespace velimora
