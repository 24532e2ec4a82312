#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the build into a temporary prefix and checks that everything a Linux desktop looks
# for is there and valid, and that the installed program finds its data under share/.
# Arguments: cmake, build folder, source folder, AppDir probe, 1 when vantrel-cli is built,
# the version as the programs print it.
set -euo pipefail
cmake=$1 build=$2 source=$3 probe=$4 with_cli=$5 version_text=$6

prefix=$(mktemp -d "${TMPDIR:-/tmp}/vantrel-install.XXXXXX")
trap 'rm -rf "$prefix"' EXIT
"$cmake" --install "$build" --prefix "$prefix" >/dev/null

id=org.vantrel.Vantrel
expected=(bin/vantrel share/vantrel/language.xml share/vantrel/seem_zh.xml
          share/vantrel/seem_en.xml share/applications/$id.desktop
          share/icons/hicolor/scalable/apps/$id.svg share/icons/hicolor/48x48/apps/$id.png
          share/icons/hicolor/256x256/apps/$id.png share/metainfo/$id.metainfo.xml
          share/man/man1/vantrel.1.gz share/mime/packages/vantrel-seem.xml
          share/doc/vantrel/copyright share/doc/vantrel/changelog.gz
          share/doc/vantrel-data/copyright share/doc/vantrel-data/changelog.gz)
for sample in "$source"/data/samples/*; do
    expected+=("share/vantrel/samples/$(basename "$sample")")
done
[ -e "$source/data/help.html" ] && expected+=(share/vantrel/help.html)
[ "$with_cli" = 1 ] && expected+=(bin/vantrel-cli share/doc/vantrel-cli/copyright)
for folder in packaging doc man src/cli; do
    if [ -e "$source/$folder/vantrel-cli.1" ]; then
        expected+=(share/man/man1/vantrel-cli.1.gz)
        break
    fi
done

failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

for file in "${expected[@]}"; do
    [ -s "$prefix/$file" ] || fail "$file is missing or empty"
done
[ -x "$prefix/bin/vantrel" ] || fail "bin/vantrel is not executable"

# The version and addresses are filled in at build time.
for file in "$prefix"/share/man/man1/*.gz "$prefix/share/metainfo/$id.metainfo.xml"; do
    if zcat -f "$file" | grep -q '@[A-Z_]*@'; then fail "$file has a placeholder left"; fi
done

# A PNG holds its width and height as big-endian numbers at bytes 16 to 23.
for size in 48 256; do
    png="$prefix/share/icons/hicolor/${size}x${size}/apps/$id.png"
    [ -e "$png" ] || continue
    read -r width height < <(od -An -j16 -N8 --endian=big -tu4 "$png")
    [ "$width" = "$size" ] && [ "$height" = "$size" ] || fail "$png is ${width}x$height"
done

if command -v desktop-file-validate >/dev/null; then
    desktop-file-validate "$prefix/share/applications/$id.desktop" || fail "desktop entry"
fi
if command -v appstreamcli >/dev/null; then
    appstreamcli validate --no-net "$prefix/share/metainfo/$id.metainfo.xml" >/dev/null ||
        fail "AppStream data: $(appstreamcli validate --no-net "$prefix/share/metainfo/$id.metainfo.xml")"
fi
if command -v update-mime-database >/dev/null; then
    XDG_DATA_DIRS="$prefix/share" update-mime-database "$prefix/share/mime"
    grep -qx 'application/x-vantrel-seem:\*\.seem' "$prefix/share/mime/globs" ||
        fail "the MIME database does not map *.seem to application/x-vantrel-seem"
fi

app_dir=$("$probe" "$prefix/bin")
[ "$app_dir" = "$prefix/share/vantrel" ] || fail "installed program would look for data in $app_dir"
version=$(QT_QPA_PLATFORM=offscreen "$prefix/bin/vantrel" --version) ||
    fail "the installed vantrel --version failed"
[ "$version" = "Vantrel $version_text" ] || fail "the installed vantrel --version printed: $version"
if [ "$with_cli" = 1 ]; then
    [ "$("$prefix/bin/vantrel-cli" --version)" = "vantrel-cli $version_text" ] ||
        fail "the installed vantrel-cli --version printed another version"
    types=$("$prefix/bin/vantrel-cli" types) || fail "the installed vantrel-cli found no data"
    [ -n "$types" ] || fail "the installed vantrel-cli listed no seem types"
fi

echo "${#expected[@]} files expected; $failures failures"
[ "$failures" -eq 0 ]
