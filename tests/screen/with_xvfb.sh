#!/usr/bin/env bash
# Runs a command inside a private X server. The server picks a free display
# itself (-displayfd), so tests running side by side never race for one.
set -euo pipefail
number_file=$(mktemp)
Xvfb -displayfd 9 -screen 0 1024x768x24 -nolisten tcp 9>"$number_file" 2>/dev/null &
server=$!
trap 'kill "$server" 2>/dev/null; rm -f "$number_file"' EXIT
for _ in $(seq 100); do
    [ -s "$number_file" ] && break
    sleep 0.05
done
[ -s "$number_file" ] || { echo "Xvfb did not start" >&2; exit 1; }
DISPLAY=":$(head -n1 "$number_file")" "$@"
