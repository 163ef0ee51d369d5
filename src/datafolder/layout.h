// The layout of a data folder, shared by the program that reads it and the compiler that
// writes it: the word lists (letters, part counts, legends), where their part and head files
// live, and the names of the record and index line files.
#ifndef VELIMORA_DATAFOLDER_LAYOUT_H_
#define VELIMORA_DATAFOLDER_LAYOUT_H_

#include <string>
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
const WordList* list_by_display(char display);

// The number of parts of the list with this file letter; 0 for a letter that names no list.
int part_count(char letter);

// `nyfg1`: the folder and file prefix of a list letter: "ftb\d" for the Danish lists t, n, r,
// b, y, j; "fib\f" for every other letter.
std::string_view nyfg1(char letter);

// The number of a list's head file, whose line n is the first line of part n.
inline constexpr long kHeadPart = 0;

// The file of the part numbered `part` of a list: D + `nyfg1` + letter + number + ".pro"
// ("fib\fi12.pro"); `number` is the decimal text as given, leading zeros kept.
std::string part_file_name(std::string_view data_prefix, char letter, std::string_view number);
std::string part_file_name(std::string_view data_prefix, char letter, long part);
// The same name inside the folder, without a prefix.
std::string part_file_name(char letter, long part);

// The side letter C of the record folder every data folder has.
inline constexpr char kRecordSide = 'f';
// The stem of the main record file (fe.cns), whose presence makes a folder a data folder.
inline constexpr std::string_view kMainRecordStem = "e";
// The stems of the start-up record files (fu10 … fu14) and of the index line files (fu20 …
// fu24) that the index tables u0, u1, u2, u4 point into; each is followed by one of the digits.
inline constexpr std::string_view kStartupRecordStem = "u1";
inline constexpr std::string_view kIndexLineStem = "u2";
inline constexpr std::string_view kRecordDigits = "0124";

// The record folder of a side: C + "eu" ("feu"). Without it a folder is no data folder.
std::string record_folder(char side = kRecordSide);
// A record file's name inside the record folder: C + stem + ".cns" ("fe.cns", "fu12.cns").
std::string record_file_base(char side, std::string_view stem);
// The record file as the program opens it: D + record folder + "\" + `record_file_base`.
std::string record_file_name(std::string_view data_prefix, char side, std::string_view stem);

// The headword file of the spelling suggestions: D + record folder + "\headwords.txt".
std::string headword_file_name(std::string_view data_prefix);

}  // namespace velimora

#endif  // VELIMORA_DATAFOLDER_LAYOUT_H_
