# SPDX-FileCopyrightText: 2026 Tilora developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Sourced by the scripts that build for the browser, on Debian 13: Debian's emscripten, and Qt built
# from Debian's own source package for WebAssembly, static and single-threaded, once per version, in
# /var/cache/tilora/wasm (or $TILORA_ROOTS/wasm).

source scripts/windows-toolchain.sh

# nodejs runs emscripten's compiler driver; Qt's host tools (moc, rcc, uic) and its CMake files for them
# come from this machine's Qt.
WEB_BUILD_PACKAGES=(emscripten nodejs cmake ninja-build qt6-base-dev qt6-base-dev-tools dpkg-dev patch)
# The build-time tools that unpack the artwork are built for this machine.
WEB_BUILD_PACKAGES+=(g++)
# The translations are compiled with this machine's Linguist.
WEB_BUILD_PACKAGES+=(qt6-l10n-tools qt6-translations-l10n)
WASM_CACHE=${TILORA_ROOTS:-/var/cache/tilora}/wasm
# Qt's CMake files look for emscripten under EMSDK; Debian keeps it here.
export EMSDK=/usr/share/emscripten
EMSCRIPTEN_TOOLCHAIN=$EMSDK/cmake/Modules/Platform/Emscripten.cmake
# Changes Qt needs for this emscripten, each saying why; none so far.
mapfile -t WASM_QT_PATCHES < <(compgen -G 'dist/web/qt-*.patch' || true)

# Debian's emscripten ships its system libraries prebuilt in a frozen cache; the variants Qt and the
# game link (size-optimised, Asyncify) that it lacks are built once into a writable copy of it.
prepare_emscripten_cache() {
    local frozen=$EMSDK/cache
    export EM_CACHE=$WASM_CACHE/emscripten-cache-$EMSCRIPTEN_VERSION
    export EM_FROZEN_CACHE=0
    if [ ! -f "$EM_CACHE/.copied" ]; then
        rm -rf "$EM_CACHE" && mkdir -p "$EM_CACHE"
        # Linked, not copied: emscripten adds files to its cache and never rewrites one.
        cp -al "$frozen"/. "$EM_CACHE"/ 2>/dev/null || cp -a "$frozen"/. "$EM_CACHE"/
        touch "$EM_CACHE/.copied"
    fi
}

# Qt's base with only what the game uses: Core, Gui, Widgets, Test, the wasm platform, and the JPEG and
# GIF readers, with Qt's own copies of the libraries it needs (emscripten's ports would download them).
build_wasm_qt() {
    local version=$1 prefix=$2 work source patch
    work=$WASM_CACHE/work/qt6-base
    source=$(fetch_debian_source qt6-base "$version" "$work") || return 1
    for patch in "${WASM_QT_PATCHES[@]}"; do
        [ -f "$patch" ] && { patch -d "$source" -s -p1 <"$patch" || return 1; }
    done
    (cd "$work" && "$source/configure" -prefix "$prefix" -platform wasm-emscripten -qt-host-path /usr \
        -release -optimize-size -static -no-feature-thread -nomake examples -nomake tests \
        -no-feature-sql -no-feature-network -no-feature-printsupport -no-feature-xml -no-feature-concurrent \
        -no-feature-dbus -no-feature-ico -qt-zlib -qt-libpng -qt-libjpeg -qt-freetype -qt-harfbuzz -qt-pcre \
        -- -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake -DQT_UNITY_BUILD=ON -DQT_GENERATE_SBOM=OFF) \
        || return 1
    cmake --build "$work" --parallel "$(nproc)" || return 1
    cmake --install "$work" || return 1
    rm -rf "$work"
}

# Installs emscripten and builds Qt if it is not built yet; sets WASM_QT to its folder.
ensure_web_toolchain() {
    local qt_version recipe start
    ensure_packages "${WEB_BUILD_PACKAGES[@]}"
    enable_debian_sources
    qt_version=$(dpkg-query -W -f='${source:Version}' qt6-base-dev-tools)
    EMSCRIPTEN_VERSION=$(dpkg-query -W -f='${Version}' emscripten)
    EMSCRIPTEN_VERSION=${EMSCRIPTEN_VERSION#*:}
    # The recipe, with the patches it applies, is part of the name: a Qt configured otherwise is built afresh.
    recipe=$( { declare -f build_wasm_qt; [ ${#WASM_QT_PATCHES[@]} -eq 0 ] || cat "${WASM_QT_PATCHES[@]}"; } | sha256sum | cut -c1-12)
    WASM_QT=$WASM_CACHE/qt6-base-${qt_version#*:}-emscripten-$EMSCRIPTEN_VERSION-$recipe
    as_root mkdir -p "$WASM_CACHE"
    prepare_emscripten_cache
    # A folder counts only once its build has finished: an interrupted one is built again from scratch.
    if [ ! -f "$WASM_QT/.built" ]; then
        start=$SECONDS
        rm -rf "$WASM_QT"
        build_wasm_qt "$qt_version" "$WASM_QT" || return 1
        touch "$WASM_QT/.built"
        find "$WASM_CACHE" -maxdepth 1 -name 'qt6-base-*' ! -path "$WASM_QT" -exec rm -rf {} +
        echo "Built Qt $qt_version for WebAssembly with emscripten $EMSCRIPTEN_VERSION in $((SECONDS - start)) s"
    fi
}

# Configures the page's build against that Qt. The build machine's Qt has the same version: its
# translations serve the page.
configure_web_build() {
    local build=$1 toolchain=$WASM_QT/lib/cmake/Qt6/qt.toolchain.cmake; shift
    # A tree configured against another Qt build is configured afresh: CMake reads the toolchain once.
    if [ -f "$build/CMakeCache.txt" ] && ! grep -q "^CMAKE_TOOLCHAIN_FILE:[A-Z]*=$toolchain\$" "$build/CMakeCache.txt"; then
        rm -rf "$build/CMakeCache.txt" "$build/CMakeFiles"
    fi
    configure_project . "$build" -DCMAKE_BUILD_TYPE=MinSizeRel -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
        -DBUILD_TESTING=OFF -DTILORA_QT_TRANSLATIONS_DIR=/usr/share/qt6/translations "$@"
}
