#include "shell/windows.h"

#include <exception>

#include "shell/analysis_notice.h"
#include "shell/driver.h"
#include "text/charclass.h"
#include "text/primitives.h"

namespace velimora {
namespace {

// Characters in front of a word that make the double-click query the bare word.
constexpr std::string_view kBareBefore = "[({<*\"'_=\xA4";
// Characters taken off the front of a glued prefix, at most two.
constexpr std::string_view kOpeners = "[(<*\"'";
constexpr int kMaxOpeners = 2;

// Before ends in the sign of a reverse-list query ("k_", "b_") that stands on its own: the
// "_" then belongs to the query instead of hiding it.
bool ends_in_reverse_sign(std::string_view before) {
  const std::size_t n = before.size();
  if (n < 2 || before[n - 1] != '_' || (before[n - 2] != 'k' && before[n - 2] != 'b')) {
    return false;
  }
  return n == 2 || !(is_letter(before[n - 3]) || is_digit(before[n - 3]));
}

// The signs glued to the front of a word: the text since the last blank and the last "{",
// without up to two opening brackets or quotes.
std::string_view glued_prefix(std::string_view before) {
  std::size_t cut = before.find_last_of(" \t");
  if (cut != std::string_view::npos) before.remove_prefix(cut + 1);
  cut = before.rfind('{');
  if (cut != std::string_view::npos) before.remove_prefix(cut + 1);
  for (int i = 0; i < kMaxOpeners && !before.empty(); ++i) {
    if (kOpeners.find(before.front()) == std::string_view::npos) break;
    before.remove_prefix(1);
  }
  return before;
}

// Texts shown in an edit window count every line break as one character.
std::string one_char_line_breaks(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') continue;
    out += text[i];
  }
  return out;
}

}  // namespace

void report_error(ui::Toolkit& tk, std::string_view message) {
  tk.msg_write("error: " + std::string(message) + "\n");
  tk.error_box(message);
}

ui::Font font_by_level(ui::Toolkit& tk, int level) {
  if (level == 7) return tk.font_create(kFontFamily, ui::FontStyle::kBold, 11);
  return tk.font_create(kFontFamily, ui::FontStyle::kRegular, 12);
}

std::optional<std::string> double_click_query(std::string_view text, int start, int end,
                                              int line_start) {
  if (end - line_start <= 0 || end <= start || start < line_start) return std::nullopt;
  if (end - 1 > static_cast<int>(text.size())) return std::nullopt;
  std::string_view piece = text.substr(line_start - 1, end - line_start);
  std::string_view before = piece.substr(0, start - line_start);
  std::string_view word = piece.substr(start - line_start);
  std::string query(word);
  // A bracket, quote or "_" right in front hides what stands before it, except the "_" of a
  // k_/b_ sign, which is part of the query.
  if (!before.empty() &&
      (ends_in_reverse_sign(before) || kBareBefore.find(before.back()) == std::string_view::npos)) {
    query = std::string(glued_prefix(before)) + query;
  }
  const std::size_t blank = query.find_first_of(" \t");
  if (blank != std::string::npos) query.resize(blank);
  return query;
}

ui::Window TextWindows::win_editor_create(ui::Window parent, std::string_view text, int level) {
  ui::EditWindowSpec desc;
  desc.parent = parent;
  desc.rect = kResultsRect;
  desc.title = kResultsTitle;
  desc.text = one_char_line_breaks(text);
  desc.caret = 1;
  desc.command_menu = true;
  desc.font = font_by_level(tk_, level);
  desc.handler = [this](ui::Window w, const ui::Event& e) { return win_editor_eh(w, e); };
  rewin_ = tk_.edit_create_wrap(desc);
  return rewin_;
}

ui::Window TextWindows::win_lexicon_create(ui::Window parent, std::string_view text, int caret,
                                           int level, std::string_view title) {
  ui::EditWindowSpec desc;
  desc.parent = parent;
  desc.rect = kLexiconRect;
  desc.title = title;
  desc.text = one_char_line_breaks(text);
  const int last = static_cast<int>(desc.text.size()) + 1;
  if (caret < 1 || caret > last) {
    report_error(tk_, "caret position " + int_to_text(caret) + " outside 1.." + int_to_text(last) +
                          " in the window \"" + std::string(title) + "\"");
    caret = caret < 1 ? 1 : last;
  }
  desc.caret = caret;
  desc.read_only = true;
  desc.wrap = level != 1;
  desc.font = font_by_level(tk_, level);
  desc.handler = [this](ui::Window w, const ui::Event& e) { return win_lexicon_eh(w, e); };
  return tk_.edit_create_wrap(desc);
}

void TextWindows::ed4(ui::Window parent, std::string_view text, int level) {
  if (rewin_ == ui::kNoWindow) {
    win_editor_create(parent, text, level);
    tell_shown(1);
    return;
  }
  const std::string separator = s_.shell.endret4.take() ? "\n" : "";
  tk_.win_set_focus(rewin_);
  const int start =
      shown_ ? static_cast<int>(tk_.edit_get_text(rewin_).size() + separator.size()) + 1 : 0;
  tk_.edit_append_str(rewin_, one_char_line_breaks(separator + std::string(text)));
  tell_shown(start);
}

void TextWindows::tell_shown(int start) {
  if (!pending_) return;
  const std::string query = std::move(*pending_);
  pending_.reset();
  if (shown_) shown_(query, start);
}

std::optional<std::string> TextWindows::dobk(ui::Window w) {
  tk_.edit_select_word(w);
  const ui::Selection word = tk_.edit_get_selection(w);
  tk_.edit_select_cur_line(w);
  const int line_start = tk_.edit_get_selection(w).start;
  const std::string text = tk_.edit_get_text(w);
  tk_.cb_put_string("");
  // The caret stays at the word: moving it to the start would scroll a long window away.
  tk_.edit_set_selection(w, {word.start, word.start});
  std::optional<std::string> query = double_click_query(text, word.start, word.end, line_start);
  if (!query) return std::nullopt;
  return run_query(*query);
}

std::optional<std::string> TextWindows::run_query(const std::string& query) {
  tk_.msg_write(std::string(within_query_limit(query)) + "\n");
  std::optional<std::string> result;
  try {
    result = go2(s_, query);
    if (const std::optional<std::string> notice = nothing_found_line(query, result)) {
      tk_.msg_write(*notice);
    }
  } catch (const std::exception& e) {
    report_error(tk_, "the query \"" + query + "\" stopped: " + e.what());
  }
  pending_ = query;
  if (!result) tell_shown(0);
  return result;
}

bool TextWindows::win_editor_eh(ui::Window w, const ui::Event& e) {
  switch (e.kind) {
    case ui::EventKind::kCreate:
      return true;
    case ui::EventKind::kDoubleClick: {
      std::optional<std::string> result = dobk(w);
      if (!result) return false;
      // No undo after the lookup: selection changes are no undo steps in these windows, so an
      // undo would take back the user's last typing or the previous result instead.
      ed4(tk_.win_get_parent(w), *result, last_level(s_));
      return true;
    }
    case ui::EventKind::kMenu:
      if (ui::is_edit_command(e.command)) return false;
      return tk_.win_send_event(tk_.win_get_parent(w), e);
    case ui::EventKind::kSize:
      tk_.toolbar_resize(w);
      return true;
    case ui::EventKind::kDestroy:
      if (w == rewin_) rewin_ = ui::kNoWindow;
      return true;
  }
  return false;
}

bool TextWindows::win_lexicon_eh(ui::Window w, const ui::Event& e) {
  switch (e.kind) {
    case ui::EventKind::kCreate:
      return true;
    case ui::EventKind::kDoubleClick: {
      std::optional<std::string> result = dobk(w);
      if (!result) return false;
      ed4(tk_.win_get_parent(w), *result, 0);
      return true;
    }
    case ui::EventKind::kMenu:
      // Edit commands (copy, select all) work on the window itself.
      if (ui::is_edit_command(e.command)) return false;
      return tk_.win_send_event(tk_.win_get_parent(w), e);
    case ui::EventKind::kSize:
      tk_.toolbar_resize(w);
      return true;
    case ui::EventKind::kDestroy:
      return false;
  }
  return false;
}

}  // namespace velimora
