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
