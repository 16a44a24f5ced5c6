#!/usr/bin/env bash
# The Debian package of the built programs: cpack packages the build folder as
# it is (no rebuild), the package's fields are filled in, Depends names the Qt 6
# libraries, the extracted orbrt runs a compiled example headless to its end,
# and lintian finds no errors.
#   debian_package.sh BUILD_DIR EXAMPLES_DIR VERSION
set -euo pipefail
build=$1
examples=$2
version=$3

. "$(dirname "$0")/scratch_install.sh"

(cd "$build" && cpack -G DEB -B "$scratch/package" >"$scratch/cpack.log") || { cat "$scratch/cpack.log"; exit 1; }
deb=$scratch/package/orbbasic_${version}_amd64.deb
[ -f "$deb" ] || { echo "FAIL: no $deb"; ls "$scratch/package"; exit 1; }

dpkg-deb -I "$deb"
field() { dpkg-deb -f "$deb" "$1"; }
depends=$(field Depends)
# PNG files are read through Irrlicht, so libpng comes with libirrlicht1.8.
for library in libqt6core6 libqt6gui6 libqt6widgets6 libqt6network6 libqt6printsupport6 libirrlicht1.8 \
    libsdl2-mixer-2.0-0; do
    echo "$depends" | grep -q "\b$library\b" || fail "Depends does not name $library: $depends"
done
field Recommends | grep -q timgm6mb-soundfont || fail "Recommends has no sound font"
field Recommends | grep -q proguard-cli || fail "Recommends has no ProGuard"
[ -n "$(field Section)" ] || fail "no Section"
field Maintainer | grep -q '<.*@.*>' || fail "the Maintainer has no address"
[ "$(field Description | wc -l)" -gt 1 ] || fail "the Description has no long text"

dpkg-deb -c "$deb" | grep -E '(_test|_tests|bench|orbhost)' && fail "the package holds tests or benchmarks"
root=$scratch/root
dpkg-deb -x "$deb" "$root"
for program in orbbasic orbrt; do
    [ "$(readlink -f "$root/usr/bin/$program")" = "$root/usr/lib/orbbasic/$program" ] ||
        fail "usr/bin/$program does not lead to the program folder"
done

# An example compiled by the built orbbasic runs in the packaged orbrt to its end.
mkdir "$scratch/work"
"$build/bin/orbbasic" --work "$scratch/work" --test "$examples/hello.orb" >/dev/null
printf '200 keydown 65\n400 keyup 65\n' >"$scratch/any-key.input"
ORBRT_HEADLESS=1 SDL_AUDIODRIVER=dummy ORBRT_INPUT="$scratch/any-key.input" \
    "$root/usr/bin/orbrt" "$scratch/work" || fail "the packaged orbrt exited with $?"
head -n 1 "$scratch/work/orberr.tmp" | grep -q '^[0-9]*\.110End of program|' ||
    fail "the packaged orbrt did not run to End: $(head -n 1 "$scratch/work/orberr.tmp")"

if command -v lintian >/dev/null; then
    lintian --tag-display-limit 0 "$deb" | tee "$scratch/lintian.txt" || true
    grep -q '^E: ' "$scratch/lintian.txt" && fail "lintian reports errors"
else
    echo "lintian is not installed (scripts/install-deps installs it): its check was left out"
fi

finish "package $(basename "$deb") is in order"
