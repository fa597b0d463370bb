# Sourced by check.sh: the two setups as a user and an IT department run them, in a prefix of
# their own that is as fresh as a user's machine. One scenario a check, each going on from where
# the one before left the prefix: the static checks; an older version installed, then this one
# over it; the switch to the other bitness; a refused downgrade; a host holding an add-in open;
# the quiet uninstall, with the user's files and HKCU compared with what they were before.
# Uses pass, fail, skip, windows_path, $work, $build, $win32_build and $wine64_loader of check.sh.

setup_profile() { # the prefix's user folder
  local user
  for user in "$WINEPREFIX/drive_c/users/"*; do
    [ "$(basename "$user")" = Public ] || { printf '%s' "$user"; return; }
  done
}

# The user's files, one "path size" a line. The temporary folders are the system's: the
# uninstaller runs from a copy there, which Windows removes at the next start.
files_snapshot() { # out
  (cd "$(setup_profile)" &&
    find . \( -path ./Temp -o -path ./AppData/Local/Temp \) -prune -o -type f -printf '%p %s\n' |
    LC_ALL=C sort) >"$1"
}

# A registry tree as sorted lines "[key]" and "[key] name=data"; what Wine itself keeps up to
# date while programs run (its own settings, the session's environment, the display driver) is
# left out.
registry_snapshot() { # root out
  local raw="$2.reg"
  wine reg export "$1" "$(windows_path "$raw")" /y >/dev/null 2>&1
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
' | grep -v -E '^\[HKEY_CURRENT_USER\\(Software\\Wine|Volatile Environment)' |
    grep -v -E '^\[HKEY_LOCAL_MACHINE\\System\\CurrentControlSet\\Control\\Video' |
    LC_ALL=C sort >"$2"
}

reg_data() { # key name -> data, or exit 1
  local output
  output=$(wine reg query "$1" /v "$2" 2>/dev/null) || return 1
  printf '%s\n' "$output" | tr -d '\r' | sed -n 's/^    .*    REG_[A-Z_]*    //p' | head -n 1
}

# A setup of another version, made from the same script as the real one.
setup_of_version() { # build dir, version, out
  local nsi
  nsi=$(find "$1/_CPack_Packages" -name project.nsi | head -n 1)
  makensis -V1 "-DVERSION=$2" "-DOUTFILE=$3" "$nsi" >/dev/null
}

# What every scenario uses.
setup_vars() {
  setup32="$win32_build/Trelvane-7.0.0-setup-Office32.exe"
  setup64="$build/Trelvane-7.0.0-setup-Office64.exe"
  checks32="$win32_build/tests/win/setup-checks.exe"
  checks64="$build/tests/win/setup-checks.exe"
  dir="$work/setups"
  settings='HKCU\Software\VB and VBA Program Settings\Marrowick\Trelvane'
  uninstall_key='HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\Trelvane'
  mkdir -p "$dir"
  profile=$(setup_profile)
  folder="$profile/AppData/Local/Programs/Trelvane"
}

check_setup_static() {
  setup_vars
  local setup nsi version

  # Static: no elevation asked, nothing written under HKEY_LOCAL_MACHINE (Wine runs everything
  # as an administrator, so no run can show either).
  for setup in "$setup32" "$setup64"; do
    if [ -f "$setup" ] && grep -aq 'requestedExecutionLevel level="asInvoker"' "$setup" &&
       ! grep -aq 'requireAdministrator' "$setup"; then
      pass "$(basename "$setup"): its manifest asks for no elevation (asInvoker)"
    else
      fail "$(basename "$setup") is missing or asks for elevation"
    fi
  done
  for nsi in "$win32_build"/_CPack_Packages/*/NSIS/project.nsi \
             "$build"/_CPack_Packages/*/NSIS/project.nsi; do
    if grep -nE '^\s*(WriteReg|DeleteReg|ReadReg)\S*\s+(HKLM|SHCTX|HKEY_LOCAL_MACHINE)' "$nsi" ||
       grep -qE 'RequestExecutionLevel\s+(admin|highest)' "$nsi"; then
      fail "$(basename "$(dirname "$(dirname "$nsi")")") setup touches HKEY_LOCAL_MACHINE"
    else
      pass "$(basename "$(dirname "$(dirname "$nsi")")") setup writes nothing under HKEY_LOCAL_MACHINE"
    fi
  done

  for setup in "$setup32" "$setup64"; do
    version=$(wine "$checks32" version "$(windows_path "$setup")" | tr -d '\r')
    [ "$version" = 7.0.0 ] && pass "$(basename "$setup") carries version 7.0.0" ||
      fail "$(basename "$setup") carries version '$version'"
  done
}

check_setup_upgrade() {
  setup_vars
  local rc app
  setup_of_version "$win32_build" 6.9.0 "$dir/Trelvane-6.9.0-setup-Office32.exe"
  setup_of_version "$build" 7.1.0 "$dir/Trelvane-7.1.0-setup-Office64.exe"

  # A real Office machine has these parents; the user's settings are there from before.
  wine reg add 'HKCU\Software\Classes\CLSID' /f >/dev/null 2>&1
  wine reg add 'HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall' /f >/dev/null 2>&1
  for app in Excel Word PowerPoint Access Outlook; do
    wine reg add "HKCU\\Software\\Microsoft\\Office\\$app\\AddIns" /f >/dev/null 2>&1
  done
  wine reg add "$settings" /v Classic /d 1 /f >/dev/null 2>&1
  files_snapshot "$dir/files.before"
  registry_snapshot HKCU "$dir/hkcu.before"
  registry_snapshot HKLM "$dir/hklm.before"

  # The previous version, then this one over it.
  rc=0; wine "$dir/Trelvane-6.9.0-setup-Office32.exe" /S || rc=$?
  [ $rc -eq 0 ] && [ "$(reg_data "$uninstall_key" DisplayVersion)" = 6.9.0 ] &&
    pass "the previous version installs silently, without elevation" ||
    fail "installing 6.9.0 exited $rc"
  rc=0; wine "$setup32" /S || rc=$?
  local listed
  listed=$(cd "$folder" 2>/dev/null && ls | tr '\n' ' ')
  if [ $rc -eq 0 ] && [ "$(reg_data "$uninstall_key" DisplayVersion)" = 7.0.0 ] &&
     [ "$listed" = "AccessTrelvane.dll ExcelTrelvane.dll HAND-M.CUR OutlookTrelvane.dll PPTTrelvane.dll Trelvane.exe Uninstall.exe WordTrelvane.dll " ]; then
    pass "7.0.0 replaces 6.9.0 in place: its files and nothing else in %LOCALAPPDATA%\\Programs\\Trelvane"
  else
    fail "upgrading to 7.0.0 exited $rc, version $(reg_data "$uninstall_key" DisplayVersion), files: $listed"
  fi
  local name missing=""
  for name in DisplayName DisplayVersion Publisher InstallLocation UninstallString \
              QuietUninstallString URLInfoAbout HelpLink Contact; do
    reg_data "$uninstall_key" "$name" >/dev/null || missing+="$name "
  done
  [ -z "$missing" ] && [ "$(reg_data "$uninstall_key" DisplayName)" = "Trelvane (for 32-bit Office)" ] &&
    pass "one Add/Remove Programs entry under HKCU, with all its values" ||
    fail "the Add/Remove entry lacks: $missing"
  [ -f "$profile/AppData/Roaming/Microsoft/Windows/Start Menu/Programs/Trelvane.lnk" ] &&
    pass "a Start-menu entry for the configurator" || fail "no Start-menu entry"
  registry_snapshot HKLM "$dir/hklm.installed"
  cmp -s "$dir/hklm.before" "$dir/hklm.installed" &&
    pass "nothing was written under HKEY_LOCAL_MACHINE" ||
    fail "HKEY_LOCAL_MACHINE changed: $(diff "$dir/hklm.before" "$dir/hklm.installed" | head -n 3 | tr '\n' ' ')"
  run_setup_checks i686 wine "$checks32" installed

  # As the configurator does: unregister one add-in by its own code; the uninstall still cleans.
  wine regsvr32 /u /s "$(windows_path "$folder/PPTTrelvane.dll")" || true
}

# The other bitness replaces this one; the Add/Remove entry stays one.
check_setup_switch() {
  setup_vars
  local rc
  rc=0; wine "$setup64" /S || rc=$?
  if [ $rc -eq 0 ] && [ "$(reg_data "$uninstall_key" OfficeBitness)" = 0x40 ] &&
     [ "$(reg_data "$uninstall_key" DisplayName)" = "Trelvane (for 64-bit Office)" ] &&
     x86_64-w64-mingw32-objdump -f "$folder/ExcelTrelvane.dll" | grep -q 'pei-x86-64'; then
    pass "the setup for 64-bit Office replaces the one for 32-bit Office"
  else
    fail "switching to 64-bit exited $rc"
  fi
  run_setup_checks x86_64 "$wine64_loader" "$checks64" installed
}

# Newer, then older over it: refused, with a clear message, and nothing changed.
check_setup_downgrade() {
  setup_vars
  local rc
  wine "$dir/Trelvane-7.1.0-setup-Office64.exe" /S || true
  rc=0; wine "$setup32" /S || rc=$?
  [ $rc -eq 3 ] && [ "$(reg_data "$uninstall_key" DisplayVersion)" = 7.1.0 ] &&
    pass "7.0.0 over 7.1.0 is refused (exit code 3) and 7.1.0 stays" ||
    fail "a downgrade exited $rc, version now $(reg_data "$uninstall_key" DisplayVersion)"
  local answer
  answer=$(wine "$checks32" answer "$(windows_path "$setup32")" 2>&1 | tr -d '\r')
  grep -q 'message: Trelvane 7.1.0 is installed, which is newer than this setup.s 7.0.0' <<<"$answer" &&
    grep -q '^exit 3$' <<<"$answer" &&
    pass "run by hand, the refusal says why and what to do" ||
    fail "the refusal shown: $answer"
}

# A running host holds an add-in: the uninstall stops before it removes anything.
check_setup_held_addin() {
  setup_vars
  local rc
  rm -f "$dir/release"
  wine "$checks64" hold "$(windows_path "$folder/ExcelTrelvane.dll")" "$(windows_path "$dir/release")" \
    >"$dir/hold.log" 2>&1 &
  local holder=$!
  for _ in $(seq 1 100); do grep -q holding "$dir/hold.log" 2>/dev/null && break; sleep 0.1; done
  rc=0; wine "$folder/Uninstall.exe" /S "_?=$(windows_path "$folder")" || rc=$?
  if [ $rc -eq 4 ] && [ -f "$folder/WordTrelvane.dll" ] && reg_data "$uninstall_key" DisplayVersion >/dev/null; then
    pass "uninstalling while a host holds an add-in stops at once (exit code 4), nothing removed"
  else
    fail "uninstalling with a held add-in exited $rc"
  fi
  rc=0; wine "$dir/Trelvane-7.1.0-setup-Office64.exe" /S || rc=$?
  [ $rc -eq 4 ] && [ "$(reg_data "$uninstall_key" DisplayVersion)" = 7.1.0 ] &&
    pass "installing over it then stops too (exit code 4), before it removes anything" ||
    fail "installing with a held add-in exited $rc"
  run_setup_checks x86_64 "$wine64_loader" "$checks64" installed
  touch "$dir/release"
  wait "$holder" 2>/dev/null || true
}

# The uninstall as Add/Remove Programs runs it.
check_setup_uninstall() {
  setup_vars
  local rc
  rc=0; wine "$checks32" uninstall-quietly >"$dir/uninstall.log" 2>&1 || rc=$?
  [ $rc -eq 0 ] && [ ! -e "$folder" ] && ! reg_data "$uninstall_key" DisplayVersion >/dev/null &&
    pass "the quiet uninstall removes the folder and the Add/Remove entry" ||
    fail "after the quiet uninstall (exit $rc) something of Trelvane is left"
  run_setup_checks i686 wine "$checks32" absent
  run_setup_checks x86_64 "$wine64_loader" "$checks64" absent
  [ "$(reg_data "$settings" Classic)" = 1 ] &&
    pass "the user's settings stay" || fail "the user's settings went with the uninstall"

  files_snapshot "$dir/files.after"
  registry_snapshot HKCU "$dir/hkcu.after"
  if cmp -s "$dir/files.before" "$dir/files.after"; then
    pass "the user's files are as before the first install"
  else
    fail "files left or lost: $(diff "$dir/files.before" "$dir/files.after" | grep '^[<>]' | head -n 5 | tr '\n' ' ')"
  fi
  if cmp -s "$dir/hkcu.before" "$dir/hkcu.after"; then
    pass "HKCU is as before the first install, settings and shared parents included"
  else
    fail "HKCU differs: $(diff "$dir/hkcu.before" "$dir/hkcu.after" | grep '^[<>]' | head -n 5 | tr '\n' ' ')"
  fi
}

run_setup_checks() { # arch loader program arguments...
  local arch=$1 loader=$2 program=$3 log
  shift 3
  log="$work/setups/setup-checks-$arch-$1.log"
  if timeout 120 "$loader" "$program" "$@" >"$log" 2>&1; then
    pass "$arch setup-checks $1 ($(tail -n 1 "$log" | tr -d '\r'))"
  else
    grep '^FAIL' "$log" | tr -d '\r' | sed 's/^/    /' || true
    fail "$arch setup-checks $1 (log: $log)"
  fi
}
