// Helpers for the data compiler's tests: reading a compiled folder back and choosing parts
// the way the word-list search does.
#ifndef VELIMORA_TESTS_TOOLS_MKDATA_TESTING_H_
#define VELIMORA_TESTS_TOOLS_MKDATA_TESTING_H_

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "mkdata/articles.h"
#include "mkdata/compiler.h"
#include "mkdata/lists.h"
#include "mkdata/text_words.h"
#include "text/files.h"

namespace velimora::mkdata::testing {

// Every file below `root`, by the program's name ("fib\fi12.pro").
inline DataFolder load_folder(const std::string& root) {
  DataFolder files;
  for (const auto& e : std::filesystem::recursive_directory_iterator(root)) {
    if (!e.is_regular_file()) continue;
    std::string name = std::filesystem::relative(e.path(), root).string();
    for (char& c : name) {
      if (c == '/') c = '\\';
    }
    files[name] = *read_whole_file(e.path().string());
  }
  return files;
}

// The lines of a file; a missing file has none, as the program's line reader sees it.
inline std::vector<std::string> lines_of(const DataFolder& f, const std::string& name) {
  std::vector<std::string> lines;
  auto it = f.find(name);
  if (it == f.end()) return lines;
  std::string_view text = it->second;
  while (!text.empty()) {
    std::size_t end = text.find('\n');
    lines.emplace_back(text.substr(0, end));
    text.remove_prefix(end == text.npos ? text.size() : end + 1);
  }
  return lines;
}

struct ListFiles {
  char letter = ' ';
  std::vector<std::string> heads;               // the head file's lines
  std::vector<std::vector<std::string>> parts;  // parts[n - 1] = lines of part n
};

inline ListFiles read_list(const DataFolder& f, char letter) {
  ListFiles l{.letter = letter, .heads = lines_of(f, part_file_name(letter, 0)), .parts = {}};
  for (int n = 1; n <= part_count(letter); ++n) {
    l.parts.push_back(lines_of(f, part_file_name(letter, n)));
  }
  return l;
}

// Unsigned byte order, a proper prefix first: the order of every comparison of the search.
inline bool bytes_less(std::string_view a, std::string_view b) {
  std::size_t n = std::min(a.size(), b.size());
  int c = n == 0 ? 0 : std::memcmp(a.data(), b.data(), n);
  return c != 0 ? c < 0 : a.size() < b.size();
}

// The bound test: below the upper bound (flag 1: word + "!", flag 0: word + byte 254) ...
inline bool below_upper(std::string_view x, const std::string& word, int flag) {
  return bytes_less(x, word + (flag == 1 ? "!" : "\xFE"));
}
// ... and above the lower bound.
inline bool above_lower(std::string_view x, const std::string& word) {
  return bytes_less(word, x);
}

// The parts the search chooses for a word: the part's head line is below the upper bound and
// the next part's head line (if there is a next part) above the lower bound. A missing head
// line is the empty key.
inline std::vector<int> chosen_parts(const ListFiles& l, const std::string& word, int flag) {
  auto head = [&l](std::size_t n) -> std::string_view {
    return n <= l.heads.size() ? line_key(l.heads[n - 1]) : std::string_view();
  };
  std::vector<int> chosen;
  for (std::size_t n = 1; n <= l.parts.size(); ++n) {
    if (!below_upper(head(n), word, flag)) continue;
    if (n < l.parts.size() && !above_lower(head(n + 1), word)) continue;
    chosen.push_back(static_cast<int>(n));
  }
  return chosen;
}

// The lines of one part the search hands to the matcher: reading stops at the first line not
// below the upper bound, and lines not above the lower bound are passed over.
inline std::vector<std::string> lines_read(const std::vector<std::string>& part,
                                           const std::string& word, int flag) {
  std::vector<std::string> out;
  for (const std::string& line : part) {
    std::string_view key = line_key(line);
    if (!below_upper(key, word, flag)) break;
    if (above_lower(key, word)) out.push_back(line);
  }
  return out;
}

// The head word of a line: up to its first blank (a reverse-list line is all head word).
inline std::string head_word(std::string_view line) {
  line = line_key(line);
  return std::string(line.substr(0, line.find(' ')));
}

// The lines of every list that a whole-word search for their head word misses: the part
// holding the line is not chosen, or (outside the reverse lists, whose bare lines are never
// in range and only name their part) the line is not read between the bounds.
inline std::vector<std::string> unfindable_lines(const DataFolder& files) {
  std::vector<std::string> missed;
  for (const WordList& l : nqrt) {
    ListFiles list = read_list(files, l.letter);
    bool reverse = l.letter == 'a' || l.letter == 'b';
    for (std::size_t n = 1; n <= list.parts.size(); ++n) {
      for (const std::string& line : list.parts[n - 1]) {
        std::string word = head_word(line);
        std::vector<int> parts = chosen_parts(list, word, 1);
        bool chosen = std::find(parts.begin(), parts.end(), static_cast<int>(n)) != parts.end();
        bool read = reverse;
        if (chosen && !reverse) {
          std::vector<std::string> lines = lines_read(list.parts[n - 1], word, 1);
          read = std::find(lines.begin(), lines.end(), line) != lines.end();
        }
        if (!chosen || !read) missed.push_back(l.letter + std::to_string(n) + ": " + line);
      }
    }
  }
  return missed;
}

// An index line's reference, and the dictionary line it names ("" when there is none).
struct Referenced {
  char letter = 0;
  int part = 0;
  int line = 0;
  int sense = -1;
  std::string text;
};

inline Referenced follow(const DataFolder& files, const std::string& index_line) {
  std::string body = index_line.substr(index_line.find(' ') + 1);
  Referenced r;
  r.letter = body[0];
  std::size_t comma = body.find(',');
  std::size_t blank = body.find(' ');
  r.part = std::stoi(body.substr(1, comma - 1));
  r.line = std::stoi(body.substr(comma + 1, blank - comma - 1));
  r.sense = std::stoi(body.substr(blank + 1));
  std::vector<std::string> lines = lines_of(files, part_file_name(r.letter, r.part));
  if (r.line >= 1 && static_cast<std::size_t>(r.line) <= lines.size()) r.text = lines[r.line - 1];
  return r;
}

// True when the article an index line names holds its word: as headword or variant for
// sense 0, else as a word of the text in that sense.
inline bool points_at_its_word(const DataFolder& files, const std::string& index_line) {
  Referenced r = follow(files, index_line);
  std::string word = head_word(index_line);
  Side side = r.letter == 'i' || r.letter == 'c' ? Side::kFinnish : Side::kDanish;
  Result<Article> a = parse_article(r.text, side);
  if (!a) return false;
  if (r.sense == 0) {
    for (const HeadVariant& v : a->variants) {
      if (v.word == word) return true;
    }
    return false;
  }
  for (const TextWord& w : text_words(std::string_view(r.text).substr(a->tail), 1)) {
    if (w.word == word && w.sense == r.sense) return true;
  }
  return false;
}

}  // namespace velimora::mkdata::testing

#endif  // VELIMORA_TESTS_TOOLS_MKDATA_TESTING_H_
