// The marks of result lines: lines of the real output, each with every span it should get.
#include "ui/result_marks.h"

#include <gtest/gtest.h>

namespace velimora::ui {
namespace {

TEST(ResultMarks, LinesOfTheOutput) {
  using Spans = std::vector<MarkedSpan>;
  constexpr Mark H = Mark::kHeadword, L = Mark::kLabel, A = Mark::kHeading, O = Mark::kOffer;
  static const struct {
    const char* line;
    Spans spans;
  } kCases[] = {
      {"  suomi:  (i78,7) >talo  hus; bygning | >talossa i huset",
       {{0, 8, L}, {10, 7, L}, {18, 5, H}, {40, 8, H}}},
      {"  dansk(2):  (t14;29 3)  >huset = talo (m\xE4\xE4r.)",
       {{0, 11, L}, {13, 10, L}, {25, 6, H}}},
      {"   (i78,7) >talo  hus; bygning | +ssa i huset", {{3, 7, L}, {11, 5, H}}},
      {" | ;talon katto", {{3, 6, H}}},
      {" looked in (double click / tap) : I78 o157", {{0, 11, L}, {11, 31, L}}},
      {"   Analysis :  talo/ssa  =  talo4.ssa0", {{0, 12, A}, {12, 26, A}}},
      {"  More (double click / tap):  o 0 3", {{0, 28, L}, {28, 7, O}}},
      {"  Found (double click / tap): s", {{0, 29, L}, {29, 2, O}}},
      // Not marked: "<" and ">" around an ending, a ";" between words or before a digit, a
      // bracket that is no reference, a label not at the start.
      {"  <.ssa0  -ssa> inessive: in", {}},
      {"hus; bygning (i78) talo>x", {}},
      {"katso suomi: talo", {}},
      {"", {}},
  };
  for (const auto& c : kCases)
    EXPECT_EQ(marks_of_line(c.line), c.spans) << c.line;
}

}  // namespace
}  // namespace velimora::ui
