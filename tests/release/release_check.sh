#!/usr/bin/env bash
# Checks of the installed and packaged program, one per ctest test:
#   release_check.sh stage    BUILD STAGE                install BUILD into the DESTDIR STAGE
#   release_check.sh files    STAGE ID                   the installed files, exactly
#   release_check.sh desktop  STAGE ID                   the desktop entry
#   release_check.sh metainfo STAGE ID VERSION DATE      the AppStream metadata
#   release_check.sh windres  RC INCLUDE VERSION         the Windows version block
#   release_check.sh deb      CPACKCONFIG ID VERSION     the Debian package
# Exits 77 (skipped) where a tool is not installed. CMAKE and CPACK name the build's own tools.
set -euo pipefail

fail() { echo "FAIL: $*" >&2 && exit 1; }
need() {
    for tool in "$@"; do
        command -v "$tool" >/dev/null || { echo "SKIP: no $tool" >&2 && exit 77; }
    done
}
# A directory of this check's own (ctest runs checks in parallel), removed on exit.
make_temp() {
    temp=$(mktemp -d "${TMPDIR:-/tmp}/varnholt-release.XXXXXX")
    trap 'rm -rf "$temp"' EXIT
}
# Fails unless the files below $1 are exactly those of an install under /usr for the id $2.
same_files() {
    local want
    want=$(printf '%s\n' usr/bin/varnholt "usr/share/applications/$2.desktop" \
        usr/share/doc/varnholt/changelog.gz usr/share/doc/varnholt/copyright \
        usr/share/man/man1/varnholt.1.gz "usr/share/icons/hicolor/16x16/apps/$2.png" \
        "usr/share/icons/hicolor/32x32/apps/$2.png" "usr/share/metainfo/$2.metainfo.xml" |
        LC_ALL=C sort)
    diff -u <(echo "$want") <(cd "$1" && find . -type f -printf '%P\n' | LC_ALL=C sort) ||
        fail "installed files differ"
}

check_stage() {
    rm -rf "$2" && DESTDIR="$2" "${CMAKE:-cmake}" --install "$1" --prefix /usr --component varnholt
}

check_files() { same_files "$1" "$2" && [ -x "$1/usr/bin/varnholt" ] || fail "not executable"; }

check_desktop() {
    local desktop="$1/usr/share/applications/$2.desktop" key
    need desktop-file-validate
    desktop-file-validate "$desktop" || fail desktop-file-validate
    for key in "Name=Varnholt Calculator" "Icon=$2" "Exec=varnholt" "Terminal=false" \
        "Categories=Utility;Calculator;HamRadio;"; do
        grep -qx "$key" "$desktop" || fail "the desktop entry lacks $key"
    done
}

check_metainfo() {
    local metainfo="$1/usr/share/metainfo/$2.metainfo.xml"
    need appstreamcli
    appstreamcli validate --no-net --pedantic "$metainfo" || fail "appstreamcli validate"
    grep -q "<launchable type=\"desktop-id\">$2.desktop</launchable>" "$metainfo" ||
        fail "the metainfo does not launch $2.desktop"
    grep -q "<release version=\"$3\" date=\"$4\"" "$metainfo" || fail "no release $3 of $4"
}

check_windres() {
    local windres=x86_64-w64-mingw32-windres numbers=${3//./, } back want
    need "$windres" cpp
    make_temp
    "$windres" --preprocessor=cpp -I "$2" -i "$1" -O res -o "$temp/varnholt.res"
    back=$("$windres" -i "$temp/varnholt.res" -O rc | tr -d '\r' | sed 's/^ *//')
    for want in "FILEVERSION $numbers" "PRODUCTVERSION $numbers" \
        "VALUE \"FileVersion\", \"$numbers\"" "VALUE \"ProductVersion\", \"$numbers\""; do
        grep -qxF "$want" <<<"$back" || fail "the version block lacks $want"
    done
}

check_deb() {
    local deb depends
    need "${CPACK:-cpack}" dpkg dpkg-deb dpkg-shlibdeps
    make_temp
    "${CPACK:-cpack}" -G DEB --config "$1" -B "$temp" >"$temp/cpack.log" 2>&1 ||
        { cat "$temp/cpack.log" && fail "cpack -G DEB"; }
    deb="$temp/varnholt_${3}_$(dpkg --print-architecture).deb"
    [ -f "$deb" ] || fail "cpack made no $(basename "$deb")"
    [ "$(dpkg-deb -f "$deb" Version)" = "$3" ] || fail "package version is not $3"
    depends=$(dpkg-deb -f "$deb" Depends)
    [[ "$depends" == *libqt6widgets6* ]] || fail "Depends lacks libqt6widgets6: '$depends'"
    dpkg-deb -x "$deb" "$temp/root" && same_files "$temp/root" "$2"
}

command=$1
shift
"check_$command" "$@"
