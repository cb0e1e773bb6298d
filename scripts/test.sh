#!/usr/bin/env bash
# Sets up a Debian 12 machine, builds the native and Windows trees and runs
# every test: the portable core natively, the Win32 adapters and the program
# under Wine, the release artefacts (x64 and, where Wine's 32-bit half is
# installed, x86) under Wine.
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
"$here/scripts/setup.sh" test
# Set when Wine's 32-bit half could not be installed: the x86 program is
# built and its release checked, but not run, and the closing lines say so.
x86_skip=""
[ -f "$here/build/wine32-missing.txt" ] && x86_skip=$(cat "$here/build/wine32-missing.txt")

. "$here/scripts/wine-env.sh"
wine_prepare_prefix
trap stop_wine_and_display EXIT
TARNWICK_OWN_DISPLAY=1 start_display
start_wine

status=0
echo "== native tests"
(cd "$here/build/native" && ctest --output-on-failure --timeout 300) | tee "$here/build/native-ctest.log" || status=1
echo "== Windows tests under Wine"
# A test left waiting on a window (an unanswered message box, say) is
# stopped after five minutes rather than holding CI to its own limit.
(cd "$here/build/win" && ctest --output-on-failure --timeout 300) | tee "$here/build/win-ctest.log" || status=1
echo "== release artefacts under Wine"
# Builds the zips and installers as a release would, then installs, runs and
# removes them in a Wine prefix of their own; one test in the closing line.
release_ok=0
"$here/scripts/release.sh" && TARNWICK_X86_SKIP="$x86_skip" bash "$here/tests/release/release-checks.sh" "$here/build/release" \
  "$here/build/win/tests/e2e/window_probe.exe" "$here/build/release-checks" && release_ok=1

# One closing line over both runs.
passed=0; failed=0
for log in "$here/build/native-ctest.log" "$here/build/win-ctest.log"; do
  line=$(grep -E '[0-9]+% tests passed, [0-9]+ tests? failed out of [0-9]+' "$log" | tail -1 || true)
  if [ -z "$line" ]; then status=1; continue; fi
  f=$(echo "$line" | sed -E 's/.* ([0-9]+) tests? failed out of ([0-9]+).*/\1/')
  t=$(echo "$line" | sed -E 's/.* failed out of ([0-9]+).*/\1/')
  passed=$((passed + t - f)); failed=$((failed + f))
done
if ((release_ok)); then passed=$((passed + 1)); else failed=$((failed + 1)); fi
((failed == 0)) || status=1
if [ -n "$x86_skip" ]; then
  echo "x86 under Wine: skipped ($x86_skip)"
else
  echo "x86 under Wine: run (the x86 zip's and installer's programs)"
fi
echo "$passed passed, $failed failed"
exit $status
