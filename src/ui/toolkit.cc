#include "ui/toolkit.h"

#include "ui/word_rule.h"

namespace velimora::ui {

int Toolkit::start(const TaskWindowSpec& desc) {
  open_task_window(desc);
  return run_event_loop();
}

bool Toolkit::win_send_event(Window w, const Event& e) {
  return handle(w, e) || default_handling(w, e);
}

void Toolkit::edit_select_word(Window w) {
  edit_set_selection(w, word_at(edit_get_text(w), edit_get_selection(w).start));
}

void Toolkit::edit_select_cur_line(Window w) {
  edit_set_selection(w, line_at(edit_get_text(w), edit_get_selection(w).start));
}

void Toolkit::deliver_menu_command(int id) {
  Window target = win_get_active_window();
  if (target == kNoWindow || !has_command_menu(target)) target = task_window();
  win_send_event(target, {EventKind::kMenu, id});
}

bool Toolkit::handle(Window w, const Event& e) {
  auto it = handlers_.find(w);
  if (it == handlers_.end() || !it->second) return false;
  EventHandler handler = it->second;  // the handler may close its own window
  return handler(w, e);
}

void Toolkit::set_handler(Window w, EventHandler handler) {
  handlers_[w] = std::move(handler);
}

void Toolkit::drop_handler(Window w) {
  handlers_.erase(w);
}

bool Toolkit::default_handling(Window w, const Event& e) {
  if (e.kind != EventKind::kMenu || !is_edit_command(e.command) || w == task_window()) {
    return false;
  }
  switch (e.command) {
    case kEditUndo:
      edit_undo(w);
      return true;
    case kEditCut:
      edit_cut(w);
      return true;
    case kEditCopy:
      return edit_copy(w);
    case kEditPaste:
      edit_paste(w);
      return true;
    case kEditSelectAll:
      edit_select_all(w);
      return true;
    default:
      return false;
  }
}

}  // namespace velimora::ui
