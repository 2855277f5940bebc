#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Vennor developers
# SPDX-License-Identifier: GPL-3.0-or-later

# ./dev.sh start   install what is missing, build, start the program
# ./dev.sh test    install what is missing, build, run every test
# ./dev.sh tidy    clang-tidy over every source (after a build: it reads compile_commands.json)
# ./dev.sh sanitize  build into build-asan with AddressSanitizer and UndefinedBehaviorSanitizer,
#                    run every test there
set -euo pipefail
cd "$(dirname "$0")"

# xvfb, xauth and xdotool run the end-to-end journeys (tests/e2e) on their own X server;
# libcups2-dev asks the print system whether a queue takes jobs, and cups with
# printer-driver-cups-pdf give its test a private print server; desktop-file-utils and
# appstream validate the installed desktop entry and AppStream data; dpkg-dev and file let
# cpack compute the .deb's library dependencies; abook writes the vCards the import is tried on.
# python3-vobject reads the cards the sync writes; clang with libclang-rt-dev fuzzes the merge;
# vdirsyncer and khard are the second real client the sync tests share an address book with.
# clang-format: the format test checks that every source file is as it writes it.
# clang-tidy: ./dev.sh tidy runs the checks of .clang-tidy over every source.
# openbox: the end-to-end journeys run once under a window manager, where focus is its to give.
# libicu-dev: ICU, under Qt's collator, lists the letters a language writes with two characters.
# qt6-tools-dev and qt6-l10n-tools give lupdate and lrelease and their CMake functions, which
# build the translations; qt6-translations-l10n holds Qt's own (qtbase_de.qm) for its dialogs.
# qt6ct gives the end-to-end journeys a desktop's larger font and dark palette.
# scdoc makes the manual page and librsvg2-bin (rsvg-convert) the PNG icons at build time;
# lintian checks the .deb and reuse the licence of every file.
# dbus-daemon: the call watch's tests run a notification service of their own on a private bus.
# x11-utils (xprop): the journeys read what frame the window manager gave a window.
packages=(cmake ninja-build g++ qt6-base-dev qt6-serialport-dev qt6-svg-dev libqt6svg6
          qt6-tools-dev qt6-l10n-tools qt6-translations-l10n
          xvfb xauth xdotool libcups2-dev cups printer-driver-cups-pdf
          desktop-file-utils appstream dpkg-dev file abook radicale xandikos qtkeychain-qt6-dev
          python3-vobject clang libclang-rt-dev vdirsyncer khard clang-format clang-tidy qt6ct
          scdoc librsvg2-bin lintian reuse openbox libicu-dev dbus-daemon
          x11-utils)

install_missing() {
    local missing=()
    for p in "${packages[@]}"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "ok installed" || missing+=("$p")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "Installing: ${missing[*]}"
    local sudo=""
    [ "$(id -u)" -ne 0 ] && sudo="sudo"
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

build() {
    # Warnings are errors in CI, so that none creeps in unseen.
    local werror=OFF
    [ -n "${CI:-}" ] && werror=ON
    cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVENNOR_WERROR=$werror >/dev/null
    cmake --build build
}

tidy() {
    # Every source of ours the build compiles; .clang-tidy makes any finding an error.
    run-clang-tidy -p build -quiet -j "$(nproc)" "^$PWD/(src|tests|bench)/" >build/tidy.log 2>&1 || {
        sed 's/\x1b\[[0-9;]*m//g' build/tidy.log | grep -E "^$PWD/.*(warning|error):" | sort -u
        echo "clang-tidy found the above (all of it in build/tidy.log)" >&2
        return 1
    }
}

sanitize() {
    # -O1 as the sanitizers advise: fast enough to run every test, frames still whole. Not
    # -Werror: the sanitizers' instrumentation makes g++ warn where the code is sound.
    cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
        -DCMAKE_CXX_FLAGS_RELWITHDEBINFO="-O1 -g1" -DVENNOR_SANITIZE=ON >/dev/null
    cmake --build build-asan
    ctest --test-dir build-asan --output-on-failure
}

case "${1:-}" in
    start)
        install_missing
        build
        exec build/vennor
        ;;
    test)
        install_missing
        build
        ctest --test-dir build --output-on-failure
        ;;
    tidy)
        install_missing
        build
        tidy
        ;;
    sanitize)
        install_missing
        sanitize
        ;;
    *)
        echo "usage: $0 start|test|tidy|sanitize" >&2
        exit 2
        ;;
esac
