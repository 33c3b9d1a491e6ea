#!/usr/bin/env bash
# Checks the console program's manual page against its --help: every option and every exit
# code that --help names has its place on the page.
# Usage: check-manual-page.sh PAGE PROGRAM   (PAGE as roff source, gzip'd or not)
set -uo pipefail
. "$(dirname "$0")/../support/check.sh"

# The roff source with its escaped dashes plain.
page=$(zcat -f "$1" | sed 's/\\-/-/g')
help=$("$2" --help)
missing_options=$(grep -oE '(^|[][ ,|])(--[a-z][a-z-]*|-[a-z]|/\?)' <<<"$help" | sed 's/^[][ ,|]//' | sort -u |
  while read -r option; do grep -qF -- "$option" <<<"$page" || echo "$option"; done)
missing_codes=$(grep -oE '^  [0-9]+  ' <<<"$help" | tr -d ' ' |
  while read -r code; do grep -qx "\.B $code" <<<"$page" || echo "$code"; done)
check "the page and --help are there" '[ -n "$page" ] && grep -q "^  --" <<<"$help"'
check "the page names every option of --help${missing_options:+ (not: $missing_options)}" '[ -z "$missing_options" ]'
check "the page explains every exit code of --help${missing_codes:+ (not: $missing_codes)}" '[ -z "$missing_codes" ]'
checks_summary
