#!/usr/bin/env bash
# End to end under Xvfb: start the environment on an example, press F2 and F1
# with real key events, find the error file and a running runtime; a second
# start must hand over to the first and leave one main window.
#   environment_e2e.sh PROGRAM_FOLDER EXAMPLE.orb
set -euo pipefail
bin=$1
example=$2

home=$(mktemp -d)
trap 'kill $env_pid 2>/dev/null || true; [ -f "$bin/orbrt-started" ] && kill $(cut -d" " -f1 "$bin/orbrt-started") 2>/dev/null; rm -rf "$home"; rm -f "$bin/orbrt-started" "$bin/orberr.tmp" "$bin/orb16.tmp"' EXIT
export HOME=$home XDG_CONFIG_HOME=$home/.config XDG_RUNTIME_DIR=$home USER=e2e-$$
rm -f "$bin/orbrt-started" "$bin/orberr.tmp"
# A settings file, so that start-up does not stop at the missing-settings warning.
printf 'AutoIndent 1\r\n' > "$bin/orbbasic.ini"

wait_for() {  # wait_for SECONDS COMMAND...
    local limit=$1; shift
    for _ in $(seq $((limit * 10))); do "$@" >/dev/null 2>&1 && return 0; sleep 0.1; done
    return 1
}
main_window() { xdotool search --onlyvisible --name '^ORBbasic' | head -1; }

"$bin/orbbasic" "$example" &
env_pid=$!
wait_for 20 main_window || { echo "no main window"; exit 1; }
window=$(main_window)
sleep 0.5

press() {
    xdotool windowfocus --sync "$window" 2>/dev/null || true
    xdotool key --clearmodifiers "$1"
}

press F2
wait_for 10 test -s "$bin/orberr.tmp" || { echo "F2 wrote no error file"; exit 1; }
grep -q 'No errors|Total Lines' "$bin/orberr.tmp" || { echo "unexpected error file"; exit 1; }
# Success is said in the status bar: no box to close.
sleep 1
if xdotool search --onlyvisible --name '^Error$' >/dev/null 2>&1; then echo "a modal Error box after a successful F2"; exit 1; fi

press F1
wait_for 10 test -s "$bin/orbrt-started" || { echo "F1 started no runtime"; exit 1; }
read -r runtime_pid runtime_folder < "$bin/orbrt-started"
kill -0 "$runtime_pid" || { echo "runtime not running"; exit 1; }
[ "$runtime_folder" = "$bin" ] || { echo "runtime got folder $runtime_folder"; exit 1; }
test -s "$bin/orb16.tmp" || { echo "no program image"; exit 1; }

# A second start activates the first and ends.
timeout 10 "$bin/orbbasic" || { echo "second start did not end cleanly"; exit 1; }
windows=$(xdotool search --onlyvisible --name '^ORBbasic' | wc -l)
[ "$windows" -eq 1 ] || { echo "$windows main windows"; exit 1; }
kill -0 "$env_pid" || { echo "first instance ended"; exit 1; }

# A second start with a file opens it in the first, as the active document.
printf 'Print "second"\n' > "$home/second file.orb"
timeout 10 "$bin/orbbasic" "$home/second file.orb" || { echo "second start with a file did not end cleanly"; exit 1; }
wait_for 10 xdotool search --onlyvisible --name "^ORBbasic.*second file.orb" ||
    { echo "the first instance did not open the file: $(xdotool getwindowname "$window")"; exit 1; }
windows=$(xdotool search --onlyvisible --name '^ORBbasic' | wc -l)
[ "$windows" -eq 1 ] || { echo "$windows main windows after a start with a file"; exit 1; }
echo "environment end to end: ok"
