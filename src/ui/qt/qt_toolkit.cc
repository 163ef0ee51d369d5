#include "ui/qt/qt_toolkit.h"

#include <QApplication>
#include <QClipboard>
#include <QFontDatabase>
#include <QMenuBar>
#include <QMessageBox>
#include <QScreen>
#include <QTextCursor>
#include <algorithm>

#include "ui/qt/prompt_dialog.h"
#include "ui/qt/qt_text.h"

namespace velimora::ui {
namespace {

// Metric-compatible stand-in for Times New Roman where that is not installed.
constexpr char kSerifFallback[] = "Liberation Serif";
// Height of the message window in lines of its font.
constexpr int kMessageViewLines = 7;

}  // namespace

// The main window, passing its size changes to the task window's handler.
class QtToolkit::TaskWindow : public QMainWindow {
 public:
  explicit TaskWindow(std::function<void()> on_resize) : on_resize_(std::move(on_resize)) {}

 protected:
  void resizeEvent(QResizeEvent* e) override {
    QMainWindow::resizeEvent(e);
    on_resize_();
  }

 private:
  std::function<void()> on_resize_;
};

QtToolkit::QtToolkit() = default;

QtToolkit::~QtToolkit() {
  closing_ = true;
  main_.reset();
}

void QtToolkit::open_task_window(const TaskWindowSpec& desc) {
  task_ = next_id_++;
  QCoreApplication::setApplicationName(to_qstring(desc.app_name));
  main_ = std::make_unique<TaskWindow>([this] {
    if (!closing_) win_send_event(task_, {EventKind::kSize});
  });
  main_->setWindowTitle(to_qstring(desc.title));
  mdi_ = new QMdiArea(main_.get());
  main_->setCentralWidget(mdi_);
  QMenuBar* bar = main_->menuBar();
  bar->setNativeMenuBar(false);  // the commands are buttons on the window's own bar
  for (const MenuCommand& c : desc.menu.buttons)
    add_command(bar, c);
  for (const PullDownMenu& p : desc.menu.pull_downs) {
    QMenu* menu = bar->addMenu(to_qstring(p.title));
    for (const MenuCommand& c : p.items)
      add_command(menu, c);
  }
  set_handler(task_, desc.handler);
  // Without a window manager showMaximized() alone leaves the window small.
  if (QScreen* screen = QGuiApplication::primaryScreen()) {
    main_->resize(screen->availableGeometry().size());
  }
  main_->showMaximized();
  win_send_event(task_, {EventKind::kCreate});
}

int QtToolkit::run_event_loop() {
  return QApplication::exec();
}

void QtToolkit::add_command(QWidget* menu, const MenuCommand& command) {
  auto* action = new QAction(to_qstring(command.text), menu);
  if (!command.tooltip.empty()) action->setToolTip(to_qstring(command.tooltip));
  if (!command.shortcut.empty()) {
    action->setShortcut(QKeySequence(QString::fromLatin1(command.shortcut)));
    action->setShortcutContext(Qt::WindowShortcut);
    main_->addAction(action);  // the key works while the pull-down is closed too
  }
  const int id = command.id;
  QObject::connect(action, &QAction::triggered, main_.get(),
                   [this, id] { deliver_menu_command(id); });
  menu->addAction(action);
}

void QtToolkit::msg_create(int lines) {
  dock_ = new QDockWidget(QStringLiteral("Messages"), main_.get());
  dock_->setObjectName(QStringLiteral("messages"));
  dock_->setFeatures(QDockWidget::DockWidgetMovable | QDockWidget::DockWidgetFloatable);
  messages_ = new QPlainTextEdit(dock_);
  messages_->setReadOnly(true);
  messages_->setMaximumBlockCount(std::max(lines, 1));
  messages_->setLineWrapMode(QPlainTextEdit::NoWrap);
  dock_->setWidget(messages_);
  main_->addDockWidget(Qt::BottomDockWidgetArea, dock_);
  msg_resize();
}

void QtToolkit::msg_write(std::string_view text) {
  if (messages_ == nullptr) return;
  QTextCursor c(messages_->document());
  c.movePosition(QTextCursor::End);
  c.insertText(to_qstring(text));
  messages_->setTextCursor(c);
  messages_->ensureCursorVisible();
}

void QtToolkit::msg_resize() {
  if (dock_ == nullptr) return;
  // A dock takes a share of the window by default; the message window keeps a few lines.
  // Two more lines make room for the dock's title and frame.
  const int height = messages_->fontMetrics().lineSpacing() * (kMessageViewLines + 2);
  main_->resizeDocks({dock_}, {height}, Qt::Vertical);
}

void QtToolkit::error_box(std::string_view message) {
  QMessageBox::critical(main_.get(), QStringLiteral("Velimora"), to_qstring(message));
}

std::optional<std::string> QtToolkit::dlg_get_str(std::string_view title, std::string_view prompt,
                                                  std::string_view default_text) {
  PromptDialog dialog(main_.get(), to_qstring(title), to_qstring(prompt), to_qstring(default_text));
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  return from_qstring(dialog.text());
}

void QtToolkit::cb_put_string(std::string_view text) {
  QGuiApplication::clipboard()->setText(to_qstring(text));
}

std::string QtToolkit::cb_get_string() {
  return from_qstring(QGuiApplication::clipboard()->text());
}

Window QtToolkit::win_get_active_window() {
  // The current sub-window stays current while a prompt or the menu has the focus.
  QMdiSubWindow* current = mdi_ ? mdi_->currentSubWindow() : nullptr;
  for (const auto& [id, child] : children_) {
    if (child.frame == current) return id;
  }
  return task_;
}

Window QtToolkit::win_get_parent(Window w) {
  return children_.count(w) != 0 ? task_ : kNoWindow;
}

void QtToolkit::win_set_focus(Window w) {
  auto it = children_.find(w);
  if (it == children_.end()) return;
  mdi_->setActiveSubWindow(it->second.frame);
  it->second.edit->setFocus();
}

Font QtToolkit::font_create(std::string_view family, FontStyle style, int points) {
  const QStringList installed = QFontDatabase::families();
  std::string chosen(family);
  if (!installed.contains(to_qstring(family)) && installed.contains(kSerifFallback)) {
    chosen = kSerifFallback;
  }
  return {chosen, style, points};
}

Window QtToolkit::edit_create_wrap(const EditWindowSpec& desc) {
  const Window id = next_id_++;
  auto* edit =
      new EditWindow([this, id](const Event& e) { return !closing_ && win_send_event(id, e); });
  edit->setPlainText(to_qstring(desc.text));
  edit->setReadOnly(desc.read_only);
  if (desc.read_only) {
    edit->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
  }
  edit->setLineWrapMode(desc.wrap ? QPlainTextEdit::WidgetWidth : QPlainTextEdit::NoWrap);
  edit->setFont(QFont(to_qstring(desc.font.family), desc.font.points,
                      desc.font.style == FontStyle::kBold ? QFont::Bold : QFont::Normal));
  auto* frame = new ChildFrame([this, id] { closed(id); });
  frame->setWidget(edit);
  frame->setAttribute(Qt::WA_DeleteOnClose);
  frame->setWindowTitle(to_qstring(desc.title));
  mdi_->addSubWindow(frame);
  frame->setGeometry(desc.rect.left, desc.rect.top, desc.rect.right - desc.rect.left,
                     desc.rect.bottom - desc.rect.top);
  children_[id] = {edit, frame, desc.command_menu};
  set_handler(id, desc.handler);
  if (edit_hook_) edit_hook_(id, edit);
  frame->show();
  edit_set_selection(id, {desc.caret, desc.caret});
  edit->ensureCursorVisible();
  win_set_focus(id);
  win_send_event(id, {EventKind::kCreate});
  return id;
}

void QtToolkit::edit_append_str(Window w, std::string_view text) {
  EditWindow* e = edit(w);
  if (e == nullptr) return;
  QTextCursor c = e->textCursor();
  c.movePosition(QTextCursor::End);
  c.insertText(to_qstring(text));
  e->setTextCursor(c);
  e->ensureCursorVisible();
}

std::string QtToolkit::edit_get_text(Window w) {
  EditWindow* e = edit(w);
  return e ? from_qstring(e->toPlainText()) : std::string();
}

Selection QtToolkit::edit_get_selection(Window w) {
  EditWindow* e = edit(w);
  if (e == nullptr) return {};
  const QTextCursor c = e->textCursor();
  return {c.selectionStart() + 1, c.selectionEnd() + 1};
}

void QtToolkit::edit_set_selection(Window w, Selection s) {
  EditWindow* e = edit(w);
  if (e == nullptr) return;
  const int last = e->document()->characterCount() - 1;  // the document's final break is hidden
  QTextCursor c = e->textCursor();
  c.setPosition(std::clamp(s.start - 1, 0, last));
  c.setPosition(std::clamp(s.end - 1, c.position(), last), QTextCursor::KeepAnchor);
  e->setTextCursor(c);
}

bool QtToolkit::edit_copy(Window w) {
  EditWindow* e = edit(w);
  if (e == nullptr) return false;
  e->copy();
  return true;
}

void QtToolkit::edit_cut(Window w) {
  if (EditWindow* e = edit(w)) e->cut();
}

void QtToolkit::edit_paste(Window w) {
  if (EditWindow* e = edit(w)) e->paste();
}

void QtToolkit::edit_undo(Window w) {
  EditWindow* e = edit(w);
  if (e != nullptr && !e->isReadOnly()) e->undo();
}

void QtToolkit::edit_select_all(Window w) {
  if (EditWindow* e = edit(w)) e->selectAll();
}

QPlainTextEdit* QtToolkit::edit_view(Window w) const {
  return edit(w);
}

QMdiSubWindow* QtToolkit::frame(Window w) const {
  auto it = children_.find(w);
  return it == children_.end() ? nullptr : it->second.frame;
}

bool QtToolkit::has_command_menu(Window w) {
  auto it = children_.find(w);
  return it != children_.end() && it->second.command_menu;
}

void QtToolkit::closed(Window w) {
  if (closing_ || children_.count(w) == 0) return;
  win_send_event(w, {EventKind::kDestroy});
  drop_handler(w);
  children_.erase(w);
}

EditWindow* QtToolkit::edit(Window w) const {
  auto it = children_.find(w);
  return it == children_.end() ? nullptr : it->second.edit;
}

}  // namespace velimora::ui
