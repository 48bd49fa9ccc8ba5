#!/usr/bin/env bash
# Draws the pictures again and checks that the committed ones are exactly what the generator makes.
# Usage: check_pictures.sh GENERATOR FONT COMMITTED-FOLDER
set -euo pipefail
generator=$1 font=$2 committed=$3
fresh=$(mktemp -d)
trap 'rm -rf "$fresh"' EXIT

"$generator" "$fresh" "$font"
status=0
for file in "$fresh"/*; do
    name=$(basename "$file")
    if ! cmp -s "$file" "$committed/$name"; then
        echo "differs from the generator's output: $name"
        status=1
    fi
done
for file in "$committed"/*; do
    [ -e "$fresh/$(basename "$file")" ] || { echo "not made by the generator: $(basename "$file")"; status=1; }
done
[ $status -eq 0 ] && echo "all $(find "$fresh" -type f | wc -l) pictures match"
exit $status
