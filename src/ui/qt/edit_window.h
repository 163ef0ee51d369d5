// The Qt widgets of a child window: the edit control, which hands double clicks and edit
// commands to the toolkit's event path, and the frame, which reports its closing at once.
#ifndef VELIMORA_UI_QT_EDIT_WINDOW_H_
#define VELIMORA_UI_QT_EDIT_WINDOW_H_

#include <QMdiSubWindow>
#include <QMenu>
#include <QPlainTextEdit>
#include <functional>

#include "ui/toolkit.h"

namespace velimora::ui {

class EditWindow : public QPlainTextEdit {
 public:
  // `send` delivers an event to the window's handler and default handling; true when served.
  explicit EditWindow(std::function<bool(const Event&)> send);

  // Items put in front of the edit commands of the context menu; `at` is the point of the
  // click in the window's viewport.
  using MenuHead = std::function<void(QMenu& menu, const QPoint& at)>;
  void set_menu_head(MenuHead head) { menu_head_ = std::move(head); }

 protected:
  // The caret goes where the click was; an unserved double click selects as Qt does.
  void mouseDoubleClickEvent(QMouseEvent* e) override;
  // Ctrl+Return looks up the word at the caret, like a double click there.
  void keyPressEvent(QKeyEvent* e) override;
  // The edit commands, sent through the window's handler.
  void contextMenuEvent(QContextMenuEvent* e) override;
  // A click into the text makes its window the active one, in front of the others.
  void mousePressEvent(QMouseEvent* e) override;
  void resizeEvent(QResizeEvent* e) override;

 private:
  std::function<bool(const Event&)> send_;
  MenuHead menu_head_;
};

class ChildFrame : public QMdiSubWindow {
 public:
  explicit ChildFrame(std::function<void()> on_close) : on_close_(std::move(on_close)) {}

 protected:
  void closeEvent(QCloseEvent* e) override;

 private:
  std::function<void()> on_close_;
};

}  // namespace velimora::ui

#endif  // VELIMORA_UI_QT_EDIT_WINDOW_H_
