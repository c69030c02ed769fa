#!/usr/bin/env bash
# cmake --install into a scratch prefix puts the program, its desktop entry,
# metainfo, icons and manual pages where desktops and man look for them; the
# two validators accept the entry and the metainfo, and man renders both
# pages without a warning.
# Usage: install_check.sh BUILD_DIR APP_ID
set -euo pipefail
build=$1
id=$2
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT

cmake --install "$build" --prefix "$prefix" >/dev/null
for file in bin/zyklar \
            share/applications/$id.desktop \
            share/metainfo/$id.metainfo.xml \
            share/icons/hicolor/scalable/apps/$id.svg \
            share/icons/hicolor/16x16/apps/$id.png \
            share/icons/hicolor/32x32/apps/$id.png \
            share/icons/hicolor/48x48/apps/$id.png \
            share/icons/hicolor/256x256/apps/$id.png \
            share/man/man1/zyklar.1 \
            share/man/de/man1/zyklar.1; do
    [ -s "$prefix/$file" ] || { echo "FAIL: $file not installed"; exit 1; }
done
grep -qx "Icon=$id" "$prefix/share/applications/$id.desktop"
grep -q "<id>$id</id>" "$prefix/share/metainfo/$id.metainfo.xml"
# A German and an English name and summary: German where no locale asks for
# English, as the program chooses; AppStream's untranslated text is English.
for key in 'GenericName=' 'GenericName\[en\]=' 'Comment=' 'Comment\[en\]='; do
    grep -q "^$key." "$prefix/share/applications/$id.desktop" \
        || { echo "FAIL: the desktop entry has no $key"; exit 1; }
done
for tag in '<summary>' '<summary xml:lang="de">' '<p xml:lang="de">'; do
    grep -qF "$tag" "$prefix/share/metainfo/$id.metainfo.xml" \
        || { echo "FAIL: the metainfo has no $tag"; exit 1; }
done

desktop-file-validate "$prefix/share/applications/$id.desktop"
appstreamcli validate --no-net "$prefix/share/metainfo/$id.metainfo.xml"
# Both pages, English and German, render without a warning, and no word is
# broken with a hyphen at any usual width.
for page in "$prefix/share/man/man1/zyklar.1" "$prefix/share/man/de/man1/zyklar.1"; do
    warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -E UTF-8 -l "$page" 2>&1 >/dev/null)
    [ -z "$warnings" ] || { echo "FAIL: man warns on $page: $warnings"; exit 1; }
    warnings=$(groff -ww -man -Tutf8 "$page" 2>&1 >/dev/null)
    [ -z "$warnings" ] || { echo "FAIL: groff warns on $page: $warnings"; exit 1; }
    for width in 72 80 100; do
        broken=$(LC_ALL=C.UTF-8 MANWIDTH=$width man -E UTF-8 -l "$page" 2>/dev/null | grep -n '‐$' || true)
        [ -z "$broken" ] || { echo "FAIL: $page hyphenated at $width columns: $broken"; exit 1; }
    done
done
# man finds each under its locale.
english=$(LC_ALL=en_US.UTF-8 MANPATH=$prefix/share/man MANWIDTH=80 man -E UTF-8 zyklar 2>/dev/null | head -5)
german=$(LC_ALL=de_DE.UTF-8 MANPATH=$prefix/share/man MANWIDTH=80 man -E UTF-8 -L de zyklar 2>/dev/null | head -5)
grep -q NAME <<<"$english" || { echo "FAIL: man shows no English page"; exit 1; }
grep -q BEZEICHNUNG <<<"$german" || { echo "FAIL: man shows no German page"; exit 1; }
echo "PASS: installed and valid"
