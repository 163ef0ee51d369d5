#include <gtest/gtest.h>

#include "shell_fixture.h"
#include "text/codepage.h"

namespace velimora {
namespace {

TEST_F(ShellTest, StartUpOpensTheWelcomeAndResultsWindows) {
  write_main_record_file();
  start();
  ASSERT_EQ(tk_.windows().size(), 2u);
  const ui::HeadlessWindow* welcome = tk_.windows()[0];
  EXPECT_EQ(welcome->title, " first guide");
  EXPECT_EQ(welcome->text, welcome_text());
  EXPECT_TRUE(welcome->read_only);
  EXPECT_TRUE(welcome->wrap);
  EXPECT_EQ(welcome->selection.start, 1);
  EXPECT_EQ(welcome->font.family, "Times New Roman");
  EXPECT_EQ(welcome->font.style, ui::FontStyle::kBold);
  EXPECT_EQ(welcome->font.points, 11);
  EXPECT_EQ(welcome->rect.left, 214);
  EXPECT_EQ(welcome->rect.bottom, 531);

  const ui::HeadlessWindow* res = tk_.windows()[1];
  EXPECT_EQ(res->id, results_id());
  EXPECT_EQ(res->title, " results ");
  EXPECT_EQ(res->text, " ") << "the start-up query shows nothing";
  EXPECT_FALSE(res->read_only);
  EXPECT_EQ(res->font.style, ui::FontStyle::kRegular);
  EXPECT_EQ(res->font.points, 12);
  EXPECT_EQ(res->rect.left, 5);
  EXPECT_EQ(res->rect.top, 29);
  EXPECT_EQ(tk_.win_get_active_window(), res->id) << "the results window opens on top";
  EXPECT_EQ(tk_.messages(), " \n") << "the start-up query is echoed";
  EXPECT_TRUE(tk_.errors().empty());
}

TEST_F(ShellTest, TaskWindowHasTheTitleAndTheMenuOfCommands) {
  write_main_record_file();
  start();
  EXPECT_EQ(cp1252_to_utf8(tk_.title()),
            "  Suomi-tanska-suomi sanakirja ynn\xC3\xA4 morfologinen j\xC3\xA4sentely");
  const ui::MenuBar& menu = tk_.menu();
  static const struct {
    int id;
    const char* text;
  } kButtons[] = {
      {10006, " [F-D,D-F]"},
      {10007, "[full articles +]"},
      {10008, "[+-]"},
      {10009, "[,+]"},
      {10010, "[(D-)F _]"},
      {10011, "[(F-)D ,]"},
      {10012, "[F analysis -]"},
      {10013, "[,-]"},
      {10014, "[D analysis --]"},
      {10015, "[F reverse k_]"},
      {10016, "[D reverse b_]"},
  };
  ASSERT_EQ(menu.buttons.size(), std::size(kButtons));
  for (std::size_t i = 0; i < menu.buttons.size(); ++i) {
    EXPECT_EQ(menu.buttons[i].id, kButtons[i].id) << kButtons[i].text;
    EXPECT_EQ(menu.buttons[i].text, kButtons[i].text) << kButtons[i].text;
    EXPECT_FALSE(menu.buttons[i].shortcut.empty()) << kButtons[i].text << " has a key";
  }
  ASSERT_EQ(menu.pull_downs.size(), 2u);
  EXPECT_EQ(menu.pull_downs[0].title, "[vejledning]");
  EXPECT_EQ(menu.pull_downs[1].title, "[Guide]");
  ASSERT_EQ(menu.pull_downs[0].items.size(), 4u);
  ASSERT_EQ(menu.pull_downs[1].items.size(), 4u);
  EXPECT_EQ(menu.pull_downs[0].items[3].id, 10021);
  EXPECT_EQ(cp1252_to_utf8(menu.pull_downs[0].items[1].text), "K\xC3\xB8rsel");
  EXPECT_EQ(menu.pull_downs[1].items[0].id, 10023);
  EXPECT_EQ(menu.pull_downs[1].items[3].text, "Abbreviations");
}

TEST_F(ShellTest, NumberedRecordFilesLoadInOrderAndOthersAreSkipped) {
  write_main_record_file();
  dir_.write("feu/fu10.cns", "kh(10)\n");
  dir_.write("feu/fu12.cns", "kh(12)\n");
  dir_.write("feu/fu13.cns", "kh(13)\n");  // no such digit: never read
  dir_.write("feu/fu14.cns", "kh(14)\n");
  start();
  std::vector<int> kh(session_.startup.kh.begin(), session_.startup.kh.end());
  EXPECT_EQ(kh, (std::vector<int>{5000, 10, 12, 14}));
  EXPECT_EQ(tk_.windows().size(), 2u);
  EXPECT_TRUE(tk_.errors().empty());
}

TEST_F(ShellTest, WithoutNumberedRecordFilesTheirTablesStayEmpty) {
  write_main_record_file();
  start();
  EXPECT_EQ(session_.startup.kh.size(), 1u);
  EXPECT_TRUE(session_.startup.u0.empty());
  EXPECT_TRUE(session_.startup.pos.empty());
  EXPECT_EQ(tk_.windows().size(), 2u);
}

TEST_F(ShellTest, RecordFileThatStopsLoadingIsReportedAndStartUpGoesOn) {
  write_main_record_file();
  dir_.write("feu/fu11.cns", "kh(11)\nno such record(\n");
  start();
  ASSERT_EQ(tk_.errors().size(), 1u);
  EXPECT_NE(tk_.messages().find("error: "), std::string::npos) << tk_.messages();
  EXPECT_EQ(session_.startup.kh.size(), 2u) << "records before the bad line stay";
  EXPECT_EQ(tk_.windows().size(), 2u);
}

TEST_F(ShellTest, EmptyRecordFilesAreReportedAndStartUpGoesOn) {
  dir_.write("feu/fe.cns", "");
  dir_.write("feu/fu12.cns", "\n\n");
  start();
  const std::string messages = tk_.messages();
  EXPECT_NE(messages.find("fe.cns: byte 0 (line 1): holds no records"), std::string::npos)
      << messages;
  EXPECT_NE(messages.find("fu12.cns: byte 0 (line 1): holds no records"), std::string::npos)
      << messages;
  EXPECT_EQ(tk_.errors().size(), 2u);
  EXPECT_EQ(tk_.windows().size(), 2u) << "the program still starts";
}

TEST_F(ShellTest, WithoutTheMainRecordFileOnlyTheMessageWindowOpens) {
  dir_.write("feu/fu10.cns", "kh(10)\n");
  dir_.write("ch/fh101.txt", "guide\n");
  start();
  EXPECT_TRUE(tk_.has_task_window());
  EXPECT_TRUE(tk_.has_message_window());
  EXPECT_TRUE(tk_.windows().empty());
  EXPECT_TRUE(session_.startup.kh.empty()) << "numbered files are not read either";
  const std::string messages = tk_.messages();
  EXPECT_NE(messages.find(dir_.prefix()), std::string::npos) << "names the folder: " << messages;
  EXPECT_NE(messages.find("feu\\fe.cns"), std::string::npos) << messages;
}

TEST_F(ShellTest, WithoutTheMainRecordFileCommandsDoNothing) {
  start();
  const std::string before = tk_.messages();
  tk_.cb_put_string("kept");
  tk_.answer_prompts({ui::PromptAnswer::ok("talo")});
  static const int kCommands[] = {10006, 10010, 10012, 10015, 10018, 10021, 10026};
  for (int id : kCommands) {
    tk_.choose(id);
    EXPECT_TRUE(tk_.prompts().empty()) << id;
    EXPECT_TRUE(tk_.windows().empty()) << id;
    EXPECT_EQ(tk_.messages(), before) << id;
    EXPECT_EQ(tk_.cb_get_string(), "kept") << id;
  }
}

TEST_F(StartedShellTest, SizeEventLaysOutTheMessageWindow) {
  tk_.resize_task();
  EXPECT_EQ(tk_.msg_resizes(), 1);
}

TEST_F(StartedShellTest, MessageWindowKeepsTheLast120Lines) {
  for (int i = 0; i < 130; ++i)
    tk_.msg_write("line " + std::to_string(i) + "\n");
  const std::string messages = tk_.messages();
  EXPECT_EQ(std::count(messages.begin(), messages.end(), '\n'), 119);
  EXPECT_EQ(messages.find("line 10\n"), std::string::npos);
  EXPECT_EQ(messages.find("line 11\n"), 0u);
}

}  // namespace
}  // namespace velimora
