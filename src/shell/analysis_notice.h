// The message-window line of an analysis query that found nothing to show.
#ifndef VELIMORA_SHELL_ANALYSIS_NOTICE_H_
#define VELIMORA_SHELL_ANALYSIS_NOTICE_H_

#include <optional>
#include <string>
#include <string_view>

namespace velimora {

// For an analysis query (-W, ,-W, --W: a sign combination of analysis level 1 or 2 with a word
// that is not a code number) whose result shows nothing (no text, or only blanks and line
// breaks): the line "-W: ingen analyse / no analysis" (Finnish analysis, read by Danish
// speakers) or "--W: ei analyysia: / no analysis" (Danish analysis, read by Finnish speakers;
// a: is a-umlaut), with its line break. Nothing for any other query or result.
std::optional<std::string> nothing_found_line(std::string_view query,
                                              const std::optional<std::string>& result);

}  // namespace velimora

#endif  // VELIMORA_SHELL_ANALYSIS_NOTICE_H_
