#include "ui/qt/edit_window.h"

#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QKeySequence>
#include <QMdiArea>
#include <QMenu>
#include <QMouseEvent>

namespace velimora::ui {
namespace {

struct EditAction {
  EditCommand id;
  const char* text;
  QKeySequence::StandardKey key;
};
static constexpr EditAction kEditActions[] = {
    {kEditUndo, "Undo", QKeySequence::Undo},
    {kEditCut, "Cut", QKeySequence::Cut},
    {kEditCopy, "Copy", QKeySequence::Copy},
    {kEditPaste, "Paste", QKeySequence::Paste},
    {kEditSelectAll, "Select All", QKeySequence::SelectAll},
};

bool enabled(const QPlainTextEdit& w, EditCommand id) {
  const bool selected = w.textCursor().hasSelection();
  switch (id) {
    case kEditUndo:
      return !w.isReadOnly() && w.document()->isUndoAvailable();
    case kEditCut:
      return !w.isReadOnly() && selected;
    case kEditCopy:
      return selected;
    case kEditPaste:
      return !w.isReadOnly() && w.canPaste();
    case kEditSelectAll:
      return true;
  }
  return false;
}

}  // namespace

EditWindow::EditWindow(std::function<bool(const Event&)> send) : send_(std::move(send)) {}

void EditWindow::mouseDoubleClickEvent(QMouseEvent* e) {
  setTextCursor(cursorForPosition(e->position().toPoint()));
  if (!send_({EventKind::kDoubleClick})) QPlainTextEdit::mouseDoubleClickEvent(e);
}

void EditWindow::keyPressEvent(QKeyEvent* e) {
  const bool enter = e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter;
  if (enter && (e->modifiers() & Qt::ControlModifier)) {
    send_({EventKind::kDoubleClick});
    return;
  }
  QPlainTextEdit::keyPressEvent(e);
}

void EditWindow::contextMenuEvent(QContextMenuEvent* e) {
  QMenu menu(this);
  if (menu_head_) {
    menu_head_(menu, viewport()->mapFromGlobal(e->globalPos()));
    if (!menu.isEmpty()) menu.addSeparator();
  }
  for (const EditAction& a : kEditActions) {
    QAction* action = menu.addAction(QString::fromLatin1(a.text));
    action->setShortcut(QKeySequence(a.key));
    action->setEnabled(enabled(*this, a.id));
    const int id = a.id;
    connect(action, &QAction::triggered, this, [this, id] { send_({EventKind::kMenu, id}); });
    if (a.id == kEditUndo || a.id == kEditPaste) menu.addSeparator();
  }
  menu.exec(e->globalPos());
}

void EditWindow::mousePressEvent(QMouseEvent* e) {
  for (QWidget* w = parentWidget(); w != nullptr; w = w->parentWidget()) {
    auto* frame = qobject_cast<QMdiSubWindow*>(w);
    if (frame == nullptr) continue;
    if (QMdiArea* area = frame->mdiArea(); area != nullptr && area->activeSubWindow() != frame) {
      area->setActiveSubWindow(frame);
    }
    frame->raise();
    break;
  }
  QPlainTextEdit::mousePressEvent(e);
}

void EditWindow::resizeEvent(QResizeEvent* e) {
  QPlainTextEdit::resizeEvent(e);
  send_({EventKind::kSize});
}

void ChildFrame::closeEvent(QCloseEvent* e) {
  QMdiSubWindow::closeEvent(e);
  if (e->isAccepted() && on_close_) {
    std::function<void()> once = std::move(on_close_);
    on_close_ = nullptr;
    once();
  }
}

}  // namespace velimora::ui
