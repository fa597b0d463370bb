#!/usr/bin/env bash
# The main job: set up, build, and print the Excel ribbon document from the current user's
# settings (${XDG_CONFIG_HOME:-$HOME/.config}/Marrowick.ini, section [Trelvane]).
#   scripts/run.sh [HOST] [--host-name NAME]     HOST defaults to excel
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
cmake --preset native >/dev/null
cmake --build --preset native --target trelvane-ribbon >/dev/null
[ $# -gt 0 ] || set -- excel
exec build/native/trelvane-ribbon "$@"
