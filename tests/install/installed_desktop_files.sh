#!/usr/bin/env bash
# The installed menu entry, file type, icons and man pages are valid, both
# installed programs answer --help and --version, and the program folder is
# marked as installed.
#   installed_desktop_files.sh BUILD_DIR VERSION INSTALLED_MARK
set -euo pipefail
build=$1
version=$2
mark=$3

. "$(dirname "$0")/scratch_install.sh"
install_build "$build"
share=$prefix/share

[ -s "$prefix/lib/orbbasic/$mark" ] || fail "the program folder has no $mark"
[ -e "$build/bin/$mark" ] && fail "the build's program folder is marked as installed"

entry=$share/applications/orbbasic.desktop
desktop-file-validate "$entry" || fail "desktop-file-validate rejects $entry"
grep -qx 'Exec=orbbasic %F' "$entry" || fail "the entry does not open files with %F"
grep -qx 'MimeType=text/x-orbbasic;' "$entry" || fail "the entry does not claim text/x-orbbasic"
grep -qx 'Icon=orbbasic' "$entry" || fail "the entry's icon is not orbbasic"

mime=$share/mime/packages/orbbasic.xml
xmllint --noout "$mime" || fail "xmllint rejects $mime"
# The database built from the file must map *.orb to the type and make it a kind of text.
mkdir -p "$scratch/mime/packages"
cp "$mime" "$scratch/mime/packages/"
XDG_DATA_DIRS="$scratch" update-mime-database "$scratch/mime"
grep -q ':text/x-orbbasic:\*\.orb$' "$scratch/mime/globs2" || fail "*.orb is not text/x-orbbasic"
grep -qx 'text/x-orbbasic text/plain' "$scratch/mime/subclasses" || fail "text/x-orbbasic is not a subclass of text/plain"

for size in 16 22 24 32 48 64 128 256; do
    icon=$share/icons/hicolor/${size}x$size/apps/orbbasic.png
    file "$icon" | grep -q "PNG image data, $size x $size" || fail "no $size x $size icon: $(file "$icon")"
done
xmllint --noout "$share/icons/hicolor/scalable/apps/orbbasic.svg" || fail "the SVG icon is not well formed"
cmp -s "$prefix/lib/orbbasic/orbbasic.png" "$share/icons/hicolor/256x256/apps/orbbasic.png" ||
    fail "the phone window's icon differs from the menu entry's"

for page in orbbasic orbrt; do
    man=$share/man/man1/$page.1.gz
    gzip -t "$man" || fail "$man is not compressed"
    warnings=$(zcat "$man" | groff -man -Tutf8 -ww -z 2>&1)
    [ -z "$warnings" ] || fail "groff warns about $page.1: $warnings"
    for topic in OPTIONS ENVIRONMENT FILES "EXIT STATUS" EXAMPLES; do
        zcat "$man" | grep -q "^\.SH \"\?$topic" || fail "$page.1 has no $topic section"
    done
done
for variable in ORBRT_HEADLESS ORBRT_MAX_STEPS ORBRT_INPUT ORBRT_SNAPSHOT SDL_AUDIODRIVER; do
    zcat "$share/man/man1/orbrt.1.gz" | grep -q "$variable" || fail "orbrt.1 does not name $variable"
done

for program in orbbasic orbrt; do
    out=$("$prefix/bin/$program" --version) || fail "$program --version failed"
    [ "$out" = "$program (OrbBasic) $version" ] || fail "$program --version says '$out'"
    "$prefix/bin/$program" --help | grep -q "^usage: $program" || fail "$program --help shows no usage"
done
# orbrt's command line is a folder: a folder named --help is run, not explained.
mkdir "$scratch/--help"
out=$(cd "$scratch" && ORBRT_HEADLESS=1 "$prefix/bin/orbrt" --help 2>&1) && fail "orbrt ran an empty folder successfully"
echo "$out" | grep -q "^usage:" && fail "orbrt took an existing folder --help for the option"
[ -e "$scratch/--help/orberr.tmp" ] || fail "orbrt did not report into the folder --help"

finish "desktop entry, MIME type, icons, man pages, --help and --version are in order"
