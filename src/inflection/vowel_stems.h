// Long vowels, the plural-i shortening (`juo`, `uo1`, `uo`, `uo0`) and the
// verb vowel-harmony sets (`ms2`).
#pragma once

#include <optional>
#include <span>
#include <string_view>

#include "inflection/function_ref.h"
#include "inflection/letters.h"

namespace velimora::inflection {

// The long-vowel list uo0: 24 long vowels and diphthongs (the ones with a: or o: are stored in
// both encodings, so the array holds 31 texts).
std::span<const std::string_view> long_vowel_list();
// uo0(pair): the pair is in the long-vowel list.
bool uo0(std::string_view pair);

// The plural-i shortening table uo.
struct UoRow {
  std::string_view ending;   // the word's ending
  std::string_view found;    // the two letters in the form
  std::string_view letters;  // the letters that stand in the stem
};
std::span<const UoRow> shortening_table();
// uo(ending, found): the letters of the row (ending, found), if there is one.
std::optional<std::string_view> uo(std::string_view ending, std::string_view found);

// uo1(ending, found) yields (letters, class) in rule order.
struct UoAlt {
  std::string_view letters;
  int cls;
};
using UoSink = FunctionRef<bool(const UoAlt&)>;
bool uo1(std::string_view ending, std::string_view found, UoSink sink);

// juo(k, form, prefix, ending) yields (prefix + letters, class).
struct JuoAlt {
  std::string_view prefix;
  std::string_view letters;
  int cls;
};
using JuoSink = FunctionRef<bool(const JuoAlt&)>;
bool juo(std::size_t k, std::string_view form, std::string_view prefix, std::string_view ending,
         JuoSink sink);

// ms2(letter): the verb vowel-harmony set of a last letter: 'a' gives {a, e, i, o, u}; a: (0x84 in
// code page 850, 0xE4 in Windows-1252) gives {e, i, y, a:, o:}; any other letter gives no set.
const LetterSet* ms2(char last);

}  // namespace velimora::inflection
