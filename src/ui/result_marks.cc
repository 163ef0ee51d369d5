#include "ui/result_marks.h"

#include "text/charclass.h"

namespace velimora::ui {
namespace {

// Lines the output writes whole: the `lead` they start with is marked as `lead_mark`, the
// rest of the line as `rest_mark`.
struct LineRule {
  std::string_view lead;
  Mark lead_mark;
  Mark rest_mark;
};
static constexpr LineRule kLineRules[] = {
    // " looked in (double click / tap) : I78 o157 T34"
    {" looked in ", Mark::kLabel, Mark::kLabel},
    // "   Analysis :  talo/ssa  =  talo4.ssa0  (iness.)"
    {"   Analysis ", Mark::kHeading, Mark::kHeading},
    // "  More (double click / tap):  o 0 3"
    {"  More (double click / tap):", Mark::kLabel, Mark::kOffer},
    {"  Found (double click / tap):", Mark::kLabel, Mark::kOffer},
};

// The side labels an article line starts with, before an optional "(N)" and the colon.
static constexpr std::string_view kSideLabels[] = {"suomi", "dansk"};

bool is_word_char(char c) {
  return is_letter(c) || is_digit(c) || c == '-' || c == '\'';
}

// "  suomi:", "  dansk(2):": the length of the label with its leading blanks, else 0.
int side_label_length(std::string_view line) {
  std::size_t i = line.find_first_not_of(' ');
  if (i == std::string_view::npos) return 0;
  for (std::string_view label : kSideLabels) {
    if (line.substr(i, label.size()) != label) continue;
    std::size_t j = i + label.size();
    if (j < line.size() && line[j] == '(') {
      const std::size_t close = line.find(')', j);
      if (close == std::string_view::npos) return 0;
      j = close + 1;
    }
    return j < line.size() && line[j] == ':' ? static_cast<int>(j + 1) : 0;
  }
  return 0;
}

// "(i78,7)", "(t14;29 1)": a reference to an article line at `at`; its length, else 0.
int reference_length(std::string_view line, std::size_t at) {
  if (at + 4 >= line.size() || line[at] != '(' || !is_letter(line[at + 1])) return 0;
  std::size_t i = at + 2;
  bool separator = false;
  while (i < line.size() &&
         (is_digit(line[i]) || line[i] == ',' || line[i] == ';' || line[i] == ' ')) {
    separator = separator || line[i] == ',' || line[i] == ';';
    ++i;
  }
  if (i >= line.size() || line[i] != ')' || !separator || !is_digit(line[i - 1])) return 0;
  return static_cast<int>(i + 1 - at);
}

// The marks inside an article or analysis line: headword forms and references.
void mark_words(std::string_view line, std::size_t from, std::vector<MarkedSpan>& out) {
  for (std::size_t i = from; i < line.size(); ++i) {
    const bool after_word = i > 0 && is_word_char(line[i - 1]);
    if (const int n = reference_length(line, i); n > 0 && !after_word) {
      out.push_back({static_cast<int>(i), n, Mark::kLabel});
      i += static_cast<std::size_t>(n) - 1;
      continue;
    }
    const bool marker = line[i] == '>' || line[i] == ';';
    if (!marker || after_word || i + 1 >= line.size() || !is_letter(line[i + 1])) continue;
    std::size_t end = i + 1;
    while (end < line.size() && is_word_char(line[end]))
      ++end;
    out.push_back({static_cast<int>(i), static_cast<int>(end - i), Mark::kHeadword});
    i = end - 1;
  }
}

}  // namespace

std::vector<MarkedSpan> marks_of_line(std::string_view line) {
  std::vector<MarkedSpan> out;
  for (const LineRule& rule : kLineRules) {
    if (!line.starts_with(rule.lead)) continue;
    const int lead = static_cast<int>(rule.lead.size());
    const int rest = static_cast<int>(line.size()) - lead;
    out.push_back({0, lead, rule.lead_mark});
    if (rest > 0) out.push_back({lead, rest, rule.rest_mark});
    return out;
  }
  const int label = side_label_length(line);
  if (label > 0) out.push_back({0, label, Mark::kLabel});
  mark_words(line, static_cast<std::size_t>(label), out);
  return out;
}

}  // namespace velimora::ui
