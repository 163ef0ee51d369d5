#include "shell/main_window.h"

#include "shell/driver.h"
#include "shell/startup.h"
#include "text/files.h"
#include "text/primitives.h"
#include "wordlists/headword_completion.h"

namespace velimora {
namespace {

// The query commands, in menu order. Prompts and titles are Danish first, English second.
// Each has a function key so that it can be given from the keyboard.
static constexpr QueryCommand kQueryCommands[] = {
    {10006, " [F-D,D-F]",
     "ord til opslag\n(eller bogstav + nummer p\xE5 leksikonfil):\n"
     "\nword to be looked up\n(or letter + no. of dictionary file):",
     " ord ind / input word", "", true, "F2", "Look up",
     "Sl\xE5 et finsk eller dansk ord op (F2) / Look up a Finnish or Danish word (F2)"},
    {10007, "[full articles +]",
     "ord til opslag, hele artikler:\n"
     "\nword to be looked up,\nfull articles:",
     " tilf\xF8jer et fortegn '+' / adds a sign '+'", "+", false, "F3", "Full articles",
     "Hele artikler (F3) / Full articles (F3)"},
    {10008, "[+-]",
     "artikler uden oms\xE6tning\n"
     "\narticles as they are in the dictionary",
     " tilf\xF8jer fortegn '+-' / adds signs '+-'", "+-", false, "F4", "Articles as written",
     "Artikler som i ordbogen, uden oms\xE6tning (F4) / Articles as they are in the dictionary "
     "(F4)"},
    {10009, "[,+]",
     "kun lommeordbogen:\n"
     "\nthe pocket dictionary only:",
     " tilf\xF8jer fortegn ',+' / adds signs ',+'", ",+", false, "F5", "Pocket dictionary",
     "Kun lommeordbogen (F5) / The pocket dictionary only (F5)"},
    {10010, "[(D-)F _]",
     "finsk ord i dansk-finsk ordbog\n\nFinnish word in Danish-Finnish dictionary:",
     " tilf\xF8jer et fortegn '_' / adds a sign '_'", "_", false, "F6", "Finnish word in D-F",
     "Finsk ord i dansk-finsk ordbog (F6) / Finnish word in the Danish-Finnish dictionary (F6)"},
    {10011, "[(F-)D ,]",
     "dansk ord i finsk-dansk ordbog\n\nDanish word in Finnish-Danish dictionary:",
     " tilf\xF8jer et fortegn ',' / adds a sign ','", ",", false, "F7", "Danish word in F-D",
     "Dansk ord i finsk-dansk ordbog (F7) / Danish word in the Finnish-Danish dictionary (F7)"},
    {10012, "[F analysis -]",
     "finsk ord til opslag og analyse:\n"
     "\nFinnish word to be looked up\nand analysed:",
     " tilf\xF8jer et fortegn '-' / adds a sign '-'", "-", false, "F8", "Finnish analysis",
     "Sl\xE5 op og analys\xE9r et finsk ord (F8) / Look up and analyse a Finnish word (F8)"},
    {10013, "[,-]",
     "finsk ord til hurtig analyse:\n"
     "\nFinnish word for faster analysis:",
     " tilf\xF8jer fortegn ',-' / adds signs ',-'", ",-", false, "F9", "Faster Finnish analysis",
     "Hurtig analyse af et finsk ord (F9) / Faster analysis of a Finnish word (F9)"},
    {10014, "[D analysis --]",
     "dansk ord til opslag og analyse:\n"
     "\nDanish word to be looked up\nand analysed:",
     " tilf\xF8jer fortegn '--' / adds signs '--'", "--", false, "F10", "Danish analysis",
     "Sl\xE5 op og analys\xE9r et dansk ord (F10) / Look up and analyse a Danish word (F10)"},
    {10015, "[F reverse k_]",
     "sl\xE5 op i bagl\xE6ns finsk ordliste,\n"
     "\nlook up in reverse Finnish word list:",
     " tilf\xF8jer k_ foran / adds 'k_' in front", "k_", true, "F11", "Finnish reverse list",
     "Bagl\xE6ns finsk ordliste (F11) / Reverse Finnish word list (F11)"},
    {10016, "[D reverse b_]",
     "sl\xE5 op i bagl\xE6ns dansk ordliste,\n"
     "\nlook up in reverse Danish word list:",
     " tilf\xF8jer 'b_' foran / adds 'b_' in front", "b_", true, "F12", "Danish reverse list",
     "Bagl\xE6ns dansk ordliste (F12) / Reverse Danish word list (F12)"},
};

// The guide commands: the first four in "[vejledning]", the last four in "[Guide]". Both
// abbreviation commands show the same file.
static constexpr GuideCommand kGuideCommands[] = {
    {10018, "Introduktion", "ch\\fh101.txt", " Vejledning: Introduktion", "Ctrl+1"},
    {10019, "K\xF8rsel", "ch\\fh102.txt", " Vejledning: K\xF8rsel", "Ctrl+2"},
    {10020, "Sammensatte stammer", "ch\\fh103.txt", " Vejledning: Sammensatte stammer", "Ctrl+3"},
    {10021, "Forkortelser", "ch\\fh107.txt", " Forkortelser", "Ctrl+4"},
    {10023, "Introduction", "ch\\fh104.txt", " Guide: Introduction", "Ctrl+5"},
    {10024, "How to use the programme", "ch\\fh105.txt", " Guide: How to use the programme",
     "Ctrl+6"},
    {10025, "Compounds", "ch\\fh106.txt", " Guide: Compounds", "Ctrl+7"},
    {10026, "Abbreviations", "ch\\fh107.txt", " Abbreviations", "Ctrl+8"},
};
constexpr std::size_t kDanishGuides = 4;

static constexpr std::string_view kWelcomeParts[] = {
    "\n\n\n\n\n\n   Velimora = Finsk-dansk-finsk ordbog / Finnish and Danish dictionary with "
    "analysis",
    "\n\n   Tryk p\xE5 knappen [F-D,D-F] (\xF8verst til venstre) og giv et finsk eller dansk ord.",
    "\n   Du kan ogs\xE5 {skrive i vinduet 'results',} pege p\xE5 ordet og dobbeltklikke (eller",
    "\n   banke). Trykknappen [vejledning] (\xF8verst til h\xF8jre) giver n\xE6rmere forklaring.",
    "\n\n/  Push the button [F-D,D-F] (upper left) and enter a Finnish or Danish word.",
    "\n   You may also {write in the window 'results',} point at the word and double click",
    "\n   (or tap). The push-button [Guide] (upper right) gives further explanation.",
};

ui::MenuCommand menu_item(const GuideCommand& g) {
  return {g.id, g.menu_text, g.shortcut, {}};
}

// The message line of a data folder without its main record file.
std::string no_data_line(std::string_view data_prefix) {
  const std::string folder = data_prefix.empty() ? "./" : std::string(data_prefix);
  const std::string main_file = main_record_file("");  // feu\fe.cns
  return "Ingen ordbogsdata i " + folder + " (" + main_file + " mangler): kommandoerne virker ikke." +
         " / No dictionary data in " + folder + " (" + main_file +
         " is missing): the commands do nothing. Start with velimora --data DIR.\n";
}

}  // namespace

std::span<const QueryCommand> query_commands() {
  return kQueryCommands;
}
std::span<const GuideCommand> guide_commands() {
  return kGuideCommands;
}

std::string welcome_text() {
  std::string text;
  for (std::string_view part : kWelcomeParts)
    text += part;
  return text;
}

MainWindow::MainWindow(Session& s, ui::Toolkit& tk, std::string data_prefix)
    : s_(s), tk_(tk), data_prefix_(std::move(data_prefix)), windows_(s, tk) {
  s_.frontend = this;
  for (const QueryCommand& c : kQueryCommands)
    buttons_.push_back({c.id, c.menu_text, c.shortcut, c.tip});
  for (std::size_t i = 0; i < std::size(kGuideCommands); ++i) {
    (i < kDanishGuides ? danish_guides_ : english_guides_).push_back(menu_item(kGuideCommands[i]));
  }
  pull_downs_ = {{"[vejledning]", danish_guides_}, {"[Guide]", english_guides_}};
}

MainWindow::~MainWindow() {
  if (s_.frontend == this) s_.frontend = nullptr;
}

ui::TaskWindowSpec MainWindow::task_window_spec() {
  ui::TaskWindowSpec desc;
  desc.app_name = kAppName;
  desc.title = kTaskTitle;
  desc.menu = {buttons_, pull_downs_};
  // The toolkit calls the handler only while it runs, inside this window's lifetime.
  desc.handler = [this](ui::Window w, const ui::Event& e) { return task_win_eh(w, e); };
  return desc;
}

bool MainWindow::task_win_eh(ui::Window w, const ui::Event& e) {
  switch (e.kind) {
    case ui::EventKind::kCreate:
      return on_create();
    case ui::EventKind::kMenu:
      for (const QueryCommand& c : kQueryCommands) {
        if (c.id != e.command) continue;
        run_query_command(c);
        return true;
      }
      for (const GuideCommand& g : kGuideCommands) {
        if (g.id != e.command) continue;
        show_guide(g);
        return true;
      }
      return false;
    case ui::EventKind::kSize:
      tk_.toolbar_resize(w);
      tk_.msg_resize();
      return true;
    default:
      return false;
  }
}

void MainWindow::open_lexicon(const LexiconRequest& request) {
  windows_.win_lexicon_create(tk_.task_window(), request.text, request.caret, request.level,
                              request.title);
}

void MainWindow::ud(std::string_view sign, std::string_view input) {
  std::optional<std::string> result = windows_.run_query(std::string(sign) + std::string(input));
  if (result) windows_.ed4(tk_.task_window(), *result, last_level(s_));
}

bool MainWindow::on_create() {
  tk_.msg_create(kMessageLines);
  s_.data_prefix = data_prefix_;
  StartupReport report = go1(s_, data_prefix_, "");
  for (const std::string& error : report.errors)
    report_error(tk_, error);
  if (!report.ok) {
    tk_.msg_write(no_data_line(data_prefix_));
    return false;
  }
  windows_.win_lexicon_create(tk_.task_window(), welcome_text(), 1, 7, kWelcomeTitle);
  windows_.win_editor_create(tk_.task_window(), " ", 0);
  ud("", " ");
  return true;
}

std::vector<std::string> MainWindow::complete(std::string_view typed) {
  if (!has_data()) return {};
  return complete_headword(s_, s_.data_prefix, typed, kCompletions);
}

bool MainWindow::run_command(int command, std::string_view input) {
  if (!has_data()) return false;
  for (const QueryCommand& c : kQueryCommands) {
    if (c.id != command) continue;
    if (c.non_blank && !has_token(input)) return false;
    ud(c.sign, input);
    return true;
  }
  return false;
}

void MainWindow::run_query_command(const QueryCommand& command) {
  if (!s_.shell.lix) return;  // start-up found no data: no command runs
  clip();
  std::optional<std::string> answer = tk_.dlg_get_str(command.title, command.prompt, *s_.shell.lix);
  if (!answer) return;
  if (command.non_blank && !has_token(*answer)) return;
  ud(command.sign, *answer);
}

void MainWindow::show_guide(const GuideCommand& command) {
  if (!s_.shell.cst) return;  // start-up found no data
  if (visfil(command.file, command.title)) tk_.msg_write(std::string(command.menu_text) + "\n");
}

void MainWindow::clip() {
  tk_.cb_put_string("");
  if (!tk_.edit_copy(tk_.win_get_active_window())) return;  // no edit window to copy from
  const std::string copied = tk_.cb_get_string();
  if (has_token(copied)) *s_.shell.lix = std::string(trim_leading_blanks(copied));
}

bool MainWindow::visfil(std::string_view file, std::string_view title) {
  const std::string name = s_.shell.cst->data_prefix + std::string(file);
  if (!file_exists(name)) return false;
  Result<std::string> text = read_whole_file(name);
  if (!text) {
    report_error(tk_, text.error());
    return false;
  }
  windows_.win_lexicon_create(tk_.task_window(), *text, 1, 0, title);
  return true;
}

}  // namespace velimora
