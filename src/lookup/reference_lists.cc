#include "lookup/reference_lists.h"

#include "lookup/article_text.h"
#include "lookup/index_entries.h"
#include "session/output_buffer.h"
#include "text/format.h"
#include "text/word_helpers.h"

namespace velimora {
namespace {

// An analysis hit of a dictionary side shows the sense its line holds; others the whole line.
bool is_dictionary_side(char letter) {
  return letter == 'i' || letter == 'c' || letter == 't' || letter == 'r';
}

std::optional<ReferenceLine> article_reference(Session& s, std::string_view data_prefix, int ref) {
  const StemHitRow* hit = s.q.st.find([ref](const StemHitRow& r) { return r.seq == ref; });
  if (hit == nullptr) return std::nullopt;
  ArticleRef where{hit->letter, hit->part, hit->line, is_dictionary_side(hit->letter) ? 1 : 0};
  std::optional<FetchedArticle> article = find4(s, 0, data_prefix, 0, where);
  if (!article) return std::nullopt;
  ShownArticle shown = shown_article(where, *article);
  return ReferenceLine{std::move(article->text), article->kind, std::move(shown)};
}

std::optional<ReferenceLine> index_reference(Session& s, std::string_view data_prefix, char side,
                                             int ref, int kind) {
  std::optional<IndexLine> entry = fmb(s, data_prefix, side, ref, kind);
  if (!entry || entry->tail.empty()) return std::nullopt;
  Cut target = glang0(entry->tail, '>');
  const std::string number =
      !entry->first_raw.empty() && entry->first_raw[0] == ','
          ? format_text("%0%.", {std::string_view(entry->first_raw).substr(1),
                                 static_cast<long long>(kind)})
          : format_text(".%0%", {std::string_view(entry->first_raw), static_cast<long long>(kind)});
  return ReferenceLine{
      format_text("  <%  %> %", {std::string_view(number), target.front, target.rest}), 13,
      std::nullopt};
}

// The line under the analysis being written: an article it rests on, or an ending.
void record_reference_line(Session& s, ReferenceLine& line) {
  if (s.shown.analyses.empty()) s.shown.analyses.emplace_back();
  ShownAnalysis& a = s.shown.analyses.back();
  if (line.article) {
    a.base_words.push_back(std::move(*line.article));
  } else {
    a.endings.push_back(line.text);
  }
}

}  // namespace

std::optional<ReferenceLine> find1(Session& s, std::string_view data_prefix, char side, int flag,
                                   int ref, int kind) {
  if (ref < 0) return article_reference(s, data_prefix, ref);
  if (flag == 1) return std::nullopt;
  return index_reference(s, data_prefix, side, ref, kind);
}

std::optional<std::vector<RefRow>> reference_groups(std::string_view refs) {
  std::vector<RefRow> groups;
  std::string_view rest = refs;
  while (!rest.empty()) {
    std::optional<IntAndRest> a = ftal(0, rest);
    std::optional<IntAndRest> b = a ? ftal(0, a->rest) : std::nullopt;
    std::optional<IntAndRest> ref = b ? ftal(1, b->rest) : std::nullopt;
    std::optional<IntAndRest> kind = ref ? ftal(0, ref->rest) : std::nullopt;
    if (!kind) return std::nullopt;
    groups.push_back({ref->n, kind->n});
    rest = kind->rest;
  }
  return groups;
}

void skrst(Session& s, std::string_view data_prefix, char side, int flag, std::string_view refs) {
  s.q.skr.clear();
  std::optional<std::vector<RefRow>> groups = reference_groups(refs);
  if (!groups) return;
  for (const RefRow& r : *groups)
    s.q.skr.add(r);
  while (std::optional<RefRow> r = s.q.skr.take_first()) {
    std::optional<ReferenceLine> line = find1(s, data_prefix, side, flag, r->ref, r->kind);
    if (!line) continue;
    sus(s, line->text, "\n");
    record_reference_line(s, *line);
  }
}

}  // namespace velimora
