#!/usr/bin/env bash
# Static analysis of the Qt-free layers (src/core, src/image, src/link, src/editors,
# src/files, src/commands): clang-tidy with the checks of .clang-tidy, then cppcheck. Exits
# non-zero on any finding of either.
#
#   bash scripts/static-analysis.sh [BUILD_FOLDER]
#
# BUILD_FOLDER (default: build) must hold compile_commands.json, which every
# configured build folder of this project does; it is configured here when missing.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
core_folders=(src/core src/image src/link src/editors src/files src/commands)
# The Windows branch of the file calls is not compiled here: the MinGW build of
# scripts/windows-check.sh holds it to the core's warnings as errors.
windows_only=src/core/SystemFilesWindows.cpp

if [ ! -f "$build/compile_commands.json" ]; then
    cmake -S . -B "$build" >/dev/null
fi
# The generated sources (moc) need nothing built first; the core has none anyway.

status=0

echo "clang-tidy: the core's sources"
clang_tidy=$(command -v clang-tidy-14 || command -v clang-tidy)
# Its count of warnings in system headers, which it does not show, is left out.
if ! find "${core_folders[@]}" -name '*.cpp' ! -path "$windows_only" -print0 | sort -z |
    xargs -0 -n1 -P2 "$clang_tidy" -p "$build" --quiet 2>&1 |
    { grep -v '^[0-9]* warnings\{0,1\} generated\.$' || true; }; then
    echo "clang-tidy: findings above" >&2
    status=1
fi

echo "cppcheck: the core"
if ! cppcheck --quiet --std=c++20 --language=c++ -I src -j2 \
    --enable=warning,performance,portability --inline-suppr --error-exitcode=1 -i "$windows_only" \
    "${core_folders[@]}"; then
    echo "cppcheck: findings above" >&2
    status=1
fi

exit $status
