# Sourced by check.sh: the package as users and IT departments run it (msiexec, quietly), each case
# in a fresh prefix: a copy of the pristine one the setups' fixture made, whose user is
# "Zoë Müller" (a profile path with a blank and letters outside ASCII). Before a case changes
# anything it seeds what a real Office machine has (other classes, other add-ins, another per-user
# program, the user's settings) and takes a snapshot of the profile's files (%TEMP% included),
# HKCU and HKLM; when the case has uninstalled, the snapshot must be as before.
# Uses pass, fail, skip, windows_path, $work, $build, $win32_build, $arch and $wine64_loader of
# check.sh.

# What a registry snapshot leaves out: Wine's own state (its settings, the session's environment,
# the display driver's and display adapter's keys, its services' counter) and Windows Installer's own records of
# installed products, which msiexec keeps and empties itself (Wine keeps a per-user product's
# under HKCU\Software\Microsoft\Installer and HKLM ...\CurrentVersion\Installer, and leaves the
# emptied keys there).
snapshot_ignored='^\[HKEY_CURRENT_USER\\(Software\\Wine|Volatile Environment|Software\\Microsoft\\Installer)'
snapshot_ignored+='|^\[HKEY_LOCAL_MACHINE\\(System\\CurrentControlSet\\Control\\(Video|ServiceCurrent|Class\\\{4D36E968-E325-11CE-BFC1-08002BE10318\})'
snapshot_ignored+='|Software\\Microsoft\\Windows\\CurrentVersion\\Installer|Software\\Classes\\Installer)'

package_vars() {
  case_dir="$work/case"
  package="$build/Trelvane-$TRELVANE_VERSION.msi"
  package32="$win32_build/Trelvane-$TRELVANE_VERSION-32-bit-Windows.msi"
  checks64="$build/tests/win/setup-checks.exe"
  checks32="$win32_build/tests/win/setup-checks.exe"
  settings='HKCU\Software\VB and VBA Program Settings\Marrowick\Trelvane'
}

# A fresh prefix for this case, its server ended when the case ends.
start_case() {
  package_vars
  rm -rf "$case_dir"
  mkdir -p "$case_dir"
  cp -a "$WINEPREFIX" "$case_dir/prefix"
  export WINEPREFIX="$case_dir/prefix"
  trap 'wineserver -k >/dev/null 2>&1 || true' EXIT
  # reg.exe of the Windows' own bitness, which sees every view of HKLM.
  reg_loader=$wine64_loader
  [ "${WINEARCH:-}" = win32 ] && reg_loader=$wine32_loader
  profile=$(profile_folder)
  folder="$profile/AppData/Local/Programs/Trelvane"
  case "$profile" in
    *"Zoë Müller") pass "a fresh prefix whose profile is $(basename "$profile")" ;;
    *) fail "the prefix's profile is $profile, not Zoë Müller's" ;;
  esac
}

profile_folder() {
  local user
  for user in "$WINEPREFIX/drive_c/users/"*; do
    [ "$(basename "$user")" = Public ] || { printf '%s' "$user"; return; }
  done
}

# What a machine with Office has: parents shared with other software, which an uninstall must
# leave; the user's settings, which it must keep.
seed_machine() {
  local app
  "$reg_loader" reg add 'HKCU\Software\Classes\CLSID\{0D2E5C55-3B5F-4E43-9A61-7A33B1E0C001}' /ve \
    /d 'Another class' /f >/dev/null 2>&1
  "$reg_loader" reg add 'HKLM\Software\Classes\CLSID\{0D2E5C55-3B5F-4E43-9A61-7A33B1E0C001}' /ve \
    /d 'Another class' /f >/dev/null 2>&1
  for app in Excel Word PowerPoint Access Outlook; do
    "$reg_loader" reg add "HKCU\\Software\\Microsoft\\Office\\$app\\AddIns\\Another.Connect" \
      /v LoadBehavior /t REG_DWORD /d 3 /f >/dev/null 2>&1
  done
  "$reg_loader" reg add 'HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\Another' \
    /v DisplayName /d Another /f >/dev/null 2>&1
  "$reg_loader" reg add "$settings" /v Classic /d 1 /f >/dev/null 2>&1
  mkdir -p "$profile/AppData/Local/Programs/Another"
  echo another >"$profile/AppData/Local/Programs/Another/another.txt"
}

# The profile's files and folders, one "type path size" a line (links not followed: Wine links
# some profile folders to the Linux home), less Windows Installer's own per-user folder
# (%APPDATA%\Microsoft\Installer, where it keeps a per-user product's icon while installed and
# leaves the emptied folder).
files_snapshot() { # out
  (cd "$profile" && find . -path ./AppData/Roaming/Microsoft/Installer -prune -o \
     -printf '%y %p %s\n' | LC_ALL=C sort) >"$1"
}

# A registry tree as sorted lines "[key]" and "[key] name=data", less what snapshot_ignored names.
registry_snapshot() { # root out
  local raw="$2.reg"
  "$reg_loader" reg export "$1" "$(windows_path "$raw")" /y >/dev/null 2>&1
  iconv -f UTF-16LE -t UTF-8 "$raw" | tr -d '\r' | python3 -c '
import sys
key = None
for line in sys.stdin:
    line = line.rstrip("\n")
    if line.startswith("["):
        key = line
        print(key)
    elif key and line and not line.startswith(("#", "Windows Registry Editor")):
        print(key, line)
' | grep -a -v -E "$snapshot_ignored" | LC_ALL=C sort >"$2"
  rm -f "$raw"
}

snapshot() { # name
  files_snapshot "$case_dir/$1.files"
  registry_snapshot HKCU "$case_dir/$1.hkcu"
  registry_snapshot HKLM "$case_dir/$1.hklm"
}

# Whether snapshot `b` equals `a`; the first differences otherwise.
expect_same() { # a b what
  local part differences=""
  for part in files hkcu hklm; do
    if ! cmp -s "$case_dir/$1.$part" "$case_dir/$2.$part"; then
      differences+="$part: $(diff "$case_dir/$1.$part" "$case_dir/$2.$part" | grep -a '^[<>]' |
        head -n 4 | tr '\n' ' ' || true) "
    fi
  done
  if [ -z "$differences" ]; then
    pass "$3"
  else
    fail "$3: $differences"
  fi
}

# What was added to HKLM between two snapshots that is not ours machine-wide under Wine (our
# classes, in either view, and ProgIDs) nor the Add/Remove entry Wine's msiexec keeps there.
hklm_foreign_additions() { # before after
  python3 - "$case_dir/$1.hklm" "$case_dir/$2.hklm" <<'PYTHON'
import os, re, sys
before = set(open(sys.argv[1], encoding="utf-8", errors="replace"))
clsids = "|".join(os.environ["TRELVANE_ADDIN_CLSIDS"].split())
prog_ids = "|".join(name + r"\.Connect" for name in os.environ["TRELVANE_ADDIN_NAMES"].split())
ours = re.compile(
    r"^\[HKEY_LOCAL_MACHINE\\Software\\(Wow6432Node\\)?Classes\\(Wow6432Node\\)?"
    r"(CLSID\]|CLSID\\\{(" + clsids + r")\}|(" + prog_ids + r")[]\\])"
    r"|^\[HKEY_LOCAL_MACHINE\\Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\\{",
    re.IGNORECASE)
added = [line.strip() for line in open(sys.argv[2], encoding="utf-8", errors="replace")
         if line not in before and not ours.match(line)]
print(" ".join(added[:3]))
PYTHON
}

# Runs a Windows command through setup-checks, which reports its whole exit code.
run_code() { # command...
  "$wine64_loader" "$checks64" run "$@" 2>&1 | tr -d '\r' | sed -n 's/^exit //p'
}

# Installs `msi` quietly, as an IT department does; prints the exit code.
install_quietly() { # msi [properties...]
  local msi=$1
  shift
  run_code msiexec /i "$(windows_path "$msi")" /qn "$@"
}

uninstall_quietly() {
  "$wine64_loader" "$checks64" uninstall-quietly 2>&1 | tr -d '\r' | sed -n 's/^exit //p'
}

# The package's Add/Remove entries, as "DisplayName DisplayVersion" lines.
listed() {
  local key
  for key in 'HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall' \
             'HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall'; do
    "$reg_loader" reg query "$key" /s 2>/dev/null | tr -d '\r' |
      awk '/^HKEY/ { name = ""; version = "" }
           /^    DisplayName / { sub(/^    DisplayName +REG_SZ +/, ""); name = $0 }
           /^    DisplayVersion / { sub(/^    DisplayVersion +REG_SZ +/, ""); version = $0 }
           name ~ /^Trelvane/ && version != "" { print name " " version; name = "" }'
  done
}

# setup-checks of one bitness; the 32-bit one reports itself skipped where 32-bit programs do
# not run.
# setup-checks of `bits` and its loader into $program and $loader; status 1 where that bitness
# does not run here (32-bit, on a machine that runs no 32-bit programs).
checks_of_bits() { # bits
  if [ "$1" = 32 ]; then
    wine_runs_32bit || return 1
    program=$checks32 loader=$wine32_loader
  else
    program=$checks64 loader=$wine64_loader
  fi
}

# The files a package puts in the program folder: every add-in of the table, the configurator and
# the pointer, and with `x64` the 64-bit add-ins and pointer in x64\, as sorted `find` lists them.
expected_files() { # x64|x86
  local name
  {
    for name in $TRELVANE_ADDIN_NAMES; do
      printf './%s.dll\n' "$name"
      [ "$1" = x64 ] && printf './x64/%s.dll\n' "$name"
    done
    printf './HAND-M.CUR\n./Trelvane.exe\n'
    [ "$1" = x64 ] && printf './x64/HAND-M.CUR\n'
  } | LC_ALL=C sort | tr '\n' ' '
}

run_setup_checks() { # bits label arguments...
  local bits=$1 label=$2 log program loader
  shift 2
  log="$case_dir/setup-checks-$bits-$1.log"
  if ! checks_of_bits "$bits"; then
    skip "$label, as a 32-bit Office sees it: this machine runs no 32-bit programs"
    return
  fi
  local rc=0
  timeout 300 "$loader" "$program" "$@" >"$log" 2>&1 || rc=$?
  if [ "$rc" = 0 ]; then
    pass "$label, as a $bits-bit Office sees it ($(tail -n 1 "$log" | tr -d '\r'))"
  else
    # The failed checks; where none is named (the program did not get as far), the log's end.
    grep -a '^FAIL' "$log" | tr -d '\r' | sed 's/^/    /' ||
      tail -n 8 "$log" | tr -d '\r' | sed 's/^/    | /'
    fail "$label, as a $bits-bit Office sees it: exit $rc (log: $log)"
  fi
}

# Installed by the 64-bit Windows package: the files, one entry, the keys, the add-ins by ProgID.
expect_installed() { # version
  local listing entries
  listing=$(cd "$folder" 2>/dev/null && find . -type f | LC_ALL=C sort | tr '\n' ' ')
  [ "$listing" = "$(expected_files x64)" ] &&
    pass "its files and nothing else in %LOCALAPPDATA%\\Programs\\Trelvane" ||
    fail "the installed files: $listing"
  entries=$(listed)
  [ "$entries" = "Trelvane $1" ] &&
    pass "one Add/Remove Programs entry, Trelvane $1" || fail "Add/Remove entries: '$entries'"
  [ -f "$profile/AppData/Roaming/Microsoft/Windows/Start Menu/Programs/Trelvane.lnk" ] &&
    pass "one Start-menu entry, Trelvane" || fail "no Start-menu entry"
  run_setup_checks 64 "installed" installed x64
  run_setup_checks 32 "installed" installed x64
}

# The quiet uninstall: it returns when it is done, with its exit code, and leaves what was there
# before the first install.
expect_uninstalled_as_before() { # snapshot name from before
  local rc
  rc=$(uninstall_quietly)
  [ "$rc" = 0 ] && [ ! -e "$folder" ] &&
    pass "msiexec /x {ProductCode} /qn returns 0 with the folder gone" ||
    fail "the quiet uninstall exited '$rc'"
  run_setup_checks 64 "uninstalled" absent
  snapshot after
  expect_same "$1" after \
    "the profile's files (%TEMP% too), HKCU and HKLM are as before, the settings kept"
}

# --- The cases -------------------------------------------------------------------------------

# What the package is, read from it: per user, for x64 (x86), nothing of ours under HKLM but
# the components that only Wine installs, every action of ours placed by number.
check_setup_package() {
  package_vars
  local msi summary
  for msi in "$package" "$package32"; do
    summary=$(msiinfo suminfo "$msi" 2>&1)
    if { [ "$msi" = "$package" ] && grep -q '^Template: x64;1033' <<<"$summary"; } ||
       { [ "$msi" = "$package32" ] && grep -q '^Template: Intel;1033' <<<"$summary"; }; then
      pass "$(basename "$msi"): for $(sed -n 's/^Template: \([^;]*\).*/\1/p' <<<"$summary") Windows"
    else
      fail "$(basename "$msi"): $summary"
    fi
    if msiinfo export "$msi" Property | grep -qE '^(ALLUSERS|MSIINSTALLPERUSER)'; then
      fail "$(basename "$msi") asks to be installed for all users"
    else
      pass "$(basename "$msi"): per user (no ALLUSERS), so no elevation"
    fi
    local machine
    machine=$(msiinfo export "$msi" Registry | tr -d '\r' | awk -F'\t' '$2 == 2 { print $6 }' |
      sort -u)
    local conditions bad=""
    conditions=$(msiinfo export "$msi" Component | tr -d '\r')
    for component in $machine; do
      awk -F'\t' -v c="$component" '$1 == c { print $5 }' <<<"$conditions" |
        grep -qx TRELVANE_WINE || bad+="$component "
    done
    [ -n "$machine" ] && [ -z "$bad" ] &&
      pass "$(basename "$msi"): what it writes under HKLM is in components for Wine alone" ||
      fail "$(basename "$msi"): components writing HKLM unconditionally: $bad"
    [ "$(msiinfo export "$msi" Property | tr -d '\r' | awk -F'\t' '$1 == "ProductVersion" { print $2 }')" = "$TRELVANE_VERSION" ] &&
      pass "$(basename "$msi") carries version $TRELVANE_VERSION" ||
      fail "$(basename "$msi") carries another version"
  done
}

# Install, a 64-bit and a 32-bit Office stand-in, the quiet uninstall.
check_setup_install() {
  start_case
  seed_machine
  snapshot before
  local rc
  rc=$(install_quietly "$package")
  [ "$rc" = 0 ] && pass "msiexec /i /qn installs, exit code 0" || fail "installing exited '$rc'"
  expect_installed "$TRELVANE_VERSION"
  snapshot installed
  local foreign
  foreign=$(hklm_foreign_additions before installed)
  [ -z "$foreign" ] &&
    pass "under HKLM only our classes and ProgIDs (Wine's case) and Windows Installer's records" ||
    fail "HKLM also got: $foreign"
  expect_uninstalled_as_before before
}

# 7.0.0's setup for one Office bitness, then the package over it.
upgrade_from_setup70() { # bits
  local bits=$1 target=x86-unicode setup rc
  start_case
  wine_runs_32bit || target=amd64-unicode
  local files="$case_dir/setup70-files"
  mkdir -p "$files"
  # 7.0.0's setups as they were made, from the bitness's build (the files carry this build's
  # version; the setup, its Add/Remove entry and its keys are 7.0.0's).
  local from=$build
  [ "$bits" = 32 ] && from=$win32_build
  cp "$from/Trelvane.exe" "$from/HAND-M.CUR" "$files/"
  for name in $TRELVANE_ADDIN_NAMES; do cp "$from/$name.dll" "$files/"; done
  setup="$case_dir/Trelvane-7.0.0-setup-Office$bits.exe"
  if ! makensis -V1 -DVERSION=7.0.0 "-DOFFICE_BITS=$bits" "-DFILES=$files" "-DTARGET=$target" \
       "-DICON=$build/configurator/win/trelvane.ico" "-DOUTFILE=$setup" \
       "$root/tests/win/setup70/setup70.nsi" >"$case_dir/makensis.log" 2>&1; then
    fail "7.0.0's Office$bits setup could not be made: $(tail -n 3 "$case_dir/makensis.log")"
    return
  fi
  seed_machine
  snapshot before
  rc=0
  wine "$setup" /S || rc=$?
  [ $rc -eq 0 ] && [ "$(listed)" = "Trelvane (for $bits-bit Office) 7.0.0" ] &&
    pass "7.0.0's setup for $bits-bit Office ($target stub) installed" ||
    fail "7.0.0's setup exited $rc: $(listed)"
  rc=$(install_quietly "$package")
  [ "$rc" = 0 ] && pass "the package installs over it, exit code 0" || fail "installing exited '$rc'"
  [ ! -e "$folder/Uninstall.exe" ] && pass "7.0.0's uninstaller is gone" ||
    fail "7.0.0's Uninstall.exe is left"
  expect_installed "$TRELVANE_VERSION"
  expect_uninstalled_as_before before
}

check_setup_upgrade_office32() { upgrade_from_setup70 32; }
check_setup_upgrade_office64() { upgrade_from_setup70 64; }

# An earlier package, then this one over it; a newer one over that; this one refused over it.
check_setup_upgrade_package() {
  start_case
  local earlier="$case_dir/Trelvane-7.0.5.msi" newer="$case_dir/Trelvane-7.99.0.msi" rc answer
  if ! cmake -DVERSION=7.0.5 "-DOUTPUT=$earlier" -P "$build/installer/package.cmake" \
         >"$case_dir/package.log" 2>&1 ||
     ! cmake -DVERSION=7.99.0 "-DOUTPUT=$newer" -P "$build/installer/package.cmake" \
         >>"$case_dir/package.log" 2>&1; then
    fail "packages 7.0.5 and 7.99.0 could not be made: $(tail -n 3 "$case_dir/package.log")"
    return
  fi
  seed_machine
  snapshot before
  rc=$(install_quietly "$earlier")
  [ "$rc" = 0 ] && [ "$(listed)" = "Trelvane 7.0.5" ] && pass "7.0.5 installs" ||
    fail "7.0.5 exited '$rc'"
  rc=$(install_quietly "$package")
  [ "$rc" = 0 ] && pass "$TRELVANE_VERSION replaces 7.0.5 in place, exit code 0" ||
    fail "the upgrade exited '$rc'"
  expect_installed "$TRELVANE_VERSION"

  rc=$(install_quietly "$newer")
  [ "$rc" = 0 ] && [ "$(listed)" = "Trelvane 7.99.0" ] && pass "7.99.0 replaces it" ||
    fail "7.99.0 exited '$rc': $(listed)"
  snapshot newer
  rc=$(install_quietly "$package")
  [ "$rc" = 1603 ] && pass "$TRELVANE_VERSION over 7.99.0 is refused, exit code 1603" ||
    fail "the downgrade exited '$rc'"
  snapshot refused
  expect_same newer refused "the refused downgrade changed nothing"
  answer=$("$wine64_loader" "$checks64" answer msiexec /i "$(windows_path "$package")" /qb 2>&1 |
    tr -d '\r')
  grep -q "message: A newer Trelvane is installed than this package's $TRELVANE_VERSION" \
    <<<"$answer" && grep -q '^exit 1603$' <<<"$answer" &&
    pass "run with a window, the refusal says why and what to do" ||
    fail "the refusal shown: $(tr '\n' ' ' <<<"$answer")"
  expect_uninstalled_as_before before
}

# A running Office holds an add-in: the quiet uninstall and an upgrade stop before any change,
# with exit code 1602, naming the program to close.
check_setup_held_addin() {
  start_case
  seed_machine
  snapshot before
  local rc held newer="$case_dir/Trelvane-7.99.0.msi" log
  cmake -DVERSION=7.99.0 "-DOUTPUT=$newer" -P "$build/installer/package.cmake" \
    >"$case_dir/package.log" 2>&1 || fail "package 7.99.0 could not be made"
  rc=$(install_quietly "$package")
  [ "$rc" = 0 ] || fail "installing exited '$rc'"
  snapshot installed
  for held in "x64/ExcelTrelvane.dll 64" "WordTrelvane.dll 32"; do
    local file=${held% *} bits=${held#* } program loader
    if ! checks_of_bits "$bits"; then
      skip "a 32-bit Office holding $file: this machine runs no 32-bit programs"
      continue
    fi
    rm -f "$case_dir/release"
    # By its path on C:, as Office has it (the same file on Z: would be another name).
    "$loader" "$program" hold "C:\\users\\$(basename "$profile")\\AppData\\Local\\Programs\\Trelvane\\${file//\//\\}" \
      "$(windows_path "$case_dir/release")" \
      >"$case_dir/hold.log" 2>&1 &
    local holding=$!
    for _ in $(seq 1 300); do grep -q holding "$case_dir/hold.log" 2>/dev/null && break; sleep 0.1; done
    log="$case_dir/uninstall-held-$bits.log"
    rc=$(run_code msiexec /x "$(windows_path "$package")" /qn '/l*v' "$(windows_path "$log")")
    snapshot held
    if [ "$rc" = 1602 ] && grep -a -q "setup-checks.exe is using $(basename "$file")" "$log"; then
      pass "a $bits-bit program holding $file: the quiet uninstall exits 1602 and names it"
    else
      fail "uninstalling with $file held exited '$rc'"
    fi
    expect_same installed held "and nothing was changed"
    rc=$(install_quietly "$newer")
    snapshot held
    [ "$rc" = 1602 ] && pass "an upgrade stops the same way (exit code 1602)" ||
      fail "upgrading with $file held exited '$rc'"
    expect_same installed held "and nothing was changed"
    touch "$case_dir/release"
    wait "$holding" 2>/dev/null || true
  done
  expect_uninstalled_as_before before
}

# The 32-bit Windows package on 64-bit Windows: it changes nothing and names the package to use.
check_setup_32bit_package_on_64bit() {
  start_case
  seed_machine
  snapshot before
  local rc answer
  rc=$(install_quietly "$package32")
  [ "$rc" = 1603 ] && pass "msiexec /i /qn refuses it, exit code 1603" ||
    fail "it exited '$rc'"
  snapshot after
  expect_same before after "and nothing was changed"
  answer=$("$wine64_loader" "$checks64" answer msiexec /i "$(windows_path "$package32")" /qb 2>&1 |
    tr -d '\r')
  grep -q "message: This package is for 32-bit Windows. On 64-bit Windows install Trelvane-$TRELVANE_VERSION.msi" \
    <<<"$answer" && pass "run with a window, it names the package to use" ||
    fail "the refusal shown: $(tr '\n' ' ' <<<"$answer")"
}

# The 32-bit Windows package where it belongs: in a 32-bit Windows (a 32-bit prefix).
check_setup_32bit_windows() {
  start_case
  seed_machine
  snapshot before
  local rc listing
  rc=$(wine "$checks32" run msiexec /i "$(windows_path "$package32")" /qn 2>&1 | tr -d '\r' |
    sed -n 's/^exit //p')
  [ "$rc" = 0 ] && pass "it installs on 32-bit Windows, exit code 0" || fail "installing exited '$rc'"
  listing=$(cd "$folder" 2>/dev/null && find . -type f | LC_ALL=C sort | tr '\n' ' ')
  [ "$listing" = "$(expected_files x86)" ] &&
    pass "its files and nothing else" || fail "the installed files: $listing"
  [ "$(listed)" = "Trelvane $TRELVANE_VERSION" ] && pass "one Add/Remove Programs entry" ||
    fail "Add/Remove entries: $(listed)"
  if timeout 300 wine "$checks32" installed x86 >"$case_dir/installed.log" 2>&1; then
    pass "installed, as a 32-bit Office sees it ($(tail -n 1 "$case_dir/installed.log" | tr -d '\r'))"
  else
    grep -a '^FAIL' "$case_dir/installed.log" | tr -d '\r' | sed 's/^/    /' || true
    fail "installed, as a 32-bit Office sees it"
  fi
  rc=$(wine "$checks32" uninstall-quietly 2>&1 | tr -d '\r' | sed -n 's/^exit //p')
  [ "$rc" = 0 ] && pass "the quiet uninstall returns 0" || fail "uninstalling exited '$rc'"
  snapshot after
  expect_same before after "the profile's files, HKCU and HKLM are as before, the settings kept"
}
