#include "desktop/desktop_window.h"

#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QDir>
#include <QDockWidget>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QMouseEvent>
#include <QProcess>
#include <QScrollBar>
#include <QToolTip>

#include "desktop/result_highlighter.h"
#include "shell/data_folder.h"
#include "shell/windows.h"
#include "text/primitives.h"
#include "ui/qt/qt_text.h"
#include "ui/word_rule.h"

namespace velimora::desktop {
namespace {

using ui::from_qstring;
using ui::to_qstring;

// Setting keys.
constexpr char kGeometryKey[] = "window/geometry";
constexpr char kStateKey[] = "window/state";
constexpr char kZoomKey[] = "view/zoom";
constexpr char kCommandKey[] = "search/command";
constexpr char kHistoryKey[] = "history/queries";
constexpr char kDataFolderKey[] = "data/folder";

// The longest text the search field takes, as the prompt does.
constexpr int kMaxSearchLength = 499;
// The welcome window takes at most this share (in percent) of the work area's width.
constexpr int kWelcomeMaxShare = 55;
// The History dock's width in characters, beside the message window.
constexpr int kHistoryWidthChars = 36;
// The search field is about this many characters wide.
constexpr int kSearchWidthChars = 40;
// Room for a window's frame and margins around the longest line of the welcome text.
constexpr int kWelcomeMargin = 48;
// The background of the history entry shown by back and forward.
constexpr QRgb kShownEntryColour = qRgb(0xdd, 0xea, 0xf7);

// The query commands the context menu offers for a word, by their names in query_commands().
static constexpr std::string_view kContextCommands[] = {"Look up", "Finnish analysis",
                                                        "Danish analysis", "Full articles"};

const QueryCommand* command_named(std::string_view name) {
  for (const QueryCommand& c : query_commands()) {
    if (c.name == name) return &c;
  }
  return nullptr;
}

// The selected text of a window, else the word under `at` (see ui/word_rule.h); Windows-1252.
std::string word_for_menu(QPlainTextEdit* view, const QPoint& at) {
  const QTextCursor selected = view->textCursor();
  if (selected.hasSelection()) {
    const std::string text = from_qstring(selected.selectedText());
    return std::string(trim_leading_blanks(text.substr(0, text.find('\n'))));
  }
  const std::string text = from_qstring(view->toPlainText());
  const ui::Selection word = ui::word_at(text, view->cursorForPosition(at).position() + 1);
  return text.substr(word.start - 1, word.end - word.start);
}

}  // namespace

std::optional<std::string> remembered_data_folder() {
  const QSettings settings(kOrganisation, kApplication);
  const QString folder = settings.value(kDataFolderKey).toString();
  if (folder.isEmpty() || !QFileInfo(folder).isDir()) return std::nullopt;
  return folder.toStdString();
}

DesktopWindow::DesktopWindow(std::string folder, std::string data_prefix)
    : folder_(std::move(folder)),
      data_prefix_(std::move(data_prefix)),
      settings_(kOrganisation, kApplication),
      views_([this](int zoom) { settings_.setValue(kZoomKey, zoom); }) {
  shell_ = std::make_unique<MainWindow>(session_, tk_, data_prefix_);
  tk_.on_edit_window([this](ui::Window w, ui::EditWindow* edit) { edit_window_made(w, edit); });
  shell_->windows().on_shown([this](const std::string& query, int start) { shown(query, start); });
}

DesktopWindow::~DesktopWindow() {
  save_settings();
  // The widgets go after this object's members: no more events to it from now on.
  for (QObject* watched : filtered_)
    if (watched != nullptr) watched->removeEventFilter(this);
}

void DesktopWindow::watch(QObject* watched) {
  watched->installEventFilter(this);
  filtered_.push_back(watched);
}

void DesktopWindow::open() {
  // Before the task window opens, so that the start-up windows get the remembered zoom.
  views_.set_zoom(settings_.value(kZoomKey, 0).toInt());
  tk_.open_task_window(shell_->task_window_spec());
  QMainWindow* main = tk_.main_window();
  watch(main);
  watch(main->menuBar());
  for (QAction* a : main->menuBar()->actions()) {
    if (a->menu() == nullptr) continue;  // the guide menus
    a->setToolTip(a->text() == "[Guide]"
                      ? QStringLiteral("Guides in English (Ctrl+5 \u2013 Ctrl+8)")
                      : QStringLiteral("Vejledning p\u00E5 dansk (Ctrl+1 \u2013 Ctrl+4)"));
  }
  if (QPlainTextEdit* messages = tk_.message_view()) {
    views_.add(messages);
    watch(messages->viewport());
  }
  build_tool_bar();
  build_history_dock();
  find_ =
      new FindBar(main, [this](QPlainTextEdit* view, const QList<QTextEdit::ExtraSelection>& s) {
        views_.set_layer(view, Layer::kFound, s);
      });
  main->addToolBar(Qt::BottomToolBarArea, find_);
  find_->hide();
  add_shortcuts();
  if (!shell_->has_data()) offer_data_folder();
  restore_settings();
  watch(tk_.mdi_area());
  fit_first_screen();
  search_->setFocus();
}

void DesktopWindow::build_tool_bar() {
  QMainWindow* main = tk_.main_window();
  tool_bar_ = main->addToolBar(QStringLiteral("Search"));
  tool_bar_->setObjectName(QStringLiteral("search"));
  tool_bar_->setMovable(false);
  QAction* back = tool_bar_->addAction(QStringLiteral("\u25C0"), this, [this] { this->back(); });
  back->setToolTip(QStringLiteral("Tilbage / Back (Alt+Left)"));
  back->setShortcut(QKeySequence(Qt::ALT | Qt::Key_Left));
  QAction* forward =
      tool_bar_->addAction(QStringLiteral("\u25B6"), this, [this] { this->forward(); });
  forward->setToolTip(QStringLiteral("Frem / Forward (Alt+Right)"));
  forward->setShortcut(QKeySequence(Qt::ALT | Qt::Key_Right));
  search_ = new SearchField(tool_bar_, [this](const QString& typed) {
    QStringList words;
    for (const std::string& w : shell_->complete(from_qstring(typed)))
      words.push_back(to_qstring(w));
    return words;
  });
  search_->setMaxLength(kMaxSearchLength);
  search_->setPlaceholderText(QStringLiteral("Ord / Word (Ctrl+L)"));
  search_->setToolTip(
      QStringLiteral("Skriv et ord og tryk Enter (Ctrl+L) / Type a word and press Enter (Ctrl+L)"));
  search_->setFixedWidth(search_->fontMetrics().averageCharWidth() * kSearchWidthChars);
  tool_bar_->addWidget(search_);
  commands_ = new QComboBox(tool_bar_);
  for (const QueryCommand& c : query_commands()) {
    commands_->addItem(to_qstring(c.name), c.id);
    commands_->setItemData(commands_->count() - 1, to_qstring(c.tip), Qt::ToolTipRole);
  }
  commands_->setToolTip(QStringLiteral("Hvad Enter g\u00F8r / What Enter does"));
  tool_bar_->addWidget(commands_);
  connect(search_, &QLineEdit::returnPressed, this, [this] { search(); });
  connect(commands_, &QComboBox::currentIndexChanged, this,
          [this] { settings_.setValue(kCommandKey, commands_->currentData().toInt()); });
  tool_bar_->addSeparator();
  QAction* folder = tool_bar_->addAction(QStringLiteral("Data folder\u2026"), this,
                                         [this] { choose_data_folder(); });
  folder->setToolTip(QStringLiteral("V\u00E6lg ordbogsdata / Choose the dictionary data folder"));
  for (QAction* a : {back, forward}) {
    a->setShortcutContext(Qt::WindowShortcut);
    main->addAction(a);
  }
}

void DesktopWindow::build_history_dock() {
  QMainWindow* main = tk_.main_window();
  auto* dock = new QDockWidget(QStringLiteral("History"), main);
  dock->setObjectName(QStringLiteral("history"));
  history_list_ = new QListWidget(dock);
  history_list_->setToolTip(QStringLiteral(
      "Klik: vis igen, dobbeltklik: sl\u00E5 op igen / Click: show, double-click: run again"));
  dock->setWidget(history_list_);
  // Beside the message window, so that the work area keeps the window's whole width.
  auto* messages =
      tk_.message_view() ? qobject_cast<QDockWidget*>(tk_.message_view()->parentWidget()) : nullptr;
  main->addDockWidget(Qt::BottomDockWidgetArea, dock);
  if (messages != nullptr) main->splitDockWidget(messages, dock, Qt::Horizontal);
  if (!settings_.contains(kStateKey)) {
    // Once the window is laid out; a remembered state brings its own sizes.
    const int width = history_list_->fontMetrics().averageCharWidth() * kHistoryWidthChars;
    QMetaObject::invokeMethod(
        this, [main, dock, width] { main->resizeDocks({dock}, {width}, Qt::Horizontal); },
        Qt::QueuedConnection);
  }
  // Row r shows entry size - 1 - r: the newest first.
  auto entry_of = [this](QListWidgetItem* item) {
    return history_.entries().size() - 1 - static_cast<std::size_t>(history_list_->row(item));
  };
  connect(history_list_, &QListWidget::itemClicked, this,
          [this, entry_of](QListWidgetItem* item) { show_entry(entry_of(item)); });
  connect(history_list_, &QListWidget::itemDoubleClicked, this,
          [this, entry_of](QListWidgetItem* item) {
            if (!shell_->has_data()) return;
            const std::string query = history_.entries()[entry_of(item)].query;
            shell_->ud("", query);
          });
  const QStringList saved = settings_.value(kHistoryKey).toStringList();
  std::vector<std::string> queries;
  for (const QString& q : saved)
    queries.push_back(from_qstring(q));
  history_.restore(queries);
  refill_history_list();
}

void DesktopWindow::add_shortcuts() {
  QMainWindow* main = tk_.main_window();
  auto add = [main, this](QKeySequence keys, auto slot) {
    auto* a = new QAction(main);
    a->setShortcut(keys);
    a->setShortcutContext(Qt::WindowShortcut);
    connect(a, &QAction::triggered, this, slot);
    main->addAction(a);
  };
  add(QKeySequence(Qt::CTRL | Qt::Key_L), [this] {
    search_->setFocus(Qt::ShortcutFocusReason);
    search_->selectAll();
  });
  add(QKeySequence::Find, [this] {
    if (QPlainTextEdit* view = active_view()) find_->open_for(view);
  });
  add(QKeySequence::ZoomIn, [this] { views_.zoom_by(1); });
  add(QKeySequence(Qt::CTRL | Qt::Key_Equal), [this] { views_.zoom_by(1); });
  add(QKeySequence::ZoomOut, [this] { views_.zoom_by(-1); });
  add(QKeySequence(Qt::CTRL | Qt::Key_0), [this] { views_.set_zoom(0); });
  add(QKeySequence(Qt::CTRL | Qt::Key_Q), [this] {
    save_settings();
    QApplication::quit();
  });
}

void DesktopWindow::offer_data_folder() {
  QMainWindow* main = tk_.main_window();
  QToolBar* bar = new QToolBar(QStringLiteral("Data"), main);
  bar->setObjectName(QStringLiteral("data"));
  bar->setMovable(false);
  main->addToolBarBreak();
  main->addToolBar(bar);
  const QString path = QDir::toNativeSeparators(QString::fromStdString(folder_));
  bar->addWidget(new QLabel(
      QStringLiteral(" Ingen ordbogsdata i %1 / No dictionary data in %1 ").arg(path), bar));
  bar->addAction(QStringLiteral("Data folder\u2026"), this, [this] { choose_data_folder(); });
}

void DesktopWindow::choose_data_folder() {
  QMainWindow* main = tk_.main_window();
  const QString folder = QFileDialog::getExistingDirectory(
      main, QStringLiteral("Data folder / Ordbogsdata"), QString::fromStdString(folder_));
  if (folder.isEmpty()) return;
  const QString main_record = QString::fromStdString(main_record_in_folder());
  if (!QFileInfo(folder + "/" + main_record).isFile()) {
    QMessageBox::warning(main, QStringLiteral("Velimora"),
                         QStringLiteral("Ingen ordbogsdata i %1 (%2 mangler).\n"
                                        "No dictionary data in %1 (%2 is missing).")
                             .arg(QDir::toNativeSeparators(folder), main_record));
    return;
  }
  settings_.setValue(kDataFolderKey, folder);
  save_settings();
  // The program starts again on the new folder: every file of the old one is let go.
  QProcess::startDetached(QCoreApplication::applicationFilePath(), {"--data", folder});
  QApplication::quit();
}

void DesktopWindow::restore_settings() {
  QMainWindow* main = tk_.main_window();
  if (settings_.contains(kGeometryKey))
    main->restoreGeometry(settings_.value(kGeometryKey).toByteArray());
  if (settings_.contains(kStateKey)) main->restoreState(settings_.value(kStateKey).toByteArray());
  const int index = commands_->findData(settings_.value(kCommandKey, -1).toInt());
  if (index >= 0) commands_->setCurrentIndex(index);
}

void DesktopWindow::save_settings() {
  QMainWindow* main = tk_.main_window();
  if (main == nullptr || commands_ == nullptr) return;  // never opened
  settings_.setValue(kGeometryKey, main->saveGeometry());
  settings_.setValue(kStateKey, main->saveState());
  settings_.setValue(kZoomKey, views_.zoom());
  settings_.setValue(kCommandKey, commands_->currentData().toInt());
  save_history();
  settings_.sync();
}

void DesktopWindow::save_history() {
  QStringList queries;
  for (const std::string& q : history_.queries())
    queries.push_back(to_qstring(q));
  settings_.setValue(kHistoryKey, queries);
}

void DesktopWindow::fit_first_screen() {
  QMdiSubWindow* results = tk_.frame(shell_->windows().results_window());
  QMdiSubWindow* welcome = tk_.frame(welcome_);
  if (results == nullptr) return;
  const QSize area = tk_.mdi_area()->viewport()->size();
  int welcome_width = 0;
  if (welcome != nullptr) {
    QPlainTextEdit* text = tk_.edit_view(welcome_);
    int longest = 0;
    for (const QString& line : text->toPlainText().split('\n'))
      longest = std::max(longest, text->fontMetrics().horizontalAdvance(line));
    welcome_width = std::min(longest + kWelcomeMargin, area.width() * kWelcomeMaxShare / 100);
    welcome_fit_ = QRect(area.width() - welcome_width, 0, welcome_width, area.height());
    welcome->setGeometry(welcome_fit_);
  }
  results_fit_ = QRect(0, 0, area.width() - welcome_width, area.height());
  results->setGeometry(results_fit_);
}

void DesktopWindow::edit_window_made(ui::Window w, ui::EditWindow* edit) {
  new ResultHighlighter(edit->document(), edit->palette());
  views_.add(edit);
  edit->set_menu_head(
      [this, edit](QMenu& menu, const QPoint& at) { add_lookup_items(menu, edit, at); });
  // The first window of start-up is the welcome text.
  if (welcome_ == ui::kNoWindow && shell_->windows().results_window() == ui::kNoWindow) {
    welcome_ = w;
  }
}

void DesktopWindow::add_lookup_items(QMenu& menu, QPlainTextEdit* view, const QPoint& at) {
  const std::string word = word_for_menu(view, at);
  if (!has_token(word) || !shell_->has_data()) return;
  for (std::string_view name : kContextCommands) {
    const QueryCommand* c = command_named(name);
    if (c == nullptr) continue;
    const int id = c->id;
    QAction* a = menu.addAction(
        QStringLiteral("%1 \u201C%2\u201D").arg(to_qstring(c->name), to_qstring(word)));
    a->setToolTip(to_qstring(c->tip));
    connect(a, &QAction::triggered, this, [this, id, word] { shell_->run_command(id, word); });
  }
}

void DesktopWindow::message_double_click(const QPoint& at) {
  QPlainTextEdit* messages = tk_.message_view();
  const std::string text = from_qstring(messages->toPlainText());
  const int caret = messages->cursorForPosition(at).position() + 1;
  const ui::Selection word = ui::word_at(text, caret);
  const ui::Selection line = ui::line_at(text, caret);
  const std::optional<std::string> query =
      double_click_query(text, word.start, word.end, line.start);
  if (query && shell_->has_data()) shell_->ud("", *query);
}

void DesktopWindow::shown(const std::string& query, int start) {
  if (!has_token(query)) return;  // the blank start-up query
  const ui::Window results = shell_->windows().results_window();
  if (results != results_seen_) {
    // A new results window: the places of earlier queries are gone with the old one.
    std::vector<std::string> earlier = history_.queries();
    history_ = QueryHistory();
    history_.restore(earlier);
    results_seen_ = results;
  }
  history_.add(query, start);
  refill_history_list();
  save_history();  // kept even when the program does not end normally
  if (QPlainTextEdit* view = tk_.edit_view(results)) views_.set_layer(view, Layer::kHistory, {});
}

void DesktopWindow::refill_history_list() {
  history_list_->clear();
  const std::vector<HistoryEntry>& entries = history_.entries();
  for (auto it = entries.rbegin(); it != entries.rend(); ++it)
    history_list_->addItem(to_qstring(it->query));
}

bool DesktopWindow::back() {
  const std::optional<std::size_t> i = history_.back();
  return i && show_entry(*i);
}

bool DesktopWindow::forward() {
  const std::optional<std::size_t> i = history_.forward();
  return i && show_entry(*i);
}

bool DesktopWindow::show_entry(std::size_t i) {
  if (i >= history_.entries().size()) return false;
  const HistoryEntry& entry = history_.entries()[i];
  QPlainTextEdit* view = tk_.edit_view(shell_->windows().results_window());
  if (view == nullptr || entry.start <= 0) return false;
  const int last = view->document()->characterCount() - 1;
  const int start = std::min(entry.start - 1, last);
  const int end = std::min(history_.end_of(i).value_or(last + 1) - 1, last);
  history_.go_to(i);
  // From the end back to the start, so that the start line comes to the top.
  QTextCursor c(view->document());
  c.movePosition(QTextCursor::End);
  view->setTextCursor(c);
  view->ensureCursorVisible();
  c.setPosition(start);
  view->setTextCursor(c);
  view->ensureCursorVisible();
  QTextEdit::ExtraSelection mark;
  mark.cursor = QTextCursor(view->document());
  mark.cursor.setPosition(start);
  mark.cursor.setPosition(end, QTextCursor::KeepAnchor);
  mark.format.setBackground(QColor(kShownEntryColour));
  views_.set_layer(view, Layer::kHistory, {mark});
  const int row = static_cast<int>(history_.entries().size() - 1 - i);
  history_list_->setCurrentRow(row);
  return true;
}

void DesktopWindow::search() {
  const QString text = search_->text();
  search_->completer_popup()->popup()->hide();
  if (!text.isEmpty()) shell_->run_command(commands_->currentData().toInt(), from_qstring(text));
  // The results window took the focus; the next word is typed here again.
  search_->setFocus();
  search_->selectAll();
}

QPlainTextEdit* DesktopWindow::active_view() {
  if (QWidget* focus = QApplication::focusWidget()) {
    for (QPlainTextEdit* view : views_.views()) {
      if (view == focus) return view;
    }
  }
  return tk_.edit_view(tk_.win_get_active_window());
}

bool DesktopWindow::eventFilter(QObject* watched, QEvent* e) {
  QPlainTextEdit* messages = tk_.message_view();
  if (messages != nullptr && watched == messages->viewport()) {
    if (e->type() == QEvent::MouseButtonDblClick) {
      message_double_click(static_cast<QMouseEvent*>(e)->position().toPoint());
      return true;
    }
    if (e->type() == QEvent::ContextMenu) {
      auto* event = static_cast<QContextMenuEvent*>(e);
      std::unique_ptr<QMenu> menu(messages->createStandardContextMenu(event->pos()));
      QMenu head;
      add_lookup_items(head, messages, event->pos());
      if (!head.isEmpty()) {
        QAction* first = menu->actions().value(0);
        menu->insertActions(first, head.actions());
        menu->insertSeparator(first);
      }
      menu->exec(event->globalPos());
      return true;
    }
  }
  if (watched == tk_.main_window() && e->type() == QEvent::Close) save_settings();
  if (watched == tk_.main_window() && e->type() == QEvent::WindowActivate && !activated_) {
    // The work area gives the focus to its active window on activation; the search field
    // has it at start-up.
    activated_ = true;
    QMetaObject::invokeMethod(this, [this] { search_->setFocus(); }, Qt::QueuedConnection);
  }
  if (watched == tk_.main_window()->menuBar() && e->type() == QEvent::ToolTip) {
    auto* help = static_cast<QHelpEvent*>(e);
    QMenuBar* bar = tk_.main_window()->menuBar();
    QAction* a = bar->actionAt(help->pos());
    if (a != nullptr && !a->toolTip().isEmpty()) {
      QToolTip::showText(help->globalPos(), a->toolTip(), bar, bar->actionGeometry(a));
    } else {
      QToolTip::hideText();
    }
    return true;
  }
  if (watched == tk_.mdi_area() && e->type() == QEvent::Resize) {
    // The start-up windows follow the work area until they are moved or resized.
    QMdiSubWindow* results = tk_.frame(shell_->windows().results_window());
    QMdiSubWindow* welcome = tk_.frame(welcome_);
    const bool untouched = results != nullptr && results->geometry() == results_fit_ &&
                           (welcome == nullptr || welcome->geometry() == welcome_fit_);
    if (untouched)
      QMetaObject::invokeMethod(
          this, [this] { fit_first_screen(); }, Qt::QueuedConnection);
  }
  return QObject::eventFilter(watched, e);
}

}  // namespace velimora::desktop
