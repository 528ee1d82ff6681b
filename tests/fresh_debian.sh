#!/bin/sh
# What a new user of Debian SUITE (bookworm, trixie) sees: a minimal root, an
# ordinary user with sudo, a clean clone of CLONE in that user's home, then
# `make demo` and `make test` as that user, each timed. Not part of ctest: it
# downloads a Debian system and takes a quarter of an hour or more.
#
#   sudo sh tests/fresh_debian.sh SUITE CLONE [ROOT]
#
# CLONE is any git repository; its checked-out branch is cloned. ROOT defaults
# to /var/tmp/roots/SUITE. The bare root from debootstrap is kept beside it in
# ROOT.minbase and copied afresh for every run, so each run starts from nothing
# installed; delete ROOT.minbase for a newer Debian. ROOT stays for a look
# afterwards (logs in ROOT/home/learner/). MIRROR chooses the Debian mirror.
set -eu

[ $# -ge 2 ] || { echo "usage: $0 SUITE CLONE [ROOT]" >&2; exit 2; }
[ "$(id -u)" -eq 0 ] || { echo "$0: debootstrap and chroot need root" >&2; exit 2; }
suite=$1
clone=$(cd "$2" && pwd)
root=${3:-/var/tmp/roots/$suite}
mirror=${MIRROR:-http://deb.debian.org/debian}
user=learner

mounted_inside() { grep -q " $root/" /proc/mounts; }

if [ ! -d "$root.minbase" ]; then
    mkdir -p "$(dirname "$root")"
    debootstrap --variant=minbase "$suite" "$root.minbase.new" "$mirror"
    mv "$root.minbase.new" "$root.minbase"
fi
# A root with /dev still bound into it must never be deleted: rm would reach
# the machine's own devices.
if mounted_inside; then
    echo "$0: something is still mounted under $root; unmount it first" >&2
    exit 1
fi
rm -rf "$root"
cp -a "$root.minbase" "$root"

unmount() {
    for point in dev/pts dev proc; do
        ! mountpoint -q "$root/$point" || umount "$root/$point"
    done
}
trap unmount EXIT
mount -t proc proc "$root/proc"
mount --bind /dev "$root/dev"
mount --bind /dev/pts "$root/dev/pts"
cp /etc/resolv.conf "$root/etc/resolv.conf"
# The root shares this machine's name; an installed system knows its own name,
# and sudo complains on every call when it cannot resolve it.
echo "127.0.1.1 $(hostname)" >> "$root/etc/hosts"

# What the README asks of a bare machine before the first make.
in_root() { chroot "$root" env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin DEBIAN_FRONTEND=noninteractive "$@"; }
in_root apt-get update -q
in_root apt-get install -q -y --no-install-recommends git make ca-certificates sudo
in_root useradd --create-home --shell /bin/bash --groups sudo "$user"
# sudo would ask for a password, and nobody is there to type it.
echo "$user ALL=(ALL) NOPASSWD: ALL" > "$root/etc/sudoers.d/$user"
chmod 440 "$root/etc/sudoers.d/$user"

home=$root/home/$user
git clone -q "$clone" "$home/orrik"
in_root chown -R "$user:" /home/$user/orrik

status=0
for target in demo test; do
    start=$(date +%s)
    if in_root runuser -l "$user" -c "cd orrik && make $target" > "$home/make-$target.log" 2>&1; then
        result=passed
    else
        result=FAILED
        status=1
    fi
    echo "$suite: make $target $result in $(( $(date +%s) - start )) s (log: $home/make-$target.log)"
    [ $result = passed ] || { grep -E '^ *[0-9]+% tests passed|\(Failed\)|Error [0-9]' "$home/make-$target.log" || tail -n 20 "$home/make-$target.log"; break; }
done
exit $status
