#!/usr/bin/env bash
# Builds the Debian package from a finished build, unpacks it into a scratch
# root and checks what a desktop needs from it: the program starts and shows
# its window, the desktop entry and the AppStream metadata are valid, the
# icon is there at both sizes, and the package depends on what the program
# loads plus the window's font.
# Usage: package_test.sh <build folder> <source folder>
set -euo pipefail

build=$(cd "$1" && pwd)
source=$(cd "$2" && pwd)
id=org.cindralpnp.CharacterGenerator

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

fail() { echo "FAIL: $*" >&2; exit 1; }

echo "-- building the package"
cpack -G DEB --config "$build/CPackConfig.cmake" -B "$scratch/out" > "$scratch/cpack.log" 2>&1 ||
  { cat "$scratch/cpack.log"; fail "cpack -G DEB"; }
debs=("$scratch"/out/*.deb)
[ ${#debs[@]} -eq 1 ] && [ -f "${debs[0]}" ] || fail "expected one .deb, found: ${debs[*]}"
deb=${debs[0]}
echo "   $(basename "$deb")"

echo "-- its dependencies"
depends=$(dpkg-deb -f "$deb" Depends)
echo "   $depends"
names=" $(sed -E 's/\([^)]*\)//g; s/[,|]/ /g' <<<"$depends" | tr -s ' ') "
for needed in libqt6widgets6 libqt6gui6 libqt6core6 libstdc++6 libc6 fonts-liberation; do
  [[ $names == *" $needed "* ]] || fail "Depends lacks $needed"
done
# Every dependency (one of its alternatives) must be a package this machine
# has, or the package could not be installed here.
IFS=',' read -ra clauses <<<"$depends"
for clause in "${clauses[@]}"; do
  met=no
  IFS='|' read -ra alternatives <<<"$clause"
  for alternative in "${alternatives[@]}"; do
    name=$(awk '{print $1}' <<<"$alternative")
    dpkg-query -W -f='${Status}' "$name" 2>/dev/null | grep -q "install ok installed" && met=yes
  done
  [ $met = yes ] || fail "dependency not installable here: $clause"
done

echo "-- unpacking into a scratch root"
root=$scratch/root
dpkg -x "$deb" "$root"
for f in usr/bin/cindral \
         usr/share/applications/$id.desktop \
         usr/share/metainfo/$id.metainfo.xml \
         usr/share/icons/hicolor/16x16/apps/$id.png \
         usr/share/icons/hicolor/32x32/apps/$id.png; do
  [ -f "$root/$f" ] || fail "package lacks /$f"
done
[ -x "$root/usr/bin/cindral" ] || fail "/usr/bin/cindral is not executable"
for size in 16 32; do
  file -b "$root/usr/share/icons/hicolor/${size}x${size}/apps/$id.png" |
    grep -q "PNG image data, $size x $size" || fail "icon at ${size}x${size} is not a ${size}x${size} PNG"
done

echo "-- validating the desktop entry and the AppStream metadata"
desktop-file-validate "$root/usr/share/applications/$id.desktop" || fail "desktop-file-validate"
appstreamcli validate --no-net "$root/usr/share/metainfo/$id.metainfo.xml" || fail "appstreamcli validate"
# The metadata's launchable must be the desktop entry the package installs.
appstreamcli validate-tree --no-net "$root" || fail "appstreamcli validate-tree"
grep -qx "Icon=$id" "$root/usr/share/applications/$id.desktop" || fail "desktop entry names another icon"
grep -qx "Exec=cindral" "$root/usr/share/applications/$id.desktop" || fail "desktop entry starts another program"
# The sources are what a developer edits; the installed copies must be them.
cmp -s "$source/data/$id.desktop" "$root/usr/share/applications/$id.desktop" || fail "installed desktop entry differs"

echo "-- starting the installed program"
output=$(cd "$scratch" && env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM=offscreen CINDRAL_QUIT_AFTER_SHOWN=1 \
  timeout 60 "$root/usr/bin/cindral" 2>"$scratch/stderr") || { cat "$scratch/stderr"; fail "the program did not exit cleanly"; }
[ "$output" = "shown" ] || { cat "$scratch/stderr"; fail "expected \"shown\", got \"$output\""; }
echo "   $output"

echo "PASS"
