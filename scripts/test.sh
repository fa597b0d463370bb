#!/usr/bin/env bash
# The whole test suite: native unit tests and document checks, a plain Release build, the tests
# again under AddressSanitizer and UndefinedBehaviorSanitizer, then the Windows programs under
# Wine. Every test runs under CTest, one preset after another; each preset runs even when one
# before it failed, and the run ends with a summary, a line per preset. Exit status 1 if anything
# failed.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh --windows
source scripts/presets.sh

step() { printf '\n== %s\n' "$*"; }

step "native build and tests"
if preset_step "native build" cmake --preset native >/dev/null &&
   preset_step "native build" cmake --build --preset native; then
  preset_tests native
fi

# What a packager does without our presets: a plain Release build of every target, which must
# be warning-free too (warnings are errors here, as in every preset).
step "plain Release build"
preset_step "plain Release" \
  cmake -S . -B build/plain-release -DCMAKE_BUILD_TYPE=Release -DTRELVANE_WERROR=ON >/dev/null &&
  preset_step "plain Release" cmake --build build/plain-release --parallel 2 || true

step "sanitizer build and tests"
if preset_step "native-sanitize" cmake --preset native-sanitize >/dev/null &&
   preset_step "native-sanitize" cmake --build --preset native-sanitize; then
  preset_tests native-sanitize
fi

# The Windows builds, their packages, and `ctest --preset mingw-i686` and `mingw-x86_64`.
step "Windows programs under Wine"
source scripts/windows_presets.sh
windows_presets

preset_summary
