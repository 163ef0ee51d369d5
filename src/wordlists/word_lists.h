// The searchable word lists: their letters, part counts and legends.
#ifndef VELIMORA_WORDLISTS_WORD_LISTS_H_
#define VELIMORA_WORDLISTS_WORD_LISTS_H_

#include <string_view>

namespace velimora {

// One word list: the letter the "looked in" line and the file view use, the letter of its
// files, its number of parts and what it holds.
struct WordList {
  char display;
  char letter;
  int parts;
  std::string_view legend;
};

// `nqrt`: the searchable lists in the order they are searched.
inline constexpr WordList nqrt[] = {
    {.display = 'I', .letter = 'i', .parts = 99, .legend = "  I = Finnish-Danish dictionary"},
    {.display = 'o', .letter = 'o', .parts = 199, .legend = "  Finnish words in I"},
    {.display = 'a', .letter = 'a', .parts = 181, .legend = "  reverse Finnish word list"},
    {.display = 'C', .letter = 'c', .parts = 137, .legend = "  Finnish compounds in I"},
    {.display = 's', .letter = 's', .parts = 99, .legend = "  Finnish words in the text of T"},
    {.display = 'q', .letter = 'q', .parts = 49, .legend = ""},
    {.display = 'T', .letter = 't', .parts = 39, .legend = "  T = Danish-Finnish dictionary"},
    {.display = 'n', .letter = 'n', .parts = 49, .legend = "  Danish words in T"},
    {.display = 'b', .letter = 'b', .parts = 39, .legend = "  reverse Danish word list"},
    {.display = 'R', .letter = 'r', .parts = 3, .legend = "  Danish compounds in T"},
    {.display = 'y', .letter = 'y', .parts = 156, .legend = "  Danish words in the text of I"},
};

// The list a typed letter names in the "looked in" line (I, o, a, C …); null for none.
inline const WordList* list_by_display(char display) {
  for (const WordList& list : nqrt) {
    if (list.display == display) return &list;
  }
  return nullptr;
}

}  // namespace velimora

#endif  // VELIMORA_WORDLISTS_WORD_LISTS_H_
