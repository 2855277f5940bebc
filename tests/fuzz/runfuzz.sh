#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Vennor developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Builds the merge's fuzz target with clang's libFuzzer and AddressSanitizer and runs it for a
# short while over the seed corpus. Exits 77 (skipped) where clang++ or its fuzzer runtime is
# missing. usage: runfuzz.sh SOURCE_DIR WORK_DIR SECONDS "QT_INCLUDE_DIRS" QT_CORE_LIBRARY
set -euo pipefail
source_dir=$1 work=$2 seconds=$3 qt_includes=$4 qt_core=$5

if ! command -v clang++ >/dev/null; then
    echo "SKIPPED: clang++ is not installed, so the fuzz target cannot be built"
    exit 77
fi
mkdir -p "$work/corpus"
probe=$work/probe.cpp
printf '%s\n' '#include <cstddef>' '#include <cstdint>' \
    'extern "C" int LLVMFuzzerTestOneInput(const uint8_t*, size_t) { return 0; }' >"$probe"
if ! clang++ -fsanitize=fuzzer,address "$probe" -o "$work/probe" 2>"$work/probe.log"; then
    echo "SKIPPED: clang++ has no libFuzzer runtime here:"
    cat "$work/probe.log"
    exit 77
fi

includes=(-I"$source_dir/src")
IFS=';' read -ra dirs <<<"$qt_includes"
for dir in "${dirs[@]}"; do
    includes+=(-I"$dir")
done
sources=()
for name in vcardmerge vcardreader vcardwriter vcardmapping; do
    sources+=("$source_dir/src/vcard/$name.cpp")
done
for name in printabletext telnumber textfile fields fieldrules numeric record bookname folders; do
    sources+=("$source_dir/src/core/$name.cpp")
done

target=$source_dir/tests/fuzz/mergefuzz.cpp
newer=$(find "$target" "${sources[@]}" "$source_dir/src/core" "$source_dir/src/vcard" -newer "$work/mergefuzz" 2>/dev/null | head -1 || true)
if [ ! -x "$work/mergefuzz" ] || [ -n "$newer" ]; then # built again only after a change
    clang++ -std=c++20 -O1 -g -fPIC -fsanitize=fuzzer,address "${includes[@]}" \
        "$target" "${sources[@]}" "$qt_core" -o "$work/mergefuzz"
fi
# libFuzzer's own exit status for a finding is 77, which CTest would take for "skipped".
"$work/mergefuzz" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -max_len=8192 \
    -error_exitcode=1 -timeout_exitcode=1 -artifact_prefix="$work/" -print_final_stats=1 \
    "$work/corpus" "$source_dir/tests/fuzz/corpus"
