#!/usr/bin/env bash
# The README's steps in their written order: the run script builds just the programs, and the
# package step right after it must find everything the package installs. The build folder of
# the tests stands in for a fresh one: what the programs themselves do not need (icons,
# compressed manual pages) is removed, the run script's own build command is run on it, and
# then the package step.
#   check-run-then-package.sh SOURCE_FOLDER BUILD_FOLDER CPACK VERSION
set -euo pipefail
source=$1 build=$2 cpack=$3 version=$4

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() {
    echo "FAIL: $*" >&2
    exit 1
}

line=$(grep -E '^cmake --build build .*--target ' "$source/scripts/run.sh") ||
    fail "scripts/run.sh has no build command with --target"
read -r -a targets <<<"${line##*--target }"
echo "== the run script builds: ${targets[*]}"
rm -rf "$build/icons"
rm -f "$build"/man/*.gz "$build"/doc/changelog.gz
cmake --build "$build" --target "${targets[@]}" >"$work/build.log" 2>&1 ||
    { cat "$work/build.log"; fail "the run script's build"; }

echo "== the package step"
(cd "$build" && "$cpack" -G DEB -B "$work/out" >"$work/cpack.log" 2>&1) ||
    { cat "$work/cpack.log"; fail "cpack after the run script's build"; }
[ -f "$work/out/kivvo_${version}_amd64.deb" ] || fail "no package kivvo_${version}_amd64.deb"
echo "PASS"
