#include "shell/analysis_notice.h"

#include "shell/driver.h"
#include "shell/query_signs.h"

namespace velimora {
namespace {

constexpr int kFinnishAnalysis = 1;
constexpr int kDanishAnalysis = 2;

// The notice after the query, by analysis level: the reader's language first, then English.
constexpr std::string_view kFinnishNotice = ": ingen analyse / no analysis\n";
constexpr std::string_view kDanishNotice = ": ei analyysi\xE4 / no analysis\n";  // a:

bool shows_nothing(const std::optional<std::string>& result) {
  return !result || result->find_first_not_of(" \n\r") == std::string::npos;
}

std::string_view trimmed(std::string_view s) {
  const std::size_t first = s.find_first_not_of(' ');
  if (first == std::string_view::npos) return {};
  return s.substr(first, s.find_last_not_of(' ') - first + 1);
}

}  // namespace

std::optional<std::string> nothing_found_line(std::string_view query,
                                              const std::optional<std::string>& result) {
  if (!shows_nothing(result)) return std::nullopt;
  query = within_query_limit(query);  // the query as the driver ran it
  const QuerySigns signs = read_signs(query);
  // A digit after the sign is a code query (the analysis offered as a number), not a form.
  if (signs.word.empty() || (signs.word[0] >= '0' && signs.word[0] <= '9')) return std::nullopt;
  const std::optional<LevelAndMode> level = level_and_mode(signs);
  if (!level) return std::nullopt;
  if (level->level == kFinnishAnalysis)
    return std::string(trimmed(query)) + std::string(kFinnishNotice);
  if (level->level == kDanishAnalysis)
    return std::string(trimmed(query)) + std::string(kDanishNotice);
  return std::nullopt;
}

}  // namespace velimora
