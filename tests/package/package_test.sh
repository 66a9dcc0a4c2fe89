#!/usr/bin/env bash
# Builds the Debian package, unpacks it into a scratch root, starts the
# installed program from its desktop entry's command under Xvfb, takes a
# screenshot, closes the window with Esc and expects exit status 0.
set -euo pipefail
build_dir=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

cd "$build_dir"
cpack -G DEB -B "$work/out" >"$work/cpack.log" 2>&1 || { cat "$work/cpack.log"; exit 1; }
deb=$(ls "$work"/out/*.deb)
echo "package: $(basename "$deb")"

depends=$(dpkg-deb -f "$deb" Depends)
echo "depends: $depends"
for needed in libqt6widgets6 libboost-regex fonts-wqy-microhei; do
  grep -q "$needed" <<<"$depends" || { echo "missing dependency: $needed"; exit 1; }
done

root="$work/root"
dpkg -x "$deb" "$root"
desktop="$root/usr/share/applications/regex-workbench.desktop"
test -f "$desktop"
for size in 16 32 48 256; do test -f "$root/usr/share/icons/hicolor/${size}x${size}/apps/regex-workbench.png"; done
command=$(sed -n 's/^Exec=//p' "$desktop")

cat >"$work/session.sh" <<'SESSION'
#!/usr/bin/env bash
set -u
PATH="$1:$PATH" "$2" & pid=$!
window=$(timeout 20 xdotool search --sync --onlyvisible --name 'Tolvanev1.2' | head -n 1)
[ -n "$window" ] || { echo "no window"; kill $pid; exit 1; }
import -window root "$3" 2>/dev/null || true
xdotool windowfocus --sync "$window" key Escape
wait $pid
SESSION
chmod +x "$work/session.sh"
status=0
xvfb-run -a -s "-screen 0 1280x1024x24" "$work/session.sh" "$root/usr/bin" "$command" \
  "$build_dir/package_screenshot.png" || status=$?
echo "exit status: $status"
[ "$status" -eq 0 ]
