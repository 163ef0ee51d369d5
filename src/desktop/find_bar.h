// The find bar of the text windows: a line to type in, next, previous and "highlight all";
// Escape closes it. It searches the window it was opened for.
#ifndef VELIMORA_DESKTOP_FIND_BAR_H_
#define VELIMORA_DESKTOP_FIND_BAR_H_

#include <QCheckBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QToolBar>
#include <functional>

namespace velimora::desktop {

class FindBar : public QToolBar {
 public:
  // `mark_all` shows the given selections as the window's highlighted finds.
  using MarkAll = std::function<void(QPlainTextEdit*, const QList<QTextEdit::ExtraSelection>&)>;
  FindBar(QWidget* parent, MarkAll mark_all);

  // Shows the bar for `target` with the line focused and selected.
  void open_for(QPlainTextEdit* target);
  // Finds the next (previous) match from the caret, wrapping round at the end; false when
  // there is none.
  bool find(bool backward);
  QLineEdit* line() const { return line_; }

 protected:
  void hideEvent(QHideEvent* e) override;

 private:
  void mark();

  QLineEdit* line_;
  QCheckBox* all_;
  QPointer<QPlainTextEdit> target_;
  MarkAll mark_all_;
};

}  // namespace velimora::desktop

#endif  // VELIMORA_DESKTOP_FIND_BAR_H_
