#!/usr/bin/env bash
# Runs one Windows program under Wine with the project's prefix; the cross
# build's test emulator.
. "$(dirname "${BASH_SOURCE[0]}")/wine-env.sh"
exec "$WINE" "$@"
