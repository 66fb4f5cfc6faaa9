#!/bin/sh
# Every source file of the program and its plug-ins is named in a build file: in the
# CMakeLists.txt of its folder or of a folder above it (a window class by its name alone).
# Prints each file no build file names.
set -u
root=$1
status=0
for file in $(cd "$root" && find src plugins -name '*.cpp' -o -name '*.h' -o -name '*.c' | sort); do
    folder=$(dirname "$file")
    name=$(basename "$file")
    stem=${name%.*}
    named=no
    relative=$name
    while [ "$folder" != "." ]; do
        list="$root/$folder/CMakeLists.txt"
        if [ -f "$list" ] && grep -qE "(^|[[:space:]/(])($relative|$stem)([[:space:])]|$)" "$list"; then
            named=yes
            break
        fi
        relative="$(basename "$folder")/$relative"
        folder=$(dirname "$folder")
    done
    if [ "$named" = no ]; then
        echo "named in no build file: $file"
        status=1
    fi
done
[ "$status" -eq 0 ] && echo "every source file is named in a build file"
exit "$status"
