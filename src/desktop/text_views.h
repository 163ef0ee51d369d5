// The text windows of the desktop window as one set: a shared zoom (Ctrl+wheel on any of
// them), and extra-selection layers (the marked history entry, the find bar's matches) that
// are shown together.
#ifndef VELIMORA_DESKTOP_TEXT_VIEWS_H_
#define VELIMORA_DESKTOP_TEXT_VIEWS_H_

#include <QList>
#include <QObject>
#include <QPlainTextEdit>
#include <array>
#include <functional>
#include <map>

namespace velimora::desktop {

enum class Layer { kHistory, kFound };

class TextViews : public QObject {
 public:
  // The zoom is a number of points added to every window's own font size, within these bounds.
  static constexpr int kMinZoom = -6;
  static constexpr int kMaxZoom = 24;

  // `on_zoom` is told of every change of the zoom.
  explicit TextViews(std::function<void(int)> on_zoom) : on_zoom_(std::move(on_zoom)) {}

  // A window joins the set with its current font as its own size; forgotten when destroyed.
  void add(QPlainTextEdit* view);
  const QList<QPlainTextEdit*>& views() const { return views_; }

  int zoom() const { return zoom_; }
  void set_zoom(int points);
  void zoom_by(int steps) { set_zoom(zoom_ + steps); }

  void set_layer(QPlainTextEdit* view, Layer layer, const QList<QTextEdit::ExtraSelection>& s);

 protected:
  // Ctrl+wheel over a window zooms all of them.
  bool eventFilter(QObject* watched, QEvent* e) override;

 private:
  void apply_zoom(QPlainTextEdit* view) const;

  QList<QPlainTextEdit*> views_;
  std::map<QPlainTextEdit*, int> own_points_;
  std::map<QPlainTextEdit*, std::array<QList<QTextEdit::ExtraSelection>, 2>> layers_;
  int zoom_ = 0;
  std::function<void(int)> on_zoom_;
};

}  // namespace velimora::desktop

#endif  // VELIMORA_DESKTOP_TEXT_VIEWS_H_
