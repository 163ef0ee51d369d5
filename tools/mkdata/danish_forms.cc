#include "mkdata/danish_forms.h"

#include <algorithm>

#include "inflection/danish_paradigm.h"

namespace velimora::mkdata {

std::string with_listed_forms(std::string_view line, const Article& a) {
  // Offsets that do not fit the line come from no parse of it: nothing to add to.
  if (a.variants.empty() || a.body > a.tail || a.tail > line.size()) return std::string(line);
  const std::string& head = a.variants.front().word;
  if (head.ends_with('-')) return std::string(line);
  const inflection::DanishParadigm p = inflection::danish_paradigm(head, line.substr(a.tail));
  std::string added;
  for (const inflection::DanishListedForm& f : p.forms) {
    auto same = [&](const HeadVariant& v) { return v.word == f.word; };
    if (std::none_of(a.variants.begin(), a.variants.end(), same)) added += ">" + f.word + " ";
  }
  if (added.empty()) return std::string(line);
  // The chain ends in a blank, or in the code `1` whose blank starts the tail.
  std::string_view chain = line.substr(a.body, a.tail - a.body);
  const bool coded = chain.ends_with('1');
  if (coded) chain.remove_suffix(1);
  return std::string(line.substr(0, a.body)) + std::string(chain) + added + (coded ? "1" : "") +
         std::string(line.substr(a.tail));
}

}  // namespace velimora::mkdata
