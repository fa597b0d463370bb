# Sourced after presets.sh: the Windows builds and their tests, for test.sh and test-windows.sh.
#   windows_presets [CTEST OPTIONS...]

windows_presets() {
  local preset built=()
  preset_step "native tool" cmake --preset native >/dev/null &&
    preset_step "native tool" cmake --build --preset native --target trelvane-ribbon || true
  for preset in mingw-i686 mingw-x86_64; do
    if preset_step "$preset" cmake --preset "$preset" >/dev/null &&
       preset_step "$preset" cmake --build --preset "$preset" &&
       preset_step "$preset" cmake --build --preset "$preset" --target package >/dev/null; then
      built+=("$preset")
    fi
  done
  for preset in "${built[@]}"; do
    preset_tests "$preset" "$@"
  done
}
