#include "desktop/find_bar.h"

#include <QAction>
#include <QGuiApplication>
#include <QShortcut>
#include <QTextDocument>

namespace velimora::desktop {
namespace {

// The background of every match while "highlight all" is on.
constexpr QRgb kFoundColour = qRgb(0xff, 0xe6, 0x78);

}  // namespace

FindBar::FindBar(QWidget* parent, MarkAll mark_all)
    : QToolBar(QStringLiteral("Find"), parent), mark_all_(std::move(mark_all)) {
  setObjectName(QStringLiteral("find"));
  line_ = new QLineEdit(this);
  line_->setPlaceholderText(QStringLiteral("Find / S\u00F8g i teksten"));
  line_->setClearButtonEnabled(true);
  addWidget(line_);
  addAction(QStringLiteral("Next"), this, [this] {
    find(false);
  })->setToolTip(QStringLiteral("N\u00E6ste / Next (Enter)"));
  addAction(QStringLiteral("Previous"), this, [this] {
    find(true);
  })->setToolTip(QStringLiteral("Forrige / Previous (Shift+Enter)"));
  all_ = new QCheckBox(QStringLiteral("Highlight all"), this);
  addWidget(all_);
  addAction(QStringLiteral("\u00D7"), this, &QWidget::hide)
      ->setToolTip(QStringLiteral("Luk / Close (Escape)"));
  connect(line_, &QLineEdit::returnPressed, this,
          [this] { find((QGuiApplication::keyboardModifiers() & Qt::ShiftModifier) != 0); });
  connect(line_, &QLineEdit::textChanged, this, [this] { mark(); });
  connect(all_, &QCheckBox::toggled, this, [this] { mark(); });
  auto* close = new QShortcut(QKeySequence(Qt::Key_Escape), this);
  close->setContext(Qt::WidgetWithChildrenShortcut);
  connect(close, &QShortcut::activated, this, &QWidget::hide);
  hide();
}

void FindBar::open_for(QPlainTextEdit* target) {
  if (target_ && target_ != target) mark_all_(target_, {});
  target_ = target;
  show();
  line_->setFocus();
  line_->selectAll();
  mark();
}

bool FindBar::find(bool backward) {
  if (!target_ || line_->text().isEmpty()) return false;
  const QTextDocument::FindFlags flags =
      backward ? QTextDocument::FindBackward : QTextDocument::FindFlags();
  if (target_->find(line_->text(), flags)) return true;
  // Round the end: from the other end once.
  const QTextCursor keep = target_->textCursor();
  QTextCursor from = keep;
  from.movePosition(backward ? QTextCursor::End : QTextCursor::Start);
  target_->setTextCursor(from);
  if (target_->find(line_->text(), flags)) return true;
  target_->setTextCursor(keep);
  return false;
}

void FindBar::hideEvent(QHideEvent* e) {
  QToolBar::hideEvent(e);
  if (target_) {
    mark_all_(target_, {});
    target_->setFocus();
  }
}

void FindBar::mark() {
  if (!target_) return;
  QList<QTextEdit::ExtraSelection> found;
  if (all_->isChecked() && !line_->text().isEmpty()) {
    QTextCharFormat format;
    format.setBackground(QColor(kFoundColour));
    QTextCursor c = target_->document()->find(line_->text());
    while (!c.isNull()) {
      found.push_back({c, format});
      c = target_->document()->find(line_->text(), c);
    }
  }
  mark_all_(target_, found);
}

}  // namespace velimora::desktop
