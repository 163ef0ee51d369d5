// The desktop window driven through its real widgets (offscreen platform) on the sample data.
#include <gtest/gtest.h>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QMdiSubWindow>
#include <QMenu>
#include <QTest>
#include <QTextBlock>
#include <QTextLayout>
#include <QTimer>
#include <cstdlib>
#include <memory>

#include "desktop/desktop_window.h"
#include "desktop/display_check.h"
#include "shell/driver.h"
#include "shell/startup.h"
#include "testing/temp_dir.h"
#include "ui/qt/qt_text.h"

namespace velimora::desktop {
namespace {

using ui::from_qstring;
using ui::to_qstring;

// The settings go to a folder of this run: XDG_CONFIG_HOME is read once, when Qt starts.
::velimora::testing::TempDir& config_home() {
  static auto* dir = new ::velimora::testing::TempDir;
  return *dir;
}

QApplication& application() {
  static int argc = 1;
  static char name[] = "desktop_test";
  static char* argv[] = {name, nullptr};
  static QApplication* app = [] {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("XDG_CONFIG_HOME", QByteArray::fromStdString(config_home().path()));
    return new QApplication(argc, argv);
  }();
  return *app;
}

std::string sample_data() {
  const char* dir = std::getenv("VELIMORA_SAMPLE_DATA");
  return dir != nullptr ? std::string(dir) + "/" : std::string();
}

class DesktopTest : public ::testing::Test {
 protected:
  void SetUp() override {
    application();
    QSettings(kOrganisation, kApplication).clear();
    open();
  }

  void open() {
    window_ = std::make_unique<DesktopWindow>(sample_data(), sample_data());
    window_->open();
    QApplication::processEvents();
    ASSERT_TRUE(window_->shell().has_data()) << "no sample data in " << sample_data();
  }

  ui::QtToolkit& tk() { return window_->toolkit(); }
  QPlainTextEdit* results() { return tk().edit_view(window_->shell().windows().results_window()); }
  std::string results_text() { return from_qstring(results()->toPlainText()); }

  // What a fresh session appends for `query` after the start-up query.
  static std::string reference(const std::string& query) {
    Session s;
    go1(s, sample_data(), "");
    go2(s, " ");
    return go2(s, query).value_or("(nothing)");
  }

  void search_for(const QString& word) {
    window_->search_field()->setFocus();
    window_->search_field()->selectAll();
    QTest::keyClicks(window_->search_field(), word);
    QTest::keyClick(window_->search_field(), Qt::Key_Return);
  }

  // Runs `act` on the context menu once it is up; a menu left open is closed after 5 s.
  static void when_menu(std::function<void(QMenu*)> act) {
    auto* poll = new QTimer;
    poll->setInterval(10);
    QObject::connect(poll, &QTimer::timeout, [poll, act] {
      auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
      if (menu == nullptr) return;
      poll->stop();
      poll->deleteLater();
      act(menu);
    });
    poll->start();
    QTimer::singleShot(5000, [] {
      if (auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget())) menu->close();
    });
  }

  std::unique_ptr<DesktopWindow> window_;
};

TEST_F(DesktopTest, SearchFieldAndEnterAppendTheArticleAndKeepTheWordSelected) {
  const std::string before = results_text();
  search_for("talo");
  EXPECT_TRUE(results_text().starts_with(before));
  EXPECT_TRUE(results_text().ends_with(reference("talo"))) << results_text();
  EXPECT_TRUE(window_->search_field()->hasFocus());
  EXPECT_EQ(window_->search_field()->selectedText(), "talo");
}

TEST_F(DesktopTest, AltLeftScrollsBackToThePreviousQueryAndAltRightForward) {
  tk().frame(window_->shell().windows().results_window())->resize(400, 160);  // to scroll in
  for (const char* word : {"talo", "hus", "koulu", "kirja", "bog"})
    search_for(word);
  const std::vector<HistoryEntry>& entries = window_->history().entries();
  ASSERT_EQ(entries.size(), 5u);
  QTest::keyClick(window_->search_field(), Qt::Key_Left, Qt::AltModifier);
  QTest::keyClick(window_->search_field(), Qt::Key_Left, Qt::AltModifier);
  QTest::keyClick(window_->search_field(), Qt::Key_Left, Qt::AltModifier);
  // "hus": its output's first line at the top of the window, and marked.
  QPlainTextEdit* view = results();
  EXPECT_EQ(view->textCursor().position(), entries[1].start - 1);
  EXPECT_LT(view->cursorRect().top(), view->fontMetrics().lineSpacing());
  ASSERT_FALSE(view->extraSelections().isEmpty());
  EXPECT_EQ(view->extraSelections().front().cursor.selectionStart(), entries[1].start - 1);
  EXPECT_EQ(view->extraSelections().front().cursor.selectionEnd(), entries[2].start - 1);
  QTest::keyClick(window_->search_field(), Qt::Key_Right, Qt::AltModifier);
  EXPECT_EQ(view->textCursor().position(), entries[2].start - 1);
}

TEST_F(DesktopTest, HistorySurvivesARestartNewestFirst) {
  search_for("talo");
  search_for("hus");
  window_.reset();
  open();
  QListWidget* list = window_->history_list();
  ASSERT_EQ(list->count(), 2);
  EXPECT_EQ(list->item(0)->text(), "hus");
  EXPECT_EQ(list->item(1)->text(), "talo");
  // A double click runs it again.
  const std::size_t before = results_text().size();
  emit list->itemDoubleClicked(list->item(1));
  EXPECT_GT(results_text().size(), before);
  EXPECT_TRUE(results_text().ends_with(reference("talo")));
}

TEST_F(DesktopTest, LexiconWindowsRefuseTypingTheResultsWindowTakesIt) {
  tk().deliver_menu_command(guide_commands()[4].id);  // a guide: a lexicon window
  QMdiSubWindow* active = tk().mdi_area()->activeSubWindow();
  ASSERT_NE(active, nullptr);
  auto* lexicon = qobject_cast<QPlainTextEdit*>(active->widget());
  ASSERT_NE(lexicon, nullptr);
  ASSERT_NE(lexicon, results());
  const QString text = lexicon->toPlainText();
  QApplication::clipboard()->setText("pasted");
  QTest::keyClicks(lexicon, "typed");
  QTest::keyClick(lexicon, Qt::Key_V, Qt::ControlModifier);
  QTest::keyClick(lexicon, Qt::Key_Delete);
  EXPECT_EQ(lexicon->toPlainText(), text);
  const QString before = results()->toPlainText();
  QTest::keyClicks(results(), "typed");
  EXPECT_EQ(results()->toPlainText().size(), before.size() + 5);
}

TEST_F(DesktopTest, HighlighterMarksAHeadwordBoldAndLeavesTheTextAlone) {
  search_for("talo");
  const std::string text = results_text();
  const std::size_t at = text.find(">talo ");
  ASSERT_NE(at, std::string::npos);
  const QTextBlock block = results()->document()->findBlock(static_cast<int>(at));
  const int in_block = static_cast<int>(at) - block.position();
  bool bold = false;
  for (const QTextLayout::FormatRange& r : block.layout()->formats()) {
    if (r.start <= in_block && in_block + 5 <= r.start + r.length) {
      bold = r.format.fontWeight() == QFont::Bold;
    }
  }
  EXPECT_TRUE(bold);
  EXPECT_EQ(text, from_qstring(results()->toPlainText()));
}

TEST_F(DesktopTest, ContextMenuLookUpRunsTheWordUnderTheMouse) {
  QPlainTextEdit* view = results();
  view->setPlainText("hus");
  const QString before = view->toPlainText();
  QString chosen;
  when_menu([&chosen](QMenu* menu) {
    QAction* first = menu->actions().value(0);
    if (first != nullptr) chosen = first->text();
    menu->close();
    if (first != nullptr) first->trigger();
  });
  const QPoint at = view->cursorRect(QTextCursor(view->document())).center() + QPoint(4, 0);
  QContextMenuEvent event(QContextMenuEvent::Mouse, at, view->viewport()->mapToGlobal(at));
  QApplication::sendEvent(view->viewport(), &event);
  EXPECT_EQ(chosen, QString::fromUtf8("Look up \u201Chus\u201D"));
  const std::string after = from_qstring(view->toPlainText());
  EXPECT_TRUE(after.starts_with(from_qstring(before)));
  EXPECT_TRUE(after.ends_with(reference("hus"))) << after;
}

TEST(DisplayCheck, TheX11AndWaylandPlatformsNeedTheirDisplayTheOthersNone) {
  struct Case {
    const char* platform;  // QT_QPA_PLATFORM
    const char* display;
    const char* wayland;
    bool has;
  };
  static constexpr Case kCases[] = {
      {nullptr, nullptr, nullptr, false},          {nullptr, ":0", nullptr, true},
      {nullptr, nullptr, "wayland-0", true},       {"xcb", nullptr, "wayland-0", false},
      {"wayland;xcb", ":0", nullptr, true},        {"offscreen", nullptr, nullptr, true},
      {"xcb:display=:1", nullptr, nullptr, false}, {"", "", "", false},
  };
  char name[] = "velimora";
  char* argv[] = {name};
  for (const Case& c : kCases) {
    auto env = [&c](const char* var) -> const char* {
      const std::string_view v(var);
      return v == "QT_QPA_PLATFORM" ? c.platform : v == "DISPLAY" ? c.display : c.wayland;
    };
    EXPECT_EQ(has_display(argv, env), c.has)
        << (c.platform ? c.platform : "-") << " " << (c.display ? c.display : "-");
  }
  // -platform on the command line wins over the environment.
  char option[] = "-platform";
  char offscreen[] = "offscreen";
  char* with_option[] = {name, option, offscreen};
  EXPECT_TRUE(has_display(with_option, [](const char*) -> const char* { return nullptr; }));
}

}  // namespace
}  // namespace velimora::desktop
