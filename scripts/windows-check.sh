#!/usr/bin/env bash
# The Windows check: installs Debian's MinGW-w64 cross compiler and Wine when they are
# missing, cross-builds the Qt-free layers with the two programs of tests/windows into
# build-windows (warnings as errors), and runs both under Wine: kvr27-file-check
# (save, load, replace, a read-only file, a folder, setup.ini and the dated backups in
# a folder named "José") and kvr27-fuzz-replay (every fuzz target's checks over its
# seed corpus). Prints how long each part took. CI runs it; anyone may.
set -euo pipefail
cd "$(dirname "$0")/.."

part_start=$(date +%s)
part() {
    local now
    now=$(date +%s)
    printf 'windows-check: %-28s %4d s\n' "$1" $((now - part_start))
    part_start=$now
}

packages=(g++-mingw-w64-x86-64-posix wine64)
missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "ok installed"; then
        missing+=("$p")
    fi
done
if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    sudo=""
    if [ "$(id -u)" -ne 0 ]; then sudo="sudo"; fi
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi
part "install"

launcher=()
command -v ccache >/dev/null 2>&1 && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
cmake --no-warn-unused-cli -S . -B build-windows -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64.cmake -DKVR27_WINDOWS_CHECK=ON \
    -DKVR27_WERROR=ON -DCMAKE_BUILD_TYPE=Release "${launcher[@]}" >/dev/null
cmake --build build-windows -j2
part "MinGW build"

# Debian's wine64 package keeps its loader outside the PATH. The prefix lives in the
# build tree; Wine makes it on its first start (without Mono and Gecko, not needed).
wine=$(command -v wine64 || echo /usr/lib/wine/wine64)
export WINEPREFIX="$PWD/build-windows/wine" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
"$wine" wineboot --init >/dev/null 2>&1
part "Wine prefix"

"$wine" build-windows/tests/windows/kvr27-file-check.exe
"$wine" build-windows/tests/windows/kvr27-fuzz-replay.exe tests/fuzz/corpus
part "both programs under Wine"
