// Letters and letter sets of the inflection analysis.
//
// Sources are ASCII: non-ASCII bytes are written as escapes ("\xE4"), and comments spell the
// letters a: o: A: O: (for a-umlaut, o-umlaut and their capitals), aa (a-ring), oe (o-slash)
// and e' (e-acute).
//
// Texts are single-byte. The Nordic letters exist in two encodings that the rules treat as two
// distinct letters: code page 850 and Windows-1252 / ISO 8859-1. Every set that names a: or o:
// holds both bytes (the dictionary is Windows-1252, so a set with the 850 byte alone would miss
// every real word); two-letter table entries are written in both spellings as separate rows,
// never mixed.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <span>
#include <string_view>

namespace velimora::inflection {

namespace letter {
inline constexpr char kAe850 = '\x84';       // a:, code page 850
inline constexpr char kAe1252 = '\xE4';      // a:, Windows-1252
inline constexpr char kOe850 = '\x94';       // o:, code page 850
inline constexpr char kOe1252 = '\xF6';      // o:, Windows-1252
inline constexpr char kAeCap850 = '\x8E';    // A:, code page 850
inline constexpr char kAeCap1252 = '\xC4';   // A:, Windows-1252
inline constexpr char kOeCap850 = '\x99';    // O:, code page 850
inline constexpr char kOeCap1252 = '\xD6';   // O:, Windows-1252
inline constexpr char kAring850 = '\x86';    // aa, code page 850
inline constexpr char kAring1252 = '\xE5';   // aa, Windows-1252
inline constexpr char kEacute850 = '\x82';   // e', code page 850
inline constexpr char kEacute1252 = '\xE9';  // e', Windows-1252
inline constexpr char kOslash850 = '\x9B';   // oe, code page 850
inline constexpr char kOslash1252 = '\xF8';  // oe, Windows-1252
inline constexpr char kNoTail = '\xCF';      // the no-tail marker byte (never occurs in words)
}  // namespace letter

// The no-tail marker: the tail handed to ficc0 when the form is shorter than n - 1 letters.
inline constexpr std::string_view kNoTailMarker = "\xCF";

// One-letter mark texts with two encodings.
inline constexpr std::string_view kMarkAeCap850 = "\x8E";    // A:
inline constexpr std::string_view kMarkAeCap1252 = "\xC4";   // A:
inline constexpr std::string_view kMarkOeCap850 = "\x99";    // O:
inline constexpr std::string_view kMarkOeCap1252 = "\xD6";   // O:
inline constexpr std::string_view kMarkAring850 = "\x86";    // aa
inline constexpr std::string_view kMarkAring1252 = "\xE5";   // aa
inline constexpr std::string_view kMarkOslash850 = "\x9B";   // oe

// A set of single-byte letters, written as the string of its members.
class LetterSet {
 public:
  constexpr LetterSet() = default;
  // Implicit on purpose, so that tables can write a set as a string literal.
  constexpr LetterSet(const char* letters) : LetterSet(std::string_view(letters)) {}  // NOLINT
  constexpr explicit LetterSet(std::string_view letters) {
    for (char c : letters) {
      const auto u = static_cast<unsigned char>(c);
      bits_[u >> 6] |= std::uint64_t{1} << (u & 63);
    }
  }

  constexpr bool contains(char c) const {
    const auto u = static_cast<unsigned char>(c);
    return ((bits_[u >> 6] >> (u & 63)) & 1) != 0;
  }
  // The first letter of s is in the set (false for an empty s).
  constexpr bool contains_first(std::string_view s) const { return !s.empty() && contains(s[0]); }
  constexpr bool empty() const { return (bits_[0] | bits_[1] | bits_[2] | bits_[3]) == 0; }

 private:
  std::array<std::uint64_t, 4> bits_{};
};

// The named letter sets (a: and o: in both encodings).
inline constexpr LetterSet kVowels = "aeiouy\x84\xE4\x94\xF6";  // a e i o u y a: o:
inline constexpr LetterSet kAnyLetter{};                     // empty set: no constraint

// --- Letter access in the rules' notation ---------------------------------------------
// W[-k]: the k-th letter counted from the end; '\0' (a byte that never occurs in texts and is in
// no set) when the text is shorter.
constexpr char back(std::string_view w, std::size_t k) {
  return k >= 1 && k <= w.size() ? w[w.size() - k] : '\0';
}
// W[-k] as a one-letter text (a view into w); empty when w is shorter.
constexpr std::string_view back_text(std::string_view w, std::size_t k) {
  return k >= 1 && k <= w.size() ? w.substr(w.size() - k, 1) : std::string_view{};
}
// W-k: w without its last k letters (the empty text when w is shorter; callers guard lengths).
constexpr std::string_view drop_back(std::string_view w, std::size_t k) {
  return k <= w.size() ? w.substr(0, w.size() - k) : std::string_view{};
}
// The first k letters of w, or all of w.
constexpr std::string_view first(std::string_view w, std::size_t k) { return w.substr(0, k); }
// The letter at position i (from 0), '\0' outside.
constexpr char at(std::string_view w, std::size_t i) { return i < w.size() ? w[i] : '\0'; }

// a == b, byte for byte, written out: the texts compared in the rules have one to three
// letters, for which a call of the library comparison costs more than the comparison.
constexpr bool same_text(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (a[i] != b[i]) return false;
  }
  return true;
}

// s is one of the texts of the list (exact byte comparison).
constexpr bool one_of(std::string_view s, std::span<const std::string_view> list) {
  for (std::string_view item : list) {
    if (same_text(item, s)) return true;
  }
  return false;
}
constexpr bool one_of(std::string_view s, std::initializer_list<std::string_view> list) {
  return one_of(s, std::span<const std::string_view>(list.begin(), list.size()));
}

// a: in either encoding; o: in either encoding.
constexpr bool is_ae(char c) { return c == letter::kAe850 || c == letter::kAe1252; }
constexpr bool is_oe(char c) { return c == letter::kOe850 || c == letter::kOe1252; }

// The capital mark of the same encoding as the matched small letter (a: -> A:, o: -> O:).
constexpr std::string_view capital_mark_for(char small) {
  switch (small) {
    case letter::kAe850: return kMarkAeCap850;
    case letter::kAe1252: return kMarkAeCap1252;
    case letter::kOe850: return kMarkOeCap850;
    case letter::kOe1252: return kMarkOeCap1252;
    default: return {};
  }
}

}  // namespace velimora::inflection
