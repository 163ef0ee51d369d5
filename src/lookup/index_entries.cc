#include "lookup/index_entries.h"

#include "datafolder/layout.h"
#include "session/data_files.h"
#include "text/word_helpers.h"

namespace velimora {
namespace {

// The value of the index row of a kind with the key, and the digit of its line file.
struct IndexRowHit {
  int value = 0;
  char digit = '1';
};

std::optional<IndexRowHit> index_row(const StartupTables& t, int kind, int key) {
  if (kind != 0 && kind != 2 && kind != 4) {
    const KindIndexRow* r =
        t.u1.find([&](const KindIndexRow& x) { return x.kind == kind && x.key == key; });
    if (r == nullptr) return std::nullopt;
    return IndexRowHit{r->result, '1'};
  }
  const Table<IndexRow>& table = kind == 0 ? t.u0 : kind == 2 ? t.u2 : t.u4;
  const IndexRow* row = table.find([key](const IndexRow& r) { return r.key == key; });
  if (row == nullptr) return std::nullopt;
  return IndexRowHit{row->result, static_cast<char>('0' + kind)};
}

}  // namespace

std::optional<IndexLine> fmb(Session& s, std::string_view data_prefix, char side, int n, int kind) {
  if (side == ' ') return IndexLine{};
  std::optional<IndexRowHit> row = index_row(s.startup, kind, n);
  if (!row) return std::nullopt;
  std::string name = record_file_name(data_prefix, side, std::string{'u', '2', row->digit});
  // Index numbers are not negative here, so the line number lies in 0 … 999.
  const std::string line = les(s, name, n % 1000).line;
  Cut bar = glang0(line, '|');
  Cut star = glang0(bar.rest, '*');
  Cut bracket = glang0(star.front, '[');
  return IndexLine{row->value, std::string(bar.front), std::string(bracket.front),
                   std::string(bracket.rest), std::string(star.rest)};
}

std::optional<IndexEntry> find(Session& s, std::string_view data_prefix, char side, int kind,
                               int n) {
  if (n < 0) {
    const StemHitRow* hit = s.q.st.find([n](const StemHitRow& r) { return r.seq == n; });
    if (hit == nullptr) return std::nullopt;
    return IndexEntry{hit->score2, hit->form, hit->extra1, hit->extra2};
  }
  std::optional<IndexLine> line = fmb(s, data_prefix, side, n, kind);
  if (!line) return std::nullopt;
  std::string first = line->first_raw;
  if (!first.empty() && first[0] == ',') first.erase(0, 1);
  return IndexEntry{line->value, std::move(first), std::move(line->second), std::move(line->third)};
}

}  // namespace velimora
