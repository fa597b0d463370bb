#!/usr/bin/env bash
# The whole test suite: native unit tests and document checks, the same under AddressSanitizer
# and UndefinedBehaviorSanitizer, then the Windows add-ins under Wine.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh --windows

step() { printf '\n== %s\n' "$*"; }

step "native build and tests"
cmake --preset native >/dev/null
cmake --build --preset native
ctest --preset native

step "sanitizer build and tests"
cmake --preset native-sanitize >/dev/null
cmake --build --preset native-sanitize
ctest --preset native-sanitize

if [ -x scripts/test-windows.sh ]; then
  step "Windows add-ins under Wine"
  scripts/test-windows.sh
fi
step "all tests passed"
