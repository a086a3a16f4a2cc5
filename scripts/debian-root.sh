# SPDX-FileCopyrightText: 2026 Tilora developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Sourced by scripts/test: runs a script of this tree inside a root of another Debian release,
# made once with debootstrap from the mirror this machine's apt already uses, and kept in
# /var/cache/tilora (or $TILORA_ROOTS) so later runs only refresh its packages and build incrementally.

declare -A DEBIAN_CODENAMES=([12]=bookworm [13]=trixie)
# Where the roots and what is built once for them are kept; a developer may keep a root of their own.
TILORA_ROOTS=${TILORA_ROOTS:-/var/cache/tilora}

# The first site of this machine's apt sources that serves the given suite.
apt_site_of() {
    apt-get indextargets --format '$(SITE) $(RELEASE) $(TARGET_OF)' \
        | awk -v suite="$1" '$2 == suite && $3 == "deb" { print $1; exit }'
}

# Makes the root if it is not there yet, with the sources for its release on this machine's mirror.
make_debian_root() {
    local root=$1 codename=$2 host_codename mirror security
    host_codename=$(. /etc/os-release && echo "$VERSION_CODENAME")
    mirror=$(apt_site_of "$host_codename")
    security=$(apt_site_of "$host_codename-security")
    [ -n "$mirror" ] || { echo "No Debian mirror for $host_codename in this machine's apt sources" >&2; return 1; }
    if [ ! -x "$root/usr/bin/apt-get" ]; then
        ensure_packages debootstrap
        echo "Making a Debian $codename root in $root from $mirror"
        as_root rm -rf "$root.new"
        as_root debootstrap --variant=minbase --include=ca-certificates "$codename" "$root.new" "$mirror"
        as_root mv "$root.new" "$root"
    fi
    {
        echo "deb $mirror $codename main"
        echo "deb $mirror $codename-updates main"
        [ -z "$security" ] || echo "deb $security $codename-security main"
    } | as_root tee "$root/etc/apt/sources.list" >/dev/null
    # Packages installed in the root start no services of their own.
    printf '#!/bin/sh\nexit 101\n' | as_root tee "$root/usr/sbin/policy-rc.d" >/dev/null
    as_root chmod +x "$root/usr/sbin/policy-rc.d"
    as_root cp /etc/resolv.conf "$root/etc/resolv.conf"
}

mount_debian_root() {
    local root=$1
    as_root mount -t proc proc "$root/proc"
    as_root mount --rbind /sys "$root/sys"
    as_root mount --make-rslave "$root/sys"
    as_root mount --rbind /dev "$root/dev"
    as_root mount --make-rslave "$root/dev"
    as_root mount -t tmpfs -o mode=1777 tmpfs "$root/tmp"
}

unmount_debian_root() {
    local root=$1 point
    for point in tmp dev sys proc; do
        if mountpoint -q "$root/$point"; then
            as_root umount -R "$root/$point" || as_root umount -R -l "$root/$point"
        fi
    done
}

# Copies the working tree, uncommitted changes and history included, over the root's copy,
# keeping the copy's build folders and the times of unchanged files so builds stay incremental.
copy_tree_into() {
    local copy=$1
    as_root mkdir -p "$copy"
    as_root find "$copy" -mindepth 1 -maxdepth 1 ! -name 'build*' -exec rm -rf {} +
    { git ls-files -z --cached --others --exclude-standard; printf '.git\0'; } \
        | tar --null -T - -cf - | as_root tar -xpf - -C "$copy"
}

# Runs scripts/<name> of this tree inside the root of Debian <release>, then unmounts it,
# whatever the script's result.
run_in_debian() {
    local release=$1 script=$2 root codename status=0
    codename=${DEBIAN_CODENAMES[$release]:-}
    [ -n "$codename" ] || { echo "Unknown Debian release: $release" >&2; return 2; }
    root=$TILORA_ROOTS/debian$release
    make_debian_root "$root" "$codename"
    copy_tree_into "$root/tilora"
    unmount_debian_root "$root"
    trap 'unmount_debian_root "$root"' EXIT
    mount_debian_root "$root"
    echo "Running scripts/$script on Debian $release ($codename) in $root"
    as_root chroot "$root" /usr/bin/env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin HOME=/root LANG=C.UTF-8 \
        CI="${CI:-}" FUZZ_SECONDS="${FUZZ_SECONDS:-}" \
        /bin/bash -c "cd /tilora && apt-get update -qq && DEBIAN_FRONTEND=noninteractive apt-get upgrade -y -qq && scripts/$script" \
        || status=$?
    unmount_debian_root "$root"
    trap - EXIT
    return "$status"
}
