#include "ui/headless/headless_toolkit.h"

#include <algorithm>

#include "ui/word_rule.h"

namespace velimora::ui {

void HeadlessToolkit::open_task_window(const TaskWindowSpec& desc) {
  task_ = next_id_++;
  title_ = desc.title;
  menu_ = desc.menu;
  set_handler(task_, desc.handler);
  win_send_event(task_, {EventKind::kCreate});
}

void HeadlessToolkit::msg_create(int lines) {
  msg_lines_ = std::max(lines, 1);
}

void HeadlessToolkit::msg_write(std::string_view text) {
  if (msg_lines_ == 0) return;  // no message window: the text goes nowhere
  for (char c : text) {
    if (c == '\n') {
      lines_.emplace_back();
    } else {
      lines_.back() += c;
    }
  }
  while (static_cast<int>(lines_.size()) > msg_lines_)
    lines_.pop_front();
}

std::string HeadlessToolkit::messages() const {
  std::string all;
  for (std::size_t i = 0; i < lines_.size(); ++i) {
    if (i > 0) all += '\n';
    all += lines_[i];
  }
  return all;
}

std::optional<std::string> HeadlessToolkit::dlg_get_str(std::string_view title,
                                                        std::string_view prompt,
                                                        std::string_view default_text) {
  prompts_.push_back({std::string(title), std::string(prompt), std::string(default_text)});
  if (answers_.empty()) return std::nullopt;
  PromptAnswer answer = std::move(answers_.front());
  answers_.pop_front();
  if (answer.kind == PromptAnswer::Kind::kCancel) return std::nullopt;
  std::string text = answer.kind == PromptAnswer::Kind::kDefault ? std::string(default_text)
                                                                 : std::move(answer.text);
  if (text.size() > kMaxPromptLength) text.resize(kMaxPromptLength);
  return text;
}

Window HeadlessToolkit::win_get_active_window() {
  return focus_order_.empty() ? task_ : focus_order_.back();
}

Window HeadlessToolkit::win_get_parent(Window w) {
  const HeadlessWindow* hw = window(w);
  return hw ? hw->parent : kNoWindow;
}

void HeadlessToolkit::win_set_focus(Window w) {
  auto it = std::find(focus_order_.begin(), focus_order_.end(), w);
  if (it == focus_order_.end()) return;
  focus_order_.erase(it);
  focus_order_.push_back(w);
}

Font HeadlessToolkit::font_create(std::string_view family, FontStyle style, int points) {
  return {std::string(family), style, points};
}

Window HeadlessToolkit::edit_create_wrap(const EditWindowSpec& desc) {
  HeadlessWindow w;
  w.id = next_id_++;
  w.parent = desc.parent;
  w.title = desc.title;
  w.text = desc.text;
  w.rect = desc.rect;
  w.font = desc.font;
  w.read_only = desc.read_only;
  w.wrap = desc.wrap;
  w.command_menu = desc.command_menu;
  windows_[w.id] = w;
  edit_set_selection(w.id, {desc.caret, desc.caret});
  focus_order_.push_back(w.id);
  set_handler(w.id, desc.handler);
  win_send_event(w.id, {EventKind::kCreate});
  return w.id;
}

void HeadlessToolkit::edit_append_str(Window w, std::string_view text) {
  HeadlessWindow* hw = edit(w);
  if (hw == nullptr) return;
  change(*hw, hw->text + std::string(text));
  int end = static_cast<int>(hw->text.size()) + 1;
  hw->selection = {end, end};
}

std::string HeadlessToolkit::edit_get_text(Window w) {
  HeadlessWindow* hw = edit(w);
  return hw ? hw->text : std::string();
}

Selection HeadlessToolkit::edit_get_selection(Window w) {
  HeadlessWindow* hw = edit(w);
  return hw ? hw->selection : Selection{};
}

void HeadlessToolkit::edit_set_selection(Window w, Selection s) {
  HeadlessWindow* hw = edit(w);
  if (hw == nullptr) return;
  const int end = static_cast<int>(hw->text.size()) + 1;
  s.start = std::clamp(s.start, 1, end);
  s.end = std::clamp(s.end, s.start, end);
  hw->selection = s;
}

bool HeadlessToolkit::edit_copy(Window w) {
  HeadlessWindow* hw = edit(w);
  if (hw == nullptr) return false;
  const Selection s = hw->selection;
  if (s.end > s.start) clipboard_ = hw->text.substr(s.start - 1, s.end - s.start);
  return true;
}

void HeadlessToolkit::edit_cut(Window w) {
  HeadlessWindow* hw = edit(w);
  if (hw == nullptr || hw->read_only || hw->selection.end == hw->selection.start) return;
  edit_copy(w);
  type(w, "");
}

void HeadlessToolkit::edit_paste(Window w) {
  type(w, clipboard_);
}

void HeadlessToolkit::edit_undo(Window w) {
  HeadlessWindow* hw = edit(w);
  if (hw == nullptr || hw->undo.empty()) return;
  hw->text = std::move(hw->undo.back());
  hw->undo.pop_back();
  edit_set_selection(w, hw->selection);
}

void HeadlessToolkit::edit_select_all(Window w) {
  HeadlessWindow* hw = edit(w);
  if (hw != nullptr) hw->selection = {1, static_cast<int>(hw->text.size()) + 1};
}

void HeadlessToolkit::answer_prompts(std::vector<PromptAnswer> answers) {
  answers_.assign(answers.begin(), answers.end());
}

void HeadlessToolkit::double_click(Window w, int caret) {
  if (edit(w) == nullptr) return;
  win_set_focus(w);
  edit_set_selection(w, {caret, caret});
  if (!win_send_event(w, {EventKind::kDoubleClick})) edit_select_word(w);
}

void HeadlessToolkit::type(Window w, std::string_view text) {
  HeadlessWindow* hw = edit(w);
  if (hw == nullptr || hw->read_only) return;
  const Selection s = hw->selection;
  std::string changed = hw->text;
  changed.replace(s.start - 1, s.end - s.start, text);
  change(*hw, std::move(changed));
  const int caret = s.start + static_cast<int>(text.size());
  hw->selection = {caret, caret};
}

void HeadlessToolkit::close(Window w) {
  if (edit(w) == nullptr) return;
  win_send_event(w, {EventKind::kDestroy});
  drop_handler(w);
  windows_.erase(w);
  std::erase(focus_order_, w);
}

std::vector<const HeadlessWindow*> HeadlessToolkit::windows() const {
  std::vector<const HeadlessWindow*> open;
  for (const auto& [id, w] : windows_)
    open.push_back(&w);
  return open;  // ids grow with creation, so the map keeps creation order
}

const HeadlessWindow* HeadlessToolkit::window(Window w) const {
  auto it = windows_.find(w);
  return it == windows_.end() ? nullptr : &it->second;
}

const HeadlessWindow* HeadlessToolkit::find(std::string_view title) const {
  const HeadlessWindow* last = nullptr;
  for (const auto& [id, w] : windows_) {
    if (w.title == title) last = &w;
  }
  return last;
}

bool HeadlessToolkit::has_command_menu(Window w) {
  const HeadlessWindow* hw = window(w);
  return hw != nullptr && hw->command_menu;
}

HeadlessWindow* HeadlessToolkit::edit(Window w) {
  auto it = windows_.find(w);
  return it == windows_.end() ? nullptr : &it->second;
}

void HeadlessToolkit::change(HeadlessWindow& w, std::string text) {
  w.undo.push_back(std::move(w.text));
  w.text = std::move(text);
}

}  // namespace velimora::ui
