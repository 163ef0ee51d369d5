// The special Finnish stem types. Generators follow the convention of gradation.h: the
// sink returns false to stop, and the operation returns false when its sink stopped it. "Stop" in
// these tables (an alternative after which the operation offers nothing more) is internal and
// does not stop the caller.
#pragma once

#include <optional>
#include <span>
#include <string_view>

#include "inflection/function_ref.h"
#include "inflection/letters.h"
#include "inflection/stem_candidate.h"

namespace velimora::inflection {

// Alternative shapes shared by several operations.
struct TextClassAlt {   // (T, class)
  std::string_view t;
  int cls;
};
struct MarkClassAlt {   // (mark, class)
  std::string_view mark;
  int cls;
};
struct StemMark {       // (stem, mark)
  std::string_view stem;
  std::string_view mark;
};
using TextClassSink = FunctionRef<bool(const TextClassAlt&)>;
using MarkClassSink = FunctionRef<bool(const MarkClassAlt&)>;

// nsi(tail) yields (T, mark, class): ("", Z, 0); ("nn", I, 1); ("ns", I, 2) when the third letter
// of the tail is 'i', then stop; ("nt", I, 2).
struct NsiAlt {
  std::string_view t;
  std::string_view mark;
  int cls;
};
bool nsi(std::string_view tail, FunctionRef<bool(const NsiAlt&)> sink);

// ks(B): "ks" -> "h", "ps" -> "s", "ts" -> "s", "m" -> "n"; nothing for any other B.
std::optional<std::string_view> ks(std::string_view b);
// lumi(front, n, form) yields stems A + ks(B) for k = 2 and then 3 that begin the form.
bool lumi(std::string_view front, int n, std::string_view form,
          FunctionRef<bool(const StemParts&)> sink);

// mieh(c, Z): 0 when c = 's'; 1 when c = 'h' and Z begins with e, i, u or y.
std::optional<int> mieh(char c, std::string_view z);

// ksd(second-last, third-last) yields the marks "d" (u after a e i o u, y after e i y a: o:) and
// then, always, "x".
bool ksd(char second_last, char third_last, FunctionRef<bool(std::string_view)> sink);

// kse(mark, Z) yields (T, class).
bool kse(std::string_view mark, std::string_view z, TextClassSink sink);
// dt(c): 'd' 1, 't' 2.
std::optional<int> dt(char c);

// emp(two letters): "mp" 2, "mm" 1.
std::optional<int> emp(std::string_view two);

// nen(Z) yields (T, class): ("s", 0) when Z begins with 's', then stop; ("ne", 1) for "nen".
bool nen(std::string_view z, TextClassSink sink);

// hke(c): 'h' 0; e, i, y, o: 1; 'k' 2.
std::optional<int> hke(char c);

// kse1(X, c1, Z) yields (mark, T, class).
struct Kse1Alt {
  std::string_view mark;
  std::string_view t;
  int cls;
};
bool kse1(std::string_view x, std::string_view c1, std::string_view z,
          FunctionRef<bool(const Kse1Alt&)> sink);

// nrt1(class, C, Z, p): class 2 when p is even, Z begins with C and the letter after C is in
// {e, i, o, u, y, o:}; class 1 when p is below 2 and Z begins with C.
bool nrt1(int cls, char c, std::string_view z, int p);
// The first class nrt1 gives for C, trying class 2 first.
std::optional<int> nrt1_first(char c, std::string_view z, int p);

// nrt(base, V2, final, Z, p) yields (mark, class) for the consonant-final nouns.
struct NrtInput {
  std::string_view base;  // the word without its last two letters
  char v2;                // the second-last letter
  char final_letter;      // the last letter: l, n, r or t
  std::string_view z;     // the form behind the stem and the letter V2
  int p;                  // the class of the stem found so far, mod 3
};
inline constexpr int kFirstOfNrt1 = -1;  // class: the first class nrt1 gives for the row's C
struct NrtRow {
  int number;
  char final_letter;
  LetterSet v2;
  bool (*when)(const NrtInput&);  // further condition (nullptr: none)
  std::string_view mark;
  int cls;                        // a class, or kFirstOfNrt1
  char c;                         // C for kFirstOfNrt1
  bool stop;
};
std::span<const NrtRow> nrt_table();
bool nrt(std::string_view base, char v2, char final_letter, std::string_view z, int p,
         MarkClassSink sink);

// itse(a1, Z, c0, V3) yields (T1, class, T2, mark); the stem is extended by T2 and then T1.
struct ItseAlt {
  std::string_view t1;
  int cls;
  std::string_view t2;
  std::string_view mark;
};
struct ItseInput {
  char a1;             // the first letter of the form behind the stem found by stav
  std::string_view z;  // the form behind a1
  char v3;             // the vowel before the t of the infinitive
};
enum class ItseT2 { kNone, kA1, kV3 };  // T2: nothing, the letter a1, the letter V3
inline constexpr int kClassC0 = -1;     // class: the class c0 found by stav
struct ItseRow {
  int number;
  bool (*when)(const ItseInput&);
  std::string_view t1;
  int cls;                              // 0, or kClassC0
  ItseT2 t2;
  std::string_view mark;
  bool stop;
};
std::span<const ItseRow> itse_table();
// a1 and V3 are one-letter texts (views into the form and the word; T2 is a view of one of them).
bool itse(std::string_view a1, std::string_view z, int c0, std::string_view v3,
          FunctionRef<bool(const ItseAlt&)> sink);

// es(last, second-last): last in {b c d f g h j k l m n p r t v w x z}, or 's' after a letter
// other than a, e, a:.
bool es(char last, char second_last);

// sidsti(word, last): (word without its last letter, last) for a last letter in
// {b c d e f g h j k l m n p r s S t v w z}, else (word, " ").
StemMark sidsti(std::string_view word, std::string_view last);

}  // namespace velimora::inflection
