#include "ui/qt/prompt_dialog.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace velimora::ui {

PromptDialog::PromptDialog(QWidget* parent, const QString& title, const QString& prompt,
                           const QString& default_text)
    : QDialog(parent), line_(new QLineEdit(this)) {
  setWindowTitle(title);
  setModal(true);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(new QLabel(prompt, this));
  line_->setMaxLength(kMaxLength);
  line_->setText(default_text);
  line_->selectAll();
  line_->setMinimumWidth(line_->fontMetrics().averageCharWidth() * 40);
  layout->addWidget(line_);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  buttons->button(QDialogButtonBox::Ok)->setDefault(true);  // Enter accepts
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  layout->addWidget(buttons);
  line_->setFocus();
}

}  // namespace velimora::ui
