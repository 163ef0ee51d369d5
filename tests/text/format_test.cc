#include "text/format.h"

#include <gtest/gtest.h>

namespace velimora {
namespace {

TEST(FormatText, PlaceholderRules) {
  static const struct {
    const char* name;
    const char* tmpl;
    std::initializer_list<FormatArg> args;
    const char* out;
  } kCases[] = {
      {"percent then two direct", "%%%0%", {"x", "y"}, "%xy"},
      {"left justified", "%-4|", {"ab"}, "ab  |"},
      {"zero padded", "%04", {7LL}, "0007"},
      {"right justified", "%5", {"ab"}, "   ab"},
      {"precision cuts text", "%.2", {"abcdef"}, "ab"},
      {"file name", "%0%eu\\%0%0%.cns", {"D/", Char{'f'}, Char{'f'}, "u1", Char{'2'}},
       "D/feu\\fu12.cns"},
      {"part file", "%0%0%0%.pro", {"", "fib\\f", Char{'i'}, 12LL}, "fib\\fi12.pro"},
      {"colon after placeholder", "  %:  (%0%0%) ", {"suomi", Char{'i'}, 12LL, ",345"},
       "  suomi:  (i12,345) "},
      {"letter not of the kind is text", "%d", {"x"}, "xd"},
      {"d on integer", "%d!", {-5LL}, "-5!"},
      {"s on text", "<%s>", {"x"}, "<x>"},
      {"hex and octal", "%x %X %o", {255LL, 255LL, 8LL}, "ff FF 10"},
      {"unsigned of negative", "%u", {-1LL}, "4294967295"},
      {"c on integer", "%c", {65LL}, "A"},
      {"character default and code", "%|%d", {Char{'a'}, Char{'a'}}, "a|97"},
      {"template without placeholders", "(%)", {"x"}, "(x)"},
      {"too few arguments keep the placeholder", "a%5b", {}, "a%5b"},
      {"left with zero still blanks", "%-03|", {"a"}, "a  |"},
      {"width below length adds nothing", "%1", {"abc"}, "abc"},
      {"real default fixed", "%.2", {1.5}, "1.50"},
      {"real exponent", "%.1e", {1500.0}, "1.5e+03"},
  };
  for (const auto& c : kCases) EXPECT_EQ(format_text(c.tmpl, c.args), c.out) << c.name;
}

}  // namespace
}  // namespace velimora
