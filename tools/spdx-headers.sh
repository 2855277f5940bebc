#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Vennor developers
# SPDX-License-Identifier: GPL-3.0-or-later

# tools/spdx-headers.sh [ROOT]: puts the copyright and licence lines at the top of every file
# git tracks under ROOT (default: this repository) that can carry a comment and has no SPDX
# line yet, in the comment form of its kind, after a first line that must stay first (#!,
# #compdef, <?xml, <!DOCTYPE, the scdoc title). Files that cannot carry one are named in
# .reuse/dep5; any other file it does not know is listed, and the status is then 1.
# Running it again changes nothing.
set -euo pipefail
cd "${1:-$(dirname "$0")/..}"
# Split, so that reuse does not read these lines as this file's own.
copyright='SPDX''-FileCopyrightText: 2026 The Vennor developers'
licence='SPDX''-License-Identifier: GPL-3.0-or-later'

header_for() {
    case $1 in
    *.cpp | *.h | *.c) printf '// %s\n// %s\n' "$copyright" "$licence" ;;
    CMakeLists.txt | */CMakeLists.txt | *.cmake | *.sh | *.bash | *.py | *.desktop | *.ini | *.service | \
        *.yml | *.yaml | *.toml | *.supp | .gitignore | */.gitignore | .clang-format | .clang-tidy | \
        *.lintian-overrides | .ci/run | _vennor | */_vennor)
        printf '# %s\n# %s\n' "$copyright" "$licence" ;;
    *.md | *.html | *.xml | *.qrc | *.svg | *.ui)
        printf '<!--\n%s\n%s\n-->\n' "$copyright" "$licence" ;;
    *.scd) printf '; %s\n; %s\n' "$copyright" "$licence" ;;
    *) return 1 ;;
    esac
}

# Covered by .reuse/dep5, or licence texts themselves.
left_alone() {
    case $1 in
    LICENSE | LICENSES/* | .reuse/* | *.png | *.ts | *.qm | *.vcf | *.json | docs/screenshots/* | \
        tests/fuzz/corpus/* | packaging/copyright | *.doc-base) return 0 ;;
    *) return 1 ;;
    esac
}

unknown=()
while IFS= read -r -d '' file; do
    if left_alone "$file" || [ ! -f "$file" ] || grep -q 'SPDX-License-Identifier' "$file"; then
        continue
    fi
    if ! header=$(header_for "$file"); then
        unknown+=("$file")
        continue
    fi
    first=$(head -n 1 "$file")
    case $first in
    '#!'* | '#compdef'* | '<?xml'* | '<!DOCTYPE'* | '<!doctype'* | *'(1)') keep=1 ;;
    *) keep=0 ;;
    esac
    # The header stands apart from what follows by a blank line, except in XML, HTML and
    # scdoc, where a blank line would change what is shown or be text.
    case $file in
    *.html | *.xml | *.qrc | *.svg | *.ui | *.scd | *.md) gap='' ;;
    *) gap=$'\n' ;;
    esac
    {
        [ $keep = 1 ] && printf '%s\n' "$first"
        printf '%s\n%s' "$header" "$gap"
        tail -n +$((keep + 1)) "$file"
    } >"$file.spdx-new"
    chmod --reference="$file" "$file.spdx-new"
    mv "$file.spdx-new" "$file"
done < <(git ls-files -z)

if [ ${#unknown[@]} -gt 0 ]; then
    printf 'No comment form known for these; add one here or name them in .reuse/dep5:\n' >&2
    printf '  %s\n' "${unknown[@]}" >&2
    exit 1
fi
