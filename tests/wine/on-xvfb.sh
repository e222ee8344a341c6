#!/usr/bin/env bash
# Runs a Windows test program under Wine on Qt's windows platform, on a private Xvfb, so that
# it measures text with the fonts Windows' own font mapper (Wine's, here) hands out.
# Usage: on-xvfb.sh PROGRAM.exe [ARGUMENT...]
set -euo pipefail
here=$(dirname "$0")
for part in steps x11; do source "$here/../e2e/$part.sh"; done
trap stop_x11 EXIT
start_xvfb
status=0
QT_QPA_PLATFORM=windows "$here/wine-run" "$@" || status=$?
exit $status
