#!/bin/sh
# SPDX-FileCopyrightText: 2026 The Vennor developers
# SPDX-License-Identifier: GPL-3.0-or-later

# lint.sh package DIR: lintian, pedantic, on the .deb the packaging_deb test left in DIR.
# lint.sh sources ROOT: reuse lint on the repository.
# Any tag or complaint fails; without the tool the test is skipped (status 77).
case $1 in
package)
    if ! command -v lintian >/dev/null; then
        echo "lintian is missing (Debian package lintian): the package was not checked"
        exit 77
    fi
    set -- "$2"/vennor_*.deb
    [ -f "$1" ] || { echo "no package in ${1%/*}: packaging_deb makes it"; exit 1; }
    # Tags come on standard output; standard error only says more when lintian failed (it
    # warns there of running as root, as CI does).
    errors=$(mktemp)
    tags=$(lintian --pedantic --display-info --fail-on error,warning,info,pedantic "$1" \
        2>"$errors") && [ -z "$tags" ] && { rm -f "$errors"; exit 0; }
    printf '%s\n' "$tags"
    cat "$errors"
    rm -f "$errors"
    exit 1
    ;;
sources)
    if ! command -v reuse >/dev/null; then
        echo "reuse is missing (Debian package reuse): licensing was not checked"
        exit 77
    fi
    reuse --root "$2" lint
    ;;
*)
    echo "usage: $0 package DIR | sources ROOT" >&2
    exit 2
    ;;
esac
