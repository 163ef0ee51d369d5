#include "shell/driver.h"

#include <algorithm>

#include "lookup/danish_check.h"
#include "lookup/output_run.h"
#include "session/output_buffer.h"
#include "shell/display_gate.h"
#include "shell/file_view.h"
#include "shell/lookup_run.h"
#include "shell/query_signs.h"
#include "shell/query_state.h"
#include "text/primitives.h"
#include "wordlists/reverse_query.h"

namespace velimora {
namespace {

bool is_offered(const Session& s, std::string_view code) {
  if (!s.q.stl1) return false;
  for (const std::string& c : s.q.stl1->codes) {
    if (c == code) return true;
  }
  return false;
}

std::string first_token(std::string_view s) {
  std::optional<Split> t = take_token(s);
  return t ? std::string(t->front) : std::string();
}

// `stands0`: an offered code, a numbered code, an empty word, or a word through `gi1`.
void special_forms(Session& s, QueryState& q, const std::string& word) {
  if ((word == "y" || word == "n" || word == "o" || word == "s") && is_offered(s, word)) {
    q.flag_o = word == "o";
    q.flag_y = word == "y";
    q.flag_n = word == "n";
    q.flag_s = word == "s";
    q.key.clear();
    q.number = -3;
    return;
  }
  std::optional<int> n = text_to_int(word);
  if (n && *n >= 0 && *n < 16) {
    q.key.clear();
    q.number = *n;
  } else if (word.empty()) {
    q.key.clear();
    q.number = 0;
  } else {
    WordAndCode w = gi1(s, word);
    q.key = w.word;
    q.number = w.code;
  }
}

// `stands`: a file view or a line reference ends the pass; otherwise the key is cut to its
// leading word characters. False when the pass ends.
bool key_forms(Session& s, QueryState& q) {
  if (show_file_view(s, q.mode, q.level, q.data_prefix, q.key)) return false;
  if (show_line_reference(s, q.data_prefix, q.key)) return false;
  if (q.key.empty()) return true;
  std::optional<std::string> front = frontt(q.key);
  if (!front) return false;
  q.key = *front;
  return true;
}

// `visf`: the echo line of the word.
void echo_word(Session& s, int level, const std::string& word) {
  std::string token = first_token(word);
  if (level == 1 && !has_token(word)) {
    sus(s, " (also as sign) :", " shows the lexica as they are\n");
    s.q.endret0.clear();  // without this the help line would be thrown away
  } else if ((token == "o" || token == "s" || token == "n" || token == "y") &&
             is_offered(s, token)) {
    sus(s, word, std::string(code_description(token)) + "\n");
  } else if (token == "0") {
    sus(s, word, code_description(token));
  } else if (std::optional<int> n = text_to_int(word); n && *n >= 0) {
    sus(s, word);
  }
}

// `sfli0` and the offered codes of `stl1`; gives the offer text (`svo1`).
std::string collect_offers(Session& s) {
  OfferRow offers;
  std::string line;
  for (std::string_view code : kOfferOrder) {
    const CodeRow* first = s.q.fli.find([&](const CodeRow& r) { return r.code == code; });
    if (first == nullptr) continue;
    const int flag = first->flag;
    s.q.fli.remove_if([&](const CodeRow& r) { return r.code == code; });
    offers.codes.insert(offers.codes.begin(), std::string(code));
    if (flag == 1) line += " " + std::string(code);
  }
  for (const std::string& code : offers.codes) {
    offers.described.push_back(code + std::string(code_description(code)));
  }
  s.shown.offered = offers.codes;
  s.q.stl1 = std::move(offers);
  s.q.svo1 = line;
  return line;
}

// `sfli`: the offer line.
void offer_line(Session& s, const QueryState& q, const std::string& text) {
  if (q.u == 1 || q.v == 1 || text.empty()) {
    sus(s, "\n");
    return;
  }
  const char* head = s.q.endret2.present() ? "\n  Found " : "\n  More ";
  sus(s, head, "(double click / tap): " + text);
  sus(s, "\n\n");
}

// Steps 1 to 19 of a query; false when the pass ends early.
bool query_pass(Session& s, QueryState& q, std::string_view query) {
  q.data_prefix = s.shell.cst->data_prefix;
  q.side = s.shell.cst->side;
  if (s.q.len0) s.q.len0->limit = 100;
  QuerySigns signs = read_signs(query);
  s.q.endret0.clear();
  s.q.endret0.add();
  special_forms(s, q, signs.word);
  std::optional<LevelAndMode> lm = level_and_mode(signs);
  if (!lm) {
    // An unknown sign combination shows nothing, also not a reverse query's heading.
    s.q.mud.clear();
    s.q.endret0.add();
    return false;
  }
  q.comma = signs.comma;
  q.level = lm->level;
  q.mode = lm->mode + (q.flag_o ? 1 : 0);
  s.q.niv0.set(q.level);
  if (!key_forms(s, q)) return false;
  sus(s, q.level == 2 ? "--" : q.level == 1 ? "-" : "");
  echo_word(s, q.level, signs.word);
  s.q.f4.remove_if([](const HitRow& r) { return r.code == kHitPlain; });
  s.q.nct.clear();
  s.q.fli.clear();
  s.q.f2.clear();
  s.q.f0.clear();
  s.q.endret2.clear();
  if (!opslag(s, q)) return false;
  s.q.endret2.add();
  // A code query re-gates the hits of the previous query even when no analysis query has
  // left its word yet (the key of a plain query is not kept).
  if (q.key.empty() && q.w == 0) return false;
  const int flag = fit1(s, q);
  // A Danish form that is also a headword (køb) is asked about as a form: its readings as a
  // form of another word come before the article of the word itself.
  fit(s, q.mode, q.data_prefix, q.side, flag, q.key, q.key[0],
      q.level == kDanishLevel ? Order::kAnalysesFirst : Order::kArticlesFirst);
  offer_line(s, q, collect_offers(s));
  return true;
}

}  // namespace

std::string_view within_query_limit(std::string_view query) {
  const std::size_t word = read_signs(query).word.size();
  return query.substr(0, query.size() - word + std::min(word, kMaxQueryWord));
}

std::optional<std::string> go2(Session& s, std::string_view query) {
  if (!s.shell.cst) return std::nullopt;  // start-up did not load the main record file
  s.guard.start_query();
  const FileCache::QueryScope one_look_per_file(s.files);
  s.shown = QueryRecord{};
  QueryState q;
  query_pass(s, q, within_query_limit(query));
  if (s.q.endret0.present()) {
    s.q.mud.clear();
    return std::nullopt;
  }
  return nystr(s, "");
}

int last_level(const Session& s) {
  return s.q.niv0.empty() ? 0 : s.q.niv0.front();
}

}  // namespace velimora
