#include "desktop/text_views.h"

#include <QWheelEvent>
#include <algorithm>

namespace velimora::desktop {

void TextViews::add(QPlainTextEdit* view) {
  views_.push_back(view);
  own_points_[view] = view->font().pointSize();
  layers_[view];
  view->viewport()->installEventFilter(this);
  connect(view, &QObject::destroyed, this, [this, view] {
    views_.removeAll(view);
    own_points_.erase(view);
    layers_.erase(view);
  });
  apply_zoom(view);
}

void TextViews::set_zoom(int points) {
  const int zoom = std::clamp(points, kMinZoom, kMaxZoom);
  if (zoom == zoom_) return;
  zoom_ = zoom;
  for (QPlainTextEdit* view : views_)
    apply_zoom(view);
  if (on_zoom_) on_zoom_(zoom_);
}

void TextViews::apply_zoom(QPlainTextEdit* view) const {
  QFont font = view->font();
  font.setPointSize(std::max(1, own_points_.at(view) + zoom_));
  view->setFont(font);
}

void TextViews::set_layer(QPlainTextEdit* view, Layer layer,
                          const QList<QTextEdit::ExtraSelection>& s) {
  auto it = layers_.find(view);
  if (it == layers_.end()) return;
  it->second[static_cast<std::size_t>(layer)] = s;
  QList<QTextEdit::ExtraSelection> all;
  for (const QList<QTextEdit::ExtraSelection>& one : it->second)
    all += one;
  view->setExtraSelections(all);
}

bool TextViews::eventFilter(QObject* watched, QEvent* e) {
  if (e->type() == QEvent::Wheel) {
    auto* wheel = static_cast<QWheelEvent*>(e);
    if ((wheel->modifiers() & Qt::ControlModifier) && wheel->angleDelta().y() != 0) {
      zoom_by(wheel->angleDelta().y() > 0 ? 1 : -1);
      return true;
    }
  }
  return QObject::eventFilter(watched, e);
}

}  // namespace velimora::desktop
