#!/usr/bin/env bash
# check_man_page.sh GROFF PAGE: fails when groff warns about PAGE (all warnings on), or when the
# page lacks a section a reader looks for.
set -euo pipefail
groff=$1 page=$2
warnings=$("$groff" -k -ww -z -man "$page" 2>&1)
if [ -n "$warnings" ]; then
  printf '%s\n' "$warnings"
  exit 1
fi
for section in NAME SYNOPSIS DESCRIPTION OPTIONS "EXIT STATUS" EXAMPLES; do
  grep -q "^\.SH $section\$" "$page" || { echo "$page: no section $section"; exit 1; }
done
