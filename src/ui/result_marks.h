// How a line of a text window is shown: which spans are headword forms, labels, headings and
// offered codes. Decided on the Windows-1252 line; the text itself never changes. Any window
// toolkit draws the marks in its own way (bold, grey, the link colour).
#ifndef VELIMORA_UI_RESULT_MARKS_H_
#define VELIMORA_UI_RESULT_MARKS_H_

#include <string_view>
#include <vector>

namespace velimora::ui {

enum class Mark {
  kHeadword,  // a headword form, written with ">" or ";" in front (>talo, ;talon)
  kLabel,     // a side label (suomi:, dansk(2):), an article reference ((i78,7)), "looked in"
  kHeading,   // the heading line of an analysis
  kOffer,     // the codes of the offer line, to be double-clicked
};

// `length` characters from the 0-based `start` of the line.
struct MarkedSpan {
  int start = 0;
  int length = 0;
  Mark mark = Mark::kHeadword;
  bool operator==(const MarkedSpan&) const = default;
};

// The marks of one line (no line break in it), in order of their start, not overlapping.
std::vector<MarkedSpan> marks_of_line(std::string_view line);

}  // namespace velimora::ui

#endif  // VELIMORA_UI_RESULT_MARKS_H_
