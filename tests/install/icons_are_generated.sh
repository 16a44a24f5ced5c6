#!/usr/bin/env bash
# The committed icons are what data/make_icon.py draws now.
#   icons_are_generated.sh SOURCE_DIR
set -euo pipefail
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
/usr/bin/python3 "$1/data/make_icon.py" "$scratch"
diff -r "$1/data/icons" "$scratch" && echo "the icons are up to date"
