#!/usr/bin/env bash
# The whole test suite: native unit tests and document checks, a plain Release build, the tests
# again under AddressSanitizer and UndefinedBehaviorSanitizer, then the Windows programs under
# Wine. Every test runs under CTest, one preset after another.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh --windows

step() { printf '\n== %s\n' "$*"; }

step "native build and tests"
cmake --preset native >/dev/null
cmake --build --preset native
ctest --preset native

# What a packager does without our presets: a plain Release build of every target, which must
# be warning-free too (warnings are errors here, as in every preset).
step "plain Release build"
cmake -S . -B build/plain-release -DCMAKE_BUILD_TYPE=Release -DTRELVANE_WERROR=ON >/dev/null
cmake --build build/plain-release --parallel 2

step "sanitizer build and tests"
cmake --preset native-sanitize >/dev/null
cmake --build --preset native-sanitize
ctest --preset native-sanitize

# The Windows builds, their setups, and `ctest --preset mingw-i686` and `mingw-x86_64`.
step "Windows programs under Wine"
scripts/test-windows.sh
step "all tests passed"
