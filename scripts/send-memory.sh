#!/usr/bin/env bash
# Peak memory of a whole `kivvo-cli send` run, for circles of the sizes given (default 1000,
# 3000 and 10000 persons): households of four and as many persons on their own, every one
# with an address, drawn once, copied for the next exchange and drawn again, so that every
# e-mail carries last year's drawing. The e-mails go to the tests' SMTP server on loopback.
# Prints one line per size: persons, peak resident set (MiB), seconds, messages received.
#
#   scripts/send-memory.sh [SIZE...]          KIVVO_CLI=path/to/kivvo-cli to measure another build
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
cli=${KIVVO_CLI:-$root/build/bin/kivvo-cli}
sizes=("$@")
[ ${#sizes[@]} -gt 0 ] || sizes=(1000 3000 10000)
[ -x "$cli" ] || { echo "no kivvo-cli at $cli; build first" >&2; exit 1; }
[ -x /usr/bin/time ] || { echo "/usr/bin/time is missing (apt-get install time)" >&2; exit 1; }

work=$(mktemp -d)
server_pid=
cleanup() {
    if [ -n "$server_pid" ]; then
        exec 3>&- || true
        wait "$server_pid" 2>/dev/null || true
    fi
    rm -rf "$work"
}
trap cleanup EXIT

# A home of its own: the settings file lives in its documents folder; no keyring is asked.
export HOME=$work/home XDG_CONFIG_HOME=$work/home/.config DBUS_SESSION_BUS_ADDRESS=disabled:
mkdir -p "$HOME/Documents"

mkfifo "$work/server-in"
# The messages' text is left out of the server's log: 10,000 of today's would fill the disk.
/usr/bin/python3 "$root/tests/smtp/smtp_server.py" <"$work/server-in" |
    sed -u 's/"data": "[^"]*"/"data": ""/' >"$work/server-out" &
server_pid=$!
exec 3>"$work/server-in"
for _ in $(seq 100); do
    grep -q '"ready"' "$work/server-out" 2>/dev/null && break
    sleep 0.1
done
port=$(sed -n 's/.*"ready", "port": \([0-9]*\).*/\1/p' "$work/server-out")
[ -n "$port" ] || { echo "the SMTP test server did not start" >&2; exit 1; }
"$cli" config --server 127.0.0.1 --port "$port" --from "santa@example.com" --user "" >/dev/null

printf '%8s %10s %8s %9s\n' persons peak_MiB seconds messages
for n in "${sizes[@]}"; do
    doc=$work/circle-$n.kv
    csv=$work/circle-$n.csv
    /usr/bin/python3 - "$n" >"$csv" <<'EOF'
import sys
n = int(sys.argv[1])
print("name,address,suggestions,group")
for i in range(n):
    group = f"Household {i // 4}" if i < n // 2 else ""
    print(f"Person {i},p{i}@example.com,Books and socks,{group}")
EOF
    "$cli" new "$doc" >/dev/null 2>&1
    "$cli" import "$doc" "$csv" >/dev/null 2>&1
    "$cli" draw "$doc" --yes >/dev/null 2>&1
    "$cli" copy "$doc" --yes >/dev/null 2>&1
    "$cli" draw "$doc" --yes >/dev/null 2>&1
    before=$(grep -c '"event": "message"' "$work/server-out" || true)
    /usr/bin/time -v -o "$work/time-$n" "$cli" send "$doc" --yes >/dev/null 2>"$work/send-$n.err"
    # The server may still be taking the last message in.
    sleep 1
    after=$(grep -c '"event": "message"' "$work/server-out" || true)
    peak_kb=$(sed -n 's/.*Maximum resident set size (kbytes): //p' "$work/time-$n")
    wall=$(sed -n 's/.*Elapsed (wall clock) time (h:mm:ss or m:ss): //p' "$work/time-$n")
    awk -v n="$n" -v kb="$peak_kb" -v wall="$wall" -v count=$((after - before)) \
        'BEGIN { printf "%8d %10.1f %8s %9d\n", n, kb / 1024, wall, count }'
done
