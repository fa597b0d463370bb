# Sourced by test.sh and test-windows.sh: runs the tests of one CMake preset after another, each
# run whatever became of the one before, and ends with a summary, a line per preset.
#
#   source scripts/presets.sh
#   preset_step NAME COMMAND...        a step that is not a test run (a build); a failure is noted
#   preset_tests PRESET [CTEST OPTIONS...]
#   preset_summary                     prints the summary; exit status 1 if anything failed
#
# The counts come from each run's JUnit report (build/test-results/PRESET.xml).

preset_results_dir=build/test-results
preset_failed=0
preset_lines=()
preset_reports=()
mkdir -p "$preset_results_dir"

preset_step() { # name command...
  local name=$1
  shift
  if ! "$@"; then
    preset_lines+=("$(printf '%-18s FAILED: %s' "$name" "$*")")
    preset_failed=1
    return 1
  fi
}

preset_tests() { # preset [ctest options...]
  local preset=$1 junit
  shift
  junit="$PWD/$preset_results_dir/$preset.xml"
  rm -f "$junit"
  ctest --preset "$preset" --output-junit "$junit" "$@" || preset_failed=1
  if [ -f "$junit" ]; then
    preset_reports+=("$junit")
    preset_lines+=("$(python3 scripts/test_summary.py "$preset" "$junit")")
  else
    preset_lines+=("$(printf '%-18s no tests ran' "$preset")")
    preset_failed=1
  fi
}

preset_summary() {
  local line
  printf '\n== summary\n'
  for line in "${preset_lines[@]}"; do
    printf '%s\n' "$line"
  done
  python3 scripts/test_summary.py --skipped-for-32bit "${preset_reports[@]}"
  return $preset_failed
}
