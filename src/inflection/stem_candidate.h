// The data that flows out of the inflection analysis.
#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "inflection/function_ref.h"

namespace velimora::inflection {

// One stem candidate of a (dictionary word, typed form) pair.
struct StemCandidate {
  std::string stem;     // the part of the form that corresponds to the word's stem
  int alternation = 0;  // 0 none, 1 weak grade in the form, 2 strong grade, 3 cluster not in table
  std::string mark;     // one-letter rule mark, or a blank " "
  int weight = 0;       // 4 nominal rules, 2 verb rules, 0 rules 5 and 37 and every Danish rule

  friend bool operator==(const StemCandidate&, const StemCandidate&) = default;
};

// The inputs of one ficc0 call, in rule order (without the outputs). The views must
// stay valid for the call; make_stem_query (ficc0.h) derives them from mode, word, class, form.
struct StemQuery {
  char mode = 'i';             // 'i'/'c': Finnish rules; 't'/'r': Danish rules; else nothing
  std::string_view word;       // W, the dictionary word
  int length = 0;              // n, the number of letters of W (must equal word.size())
  std::string_view front;      // W without its last letter
  std::string_view form;       // F, the typed form
  std::string_view head;       // P, the first n-1 letters of F (all of F when shorter)
  std::string_view tail;       // R, the rest of F behind P, or the no-tail marker "\xCF"
  std::string_view last;       // the last letter of W as a one-letter text
  char class_code = ' ';       // K: ' ', '4', '5', '2' or '0'
  // Set: only the candidates whose stem begins this text are wanted; the others are not made.
  std::optional<std::string_view> within = {};
};

// The consumer of candidates: returns true to ask for the next candidate, false to stop.
using CandidateSink = FunctionRef<bool(const StemCandidate&)>;

// A stem assembled from up to four pieces (views into the word, the form or fixed texts), so that
// the rules can describe a stem without building a string; it is joined only when yielded.
class StemParts {
 public:
  constexpr StemParts() = default;
  constexpr StemParts(std::string_view a, std::string_view b = {}, std::string_view c = {},  // NOLINT
                      std::string_view d = {})
      : parts_{a, b, c, d} {}

  constexpr std::size_t size() const {
    return parts_[0].size() + parts_[1].size() + parts_[2].size() + parts_[3].size();
  }
  // Replaces the contents of out with the joined stem (reusing out's buffer).
  void assign_to(std::string& out) const {
    out.assign(parts_[0]);
    for (std::size_t i = 1; i < parts_.size(); ++i) out.append(parts_[i]);
  }
  std::string str() const {
    std::string s;
    assign_to(s);
    return s;
  }
  // The joined stem is a prefix of s.
  constexpr bool is_prefix_of(std::string_view s) const {
    for (std::string_view part : parts_) {
      if (!s.starts_with(part)) return false;
      s.remove_prefix(part.size());
    }
    return true;
  }

 private:
  std::array<std::string_view, 4> parts_{};
};

}  // namespace velimora::inflection
