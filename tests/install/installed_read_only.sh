#!/usr/bin/env bash
# An installed, read-only program folder serves every user at once: two
# unprivileged users without a home (nobody and daemon) run an example to its
# end at the same time, each in a private work folder of their own, and build
# a phone package; root with a home works in ~/.cache/orbbasic. Needs root
# (setpriv); skipped otherwise.
#   installed_read_only.sh BUILD_DIR EXAMPLES_DIR
set -euo pipefail
build=$1
examples=$2
. "$(dirname "$0")/scratch_install.sh"
need_root
install_build "$build" read-only

mkdir -m 1777 "$scratch/tmp"
cp -r "$examples" "$scratch/examples"
chmod -R a+rwX "$scratch/examples"
# hello.orb waits for a key and then ends with End.
printf '200 keydown 65\n400 keyup 65\n' >"$scratch/any-key.input"

# A user's run: no home (as for nobody), headless, the shared temporary folder of this test.
as_user() {
    local user=$1
    shift
    setpriv --reuid="$user" --regid="$(id -g "$user")" --clear-groups \
        env -i PATH=/usr/bin:/bin HOME=/nonexistent TMPDIR="$scratch/tmp" \
        ORBRT_HEADLESS=1 SDL_AUDIODRIVER=dummy ORBRT_INPUT="$scratch/any-key.input" "$@"
}

as_user nobody "$prefix/bin/orbbasic" --run "$scratch/examples/hello.orb" >"$scratch/nobody.out" 2>&1 &
nobody_run=$!
as_user daemon "$prefix/bin/orbbasic" --run "$scratch/examples/hello.orb" >"$scratch/daemon.out" 2>&1 &
daemon_run=$!
wait $nobody_run || fail "nobody's run exited with $?: $(cat "$scratch/nobody.out")"
wait $daemon_run || fail "daemon's run exited with $?: $(cat "$scratch/daemon.out")"
echo "nobody: $(cat "$scratch/nobody.out")"
echo "daemon: $(cat "$scratch/daemon.out")"

for user in nobody daemon; do
    uid=$(id -u $user)
    work=$scratch/tmp/orbbasic-$uid
    [ -d "$work" ] || { fail "no private work folder $work for $user"; continue; }
    [ "$(stat -c '%U %a' "$work")" = "$user 700" ] || fail "$work is $(stat -c '%U %a' "$work"), not '$user 700'"
    [ -s "$work/orb16.tmp" ] || fail "$user's image is not in $work"
    # The run ended by End (code 110), not by the step limit or an error.
    head -n 1 "$work/orberr.tmp" | grep -q '^[0-9]*\.110End of program|' || fail "$user's run did not end by End: $(head -n 1 "$work/orberr.tmp")"
done

# The package build reads the class templates, the font and the joypad pictures.
mkdir -m 777 "$scratch/out"
as_user nobody "$prefix/bin/orbbasic" --compile "$scratch/examples/bounce.orb" -o "$scratch/out/bounce.jar" \
    >"$scratch/compile.out" 2>&1 || fail "nobody's package build failed: $(cat "$scratch/compile.out")"
[ -s "$scratch/out/bounce.jar" ] && [ -s "$scratch/out/bounce.jad" ] || fail "no bounce.jar and bounce.jad"

# A user with a home works in its cache folder and keeps settings in its config folder.
mkdir "$scratch/home"
env -i PATH=/usr/bin:/bin HOME="$scratch/home" ORBRT_HEADLESS=1 SDL_AUDIODRIVER=dummy \
    ORBRT_INPUT="$scratch/any-key.input" "$prefix/bin/orbbasic" --run "$scratch/examples/hello.orb" >/dev/null ||
    fail "root's run failed"
[ -s "$scratch/home/.cache/orbbasic/orberr.tmp" ] || fail "root's run did not work in ~/.cache/orbbasic"

program_folder_unchanged || fail "the program folder changed"
finish "read-only installation: two users ran at once, each in its own folder"
