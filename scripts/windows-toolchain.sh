# SPDX-FileCopyrightText: 2026 Tilora developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Sourced by the scripts that build for Windows, on Debian 13: the MinGW-w64 cross compiler from
# Debian, and Qt and libjpeg-turbo built from Debian's own source packages for it, static, once per
# version, in /var/cache/tilora/mingw64 (or $TILORA_ROOTS/mingw64).

WINDOWS_BUILD_PACKAGES=(g++-mingw-w64-x86-64-posix cmake ninja-build pkg-config g++ qt6-base-dev qt6-base-dev-tools
                        dpkg-dev nasm patch)
# The translations are compiled, and Qt's own texts taken, from this machine's Qt; the end-to-end
# suite that drives tilora.exe is a program of this machine's.
WINDOWS_BUILD_PACKAGES+=(qt6-l10n-tools qt6-translations-l10n libxcb1-dev)
# The downloads take their dates from the last commit.
WINDOWS_BUILD_PACKAGES+=(git)
MINGW_CACHE=${TILORA_ROOTS:-/var/cache/tilora}/mingw64
MINGW_TRIPLE=x86_64-w64-mingw32
# What lets the linker's --gc-sections drop each unused function and data item on its own.
SECTION_FLAGS="-ffunction-sections -fdata-sections"
# Qt's features that nothing in tilora.exe or its tests uses. Qt 6.8.2 cannot leave out Direct2D (its
# DirectWrite fonts need it), nor the main window and tool bars, nor what its Windows 11 style uses (style sheets, the
# input dialog, tree, table and graphics views, graphics effects, command link buttons): those stay.
MINGW_QT_LEFT_OUT=(style_fusion filedialog fscompleter filesystemmodel
    colordialog fontdialog wizard mdiarea dockwidget toolbox calendarwidget datetimeedit undoview
    columnview tablewidget treewidget fontcombobox lcdnumber dial splashscreen syntaxhighlighter
    keysequenceedit datawidgetmapper errormessage progressdialog textbrowser
    textodfwriter textmarkdownreader textmarkdownwriter pdf picture movie freetype undocommand undostack undogroup
    systemtrayicon sha3_fast jalalicalendar islamiccivilcalendar hijricalendar)

# Adds the source archive of the mirror that already serves this release's packages, if apt has none.
enable_debian_sources() {
    local codename site
    codename=$(. /etc/os-release && echo "$VERSION_CODENAME")
    if ! apt-get indextargets --format '$(TARGET_OF)' | grep -qx deb-src; then
        site=$(apt-get indextargets --format '$(SITE) $(RELEASE) $(TARGET_OF)' \
            | awk -v suite="$codename" '$2 == suite && $3 == "deb" { print $1; exit }')
        [ -n "$site" ] || { echo "No Debian mirror for $codename in apt's sources" >&2; return 1; }
        echo "deb-src $site $codename main" | as_root tee /etc/apt/sources.list.d/tilora-sources.list >/dev/null
        as_root apt-get update -qq
    fi
}

# The CMake description of the cross compiler, written beside what is built with it.
write_mingw_toolchain() {
    local file=$1
    cat >"$file" <<EOF
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(CMAKE_C_COMPILER $MINGW_TRIPLE-gcc-posix)
set(CMAKE_CXX_COMPILER $MINGW_TRIPLE-g++-posix)
set(CMAKE_RC_COMPILER $MINGW_TRIPLE-windres)
set(CMAKE_FIND_ROOT_PATH /usr/$MINGW_TRIPLE $MINGW_CACHE)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE BOTH)
EOF
}

# Unpacks Debian's source of a package at the given version, with Debian's patches applied, into a fresh
# folder, and prints the folder's name.
fetch_debian_source() {
    local package=$1 version=$2 dir=$3
    rm -rf "$dir" && mkdir -p "$dir"
    if ! (cd "$dir" && apt-get source -qq --only-source "$package=$version" >&2); then
        echo "apt-get source failed: unpacking the archives apt lists for $package $version instead" >&2
        unpack_debian_source "$package" "$version" "$dir" || return 1
    fi
    find "$dir" -mindepth 1 -maxdepth 1 -type d | head -n 1
}

# What dpkg-source does for a "3.0 (quilt)" source, for a mirror that serves the tarballs but not the .dsc
# (seen with libjpeg-turbo 2.1.5-4): each tarball is checked against the hash in apt's source index.
unpack_debian_source() {
    local package=$1 version=$2 dir=$3 uri name size hash tree
    while read -r uri name size hash; do
        uri=${uri//\'/}
        [[ $name == *.dsc ]] && continue
        /usr/lib/apt/apt-helper download-file "$uri" "$dir/$name" "$hash" >&2 || return 1
    done < <(cd "$dir" && apt-get source --print-uris -qq --only-source "$package=$version" | grep "^'")
    tree=$dir/$package-${version#*:}
    tree=${tree%-*}
    mkdir -p "$tree"
    tar -xf "$dir"/*.orig.tar.* -C "$tree" --strip-components=1
    tar -xf "$dir"/*.debian.tar.* -C "$tree"
    if [ -f "$tree/debian/patches/series" ]; then
        grep -v '^[[:space:]]*\(#\|$\)' "$tree/debian/patches/series" | while read -r patch options; do
            patch -d "$tree" -s -p1 ${options:-} <"$tree/debian/patches/$patch" >&2 || exit 1
        done || return 1
    fi
}

# libjpeg-turbo, static, with the TurboJPEG API the tests use; the version Debian's Qt links.
build_mingw_libjpeg() {
    local version=$1 prefix=$2 work source
    work=$MINGW_CACHE/work/libjpeg-turbo
    source=$(fetch_debian_source libjpeg-turbo "$version" "$work") || return 1
    cmake -S "$source" -B "$work/build" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$MINGW_CACHE/toolchain.cmake" \
        -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX="$prefix" -DCMAKE_C_FLAGS="$SECTION_FLAGS" \
        -DENABLE_SHARED=OFF -DENABLE_STATIC=ON -DWITH_TURBOJPEG=ON -DWITH_JAVA=OFF
    cmake --build "$work/build" --parallel "$(nproc)"
    cmake --install "$work/build"
    mkdir -p "$prefix/share/doc/libjpeg-turbo"
    cp "$source/debian/copyright" "$prefix/share/doc/libjpeg-turbo/debian-copyright"
    rm -rf "$work"
}

# Qt's base, static, with only what the game uses: Core, Gui, Widgets, Test, the Windows platform and
# its native styles, and the JPEG and GIF readers (a GIF named .jpg plays, as on Linux). Debian's host tools
# (moc, rcc, uic) build it; tablets are left out because Debian's source drops the Wintab header the Windows
# platform needs for them. Optimised for size. The linker cannot drop unused functions on Windows: GNU ld
# keeps every function's unwind table, and the table keeps the function. So what no Windows program of ours
# needs is not built at all: the widgets, dialogs, writers and calendars the game never shows, and FreeType
# (fonts come from DirectWrite). Link-time optimisation cannot do it either: Qt's objects are too big for
# the ordinary COFF format, and GCC's linker plugin reads none in the big-object one. Its licence texts and
# Debian's record of its parts' licences are kept for the notices.
build_mingw_qt() {
    local version=$1 prefix=$2 jpeg=$3 work source
    work=$MINGW_CACHE/work/qt6-base
    source=$(fetch_debian_source qt6-base "$version" "$work") || return 1
    cmake -S "$source" -B "$work/build" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$MINGW_CACHE/toolchain.cmake" \
        -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX="$prefix" -DCMAKE_PREFIX_PATH="$jpeg" \
        -DFEATURE_optimize_size=ON -DCMAKE_C_FLAGS="$SECTION_FLAGS" -DCMAKE_CXX_FLAGS="$SECTION_FLAGS" \
        -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
        -DBUILD_SHARED_LIBS=OFF -DFEATURE_static_runtime=ON -DQT_UNITY_BUILD=ON \
        -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF -DQT_BUILD_BENCHMARKS=OFF -DQT_GENERATE_SBOM=OFF \
        -DFEATURE_tabletevent=OFF -DFEATURE_sql=OFF -DFEATURE_network=OFF -DFEATURE_printsupport=OFF \
        -DFEATURE_xml=OFF -DFEATURE_concurrent=OFF -DFEATURE_dbus=OFF -DINPUT_opengl=no -DFEATURE_opengl=OFF -DFEATURE_dynamicgl=OFF \
        -DFEATURE_jpeg=ON -DFEATURE_system_jpeg=ON -DFEATURE_gif=ON -DFEATURE_ico=OFF \
        $(printf -- '-DFEATURE_%s=OFF ' "${MINGW_QT_LEFT_OUT[@]}")
    cmake --build "$work/build" --parallel "$(nproc)"
    cmake --install "$work/build"
    mkdir -p "$prefix/share/doc/qt6-base"
    cp -r "$source/LICENSES" "$source/debian/copyright" "$prefix/share/doc/qt6-base/"
    rm -rf "$work"
}

# The Debian source package and its version that a package was built from.
debian_source_of() {
    dpkg-query -W -f='${source:Package} ${source:Version}' "$1"
}

# Installs the cross compiler and builds what is not built yet; sets MINGW_QT and MINGW_JPEG to their folders,
# and WINDOWS_SOURCES to the Debian source packages (name and version) of what tilora.exe holds: Qt,
# libjpeg-turbo, the MinGW-w64 runtime and GCC's runtime libraries.
ensure_windows_toolchain() {
    local qt_version jpeg_version compiler recipe start
    ensure_packages "${WINDOWS_BUILD_PACKAGES[@]}"
    enable_debian_sources
    # The same Qt as the host tools, and the libjpeg-turbo Debian's Qt itself is built against.
    qt_version=$(dpkg-query -W -f='${source:Version}' qt6-base-dev-tools)
    jpeg_version=$(dpkg-query -W -f='${source:Version}' libjpeg62-turbo)
    WINDOWS_SOURCES=("qt6-base $qt_version" "libjpeg-turbo $jpeg_version" "$(debian_source_of mingw-w64-x86-64-dev)"
                     "$(debian_source_of g++-mingw-w64-x86-64-posix)")
    # The compiler and its runtime: a root upgraded to a newer one builds its libraries afresh, as
    # objects of two compilers' runtimes do not link into one program reliably.
    compiler=gcc-$(dpkg-query -W -f='${Version}' g++-mingw-w64-x86-64-posix)-mingw-$(dpkg-query -W -f='${Version}' mingw-w64-x86-64-dev)
    # Named without the epoch, as Debian names source files: a colon would end a search path.
    # The recipe is part of the name too: a library configured otherwise is built afresh.
    recipe=$(printf '%s\n' "$SECTION_FLAGS" "$(declare -f build_mingw_libjpeg)" | sha256sum | cut -c1-12)
    MINGW_JPEG=$MINGW_CACHE/libjpeg-turbo-${jpeg_version#*:}-${compiler//:/_}-$recipe
    recipe=$(printf '%s\n' "$SECTION_FLAGS" "$(declare -f build_mingw_libjpeg build_mingw_qt)" "${MINGW_QT_LEFT_OUT[*]}" \
        | sha256sum | cut -c1-12)
    MINGW_QT=$MINGW_CACHE/qt6-base-${qt_version#*:}-jpeg-${jpeg_version#*:}-${compiler//:/_}-$recipe
    # Only the cache's folder needs root; what goes in it is built as whoever runs the build.
    if [ ! -w "$MINGW_CACHE" ]; then
        as_root mkdir -p "$MINGW_CACHE"
        as_root chown "$(id -u):$(id -g)" "$MINGW_CACHE"
    fi
    write_mingw_toolchain "$MINGW_CACHE/toolchain.cmake"
    # A folder counts only once its build has finished: an interrupted one is built again from scratch.
    if [ ! -f "$MINGW_JPEG/.built" ]; then
        start=$SECONDS
        rm -rf "$MINGW_JPEG"
        build_mingw_libjpeg "$jpeg_version" "$MINGW_JPEG"
        touch "$MINGW_JPEG/.built"
        find "$MINGW_CACHE" -maxdepth 1 -name 'libjpeg-turbo-*' ! -path "$MINGW_JPEG" -exec rm -rf {} +
        echo "Built libjpeg-turbo $jpeg_version for Windows in $((SECONDS - start)) s"
    fi
    if [ ! -f "$MINGW_QT/.built" ]; then
        start=$SECONDS
        rm -rf "$MINGW_QT"
        build_mingw_qt "$qt_version" "$MINGW_QT" "$MINGW_JPEG"
        touch "$MINGW_QT/.built"
        find "$MINGW_CACHE" -maxdepth 1 -name 'qt6-base-*' ! -path "$MINGW_QT" -exec rm -rf {} +
        echo "Built Qt $qt_version for Windows in $((SECONDS - start)) s"
    fi
}
