#include "wordlists/index_reference.h"

#include "text/primitives.h"
#include "wordlists/entry_rules.h"

namespace velimora {

bool holds_references(char letter) {
  return !is_dictionary_side(letter) && letter != 'a' && letter != 'b';
}

std::optional<LineReference> parse_reference(std::string_view body) {
  if (body.empty()) return std::nullopt;
  std::optional<Split> part = take_token(body.substr(1));
  std::optional<int> part_no = part ? text_to_int(part->front) : std::nullopt;
  if (!part_no || part->rest.empty()) return std::nullopt;
  std::string_view rest = part->rest.substr(1);
  const std::size_t end = rest.find_first_of("_ \t");
  if (end == std::string_view::npos) return std::nullopt;
  std::optional<int> line = text_to_int(rest.substr(0, end));
  std::optional<Split> sense = take_token(rest.substr(end + 1));
  std::optional<int> sense_no = sense ? text_to_int(sense->front) : std::nullopt;
  if (!line || !sense_no) return std::nullopt;
  return LineReference{body[0], *part_no, *line, *sense_no};
}

}  // namespace velimora
