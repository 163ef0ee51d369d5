// The toolkit on Qt 6 Widgets: the task window is a QMainWindow around a QMdiArea, its menu bar
// holds the commands, the message window is a dock along the bottom, child windows are
// QPlainTextEdits in MDI sub-windows. Needs a QApplication.
#ifndef VELIMORA_UI_QT_QT_TOOLKIT_H_
#define VELIMORA_UI_QT_QT_TOOLKIT_H_

#include <QDockWidget>
#include <QMainWindow>
#include <QMdiArea>
#include <QPlainTextEdit>
#include <functional>
#include <map>
#include <memory>

#include "ui/qt/edit_window.h"
#include "ui/toolkit.h"

namespace velimora::ui {

class QtToolkit : public Toolkit {
 public:
  QtToolkit();
  ~QtToolkit() override;
  QtToolkit(const QtToolkit&) = delete;
  QtToolkit& operator=(const QtToolkit&) = delete;

  void open_task_window(const TaskWindowSpec& desc) override;
  int run_event_loop() override;
  Window task_window() const override { return task_; }
  void msg_create(int lines) override;
  void msg_write(std::string_view text) override;
  void msg_resize() override;
  void toolbar_resize(Window) override {}
  void error_box(std::string_view message) override;
  std::optional<std::string> dlg_get_str(std::string_view title, std::string_view prompt,
                                         std::string_view default_text) override;
  void cb_put_string(std::string_view text) override;
  std::string cb_get_string() override;
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

  // Called for every new edit window once its widget is made, before it is shown and gets
  // kCreate; a front end adds its formats, menus and event filters there.
  using EditWindowHook = std::function<void(Window, EditWindow*)>;
  void on_edit_window(EditWindowHook hook) { edit_hook_ = std::move(hook); }

  // The widgets, for the program and its tests.
  QMainWindow* main_window() const { return main_.get(); }
  QMdiArea* mdi_area() const { return mdi_; }
  QPlainTextEdit* message_view() const { return messages_; }
  // Null when the window is not an open child window.
  QPlainTextEdit* edit_view(Window w) const;
  QMdiSubWindow* frame(Window w) const;

 protected:
  bool has_command_menu(Window w) override;

 private:
  struct Child {
    EditWindow* edit;
    ChildFrame* frame;
    bool command_menu;
  };
  class TaskWindow;

  void add_command(QWidget* menu, const MenuCommand& command);
  void closed(Window w);
  EditWindow* edit(Window w) const;

  std::unique_ptr<QMainWindow> main_;
  QMdiArea* mdi_ = nullptr;
  QDockWidget* dock_ = nullptr;
  QPlainTextEdit* messages_ = nullptr;
  std::map<Window, Child> children_;
  Window task_ = kNoWindow;
  Window next_id_ = 1;
  EditWindowHook edit_hook_;
  bool closing_ = false;  // the toolkit is going away: no more events to handlers
};

}  // namespace velimora::ui

#endif  // VELIMORA_UI_QT_QT_TOOLKIT_H_
