#include "session/output_buffer.h"

#include <algorithm>

#include "text/primitives.h"
#include "text/word_helpers.h"

namespace velimora {

bool mi(int x, std::span<const int> list) {
  return std::find(list.begin(), list.end(), x) != list.end();
}

bool mc(std::string_view list, char c) { return list.find(c) != std::string_view::npos; }

bool ms(std::span<const std::string> list, std::string_view s) {
  return std::find(list.begin(), list.end(), s) != list.end();
}

std::optional<std::string> ms_first(std::span<const std::string> list) {
  if (list.empty()) return std::nullopt;
  return list.front();
}

StopSplit genk(std::string_view s, std::string_view stops, std::string_view prefix) {
  std::size_t i = s.find_first_of(stops);
  if (stops.empty() || i == std::string_view::npos) return {"", join_text(prefix, s), ""};
  return {std::string(1, s[i]), join_text(prefix, s.substr(0, i)), std::string(s.substr(i + 1))};
}

StripCount findtegn(std::string_view s, char c, int count0) {
  std::size_t i = 0;
  while (i < s.size() && s[i] == c) ++i;
  return {std::string(s.substr(i)), count0 + static_cast<int>(i)};
}

std::string danstr(std::string_view before, std::string_view s, std::string_view after) {
  if (s.empty()) return {};
  std::string out(before);
  out.append(s).append(after);
  return out;
}

Ordered rtn(int x, int y) { return x < y ? Ordered{x, y, 1} : Ordered{y, x, 2}; }

std::pair<int, int> rtn_back(const Ordered& o) {
  return o.order == 1 ? std::pair{o.low, o.high} : std::pair{o.high, o.low};
}

std::vector<std::string> tolkl(std::string_view s) {
  std::vector<std::string> out;
  if (s.empty()) return out;
  for (;;) {
    std::size_t i = s.find(',');
    out.emplace_back(s.substr(0, i));
    if (i == std::string_view::npos) break;
    s.remove_prefix(i + 1);
  }
  return out;
}

std::optional<std::string> str0(std::string_view s) {
  std::size_t colon = s.find(':');
  if (colon == std::string_view::npos) return std::nullopt;
  std::optional<int> h = text_to_int(s.substr(0, colon));
  std::optional<int> m = text_to_int(s.substr(colon + 1));
  if (!h || !m) return std::nullopt;
  return nulfo(*h, 1000) + ":" + nulfo(*m, 100);
}

void sus(Session& s, std::string_view c, std::string_view d) {
  s.q.mud.push_back(join_text(c, d));
}

std::string nystr(Session& s, std::string_view acc) {
  std::string out(acc);
  for (const std::string& piece : s.q.mud) out += piece;
  s.q.mud.clear();
  return out;
}

bool adv2(Session& s, int /*tag*/, long needed) {
  if (s.guard.allow(needed)) return true;
  sus(s, ".");
  return false;
}

}  // namespace velimora
