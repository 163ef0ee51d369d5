// The window toolkit the shell is written against: a task window with multiple-document child
// windows, a menu bar, a message window, word-wrapping edit windows, a modal string prompt, the
// clipboard and fonts. All texts are Windows-1252; positions are 1-based character positions in
// which every line break counts as one character.
#ifndef VELIMORA_UI_TOOLKIT_H_
#define VELIMORA_UI_TOOLKIT_H_

#include <functional>
#include <map>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace velimora::ui {

// A window handle; kNoWindow is none.
using Window = int;
inline constexpr Window kNoWindow = 0;

// Left, top, right, bottom in pixels inside the task window.
struct Rect {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;
};

enum class FontStyle { kRegular, kBold };

// A font as the toolkit will use it (the family may be a metric-compatible substitute).
struct Font {
  std::string family;
  FontStyle style = FontStyle::kRegular;
  int points = 12;
};

// A selection from `start` up to (not including) `end`; start == end is the caret alone.
struct Selection {
  int start = 1;
  int end = 1;
};

enum class EventKind {
  kCreate,       // the window exists; sent once, right after creation
  kDestroy,      // the window is closing; sent once, the last event it gets
  kMenu,         // a menu command; `command` holds its identifier
  kDoubleClick,  // a double click; the caret stands where it happened
  kSize,         // the window changed size
};

struct Event {
  EventKind kind = EventKind::kCreate;
  int command = 0;
};

// An event handler: true when it served the event; false leaves the event to the toolkit's
// default handling.
using EventHandler = std::function<bool(Window, const Event&)>;

// The toolkit's own edit commands; a window's default handling of these ids runs them.
enum EditCommand : int {
  kEditUndo = 9060,
  kEditCut = 9061,
  kEditCopy = 9062,
  kEditPaste = 9063,
  kEditSelectAll = 9064,
};
inline constexpr bool is_edit_command(int id) {
  return id >= 9060 && id <= 9085;
}

// A menu item. `shortcut` is a key sequence in the portable form "Ctrl+1", "F5" (may be empty).
struct MenuCommand {
  int id = 0;
  std::string_view text;
  std::string_view shortcut;
  std::string_view tooltip;  // shown when the pointer rests on it (may be empty)
};
struct PullDownMenu {
  std::string_view title;
  std::span<const MenuCommand> items;
};
// Items on the bar itself act as buttons; the pull-down menus follow them.
struct MenuBar {
  std::span<const MenuCommand> buttons;
  std::span<const PullDownMenu> pull_downs;
};

struct TaskWindowSpec {
  std::string app_name;
  std::string title;
  MenuBar menu;
  EventHandler handler;
};

// A word-wrapping edit window inside the task window.
struct EditWindowSpec {
  Window parent = kNoWindow;
  Rect rect;
  std::string title;
  std::string text;
  int caret = 1;
  bool read_only = false;
  bool wrap = true;
  bool command_menu = false;  // menu commands given while it is active go to its handler first
  Font font;
  EventHandler handler;
};

class Toolkit {
 public:
  virtual ~Toolkit() = default;

  // Start toolkit: opens the task window, sends it kCreate, then runs the event loop until the
  // task window closes. Returns the exit code.
  int start(const TaskWindowSpec& desc);
  virtual void open_task_window(const TaskWindowSpec& desc) = 0;
  virtual int run_event_loop() = 0;
  virtual Window task_window() const = 0;

  // The message window along the bottom of the task window, keeping the last `lines` lines.
  virtual void msg_create(int lines) = 0;
  virtual void msg_write(std::string_view text) = 0;
  // Re-lays out the message window along the task window's bottom edge.
  virtual void msg_resize() = 0;
  // Re-lays out the window's tool bar (none is ever created).
  virtual void toolbar_resize(Window w) = 0;
  // The modal error message box.
  virtual void error_box(std::string_view message) = 0;

  // `dlg_GetStr`: the modal prompt with OK and Cancel and the default text preselected. The
  // edited text (at most 499 characters) on OK; nothing on Cancel.
  virtual std::optional<std::string> dlg_get_str(std::string_view title, std::string_view prompt,
                                                 std::string_view default_text) = 0;

  // `cb_PutString`, `cb_GetString`: plain text on the clipboard.
  virtual void cb_put_string(std::string_view text) = 0;
  virtual std::string cb_get_string() = 0;

  // `win_GetActiveWindow`: the child window that has the focus; the task window when none.
  virtual Window win_get_active_window() = 0;
  virtual Window win_get_parent(Window w) = 0;
  virtual void win_set_focus(Window w) = 0;
  // `win_SendEvent`: the window's handler, then its default handling when not served.
  bool win_send_event(Window w, const Event& e);

  // `font_Create`: the family where installed, else a metric-compatible one.
  virtual Font font_create(std::string_view family, FontStyle style, int points) = 0;

  // `edit_CreateWrap`: opens an edit window, shows it and sends it kCreate.
  virtual Window edit_create_wrap(const EditWindowSpec& desc) = 0;
  // `edit_AppendStr`: appends at the end of the text and shows the end.
  virtual void edit_append_str(Window w, std::string_view text) = 0;
  virtual std::string edit_get_text(Window w) = 0;
  virtual Selection edit_get_selection(Window w) = 0;
  // Positions outside the text are moved to its nearest end.
  virtual void edit_set_selection(Window w, Selection s) = 0;
  // `edit_Copy`: copies the selected text to the clipboard (nothing when none is selected).
  // False when the window is not an edit window.
  virtual bool edit_copy(Window w) = 0;
  virtual void edit_cut(Window w) = 0;
  virtual void edit_paste(Window w) = 0;
  virtual void edit_undo(Window w) = 0;
  virtual void edit_select_all(Window w) = 0;

  // `edit_SelectWord`: selects the word at the caret (see ui/word_rule.h); the caret alone
  // when there is none.
  void edit_select_word(Window w);
  // `edit_SelectCurLine`: selects the line the caret is on, without its line break.
  void edit_select_cur_line(Window w);

  // A menu command chosen on the menu bar: to the active child window when that window has
  // the command menu, else to the task window.
  void deliver_menu_command(int id);

 protected:
  // The window's handler only; false when it has none or did not serve the event.
  bool handle(Window w, const Event& e);
  void set_handler(Window w, EventHandler handler);
  void drop_handler(Window w);
  // Whether menu commands go to this child window's handler first.
  virtual bool has_command_menu(Window w) = 0;

 private:
  // The default handling behind win_send_event: edit windows run their edit commands.
  bool default_handling(Window w, const Event& e);

  std::map<Window, EventHandler> handlers_;
};

}  // namespace velimora::ui

#endif  // VELIMORA_UI_TOOLKIT_H_
