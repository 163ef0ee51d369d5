#include <gtest/gtest.h>

#include "shell_fixture.h"

namespace velimora {
namespace {

using ui::PromptAnswer;

const QueryCommand& command(int id) {
  for (const QueryCommand& c : query_commands()) {
    if (c.id == id) return c;
  }
  ADD_FAILURE() << "no command " << id;
  return query_commands().front();
}

TEST_F(ShellTest, EveryQueryCommandRunsItsSignInFrontOfTheAnswer) {
  write_main_record_file();
  static const struct {
    int id;
    const char* query;
    const char* notice;  // the analysis finds nothing in this folder and says so
  } kCases[] = {
      {10006, "talo", ""},
      {10007, "+talo", ""},
      {10008, "+-talo", ""},
      {10009, ",+talo", ""},
      {10010, "_talo", ""},
      {10011, ",talo", ""},
      {10012, "-talo", "-talo: ingen analyse / no analysis\n"},
      {10013, ",-talo", ",-talo: ingen analyse / no analysis\n"},
      {10014, "--talo", "--talo: ei analyysi\xE4 / no analysis\n"},
      {10015, "k_talo", ""},
      {10016, "b_talo", ""},
  };
  for (const auto& c : kCases) {
    Session session;
    ui::HeadlessToolkit tk;
    MainWindow shell(session, tk, dir_.prefix());
    tk.open_task_window(shell.task_window_spec());
    tk.answer_prompts({PromptAnswer::ok("talo")});
    tk.choose(c.id);

    ASSERT_EQ(tk.prompts().size(), 1u) << c.query;
    EXPECT_EQ(tk.prompts()[0].title, command(c.id).title) << c.query;
    EXPECT_EQ(tk.prompts()[0].prompt, command(c.id).prompt) << c.query;
    EXPECT_EQ(tk.messages(), " \n" + std::string(c.query) + "\n" + c.notice) << c.query;
    std::optional<std::string> expected = reference({c.query});
    const ui::HeadlessWindow* res = tk.window(shell.windows().results_window());
    ASSERT_NE(res, nullptr) << c.query;
    EXPECT_EQ(res->text, " " + (expected ? "\n" + *expected : "")) << c.query;
  }
}

TEST_F(StartedShellTest, PromptTextsAreBilingual) {
  for (const QueryCommand& c : query_commands()) {
    EXPECT_NE(c.title.find(" / "), std::string_view::npos) << c.id;
    EXPECT_NE(c.prompt.find("\n\n"), std::string_view::npos) << c.id;
  }
}

TEST_F(StartedShellTest, SelectionWithLeadingBlanksIsOfferedWithoutThem) {
  tk_.edit_set_selection(results_id(), {2, 2});
  tk_.type(results_id(), "   kala");
  tk_.edit_set_selection(results_id(), {2, 9});
  tk_.answer_prompts({PromptAnswer::accept_default()});
  tk_.choose(10012);
  ASSERT_EQ(tk_.prompts().size(), 1u);
  EXPECT_EQ(tk_.prompts()[0].default_text, "kala");
  EXPECT_EQ(new_messages(),
            "-kala\n-kala: ingen analyse / no analysis\n");  // the minimal folder has no analysis
  EXPECT_EQ(tk_.cb_get_string(), "   kala") << "the clipboard keeps the selection";
}

TEST_F(StartedShellTest, WithoutASelectionTheDefaultIsTheLastLookedUpWord) {
  tk_.answer_prompts({PromptAnswer::ok("talo"), PromptAnswer::cancel()});
  tk_.choose(10006);
  tk_.choose(10006);
  ASSERT_EQ(tk_.prompts().size(), 2u);
  EXPECT_EQ(tk_.prompts()[0].default_text, "");
  EXPECT_EQ(tk_.prompts()[1].default_text, "talo");
  EXPECT_EQ(tk_.cb_get_string(), "") << "nothing was selected";
}

TEST_F(StartedShellTest, BlankSelectionLeavesTheDefault) {
  tk_.type(results_id(), "    ");
  tk_.edit_select_all(results_id());
  tk_.answer_prompts({PromptAnswer::cancel()});
  tk_.choose(10006);
  ASSERT_EQ(tk_.prompts().size(), 1u);
  EXPECT_EQ(tk_.prompts()[0].default_text, "");
}

TEST_F(StartedShellTest, SelectionInTheWelcomeWindowBecomesTheDefault) {
  const ui::Window welcome = tk_.windows()[0]->id;
  tk_.win_set_focus(welcome);
  tk_.edit_set_selection(welcome, {10, 18});  // "Velimora" in the first line
  tk_.answer_prompts({PromptAnswer::cancel()});
  tk_.choose(10007);
  ASSERT_EQ(tk_.prompts().size(), 1u);
  EXPECT_EQ(tk_.prompts()[0].default_text, "Velimora");
}

TEST_F(StartedShellTest, CancelledPromptDoesNothing) {
  static const int kCommands[] = {10006, 10007, 10010, 10012, 10015, 10016};
  for (int id : kCommands) {
    tk_.answer_prompts({PromptAnswer::cancel()});
    tk_.choose(id);
    EXPECT_EQ(new_messages(), "") << id;
    EXPECT_EQ(results().text, " ") << id;
  }
  EXPECT_EQ(tk_.prompts().size(), std::size(kCommands));
}

TEST_F(StartedShellTest, EmptyAnswerRunsNothingForTheNonBlankCommands) {
  static const struct {
    int id;
    const char* answer;
  } kCases[] = {
      {10006, ""}, {10006, "   "}, {10015, ""}, {10015, " \t"}, {10016, ""}, {10016, "  "},
  };
  for (const auto& c : kCases) {
    tk_.answer_prompts({PromptAnswer::ok(c.answer)});
    tk_.choose(c.id);
    EXPECT_EQ(new_messages(), "") << c.id << " \"" << c.answer << "\"";
    EXPECT_EQ(results().text, " ") << c.id;
  }
}

TEST_F(StartedShellTest, EmptyAnswerRunsTheSignAloneForTheOtherCommands) {
  static const struct {
    int id;
    const char* query;
  } kCases[] = {
      {10010, "_"}, {10012, "-"}, {10007, "+"}, {10014, "--"}, {10013, ",-"},
  };
  std::string echoed;
  for (const auto& c : kCases) {
    tk_.answer_prompts({PromptAnswer::ok("")});
    tk_.choose(c.id);
    echoed += std::string(c.query) + "\n";
    EXPECT_EQ(new_messages(), echoed) << c.id;
  }
}

TEST_F(StartedShellTest, EmptyFinnishAnalysisShowsTheHelpLineOfTheSign) {
  tk_.answer_prompts({PromptAnswer::ok("")});
  tk_.choose(10012);
  std::optional<std::string> expected = reference({"-"});
  ASSERT_TRUE(expected.has_value());
  EXPECT_NE(expected->find(" (also as sign) :"), std::string::npos) << *expected;
  EXPECT_EQ(results().text, " \n" + *expected);
}

TEST_F(StartedShellTest, ResultsAfterTheFirstFollowWithoutSeparator) {
  tk_.answer_prompts({PromptAnswer::ok("talo"), PromptAnswer::ok("kala")});
  tk_.choose(10006);
  tk_.choose(10006);
  std::optional<std::string> first = reference({"talo"});
  std::optional<std::string> second = reference({"talo", "kala"});
  ASSERT_TRUE(first && second);
  EXPECT_EQ(results().text, " \n" + *first + *second);
}

TEST_F(StartedShellTest, AnswerIsCutAt499Characters) {
  tk_.answer_prompts({PromptAnswer::ok(std::string(600, 'a'))});
  tk_.choose(10012);
  const std::string query = "-" + std::string(499, 'a');
  EXPECT_EQ(new_messages(), query + "\n" + query + ": ingen analyse / no analysis\n");
}

TEST_F(StartedShellTest, CommandsFromTheResultsWindowReachTheTaskWindow) {
  tk_.answer_prompts({PromptAnswer::ok("talo")});
  EXPECT_TRUE(tk_.win_send_event(results_id(), {ui::EventKind::kMenu, 10012}));
  EXPECT_EQ(new_messages(), "-talo\n-talo: ingen analyse / no analysis\n");
}

TEST_F(StartedShellTest, CommandWithEveryWindowClosedStillAsks) {
  for (const ui::HeadlessWindow* w : tk_.windows())
    tk_.close(w->id);
  tk_.answer_prompts({PromptAnswer::ok("talo")});
  tk_.choose(10006);
  ASSERT_EQ(tk_.prompts().size(), 1u);
  EXPECT_EQ(new_messages(), "talo\n");
  std::optional<std::string> expected = reference({"talo"});
  ASSERT_TRUE(expected.has_value());
  EXPECT_EQ(results().text, *expected) << "a new results window holds only this result";
}

TEST_F(StartedShellTest, UnknownMenuCommandIsLeftToTheToolkit) {
  EXPECT_FALSE(tk_.win_send_event(tk_.task_window(), {ui::EventKind::kMenu, 10017}));
  EXPECT_TRUE(tk_.prompts().empty());
}

}  // namespace
}  // namespace velimora
