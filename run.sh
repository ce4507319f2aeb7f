#!/usr/bin/env bash
# Installs what is missing, builds, and starts Mottler.
set -euo pipefail
cd "$(dirname "$0")"
MOTTLER_TARGETS="mottler mottler-cli mottler-saver" source scripts/setup.sh

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    echo "No display found, so the desktop program cannot open a window here."
    echo "The command-line tool works without one, for example:"
    echo "  build/bin/mottler-cli grow --seed 35089380 --iterations 124 --a 622 --b 1000 -o marble.bmp"
    echo "  build/bin/mottler-cli --help"
    exit 0
fi
exec build/bin/mottler "$@"
