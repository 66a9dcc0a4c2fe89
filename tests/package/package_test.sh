#!/usr/bin/env bash
# Builds the Debian package, checks it with lintian (errors and warnings
# fail), unpacks it into a scratch root, validates its AppStream metainfo and
# desktop entry, and runs the installed program from its desktop entry's
# command through the window smoke check (centred window, screenshot, Esc
# ends it with status 0).
set -euo pipefail
build_dir=$1
smoke=$(dirname "$0")/../smoke/window_smoke.sh
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

cd "$build_dir"
cpack -G DEB -B "$work/out" >"$work/cpack.log" 2>&1 || { cat "$work/cpack.log"; exit 1; }
deb=$(ls "$work"/out/*.deb)
echo "package: $(basename "$deb")"

depends=$(dpkg-deb -f "$deb" Depends)
echo "depends: $depends"
for needed in libqt6widgets6 libboost-regex fonts-wqy-microhei qt6-translations-l10n; do
  grep -q "$needed" <<<"$depends" || { echo "missing dependency: $needed"; exit 1; }
done
lintian --fail-on error,warning "$deb" 2> >(grep -v 'running with root privileges' >&2)

root="$work/root"
dpkg -x "$deb" "$root"
desktop="$root/usr/share/applications/regex-workbench.desktop"
desktop-file-validate "$desktop"
appstreamcli validate-tree --no-net "$root"  # the metainfo, and its launchable desktop entry
for size in 16 32 48 256; do test -f "$root/usr/share/icons/hicolor/${size}x${size}/apps/regex-workbench.png"; done
command=$(sed -n 's/^Exec=//p' "$desktop")

xvfb-run -a -s "-screen 0 1280x1024x24 -noreset" \
  "$smoke" 1280 1024 "$build_dir/package_screenshot.png" "$root/usr/bin/$command"
