#!/usr/bin/env bash
# The environment from a read-only installation, started by an unprivileged
# user (nobody) with a home of its own: the settings file is created in
# ~/.config/orbbasic on first use and F2 builds in ~/.cache/orbbasic; the
# program folder stays untouched. Runs on the display in DISPLAY (Xvfb); needs
# root (setpriv), skipped otherwise.
#   installed_environment.sh BUILD_DIR EXAMPLES_DIR
set -euo pipefail
build=$1
examples=$2
. "$(dirname "$0")/scratch_install.sh"
need_root
env_pid=
# The environment must be gone before its home is removed, or it writes on into it.
clean_up() {
    [ -n "$env_pid" ] || return 0
    kill "$env_pid" 2>/dev/null || true
    wait "$env_pid" 2>/dev/null || true
}
install_build "$build" read-only
home=$scratch/home
mkdir "$home"
mkdir -m 700 "$home/run"
cp "$examples/hello.orb" "$home/"
chown -R nobody "$home"

wait_for() {  # wait_for SECONDS COMMAND...
    local limit=$1
    shift
    for _ in $(seq $((limit * 10))); do "$@" >/dev/null 2>&1 && return 0; sleep 0.1; done
    return 1
}
visible() { xdotool search --onlyvisible --name "$1" | head -1; }

setpriv --reuid=nobody --regid=nogroup --clear-groups env -i PATH=/usr/bin:/bin DISPLAY="$DISPLAY" \
    HOME="$home" XDG_RUNTIME_DIR="$home/run" USER=nobody ORBRT_HEADLESS=1 SDL_AUDIODRIVER=dummy "$prefix/bin/orbbasic" "$home/hello.orb" &
env_pid=$!

# A new user has no settings yet: the warning says so, and the defaults are written.
wait_for 60 visible '^ORB Basic Error$' || { echo "FAIL: no missing-settings warning"; xdotool search --name . getwindowname %@; exit 1; }
xdotool windowfocus --sync "$(visible '^ORB Basic Error$')" 2>/dev/null || true
xdotool key --clearmodifiers Return
wait_for 10 test -s "$home/.config/orbbasic/orbbasic.ini" ||
    { echo "FAIL: no settings file in ~/.config/orbbasic"; exit 1; }

wait_for 60 visible '^ORBbasic' || { echo "FAIL: no main window"; exit 1; }
sleep 0.5
xdotool windowfocus --sync "$(visible '^ORBbasic')" 2>/dev/null || true
xdotool key --clearmodifiers F2
wait_for 10 grep -q 'No errors' "$home/.cache/orbbasic/orberr.tmp" ||
    { echo "FAIL: F2 did not build in ~/.cache/orbbasic"; exit 1; }
[ "$(stat -c %U "$home/.cache/orbbasic/orb16.tmp")" = nobody ] || { echo "FAIL: the image is not nobody's"; exit 1; }

program_folder_unchanged || { echo "FAIL: the program folder changed"; exit 1; }
echo "installed environment: settings in ~/.config/orbbasic, builds in ~/.cache/orbbasic"
