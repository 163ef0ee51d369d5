// Stage 2 of the output run: the analysis blocks of `f2`.
#include <algorithm>

#include "lookup/analysis_rows.h"
#include "lookup/output_run.h"
#include "lookup/reference_lists.h"
#include "session/output_buffer.h"
#include "text/format.h"
#include "text/primitives.h"
#include "text/word_helpers.h"
#include "wordlists/relations.h"

namespace velimora {
namespace {

// The segment of the query a block names (characters start+1 … end), or "" when out of range.
std::string segment_of(std::string_view key, int start, int end) {
  if (start < 0 || end <= start || static_cast<std::size_t>(end) > key.size()) return {};
  return std::string(
      key.substr(static_cast<std::size_t>(start), static_cast<std::size_t>(end - start)));
}

// Walks one reference list of a block; false when it cannot be walked.
bool walk(Session& s, std::string_view data_prefix, char side, const std::string& label,
          int segment_length, int kind, std::string_view refs) {
  WalkStart start = nyv3(s, 1, segment_length, static_cast<int>(label.size()), label, kind);
  start_walk(s, start, static_cast<int>(label.size()), refs);
  return danil(s, data_prefix, side, 1);
}

// The remark of the final walk row (its last character is a separator).
std::string remark_of(const WalkRow& w) {
  return w.brackets.empty() ? w.brackets : w.brackets.substr(0, w.brackets.size() - 1);
}

// " (heading) [brackets]" of the final walk row.
std::string reading_text(const WalkRow& w) {
  return format_text(
      " (%)%0", {std::string_view(w.heading), std::string_view(danstr(" [", remark_of(w), "]"))});
}

// The reading of the analysis just written, for the query's record.
void record_reading(Session& s, const WalkRow& w) {
  if (s.shown.analyses.empty()) return;
  s.shown.analyses.back().categories = w.heading;
  s.shown.analyses.back().remark = std::string(trim_blanks(remark_of(w)));
}

// The first analysis of a block: its analysis line with the word cut into its parts.
void first_analysis(Session& s, std::string_view data_prefix, char side, std::string_view key,
                    const BlockRow& b, const std::string& label, int segment_length) {
  if (!walk(s, data_prefix, side, label, segment_length, b.kind, b.refs1)) return;
  const WalkRow& w = s.q.sm.front();
  std::string text = reading_text(w) + (w.position != 0 ? "  ..." : "");
  // Written as a block of its own: the relation output only tests with the output flag.
  findrel1(s, b.text, 1, 0, w.count, key, text, 1);
  record_reading(s, w);
}

// The second analysis: a reading that splits the word is shown as "first+second", the word cut
// where the walk ended; an empty list or a reading that leaves no second part shows nothing.
void second_analysis(Session& s, std::string_view data_prefix, char side, std::string_view key,
                     const BlockRow& b, const std::string& label, int segment_length) {
  if (!has_token(b.refs2)) return;
  if (!walk(s, data_prefix, side, label, segment_length, 2, b.refs2)) return;
  const WalkRow& w = s.q.sm.front();
  const std::size_t cut =
      std::min<std::size_t>(static_cast<std::size_t>(std::max(w.position, 0)), key.size());
  std::string_view first = key.substr(0, cut), second = key.substr(cut);
  if (second.empty()) return;
  std::string text = reading_text(w) + "  " + std::string(first) + "+" + std::string(second);
  findrel1(s, b.text, 1, 0, w.count, key, text + "...", 1);
  record_reading(s, w);
}

// Starts the record of one analysis; `finish_record` drops it again when nothing was written.
void start_record(Session& s) {
  s.shown.analyses.emplace_back();
}
void finish_record(Session& s) {
  const ShownAnalysis& a = s.shown.analyses.back();
  if (a.text.empty() && a.base_words.empty() && a.endings.empty()) s.shown.analyses.pop_back();
}

}  // namespace

void write_analysis_blocks(Session& s, std::string_view data_prefix, char side, int flag,
                           std::string_view key) {
  s.q.ntt.set(0);
  while (std::optional<BlockRow> b = s.q.f2.take_first()) {
    if (flag == 0) sus(s, "\n");
    const std::string segment = segment_of(key, b->start, b->end);
    const std::string label =
        segment.empty() ? std::string()
                        : "<" + segment + format_text(">%.", {static_cast<long long>(b->mark)});
    const int length = static_cast<int>(segment.size());
    start_record(s);
    first_analysis(s, data_prefix, side, key, *b, label, length);
    skrst(s, data_prefix, side, flag, b->refs1);
    finish_record(s);
    start_record(s);
    second_analysis(s, data_prefix, side, key, *b, label, length);
    skrst(s, data_prefix, side, flag, b->refs2);
    finish_record(s);
  }
}

}  // namespace velimora
