// Consonant gradation and the syllable-stem matcher `stav`.
//
// Every operation here is a generator: it hands its alternatives, in rule order,
// to a sink that returns true to ask for the next one and false to stop. Each generator returns
// false when its sink stopped it (so that callers stop too) and true when it ran to its end.
#pragma once

#include <span>
#include <string_view>

#include "inflection/function_ref.h"
#include "inflection/letters.h"

namespace velimora::inflection {

// The vowel set of the stem splitter: A, I, Y, a, e, i, o, u, y, a:, o: (capitals E, O, U are not
// vowels here).
inline constexpr LetterSet kSplitterVowels = "AIYaeiouy\x84\xE4\x94\xF6";

// --- The gradation table gx1 -----------------------------------------------------------------

// What a row condition sees.
struct GradationContext {
  int degree;               // 2: the word shows the strong grade; 1: the weak grade
  char v;                   // the vowel V in front of the cluster
  char next;                // the next vowel (supplied by the calling rule)
  std::string_view before;  // the letters in front of V
  std::string_view cluster; // the word's cluster
};
using GradationCondition = bool (*)(const GradationContext&);

// A cluster column of gx1: a fixed cluster, or "c", the word's own cluster (rows 42 to 48).
struct Cluster {
  std::string_view text;
  bool own = false;
  constexpr Cluster(const char* t) : text(t) {}  // NOLINT(google-explicit-constructor)
  constexpr explicit Cluster(bool own_cluster) : own(own_cluster) {}
};
inline constexpr Cluster kOwnCluster{true};

inline constexpr int kAnyDegree = 0;

struct GradationRow {
  int number;                           // the row number of the table
  Cluster strong;                       // strong cluster
  Cluster weak;                         // weak cluster
  int degree = kAnyDegree;              // required degree (0: any)
  GradationCondition when = nullptr;    // further condition (nullptr: none)
  bool stop = false;                    // a match ends the search for further rows
  char x = '\0';                        // the letter standing for V in the form ('\0': V itself)
  char after = '\0';                    // the V the row applies after ('\0': any)
};

// The 48 rows of gx1 in order.
std::span<const GradationRow> gradation_table();

// An alternative of gx0: the letter X in place of V, the cluster in the form, the class.
struct GradeAlt {
  char x;
  std::string_view cluster;
  int cls;
};
using GradeSink = FunctionRef<bool(const GradeAlt&)>;

// gx01(first, second) yields (first, 2) and then (second, 1).
using ClusterClassSink = FunctionRef<bool(std::string_view, int)>;
bool gx01(std::string_view first, std::string_view second, ClusterClassSink sink);

// gx0(degree, V, next vowel, letters before V, cluster): the graded clusters of the word's
// cluster, in table order, then the unchanged cluster (class 0, a row relating the cluster to
// itself) or, when no such row exists, (V, cluster, 3).
bool gx0(int degree, char v, char next_vowel, std::string_view before, std::string_view cluster,
         GradeSink sink);

// --- The special alternations vesi -----------------------------------------------------------

struct VesiRow {
  std::string_view cluster;       // the cluster chosen so far
  LetterSet next;                 // the next vowel
  std::string_view form_cluster;  // the cluster in the form
  int cls;                        // the new class
  std::string_view d;             // the follow letter D required by si
};
std::span<const VesiRow> vesi_table();

struct VesiAlt {
  int cls;
  std::string_view d;             // the follow letter (one letter)
  std::string_view form_cluster;
};
using VesiSink = FunctionRef<bool(const VesiAlt&)>;

// vesi(degree, cluster, class, next vowel): the special rows (degree 2 and class 2 only), then
// the cluster unchanged with D = the next vowel.
bool vesi(int degree, std::string_view cluster, int cls, std::string_view next_vowel,
          VesiSink sink);

// si(A, D): when D is 'j', A must begin with 'i'.
bool si(std::string_view a, std::string_view d);

// --- The splitter stav -------------------------------------------------------------------------

struct StavAlt {
  std::string_view a;  // the rest of the form behind B + C
  std::string_view b;  // the unchanged beginning of the base (and of the form)
  std::string_view c;  // X + the graded cluster as found in the form
  std::string_view d;  // the follow letter
  int cls;             // the alternation class
  // B + C is always the beginning of the form; this is that prefix.
  std::string_view bc() const { return {b.data(), b.size() + c.size()}; }
};
using StavSink = FunctionRef<bool(const StavAlt&)>;

// The fewest first letters of base that every stem of stav(flag, degree, base, ...) keeps,
// for the degrees 1 and 2: those in front of its last vowel, and the vowel too when no row of
// the cluster behind it names a letter of its own for X; 0 when base has no vowel.
std::size_t stav_least_kept(std::string_view base);

// stav(flag, degree, base, form, next vowel).
bool stav(int flag, int degree, std::string_view base, std::string_view form,
          std::string_view next_vowel, StavSink sink);

}  // namespace velimora::inflection
