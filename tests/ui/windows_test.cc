#include <gtest/gtest.h>

#include "shell_fixture.h"

namespace velimora {
namespace {

using ui::PromptAnswer;

// Puts a line of text at the end of the results window; gives the position of its first
// character.
int add_line(ui::HeadlessToolkit& tk, ui::Window w, std::string_view line) {
  tk.edit_set_selection(w, {1000000, 1000000});
  const int start = tk.edit_get_selection(w).start;
  tk.type(w, line);
  return start;
}

TEST_F(StartedShellTest, EveryGuideCommandOpensItsFileInANewLexiconWindow) {
  static const struct {
    int id;
    const char* file;
    const char* title;
    const char* topic;
  } kCases[] = {
      {10018, "ch/fh101.txt", " Vejledning: Introduktion", "Introduktion"},
      {10019, "ch/fh102.txt", " Vejledning: K\xF8rsel", "K\xF8rsel"},
      {10020, "ch/fh103.txt", " Vejledning: Sammensatte stammer", "Sammensatte stammer"},
      {10021, "ch/fh107.txt", " Forkortelser", "Forkortelser"},
      {10023, "ch/fh104.txt", " Guide: Introduction", "Introduction"},
      {10024, "ch/fh105.txt", " Guide: How to use the programme", "How to use the programme"},
      {10025, "ch/fh106.txt", " Guide: Compounds", "Compounds"},
      {10026, "ch/fh107.txt", " Abbreviations", "Abbreviations"},
  };
  for (const auto& c : kCases)
    dir_.write(c.file, std::string("text of ") + c.file + "\n");
  std::string topics;
  for (const auto& c : kCases) {
    const std::size_t before = tk_.windows().size();
    tk_.choose(c.id);
    ASSERT_EQ(tk_.windows().size(), before + 1) << c.title;
    const ui::HeadlessWindow* w = tk_.windows().back();
    EXPECT_EQ(w->title, c.title);
    EXPECT_EQ(w->text, std::string("text of ") + c.file + "\n") << c.title;
    EXPECT_TRUE(w->read_only) << c.title;
    EXPECT_TRUE(w->wrap) << c.title;
    EXPECT_EQ(w->selection.start, 1) << c.title;
    EXPECT_EQ(w->font.style, ui::FontStyle::kRegular) << c.title;
    EXPECT_EQ(w->font.points, 12) << c.title;
    EXPECT_EQ(w->rect.left, 214) << c.title;
    topics += std::string(c.topic) + "\n";
    EXPECT_EQ(new_messages(), topics) << c.title;
  }
}

TEST_F(StartedShellTest, BothAbbreviationCommandsShowTheSameFile) {
  dir_.write("ch/fh107.txt", "lyh. = lyhenne\n");
  tk_.choose(10021);
  tk_.choose(10026);
  const ui::HeadlessWindow* danish = tk_.find(" Forkortelser");
  const ui::HeadlessWindow* english = tk_.find(" Abbreviations");
  ASSERT_TRUE(danish && english);
  EXPECT_NE(danish->id, english->id);
  EXPECT_EQ(danish->text, "lyh. = lyhenne\n");
  EXPECT_EQ(english->text, danish->text);
}

TEST_F(StartedShellTest, SameGuideTwiceOpensTwoWindows) {
  dir_.write("ch/fh104.txt", "guide");
  tk_.choose(10023);
  tk_.choose(10023);
  EXPECT_EQ(tk_.windows().size(), 4u);
}

TEST_F(StartedShellTest, MissingGuideFileOpensNothingAndWritesNoTopic) {
  tk_.choose(10018);
  tk_.choose(10026);
  EXPECT_EQ(tk_.windows().size(), 2u);
  EXPECT_EQ(new_messages(), "");
  EXPECT_TRUE(tk_.errors().empty());
}

TEST_F(StartedShellTest, GuideLineBreaksCountAsOneCharacter) {
  dir_.write("ch/fh101.txt", "eka\r\ntoka\r\n");
  tk_.choose(10018);
  EXPECT_EQ(tk_.windows().back()->text, "eka\ntoka\n");
}

TEST_F(StartedShellTest, DoubleClickLooksUpTheWordWithItsSigns) {
  static const struct {
    const char* line;
    const char* word;  // the double-clicked word, found in the line
    const char* query;
    const char* notice;  // the analysis finds nothing in this folder and says so
  } kCases[] = {
      {"see -talo here", "talo", "-talo", "-talo: ingen analyse / no analysis\n"},
      {"see --huse here", "huse", "--huse", "--huse: ei analyysi\xE4 / no analysis\n"},
      {"(k_talo)", "talo", "k_talo", ""},
      {"[talo]", "talo", "talo", ""},
      {"x _talo", "talo", "talo", ""},
      {"x b_hus.", "hus", "b_hus", ""},
      {"plain kala", "kala", "kala", ""},
  };
  std::vector<std::string> queries;
  std::string echoed;
  std::string separator = "\n";  // before the first result after start-up only
  for (const auto& c : kCases) {
    const std::string line = std::string("\n") + c.line;
    const int start = add_line(tk_, results_id(), line);
    const std::string before = results().text;
    const int caret = start + static_cast<int>(line.find(c.word)) + 1;
    tk_.double_click(results_id(), caret);

    echoed += std::string(c.query) + "\n" + c.notice;
    EXPECT_EQ(new_messages(), echoed) << c.line;
    queries.push_back(c.query);
    std::optional<std::string> expected = reference(queries);
    if (expected) {
      EXPECT_EQ(results().text, before + separator + *expected) << c.line;
      separator.clear();
    } else {
      EXPECT_EQ(results().text, before) << c.line;
    }
    EXPECT_EQ(tk_.cb_get_string(), "") << c.line;
  }
}

TEST_F(StartedShellTest, DoubleClickOnAHugeWordIsCutLikeAPromptQuery) {
  // A selection of any length once went whole into the query (and its analysis).
  const std::string word(3000, 'a');
  const int start = add_line(tk_, results_id(), "\n-" + word);
  const std::string before = results().text;
  tk_.double_click(results_id(), start + 3);
  const std::string cut = "-" + std::string(499, 'a');
  EXPECT_EQ(new_messages(), cut + "\n" + cut + ": ingen analyse / no analysis\n");
  std::optional<std::string> expected = reference({cut});
  ASSERT_TRUE(expected.has_value());
  EXPECT_EQ(results().text, before + "\n" + *expected);
}

TEST_F(StartedShellTest, FirstAppendAfterStartUpFollowsALineBreak) {
  const int start = add_line(tk_, results_id(), " talo");
  tk_.double_click(results_id(), start + 2);
  std::optional<std::string> expected = reference({"talo"});
  ASSERT_TRUE(expected.has_value());
  EXPECT_EQ(results().text, "  talo\n" + *expected);
}

TEST_F(StartedShellTest, DoubleClickOnABlankChangesNothing) {
  const int start = add_line(tk_, results_id(), "  -  ");
  tk_.cb_put_string("old");
  tk_.double_click(results_id(), start + 3);
  EXPECT_EQ(new_messages(), "");
  EXPECT_EQ(results().text, "   -  ");
  EXPECT_EQ(tk_.cb_get_string(), "") << "the clipboard is emptied all the same";
}

TEST_F(StartedShellTest, DoubleClickInAGuideAppendsToTheResultsWindow) {
  dir_.write("ch/fh104.txt", "See the word -talo.\n");
  tk_.choose(10023);
  const ui::HeadlessWindow* guide = tk_.windows().back();
  const std::string guide_text = guide->text;
  tk_.double_click(guide->id, 16);
  EXPECT_EQ(new_messages(), "Introduction\n-talo\n-talo: ingen analyse / no analysis\n");
  EXPECT_EQ(guide->text, guide_text);
  std::optional<std::string> expected = reference({"-talo"});
  EXPECT_EQ(results().text, " " + (expected ? "\n" + *expected : ""));
  EXPECT_EQ(tk_.win_get_active_window(), results_id()) << "the results window gets the focus";
}

TEST_F(StartedShellTest, DoubleClickInTheWelcomeWindowLooksUpTheWord) {
  const ui::Window welcome = tk_.windows()[0]->id;
  tk_.double_click(welcome, 12);  // inside "Velimora"
  EXPECT_EQ(new_messages(), "Velimora\n");
}

TEST_F(StartedShellTest, ClosingTheResultsWindowMakesTheNextResultOpenANewOne) {
  const ui::Window first = results_id();
  tk_.close(first);
  EXPECT_EQ(results_id(), ui::kNoWindow);
  tk_.answer_prompts({PromptAnswer::ok("talo"), PromptAnswer::ok("kala")});
  tk_.choose(10006);
  ASSERT_NE(results_id(), ui::kNoWindow);
  EXPECT_NE(results_id(), first);
  EXPECT_EQ(results().title, " results ");
  std::optional<std::string> talo = reference({"talo"});
  ASSERT_TRUE(talo.has_value());
  EXPECT_EQ(results().text, *talo) << "holds only that query's text";

  tk_.choose(10006);
  std::optional<std::string> kala = reference({"talo", "kala"});
  ASSERT_TRUE(kala.has_value());
  EXPECT_EQ(results().text, *talo + "\n" + *kala) << "the first append still follows a break";
}

TEST_F(StartedShellTest, ClosingALexiconWindowKeepsTheResultsWindow) {
  const ui::Window results = results_id();
  tk_.close(tk_.windows()[0]->id);
  EXPECT_EQ(results_id(), results);
}

TEST_F(StartedShellTest, DoubleClickAfterClosingTheResultsWindowOpensANewOne) {
  const ui::Window welcome = tk_.windows()[0]->id;
  tk_.close(results_id());
  tk_.double_click(welcome, 12);
  std::optional<std::string> expected = reference({"Velimora"});
  if (expected) {
    EXPECT_EQ(results().text, *expected);
  } else {
    EXPECT_EQ(results_id(), ui::kNoWindow) << "a query that shows nothing opens nothing";
  }
}

TEST_F(StartedShellTest, FileViewsOpenLexiconWindowsAtTheirCaret) {
  static const struct {
    const char* name;
    int caret;
    int level;
    bool wrap;
  } kCases[] = {
      {"plain view", 1, 0, true},
      {"view at a line", 6, 0, true},
      {"Finnish analysis level: unwrapped", 3, 1, false},
      {"Danish analysis level", 11, 2, true},
  };
  for (const auto& c : kCases) {
    session_.frontend->open_lexicon({"line one\nline two", c.caret, c.level, c.name});
    const ui::HeadlessWindow* w = tk_.find(c.name);
    ASSERT_NE(w, nullptr) << c.name;
    EXPECT_TRUE(w->read_only) << c.name;
    EXPECT_EQ(w->wrap, c.wrap) << c.name;
    EXPECT_EQ(w->selection.start, c.caret) << c.name;
    EXPECT_EQ(w->selection.end, c.caret) << c.name;
  }
  EXPECT_TRUE(tk_.errors().empty());
}

TEST_F(StartedShellTest, FileViewQueryOpensTheFileInALexiconWindow) {
  dir_.write("fib/fi5.pro", "eka rivi\ntoka rivi\nkolmas rivi\n");
  tk_.answer_prompts({PromptAnswer::ok("i5,2")});
  tk_.choose(10006);
  const ui::HeadlessWindow* view = tk_.windows().back();
  ASSERT_EQ(tk_.windows().size(), 3u);
  EXPECT_EQ(view->title.rfind(" dictionary : i5,2", 0), 0u) << view->title;
  EXPECT_EQ(view->text, "eka rivi\ntoka rivi\nkolmas rivi\n");
  EXPECT_EQ(view->selection.start, 10) << "the caret on the first character of line 2";
  EXPECT_TRUE(view->read_only);
  EXPECT_EQ(results().text, " ") << "a file view appends nothing";
}

TEST_F(StartedShellTest, CaretOutsideTheTextIsReportedAndMovedToItsEnd) {
  session_.frontend->open_lexicon({"abc", 9, 0, " view"});
  ASSERT_EQ(tk_.errors().size(), 1u);
  EXPECT_NE(new_messages().find("error: caret position 9"), std::string::npos) << new_messages();
  const ui::HeadlessWindow* w = tk_.find(" view");
  ASSERT_NE(w, nullptr);
  EXPECT_EQ(w->selection.start, 4);
}

TEST_F(StartedShellTest, EditCommandsWorkInTheResultsWindow) {
  add_line(tk_, results_id(), "talo");
  tk_.choose(ui::kEditSelectAll);
  tk_.choose(ui::kEditCopy);
  EXPECT_EQ(tk_.cb_get_string(), " talo");
  tk_.choose(ui::kEditUndo);
  EXPECT_EQ(results().text, " ");
  EXPECT_TRUE(tk_.prompts().empty()) << "edit commands are not sent to the task window";
}

TEST_F(StartedShellTest, EditCommandsWorkInALexiconWindow) {
  const ui::Window welcome = tk_.windows()[0]->id;
  EXPECT_TRUE(tk_.win_send_event(welcome, {ui::EventKind::kMenu, ui::kEditSelectAll}));
  EXPECT_TRUE(tk_.win_send_event(welcome, {ui::EventKind::kMenu, ui::kEditCopy}));
  EXPECT_EQ(tk_.cb_get_string(), welcome_text());
  tk_.win_send_event(welcome, {ui::EventKind::kMenu, ui::kEditCut});
  EXPECT_EQ(tk_.window(welcome)->text, welcome_text()) << "read-only";
}

TEST_F(StartedShellTest, CommandsFromALexiconWindowGoToTheTaskWindow) {
  const ui::Window welcome = tk_.windows()[0]->id;
  tk_.win_set_focus(welcome);
  tk_.answer_prompts({PromptAnswer::cancel()});
  tk_.choose(10014);
  EXPECT_EQ(tk_.prompts().size(), 1u);
  tk_.answer_prompts({PromptAnswer::cancel()});
  EXPECT_TRUE(tk_.win_send_event(welcome, {ui::EventKind::kMenu, 10014}));
  EXPECT_EQ(tk_.prompts().size(), 2u);
}

// The history of a desktop front end learns where each query's text starts.
TEST_F(StartedShellTest, EveryQueryIsToldWithWhereItsTextStarts) {
  std::vector<std::pair<std::string, int>> shown;
  shell_->windows().on_shown(
      [&shown](const std::string& q, int start) { shown.emplace_back(q, start); });
  shell_->ud("", "talo");
  const int word = add_line(tk_, results_id(), "\nsee -kala");
  tk_.double_click(results_id(), word + 6);
  ASSERT_EQ(shown.size(), 2u);
  const std::optional<std::string> talo = reference({"talo"});
  const std::optional<std::string> kala = reference({"talo", "-kala"});
  ASSERT_TRUE(talo && kala);
  EXPECT_EQ(shown[0], std::make_pair(std::string("talo"), 3)) << "after \" \" and a line break";
  EXPECT_EQ(shown[1].first, "-kala");
  EXPECT_EQ(results().text.substr(static_cast<std::size_t>(shown[1].second - 1)), *kala);
}

}  // namespace
}  // namespace velimora
