// Helpers shared by the inflection tests: printable texts and collectors for generators.
#pragma once

#include <cstdio>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "inflection/stem_candidate.h"

namespace velimora::inflection {

// Bytes outside printable ASCII as \xNN, so that failures show the encoding of each letter.
inline std::string Escaped(std::string_view s) {
  std::string out;
  for (unsigned char c : s) {
    if (c >= 32 && c < 127) {
      out += static_cast<char>(c);
    } else {
      char buffer[8];
      std::snprintf(buffer, sizeof buffer, "\\x%02X", c);
      out += buffer;
    }
  }
  return out;
}

inline void PrintTo(const StemCandidate& c, std::ostream* os) {
  *os << "{\"" << Escaped(c.stem) << "\", " << c.alternation << ", \"" << Escaped(c.mark)
      << "\", " << c.weight << "}";
}

// A candidate together with the rule that produced it.
struct Ruled {
  int rule;
  std::string stem;
  int cls;
  std::string mark;
  int weight;
  friend bool operator==(const Ruled&, const Ruled&) = default;
};
inline void PrintTo(const Ruled& r, std::ostream* os) {
  *os << "{rule " << r.rule << ": \"" << Escaped(r.stem) << "\", " << r.cls << ", \""
      << Escaped(r.mark) << "\", " << r.weight << "}";
}

// The texts against which a case's `within` is tried: every beginning of the form, each
// expected stem, and each stem with a letter the stems never continue with, so that the
// shared beginning of word and text falls before, on and after every stem's end.
inline std::vector<std::string> WithinTexts(std::string_view form, const std::vector<Ruled>& all) {
  std::vector<std::string> texts;
  for (std::size_t n = 0; n <= form.size(); ++n) texts.emplace_back(form.substr(0, n));
  for (const Ruled& r : all) {
    texts.push_back(r.stem);
    texts.push_back(r.stem + "q");
  }
  return texts;
}

// The candidates of `all` whose stem begins text, in order.
inline std::vector<Ruled> BeginningText(const std::vector<Ruled>& all, std::string_view text) {
  std::vector<Ruled> kept;
  for (const Ruled& r : all) {
    if (text.starts_with(r.stem)) kept.push_back(r);
  }
  return kept;
}

// Every candidate of ficc0_traced on the query, with the rule that produced it.
template <class Traced>
std::vector<Ruled> AllRuled(Traced traced) {
  std::vector<Ruled> out;
  traced([&](const StemCandidate& c, int rule) {
    out.push_back({rule, c.stem, c.alternation, c.mark, c.weight});
    return true;
  });
  return out;
}

// Collects every alternative of a generator call into a vector, converting each with `convert`.
// Usage: Collect<T>([&](auto sink) { return stav(..., sink); }, [](const StavAlt& a) { ... });
template <class T, class Run, class Convert>
std::vector<T> Collect(Run run, Convert convert) {
  std::vector<T> out;
  run([&](const auto&... alt) {
    out.push_back(convert(alt...));
    return true;
  });
  return out;
}

}  // namespace velimora::inflection
