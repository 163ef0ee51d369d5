#include "lookup/output_run.h"

#include "lookup/article_text.h"
#include "session/output_buffer.h"

namespace velimora {
namespace {

// The running number of the next article of a list in this query (`nct`).
int next_count(Session& s, char letter) {
  for (std::size_t i = 0; i < s.q.nct.size(); ++i) {
    if (s.q.nct[i].letter == letter) return ++s.q.nct[i].count;
  }
  s.q.nct.add({letter, 1});
  return 1;
}

// Stage 1: every accepted article hit, in table order, fetched, formatted and consumed.
void write_articles(Session& s, int mode, std::string_view data_prefix) {
  auto is_article = [](const HitRow& r) { return r.code >= kFirstShownCode; };
  while (std::optional<HitRow> hit = s.q.f4.take_first(is_article)) {
    const int count = next_count(s, hit->letter);
    s.q.f0.clear();
    std::optional<FetchedArticle> article =
        find4(s, mode, data_prefix, count, {hit->letter, hit->file, hit->line, hit->sense});
    if (!article) continue;
    sus(s, article->text, "\n");
    s.shown.articles.push_back(
        shown_article({hit->letter, hit->file, hit->line, hit->sense}, *article));
  }
}

}  // namespace

void fit(Session& s, int mode, std::string_view data_prefix, char side, int flag,
         std::string_view key, char /*letter*/, Order order) {
  if (order == Order::kAnalysesFirst && !s.q.f2.empty()) {
    write_analysis_blocks(s, data_prefix, side, flag, key);
    // A blank line parts the articles from the last block, as it parts the blocks.
    if (s.q.f4.any([](const HitRow& r) { return r.code >= kFirstShownCode; })) sus(s, "\n");
  }
  write_articles(s, mode, data_prefix);
  if (order == Order::kArticlesFirst) write_analysis_blocks(s, data_prefix, side, flag, key);
}

}  // namespace velimora
