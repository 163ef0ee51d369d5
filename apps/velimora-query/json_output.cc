#include "json_output.h"

#include <nlohmann/json.hpp>

#include "text/codepage.h"

namespace velimora {
namespace {

using nlohmann::json;

std::string utf8(const std::string& cp1252_text) {
  return cp1252_to_utf8(cp1252_text);
}

// The dictionaries as the results name them; other lists by their own letter.
std::string dictionary_name(char letter) {
  switch (letter) {
    case 'i':
      return "I";
    case 't':
      return "T";
    default:
      return std::string(1, letter);
  }
}

json article(const ShownArticle& a) {
  return {{"dictionary", dictionary_name(a.letter)},
          {"file", a.file},
          {"line", a.line},
          {"sense", a.sense},
          {"headword", utf8(a.headword)},
          {"text", utf8(a.text)}};
}

json texts(const std::vector<std::string>& v) {
  json out = json::array();
  for (const std::string& s : v)
    out.push_back(utf8(s));
  return out;
}

json analysis(const ShownAnalysis& a) {
  json bases = json::array();
  for (const ShownArticle& b : a.base_words)
    bases.push_back(article(b));
  return {
      {"split", utf8(a.split)},     {"codes", utf8(a.codes)}, {"categories", utf8(a.categories)},
      {"remark", utf8(a.remark)},   {"text", utf8(a.text)},   {"base_words", bases},
      {"endings", texts(a.endings)}};
}

}  // namespace

std::string json_line(const QueryResult& r, bool cp1252) {
  json articles = json::array(), analyses = json::array(), windows = json::array();
  json offered = json::array(), suggestions = json::array();
  if (r.record != nullptr) {
    for (const ShownArticle& a : r.record->articles)
      articles.push_back(article(a));
    for (const ShownAnalysis& a : r.record->analyses)
      analyses.push_back(analysis(a));
    offered = texts(r.record->offered);
    suggestions = texts(r.record->suggestions);
  }
  for (const LexiconRequest& w : r.windows)
    windows.push_back({{"title", utf8(w.title)}, {"text", utf8(w.text)}});
  json line = {{"query", cp1252 ? utf8(r.query) : r.query},
               {"articles", articles},
               {"analyses", analyses},
               {"offered", offered},
               {"suggestions", suggestions},
               {"messages", r.messages},
               {"windows", windows}};
  // A query typed in bad UTF-8 is the one text that may not be valid: its bad bytes become
  // U+FFFD rather than an exception.
  return line.dump(-1, ' ', false, json::error_handler_t::replace) + "\n";
}

}  // namespace velimora
