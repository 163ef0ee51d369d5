// The modal one-line prompt: a text, a line to edit with the default preselected, OK and
// Cancel. Enter accepts, Escape cancels.
#ifndef VELIMORA_UI_QT_PROMPT_DIALOG_H_
#define VELIMORA_UI_QT_PROMPT_DIALOG_H_

#include <QDialog>
#include <QLineEdit>

namespace velimora::ui {

class PromptDialog : public QDialog {
 public:
  static constexpr int kMaxLength = 499;

  PromptDialog(QWidget* parent, const QString& title, const QString& prompt,
               const QString& default_text);

  QString text() const { return line_->text(); }
  QLineEdit* line() const { return line_; }

 private:
  QLineEdit* line_;
};

}  // namespace velimora::ui

#endif  // VELIMORA_UI_QT_PROMPT_DIALOG_H_
