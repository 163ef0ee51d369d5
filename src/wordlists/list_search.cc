#include "wordlists/list_search.h"

#include <algorithm>
#include <array>
#include <memory>
#include <utility>
#include <vector>

#include "datafolder/layout.h"
#include "session/data_files.h"
#include "session/output_buffer.h"
#include "text/charclass.h"
#include "text/format.h"
#include "text/primitives.h"
#include "text/word_helpers.h"
#include "wordlists/entry_match.h"
#include "wordlists/entry_rules.h"
#include "wordlists/hit_store.h"
#include "wordlists/index_reference.h"
#include "wordlists/line_facts.h"
#include "wordlists/list_helpers.h"

namespace velimora {
namespace {

// Part n of the list of the letter, asked for again and again within a query.
std::shared_ptr<const CachedFile> part_file(Session& s, std::string_view data_prefix, char letter,
                                            int n) {
  const std::uint64_t key = static_cast<std::uint64_t>(static_cast<unsigned char>(letter)) << 32 |
                            static_cast<std::uint32_t>(n);
  return s.files.get(data_prefix, key, [&] { return part_file_name(data_prefix, letter, n); });
}

bool in(std::string_view letters, char letter) {
  return letter != 0 && letters.find(letter) != std::string_view::npos;
}

// One row of the list filter: when `fits` (k, a, b), the list passes only if `passes`.
struct ListRule {
  int k;
  bool (*fits)(int a, int b);
  bool (*passes)(char letter, int a, int b);
};
constexpr ListRule kListRules[] = {
    {kFilterLanguageMode, [](int a, int b) { return a == 0 && b == 0; },
     [](char l, int, int) { return in("iosaqwtnby", l); }},  // plain lookup
    {kFilterLanguageMode, [](int a, int b) { return a == 0 && (b == 1 || b == 2 || b == 7); },
     [](char l, int, int) { return in("on", l); }},  // full, pocket and raw articles
    {kFilterLanguageMode, [](int a, int b) { return a == 0 && b == 4; },
     [](char l, int, int) { return l == 's'; }},  // Finnish word in T
    {kFilterLanguageMode, [](int a, int b) { return a == 0 && b == 5; },
     [](char l, int, int) { return l == 'y'; }},  // Danish word in I
    {kFilterLanguageMode, [](int a, int b) { return a == 1 && b == 1; },
     [](char l, int, int) { return in("ios", l); }},  // faster Finnish analysis
    {kFilterLanguageMode, [](int a, int b) { return a == 1 && b == 0; },
     [](char l, int, int) { return in("iocs", l); }},  // Finnish analysis
    {kFilterLanguageMode, [](int a, int b) { return a == 2 && b == 0; },
     [](char l, int, int) { return in("tnry", l); }},  // Danish analysis
    {kFilterKind, [](int a, int b) { return a == 0 && b == 1; },
     [](char l, int, int) { return in("ic", l); }},
    {kFilterKind, [](int a, int b) { return a == 0 && b == 2; },
     [](char l, int, int) { return in("tr", l); }},
    {kFilterReverse, [](int, int) { return true; },
     [](char l, int a, int) {  // reverse queries read only their reverse list
       return (l != 'a' || a == -1) && (l != 'b' || a == -3) && (a != -1 || l == 'a') &&
              (a != -3 || l == 'b');
     }},
    {kFilterAnalysis, [](int a, int) { return a > 0; }, [](char, int, int b) { return b > 0; }},
};

constexpr std::string_view kLookedIn = " looked in (double click / tap) :";

// x < prefix + c, byte-wise on unsigned values.
bool below(std::string_view x, std::string_view prefix, char c) {
  const int head = compare_keys(x.substr(0, prefix.size()), prefix);
  if (head != 0 || x.size() == prefix.size()) return head <= 0;
  return static_cast<unsigned char>(x[prefix.size()]) < static_cast<unsigned char>(c);
}

// The head files of the lists, each read once per search.
class HeadFiles {
 public:
  HeadFiles(Session& s, std::string_view data_prefix) : s_(s), data_prefix_(data_prefix) {}

  // `lestr`: the first key of part n of the list; the empty key for a missing file or line.
  std::string_view lestr(std::size_t list, char letter, int n) {
    const CachedFile* file = head_file(list, letter);
    if (file == nullptr || n < 1 || static_cast<std::size_t>(n) > file->line_count()) return {};
    return kolon(file->line(static_cast<std::size_t>(n)));
  }

  // The head file of the list; null when it is missing.
  const CachedFile* head_file(std::size_t list, char letter) {
    if (!loaded_[list]) {
      files_[list] = part_file(s_, data_prefix_, letter, 0);
      loaded_[list] = true;
    }
    return files_[list].get();
  }

 private:
  Session& s_;
  std::string_view data_prefix_;
  std::array<std::shared_ptr<const CachedFile>, std::size(nqrt)> files_;
  std::array<bool, std::size(nqrt)> loaded_{};
};

// The first n of from … to for which `holds` is false, where it holds for a beginning of the
// range only (a bound tested on ascending keys); to + 1 when it holds for all.
template <class Holds>
std::size_t first_failing(std::size_t from, std::size_t to, Holds holds) {
  while (from <= to) {
    const std::size_t mid = from + (to - from) / 2;
    if (holds(mid)) {
      from = mid + 1;
    } else {
      to = mid - 1;
    }
  }
  return from;
}

bool has_part(const Session& s, int group, char letter, int part) {
  return s.q.tn.any([&](const ChosenPartRow& r) {
    return r.group == group && r.letter == letter && r.part == part;
  });
}

bool list_passes(const ListSearch& q, int kind, char letter) {
  return pq(kFilterLanguageMode, q.number, q.selector, letter) &&
         pq(kFilterKind, kind, q.number, letter) && pq(kFilterReverse, q.reverse, 0, letter) &&
         pq(kFilterAnalysis, q.analysis, q.number, letter);
}

// Which lists a search reads for a key group of each kind: the filter depends on the
// search's numbers, the kind and the list only, and is asked for every group and list. The
// answers are kept from search to search: a query runs dozens of searches with the same few
// sets of numbers.
class PassingLists {
 public:
  explicit PassingLists(const ListSearch& q) : q_(q) {}

  bool passes(int kind, std::size_t list) {
    if (kind < 0 || kind >= kKinds) return list_passes(q_, kind, nqrt[list].letter);
    Answers*& answers = answers_[static_cast<std::size_t>(kind)];
    if (answers == nullptr) answers = &answers_for(kind);
    std::int8_t& known = answers->passes[list];
    if (known < 0) known = list_passes(q_, kind, nqrt[list].letter) ? 1 : 0;
    return known == 1;
  }

 private:
  static constexpr int kKinds = 2;  // the kinds of key groups: 0 stem prefix, 1 whole word
  struct Answers {
    int number, selector, reverse, analysis, kind;
    std::array<std::int8_t, std::size(nqrt)> passes;  // -1 not yet asked
  };
  // So many sets of numbers are kept; then they are forgotten all at once.
  static constexpr std::size_t kKept = 64;

  // The answers of the search's numbers and the kind, kept or made now. Valid while this
  // search chooses its parts: no other search runs meanwhile.
  Answers& answers_for(int kind) {
    static thread_local std::array<Answers, kKept> kept;
    static thread_local std::size_t count = 0;
    for (std::size_t i = 0; i < count; ++i) {
      const Answers& a = kept[i];
      if (a.number == q_.number && a.selector == q_.selector && a.reverse == q_.reverse &&
          a.analysis == q_.analysis && a.kind == kind) {
        return kept[i];
      }
    }
    if (count == kKept) {  // forgotten, also by this search, which looks them up again
      count = 0;
      answers_.fill(nullptr);
    }
    Answers& made = kept[count++];
    made = {q_.number, q_.selector, q_.reverse, q_.analysis, kind, {}};
    made.passes.fill(-1);
    return made;
  }

  const ListSearch& q_;
  std::array<Answers*, kKinds> answers_{};
};

bool prints_looked_in(const ListSearch& q) {
  return q.number + q.selector + q.analysis == 0;
}

// Mode 1: the parts of one list whose key range can hold the group's key or the word.
void choose_parts(Session& s, const ListSearch& q, const KeyGroupRow& group, std::size_t index,
                  HeadFiles& heads, PassingLists& passing) {
  const WordList& list = nqrt[index];
  if (!passing.passes(group.kind, index)) return;
  const int flag = pqt(q.number, list.letter);
  // On ascending part heads the parts that can hold the key are one run; the loop's tests
  // still decide, the bisection only skips parts they would pass over.
  std::size_t from = 1;
  std::size_t to = static_cast<std::size_t>(list.parts);
  const CachedFile* head = heads.head_file(index, list.letter);
  if (head != nullptr && head->keys_ascending() && head->line_count() >= to) {
    auto head_key = [&](std::size_t n) { return kolon(head->line(n)); };
    const std::size_t beyond = first_failing(
        1, to, [&](std::size_t n) { return tnr(3, flag, group.key, q.word, head_key(n)); });
    to = beyond - 1;
    const std::size_t above = first_failing(
        1, to, [&](std::size_t n) { return !tnr(6, flag, group.key, q.word, head_key(n)); });
    from = above > 1 ? above - 1 : 1;
  }
  for (int n = static_cast<int>(from); n <= static_cast<int>(to); ++n) {
    if (has_part(s, 0, list.letter, n)) continue;
    if (!tnr(3, flag, group.key, q.word, heads.lestr(index, list.letter, n))) continue;
    if (n < list.parts &&
        !tnr(6, flag, group.key, q.word, heads.lestr(index, list.letter, n + 1))) {
      continue;
    }
    if (has_part(s, group.group, list.letter, n)) continue;
    s.q.tn.add({group.group, list.letter, n});
    if (q.analysis == 0 && flag == 1 && prints_looked_in(q)) {
      sus(s, format_text(" %0%", {Char{list.display}, static_cast<long long>(n)}));
    }
  }
}

// Lines of o and n that point into a part read in full anyway are left out.
bool points_into_full_part(const Session& s, std::string_view body) {
  std::optional<Split> token = take_token(body);
  if (!token || token->front.size() < 2 || !is_letter(token->front[0])) return false;
  std::optional<int> part = text_to_int(token->front.substr(1));
  const char letter = token->front[0];
  return part && s.startup.fi.any(
                     [&](const FullPartRow& r) { return r.letter == letter && r.part == *part; });
}

// Mode 3: one line in range, matched and stored.
void match_line(Session& s, const ListSearch& q, const ChosenPartRow& part, const CachedFile& file,
                int line_no, std::string_view line) {
  const char letter = part.letter;
  // An analysis hit is stored only when the query begins with its stem: most lines give none.
  if (q.analysis != 0 &&
      !line_may_give_stems_at(file, static_cast<std::size_t>(line_no), letter, line, q.query)) {
    return;
  }
  Cut entry = glang0(line, ' ');
  if ((letter == 'o' || letter == 'n') && points_into_full_part(s, entry.rest)) return;
  std::optional<LineReference> ref;
  if (is_dictionary_side(letter)) {
    ref = LineReference{letter, part.part, line_no, 0};
  } else if (holds_references(letter)) {
    ref = parse_reference(entry.rest);
  }
  if (!ref) return;
  const EntryLine e{.selector = q.selector,
                    .analysis = q.analysis,
                    .letter = letter,
                    .form_flag = q.form_flag,
                    .word = q.word,
                    .head = entry.front,
                    .body = entry.rest,
                    .sense = ref->sense,
                    // An analysis hit is stored only when the query begins with its stem.
                    .stems_within = q.analysis != 0 ? std::optional(q.query) : std::nullopt};
  fiv(s, e, [&](const EntryHit& hit) {
    samme(s, q.analysis, q.query, *ref, hit);
    return true;
  });
}

// The lines of one search already handed to the matcher, by part. A part chosen for several
// key groups is read once for each, and a line in more than one group's range would give the
// same hits again, which the hit store drops as repeats: such a line is matched only once.
class MatchedLines {
 public:
  struct Part {
    char letter;
    int number;
    std::vector<bool> seen;  // index: line number
    // Lines first … end-1 were all walked: which of them a walk hands over depends on the
    // line and the search alone, so a range within them has nothing new.
    std::size_t walked_first = 0;
    std::size_t walked_end = 0;

    void walk(std::size_t first, std::size_t end) {
      if (first <= walked_end && end >= walked_first && walked_end > walked_first) {
        walked_first = std::min(first, walked_first);
        walked_end = std::max(end, walked_end);
      } else if (end - first > walked_end - walked_first) {
        walked_first = first;
        walked_end = end;
      }
    }
  };

  // Starts another search: no part is marked. The parts' marks keep their memory.
  void reset() { used_ = 0; }

  // The marks of the part's lines, all clear the first time; valid until the next call.
  Part& of(char letter, int part, std::size_t lines) {
    const auto used = parts_.begin() + static_cast<std::ptrdiff_t>(used_);
    auto it = std::find_if(parts_.begin(), used,
                           [&](const Part& p) { return p.letter == letter && p.number == part; });
    if (it == used) {
      if (used_ == parts_.size()) parts_.emplace_back();
      it = parts_.begin() + static_cast<std::ptrdiff_t>(used_++);
      it->letter = letter;
      it->number = part;
      it->walked_first = it->walked_end = 0;
      it->seen.assign(lines + 1, false);
    } else if (it->seen.size() < lines + 1) {
      it->seen.resize(lines + 1);
    }
    return *it;
  }

 private:
  // A search reads a dozen parts or so: a list is found faster than a tree. The first
  // used_ are this search's.
  std::vector<Part> parts_;
  std::size_t used_ = 0;
};

// The marks of one search, reused from search to search so that marking lines allocates
// nothing new; a search run while another one is matching (none is today) gets its own.
class MarksOfThisSearch {
 public:
  MarksOfThisSearch() : owner_(!busy_), lines_(owner_ ? shared_ : own_) {
    busy_ = true;
    lines_.reset();
  }
  ~MarksOfThisSearch() {
    if (owner_) busy_ = false;
  }
  MarksOfThisSearch(const MarksOfThisSearch&) = delete;
  MarksOfThisSearch& operator=(const MarksOfThisSearch&) = delete;

  MatchedLines& lines() { return lines_; }

 private:
  static thread_local MatchedLines shared_;
  static thread_local bool busy_;
  bool owner_;
  MatchedLines own_;
  MatchedLines& lines_;
};
thread_local MatchedLines MarksOfThisSearch::shared_;
thread_local bool MarksOfThisSearch::busy_ = false;

// Which lines of a part can give a hit in the search at all; the others are counted but
// not handed to the matcher.
enum class WantedLines {
  kAll,
  kNone,        // an analysis search takes its hits from the dictionary sides only
  kHeadIsWord,  // any other search with a word: the plain way, head = word
};

WantedLines wanted_lines(const ListSearch& q, char letter) {
  if (q.analysis != 0) return is_dictionary_side(letter) ? WantedLines::kAll : WantedLines::kNone;
  // An empty word lists the parts read in full, whatever their heads.
  return q.word.empty() ? WantedLines::kAll : WantedLines::kHeadIsWord;
}

// The head of a line (its text up to the first blank) is the word.
bool head_is(std::string_view line, std::string_view word) {
  return line.starts_with(word) && (line.size() == word.size() || line[word.size()] == ' ');
}

// The key group of a part; empty for the parts read in full.
std::string_view group_key(const Session& s, const ChosenPartRow& part) {
  const KeyGroupRow* group =
      s.q.stt.find([&](const KeyGroupRow& r) { return r.group == part.group; });
  return group != nullptr ? std::string_view(group->key) : std::string_view();
}

// `lqn`: the last line of the part read, kept once per part.
void count_line(Session& s, const ChosenPartRow& part, std::size_t line) {
  const int line_no = static_cast<int>(line);
  s.q.ntt.set(line_no);
  s.q.lqn.remove_if(
      [&](const LastLineRow& r) { return r.letter == part.letter && r.part == part.part; });
  s.q.lqn.add({part.letter, part.part, line_no});
}

// The bound tests compare a line with the group's key when the search has a language, else
// with the word.
int bound_flag(const ListSearch& q) {
  return q.number > 0 ? 0 : 1;
}

// Mode 2, first half: the lines of one chosen part between the bounds of its group, counted.
// The count is the number of the last line read from the first; the matcher does not look
// at it, so it is set before the lines are matched.
std::optional<PartRange> bound_part(Session& s, const ListSearch& q, const ChosenPartRow& part) {
  std::shared_ptr<const CachedFile> file = part_file(s, q.data_prefix, part.letter, part.part);
  if (file == nullptr) return std::nullopt;
  s.q.ntt.set(0);
  const int f = bound_flag(q);
  const std::string_view key = group_key(s, part);
  const bool bounded = part.group != 0;
  auto key_at = [&](std::size_t i) { return kolon(file->line(i)); };
  PartRange range{part, file, 1, file->line_count() + 1, bounded && !file->keys_ascending()};
  if (range.tested) {
    // Every line is read up to the first beyond the upper bound.
    std::size_t beyond = 1;
    while (beyond < range.end && tnr(3, f, key, q.word, key_at(beyond)))
      ++beyond;
    range.end = beyond;
  } else if (bounded) {
    // On ascending keys both bound tests change once over the lines (each compares a line
    // with a fixed text), so the lines within them are one run, found by bisection.
    range.end = first_failing(1, file->line_count(),
                              [&](std::size_t i) { return tnr(3, f, key, q.word, key_at(i)); });
    range.first = first_failing(1, range.end - 1,
                                [&](std::size_t i) { return !tnr(6, f, key, q.word, key_at(i)); });
  }
  // The lines before the first are read too (and counted), though not matched.
  if (range.end > 1) count_line(s, part, range.end - 1);
  return range;
}

// Mode 3 over one part's range: its lines handed to the matcher once each.
void match_range(Session& s, const ListSearch& q, const PartRange& range, MatchedLines& matched) {
  const CachedFile& file = *range.file;
  const ChosenPartRow& part = range.part;
  const WantedLines wanted = wanted_lines(q, part.letter);
  if (wanted == WantedLines::kNone) return;
  auto key_at = [&](std::size_t i) { return kolon(file.line(i)); };
  MatchedLines::Part& marks = matched.of(part.letter, part.part, file.line_count());
  std::size_t first = range.first;
  std::size_t end = range.end;
  if (!range.tested && wanted == WantedLines::kHeadIsWord && file.keys_ascending()) {
    // The heads equal to the word are among the keys from the word up to the word + "!".
    end =
        first_failing(first, end - 1, [&](std::size_t i) { return below(key_at(i), q.word, '!'); });
    first = first_failing(first, end - 1,
                          [&](std::size_t i) { return compare_keys(key_at(i), q.word) < 0; });
  }
  auto match = [&](std::size_t i, std::string_view line) {
    if (marks.seen[i]) return;
    marks.seen[i] = true;
    match_line(s, q, part, file, static_cast<int>(i), line);
  };
  const std::string_view key = range.tested ? group_key(s, part) : std::string_view();
  auto walk = [&](std::size_t from, std::size_t to) {
    if (!range.tested && wanted == WantedLines::kAll && q.analysis != 0) {
      // An analysis search matches only the lines that may give a stem the query begins with.
      for_each_line_that_may_give_stems(file, part.letter, from, to, q.query,
                                        [&](std::size_t i) { match(i, key_at(i)); });
      return;
    }
    for (std::size_t i = from; i < to; ++i) {
      std::string_view line = key_at(i);
      if (range.tested && !tnr(6, bound_flag(q), key, q.word, line)) continue;
      if (wanted == WantedLines::kHeadIsWord && !head_is(line, q.word)) continue;
      match(i, line);
    }
  };
  if (range.tested) {
    walk(first, end);
    return;
  }
  // Of the lines already walked none has anything new: only those around them are walked.
  const std::size_t inner_first = std::clamp(marks.walked_first, first, end);
  const std::size_t inner_end = std::clamp(marks.walked_end, inner_first, end);
  marks.walk(first, end);
  if (first < inner_first) walk(first, inner_first);
  if (inner_end < end) walk(inner_end, end);
}

// Two searches choose the same parts with the same bounds when they differ only in what they
// store: the list filter asks for the analysis value only when the language is not given.
bool chooses_as(const ChosenParts& a, const ListSearch& b) {
  return a.number > 0 && a.number == b.number && a.selector == b.selector &&
         a.reverse == b.reverse && a.word == b.word && a.data_prefix == b.data_prefix &&
         !a.looked_in && !prints_looked_in(b);
}

// Mode 1 for every key group and list: the parts into `tn`.
void choose_all_parts(Session& s, const ListSearch& q) {
  s.q.tn.clear();
  for (const FullPartRow& r : s.startup.fi)
    s.q.tn.add({0, r.letter, r.part});
  if (prints_looked_in(q)) sus(s, kLookedIn);
  HeadFiles heads(s, q.data_prefix);
  PassingLists passing(q);
  for (std::size_t g = 0; g < s.q.stt.size(); ++g) {
    const KeyGroupRow& group = s.q.stt[g];  // choosing parts adds no key groups
    for (std::size_t list = 0; list < std::size(nqrt); ++list) {
      choose_parts(s, q, group, list, heads, passing);
    }
  }
  if (prints_looked_in(q)) sus(s, "\n");
}

}  // namespace

bool tnr(int k, int flag, std::string_view key, std::string_view word, std::string_view x) {
  if (k == 3) return flag == 0 ? below(x, key, '\xFE') : below(x, word, '!');
  if (k == 6) return compare_keys(flag == 0 ? key : word, x) < 0;
  return false;
}

bool pq(int k, int a, int b, char letter) {
  for (const ListRule& rule : kListRules) {
    if (rule.k == k && rule.fits(a, b)) return rule.passes(letter, a, b);
  }
  return true;
}

int pqt(int number, char letter) {
  if ((number == 1 && in("ic", letter)) || (number == 2 && in("tr", letter))) return 0;
  return 1;
}

void tnr1(Session& s, const ListSearch& q, ChosenParts* kept) {
  std::vector<PartRange> chosen;
  const bool reused = kept != nullptr && kept->made && chooses_as(*kept, q);
  if (!reused) {
    choose_all_parts(s, q);
    chosen.reserve(s.q.tn.size());
    for (std::size_t i = 0; i < s.q.tn.size(); ++i) {
      std::optional<PartRange> range = bound_part(s, q, s.q.tn[i]);
      if (range) chosen.push_back(std::move(*range));
    }
  }
  const std::vector<PartRange>& parts = reused ? kept->parts : chosen;
  MarksOfThisSearch marks;
  for (const PartRange& range : parts)
    match_range(s, q, range, marks.lines());
  if (kept != nullptr && !reused) {
    *kept = {true,
             q.selector,
             q.reverse,
             q.number,
             prints_looked_in(q),
             std::string(q.word),
             std::string(q.data_prefix),
             std::move(chosen)};
  }
}

void plain_search(Session& s, int selector, int reverse, std::string_view word, int form_flag,
                  std::string_view data_prefix) {
  s.q.stt.add({1, "zz", 1});
  tnr1(s, {.selector = selector,
           .reverse = reverse,
           .analysis = 0,
           .word = word,
           .form_flag = form_flag,
           .query = "",
           .number = 0,
           .data_prefix = data_prefix});
}

void stem_search(Session& s, int selector, int position, std::string_view remaining,
                 std::string_view query, int language, std::string_view data_prefix) {
  tnr1(s, {.selector = selector,
           .reverse = 0,
           .analysis = position,
           .word = remaining,
           .form_flag = 0,
           .query = query,
           .number = language,
           .data_prefix = data_prefix});
}

}  // namespace velimora
