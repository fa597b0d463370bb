#!/usr/bin/env bash
# Runs one of the Windows checks that are shell steps around the test programs (checks.sh, and
# the package's in setups.sh) in the prefix and on the display of the wine fixture; CTest runs
# each as a test of its own.
#
#   check.sh WORK ARCH CHECK [ARGUMENTS...]
#
# CHECK names a function check_CHECK (dashes for underscores); ARCH is the architecture whose
# programs it needs (both builds side by side name i686, and take the 64-bit programs from
# TRELVANE_BUILD_DIR, the x86_64 build; the 64-bit package's cases name x86_64 and skip their
# 32-bit steps where 32-bit programs do not run). The environment gives TRELVANE_SOURCE_DIR,
# TRELVANE_BUILD_DIR (this architecture's build), TRELVANE_WIN32_BUILD_DIR, TRELVANE_NATIVE_TOOL
# (the native trelvane-ribbon), TRELVANE_VERSION and the add-ins' TRELVANE_ADDIN_NAMES and
# TRELVANE_ADDIN_CLSIDS. Prints a line per step (PASS, FAIL or
# SKIP) and a closing "N passed, N failed"; exit status 0 when every step passed, 77 when the
# check could not run at all on this machine, 1 otherwise.
set -euo pipefail
[ $# -ge 3 ] || { echo "usage: $0 WORK ARCH CHECK [ARGUMENTS...]" >&2; exit 2; }
work=$1 arch=$2 check=check_${3//-/_}
shift 3
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
root=$TRELVANE_SOURCE_DIR
build=$TRELVANE_BUILD_DIR
win32_build=$TRELVANE_WIN32_BUILD_DIR
tool=$TRELVANE_NATIVE_TOOL
source "$here/wine_env.sh"
enter_fixture "$work" "$arch"
source "$here/checks.sh"
source "$here/setups.sh"

pass() { printf 'PASS %s\n' "$1"; }
fail() { printf 'FAIL %s\n' "$1"; }
skip() { printf 'SKIP %s\n' "$1"; }

if [ "$arch" = i686 ]; then
  loader=wine view=32 other=64
else
  loader=$wine64_loader view=64 other=32
fi
declare -F "$check" >/dev/null || { echo "no such check: $check" >&2; exit 2; }
mkdir -p "$work/$arch"

# Nothing Wine starts may hold the runner's output open: the steps write to a log, shown after.
log=$(mktemp "$work/check.XXXXXX")
started=$SECONDS
set +e
(set -e; "$check" "$@") >"$log" 2>&1
rc=$?
set -e
cat "$log"
passed=$(grep -c '^PASS ' "$log" || true)
failed=$(grep -c '^FAIL ' "$log" || true)
skipped=$(grep -c '^SKIP ' "$log" || true)
rm -f "$log"
if [ $rc -ne 0 ]; then
  echo "FAIL the check stopped with exit status $rc"
  failed=$((failed + 1))
fi
printf '%d passed, %d failed, %d skipped (%d s)\n' "$passed" "$failed" "$skipped" \
  $((SECONDS - started))
[ "$failed" -eq 0 ] || exit 1
[ "$passed" -gt 0 ] || exit 77
exit 0
