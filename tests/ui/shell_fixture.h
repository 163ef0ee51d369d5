// A shell on the headless toolkit over a small data folder in a temp dir.
#ifndef VELIMORA_TESTS_UI_SHELL_FIXTURE_H_
#define VELIMORA_TESTS_UI_SHELL_FIXTURE_H_

#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "session/session.h"
#include "shell/driver.h"
#include "shell/main_window.h"
#include "shell/startup.h"
#include "testing/temp_dir.h"
#include "ui/headless/headless_toolkit.h"

namespace velimora {

class ShellTest : public ::testing::Test {
 protected:
  void write_main_record_file() { dir_.write("feu/fe.cns", "kh(5000)\n"); }

  void start() {
    shell_ = std::make_unique<MainWindow>(session_, tk_, dir_.prefix());
    tk_.open_task_window(shell_->task_window_spec());
  }

  // What a fresh session gives for the last of these queries, after the start-up query.
  std::optional<std::string> reference(const std::vector<std::string>& queries) const {
    Session s;
    go1(s, dir_.prefix(), "");
    go2(s, " ");
    std::optional<std::string> last;
    for (const std::string& q : queries)
      last = go2(s, q);
    return last;
  }

  const ui::HeadlessWindow& results() const {
    const ui::HeadlessWindow* w = tk_.window(shell_->windows().results_window());
    EXPECT_NE(w, nullptr) << "no results window";
    static const ui::HeadlessWindow kNone;
    return w ? *w : kNone;
  }
  ui::Window results_id() const { return shell_->windows().results_window(); }

  // Messages written after the start-up query's line.
  std::string new_messages() const { return tk_.messages().substr(startup_messages_.size()); }
  void mark_messages() { startup_messages_ = tk_.messages(); }

  ::velimora::testing::TempDir dir_;
  Session session_;
  ui::HeadlessToolkit tk_;
  std::unique_ptr<MainWindow> shell_;
  std::string startup_messages_;
};

// A shell started on a folder with the main record file; messages so far are marked.
class StartedShellTest : public ShellTest {
 protected:
  void SetUp() override {
    write_main_record_file();
    start();
    mark_messages();
  }
};

}  // namespace velimora

#endif  // VELIMORA_TESTS_UI_SHELL_FIXTURE_H_
