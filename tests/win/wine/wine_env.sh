# Sourced by the scripts that run Trelvane's Windows programs under Wine: a throwaway prefix in a
# work folder, a virtual X display, and the helpers every run needs.
#
#   source tests/win/wine/wine_env.sh
#   wine_env_start "$work"      # exports WINEPREFIX, DISPLAY, ...; returns non-zero on failure
#   wine_env_stop               # ends the prefix's server and the display
#
# Whatever keeps running (Xvfb, Wine's server) holds none of the caller's output, so that a
# test runner waiting for a test's output to end is not kept waiting by them.
#
# After wine_env_start, $wine_arches says which Windows architectures this machine can run:
# "i686 x86_64", or "x86_64" alone where the kernel runs no 32-bit programs (IA-32 emulation
# switched off, as on some virtual machines). There `wine` and `wineboot` are pointed at the
# 64-bit loader, and what needs 32-bit programs reports itself skipped.
#
# Set TRELVANE_KEEP_WORK=1 to keep the work folder for a look afterwards (the caller removes it
# otherwise, with wine_env_cleanup).

xvfb_pid=""
wine64_loader=/usr/lib/wine/wine64
[ -x "$wine64_loader" ] || wine64_loader=wine
wine32_loader=/usr/lib/wine/wine
wine_arches="i686 x86_64"

# Whether the 32-bit Wine loader starts at all on this machine. TRELVANE_NO_32BIT=1 makes a
# machine that runs them behave as one that does not, to try that path.
wine_runs_32bit() {
  [ "${TRELVANE_NO_32BIT:-0}" != 1 ] && [ -x "$wine32_loader" ] &&
    "$wine32_loader" --version >/dev/null 2>&1
}

# Points `wine` and `wineboot` at the 64-bit loader, through a folder put first on PATH.
use_64bit_wine_only() { # work folder
  local bin="$1/bin"
  mkdir -p "$bin"
  printf '#!/bin/sh\nexec "%s" "$@"\n' "$wine64_loader" >"$bin/wine"
  printf '#!/bin/sh\nexec "%s" wineboot.exe "$@"\n' "$wine64_loader" >"$bin/wineboot"
  chmod +x "$bin/wine" "$bin/wineboot"
  export PATH="$bin:$PATH"
  wine_arches="x86_64"
}

windows_path() { # /a/b -> Z:\a\b
  local path=$1
  printf 'Z:%s' "${path//\//\\}"
}

start_xvfb() { # log
  local display
  for display in $(seq 90 160); do
    [ -e "/tmp/.X$display-lock" ] || [ -e "/tmp/.X11-unix/X$display" ] && continue
    setsid Xvfb ":$display" -screen 0 1024x768x24 -nolisten tcp </dev/null >"$1" 2>&1 &
    xvfb_pid=$!
    for _ in $(seq 1 50); do
      if xdpyinfo -display ":$display" >/dev/null 2>&1; then
        export DISPLAY=":$display"
        return 0
      fi
      kill -0 "$xvfb_pid" 2>/dev/null || break
      sleep 0.1
    done
    kill "$xvfb_pid" >/dev/null 2>&1 || true
    xvfb_pid=""
  done
  return 1
}

# TRELVANE_WINE_USER names the prefix's user (its profile folder), e.g. one with blanks and
# letters outside ASCII; Wine takes the name from USER, and writes it into file names in the
# locale's encoding, so UTF-8 is chosen then. WINEARCH=win32 makes a 32-bit Windows.
wine_env_start() { # work folder [pristine]
  local work=$1
  export WINEPREFIX="$work/prefix"
  export WINEDEBUG=-all
  # Windows' UI language follows LANG: English unless a check asks for another.
  unset LC_ALL LC_MESSAGES LANGUAGE
  export LANG=C.UTF-8
  if [ -n "${TRELVANE_WINE_USER:-}" ]; then
    export USER="$TRELVANE_WINE_USER" LOGNAME="$TRELVANE_WINE_USER" LC_ALL=C.UTF-8
  fi
  # No Mono or Gecko: nothing here needs them, and their installers would only ask; no desktop
  # entries on the Linux side for the shortcuts a setup makes.
  export WINEDLLOVERRIDES="mscoree,mshtml=,winemenubuilder.exe=d"
  start_xvfb "$work/xvfb.log" || return 1
  wine_runs_32bit || use_64bit_wine_only "$work"
  local loader=wine
  if [ "${WINEARCH:-}" = win32 ]; then
    # Only the 32-bit loader makes a 32-bit Windows.
    loader=$wine32_loader
    WINEARCH=win32 "$loader" wineboot.exe -i >"$work/wineboot.log" 2>&1 || true
  else
    wineboot -i >"$work/wineboot.log" 2>&1 || true
  fi
  # A program that crashes ends, with its exception as its exit code, and a check reports it;
  # Wine's crash dialog would keep it waiting for a click until the check's time runs out.
  "$loader" reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f \
    >/dev/null 2>&1 || true
  wineserver -w
  # A pristine prefix stays as wineboot left it but for that, its server ended: each test
  # copies it.
  if [ "${2:-}" = pristine ]; then
    [ -f "$WINEPREFIX/system.reg" ] || return 2
    return 0
  fi
  # Kept running, so that each wine command afterwards starts quickly.
  wineserver -p </dev/null >/dev/null 2>&1
  [ -f "$WINEPREFIX/system.reg" ] || return 2
  # The prefix has no Arial; Liberation Sans has its metrics, so text takes the room it would.
  wine reg add 'HKCU\Software\Wine\Fonts\Replacements' /v Arial /d 'Liberation Sans' /f \
    >/dev/null 2>&1 || true
}

# For a test in the prefix that fixture.sh made in `work`: takes on its environment. Exits with
# 77 (skipped) where this machine runs no `arch` programs, and with 1 when there is no prefix.
enter_fixture() { # work arch
  if [ "$2" = i686 ] && ! wine_runs_32bit; then
    echo "SKIP: this machine runs no 32-bit programs"
    exit 77
  fi
  if [ ! -f "$1/env.sh" ]; then
    echo "no Wine prefix in $1: the fixture test that makes it has not run" >&2
    exit 1
  fi
  source "$1/env.sh"
}

wine_env_stop() {
  wineserver -k >/dev/null 2>&1 || true  # none runs in a pristine prefix
  if [ -n "$xvfb_pid" ] && kill "$xvfb_pid" >/dev/null 2>&1; then
    # Started by another process, so waited for by polling.
    for _ in $(seq 1 50); do
      kill -0 "$xvfb_pid" 2>/dev/null || break
      sleep 0.1
    done
  fi
  xvfb_pid=""
  return 0
}

# Lays out what the configurator needs as the package lays it out: its own folder, with blanks in
# its path, holding the program, the pointer file and the 32-bit add-ins, and with a 64-bit
# program the 64-bit add-ins in x64\ (taken from the 64-bit build, the 32-bit ones from the
# 32-bit build); and stand-in host programs that the shell finds under App Paths as it finds the
# real ones.
stage_configurator() { # build dir, 32-bit build dir, destination folder, arch of the build
  local build=$1 build32=$2 folder=$3 arch=$4 hosts="$3/../Hosts" name key view
  mkdir -p "$folder" "$hosts"
  cp "$build/Trelvane.exe" "$build/HAND-M.CUR" "$folder/"
  for name in $TRELVANE_ADDIN_NAMES; do  # from the add-ins' table
    cp "$build32/$name.dll" "$folder/"
    if [ "$arch" = x86_64 ]; then
      mkdir -p "$folder/x64"
      cp "$build/$name.dll" "$build/HAND-M.CUR" "$folder/x64/"
    fi
  done
  for name in WINWORD Excel MSACCESS POWERPNT OUTLOOK; do
    cp "$build/tests/win/fake-host.exe" "$hosts/$name.exe"
    # Windows looks the name up with ".exe" added; Wine looks it up as given: both are there.
    for key in "$name" "$name.exe"; do
      for view in 32 64; do
        wine reg add "HKLM\\Software\\Microsoft\\Windows\\CurrentVersion\\App Paths\\$key" /ve \
          /d "$(windows_path "$(cd "$hosts" && pwd)/$name.exe")" /f "/reg:$view" >/dev/null 2>&1
      done
    done
  done
}
