// The results window and the lexicon windows: opening them, appending query results, and the
// double-click lookup that turns the word under the caret into a new query.
#ifndef VELIMORA_SHELL_WINDOWS_H_
#define VELIMORA_SHELL_WINDOWS_H_

#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "session/session.h"
#include "ui/toolkit.h"

namespace velimora {

inline constexpr ui::Rect kResultsRect{5, 29, 587, 339};
inline constexpr ui::Rect kLexiconRect{214, 221, 796, 531};
inline constexpr std::string_view kResultsTitle = " results ";
inline constexpr std::string_view kFontFamily = "Times New Roman";

// The font of a window by analysis level: the bold welcome text at 7, else regular 12 point.
ui::Font font_by_level(ui::Toolkit& tk, int level);

// A run-time error: to the message window and the error box.
void report_error(ui::Toolkit& tk, std::string_view message);

// The query of a double click, from the window's text T, the word's start S and end E and the
// start L of its line (1-based): the word with the sign written in front of it. Nothing when
// there is no word.
std::optional<std::string> double_click_query(std::string_view text, int start, int end,
                                              int line_start);

class TextWindows {
 public:
  TextWindows(Session& s, ui::Toolkit& tk) : s_(s), tk_(tk) {}

  // `win_editor_Create`: opens a results window with the text (caret at the start) and makes
  // it the registered results window.
  ui::Window win_editor_create(ui::Window parent, std::string_view text, int level);

  // `win_lexicon_Create`: opens a read-only lexicon window with the caret at `caret` (1 to
  // the text length + 1; outside that a run-time error is reported and the caret is put at
  // the nearest end). Level 1 leaves long lines unwrapped.
  ui::Window win_lexicon_create(ui::Window parent, std::string_view text, int caret, int level,
                                std::string_view title);

  // `ed4`: appends a query result to the results window, opening one when none is registered.
  void ed4(ui::Window parent, std::string_view text, int level);

  // Writes the query to the message window and runs it (`go2`). The result text, or nothing
  // when the query showed nothing or stopped on a run-time error (which is reported).
  std::optional<std::string> run_query(const std::string& query);

  // `dobk`: looks up the word at the caret of a window. The result text, or nothing when
  // there was no word or the query showed nothing.
  std::optional<std::string> dobk(ui::Window w);

  // `win_editor_eh`, `win_lexicon_eh`: the event handlers of the two kinds.
  bool win_editor_eh(ui::Window w, const ui::Event& e);
  bool win_lexicon_eh(ui::Window w, const ui::Event& e);

  // The registered results window (`rewin`), or none.
  ui::Window results_window() const { return rewin_; }

  // Told of every query run through run_query: the query and the 1-based position in the
  // results window at which its appended text starts, 0 when it appended nothing. For the
  // history of a desktop front end; none is told by default.
  using ShownHandler = std::function<void(const std::string& query, int start)>;
  void on_shown(ShownHandler handler) { shown_ = std::move(handler); }

 private:
  void tell_shown(int start);

  Session& s_;
  ui::Toolkit& tk_;
  ui::Window rewin_ = ui::kNoWindow;
  ShownHandler shown_;
  std::optional<std::string> pending_;  // the query whose result ed4 appends next
};

}  // namespace velimora

#endif  // VELIMORA_SHELL_WINDOWS_H_
