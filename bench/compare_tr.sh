#!/usr/bin/env bash
# Times the whole zurvane-text process joining 64 MiB of Chinese GBK prose (join --raw) against
# GNU tr deleting spaces, CRs and LFs from the same file, and prints both times and the ratio.
#   bench/compare_tr.sh        BUILD_DIR (default build/default), RUNS (default 5),
#                              CORPUS_DIR (default $TMPDIR/zurvane-bench, the file is kept)
set -euo pipefail

root="$(cd "$(dirname "$0")/.." && pwd)"
cd "$root"
build="${BUILD_DIR:-build/default}"
filter="$build/app/text_filter/zurvane-text"
make_corpus="$build/bench/make_corpus"
runs="${RUNS:-5}"
for program in "$filter" "$make_corpus"; do
    if [[ ! -x "$program" ]]; then
        echo "missing $program: build the default preset first (cmake --build --preset default)" >&2
        exit 2
    fi
done

corpus_dir="${CORPUS_DIR:-${TMPDIR:-/tmp}/zurvane-bench}"
corpus="$corpus_dir/chinese-64MiB.txt"
mkdir -p "$corpus_dir"
if [[ ! -s "$corpus" ]]; then
    echo "writing $corpus"
    "$make_corpus" chinese 64 >"$corpus.partial"
    mv "$corpus.partial" "$corpus"
fi
cat "$corpus" >/dev/null  # into the page cache, for both alike

# Median wall time in milliseconds of `$@ < corpus > /dev/null` over $runs runs.
median_ms() {
    local times=() start end
    for ((i = 0; i < runs; i++)); do
        start=$(date +%s%N)
        "$@" <"$corpus" >/dev/null
        end=$(date +%s%N)
        times+=($(((end - start) / 1000000)))
    done
    printf '%s\n' "${times[@]}" | sort -n | sed -n "$(((runs + 1) / 2))p"
}

echo "median of $runs runs on $(du -h "$corpus" | cut -f1) of Chinese GBK prose with CR LF lines"
ours=$(median_ms "$filter" join --raw)
theirs=$(median_ms tr -d ' \r\n')
echo "zurvane-text join --raw: ${ours} ms"
echo "tr -d ' \\r\\n':          ${theirs} ms"
awk -v a="$ours" -v b="$theirs" 'BEGIN { printf "ratio (zurvane-text / tr): %.2f (target <= 1.00)\n", a / (b > 0 ? b : 1) }'
