# Sourced by the installation tests: a scratch folder that is removed at exit
# (after the caller's own clean_up, when it defines one), the fault count, and
# the installation of a build into the scratch folder.

scratch=$(mktemp -d)
trap 'declare -F clean_up >/dev/null && clean_up; chmod -R u+w "$scratch"; rm -rf "$scratch"' EXIT
chmod 755 "$scratch"  # other users must reach what the test puts here

faults=0
fail() { echo "FAIL: $*"; faults=$((faults + 1)); }
# Ends the test: the message when nothing failed, exit status 1 otherwise.
finish() {
    [ $faults -eq 0 ] && echo "$1"
    exit $((faults > 0))
}

need_root() {
    if [ "$(id -u)" -ne 0 ]; then
        echo "skipped: changing users needs root"
        exit 77
    fi
}

# install_build BUILD_DIR [read-only]: installs into $prefix; read-only also
# takes every write permission away and notes the time in $scratch/installed.
install_build() {
    prefix=$scratch/prefix
    cmake --install "$1" --prefix "$prefix" >/dev/null
    if [ "${2:-}" = read-only ]; then
        chmod -R a-w "$prefix"
        touch "$scratch/installed"
    fi
}

# True when nothing in the installation changed since install_build.
program_folder_unchanged() {
    local changed
    changed=$(find "$prefix" -newer "$scratch/installed")
    [ -z "$changed" ] || { echo "changed: $changed"; return 1; }
}
