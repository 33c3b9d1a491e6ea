#!/usr/bin/env bash
# Runs end-to-end tests with Wine reporting another screen resolution, then puts the
# prefix's own back.
#   at-screen-dpi.sh <dpi> <test_e2e.exe>     (GTEST_FILTER chooses the tests)
set -u
dpi=${1:?} program=${2:?}
runner=$(cd "$(dirname "$0")" && pwd)/../../tools/wine-run.sh
. "$(dirname "$runner")/screen-dpi.sh"
trap restore_screen_dpi EXIT
set_screen_dpi "$dpi" || exit 1
PK_SCREEN_DPI=$dpi "$runner" "$program"
