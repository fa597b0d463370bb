#!/usr/bin/env bash
# The Wine prefix and the X display that a run of the Windows tests shares: CTest's fixture
# tests call this once at the start of a run and once at its end.
#
#   fixture.sh start WORK [i686] [pristine]
#                            makes WORK/prefix with Wine's server kept running, starts Xvfb,
#                            and writes WORK/env.sh, which every test sources; with i686, only
#                            where this machine runs 32-bit programs (exit status 77 otherwise);
#                            with pristine, the prefix is left as wineboot made it, its server
#                            ended, for tests that each take a fresh copy of it
#   fixture.sh stop WORK     ends the prefix's server and the display, and removes WORK
#                            (TRELVANE_KEEP_WORK=1 keeps it for a look afterwards); exit status
#                            77 when there is no WORK, as where its start was skipped
#
# A WORK left by an interrupted run is stopped and made anew by `start`.
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
source "$here/wine_env.sh"
[ $# -ge 2 ] || { echo "usage: $0 start|stop WORK [i686] [pristine]" >&2; exit 2; }
work=$2

stop() {
  if [ -f "$work/env.sh" ]; then
    source "$work/env.sh"
    wine_env_stop
  fi
}

case $1 in
  start)
    stop
    rm -rf "$work"
    needs_32bit=0 pristine=""
    for option in "${@:3}"; do
      case $option in
        i686) needs_32bit=1 ;;
        pristine) pristine=pristine ;;
        *) echo "unknown option $option" >&2; exit 2 ;;
      esac
    done
    if [ $needs_32bit = 1 ] && ! wine_runs_32bit; then
      echo "SKIP: nothing here runs without 32-bit programs, which this machine does not run"
      exit 77
    fi
    mkdir -p "$work"
    rc=0
    wine_env_start "$work" $pristine || rc=$?
    case $rc in
      0) ;;
      1) echo "no free X display for Xvfb" >&2; exit 1 ;;
      *) echo "wineboot did not make the prefix:" >&2; tail -n 5 "$work/wineboot.log" >&2; exit 1 ;;
    esac
    {
      printf 'export WINEPREFIX=%q WINEDEBUG=%q WINEDLLOVERRIDES=%q DISPLAY=%q PATH=%q LANG=%q\n' \
        "$WINEPREFIX" "$WINEDEBUG" "$WINEDLLOVERRIDES" "$DISPLAY" "$PATH" "$LANG"
      printf 'unset LC_ALL LC_MESSAGES LANGUAGE\n'
      if [ -n "${TRELVANE_WINE_USER:-}" ]; then
        printf 'export USER=%q LOGNAME=%q LC_ALL=%q\n' "$USER" "$LOGNAME" "$LC_ALL"
      fi
      [ -z "${WINEARCH:-}" ] || printf 'export WINEARCH=%q\n' "$WINEARCH"
      printf 'wine_arches=%q xvfb_pid=%q\n' "$wine_arches" "$xvfb_pid"
    } >"$work/env.sh"
    echo "Wine prefix for $wine_arches, Xvfb on display $DISPLAY"
    ;;
  stop)
    if [ ! -d "$work" ]; then
      echo "SKIP: no prefix to stop (its start was skipped)"
      exit 77
    fi
    stop
    if [ "${TRELVANE_KEEP_WORK:-0}" = 1 ]; then
      echo "work folder kept: $work"
    else
      rm -rf "$work"
    fi
    ;;
  *) echo "usage: $0 start|stop WORK" >&2; exit 2 ;;
esac
