// Formats of a text window from the marks of its lines (ui/result_marks.h): headword forms and
// analysis headings bold, labels grey, offered codes in the link colour. The text itself
// never changes.
#ifndef VELIMORA_DESKTOP_RESULT_HIGHLIGHTER_H_
#define VELIMORA_DESKTOP_RESULT_HIGHLIGHTER_H_

#include <QSyntaxHighlighter>
#include <QTextCharFormat>

namespace velimora::desktop {

class ResultHighlighter : public QSyntaxHighlighter {
 public:
  // Colours come from the palette of the window that shows `document`.
  ResultHighlighter(QTextDocument* document, const QPalette& palette);

 protected:
  void highlightBlock(const QString& text) override;

 private:
  QTextCharFormat bold_;
  QTextCharFormat grey_;
  QTextCharFormat link_;
};

}  // namespace velimora::desktop

#endif  // VELIMORA_DESKTOP_RESULT_HIGHLIGHTER_H_
