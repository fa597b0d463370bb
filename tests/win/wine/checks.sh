# Sourced by check.sh: the Windows checks that are shell steps around the test programs, each a
# function that reports its steps with pass, fail and skip. They use what check.sh sets: $root
# (the source folder), $work (the fixture's folder), $arch, $loader, $view and $other (the
# registry views of this architecture and of the other one), $build (this architecture's build
# folder), $win32_build (the 32-bit build folder) and $tool (the native trelvane-ribbon).

# --- Ribbon cases: settings, and what trelvane-ribbon prints for them natively ------------------
# name|host name ("-": the real host's)|expectation ("document" or the add-in's HRESULT)|settings
all_tabs="Home=1;Insert=1;Page Layout=1;References=1;Mailings=1;Review=1;View=1;Developer=1"
all_tabs+=";Formulas=1;Data=1;Design=1;Animations=1;Slide Show=1;Format=1;Create=1"
all_tabs+=";External Data=1;Database Tools=1;Send / Receive=1;Folder=1;Add-ins=1"
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

# The document with all defaults for each Office version the host may report, and for Office 16
# in German, Japanese and Chinese (Simplified).
prepare_versions() { # host
  local host=$1 dir="$work/cases/$1" version lcid
  mkdir -p "$work/defaults"
  for version in 14 15 16; do
    XDG_CONFIG_HOME="$work/defaults" "$tool" "$host" --office-version "$version" \
      >"$dir/office-$version.xml" || fail "$host: trelvane-ribbon --office-version $version failed"
  done
  for lcid in 1031 1041 2052; do
    XDG_CONFIG_HOME="$work/defaults" "$tool" "$host" --office-version 16 --language "$lcid" \
      >"$dir/language-$lcid.xml" || fail "$host: trelvane-ribbon --language $lcid failed"
  done
  pass "$host: the documents for Office 14, 15 and 16, and 16 in three languages, prepared"
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
     XDG_CONFIG_HOME="$work/defaults" "$tool" access --office-version 16 --language 1031 \
       "${args[@]}" >"$dir/content-16-de.txt"; then
    pass "access: $((${#args[@]} / 2)) content requests answered natively, for Office 14, and" \
      "16 in German"
  else
    fail "access: trelvane-ribbon --content failed"
  fi
}
# Every host's cases, and Access's content requests, for the add-in checks that follow.
check_ribbon_cases() {
  local host
  for host in excel word powerpoint access outlook; do
    prepare_cases "$host"
    prepare_versions "$host"
  done
  prepare_content_requests
}

# --- Registry ------------------------------------------------------------------------------------
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

# --- One add-in: registered, played by the test host, unregistered --------------------------------
# The add-in's DLL stem, the host as trelvane-ribbon names it, its Office application and CLSID.
check_addin() { # name host office clsid
  local name=$1 host=$2 office=$3 clsid="{$4}"
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
    "Trelvane for $office"

  rc=0
  timeout 300 "$loader" "$build/tests/win/addin-host.exe" --dll "$dll" --progid "$prog_id" \
    --cases "$(windows_path "$work/cases/$host")" >"$folder/addin-host.log" 2>&1 || rc=$?
  tr -d '\r' <"$folder/addin-host.log" | grep -v '^ok  ' || true
  if [ $rc -eq 0 ]; then
    pass "$label: test host ($(tail -n 1 "$folder/addin-host.log" | tr -d '\r'))"
  else
    fail "$label: test host exited $rc"
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
check_ribbon_tool() {
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

# --- The configurator ------------------------------------------------------------------------------
# Driven as a user drives it (tests/win/configurator_checks.cpp), from a folder with blanks in its
# path, laid out once for all scenarios.
configurator_folder() {
  printf '%s' "$work/$arch/Program Files/Trelvane Folder"
}

check_configurator_stage() {
  local build32=$build
  [ "$arch" = x86_64 ] && build32=$win32_build
  stage_configurator "$build" "$build32" "$(configurator_folder)" "$arch"
  pass "$arch configurator, its add-ins as the package lays them out and the stand-in host programs in place"
}

# One scenario of configurator-checks; TRELVANE_SCREENSHOT=FILE.png keeps the window's picture,
# taken in the scenario that shows the window first, by the 32-bit program where it runs.
# language-TAG runs the language scenario with Windows' UI language TAG (de_DE, ru_RU, ja_JP):
# Wine takes it from LANG, for which glibc needs the locale, made here in the work folder.
# TRELVANE_SCREENSHOT_DE=FILE.png keeps the German window's picture.
check_configurator() { # scenario
  local scenario=$1 folder log rc=0 shot=() language=() environment=()
  folder=$(configurator_folder)
  log="$work/$arch/configurator-$scenario.log"
  if [ -n "${TRELVANE_SCREENSHOT:-}" ] && [ "$scenario" = first-start-and-ok ] &&
     [ "$arch" = "${wine_arches%% *}" ]; then
    shot=(--screenshot "$(windows_path "$work/configurator.bmp")")
  fi
  if [[ $scenario == language-* ]]; then
    local tag=${scenario#language-}
    mkdir -p "$work/locale"
    if [ ! -d "$work/locale/$tag.UTF-8" ] &&
       ! localedef -i "$tag" -f UTF-8 "$work/locale/$tag.UTF-8" >"$log" 2>&1; then
      fail "$arch configurator, $scenario: no $tag locale for LANG ($(tail -n 1 "$log"))"
      return
    fi
    environment=(env "LOCPATH=$work/locale" "LANG=$tag.UTF-8")
    language=(--language "${tag%%_*}")
    scenario=language
    if [ -n "${TRELVANE_SCREENSHOT_DE:-}" ] && [ "$tag" = de_DE ] &&
       [ "$arch" = "${wine_arches%% *}" ]; then
      shot=(--screenshot "$(windows_path "$work/configurator.bmp")")
      TRELVANE_SCREENSHOT=$TRELVANE_SCREENSHOT_DE
    fi
  fi
  timeout 300 "${environment[@]}" "$loader" "$build/tests/win/configurator-checks.exe" \
    --scenario "$scenario" "${language[@]}" --program "$(windows_path "$folder/Trelvane.exe")" \
    --fakes "$(windows_path "$build/tests/win/fake-office-servers.dll")" "${shot[@]}" \
    >"$log" 2>&1 || rc=$?
  tr -d '\r' <"$log" | grep -v '^ok  ' || true
  if [ $rc -eq 0 ]; then
    pass "$arch configurator, $1 ($(tail -n 1 "$log" | tr -d '\r'))"
  else
    fail "$arch configurator, $1: exited $rc"
  fi
  if [ ${#shot[@]} -gt 0 ]; then
    python3 "$root/tools/bmp_to_png.py" "$work/configurator.bmp" "$TRELVANE_SCREENSHOT" &&
      pass "picture of the options window in $TRELVANE_SCREENSHOT" ||
      fail "no picture of the options window"
  fi
}

# --- Both architectures side by side -------------------------------------------------------------
# They share the ProgID and the Office entry: removing one build must leave the other working.
check_side_by_side() {
  local folder="$work/side-by-side" dll32 dll64 class_key prog_key addin_key
  mkdir -p "$folder/32" "$folder/64"
  cp "$win32_build/ExcelTrelvane.dll" "$folder/32/"
  cp "$build/ExcelTrelvane.dll" "$folder/64/"
  dll32=$(windows_path "$folder/32/ExcelTrelvane.dll")
  dll64=$(windows_path "$folder/64/ExcelTrelvane.dll")
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

