#!/usr/bin/env bash
# Builds the Windows programs and setups for 32- and 64-bit Windows and tests them under Wine
# and Xvfb: first the setups in the fresh prefix (scripts/setup-tests.sh); then for each
# architecture and each add-in DLL, registers it with regsvr32, checks the registry keys, runs
# the test host that plays Office (tests/win/addin_host.cpp) against ribbon documents printed
# natively by trelvane-ribbon, unregisters it and checks the keys are gone; then the
# configurator, driven as a user drives it. Also runs the Windows layer's own checks and a
# trelvane-ribbon.exe smoke run.
#
#   scripts/test-windows.sh
#
# Needs what `scripts/setup.sh --windows` installs (it is run first and does nothing when all is
# there). Uses a throwaway Wine prefix and a free X display; both go at the end. Set
# TRELVANE_KEEP_WORK=1 to keep the work folder (logs, prefix) for a look afterwards.
# On a machine that runs no 32-bit programs the 32-bit half is skipped, each part with a SKIP
# line. Exit status 0 when every step that ran passed.
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$root"

"$root/scripts/setup.sh" --windows

started=$SECONDS
passed=0
failed=0
skipped=0
failures=()

pass() { passed=$((passed + 1)); printf 'PASS %s\n' "$1"; }
fail() { failed=$((failed + 1)); failures+=("$1"); printf 'FAIL %s\n' "$1"; }
skip() { skipped=$((skipped + 1)); printf 'SKIP %s\n' "$1"; }
step() { printf '\n== %s\n' "$1"; }

# --- Build -------------------------------------------------------------------------------------
step "build"
cmake --preset native >/dev/null
cmake --build --preset native --target trelvane-ribbon >/dev/null
for preset in mingw-i686 mingw-x86_64; do
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset" >/dev/null
  cmake --build --preset "$preset" --target package >/dev/null
done
tool="$root/build/native/trelvane-ribbon"
pass "native trelvane-ribbon, both mingw presets and their setups built"

# --- Work folder, Wine prefix, X display -------------------------------------------------------
work=$(mktemp -d "${TMPDIR:-/tmp}/trelvane-wine.XXXXXX")
source "$root/scripts/wine-env.sh"
trap 'set +e; wine_env_cleanup "$work"' EXIT

step "environment"
rc=0
wine_env_start "$work" || rc=$?
case $rc in
  0) pass "Xvfb on display $DISPLAY, Wine prefix created for $wine_arches" ;;
  1) fail "no free X display for Xvfb"; exit 1 ;;
  *) fail "wineboot did not create the prefix (see $work/wineboot.log)"; exit 1 ;;
esac

# --- The setups, while the prefix is as fresh as a user's machine ------------------------------
step "setups"
source "$root/scripts/setup-tests.sh"
if wine_runs i686; then
  test_setups
else
  skip "the setups: they are 32-bit programs, and this machine runs no 32-bit code"
fi

# --- Ribbon cases: settings, and what trelvane-ribbon prints for them natively ------------------
# name|host name ("-": the real host's)|expectation ("document" or the add-in's HRESULT)|settings
all_tabs="Home=1;Insert=1;Page Layout=1;References=1;Mailings=1;Review=1;View=1;Developer=1"
all_tabs+=";Formulas=1;Data=1;Design=1;Animations=1;Slide Show=1;Format=1;Create=1"
all_tabs+=";External Data=1;Database Tools=1"
cases=(
  "defaults|-|document|"
  "all-off|-|document|All=0"
  "left-off|-|document|Left=0"
  "left-two|-|document|Left=2"
  "classic-five|-|document|Classic=5"
  "classic-off|-|document|Classic=0"
  "classic-off-lower-case|-|document|classic=0"
  "hide-some|-|document|Hide built-in Tabs=1;Home=1;Page Layout=1;Review=1.0;View=2"
  "hide-all|-|document|Hide built-in Tabs=1;$all_tabs"
  "hide-switched-off|-|document|Hide built-in Tabs=0;Home=1"
  "key-without-blank|-|document|Hide built-in Tabs=1;PageLayout=1"
  "other-host|Microsoft Visio|document|"
  "all-not-a-number|-|0x80020005|All=yes"
  "classic-empty|-|0x80020005|Classic="
  "tab-not-a-number|-|0x80020005|Hide built-in Tabs=1;Home=abc"
  "left-too-large|-|0x8002000A|Left=99999999999"
)

step "ribbon cases (native trelvane-ribbon)"
prepare_cases() { # host
  local host=$1 dir="$work/cases/$1" entry name host_name expect settings args rc
  mkdir -p "$dir" "$work/config"
  : >"$dir/cases.txt"
  for entry in "${cases[@]}"; do
    IFS='|' read -r name host_name expect settings <<<"$entry"
    {
      printf '[Trelvane]\n'
      if [ -n "$settings" ]; then printf '%s\n' "${settings//;/$'\n'}"; fi
    } >"$dir/$name.ini"
    cp "$dir/$name.ini" "$work/config/Marrowick.ini"
    args=("$host")
    [ "$host_name" != - ] && args+=(--host-name "$host_name")
    rc=0
    XDG_CONFIG_HOME="$work/config" "$tool" "${args[@]}" >"$dir/$name.xml" 2>"$dir/$name.err" ||
      rc=$?
    if { [ "$expect" = document ] && [ $rc -ne 0 ]; } ||
       { [ "$expect" != document ] && [ $rc -ne 1 ]; }; then
      fail "$host case $name: trelvane-ribbon exited $rc: $(cat "$dir/$name.err")"
    fi
    printf '%s|%s|%s\n' "$name" "$host_name" "$expect" >>"$dir/cases.txt"
  done
  pass "$host: ${#cases[@]} cases prepared"
}

# The document with all defaults for each Office version the host may report.
prepare_versions() { # host
  local host=$1 dir="$work/cases/$1" version
  mkdir -p "$work/defaults"
  for version in 14 15 16; do
    XDG_CONFIG_HOME="$work/defaults" "$tool" "$host" --office-version "$version" \
      >"$dir/office-$version.xml" || fail "$host: trelvane-ribbon --office-version $version failed"
  done
  pass "$host: the documents for Office 14, 15 and 16 prepared"
}

# Access's dynamic menus: every menu for every kind, answered natively after a document build
# with all defaults (and again for Office 16); the test host asks the add-in the same in order.
prepare_content_requests() {
  local dir="$work/cases/access" menu kind args=()
  : >"$dir/content-requests.txt"
  for menu in Edit View Insert Format Query Records; do
    for kind in 0 1 2 3 4 5 -1 7; do
      printf '%s:%s\n' "$menu" "$kind" >>"$dir/content-requests.txt"
      args+=(--content "$menu:$kind")
    done
  done
  mkdir -p "$work/defaults"
  if XDG_CONFIG_HOME="$work/defaults" "$tool" access "${args[@]}" >"$dir/content.txt" &&
     XDG_CONFIG_HOME="$work/defaults" "$tool" access --office-version 16 "${args[@]}" \
       >"$dir/content-16.txt"; then
    pass "access: $((${#args[@]} / 2)) content requests answered natively, for Office 14 and 16"
  else
    fail "access: trelvane-ribbon --content failed"
  fi
}
prepare_cases excel
prepare_cases word
prepare_cases powerpoint
prepare_cases access
prepare_versions excel
prepare_versions word
prepare_versions powerpoint
prepare_versions access
prepare_content_requests

# --- Registry checks -----------------------------------------------------------------------------
# The data of one value ("(Default)" for the key's own), or exit status 1 when absent.
reg_value() { # key name view
  local output
  if [ "$2" = "(Default)" ]; then
    output=$(wine reg query "$1" /ve "/reg:$3" 2>/dev/null) || return 1
  else
    output=$(wine reg query "$1" /v "$2" "/reg:$3" 2>/dev/null) || return 1
  fi
  printf '%s\n' "$output" | tr -d '\r' | sed -n 's/^    .*    REG_[A-Z_]*    //p' | head -n 1
}

key_present() { # key view
  wine reg query "$1" "/reg:$2" >/dev/null 2>&1
}

expect_value() { # label key name view expected
  local actual
  actual=$(reg_value "$2" "$3" "$4") || actual="(absent)"
  if [ "$actual" = "$5" ]; then
    pass "$1"
  else
    fail "$1: found '$actual', expected '$5'"
  fi
}

# --- Per architecture and add-in ---------------------------------------------------------------
addins=("ExcelTrelvane:excel:Excel:{E45C63E8-2FF1-4F13-A3F9-0432667993BF}"
        "WordTrelvane:word:Word:{0A800EAC-46B7-4F35-9A76-A545B7A7D460}"
        "PPTTrelvane:powerpoint:PowerPoint:{CC0454C0-3498-47CA-9ABD-EC8A2C2296A0}"
        "AccessTrelvane:access:Access:{C4B2A3C9-E909-4B5C-BBDE-28F7DCD4A115}")

test_addin() { # arch loader view other_view build_dir entry
  local arch=$1 loader=$2 view=$3 other=$4 build=$5 entry=$6
  local name host office clsid
  IFS=':' read -r name host office clsid <<<"$entry"
  local label="$arch $name"
  local folder="$work/$arch/$name"
  mkdir -p "$folder"
  cp "$build/$name.dll" "$folder/"
  local dll
  dll=$(windows_path "$folder/$name.dll")
  local prog_id="$name.Connect"
  local class_key="HKLM\\Software\\Classes\\CLSID\\$clsid"
  local prog_key="HKLM\\Software\\Classes\\$prog_id"
  local addin_key="HKCU\\Software\\Microsoft\\Office\\$office\\AddIns\\$prog_id"

  local imports
  imports=$(x86_64-w64-mingw32-objdump -p "$folder/$name.dll" | sed -n 's/.*DLL Name: //p' | tr '\n' ' ')
  if grep -qiE 'libstdc|libgcc|libwinpthread' <<<"$imports"; then
    fail "$label imports a MinGW runtime DLL: $imports"
  else
    pass "$label imports system DLLs only ($imports)"
  fi

  local rc=0
  "$loader" regsvr32 /s "$dll" || rc=$?
  [ $rc -eq 0 ] && pass "$label: regsvr32 /s" || fail "$label: regsvr32 /s exited $rc"
  rc=0
  "$loader" regsvr32 /s "$dll" || rc=$?
  [ $rc -eq 0 ] && pass "$label: registering twice" || fail "$label: second regsvr32 exited $rc"

  expect_value "$label: class InprocServer32 in the $view-bit view" \
    "$class_key\\InprocServer32" "(Default)" "$view" "$dll"
  expect_value "$label: ThreadingModel Apartment" \
    "$class_key\\InprocServer32" ThreadingModel "$view" Apartment
  if key_present "$class_key" "$other"; then
    fail "$label: the class also appears in the $other-bit view"
  else
    pass "$label: the class is not in the $other-bit view"
  fi
  expect_value "$label: ProgID names the CLSID" "$prog_key\\CLSID" "(Default)" "$view" "$clsid"
  expect_value "$label: add-in LoadBehavior" "$addin_key" LoadBehavior "$view" 0x3
  expect_value "$label: add-in FriendlyName" "$addin_key" FriendlyName "$view" \
    "$office 2010 Trelvane"

  rc=0
  timeout 300 "$loader" "$build/tests/win/addin-host.exe" --dll "$dll" --progid "$prog_id" \
    --cases "$(windows_path "$work/cases/$host")" >"$folder/addin-host.log" 2>&1 || rc=$?
  if [ $rc -eq 0 ]; then
    pass "$label: test host ($(tail -n 1 "$folder/addin-host.log" | tr -d '\r'))"
  else
    grep '^FAIL' "$folder/addin-host.log" | tr -d '\r' | sed 's/^/    /' || true
    tail -n 3 "$folder/addin-host.log" | tr -d '\r' | sed 's/^/    /'
    fail "$label: test host exited $rc (log: $folder/addin-host.log)"
  fi

  rc=0
  "$loader" regsvr32 /u /s "$dll" || rc=$?
  [ $rc -eq 0 ] && pass "$label: regsvr32 /u /s" || fail "$label: regsvr32 /u /s exited $rc"
  local key
  for key in "$class_key" "$prog_key" "$addin_key"; do
    if key_present "$key" "$view"; then
      fail "$label: $key is still there after unregistering"
    else
      pass "$label: $key removed"
    fi
  done
  rc=0
  "$loader" regsvr32 /u /s "$dll" || rc=$?
  [ $rc -eq 0 ] && pass "$label: unregistering again" || fail "$label: second /u exited $rc"
}

# trelvane-ribbon.exe reads the registry store: its document must be the native one.
test_windows_tool() { # arch loader build_dir
  local arch=$1 loader=$2 build=$3
  local settings_key='HKCU\Software\VB and VBA Program Settings\Marrowick\Trelvane'
  wine reg delete "$settings_key" /f >/dev/null 2>&1 || true
  wine reg add "$settings_key" /v "Hide built-in Tabs" /t REG_SZ /d 1 /f >/dev/null
  wine reg add "$settings_key" /v Home /t REG_SZ /d 1 /f >/dev/null
  wine reg add "$settings_key" /v "Page Layout" /t REG_SZ /d 1 /f >/dev/null
  wine reg add "$settings_key" /v Review /t REG_SZ /d 1.0 /f >/dev/null
  wine reg add "$settings_key" /v View /t REG_SZ /d 2 /f >/dev/null
  local out="$work/$arch/trelvane-ribbon-excel.xml" rc=0
  "$loader" "$build/trelvane-ribbon.exe" excel >"$out" 2>"$out.err" || rc=$?
  wine reg delete "$settings_key" /f >/dev/null 2>&1 || true
  if [ $rc -eq 0 ] && cmp -s "$out" "$work/cases/excel/hide-some.xml"; then
    pass "$arch trelvane-ribbon.exe prints the native document from the registry store"
  else
    fail "$arch trelvane-ribbon.exe (exit $rc) differs from the native document"
  fi
}

for arch in i686 x86_64; do
  step "$arch"
  if ! wine_runs $arch; then
    skip "$arch: the Windows layer checks, trelvane-ribbon.exe and the ${#addins[@]} add-ins"
    continue
  fi
  if [ $arch = i686 ]; then
    loader=wine view=32 other=64 build="$root/build/win32"
  else
    loader=$wine64_loader view=64 other=32 build="$root/build/win64"
  fi
  mkdir -p "$work/$arch"
  rc=0
  timeout 120 "$loader" "$build/tests/win/layer-tests.exe" >"$work/$arch/layer-tests.log" 2>&1 ||
    rc=$?
  if [ $rc -eq 0 ]; then
    pass "$arch Windows layer checks ($(tail -n 1 "$work/$arch/layer-tests.log" | tr -d '\r'))"
  else
    grep '^FAIL' "$work/$arch/layer-tests.log" | tr -d '\r' | sed 's/^/    /' || true
    fail "$arch Windows layer checks exited $rc"
  fi
  test_windows_tool "$arch" "$loader" "$build"
  for entry in "${addins[@]}"; do
    test_addin "$arch" "$loader" "$view" "$other" "$build" "$entry"
  done
done

# The configurator, driven as a user drives it (tests/win/configurator_checks.cpp), from a folder
# with blanks in its path; TRELVANE_SCREENSHOT=FILE.png keeps the window's picture (32-bit where it runs).
test_configurator() { # arch loader build_dir
  local arch=$1 loader=$2 build=$3 folder="$work/$arch/Program Files/Trelvane Folder" rc=0
  local shot=()
  stage_configurator "$build" "$folder"
  if [ -n "${TRELVANE_SCREENSHOT:-}" ] && [ "$arch" = "${wine_arches%% *}" ]; then
    shot=(--screenshot "$(windows_path "$work/configurator.bmp")")
  fi
  timeout 300 "$loader" "$build/tests/win/configurator-checks.exe" \
    --program "$(windows_path "$folder/Trelvane.exe")" \
    --fakes "$(windows_path "$build/tests/win/fake-office-servers.dll")" "${shot[@]}" \
    >"$work/$arch/configurator.log" 2>&1 || rc=$?
  if [ $rc -eq 0 ]; then
    pass "$arch configurator ($(tail -n 1 "$work/$arch/configurator.log" | tr -d '\r'))"
  else
    grep '^FAIL' "$work/$arch/configurator.log" | tr -d '\r' | sed 's/^/    /' || true
    tail -n 2 "$work/$arch/configurator.log" | tr -d '\r' | sed 's/^/    /'
    fail "$arch configurator checks exited $rc (log: $work/$arch/configurator.log)"
  fi
  if [ ${#shot[@]} -gt 0 ]; then
    python3 "$root/tools/bmp_to_png.py" "$work/configurator.bmp" "$TRELVANE_SCREENSHOT" &&
      pass "picture of the options window in $TRELVANE_SCREENSHOT" ||
      fail "no picture of the options window"
  fi
}

step "configurator"
for arch in i686 x86_64; do
  if ! wine_runs $arch; then
    skip "$arch configurator"
  elif [ $arch = i686 ]; then
    test_configurator i686 wine "$root/build/win32"
  else
    test_configurator x86_64 "$wine64_loader" "$root/build/win64"
  fi
done

# --- Both architectures side by side -------------------------------------------------------------
# They share the ProgID and the Office entry: removing one build must leave the other working.
test_side_by_side() {
  local dll32 dll64 class_key prog_key addin_key
  dll32=$(windows_path "$work/i686/ExcelTrelvane/ExcelTrelvane.dll")
  dll64=$(windows_path "$work/x86_64/ExcelTrelvane/ExcelTrelvane.dll")
  class_key='HKLM\Software\Classes\CLSID\{E45C63E8-2FF1-4F13-A3F9-0432667993BF}'
  prog_key='HKLM\Software\Classes\ExcelTrelvane.Connect'
  addin_key='HKCU\Software\Microsoft\Office\Excel\AddIns\ExcelTrelvane.Connect'
  if ! { wine regsvr32 /s "$dll32" && "$wine64_loader" regsvr32 /s "$dll64" &&
         "$wine64_loader" regsvr32 /u /s "$dll64"; }; then
    fail "registering both builds side by side"
    return
  fi
  if key_present "$class_key" 32 && ! key_present "$class_key" 64 &&
     key_present "$prog_key" 32 && key_present "$addin_key" 32; then
    pass "unregistering the 64-bit build keeps the 32-bit class, ProgID and Office entry"
  else
    fail "unregistering the 64-bit build disturbed the 32-bit registration"
  fi
  if wine regsvr32 /u /s "$dll32" && ! key_present "$class_key" 32 &&
     ! key_present "$prog_key" 32 && ! key_present "$addin_key" 32; then
    pass "unregistering the 32-bit build then removes everything"
  else
    fail "unregistering the last build left keys behind"
  fi
}

step "both architectures"
if wine_runs i686; then
  test_side_by_side
else
  skip "both architectures side by side: this machine runs no 32-bit code"
fi

# --- Summary -------------------------------------------------------------------------------------
step "summary"
printf '%d passed, %d failed, %d skipped\n' "$passed" "$failed" "$skipped"
printf 'Windows checks took %d s\n' $((SECONDS - started))
if [ "$failed" -ne 0 ]; then
  printf 'failed:\n'
  printf '  %s\n' "${failures[@]}"
  echo "RESULT: FAIL"
  exit 1
fi
echo "RESULT: PASS"
