#!/usr/bin/env bash
# Checks of the installed and packaged program, one per ctest test:
#   release_check.sh stage    BUILD STAGE                install BUILD into the DESTDIR STAGE
#   release_check.sh files    STAGE ID                   the installed files, exactly
#   release_check.sh desktop  STAGE ID                   the desktop entry
#   release_check.sh metainfo STAGE ID VERSION DATE      the AppStream metadata
#   release_check.sh windres  RC INCLUDE VERSION         the Windows resources
#   release_check.sh deb      CPACKCONFIG ID VERSION     the Debian package
# Exits 77 (skipped) where a tool is not installed. CMAKE and CPACK name the build's own tools.
set -euo pipefail

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

need() {
    local tool
    for tool in "$@"; do
        command -v "$tool" >/dev/null || {
            echo "SKIP: $tool is not installed" >&2
            exit 77
        }
    done
}

# A directory of this check's own (ctest runs checks in parallel), removed on exit.
make_temp() {
    temp=$(mktemp -d "${TMPDIR:-/tmp}/varnholt-release.XXXXXX")
    trap 'rm -rf "$temp"' EXIT
}

same() {
    [ "$2" = "$3" ] || {
        diff -u --label expected --label actual <(echo "$2") <(echo "$3") >&2 || true
        fail "$1: see the differences above"
    }
}

# What an install under /usr holds, relative to the root, sorted.
expected_files() {
    printf '%s\n' usr/bin/varnholt "usr/share/applications/$1.desktop" \
        usr/share/doc/varnholt/changelog.gz usr/share/doc/varnholt/copyright \
        usr/share/man/man1/varnholt.1.gz "usr/share/icons/hicolor/16x16/apps/$1.png" \
        "usr/share/icons/hicolor/32x32/apps/$1.png" "usr/share/metainfo/$1.metainfo.xml" |
        LC_ALL=C sort
}

files_below() {
    (cd "$1" && find . \( -type f -o -type l \) -printf '%P\n' | LC_ALL=C sort)
}

check_stage() {
    rm -rf "$2"
    DESTDIR="$2" "${CMAKE:-cmake}" --install "$1" --prefix /usr --component varnholt
}

check_files() {
    same "installed files" "$(expected_files "$2")" "$(files_below "$1")"
    [ -x "$1/usr/bin/varnholt" ] || fail "usr/bin/varnholt is not executable"
}

check_desktop() {
    local desktop="$1/usr/share/applications/$2.desktop" key category categories
    need desktop-file-validate
    desktop-file-validate "$desktop" || fail desktop-file-validate
    for key in "Name=Varnholt Calculator" "Icon=$2" "Exec=varnholt" "Terminal=false"; do
        grep -qx "$key" "$desktop" || fail "the desktop entry lacks $key"
    done
    categories=$(sed -n 's/^Categories=//p' "$desktop")
    for category in Utility Calculator HamRadio; do
        [[ ";$categories" == *";$category;"* ]] || fail "Categories lacks $category: $categories"
    done
}

check_metainfo() {
    local metainfo="$1/usr/share/metainfo/$2.metainfo.xml"
    need appstreamcli
    # Only errors fail; warnings and pedantic notes are shown.
    appstreamcli validate --no-net --pedantic --explain "$metainfo" || fail "appstreamcli validate"
    grep -q "<id>$2</id>" "$metainfo" || fail "the component id is not $2"
    grep -q "<launchable type=\"desktop-id\">$2.desktop</launchable>" "$metainfo" ||
        fail "the metainfo does not launch $2.desktop"
    grep -q "<release version=\"$3\" date=\"$4\"" "$metainfo" || fail "no release $3 of $4"
}

check_windres() {
    local windres=x86_64-w64-mingw32-windres preprocessor=() numbers=${3//./, } back group block want
    need "$windres"
    # Without the cross compiler, windres can use the host's preprocessor.
    command -v x86_64-w64-mingw32-gcc >/dev/null || {
        need cpp
        preprocessor=(--preprocessor=cpp)
    }
    make_temp
    "$windres" "${preprocessor[@]}" -I "$2" -i "$1" -O res -o "$temp/varnholt.res"
    # Read back from the compiled resource: what a Windows build links in.
    back=$("$windres" -i "$temp/varnholt.res" -O rc | tr -d '\r')
    # Icon group 128 holds a 16- and a 32-pixel picture of 32 bits each.
    group=$(sed -n '/^128 14 /,/^END/p' <<<"$back")
    for want in 'Has 2 elements' '"\020\020\000\000", 1, 32,' '"\040\040\000\000", 1, 32,'; do
        grep -qF "$want" <<<"$group" || fail "icon group 128 lacks $want"
    done
    block=$(sed -n '/^1 VERSIONINFO/,/^END/s/^ *//p' <<<"$back")
    while read -r want; do
        grep -qxF "$want" <<<"$block" || fail "the version block lacks $want"
    done <<EOF
FILEVERSION $numbers
PRODUCTVERSION $numbers
FILETYPE 0x1
BLOCK "040904B0"
VALUE "FileDescription", "Varnholt Calculator"
VALUE "FileVersion", "$numbers"
VALUE "InternalName", "Varnholt"
VALUE "LegalCopyright", "Copyright (C) 2001 The Varnholt authors"
VALUE "OriginalFilename", "Varnholt.EXE"
VALUE "ProductName", "Varnholt Calculator"
VALUE "ProductVersion", "$numbers"
VALUE "Translation", 0x409, 1200
EOF
}

check_deb() {
    local cpack=${CPACK:-cpack} arch deb depends report status=0
    need "$cpack" dpkg dpkg-deb dpkg-shlibdeps lintian
    make_temp
    "$cpack" -G DEB --config "$1" -B "$temp" >"$temp/cpack.log" 2>&1 || {
        cat "$temp/cpack.log"
        fail "cpack -G DEB"
    }
    arch=$(dpkg --print-architecture)
    deb="$temp/varnholt_${3}_$arch.deb"
    [ -f "$deb" ] || fail "cpack made no $(basename "$deb"): $(ls "$temp")"
    same "control fields" "Package: varnholt
Version: $3
Architecture: $arch
Maintainer: The Varnholt authors <varnholt@example.org>
Section: hamradio
Homepage: https://varnholt.example.org/" \
        "$(dpkg-deb -f "$deb" Package Version Architecture Maintainer Section Homepage)"
    depends=$(dpkg-deb -f "$deb" Depends)
    [[ "$depends" == *libqt6widgets6* ]] || fail "Depends lacks libqt6widgets6: '$depends'"
    dpkg-deb -x "$deb" "$temp/root"
    same "package files" "$(expected_files "$2")" "$(files_below "$temp/root")"
    report=$(lintian --no-cfg --display-info --tag-display-limit 0 "$deb" 2>&1) || status=$?
    [ -z "$report" ] || echo "$report"
    ! grep -q '^E: ' <<<"$report" || fail "lintian reports errors"
    [ "$status" -eq 0 ] || fail "lintian failed with status $status"
}

command=$1
shift
case "$command" in
stage | files | desktop | metainfo | windres | deb) "check_$command" "$@" ;;
*) fail "unknown check $command" ;;
esac
