#!/usr/bin/env bash
# Builds the Debian package from a build folder and checks what it holds: the files a
# desktop and a shell look for, that the validators accept them without a remark, and that
# the programs in it run.
#   check-package.sh CPACK BUILD_FOLDER VERSION
set -euo pipefail
cpack=$1 build=$2 version=$3

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() {
    echo "FAIL: $*" >&2
    exit 1
}

(cd "$build" && "$cpack" -G DEB -B "$work/out" >"$work/cpack.log" 2>&1) ||
    { cat "$work/cpack.log"; fail "cpack"; }
deb=$work/out/kivvo_${version}_amd64.deb
[ -f "$deb" ] || fail "no package $deb"

echo "== $(basename "$deb")"
dpkg-deb --info "$deb" | sed -n '/Package:/,$p'
dpkg-deb --contents "$deb" | awk '{print $6}' | sed 's|^\./|/|' | tee "$work/contents"

for path in /usr/bin/kivvo /usr/bin/kivvo-cli \
    /usr/share/man/man1/kivvo.1.gz /usr/share/man/man1/kivvo-cli.1.gz \
    /usr/share/metainfo/com.example.kivvo.metainfo.xml \
    /usr/share/applications/kivvo.desktop \
    /usr/share/icons/hicolor/48x48/apps/kivvo.png \
    /usr/share/icons/hicolor/256x256/apps/kivvo.png \
    /usr/share/mime/packages/kivvo.xml \
    /usr/share/bash-completion/completions/kivvo-cli \
    /usr/share/kivvo/sounds/kvstart.wav \
    /usr/lib/kivvo/plugins/libkivvosound.so; do
    grep -qxF "$path" "$work/contents" || fail "$path is missing"
done
# The system's triggers build the shared caches; a package that shipped them would clash.
if grep -E '^/usr/share/(mime/[^p]|applications/mimeinfo\.cache|icons/hicolor/icon-theme\.cache)' \
    "$work/contents"; then
    fail "the package holds caches of the system"
fi
depends=$(dpkg-deb --field "$deb" Depends)
for library in libqt6core6 libqt6widgets6 libqt6network6 libqt6multimedia6; do
    [[ $depends == *"$library ("* ]] || fail "Depends lacks $library: $depends"
done

root=$work/root
dpkg-deb --extract "$deb" "$root"
echo "== validators"
appstreamcli validate --no-net --pedantic "$root/usr/share/metainfo/com.example.kivvo.metainfo.xml"
grep -q "<release version=\"$version\"" "$root/usr/share/metainfo/com.example.kivvo.metainfo.xml" ||
    fail "the metainfo has no release entry for $version"
remarks=$(desktop-file-validate "$root/usr/share/applications/kivvo.desktop" 2>&1) ||
    fail "desktop-file-validate: $remarks"
[ -z "$remarks" ] || fail "desktop-file-validate: $remarks"
for page in kivvo kivvo-cli; do
    warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -E UTF-8 \
        -l "$root/usr/share/man/man1/$page.1.gz" 2>&1 >/dev/null) || fail "man $page"
    [ -z "$warnings" ] || fail "man --warnings $page: $warnings"
done
echo "appstreamcli, desktop-file-validate and man report nothing"
grep -qxF /usr/share/doc/kivvo/copyright "$work/contents" || fail "no copyright file"
grep -q '^License: GPL-3+' "$root/usr/share/doc/kivvo/copyright" || fail "copyright: no GPL-3+"
grep -q '<project_license>GPL-3.0-or-later</project_license>' \
    "$root/usr/share/metainfo/com.example.kivvo.metainfo.xml" || fail "metainfo: project_license"
if command -v lintian >/dev/null; then
    remarks=$(lintian --fail-on error,warning "$deb" 2>&1) || fail "lintian: $remarks"
    echo "lintian reports no error and no warning"
fi
# Every command the tool knows has its entry in the manual page.
manual=$(LC_ALL=C.UTF-8 MANWIDTH=200 man -E UTF-8 -l "$root/usr/share/man/man1/kivvo-cli.1.gz" 2>/dev/null)
for command in $("$root/usr/bin/kivvo-cli" --help | sed -n 's/^  \([a-z][a-z-]*\).*/\1/p'); do
    grep -qE "^ +$command( |\$)" <<<"$manual" || fail "kivvo-cli(1) does not describe $command"
done

echo "== the programs in the package"
[ "$(QT_QPA_PLATFORM=offscreen "$root/usr/bin/kivvo" --version)" = "kivvo $version" ] ||
    fail "kivvo --version"
[ "$("$root/usr/bin/kivvo-cli" --version)" = "kivvo-cli $version" ] || fail "kivvo-cli --version"
# The installed tool finds its mail module: a send gets as far as the (closed) server.
home=$work/home
mkdir -p "$home/Documents"
sent=$(
    export HOME=$home XDG_CONFIG_HOME=$home/.config LC_ALL=C.UTF-8 LANGUAGE=
    export DBUS_SESSION_BUS_ADDRESS=unix:path=/nonexistent/kivvo-test-bus
    cli=$root/usr/bin/kivvo-cli doc=$work/mail.kv
    {
        "$cli" config --server 127.0.0.1 --port 1 --user "" --from santa@example.com &&
            "$cli" new "$doc" && "$cli" add "$doc" Ann --address ann@example.com &&
            "$cli" add "$doc" Bob && "$cli" add "$doc" Cid && "$cli" draw "$doc" --yes
    } >/dev/null 2>&1 || exit
    "$cli" send "$doc" --yes 2>&1
) || true
[[ $sent == *"could not be reached"* ]] || fail "kivvo-cli send from the package: $sent"
status=0
QT_QPA_PLATFORM=offscreen "$root/usr/bin/kivvo" --no-such-option 2>/dev/null || status=$?
[ "$status" = 2 ] || fail "kivvo refused an unknown option with $status, not 2"

echo "== completion"
mkdir -p "$work/files/folder" && touch "$work/files/circle.kv" "$work/files/notes.txt"
offered() {
    (
        cd "$work/files"
        PATH=$root/usr/bin:$PATH
        source /usr/share/bash-completion/bash_completion
        source "$root/usr/share/bash-completion/completions/kivvo-cli"
        COMP_WORDS=("$@")
        COMP_CWORD=$((${#COMP_WORDS[@]} - 1))
        COMP_LINE="$*"
        COMP_POINT=${#COMP_LINE}
        _kivvo_cli
        printf '%s\n' "${COMPREPLY[@]}" | sort | tr '\n' ' '
    )
}
expect() {
    local got
    got=$(offered "${@:2}")
    echo "kivvo-cli ${*:3} -> $got"
    [[ " $got" == *" $1 "* ]] || fail "completing '${*:2}' did not offer $1"
}
expect draw kivvo-cli dr
expect --version kivvo-cli --v
expect circle.kv kivvo-cli report ""
expect folder kivvo-cli report ""
expect --gift-to kivvo-cli report circle.kv --g
expect --footer kivvo-cli config --
expect de kivvo-cli send circle.kv --language ""
expect --changed kivvo-cli cards circle.kv --ch
expect --role kivvo-cli set circle.kv Ann --r
expect receives kivvo-cli add circle.kv Ann --role ""
expect 5 kivvo-cli rules circle.kv --gifts ""
[[ $(offered kivvo-cli report "") != *notes.txt* ]] || fail "completion offered a file that is no document"
# Person and group names come from the document itself.
cli=$root/usr/bin/kivvo-cli
"$cli" new "$work/files/names.kv" >/dev/null && "$cli" add-group "$work/files/names.kv" "The Smiths" >/dev/null &&
    "$cli" add "$work/files/names.kv" "Ann Lee" --group "The Smiths" >/dev/null &&
    "$cli" add "$work/files/names.kv" Bob >/dev/null || fail "kivvo-cli could not build a document"
expect 'Ann\ Lee' kivvo-cli set names.kv ""
expect Bob kivvo-cli exclude names.kv 'Ann\ Lee' ""
expect 'Ann\ Lee' kivvo-cli send names.kv --person A
expect 'The\ Smiths' kivvo-cli move names.kv Bob --group ""
[[ $(offered kivvo-cli move names.kv Bob --group "") != *Bob* ]] || fail "completion offered a person for --group"
echo "PASS"
