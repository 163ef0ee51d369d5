// The desktop window around the dictionary's own windows: a tool bar with the search field,
// its command choice, back, forward and the data folder; a History dock; highlighted text,
// a context menu, a find bar and zoom in every text window; settings kept between runs.
// Everything the dictionary's own menu, prompt and windows do stays as it is.
#ifndef VELIMORA_DESKTOP_DESKTOP_WINDOW_H_
#define VELIMORA_DESKTOP_DESKTOP_WINDOW_H_

#include <QComboBox>
#include <QListWidget>
#include <QObject>
#include <QPointer>
#include <QSettings>
#include <QToolBar>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "desktop/find_bar.h"
#include "desktop/query_history.h"
#include "desktop/search_field.h"
#include "desktop/text_views.h"
#include "session/session.h"
#include "shell/main_window.h"
#include "ui/qt/qt_toolkit.h"

namespace velimora::desktop {

// Settings live under QSettings organisation "Velimora", application "velimora" (on Linux
// $XDG_CONFIG_HOME/Velimora/velimora.conf).
inline constexpr char kOrganisation[] = "Velimora";
inline constexpr char kApplication[] = "velimora";

// The data folder chosen with "Data folder..." in an earlier run, when it still exists.
std::optional<std::string> remembered_data_folder();

class DesktopWindow : public QObject {
 public:
  // `folder` is the data folder as the user named it (UTF-8), `data_prefix` the same as the
  // dictionary's data prefix (see shell/data_folder.h).
  DesktopWindow(std::string folder, std::string data_prefix);
  ~DesktopWindow() override;

  // Opens the task window with everything around it and restores the remembered settings.
  void open();
  // Writes the settings (also done on closing).
  void save_settings();

  MainWindow& shell() { return *shell_; }
  ui::QtToolkit& toolkit() { return tk_; }
  SearchField* search_field() const { return search_; }
  QComboBox* command_choice() const { return commands_; }
  QListWidget* history_list() const { return history_list_; }
  FindBar* find_bar() const { return find_; }
  const QueryHistory& history() const { return history_; }
  TextViews& views() { return views_; }

  // Alt+Left, Alt+Right: scrolls the results window to the previous (next) query's output
  // and marks it; false when there is none.
  bool back();
  bool forward();
  // Runs the search field's text as the chosen command.
  void search();

 protected:
  bool eventFilter(QObject* watched, QEvent* e) override;

 private:
  void build_tool_bar();
  void build_history_dock();
  void add_shortcuts();
  void offer_data_folder();
  void choose_data_folder();
  void restore_settings();
  void save_history();
  void fit_first_screen();
  void edit_window_made(ui::Window w, ui::EditWindow* edit);
  void add_lookup_items(QMenu& menu, QPlainTextEdit* view, const QPoint& at);
  void message_double_click(const QPoint& at);
  void shown(const std::string& query, int start);
  void refill_history_list();
  // Scrolls to entry `i` of the history and marks its output; false when it has no place in
  // the results window.
  bool show_entry(std::size_t i);
  QPlainTextEdit* active_view();
  // Installs this object as an event filter of `watched` (taken off again on destruction).
  void watch(QObject* watched);

  std::string folder_;
  std::string data_prefix_;
  Session session_;
  ui::QtToolkit tk_;
  std::unique_ptr<MainWindow> shell_;
  QSettings settings_;
  QueryHistory history_;
  TextViews views_;
  ui::Window results_seen_ = ui::kNoWindow;  // the results window the positions belong to
  ui::Window welcome_ = ui::kNoWindow;
  QRect welcome_fit_, results_fit_;  // where fit_first_screen put them
  QToolBar* tool_bar_ = nullptr;
  SearchField* search_ = nullptr;
  QComboBox* commands_ = nullptr;
  QListWidget* history_list_ = nullptr;
  FindBar* find_ = nullptr;
  std::vector<QPointer<QObject>> filtered_;
  bool activated_ = false;  // the task window has been activated once
};

}  // namespace velimora::desktop

#endif  // VELIMORA_DESKTOP_DESKTOP_WINDOW_H_
