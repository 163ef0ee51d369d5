// velimora: the desktop dictionary.
//   velimora [--data DIR]
// Developer options: --query TEXT (run TEXT, signs and word, as a query after start-up; may
// repeat) and --screenshot FILE (save the window as a PNG after start-up and quit).
#include <QApplication>
#include <QMessageBox>
#include <QPixmap>
#include <QTimer>
#include <cstdlib>
#include <iostream>
#include <optional>
#include <string>
#include <vector>

#include "desktop/desktop_window.h"
#include "desktop/display_check.h"
#include "shell/data_folder.h"
#include "text/codepage.h"

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
  if (argc == 2 && (std::string(argv[1]) == "--help" || std::string(argv[1]) == "-h")) {
    std::cout << kUsage;
    return 0;
  }
  if (!velimora::desktop::has_display({argv, static_cast<std::size_t>(argc)}, std::getenv)) {
    std::cerr << velimora::desktop::kNoDisplayLine << "\n";
    return 2;
  }
  QApplication app(argc, argv);  // takes Qt's own options out of the arguments
  const Options options = parse(QApplication::arguments());
  if (options.help || !options.ok) {
    (options.ok ? std::cout : std::cerr) << kUsage;
    return options.ok ? 0 : 2;
  }
  // A folder chosen with "Data folder..." counts when neither --data nor VELIMORA_DATA says.
  std::optional<std::string> data = options.data;
  if (!data && std::getenv("VELIMORA_DATA") == nullptr)
    data = velimora::desktop::remembered_data_folder();
  const std::string folder = velimora::choose_data_folder(data);
  velimora::Result<std::string> prefix = velimora::data_prefix_of(folder);
  if (!prefix) {
    QMessageBox::critical(nullptr, QStringLiteral("Velimora"),
                          QString::fromStdString(prefix.error()));
    return 2;
  }

  velimora::desktop::DesktopWindow window(folder, *prefix);
  window.open();
  for (const std::string& query : options.queries) {
    velimora::Result<std::string> text = velimora::utf8_to_cp1252(query);
    if (text) window.shell().ud("", *text);
  }
  if (options.screenshot) schedule_screenshot(window.toolkit().main_window(), *options.screenshot);
  return window.toolkit().run_event_loop();
}
