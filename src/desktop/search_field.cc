#include "desktop/search_field.h"

#include <QAbstractItemView>
#include <QKeyEvent>

namespace velimora::desktop {

SearchField::SearchField(QWidget* parent, Complete complete)
    : QLineEdit(parent), complete_(std::move(complete)) {
  model_ = new QStringListModel(this);
  completer_ = new QCompleter(model_, this);
  // The list is already the completions, in the dictionaries' order.
  completer_->setCompletionMode(QCompleter::UnfilteredPopupCompletion);
  completer_->setWidget(this);
  completer_->setMaxVisibleItems(kShown);
  connect(completer_, qOverload<const QString&>(&QCompleter::activated), this,
          [this](const QString& word) { setText(word); });
  connect(this, &QLineEdit::textEdited, this, [this](const QString& text) { typed(text); });
}

void SearchField::typed(const QString& text) {
  const QStringList words = text.size() >= kCompleteFrom ? complete_(text) : QStringList();
  model_->setStringList(words);
  if (words.isEmpty() || (words.size() == 1 && words.front() == text)) {
    completer_->popup()->hide();
  } else {
    completer_->complete();
  }
}

bool SearchField::event(QEvent* e) {
  if (e->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(e)->key() == Qt::Key_Tab &&
      static_cast<QKeyEvent*>(e)->modifiers() == Qt::NoModifier) {
    const QStringList words = completions();
    if (!words.isEmpty() && !text().isEmpty()) {
      // The row picked with the arrow keys, else the first one.
      const QModelIndex picked = completer_->popup()->currentIndex();
      setText(picked.isValid() ? picked.data().toString() : words.front());
      completer_->popup()->hide();
      return true;
    }
  }
  return QLineEdit::event(e);
}

}  // namespace velimora::desktop
