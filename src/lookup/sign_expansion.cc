#include "lookup/sign_expansion.h"

#include "text/charclass.h"
#include "text/primitives.h"
#include "text/word_helpers.h"

namespace velimora {
namespace {

// A sign that stands for the headword in mode 1: it becomes before + headword + after.
struct HeadwordSign {
  char sign;
  std::string_view before;
  std::string_view after;
  bool needs_word_after;  // only when a non-blank character follows directly
};
constexpr HeadwordSign kHeadwordSigns[] = {
    {.sign = '+', .before = ">", .after = "", .needs_word_after = false},
    {.sign = '&', .before = ";", .after = "", .needs_word_after = false},
    {.sign = '\xA7', .before = ";", .after = "n", .needs_word_after = false},  // §
    {.sign = '\xF5', .before = ";", .after = "n", .needs_word_after = false},  // õ
    {.sign = '#', .before = ";", .after = "s", .needs_word_after = false},
    {.sign = '!', .before = ";", .after = "e", .needs_word_after = true},
};

// Tokens that open a coded part after "|" or ":" in mode -1.
constexpr std::string_view kCodedPartStarts[] = {"&", "\xA7", "\xF5", "#", "!", ";", ">", "+", "%"};

// Characters that the nested run drops together with a following blank (or when last).
constexpr std::string_view kCodeCharacters = "01245;,+";
// Characters that the nested run drops together with the rest of their word.
constexpr std::string_view kSignCharacters = "\"|&\xA7\xF5#!:;=><+%()";

bool contains(std::string_view set, char c) {
  return set.find(c) != std::string_view::npos;
}

ExpansionStep copy(char c, std::string_view rest) {
  return {std::string(1, c), rest};
}

ExpansionStep spell_out(char c, std::string_view rest, std::string_view headword) {
  for (const HeadwordSign& sign : kHeadwordSigns) {
    if (sign.sign != c) continue;
    if (sign.needs_word_after && (rest.empty() || is_blank(rest[0]))) break;
    std::string text(sign.before);
    text.append(headword).append(sign.after);
    return {std::move(text), rest};
  }
  return copy(c, rest);
}

bool opens_coded_part(std::string_view rest) {
  if (rest.empty() || !is_blank(rest[0])) return false;
  std::optional<Split> token = take_token(rest);
  if (!token) return false;
  for (std::string_view start : kCodedPartStarts) {
    if (token->front == start) return true;
  }
  return false;
}

// "|" or ":" before a coded part: the part up to the next "|" goes when no word is left of it.
ExpansionStep coded_part(char c, std::string_view rest) {
  Cut part = glang0(rest, '|');
  if (has_token(addp5(kRemoveCodesNested, "", "", part.front))) return copy(c, rest);
  if (has_token(part.rest)) return {"", part.rest, c};
  std::string_view after = part.rest;
  if (!after.empty() && is_blank(after[0])) after.remove_prefix(1);
  return {"", after};
}

ExpansionStep remove_codes(char c, std::string_view rest) {
  if (c == '{') {
    std::size_t close = rest.find('}');
    return {".", close == std::string_view::npos ? std::string_view() : rest.substr(close + 1)};
  }
  if ((c == '|' || c == ':') && opens_coded_part(rest)) return coded_part(c, rest);
  return copy(c, rest);
}

}  // namespace

ExpansionStep addp1(int mode, char c, std::string_view rest, std::string_view headword) {
  if (mode == kSpellOutSigns) return spell_out(c, rest, headword);
  if (mode == kRemoveCodes) return remove_codes(c, rest);
  if (mode == kRemoveCodesNested) return addp2(mode, c, rest);
  return copy(c, rest);
}

ExpansionStep addp2(int mode, char c, std::string_view rest) {
  if (mode != kRemoveCodesNested) return copy(c, rest);
  if (contains(kCodeCharacters, c) && (rest.empty() || is_blank(rest[0]))) {
    return {"", rest.empty() ? rest : rest.substr(1)};
  }
  if (contains(kSignCharacters, c)) {
    std::size_t blank = rest.find_first_of(" \t");
    return {"", blank == std::string_view::npos ? std::string_view() : rest.substr(blank + 1)};
  }
  return copy(c, rest);
}

namespace {

// Runs the steps of a mode over the body, starting from the marker.
template <class Step>
std::string run_expansion(std::string_view marker, std::string_view body, Step step) {
  std::string out(marker);
  std::string pending;  // holds the text left when a separator was put back in front
  std::string_view remaining = body;
  while (!remaining.empty()) {
    ExpansionStep next = step(remaining[0], remaining.substr(1));
    out += next.addition;
    if (next.put_back != 0) {
      std::string joined = std::string(1, next.put_back) + std::string(next.remaining);
      pending.swap(joined);
      remaining = pending;
    } else {
      remaining = next.remaining;
    }
  }
  return out;
}

}  // namespace

std::string addp0(int mode, std::string_view marker, std::string_view headword,
                  std::string_view body) {
  return run_expansion(
      marker, body, [&](char c, std::string_view rest) { return addp1(mode, c, rest, headword); });
}

std::string addp5(int mode, std::string_view marker, std::string_view headword,
                  std::string_view body) {
  return run_expansion(marker, body, [&](char c, std::string_view rest) {
    return mode == kRemoveCodesNested ? addp2(mode, c, rest) : addp1(mode, c, rest, headword);
  });
}

}  // namespace velimora
