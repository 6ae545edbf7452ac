#!/usr/bin/env bash
# Whole-process figures of the built programs, medians of several runs:
#   contacts  kivvo-cli contacts over a 10 MB address book shaped like real exports (2.1
#             quoted-printable, 3.0 with photos, 4.0; KIVVO_BENCH_CONTACTS_MB for another size):
#             time and peak memory
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

python3 - "$work" "${KIVVO_BENCH_CONTACTS_MB:-10}" <<'PY'
import base64, pathlib, struct, sys
work, megabytes = pathlib.Path(sys.argv[1]), int(sys.argv[2])
# An address book as phones and mail programs export them, every card a person of its own, the
# three shapes in turn: 2.1 quoted-printable, 3.0 with a photo, 4.0 with ranked addresses.
def qp(s):
    out=[]; line=0
    for b in s.encode():
        piece = chr(b) if b < 0x80 and b != 0x3d else '=%02X' % b
        if line + len(piece) > 73:
            out.append('=\r\n'); line = 0
        out.append(piece); line += len(piece)
    return ''.join(out)
def b64(n, seed):
    raw = bytes(((i*131 + seed*17) & 0xFF) for i in range(n))
    t = base64.b64encode(raw).decode()
    return '\r\n '.join(t[i:i+75] for i in range(0, len(t), 75))
def mixed(size, out):
    total = 0; n = 0
    while total < size:
        fam = 'Müller-Šťastný %d' % n
        if n % 3 == 0:
            card = ('BEGIN:VCARD\r\nVERSION:2.1\r\nN;CHARSET=UTF-8;ENCODING=QUOTED-PRINTABLE:' + qp(fam + ';Jürgen;;;') +
                    '\r\nFN;CHARSET=UTF-8;ENCODING=QUOTED-PRINTABLE:' + qp('Jürgen ' + fam) +
                    '\r\nTEL;CELL:+49 170 %d\r\nADR;HOME;CHARSET=UTF-8;ENCODING=QUOTED-PRINTABLE:' % n +
                    qp(';;Hauptstraße %d\nHinterhaus;München;;80331;Deutschland' % n) +
                    '\r\nEMAIL;HOME:j%d@example.de\r\nEND:VCARD\r\n' % n)
        elif n % 3 == 1:
            card = ('BEGIN:VCARD\r\nVERSION:3.0\r\nN:Smith %d;Ann;;;\r\nFN:Ann Smith %d\r\nORG:Example Ltd.\r\n'
                    'EMAIL;TYPE=INTERNET,HOME:ann%d@example.com\r\nTEL;TYPE=CELL:+1 555 %d\r\n'
                    'PHOTO;ENCODING=b;TYPE=JPEG:%s\r\nNOTE:Met at the \\, conference\\; bring cake\r\nEND:VCARD\r\n'
                    % (n, n, n, n, b64(1500 + (n % 7) * 700, n)))
        else:
            card = ('BEGIN:VCARD\r\nVERSION:4.0\r\nFN:Li Wei %d\r\nN:Li %d;Wei;;;\r\nEMAIL;TYPE=work;PREF=2:wei%d@work.example\r\n'
                    'EMAIL;TYPE=home;PREF=1:wei%d@home.example\r\nTEL;VALUE=uri;TYPE="voice,cell":tel:+86-10-%d\r\nEND:VCARD\r\n' % (n, n, n, n, n))
        b = card.encode(); out.write(b); total += len(b); n += 1
docs = work / "home" / "Documents"
docs.mkdir(parents=True)
with open(docs / "contacts.vcf", "wb") as out:
    mixed(megabytes * 1_000_000, out)
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
        echo "contacts (${KIVVO_BENCH_CONTACTS_MB:-10} MB): $(measure "$bin/kivvo-cli" contacts)"
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
