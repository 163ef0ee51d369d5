// Whether the desktop program can reach a display, decided before Qt starts (Qt itself aborts
// without one).
#ifndef VELIMORA_DESKTOP_DISPLAY_CHECK_H_
#define VELIMORA_DESKTOP_DISPLAY_CHECK_H_

#include <functional>
#include <span>
#include <string_view>

namespace velimora::desktop {

// The line printed, with exit status 2, when there is none.
inline constexpr std::string_view kNoDisplayLine =
    "velimora: no display; use velimora-query for the terminal";

// `args` are the program's arguments (a "-platform NAME" among them wins over
// QT_QPA_PLATFORM); `env` reads an environment variable (null when unset). The X11 and Wayland
// platforms need DISPLAY or WAYLAND_DISPLAY; the others (offscreen, vnc, ...) need nothing.
bool has_display(std::span<char* const> args, const std::function<const char*(const char*)>& env);

}  // namespace velimora::desktop

#endif  // VELIMORA_DESKTOP_DISPLAY_CHECK_H_
