// The search field of the tool bar: a line with a completion popup of headwords that is
// filled from the second letter on. Tab (or the arrow keys and Enter) takes a completion.
#ifndef VELIMORA_DESKTOP_SEARCH_FIELD_H_
#define VELIMORA_DESKTOP_SEARCH_FIELD_H_

#include <QCompleter>
#include <QLineEdit>
#include <QStringListModel>
#include <functional>

namespace velimora::desktop {

class SearchField : public QLineEdit {
 public:
  // Completions are asked for from this many typed characters on.
  static constexpr int kCompleteFrom = 2;
  // Rows the popup shows without scrolling: all of the shell's completions.
  static constexpr int kShown = 10;
  // `complete` gives the completions of a typed beginning, in their order.
  using Complete = std::function<QStringList(const QString& typed)>;
  SearchField(QWidget* parent, Complete complete);

  QCompleter* completer_popup() const { return completer_; }
  QStringList completions() const { return model_->stringList(); }

 protected:
  bool event(QEvent* e) override;

 private:
  void typed(const QString& text);

  Complete complete_;
  QStringListModel* model_;
  QCompleter* completer_;
};

}  // namespace velimora::desktop

#endif  // VELIMORA_DESKTOP_SEARCH_FIELD_H_
