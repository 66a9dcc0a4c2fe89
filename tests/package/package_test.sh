#!/usr/bin/env bash
# Builds the Debian package and checks it: lintian reports no tag at all, the
# informational and pedantic ones included; it depends on Qt and a CJK font,
# recommends Qt's Wayland plugin and suggests a Qt 6 input-method frontend.
# Unpacked into a scratch root, its desktop entry is named after its AppStream
# id and both validate, and its icons come as a vector picture and PNGs. The
# installed program runs from the desktop entry's command through the window
# smoke check (centred window, screenshot, Esc ends it with status 0) in both
# Chinese faces installed: Noto Sans CJK, which fontconfig prefers under
# zh_CN.UTF-8, and WenQuanYi Micro Hei, which it prefers under C.UTF-8.
set -euo pipefail
build_dir=$1
smoke=$(dirname "$0")/../smoke/window_smoke.sh
app_id=org.example.regex_workbench
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

cd "$build_dir"
cpack -G DEB -B "$work/out" >"$work/cpack.log" 2>&1 || { cat "$work/cpack.log"; exit 1; }
deb=$(ls "$work"/out/*.deb)
echo "package: $(basename "$deb")"

for field in Depends Recommends Suggests; do echo "$field: $(dpkg-deb -f "$deb" "$field")"; done
expect_related() {
  grep -q "$2" <<<"$(dpkg-deb -f "$deb" "$1")" || fail "the package's $1 lacks $2"
}
for needed in libqt6widgets6 libboost-regex fonts-wqy-microhei qt6-translations-l10n; do expect_related Depends "$needed"; done
expect_related Recommends qt6-wayland
expect_related Suggests fcitx5-frontend-qt6

lintian -I --pedantic "$deb" >"$work/lintian.log" 2>&1 || true
if grep -v 'running with root privileges' "$work/lintian.log"; then fail "lintian reports tags"; fi

root="$work/root"
dpkg -x "$deb" "$root"
desktop="$root/usr/share/applications/$app_id.desktop"
[ -f "$desktop" ] || fail "no desktop entry named after the AppStream id $app_id"
desktop-file-validate "$desktop"
appstreamcli validate-tree --no-net "$root"  # the metainfo, and its launchable desktop entry
icons="$root/usr/share/icons/hicolor"
for icon in scalable/apps/regex-workbench.svg {16x16,32x32,48x48,256x256}/apps/regex-workbench.png; do
  [ -f "$icons/$icon" ] || fail "no icon $icon"
done
command=$(sed -n 's/^Exec=//p' "$desktop")

while read -r locale face; do
  preferred=$(LANG=$locale fc-match -f '%{family[0]}' 'sans-serif:charset=5e38')
  [ "$preferred" = "$face" ] || fail "under $locale fontconfig prefers \"$preferred\" for Chinese, not $face"
  LANG=$locale LC_ALL= LANGUAGE= xvfb-run -a -s "-screen 0 1280x1024x24 -noreset" \
    "$smoke" 1280 1024 "$build_dir/package_screenshot_${face// /_}.png" "$root/usr/bin/$command"
done <<'FACES'
zh_CN.UTF-8 Noto Sans CJK SC
C.UTF-8 WenQuanYi Micro Hei
FACES
