# SPDX-FileCopyrightText: 2026 Tilora developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Writes the page's service worker: the files of page-files.txt, and a version that is a hash of their
# names and contents. Run as cmake -DBUILD=<build folder> -DTEMPLATE=<service-worker.js> -P ServiceWorker.cmake.
file(STRINGS ${BUILD}/page-files.txt files)
list(REMOVE_ITEM files service-worker.js)
set(contents)
set(quoted)
foreach(file IN LISTS files)
    file(SHA256 ${BUILD}/${file} hash)
    string(APPEND contents "${hash}  ${file}\n")
    list(APPEND quoted "'${file}'")
endforeach()
string(SHA256 PAGE_VERSION "${contents}")
string(SUBSTRING ${PAGE_VERSION} 0 16 PAGE_VERSION)
list(JOIN quoted ", " PAGE_FILES)
configure_file(${TEMPLATE} ${BUILD}/service-worker.js @ONLY)
