#!/usr/bin/env bash
# The Windows half of the suite on its own: builds the Windows programs and packages for 32- and
# 64-bit Windows and runs their CTest tests under Wine and Xvfb (tests/win/CMakeLists.txt), each
# preset even when the one before failed, and ends with a summary. The add-ins' expected
# documents come from the native trelvane-ribbon, which is built first.
#
#   scripts/test-windows.sh [CTEST OPTIONS...]      e.g. -L access, -R configurator
#
# Needs what `scripts/setup.sh --windows` installs. Each architecture's run makes its own Wine
# prefix and X display and takes them away at its end (TRELVANE_KEEP_WORK=1 keeps them); on a
# machine that runs no 32-bit programs the tests that need them report themselves skipped.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh --windows
source scripts/presets.sh
source scripts/windows_presets.sh
windows_presets "$@"
preset_summary
