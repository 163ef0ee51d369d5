#include "wordlists/junction.h"

#include <algorithm>

#include "tables/row_index.h"

namespace velimora {
namespace {

bool one_of(std::string_view s, std::initializer_list<std::string_view> set) {
  return std::find(set.begin(), set.end(), s) != set.end();
}

bool is_front_vowel_start(char f) {
  return f == 'a' || f == 'e' || f == 'i' || f == '\xE4' || f == '\x84';  // ä in both pages
}

// The marker of the fixed rules for this seam, or an empty view when none applies. A built
// marker is written into `room` (two characters at most).
std::string_view fixed_rule(int kind, int length, int cls, std::string_view next,
                            std::string_view pattern, std::string_view junction, char* room) {
  if (next.size() < 2) return {};
  const char f1 = next[0];
  const bool kind7 = kind == 7;
  if (length == 0 && junction.empty()) {
    if ((kind7 && cls == 0 && one_of(pattern, {"E ", "F ", "S ", "Sc"})) ||
        (cls == 0 && pattern == "  ")) {
      return " ";
    }
    return {};
  }
  if (length == 1 && junction.size() == 1) {
    const char j = junction[0];
    room[0] = '{';
    room[1] = j;
    if (kind7) {
      if (cls == 0 && one_of(pattern, {"E ", "F ", "  ", "S ", "Sc"}) &&
          std::string_view("bdfgjklmnprstv").find(j) != std::string_view::npos) {
        return {room, 2};
      }
      return {};
    }
    if (cls == 0 && pattern == "  " &&
        std::string_view("bcdefghjklmnprstvwxz").find(j) != std::string_view::npos) {
      return {room, 2};
    } else if (cls == 4 && pattern == "-N" && j == f1 && is_front_vowel_start(f1)) {
      return "{}s:s";  // linking -s- after a shortened part
    } else if (cls == 4 && pattern == "+N" && j == f1 && is_front_vowel_start(f1)) {
      return "{s:s";
    }
    return {};
  }
  if (length == 2 && kind7 && cls == 0 && pattern == "E " &&
      one_of(junction, {"bb", "dd", "ff", "gg", "kk", "ll", "mm", "nn", "pp", "rr", "ss", "tt"})) {
    room[0] = '{';
    room[1] = junction[0];
    return {room, 2};  // doubled consonant at a Danish seam
  }
  return {};
}

}  // namespace

bool ee2(int flag, std::string_view condition, char c) {
  if (condition.empty()) return true;
  if (condition[0] == '<') return condition.substr(1).find(c) == std::string_view::npos;
  if (flag == 0 && condition[0] == '(')
    return condition.substr(1).find(c) != std::string_view::npos;
  return condition.find(c) != std::string_view::npos;
}

bool for_each_junction_marker(const StartupTables& tables, int kind, int length, int cls,
                              std::string_view next, std::string_view pattern,
                              std::string_view junction, JunctionMarkerSink sink) {
  if (next.empty()) return true;
  const char c = next[0];
  if (junction.empty() && !pattern.empty() && pattern[0] == '(') {
    std::size_t close = pattern.find(')');
    if (length != 0 || close == std::string_view::npos) return true;
    if (ee2(1, pattern.substr(1, close - 1), c)) return sink(pattern.substr(close + 1));
    return true;
  }
  const Table<JunctionRow>& rows = kind == 7 ? tables.xd : tables.x;
  for (const RowIndex::JunctionEntry& e :
       junction_rows(tables, kind == 7 ? 1 : 0, length, cls, pattern)) {
    const JunctionRow& row = rows[e.row];
    if (length < 0 || row.junction.size() < static_cast<std::size_t>(length)) continue;
    std::string_view text = row.junction;
    if (text.substr(0, length) != junction) continue;
    if (ee2(0, text.substr(length), c) && !sink(row.marker)) return false;
  }
  char room[2];
  const std::string_view fixed = fixed_rule(kind, length, cls, next, pattern, junction, room);
  // Every fixed marker has a character: empty means none applies.
  return fixed.empty() || sink(fixed);
}

std::vector<std::string> xpl10(const StartupTables& tables, int kind, int length, int cls,
                               std::string_view next, std::string_view pattern,
                               std::string_view junction) {
  std::vector<std::string> out;
  for_each_junction_marker(tables, kind, length, cls, next, pattern, junction,
                           [&](std::string_view marker) {
                             out.emplace_back(marker);
                             return true;
                           });
  return out;
}

}  // namespace velimora
