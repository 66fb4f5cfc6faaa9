#!/bin/sh
# Builds and tests Mirato on Debian 13 (trixie) as a newcomer there would: a minimal Debian 13
# made with debootstrap from this machine's package mirror, the repository's files copied into
# it, and `scripts/dev.sh test` run inside (it installs what it needs, builds, runs every test).
#   scripts/test-debian13.sh         the whole test suite
#   scripts/test-debian13.sh --kde   the same with KDE Plasma's Wayland packages installed in
#                                    the system first, so the real KDE run is part of it
# The bare system debootstrap makes is kept in $MIRATO_DEBIAN13_ROOT.base (the root being
# /var/cache/mirato-debian13) and made only when it is missing; every run starts from a fresh
# copy of it, so nothing a run installed hides a package the scripts forgot. The packages
# downloaded are kept in $MIRATO_DEBIAN13_ROOT.debs for the next run. Needs root (sudo when
# not root) for debootstrap, the mounts and chroot.
set -eu
cd "$(dirname "$0")/.."

kde=""
[ "${1:-}" = "--kde" ] && kde=1
root=${MIRATO_DEBIAN13_ROOT:-/var/cache/mirato-debian13}

if [ "$(id -u)" -ne 0 ]; then
    command -v sudo >/dev/null 2>&1 || { echo "$0 needs root" >&2; exit 1; }
    exec sudo env MIRATO_DEBIAN13_ROOT="$root" CI="${CI:-}" sh "$0" "$@"
fi

# The mirror this machine installs from, so the test reaches nothing else.
mirror=$(sed -n 's/^URIs:[[:space:]]*\([^[:space:]]*debian\)[[:space:]]*$/\1/p' \
    /etc/apt/sources.list.d/*.sources 2>/dev/null | head -1)
[ -n "$mirror" ] || mirror=$(sed -n 's/^deb[[:space:]]\+\(http[^[:space:]]*debian\)[[:space:]].*/\1/p' \
    /etc/apt/sources.list 2>/dev/null | head -1)
[ -n "$mirror" ] || mirror=http://deb.debian.org/debian

base=$root.base
debs=$root.debs
started=$(date +%s)
if [ ! -f "$base/.mirato-ready" ]; then
    command -v debootstrap >/dev/null 2>&1 || {
        DEBIAN_FRONTEND=noninteractive apt-get update -qq
        DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends debootstrap
    }
    # A half-made system from a run that was stopped is made again from the start.
    rm -rf "$base"
    mkdir -p "$base"
    echo "Making Debian 13 in $base from $mirror"
    debootstrap --variant=minbase trixie "$base" "$mirror" >"$base.log" 2>&1 || {
        tail -20 "$base.log"
        exit 1
    }
    touch "$base/.mirato-ready"
    echo "Debian 13 made in $(($(date +%s) - started)) s"
fi
rm -rf "$root"
cp -a "$base" "$root"
mkdir -p "$debs/partial"
cp /etc/resolv.conf "$root/etc/resolv.conf"

# A fresh copy of the repository's files (the work tree, as committed or not), as a clone
# would give.
work=/root/mirato
rm -rf "${root:?}$work"
mkdir -p "$root$work"
git ls-files -z --cached --others --exclude-standard |
    tar --null -T - -cf - | tar -xf - -C "$root$work"

inner="cd $work"
[ -n "$kde" ] && inner="$inner && apt-get update -qq && DEBIAN_FRONTEND=noninteractive \
apt-get install -y -qq --no-install-recommends kwin-wayland xwayland xdg-desktop-portal \
xdg-desktop-portal-kde kglobalacceld kwin-common dbus-daemon"
inner="$inner && scripts/dev.sh test"

log=$(mktemp)
trap 'rm -f "$log"' EXIT
# The mounts live in a mount namespace of their own and go with it, however the run ends.
status=0
unshare --mount --propagation private sh -c '
    root=$1 debs=$2; shift 2
    mount -t proc proc "$root/proc"
    mount --rbind /sys "$root/sys"
    mount --rbind /dev "$root/dev"
    mount -t tmpfs tmpfs "$root/tmp"
    mount -t tmpfs tmpfs "$root/run"
    mount --bind "$debs" "$root/var/cache/apt/archives"
    exec chroot "$root" "$@"' chroot "$root" "$debs" \
    env -i HOME=/root PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin \
    LANG=C.UTF-8 TERM=dumb CI="${CI:-}" sh -c "$inner" 2>&1 | tee "$log" || true
grep -q '100% tests passed' "$log" || status=1
# A test skipped for want of a tool is a package the scripts forgot to install; only the KDE
# run may be missing, when its packages were not asked for.
skipped=$(sed -n 's/.*Test *#[0-9]*: *\([^ ]*\) .*\*\*\*Skipped.*/\1/p' "$log")
for test in $skipped; do
    [ "$test" = e2e_kde_wayland ] && [ -z "$kde" ] && continue
    echo "Debian 13: $test was skipped" >&2
    status=1
done
echo "Debian 13 run: $(($(date +%s) - started)) s, $([ $status -eq 0 ] && echo passed || echo FAILED)"
exit $status
