#!/usr/bin/env bash
# Whole-process figures of the built programs, medians of several runs:
#   contacts  kivvo-cli contacts over a 10 MB address book shaped like real exports
#             (the files of tests/fixtures/vcard over and over): time and peak memory
#   lists     kivvo-cli lists of a document of 255 drawings of 1,000 persons: time
#   startup   kivvo to its first window (offscreen), beside a Qt window and nothing more
#             (build/bin/hello_window): from the start of the process to the shown window
#
#   scripts/bench-process.sh [BIN_DIR [OTHER_BIN_DIR]]   default build/bin; with a second
#                                                        folder both are measured in turn
#   KIVVO_BENCH_RUNS=15 KIVVO_BENCH_ONLY="contacts lists" scripts/bench-process.sh
# Nothing is built here: build the programs (and hello_window) first.
set -euo pipefail
cd "$(dirname "$0")/.."

runs=${KIVVO_BENCH_RUNS:-9}
only=${KIVVO_BENCH_ONLY:-contacts lists startup}
bins=("${1:-build/bin}")
[ -n "${2:-}" ] && bins+=("$2")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# The median of the numbers on standard input.
median() { sort -g | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }

# Runs "$@" $runs times; prints the median milliseconds and the median peak memory in MB.
measure() {
    local times=() rss=() start end
    for _ in $(seq "$runs"); do
        start=$(date +%s%N)
        /usr/bin/time -f "%M" -o "$work/time" "$@" >/dev/null 2>"$work/stderr" ||
            { cat "$work/stderr" >&2; return 1; }
        end=$(date +%s%N)
        times+=($(((end - start) / 1000)))
        rss+=("$(cat "$work/time")")
    done
    printf '%s ms, peak %s MB' \
        "$(printf '%s\n' "${times[@]}" | median | awk '{ printf "%.1f", $1 / 1000 }')" \
        "$(printf '%s\n' "${rss[@]}" | median | awk '{ printf "%.1f", $1 / 1024 }')"
}

python3 - "$work" tests/fixtures/vcard <<'PY'
import pathlib, struct, sys
work, fixtures = pathlib.Path(sys.argv[1]), pathlib.Path(sys.argv[2])
# 10 MB of real exports, each round led by a card of its own.
exports = b"".join(f.read_bytes() + b"\r\n" for f in sorted(fixtures.glob("*.vcf")))
docs = work / "home" / "Documents"
docs.mkdir(parents=True)
with open(docs / "contacts.vcf", "wb") as out:
    size, n = 0, 0
    while size < 10_000_000:
        card = (f"BEGIN:VCARD\r\nVERSION:3.0\r\nFN:Person {n}\r\nN:{n};Person;;;\r\n"
                f"EMAIL;TYPE=INTERNET,pref:p{n}@example.com\r\nEND:VCARD\r\n").encode()
        out.write(card + exports)
        size += len(card) + len(exports)
        n += 1
# 255 drawings of 1,000 persons: 100 households of 5 and 500 persons on their own.
def text(s):
    units = s.encode("utf-16-le")
    return b"\xff\xfe\xff" + bytes([len(s)]) + units
def person(name, address, suggestions, gift_to):
    return struct.pack("<i", 1) + text(name) + text(address) + text(suggestions) + text(gift_to)
parts = [struct.pack("<iB", 1, 255)]
for n in range(255):
    parts.append(text(f"Christmas {2026 - n}"))
    for g in range(100):
        parts.append(struct.pack("<i", 2) + text(f"Household {g}") + struct.pack("<i", 5))
        parts += [person(f"Person {g}-{i}", "someone@example.com", "", f"Person {i}") for i in range(5)]
    parts += [person(f"Person {i}", "", "Books, tea", f"Person 0-{i % 5}") for i in range(500)]
    parts.append(struct.pack("<i", 3))
(work / "history.kv").write_bytes(b"".join(parts))
PY

export HOME="$work/home" XDG_CONFIG_HOME="$work/home/.config" XDG_DOCUMENTS_DIR="$work/home/Documents"
export QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR="$work/runtime"
mkdir -m 700 "$work/runtime"
unset DBUS_SESSION_BUS_ADDRESS
for bin in "${bins[@]}"; do
    echo "== $bin"
    if [[ " $only " == *" contacts "* ]]; then
        echo "contacts (10 MB): $(measure "$bin/kivvo-cli" contacts)"
    fi
    if [[ " $only " == *" lists "* ]]; then
        echo "lists (255 x 1,000): $(measure "$bin/kivvo-cli" lists "$work/history.kv")"
    fi
    if [[ " $only " == *" startup "* ]]; then
        # Taken in turns, so that the load of a shared machine falls on both alike; the time
        # runs from starting the process to the line the shown window prints.
        python3 - "$runs" "$bin/kivvo" "$bin/hello_window" <<'PY'
import os, statistics, subprocess, sys, time
runs, programs = int(sys.argv[1]), [p for p in sys.argv[2:] if os.access(p, os.X_OK)]
def once(program):
    start = time.perf_counter()
    process = subprocess.Popen(["stdbuf", "-oL", program], stdout=subprocess.PIPE,
                               stderr=subprocess.DEVNULL, env=dict(os.environ, KIVVO_STARTUP_PROBE="1"))
    line = process.stdout.readline()
    elapsed = (time.perf_counter() - start) * 1000
    process.wait()
    return elapsed, int(line.split()[1])
times = {p: [] for p in programs}
for _ in range(runs):
    for p in programs:
        times[p].append(once(p))
medians = {p: statistics.median(t for t, _ in r) for p, r in times.items()}
for p, r in times.items():
    print(f"startup {os.path.basename(p)}: {medians[p]:.1f} ms to the shown window, "
          f"{statistics.median(m for _, m in r)} ms of it in main()")
if len(programs) == 2:
    print(f"startup ratio: {medians[programs[0]] / medians[programs[1]]:.2f}")
PY
    fi
done
