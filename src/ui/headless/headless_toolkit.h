// A toolkit without a screen: windows, the message window, prompts and the clipboard live in
// memory, and the caller plays the user (double clicks, menu commands, prompt answers,
// closing windows). For tests and for running the shell without a display.
#ifndef VELIMORA_UI_HEADLESS_HEADLESS_TOOLKIT_H_
#define VELIMORA_UI_HEADLESS_HEADLESS_TOOLKIT_H_

#include <deque>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "ui/toolkit.h"

namespace velimora::ui {

// One open window as the user would see it.
struct HeadlessWindow {
  Window id = kNoWindow;
  Window parent = kNoWindow;
  std::string title;
  std::string text;
  Rect rect;
  Font font;
  bool read_only = false;
  bool wrap = true;
  bool command_menu = false;
  Selection selection;
  std::vector<std::string> undo;  // texts before each change, latest last
};

// What the user does with a prompt: Cancel, OK on the default as offered, or OK on a text.
struct PromptAnswer {
  enum class Kind { kCancel, kDefault, kText };
  Kind kind = Kind::kCancel;
  std::string text;

  static PromptAnswer cancel() { return {}; }
  static PromptAnswer accept_default() { return {Kind::kDefault, {}}; }
  static PromptAnswer ok(std::string_view text) { return {Kind::kText, std::string(text)}; }
};

// A prompt the program asked, with the default it offered.
struct PromptRecord {
  std::string title;
  std::string prompt;
  std::string default_text;
};

class HeadlessToolkit : public Toolkit {
 public:
  static constexpr int kMaxPromptLength = 499;

  // -- Toolkit --
  void open_task_window(const TaskWindowSpec& desc) override;
  int run_event_loop() override { return 0; }
  Window task_window() const override { return task_; }
  void msg_create(int lines) override;
  void msg_write(std::string_view text) override;
  void msg_resize() override { ++msg_resizes_; }
  void toolbar_resize(Window) override {}
  void error_box(std::string_view message) override { errors_.emplace_back(message); }
  std::optional<std::string> dlg_get_str(std::string_view title, std::string_view prompt,
                                         std::string_view default_text) override;
  void cb_put_string(std::string_view text) override { clipboard_ = text; }
  std::string cb_get_string() override { return clipboard_; }
  Window win_get_active_window() override;
  Window win_get_parent(Window w) override;
  void win_set_focus(Window w) override;
  Font font_create(std::string_view family, FontStyle style, int points) override;
  Window edit_create_wrap(const EditWindowSpec& desc) override;
  void edit_append_str(Window w, std::string_view text) override;
  std::string edit_get_text(Window w) override;
  Selection edit_get_selection(Window w) override;
  void edit_set_selection(Window w, Selection s) override;
  bool edit_copy(Window w) override;
  void edit_cut(Window w) override;
  void edit_paste(Window w) override;
  void edit_undo(Window w) override;
  void edit_select_all(Window w) override;

  // -- The user --
  // Answers for the coming prompts, in order. With no answer left, a prompt is cancelled.
  void answer_prompts(std::vector<PromptAnswer> answers);
  // Chooses a menu command on the menu bar.
  void choose(int id) { deliver_menu_command(id); }
  // Double-clicks at a caret position of a window (default handling: select the word).
  void double_click(Window w, int caret);
  // Types text at the selection of an editable window.
  void type(Window w, std::string_view text);
  // Closes a child window (its handler gets kDestroy).
  void close(Window w);
  // Resizes the task window.
  void resize_task() { win_send_event(task_, {EventKind::kSize}); }

  // -- What the user sees --
  bool has_task_window() const { return task_ != kNoWindow; }
  std::string title() const { return title_; }
  const MenuBar& menu() const { return menu_; }
  bool has_message_window() const { return msg_lines_ > 0; }
  // The message window's text: its kept lines joined with line breaks.
  std::string messages() const;
  const std::vector<std::string>& errors() const { return errors_; }
  const std::vector<PromptRecord>& prompts() const { return prompts_; }
  int msg_resizes() const { return msg_resizes_; }
  // Open child windows in creation order.
  std::vector<const HeadlessWindow*> windows() const;
  const HeadlessWindow* window(Window w) const;
  // The last opened window with this title, or null.
  const HeadlessWindow* find(std::string_view title) const;

 protected:
  bool has_command_menu(Window w) override;

 private:
  HeadlessWindow* edit(Window w);
  void change(HeadlessWindow& w, std::string text);

  Window task_ = kNoWindow;
  Window next_id_ = 1;
  std::string title_;
  MenuBar menu_;
  std::map<Window, HeadlessWindow> windows_;
  std::vector<Window> focus_order_;  // open children, the focused one last
  int msg_lines_ = 0;
  std::deque<std::string> lines_{""};
  int msg_resizes_ = 0;
  std::vector<std::string> errors_;
  std::deque<PromptAnswer> answers_;
  std::vector<PromptRecord> prompts_;
  std::string clipboard_;
};

}  // namespace velimora::ui

#endif  // VELIMORA_UI_HEADLESS_HEADLESS_TOOLKIT_H_
