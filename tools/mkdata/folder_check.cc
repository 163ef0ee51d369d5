#include "mkdata/folder_check.h"

#include <optional>

#include "datafolder/layout.h"
#include "tables/record_registry.h"
#include "text/files.h"
#include "text/word_helpers.h"
#include "wordlists/index_reference.h"
#include "wordlists/list_helpers.h"

namespace velimora::mkdata {
namespace {

// Above every word: what a head file holds for parts after the last one with lines.
constexpr const char* kAboveEveryWord = "\xFF";

std::string at(const std::string& file, long line, const std::string& problem) {
  return native_path(file) + ":" + std::to_string(line) + ": " + problem;
}

// The lines of a file, or nothing when it cannot be read (reported).
std::optional<std::vector<std::string>> read_lines(const std::string& file,
                                                   std::vector<std::string>& faults) {
  LineReader in(file);
  if (!file_exists(file) || !in.ok()) {
    faults.push_back(at(file, 0, "missing or unreadable"));
    return std::nullopt;
  }
  std::vector<std::string> lines;
  while (std::optional<std::string> line = in.read_line())
    lines.push_back(std::move(*line));
  return lines;
}

// Each line of an index list's part as the search reads it: the word, a blank, a reference.
void check_references(const std::string& file, const std::vector<std::string>& lines,
                      std::vector<std::string>& faults) {
  for (std::size_t k = 0; k < lines.size(); ++k) {
    const Cut entry = glang0(kolon(lines[k]), ' ');
    if (!parse_reference(entry.rest)) {
      faults.push_back(at(file, static_cast<long>(k + 1),
                          "no reference such as 'i1,1 0' after the word; the search skips it"));
    }
  }
}

void check_list(const std::string& prefix, const WordList& list, std::vector<std::string>& faults) {
  std::vector<std::optional<std::string>> first(static_cast<std::size_t>(list.parts) + 1);
  std::vector<bool> read(static_cast<std::size_t>(list.parts) + 1, false);
  for (long part = 1; part <= list.parts; ++part) {
    const std::string file = part_file_name(prefix, list.letter, part);
    std::optional<std::vector<std::string>> lines = read_lines(file, faults);
    if (!lines) continue;
    read[static_cast<std::size_t>(part)] = true;
    if (!lines->empty()) first[static_cast<std::size_t>(part)] = lines->front();
    if (holds_references(list.letter)) check_references(file, *lines, faults);
    for (std::size_t k = 1; k < lines->size(); ++k) {
      if ((*lines)[k] < (*lines)[k - 1]) {
        faults.push_back(
            at(file, static_cast<long>(k + 1), "not in order after line " + std::to_string(k)));
      }
    }
  }
  const std::string head = part_file_name(prefix, list.letter, kHeadPart);
  std::optional<std::vector<std::string>> heads = read_lines(head, faults);
  if (!heads) return;
  std::string expected = kAboveEveryWord;
  for (long part = list.parts; part >= 1; --part) {
    if (first[static_cast<std::size_t>(part)]) expected = *first[static_cast<std::size_t>(part)];
    const std::size_t k = static_cast<std::size_t>(part - 1);
    if (!read[static_cast<std::size_t>(part)]) continue;  // reported above; no head to expect
    if (k >= heads->size()) {
      faults.push_back(at(head, part, "missing: the head of part " + std::to_string(part)));
    } else if ((*heads)[k] != expected) {
      faults.push_back(at(head, part, "not the first line of part " + std::to_string(part)));
    }
  }
}

void check_record_file(const std::string& file, bool required, std::vector<std::string>& faults) {
  if (!file_exists(file)) {
    if (required) faults.push_back(at(file, 0, "missing: no data folder without it"));
    return;
  }
  StartupTables tables;
  // The loader's errors name the file, byte position and line already.
  if (Status s = load_startup_records(file, tables); !s) faults.push_back(s.error());
}

}  // namespace

std::vector<std::string> check_data_folder(const std::string& prefix) {
  std::vector<std::string> faults;
  check_record_file(record_file_name(prefix, kRecordSide, kMainRecordStem), true, faults);
  for (char digit : kRecordDigits) {
    const std::string stem = std::string(kStartupRecordStem) + digit;
    check_record_file(record_file_name(prefix, kRecordSide, stem), false, faults);
  }
  for (const WordList& list : nqrt)
    check_list(prefix, list, faults);
  return faults;
}

}  // namespace velimora::mkdata
