// velimora: the desktop dictionary.
//   velimora [--data DIR]
// Developer options: --query TEXT (run TEXT, signs and word, as a query after start-up; may
// repeat) and --screenshot FILE (save the window as a PNG after start-up and quit).
#include <QApplication>
#include <QMessageBox>
#include <QPixmap>
#include <QTimer>
#include <iostream>
#include <optional>
#include <string>
#include <vector>

#include "session/session.h"
#include "shell/data_folder.h"
#include "shell/main_window.h"
#include "text/codepage.h"
#include "ui/qt/qt_toolkit.h"

namespace {

constexpr const char* kUsage =
    "usage: velimora [--data DIR] [--query TEXT]... [--screenshot FILE]\n"
    "  --data DIR         the data folder (default: $VELIMORA_DATA, else the sample data)\n"
    "  --query TEXT       run TEXT as a query after start-up\n"
    "  --screenshot FILE  save the window as a PNG image shortly after start-up, then quit\n"
    "  --version          print the version and the data folder in use\n";

// Time for the window system to lay the window out before it is photographed.
constexpr int kScreenshotDelayMs = 1500;

struct Options {
  std::optional<std::string> data;
  std::vector<std::string> queries;
  std::optional<QString> screenshot;
  bool help = false;
  bool ok = true;
};

Options parse(const QStringList& args) {
  Options o;
  for (qsizetype i = 1; i < args.size(); ++i) {
    const QString& a = args[i];
    const bool has_value = i + 1 < args.size();
    if (a == "--data" && has_value) {
      o.data = args[++i].toStdString();
    } else if (a == "--query" && has_value) {
      o.queries.push_back(args[++i].toStdString());
    } else if (a == "--screenshot" && has_value) {
      o.screenshot = args[++i];
    } else if (a == "--help" || a == "-h") {
      o.help = true;
    } else {
      std::cerr << "velimora: unknown argument " << a.toStdString() << "\n";
      o.ok = false;
    }
  }
  return o;
}

// Saves the task window as a picture and ends the program.
void schedule_screenshot(QMainWindow* window, const QString& file) {
  QTimer::singleShot(kScreenshotDelayMs, window, [window, file] {
    if (!window->grab().save(file, "PNG")) {
      std::cerr << "velimora: cannot write " << file.toStdString() << "\n";
    }
    QApplication::quit();
  });
}

}  // namespace

int main(int argc, char** argv) {
  // Answered before Qt starts, so that it works without a display.
  if (argc == 2 && std::string(argv[1]) == "--version") {
    std::cout << "velimora " << VELIMORA_VERSION
              << "\ndata folder: " << velimora::choose_data_folder(std::nullopt) << "\n";
    return 0;
  }
  QApplication app(argc, argv);  // takes Qt's own options out of the arguments
  const Options options = parse(QApplication::arguments());
  if (options.help || !options.ok) {
    (options.ok ? std::cout : std::cerr) << kUsage;
    return options.ok ? 0 : 2;
  }
  const std::string folder = velimora::choose_data_folder(options.data);
  velimora::Result<std::string> prefix = velimora::data_prefix_of(folder);
  if (!prefix) {
    QMessageBox::critical(nullptr, QStringLiteral("Velimora"),
                          QString::fromStdString(prefix.error()));
    return 2;
  }

  velimora::Session session;
  velimora::ui::QtToolkit toolkit;
  velimora::MainWindow shell(session, toolkit, *prefix);
  toolkit.open_task_window(shell.task_window_spec());
  for (const std::string& query : options.queries) {
    velimora::Result<std::string> text = velimora::utf8_to_cp1252(query);
    if (text) shell.ud("", *text);
  }
  if (options.screenshot) schedule_screenshot(toolkit.main_window(), *options.screenshot);
  return toolkit.run_event_loop();
}
