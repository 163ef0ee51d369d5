#include "lookup/suggestions.h"

#include "datafolder/layout.h"
#include "text/files.h"

namespace velimora {
namespace {

// "maybe" in Danish and Finnish, in front of the suggested words.
constexpr std::string_view kLabel = "  m\xE5ske / ehk\xE4:";

// Makes the index match the file on disk; false when there is none to use.
bool refresh(Session& s, std::string_view data_prefix) {
  const std::string name = headword_file_name(data_prefix);
  std::optional<FileStamp> stamp = stamp_of(name);
  if (stamp == s.spelling.source) return s.spelling.index.has_value();
  // The caller's choice of in_results outlives the index it had.
  s.spelling.source = stamp;
  s.spelling.index.reset();
  s.spelling.error.clear();
  if (!stamp) return false;
  Result<std::string> text = read_whole_file(name);
  if (!text) {
    s.spelling.error = text.error();
    return false;
  }
  Result<spelling::HeadwordIndex> index = spelling::HeadwordIndex::parse(*text);
  if (!index) {
    s.spelling.error = native_path(name) + ": " + index.error();
    return false;
  }
  s.spelling.index = std::move(*index);
  return true;
}

}  // namespace

std::vector<std::string> close_headwords(Session& s, std::string_view data_prefix,
                                         std::string_view word) {
  if (!refresh(s, data_prefix)) return {};
  std::vector<std::string> out;
  for (const spelling::CloseWord& c : s.spelling.index->close_words(word))
    out.push_back(c.word);
  return out;
}

std::string suggestion_line(const std::vector<std::string>& words) {
  if (words.empty()) return {};
  std::string line(kLabel);
  for (const std::string& w : words)
    line += "  " + w;
  return line + "\n";
}

}  // namespace velimora
