#!/bin/sh
# The platform backends are reached through the interfaces in platform/ only: no source outside a
# backend's own folder includes it, except the factory that picks them (and main and the
# program module's entry, which ask the factory). Prints each offending include.
set -u
src=$1
status=0
for family in posix x11 dbus portal xdg wayland windows; do
    offenders=$(grep -rn "#include \"platform/$family/" "$src" --include='*.cpp' --include='*.h' |
        grep -v "^$src/platform/$family/" | grep -v "^$src/platform/factory/")
    if [ -n "$offenders" ]; then
        echo "outside platform/$family and the factory:"
        echo "$offenders"
        status=1
    fi
done
offenders=$(grep -rln '#include "platform/factory/' "$src" --include='*.cpp' --include='*.h' |
    grep -v "^$src/platform/factory/" | grep -v -e "^$src/main.cpp$" -e "^$src/Program.cpp$")
if [ -n "$offenders" ]; then
    echo "only main and the program's entry ask the factory:"
    echo "$offenders"
    status=1
fi
[ "$status" -eq 0 ] && echo "every platform backend is reached through platform/ and the factory"
exit "$status"
