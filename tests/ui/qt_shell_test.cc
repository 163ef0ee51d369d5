// The shell on the Qt toolkit, driven by real mouse and key events (offscreen platform).
#include <gtest/gtest.h>
#include <QApplication>
#include <QClipboard>
#include <QDockWidget>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QTest>
#include <QTimer>
#include <functional>
#include <memory>

#include "shell/driver.h"
#include "shell/main_window.h"
#include "shell/startup.h"
#include "testing/temp_dir.h"
#include "ui/qt/prompt_dialog.h"
#include "ui/qt/qt_text.h"
#include "ui/qt/qt_toolkit.h"

namespace velimora {
namespace {

using ui::from_qstring;
using ui::to_qstring;

QApplication& application() {
  static int argc = 1;
  static char name[] = "ui_qt_test";
  static char* argv[] = {name, nullptr};
  static QApplication* app = [] {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    return new QApplication(argc, argv);
  }();
  return *app;
}

// Sends each character as a key press with its text (QTest::keyClicks stops at non-ASCII).
void type(QWidget* w, const QString& text) {
  for (QChar c : text) {
    QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
    QApplication::sendEvent(w, &press);
    QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, QString(c));
    QApplication::sendEvent(w, &release);
  }
}

class QtShellTest : public ::testing::Test {
 protected:
  void SetUp() override {
    application();
    dir_.write("feu/fe.cns", "kh(5000)\n");
    shell_ = std::make_unique<MainWindow>(session_, tk_, dir_.prefix());
    tk_.open_task_window(shell_->task_window_spec());
    QApplication::processEvents();
  }

  std::string messages() const { return from_qstring(tk_.message_view()->toPlainText()); }
  ui::Window results() const { return shell_->windows().results_window(); }

  std::optional<std::string> reference(const std::string& query) const {
    Session s;
    go1(s, dir_.prefix(), "");
    go2(s, " ");
    return go2(s, query);
  }

  QAction* action(const QString& text) const {
    for (QAction* a : tk_.main_window()->menuBar()->actions()) {
      if (a->text() == text) return a;
      if (a->menu() == nullptr) continue;
      for (QAction* item : a->menu()->actions()) {
        if (item->text() == text) return item;
      }
    }
    ADD_FAILURE() << "no menu item " << text.toStdString();
    return nullptr;
  }

  // The open child window with this title, or none.
  ui::Window window_titled(const QString& title) const {
    for (ui::Window w = 1; w < 100; ++w) {
      if (tk_.frame(w) != nullptr && tk_.frame(w)->windowTitle() == title) return w;
    }
    return ui::kNoWindow;
  }

  // Runs `act` on the prompt once it is up. Any prompt still open after five seconds is
  // cancelled, so that a failing check cannot hang the run.
  void when_prompt(std::function<void(ui::PromptDialog*)> act) {
    auto* poll = new QTimer(tk_.main_window());
    poll->setInterval(10);
    QObject::connect(poll, &QTimer::timeout, [poll, act] {
      auto* dialog = dynamic_cast<ui::PromptDialog*>(QApplication::activeModalWidget());
      if (dialog == nullptr) return;
      poll->stop();
      poll->deleteLater();
      act(dialog);
    });
    poll->start();
    QTimer::singleShot(5000, tk_.main_window(), [] {
      if (auto* d = dynamic_cast<QDialog*>(QApplication::activeModalWidget())) d->reject();
    });
  }

  // The point on the screen of the character at a 0-based index of an edit window.
  static QPoint point_of(QPlainTextEdit* edit, int index) {
    QTextCursor c(edit->document());
    c.setPosition(index);
    const QRect r = edit->cursorRect(c);
    return {r.left() + 2, r.center().y()};
  }

  ::velimora::testing::TempDir dir_;
  Session session_;
  ui::QtToolkit tk_;
  std::unique_ptr<MainWindow> shell_;
};

TEST_F(QtShellTest, TaskWindowHasTheTitleTheCommandsAndTheGuideMenus) {
  QMainWindow* main = tk_.main_window();
  EXPECT_EQ(main->windowTitle(),
            QString::fromUtf8("  Suomi-tanska-suomi sanakirja ynn\xC3\xA4 morfologinen "
                              "j\xC3\xA4sentely"));
  EXPECT_TRUE(main->windowState() & Qt::WindowMaximized);
  const QList<QAction*> bar = main->menuBar()->actions();
  ASSERT_EQ(bar.size(), 13);
  for (std::size_t i = 0; i < query_commands().size(); ++i) {
    EXPECT_EQ(bar[i]->text(), to_qstring(query_commands()[i].menu_text)) << i;
    EXPECT_EQ(bar[i]->menu(), nullptr) << "a button, not a menu: " << i;
    EXPECT_FALSE(bar[i]->shortcut().isEmpty()) << i;
  }
  EXPECT_EQ(bar[11]->text(), "[vejledning]");
  EXPECT_EQ(bar[12]->text(), "[Guide]");
  ASSERT_NE(bar[12]->menu(), nullptr);
  EXPECT_EQ(bar[12]->menu()->actions().size(), 4);
}

TEST_F(QtShellTest, StartUpOpensWelcomeAndResultsWindowsAndAMessageDock) {
  EXPECT_EQ(tk_.mdi_area()->subWindowList().size(), 2);
  ASSERT_NE(tk_.frame(results()), nullptr);
  EXPECT_EQ(tk_.frame(results())->windowTitle(), " results ");
  EXPECT_EQ(tk_.frame(results())->geometry(), QRect(5, 29, 582, 310));
  EXPECT_EQ(messages(), " \n");
  EXPECT_EQ(tk_.message_view()->maximumBlockCount(), 120);
  auto* dock = qobject_cast<QDockWidget*>(tk_.message_view()->parentWidget());
  ASSERT_NE(dock, nullptr);
  EXPECT_EQ(tk_.main_window()->dockWidgetArea(dock), Qt::BottomDockWidgetArea);
  EXPECT_LT(dock->height(), tk_.main_window()->height() / 3) << "a few lines, not a third";
  const QString family = tk_.edit_view(results())->font().family();
  EXPECT_TRUE(family == "Times New Roman" || family == "Liberation Serif") << family.toStdString();
}

TEST_F(QtShellTest, RealDoubleClickOnAWordInTheResultsWindowLooksItUp) {
  tk_.edit_append_str(results(), "\nsee talo here");
  QPlainTextEdit* edit = tk_.edit_view(results());
  const std::string before = tk_.edit_get_text(results());
  QApplication::processEvents();
  QTest::mouseDClick(edit->viewport(), Qt::LeftButton, Qt::NoModifier,
                     point_of(edit, static_cast<int>(before.find("talo")) + 1));
  EXPECT_EQ(messages(), " \ntalo\n");
  std::optional<std::string> expected = reference("talo");
  ASSERT_TRUE(expected.has_value());
  EXPECT_EQ(tk_.edit_get_text(results()), before + "\n" + *expected);
  EXPECT_EQ(from_qstring(QApplication::clipboard()->text()), "");
}

TEST_F(QtShellTest, RealDoubleClickTakesTheSignGluedToTheWord) {
  tk_.edit_append_str(results(), "\nsee -p\xE4iv\xE4 and (k_talo)");
  QPlainTextEdit* edit = tk_.edit_view(results());
  const std::string text = tk_.edit_get_text(results());
  QApplication::processEvents();
  QTest::mouseDClick(edit->viewport(), Qt::LeftButton, Qt::NoModifier,
                     point_of(edit, static_cast<int>(text.find("\xE4iv"))));
  QTest::mouseDClick(edit->viewport(), Qt::LeftButton, Qt::NoModifier,
                     point_of(edit, static_cast<int>(text.find("talo")) + 1));
  EXPECT_EQ(messages(), " \n-p\xE4iv\xE4\n-p\xE4iv\xE4: ingen analyse / no analysis\nk_talo\n");
}

TEST_F(QtShellTest, RealDoubleClickInTheWelcomeWindowAppendsToTheResults) {
  const ui::Window welcome = window_titled(" first guide");
  QPlainTextEdit* edit = tk_.edit_view(welcome);
  ASSERT_NE(edit, nullptr);
  const std::string text = tk_.edit_get_text(welcome);
  QApplication::processEvents();
  QTest::mouseDClick(edit->viewport(), Qt::LeftButton, Qt::NoModifier,
                     point_of(edit, static_cast<int>(text.find("Velimora")) + 2));
  EXPECT_EQ(messages(), " \nVelimora\n");
  EXPECT_EQ(tk_.edit_get_text(welcome), text);
}

TEST_F(QtShellTest, CtrlReturnLooksUpTheWordAtTheCaret) {
  tk_.edit_append_str(results(), "\nsee -talo here");
  const int at = static_cast<int>(tk_.edit_get_text(results()).find("talo")) + 3;
  tk_.edit_set_selection(results(), {at, at});
  QTest::keyClick(tk_.edit_view(results()), Qt::Key_Return, Qt::ControlModifier);
  EXPECT_EQ(messages(), " \n-talo\n-talo: ingen analyse / no analysis\n");
}

TEST_F(QtShellTest, EditCommandsReachTheEditControl) {
  tk_.edit_append_str(results(), "kala");
  EXPECT_TRUE(tk_.win_send_event(results(), {ui::EventKind::kMenu, ui::kEditSelectAll}));
  EXPECT_TRUE(tk_.win_send_event(results(), {ui::EventKind::kMenu, ui::kEditCopy}));
  EXPECT_EQ(from_qstring(QApplication::clipboard()->text()), " kala");
  EXPECT_TRUE(tk_.win_send_event(results(), {ui::EventKind::kMenu, ui::kEditUndo}));
  EXPECT_EQ(tk_.edit_get_text(results()), " ");
}

TEST_F(QtShellTest, PromptAcceptedWithEnterRunsTheQuery) {
  tk_.edit_append_str(results(), "\nkala");
  const int end = static_cast<int>(tk_.edit_get_text(results()).size()) + 1;
  tk_.edit_set_selection(results(), {end - 4, end});
  bool checked = false;
  when_prompt([&checked](ui::PromptDialog* d) {
    EXPECT_EQ(d->windowTitle(), to_qstring(" tilf\xF8jer et fortegn '-' / adds a sign '-'"));
    EXPECT_EQ(d->line()->text(), "kala");
    EXPECT_EQ(d->line()->selectedText(), "kala") << "the default is preselected";
    EXPECT_EQ(d->line()->maxLength(), 499);
    type(d->line(), QString::fromUtf8("p\xC3\xA4iv\xC3\xA4"));
    QTest::keyClick(d->line(), Qt::Key_Return);
    checked = true;
  });
  action("[F analysis -]")->trigger();
  EXPECT_TRUE(checked);
  EXPECT_EQ(messages(), " \n-p\xE4iv\xE4\n-p\xE4iv\xE4: ingen analyse / no analysis\n");
  EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

TEST_F(QtShellTest, PromptCancelledWithEscapeDoesNothing) {
  const std::string before = tk_.edit_get_text(results());
  bool checked = false;
  when_prompt([&checked](ui::PromptDialog* d) {
    type(d->line(), "talo");
    QTest::keyClick(d->line(), Qt::Key_Escape);
    checked = true;
  });
  action(" [F-D,D-F]")->trigger();
  EXPECT_TRUE(checked);
  EXPECT_EQ(messages(), " \n");
  EXPECT_EQ(tk_.edit_get_text(results()), before);
}

TEST_F(QtShellTest, FunctionKeyGivesTheCommand) {
  QString title;
  when_prompt([&title](ui::PromptDialog* d) {
    title = d->windowTitle();
    d->reject();
  });
  tk_.main_window()->activateWindow();
  QTest::keyClick(tk_.edit_view(results()), Qt::Key_F12);  // the Danish reverse list
  EXPECT_EQ(title, to_qstring(query_commands().back().title));
}

TEST_F(QtShellTest, ControlDigitOpensAGuide) {
  dir_.write("ch/fh104.txt", "Velimora guide\n");
  tk_.main_window()->activateWindow();
  QTest::keyClick(tk_.edit_view(results()), Qt::Key_5, Qt::ControlModifier);
  const ui::Window guide = window_titled(" Guide: Introduction");
  ASSERT_NE(guide, ui::kNoWindow);
  EXPECT_EQ(tk_.edit_get_text(guide), "Velimora guide\n");
  EXPECT_TRUE(tk_.edit_view(guide)->isReadOnly());
  EXPECT_EQ(tk_.edit_view(guide)->lineWrapMode(), QPlainTextEdit::WidgetWidth);
  EXPECT_EQ(messages(), " \nIntroduction\n");
}

TEST_F(QtShellTest, ClosingTheResultsWindowMakesTheNextResultOpenANewOne) {
  const ui::Window first = results();
  tk_.frame(first)->close();
  EXPECT_EQ(results(), ui::kNoWindow);
  shell_->ud("", "talo");
  ASSERT_NE(results(), ui::kNoWindow);
  EXPECT_NE(results(), first);
  EXPECT_EQ(tk_.frame(results())->windowTitle(), " results ");
  EXPECT_EQ(tk_.edit_get_text(results()), reference("talo").value_or("?"));
}

TEST_F(QtShellTest, TextRoundTripsThroughQtStrings) {
  std::string all;
  for (int b = 1; b < 256; ++b)
    all += static_cast<char>(b);
  EXPECT_EQ(from_qstring(to_qstring(all)), all);
  EXPECT_EQ(from_qstring(QString::fromUtf8("\xC5\x91")), "?") << "not in Windows-1252";
}

}  // namespace
}  // namespace velimora
