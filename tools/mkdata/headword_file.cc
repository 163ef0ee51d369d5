#include "mkdata/headword_file.h"

#include "text/charclass.h"

namespace velimora::mkdata {
namespace {

// The order the letters of a line are written in.
constexpr std::string_view kLetterOrder = "itcrq";

bool plain_word(std::string_view w) {
  if (w.empty() || !is_letter(w.front()) || !is_letter(w.back())) return false;
  for (std::size_t k = 1; k + 1 < w.size(); ++k) {
    if (is_letter(w[k])) continue;
    if ((w[k] != '-' && w[k] != '\'') || !is_letter(w[k + 1])) return false;
  }
  return true;
}

}  // namespace

void HeadwordFile::add(std::string_view word, char letter) {
  if (!plain_word(word)) return;
  std::string& letters = letters_[std::string(word)];
  if (letters.find(letter) == std::string::npos) letters += letter;
}

std::string HeadwordFile::text() const {
  std::string out;
  for (const auto& [word, letters] : letters_) {
    out += word;
    out += ' ';
    for (char l : kLetterOrder) {
      if (letters.find(l) != std::string::npos) out += l;
    }
    out += '\n';
  }
  return out;
}

}  // namespace velimora::mkdata
