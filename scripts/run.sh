#!/usr/bin/env bash
# Starts the desktop program when there is a display, else the terminal prompt.
set -euo pipefail
build=${1:-build}
gui="$build/apps/velimora/velimora"
cli="$build/apps/velimora-query/velimora-query"
if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ] && [ -x "$gui" ]; then
  exec "$gui"
fi
echo "No display: starting the terminal prompt (one query per line, Ctrl-D ends)."
exec "$cli"
