#include "desktop/result_highlighter.h"

#include <QPalette>

#include "ui/qt/qt_text.h"
#include "ui/result_marks.h"

namespace velimora::desktop {

ResultHighlighter::ResultHighlighter(QTextDocument* document, const QPalette& palette)
    : QSyntaxHighlighter(document) {
  bold_.setFontWeight(QFont::Bold);
  // Labels are grey: a mix of the text and the background colour, readable on either theme.
  const QColor text = palette.color(QPalette::Text);
  const QColor base = palette.color(QPalette::Base);
  grey_.setForeground(QColor((text.red() * 11 + base.red() * 9) / 20,
                             (text.green() * 11 + base.green() * 9) / 20,
                             (text.blue() * 11 + base.blue() * 9) / 20));
  link_.setForeground(palette.color(QPalette::Link));
}

void ResultHighlighter::highlightBlock(const QString& text) {
  // One character of the window is one byte of the Windows-1252 line.
  for (const ui::MarkedSpan& span : ui::marks_of_line(ui::from_qstring(text))) {
    switch (span.mark) {
      case ui::Mark::kHeadword:
      case ui::Mark::kHeading:
        setFormat(span.start, span.length, bold_);
        break;
      case ui::Mark::kLabel:
        setFormat(span.start, span.length, grey_);
        break;
      case ui::Mark::kOffer:
        setFormat(span.start, span.length, link_);
        break;
    }
  }
}

}  // namespace velimora::desktop
