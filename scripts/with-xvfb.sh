#!/usr/bin/env bash
# Runs a command against a private X server: starts Xvfb on the first free display, exports
# DISPLAY, runs the command, stops the server and exits with the command's status. Tests that
# need a desktop (the system clipboard, the editor) run through it. Exits 77 (a skipped test for
# ctest) when Xvfb is not installed.
set -uo pipefail

if ! command -v Xvfb >/dev/null 2>&1; then
  echo "with-xvfb: Xvfb is not installed (scripts/install-deps.sh installs it)" >&2
  exit 77
fi

fdfile=$(mktemp)
# -displayfd makes the server pick a free display and write its number once it accepts clients;
# -noreset keeps it from resetting (and refusing clients meanwhile) whenever its last client leaves.
exec 3<>"$fdfile"
Xvfb -displayfd 3 -screen 0 1280x800x24 -nolisten tcp -noreset >/dev/null 2>&1 &
server=$!
trap 'kill "$server" 2>/dev/null; wait "$server" 2>/dev/null; rm -f "$fdfile"' EXIT

for _ in $(seq 1 100); do
  number=$(tr -dc '0-9' <"$fdfile")
  [ -n "$number" ] && break
  if ! kill -0 "$server" 2>/dev/null; then
    echo "with-xvfb: Xvfb did not start" >&2
    exit 1
  fi
  sleep 0.1
done
if [ -z "${number:-}" ]; then
  echo "with-xvfb: Xvfb did not report a display" >&2
  exit 1
fi

export DISPLAY=":$number"
"$@"
