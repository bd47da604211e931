#!/usr/bin/env bash
# Checks of the installed and packaged program, one per ctest test:
#   release_check.sh stage    BUILD STAGE                install BUILD into the DESTDIR STAGE
#   release_check.sh files    STAGE ID                   the installed files, exactly
#   release_check.sh desktop  STAGE ID                   the desktop entry
#   release_check.sh metainfo STAGE ID VERSION DATE      the AppStream metadata
#   release_check.sh compose  STAGE ID                   a software centre's view of the install
#   release_check.sh windres  RC INCLUDE VERSION         the Windows version block
#   release_check.sh deb      CPACKCONFIG ID VERSION     the Debian package, lintian-clean
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
icon_sizes=(16 24 32 48 64 128 256)
same_files() {
    local want size
    want=$(printf '%s\n' usr/bin/varnholt "usr/share/applications/$2.desktop" \
        usr/share/doc/varnholt/changelog.gz usr/share/doc/varnholt/copyright \
        usr/share/man/man1/varnholt.1.gz "usr/share/metainfo/$2.metainfo.xml" \
        "usr/share/icons/hicolor/scalable/apps/$2.svg" \
        $(for size in "${icon_sizes[@]}"; do
            echo "usr/share/icons/hicolor/${size}x$size/apps/$2.png"
        done) | LC_ALL=C sort)
    diff -u <(echo "$want") <(cd "$1" && find . -type f -printf '%P\n' | LC_ALL=C sort) ||
        fail "installed files differ"
}

check_stage() {
    rm -rf "$2" && DESTDIR="$2" "${CMAKE:-cmake}" --install "$1" --prefix /usr --component varnholt
}

check_files() {
    local size
    same_files "$1" "$2" && [ -x "$1/usr/bin/varnholt" ] || fail "not executable"
    for size in "${icon_sizes[@]}"; do
        file "$1/usr/share/icons/hicolor/${size}x$size/apps/$2.png" |
            grep -q "PNG image data, $size x $size," || fail "the $size-pixel icon is not $size x $size"
    done
}

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

# What a software centre's catalogue makes of the install: the component, with an icon of at
# least 64 pixels, and no hint of any kind (error, warning or note).
check_compose() {
    local report
    need appstreamcli
    make_temp
    report=$(appstreamcli compose --no-net --no-color --print-report=full --origin=varnholt \
        --result-root="$temp/out" "$1" 2>&1) || { echo "$report" && fail "appstreamcli compose"; }
    echo "$report"
    ! grep -qE '^ +[EWI]: ' <<<"$report" || fail "appstreamcli compose has hints"
    [ -f "$temp/out/usr/share/swcatalog/icons/varnholt/64x64/$2.png" ] ||
        fail "the catalogue has no 64-pixel icon"
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
    local deb depends report
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
    need lintian
    report=$(lintian --fail-on error,warning "$deb" 2>&1) || { echo "$report" && fail lintian; }
}

command=$1
shift
"check_$command" "$@"
