#!/usr/bin/env bash
# Installs what the build and the tests need on Debian 12. Needs root (or sudo) only when
# something is missing; when everything is there it changes nothing and takes a moment.
set -euo pipefail

packages=(
    cmake ninja-build g++ libgtest-dev clang-format
    g++-mingw-w64-i686-posix g++-mingw-w64-x86-64-posix
    wine wine32:i386 wine64
    xvfb openbox xdotool x11-utils imagemagick
    locales python3
    # A Japanese font: without one Wine draws the program's texts as empty boxes.
    fonts-ipafont-gothic
)
locales=(ja_JP.UTF-8 C.UTF-8)

missing_packages() {
    local package
    for package in "${packages[@]}"; do
        dpkg-query -W -f='${Status}\n' "$package" 2>/dev/null | grep -q '^install ok installed$' ||
            echo "$package"
    done
}

# locale -a spells them in lower case without the dash: ja_JP.utf8.
missing_locales() {
    local available locale
    available=$(locale -a 2>/dev/null | tr '[:upper:]' '[:lower:]')
    for locale in "${locales[@]}"; do
        grep -qx "$(tr '[:upper:]' '[:lower:]' <<<"${locale/UTF-8/utf8}")" <<<"$available" ||
            echo "$locale"
    done
}

as_root() {
    if ((EUID == 0)); then
        "$@"
    elif command -v sudo >/dev/null; then
        sudo "$@"
    else
        echo "setup: '$*' needs root" >&2
        exit 1
    fi
}

if ! dpkg --print-foreign-architectures | grep -qx i386; then
    echo "setup: adding the i386 architecture for 32-bit Wine"
    as_root dpkg --add-architecture i386
fi

mapfile -t missing < <(missing_packages)
if ((${#missing[@]})); then
    echo "setup: installing ${missing[*]}"
    as_root apt-get update
    as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends \
        "${missing[@]}"
fi

mapfile -t missing < <(missing_locales)
if ((${#missing[@]})); then
    echo "setup: generating the locales ${missing[*]}"
    for locale in "${missing[@]}"; do
        as_root sed -i "s/^# *\\(${locale//./\\.} \\)/\\1/" /etc/locale.gen
        grep -q "^${locale//./\\.} " /etc/locale.gen ||
            echo "$locale ${locale#*.}" | as_root tee -a /etc/locale.gen >/dev/null
    done
    as_root locale-gen
fi
