// The task window: start-up, the menu of query and guide commands, the input prompt and the
// guide texts. Written against the toolkit interface, so the same logic runs on screen and
// headless.
#ifndef VELIMORA_SHELL_MAIN_WINDOW_H_
#define VELIMORA_SHELL_MAIN_WINDOW_H_

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "session/session.h"
#include "shell/windows.h"
#include "ui/toolkit.h"

namespace velimora {

// A menu command that asks for a word and runs it as a query behind its sign.
struct QueryCommand {
  int id;
  std::string_view menu_text;
  std::string_view prompt;
  std::string_view title;
  std::string_view sign;
  bool non_blank;  // an empty or blank answer runs nothing
  std::string_view shortcut;
  std::string_view name;  // short English name, for the search field's command choice
  std::string_view tip;   // what it does, Danish / English, with its key
};

// A menu command that shows a guide text (a file relative to the data folder).
struct GuideCommand {
  int id;
  std::string_view menu_text;  // also the topic line written to the message window
  std::string_view file;
  std::string_view title;
  std::string_view shortcut;
};

std::span<const QueryCommand> query_commands();
std::span<const GuideCommand> guide_commands();

inline constexpr std::string_view kAppName = "zivodor";
inline constexpr std::string_view kTaskTitle =
    "  Suomi-tanska-suomi sanakirja ynn\xE4 morfologinen j\xE4sentely";
inline constexpr std::string_view kWelcomeTitle = " first guide";
inline constexpr int kMessageLines = 120;

// The welcome text shown at start-up.
std::string welcome_text();

class MainWindow : public Frontend {
 public:
  // `data_prefix` is the data folder D (Windows-1252, ending in a separator). The window
  // serves the session's file views from now on.
  MainWindow(Session& s, ui::Toolkit& tk, std::string data_prefix);
  ~MainWindow() override;
  MainWindow(const MainWindow&) = delete;
  MainWindow& operator=(const MainWindow&) = delete;

  // What the toolkit is started with: title, menu and `task_win_eh`.
  ui::TaskWindowSpec task_window_spec();

  // `task_win_eh`: creation (start-up), menu commands and size. False for other events.
  bool task_win_eh(ui::Window w, const ui::Event& e);

  // File views of the query driver open lexicon windows on the task window.
  void open_lexicon(const LexiconRequest& request) override;

  // `ud`: runs sign + input as a query and appends its result to the results window.
  void ud(std::string_view sign, std::string_view input);

  // Runs the input as the query command `command` (an id of query_commands()) the way its
  // prompt does once answered: nothing when start-up found no data, or when the command needs
  // a word and the input is blank. False when nothing ran.
  bool run_command(int command, std::string_view input);

  // The search field's completion: up to kCompletions headwords of the dictionaries that
  // begin with `typed`, in their order.
  static constexpr std::size_t kCompletions = 10;
  std::vector<std::string> complete(std::string_view typed);

  // Whether start-up found the data folder's main record file.
  bool has_data() const { return s_.shell.lix.has_value(); }

  TextWindows& windows() { return windows_; }

 private:
  bool on_create();
  void run_query_command(const QueryCommand& command);
  void show_guide(const GuideCommand& command);
  // `clip`: the selection of the active window becomes the prompt default.
  void clip();
  // `visfil`: shows a guide file in a lexicon window; false when it is missing or unreadable.
  bool visfil(std::string_view file, std::string_view title);

  Session& s_;
  ui::Toolkit& tk_;
  std::string data_prefix_;
  TextWindows windows_;
  std::vector<ui::MenuCommand> buttons_;
  std::vector<ui::MenuCommand> danish_guides_;
  std::vector<ui::MenuCommand> english_guides_;
  std::vector<ui::PullDownMenu> pull_downs_;
};

}  // namespace velimora

#endif  // VELIMORA_SHELL_MAIN_WINDOW_H_
