#!/usr/bin/env bash
# Runs the benchmarks and prints one table of their figures: a row per
# figure, for each screen size its median, 95th percentile and worst in ms
# (MB for memory) and its target, a figure over its target marked with "!",
# and a last line naming every figure over target. Each benchmark's own
# report goes to bench_output.txt in the current folder.
#   bench_table.sh BIN_FOLDER "SCREENED BENCHMARKS" "OTHER BENCHMARKS"
# Screened benchmarks run at every screen size, the others once.
set -uo pipefail
bin=$1
screened=$2
others=${3:-}
screens=(800x600 1920x1080)
rows=$PWD/bench_rows.tsv
output=$PWD/bench_output.txt
: >"$rows"
: >"$output"
export KOVA_BENCH_ROWS=$rows LC_ALL=C LANG=C XDG_RUNTIME_DIR=${XDG_RUNTIME_DIR:-$PWD/runtime}
# Benchmarks that need a display start their own virtual X server at the
# size asked for.
unset DISPLAY
load=$(cut -d' ' -f1-3 /proc/loadavg)
status=0
run() { # screen benchmark
    echo "== $2 at $1" >>"$output"
    KOVA_BENCH_SCREEN=$1 QT_QPA_PLATFORM=offscreen "$bin/$2" >>"$output" 2>&1 || {
        echo "$2 at $1 failed (see $output)" >&2
        status=1
    }
}
for screen in "${screens[@]}"; do
    for b in $screened; do run "$screen" "$b"; done
done
for b in $others; do run "${screens[0]}" "$b"; done

echo "Benchmarks, load average before the run: $load; reports in $output"
awk -F'\t' -v screens="${screens[*]}" '
function num(v) { return v == "-" ? "" : v + 0 }
function over(v, t) { return t != "-" && v != "-" && v + 0 > t + 0 }
function cell(v, t) { return v == "-" ? "-" : sprintf("%.2f%s", v, over(v, t) ? "!" : "") }
function target(r, s,   t) {
    t = ""
    if (tm[r, s] != "-") t = t "med<=" sprintf("%.1f", tm[r, s])
    if (tp[r, s] != "-") t = t (t == "" ? "" : " ") "p95<=" sprintf("%.1f", tp[r, s])
    if (tw[r, s] != "-") t = t (t == "" ? "" : " ") "max<=" sprintf("%.1f", tw[r, s])
    return t == "" ? "-" : t
}
{
    if (!($1 in seen)) { seen[$1] = 1; order[++n] = $1 }
    me[$1, $2] = $3; p95[$1, $2] = $4; wo[$1, $2] = $5
    tm[$1, $2] = $6; tp[$1, $2] = $7; tw[$1, $2] = $8; had[$1, $2] = 1
}
END {
    ns = split(screens, sc, " ")
    printf "%-44s", "figure"
    for (s = 1; s <= ns; ++s) printf " | %-9s %9s %9s %9s %-18s", sc[s], "median", "p95", "worst", "target"
    printf "\n"
    overList = ""
    for (i = 1; i <= n; ++i) {
        r = order[i]
        printf "%-44s", r
        for (s = 1; s <= ns; ++s) {
            k = sc[s]
            if (!had[r, k]) { printf " | %-9s %9s %9s %9s %-18s", "", "-", "-", "-", "-"; continue }
            printf " | %-9s %9s %9s %9s %-18s", "", cell(me[r, k], tm[r, k]), cell(p95[r, k], tp[r, k]),
                   cell(wo[r, k], tw[r, k]), target(r, k)
            if (over(me[r, k], tm[r, k])) overList = overList "\n  " r " at " k ": median " me[r, k]
            if (over(p95[r, k], tp[r, k])) overList = overList "\n  " r " at " k ": p95 " p95[r, k]
            if (over(wo[r, k], tw[r, k])) overList = overList "\n  " r " at " k ": worst " wo[r, k]
        }
        printf "\n"
    }
    if (n == 0) print "no figures were recorded"
    else if (overList == "") print "Over target: none"
    else print "Over target (marked !):" overList
}' "$rows"
exit $status
