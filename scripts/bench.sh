#!/usr/bin/env bash
# Measures Rosterly on this machine and prints one table: the benchmark program's timings, then
# the idle CPU use of the loaded editor (2 ms colouring timer running) and its peak memory.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/packages.sh
ensure_packages xvfb xauth time

cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DROSTERLY_BENCH=ON >/dev/null
cmake --build build -j2 --target rosterly-bench rosterly-idle rosterly-sample rosterly-cli zlib2.dll \
    >/dev/null

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
build/rosterly-sample "$work/game" >/dev/null

QT_QPA_PLATFORM=offscreen build/rosterly-bench --benchmark_format=csv 2>/dev/null >"$work/bench.csv"

# Idle CPU: the editor's own CPU time over 10 s after Load, read from /proc.
idle_seconds=10
xvfb-run -a -s "-screen 0 1280x900x24" /usr/bin/time -v -o "$work/time.txt" \
    build/rosterly-idle "$work/game" $((idle_seconds + 3)) >"$work/idle.out" 2>/dev/null &
for _ in $(seq 100); do
    grep -q loaded "$work/idle.out" 2>/dev/null && break
    sleep 0.1
done
pid=$(pgrep -n -f "rosterly-idle $work/game")
ticks() { awk '{print $14 + $15}' "/proc/$pid/stat"; }
hz=$(getconf CLK_TCK)
before=$(ticks)
sleep "$idle_seconds"
after=$(ticks)
wait || true
idle_cpu=$(awk -v t=$((after - before)) -v hz="$hz" -v s="$idle_seconds" \
    'BEGIN { printf "%.2f %%", 100 * t / hz / s }')
peak_kb=$(awk -F': ' '/Maximum resident set size/ {print $2}' "$work/time.txt")

# The same with the player table open, sorted and filtered: what the grid takes beside the editor.
xvfb-run -a -s "-screen 0 1280x900x24" /usr/bin/time -v -o "$work/time-table.txt" \
    build/rosterly-idle "$work/game" 1 --table >/dev/null 2>&1
table_kb=$(awk -F': ' '/Maximum resident set size/ {print $2}' "$work/time-table.txt")

# The command line: the players a filter chooses against the export of the players sheet, each
# the mean of ten runs (wall time, the program started each time).
mean_ms() {
    local start end
    start=$(date +%s%N)
    for _ in $(seq 10); do "$@" >/dev/null; done
    end=$(date +%s%N)
    awk -v ns=$((end - start)) 'BEGIN { printf "%.1f", ns / 10 / 1e6 }'
}
export_ms=$(mean_ms build/rosterly-cli export "$work/game/unnamed_25.bin" --out "$work/sheets")
players_ms=$(mean_ms build/rosterly-cli players "$work/game/unnamed_25.bin" \
    "$work/game/unnamed_32.bin" --where "position=CF,SS speed>=80 teams~a")

printf '\n%-34s %14s\n' "Operation" "Time"
printf '%-34s %14s\n' "----------------------------------" "--------------"
awk -F, 'NR > 1 && $1 !~ /^"?name/ {
    gsub(/"/, "", $1);
    printf "%-34s %11.3f %s\n", $1, $4, $5
}' "$work/bench.csv"
printf '%-34s %14s\n' "idle CPU after Load (10 s)" "$idle_cpu"
printf '%-34s %11.1f MB\n' "peak memory after Load" "$(awk -v k="$peak_kb" 'BEGIN {print k / 1024}')"
printf '%-34s %11.1f MB\n' "the same with the player table" "$(awk -v k="$table_kb" 'BEGIN {print k / 1024}')"
printf '%-34s %11s ms\n' "rosterly-cli export (players)" "$export_ms"
printf '%-34s %11s ms\n' "rosterly-cli players --where" "$players_ms"
echo
echo "Machine: $(nproc) cores, $(awk '/MemTotal/ {printf "%.0f GiB", $2 / 1048576}' /proc/meminfo), $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2 | sed 's/^ //')"
