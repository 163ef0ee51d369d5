#!/usr/bin/env bash
# Photographs the desktop program: starts it under Xvfb (with openbox as the window manager
# when it is installed) on the sample data, runs a few queries and saves the window as a PNG.
#   scripts/screenshot.sh [BUILD_DIR [OUT.png [QUERY...]]]
# Defaults: build, docs/screenshot.png, the queries talo, -talossa and hus. Without sample data
# in BUILD_DIR/data (the build writes it there) a tiny folder with the guide texts stands in.
# The settings of a run of its own are used, so that the picture shows the first screen.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$root/build}
out=${2:-$root/docs/screenshot.png}
shift $(($# < 2 ? $# : 2))
queries=("$@")
[ ${#queries[@]} -gt 0 ] || queries=(talo -talossa hus)

gui=$build/apps/velimora/velimora
if [ ! -x "$gui" ]; then
  echo "screenshot: $gui is missing; build the target velimora first" >&2
  exit 1
fi

data=$build/data
if [ ! -f "$data/feu/fe.cns" ]; then
  data=$(mktemp -d)
  mkdir -p "$data/feu" "$data/ch"
  : >"$data/feu/fe.cns"
  cp "$root"/data/guide/fh10*.txt "$data/ch/" 2>/dev/null || true
  echo "screenshot: no sample data in $build/data, using a tiny folder" >&2
fi

config=$(mktemp -d)
trap 'rm -rf "$config"; [ "$data" = "$build/data" ] || rm -rf "$data"' EXIT

mkdir -p "$(dirname "$out")"
rm -f "$out"
args=(--data "$data" --screenshot "$out")
for q in "${queries[@]}"; do args+=(--query "$q"); done
# shellcheck disable=SC2016  # expanded by the inner shell
XDG_CONFIG_HOME=$config xvfb-run -a -s "-screen 0 1280x800x24" bash -c '
  if command -v openbox >/dev/null; then openbox >/dev/null 2>&1 & sleep 0.5; fi
  exec "$@"' screenshot "$gui" "${args[@]}"
if [ ! -s "$out" ]; then
  echo "screenshot: no picture was written" >&2
  exit 1
fi
echo "screenshot: wrote $out"
