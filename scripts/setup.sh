#!/usr/bin/env bash
# Installs what building, running, testing, packaging (cpack -G DEB, which runs
# dpkg-shlibdeps and file; help2man for the manual pages) and checking (.ci/run: the
# sanitizer build by clang with its runtimes, scripts/static-analysis.sh, lintian
# and desktop-file-validate on the package) the program need, from
# Debian's packages, and only what is missing: on a machine that has everything it
# does nothing.
set -euo pipefail
packages=(
    g++ cmake make
    qt6-base-dev qt6-serialport-dev qt6-qpa-plugins
    libzip-dev pkgconf
    qt6-tools-dev qt6-l10n-tools qt6-translations-l10n
    libgl-dev
    fonts-liberation
    poppler-utils
    xvfb xauth
    dpkg-dev file help2man gzip
    clang clang-tidy cppcheck
    lintian desktop-file-utils
)
missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "ok installed"; then
        missing+=("$p")
    fi
done
# The file tests read an exported CSV with Python's csv module.
if ! command -v python3 >/dev/null 2>&1; then
    missing+=(python3)
fi
if [ ${#missing[@]} -eq 0 ]; then
    exit 0
fi
echo "Installing: ${missing[*]}"
sudo=""
if [ "$(id -u)" -ne 0 ]; then sudo="sudo"; fi
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
