#!/usr/bin/env bash
# check_install.sh BUILD_DIR BUILT_QUERY_PROGRAM: installs the build into a fresh prefix and
# moves the prefix elsewhere (a relocated install). With no data folder named, the built program
# must use the build's data folder, the installed one its own installed folder, and both must
# print the same article of talo.
set -euo pipefail
build=$1 built=$2
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
cmake --install "$build" --prefix "$tmp/first" >/dev/null
mv "$tmp/first" "$tmp/moved"
unset VELIMORA_DATA
installed="$tmp/moved/bin/velimora-query"
for f in bin/velimora-mkdata share/man/man1/velimora-query.1 share/applications/velimora.desktop \
         share/icons/hicolor/scalable/apps/velimora.svg share/doc/velimora/README.md; do
  [ -e "$tmp/moved/$f" ] || { echo "not installed: $f"; exit 1; }
done
[ ! -e "$tmp/moved/share/velimora/data/CMakeFiles" ] || { echo "build files in the data folder"; exit 1; }
"$built" --version | grep -qxF "data folder: $build/data" ||
  { echo "the built program does not use the build's data:"; "$built" --version; exit 1; }
"$installed" --version | grep -qxF "data folder: $tmp/moved/share/velimora/data" ||
  { echo "installed program does not use its own data:"; "$installed" --version; exit 1; }
diff <("$built" --data "$build/data" talo) <("$installed" talo)
"$installed" talo | grep -q 'talo' || { echo "no article of talo"; exit 1; }
