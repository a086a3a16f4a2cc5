# SPDX-FileCopyrightText: 2026 Tilora developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Shared by the scripts: install what is missing, configure once, then build.

# Debian packages the build and the game need.
BUILD_PACKAGES=(cmake ninja-build pkg-config g++ qt6-base-dev qt6-base-dev-tools qt6-qpa-plugins
                libxcb1-dev libxcb-shape0-dev libbenchmark-dev libturbojpeg0-dev fonts-liberation2 fonts-dejavu-core)
# Qt's translation tools (lupdate, lrelease and their CMake functions), and Qt's own translations,
# compiled in beside the program's.
BUILD_PACKAGES+=(qt6-tools-dev qt6-l10n-tools qt6-translations-l10n)

# What scripts/test, scripts/package and CI build with: the game's own code is warning-free there.
STRICT=-DTILORA_WARNINGS_AS_ERRORS=ON

as_root() {
    if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi
}

# Installs only the packages that are not installed yet.
ensure_packages() {
    local missing=()
    for package in "$@"; do
        if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q '^install ok installed$'; then
            missing+=("$package")
        fi
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "Installing: ${missing[*]}"
    # Several builds may install at once (a root's Windows and web legs): each waits for the others' dpkg.
    as_root apt-get -o DPkg::Lock::Timeout=900 update -qq
    # Recommendations would bring hundreds of packages (PyQt, VLC, KDE's crash handler) that nothing
    # here uses: whatever a tool needs beyond its own dependencies is named where it is installed.
    as_root env DEBIAN_FRONTEND=noninteractive apt-get -o DPkg::Lock::Timeout=900 install -y -qq --no-install-recommends "${missing[@]}"
}

# Configures once, then builds incrementally into the given folder.
build_tree() {
    build_project . "$@"
}

# The same for another CMake project of the tree (the fuzzer): its folder, then the build folder.
build_project() {
    configure_project "$@"
    cmake --build "$2" --parallel "$(nproc)"
}

# Configures a CMake project: its folder, then the build folder, then options. A folder made
# before keeps its generator and build type, and takes the options anew, so a tree first built
# by scripts/run still fails on warnings once scripts/test builds it.
configure_project() {
    local source=$1 dir=$2; shift 2
    if [ -f "$dir/CMakeCache.txt" ]; then
        cmake -S "$source" -B "$dir" "$@" >/dev/null
    else
        cmake -S "$source" -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@"
    fi
}
