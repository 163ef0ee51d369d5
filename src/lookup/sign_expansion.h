// The sign expansion of an article body: the dictionary's abbreviation signs for the headword
// are spelled out (mode 1), or coded parts are removed (mode -1, with the nested mode -2).
#ifndef VELIMORA_LOOKUP_SIGN_EXPANSION_H_
#define VELIMORA_LOOKUP_SIGN_EXPANSION_H_

#include <string>
#include <string_view>

namespace velimora {

// The expansion modes.
inline constexpr int kSpellOutSigns = 1;
inline constexpr int kRemoveCodes = -1;
inline constexpr int kRemoveCodesNested = -2;

// What one character of the body adds, and the body text left after it; a dropped coded
// part may put its separator back in front of what is left (`put_back`, 0 for none).
struct ExpansionStep {
  std::string addition;
  std::string_view remaining;
  char put_back = 0;
};

// `addp1`: one step of the outer run (modes 1 and -1) on the character c and the text after
// it; `headword` is the headword without a final "-".
ExpansionStep addp1(int mode, char c, std::string_view rest, std::string_view headword);

// `addp2`: one step of the nested run (mode -2): code digits and signs are dropped.
ExpansionStep addp2(int mode, char c, std::string_view rest);

// `addp0`: the outer run: marker followed by the body, expanded step by step.
std::string addp0(int mode, std::string_view marker, std::string_view headword,
                  std::string_view body);

// `addp5`: the nested run, used by mode -1 to see whether a coded part leaves any word.
std::string addp5(int mode, std::string_view marker, std::string_view headword,
                  std::string_view body);

}  // namespace velimora

#endif  // VELIMORA_LOOKUP_SIGN_EXPANSION_H_
