#!/usr/bin/env bash
# Checks of the installed and packaged program, one per ctest test:
#   release_check.sh stage    BUILD STAGE             install BUILD into the DESTDIR STAGE
#   release_check.sh files    STAGE ID                the installed files, exactly
#   release_check.sh desktop  STAGE ID                desktop-file-validate on the desktop entry
#   release_check.sh metainfo STAGE ID VERSION DATE   appstreamcli on the AppStream metadata
#   release_check.sh windres  RC INCLUDE VERSION      the Windows resource script compiles
#   release_check.sh deb      CPACKCONFIG STAGE VERSION  the Debian package cpack makes
# Exits 77 (skipped) only where a tool the check needs is not installed. CMAKE and CPACK name
# the build's own cmake and cpack.
set -euo pipefail
cmake=${CMAKE:-cmake}
cpack=${CPACK:-cpack}

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

need() {
    local tool
    for tool in "$@"; do
        if ! command -v "$tool" >/dev/null; then
            echo "SKIP: $tool is not installed" >&2
            exit 77
        fi
    done
}

# A temporary directory of this check's own, removed on exit: ctest runs checks in parallel.
make_temp() {
    temp=$(mktemp -d "${TMPDIR:-/tmp}/varnholt-release.XXXXXX")
    trap 'rm -rf "$temp"' EXIT
}

# The files an install under /usr holds, relative to the root, sorted.
expected_files() {
    local id=$1
    printf '%s\n' \
        usr/bin/varnholt \
        "usr/share/applications/$id.desktop" \
        usr/share/doc/varnholt/changelog.gz \
        usr/share/doc/varnholt/copyright \
        usr/share/man/man1/varnholt.1.gz \
        "usr/share/icons/hicolor/16x16/apps/$id.png" \
        "usr/share/icons/hicolor/32x32/apps/$id.png" \
        "usr/share/metainfo/$id.metainfo.xml" | LC_ALL=C sort
}

# Every file and symbolic link below $1, relative to it, sorted.
files_below() {
    (cd "$1" && find . \( -type f -o -type l \) -printf '%P\n' | LC_ALL=C sort)
}

same_list() {
    local what=$1 expected=$2 actual=$3
    if [ "$expected" != "$actual" ]; then
        echo "$what differs from the expected list:" >&2
        diff -u --label expected --label actual <(echo "$expected") <(echo "$actual") >&2 || true
        fail "$what"
    fi
}

check_stage() {
    local build=$1 stage=$2
    rm -rf "$stage"
    DESTDIR="$stage" "$cmake" --install "$build" --prefix /usr --component varnholt
}

check_files() {
    local stage=$1 id=$2
    same_list "installed files" "$(expected_files "$id")" "$(files_below "$stage")"
    [ -x "$stage/usr/bin/varnholt" ] || fail "usr/bin/varnholt is not executable"
    need readelf
    if readelf -d "$stage/usr/bin/varnholt" | grep -E 'RPATH|RUNPATH'; then
        fail "the installed program has a library search path of its own"
    fi
    # The names that tie the files together.
    local desktop="$stage/usr/share/applications/$id.desktop"
    grep -qx "Icon=$id" "$desktop" || fail "the desktop entry does not name the icon $id"
    grep -qx "Exec=varnholt" "$desktop" || fail "the desktop entry does not start varnholt"
    local metainfo="$stage/usr/share/metainfo/$id.metainfo.xml"
    grep -q "<id>$id</id>" "$metainfo" || fail "the metainfo's component id is not $id"
    grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$metainfo" ||
        fail "the metainfo does not launch $id.desktop"
}

check_desktop() {
    local stage=$1 id=$2
    need desktop-file-validate
    local desktop="$stage/usr/share/applications/$id.desktop" report
    report=$(desktop-file-validate "$desktop" 2>&1) || {
        echo "$report"
        fail "desktop-file-validate"
    }
    # Hints and warnings do not fail the check; errors make the tool fail above.
    [ -z "$report" ] || echo "$report"
    local key
    for key in "Type=Application" "Name=Varnholt Calculator" "Terminal=false"; do
        grep -qx "$key" "$desktop" || fail "the desktop entry lacks $key"
    done
    grep -qE '^Comment=.+' "$desktop" || fail "the desktop entry has no comment"
    local categories
    categories=$(sed -n 's/^Categories=//p' "$desktop")
    local category
    for category in Utility Calculator HamRadio; do
        [[ ";$categories" == *";$category;"* ]] || fail "Categories lacks $category: $categories"
    done
}

check_metainfo() {
    local stage=$1 id=$2 version=$3 date=$4
    need appstreamcli
    local metainfo="$stage/usr/share/metainfo/$id.metainfo.xml" report
    # Without --strict only errors fail; warnings, infos and pedantic notes are shown.
    report=$(appstreamcli validate --no-net --pedantic --explain "$metainfo" 2>&1) || {
        echo "$report"
        fail "appstreamcli validate"
    }
    echo "$report"
    grep -q "<release version=\"$version\" date=\"$date\"" "$metainfo" ||
        fail "the metainfo has no release $version of $date"
}

check_windres() {
    local rc=$1 include=$2 version=$3
    need x86_64-w64-mingw32-windres
    local windres=x86_64-w64-mingw32-windres preprocessor=()
    # windres runs the cross compiler's preprocessor; the host's does as well for a script.
    if ! command -v x86_64-w64-mingw32-gcc >/dev/null; then
        need cpp
        preprocessor=(--preprocessor=cpp)
    fi
    make_temp
    "$windres" "${preprocessor[@]}" -I "$include" -i "$rc" -O res -o "$temp/varnholt.res"
    # Read back from the compiled resource, so the check sees what a Windows build links in.
    "$windres" -i "$temp/varnholt.res" -O rc -o "$temp/back.rc"
    local back
    back=$(tr -d '\r' <"$temp/back.rc")

    grep -q '^LANGUAGE 9, 1$' <<<"$back" || fail "the resources are not English (United States)"
    # The icon group 128 holds the 16- and the 32-pixel picture, 32 bits each.
    local group
    group=$(sed -n '/^128 14 /,/^END/p' <<<"$back")
    [ -n "$group" ] || fail "no icon group 128 (IDI_MAIN)"
    grep -q 'Has 2 elements' <<<"$group" || fail "icon group 128 does not hold two pictures"
    grep -qF '"\020\020\000\000", 1, 32,' <<<"$group" || fail "no 16x16 32-bit icon"
    grep -qF '"\040\040\000\000", 1, 32,' <<<"$group" || fail "no 32x32 32-bit icon"

    local numbers=${version//./, }
    local expected
    expected=$(
        cat <<EOF
1 VERSIONINFO
 FILEVERSION $numbers
 PRODUCTVERSION $numbers
 FILEFLAGSMASK 0x3f
 FILEOS 0x4
 FILETYPE 0x1
BEGIN
  BLOCK "StringFileInfo"
  BEGIN
    BLOCK "040904B0"
    BEGIN
      VALUE "Comments", ""
      VALUE "CompanyName", ""
      VALUE "FileDescription", "Varnholt Calculator"
      VALUE "FileVersion", "$numbers"
      VALUE "InternalName", "Varnholt"
      VALUE "LegalCopyright", "Copyright (C) 2001 The Varnholt authors"
      VALUE "LegalTrademarks", ""
      VALUE "OriginalFilename", "Varnholt.EXE"
      VALUE "PrivateBuild", ""
      VALUE "ProductName", "Varnholt Calculator"
      VALUE "ProductVersion", "$numbers"
      VALUE "SpecialBuild", ""
    END
  END
  BLOCK "VarFileInfo"
  BEGIN
    VALUE "Translation", 0x409, 1200
  END
END
EOF
    )
    # windres leaves out the fixed part's fields that are zero (FILEFLAGS, FILESUBTYPE).
    same_list "version block" "$expected" "$(sed -n '/^1 VERSIONINFO/,/^END/p' <<<"$back")"
}

check_deb() {
    local config=$1 stage=$2 version=$3
    need "$cpack" dpkg-deb dpkg-shlibdeps dpkg
    make_temp
    "$cpack" -G DEB --config "$config" -B "$temp" >"$temp/cpack.log" 2>&1 || {
        cat "$temp/cpack.log"
        fail "cpack -G DEB"
    }
    local arch deb
    arch=$(dpkg --print-architecture)
    deb="$temp/varnholt_${version}_$arch.deb"
    [ -f "$deb" ] || {
        ls "$temp"
        fail "cpack made no $(basename "$deb")"
    }

    field() { dpkg-deb -f "$deb" "$1"; }
    local name expected_value
    while IFS='|' read -r name expected_value; do
        [ "$(field "$name")" = "$expected_value" ] ||
            fail "control field $name is '$(field "$name")', not '$expected_value'"
    done <<EOF
Package|varnholt
Version|$version
Architecture|$arch
Maintainer|The Varnholt authors <varnholt@example.org>
Section|hamradio
Homepage|https://varnholt.example.org/
EOF
    local depends
    depends=$(field Depends)
    [[ "$depends" == *libqt6widgets6* ]] || fail "Depends lacks libqt6widgets6: '$depends'"
    [[ "$depends" == *libc6* ]] || fail "Depends lacks libc6: '$depends'"
    local description
    description=$(field Description)
    [ "$(wc -l <<<"$description")" -ge 2 ] || fail "the description has no extended part"
    echo "Depends: $depends"

    # The package holds what an install holds, file for file; all but the (stripped) program
    # byte for byte.
    dpkg-deb -x "$deb" "$temp/root"
    same_list "package files" "$(files_below "$stage")" "$(files_below "$temp/root")"
    local file
    while read -r file; do
        [ "$file" = usr/bin/varnholt ] || cmp "$stage/$file" "$temp/root/$file" ||
            fail "$file in the package differs from the installed one"
    done < <(files_below "$stage")
    dpkg-deb -c "$deb" | awk '$1 !~ /^d/ && $2 != "root/root" { bad = 1; print }
        END { exit bad }' || fail "files in the package not owned by root"

    need lintian
    local report status=0
    report=$(lintian --no-cfg --display-info --tag-display-limit 0 "$deb" 2>&1) || status=$?
    [ -z "$report" ] || echo "$report"
    if grep -q '^E: ' <<<"$report"; then
        fail "lintian reports errors"
    fi
    [ "$status" -eq 0 ] || fail "lintian failed with status $status"
}

command=$1
shift
case "$command" in
stage) check_stage "$@" ;;
files) check_files "$@" ;;
desktop) check_desktop "$@" ;;
metainfo) check_metainfo "$@" ;;
windres) check_windres "$@" ;;
deb) check_deb "$@" ;;
*) fail "unknown check $command" ;;
esac
