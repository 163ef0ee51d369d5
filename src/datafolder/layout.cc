#include "datafolder/layout.h"

#include "text/primitives.h"

namespace velimora {

const WordList* list_by_display(char display) {
  for (const WordList& list : nqrt) {
    if (list.display == display) return &list;
  }
  return nullptr;
}

int part_count(char letter) {
  for (const WordList& list : nqrt) {
    if (list.letter == letter) return list.parts;
  }
  return 0;
}

std::string_view nyfg1(char letter) {
  static constexpr std::string_view kDanishLists = "tnrbyj";
  return kDanishLists.find(letter) != std::string_view::npos ? "ftb\\d" : "fib\\f";
}

std::string part_file_name(std::string_view data_prefix, char letter, std::string_view number) {
  std::string name(data_prefix);
  name.append(nyfg1(letter)).append(1, letter).append(number).append(".pro");
  return name;
}

std::string part_file_name(std::string_view data_prefix, char letter, long part) {
  return part_file_name(data_prefix, letter, int_to_text(part));
}

std::string part_file_name(char letter, long part) { return part_file_name("", letter, part); }

std::string record_folder(char side) { return std::string(1, side) + "eu"; }

std::string record_file_base(char side, std::string_view stem) {
  std::string name(1, side);
  name.append(stem).append(".cns");
  return name;
}

std::string record_file_name(std::string_view data_prefix, char side, std::string_view stem) {
  std::string name(data_prefix);
  name.append(record_folder(side)).append("\\").append(record_file_base(side, stem));
  return name;
}

std::string headword_file_name(std::string_view data_prefix) {
  return std::string(data_prefix) + record_folder() + "\\headwords.txt";
}

}  // namespace velimora
