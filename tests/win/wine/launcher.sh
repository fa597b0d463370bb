#!/usr/bin/env bash
# Runs one Windows program under Wine, in the prefix and on the display that the wine fixture
# made (fixture.sh): the Windows builds' CMAKE_CROSSCOMPILING_EMULATOR, so CTest starts every
# Windows test program through it.
#
#   launcher.sh WORK ARCH PROGRAM [ARGUMENTS...]      ARCH: i686 or x86_64
#
# Exit status: the program's; 77 (what the tests count as skipped) where this machine runs no
# ARCH programs. The program's output is passed on when it ends: nothing Wine leaves running may
# hold the test runner's output open.
set -uo pipefail
[ $# -ge 3 ] || { echo "usage: $0 WORK ARCH PROGRAM [ARGUMENTS...]" >&2; exit 2; }
work=$1 arch=$2
shift 2
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
source "$here/wine_env.sh"
enter_fixture "$work" "$arch"
loader=wine
[ "$arch" = x86_64 ] && loader=$wine64_loader
log=$(mktemp "$work/launch.XXXXXX")
rc=0
"$loader" "$@" </dev/null >"$log" 2>&1 || rc=$?
tr -d '\r' <"$log"
rm -f "$log"
exit $rc
