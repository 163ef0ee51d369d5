#include "desktop/display_check.h"

#include <algorithm>
#include <string>

namespace velimora::desktop {
namespace {

bool set(const char* value) {
  return value != nullptr && *value != '\0';
}

}  // namespace

bool has_display(std::span<char* const> args, const std::function<const char*(const char*)>& env) {
  std::string platform = set(env("QT_QPA_PLATFORM")) ? env("QT_QPA_PLATFORM") : "";
  for (std::size_t i = 1; i + 1 < args.size(); ++i) {
    if (std::string_view(args[i]) == "-platform") platform = args[i + 1];
  }
  const bool x11 = set(env("DISPLAY"));
  const bool wayland = set(env("WAYLAND_DISPLAY"));
  if (platform.empty()) return x11 || wayland;
  // "wayland;xcb" tries each in turn; "xcb:display=..." carries options.
  std::string_view rest = platform;
  while (!rest.empty()) {
    std::string_view one = rest.substr(0, rest.find(';'));
    rest.remove_prefix(std::min(rest.size(), one.size() + 1));
    one = one.substr(0, one.find(':'));
    if (one.starts_with("xcb") ? x11 : one.starts_with("wayland") ? wayland : !one.empty()) {
      return true;
    }
  }
  return false;
}

}  // namespace velimora::desktop
