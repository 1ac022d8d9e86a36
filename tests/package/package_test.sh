#!/usr/bin/env bash
# Builds the Debian package from a finished build, checks it with lintian,
# unpacks it into a scratch root and checks what a desktop needs from it: the
# desktop entry and the AppStream metadata are valid and name the icon, the
# icon is there at every size and as a scalable image, the copyright,
# changelog and manual page are there, and the package depends on what the
# program loads plus the window's font. Then it starts the unpacked program
# offscreen, on a headless Wayland compositor and on a virtual X11 display,
# where the window must carry the desktop entry's name, and with no display
# at all, where it must say that it needs one.
# Usage: package_test.sh <build folder> <source folder>
set -euo pipefail

build=$(cd "$1" && pwd)
source=$(cd "$2" && pwd)
id=org.cindralpnp.CharacterGenerator
title="Cindral PnP Character Generator"

scratch=$(mktemp -d)
started=()
cleanup() {
  for pid in "${started[@]}"; do kill "$pid" 2>/dev/null || true; done
  rm -rf "$scratch"
}
trap cleanup EXIT

fail() { echo "FAIL: $*" >&2; exit 1; }

# Waits up to $1 seconds for the command after it to succeed.
wait_for() {
  local seconds=$1
  shift
  for _ in $(seq $((seconds * 10))); do
    "$@" && return 0
    sleep 0.1
  done
  return 1
}

echo "-- building the package"
cpack -G DEB --config "$build/CPackConfig.cmake" -B "$scratch/out" > "$scratch/cpack.log" 2>&1 ||
  { cat "$scratch/cpack.log"; fail "cpack -G DEB"; }
debs=("$scratch"/out/*.deb)
[ ${#debs[@]} -eq 1 ] && [ -f "${debs[0]}" ] || fail "expected one .deb, found: ${debs[*]}"
deb=${debs[0]}
version=$(dpkg-deb -f "$deb" Version)
echo "   $(basename "$deb")"

echo "-- its dependencies"
depends=$(dpkg-deb -f "$deb" Depends)
echo "   Depends: $depends"
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
# Without Qt's Wayland plugin the window runs only through the X11 layer of
# a Wayland desktop.
recommends=$(dpkg-deb -f "$deb" Recommends)
echo "   Recommends: $recommends"
[[ " $(tr ',' ' ' <<<"$recommends") " == *" qt6-wayland "* ]] || fail "Recommends lacks qt6-wayland"

echo "-- lintian"
# Every error and warning fails; the notes below them are printed only.
lintian --display-info --pedantic --fail-on error,warning "$deb" > "$scratch/lintian.log" 2>&1 ||
  { cat "$scratch/lintian.log"; fail "lintian reports errors or warnings"; }
sed 's/^/   /' "$scratch/lintian.log"

echo "-- unpacking into a scratch root"
root=$scratch/root
dpkg -x "$deb" "$root"
doc=usr/share/doc/cindral
icons=usr/share/icons/hicolor
sizes=(16 32 48 64 128 256)
expected=(usr/bin/cindral
          usr/share/applications/$id.desktop
          usr/share/metainfo/$id.metainfo.xml
          usr/share/man/man6/cindral.6.gz
          $doc/copyright
          $doc/changelog.gz
          $icons/scalable/apps/$id.svg)
for size in "${sizes[@]}"; do expected+=("$icons/${size}x${size}/apps/$id.png"); done
for f in "${expected[@]}"; do
  [ -f "$root/$f" ] || fail "package lacks /$f"
done
[ -x "$root/usr/bin/cindral" ] || fail "/usr/bin/cindral is not executable"
# The program finds its libraries where the system keeps them, never in a
# folder of its own or in the current one: neither it nor the one built
# may carry a library search path.
for program in "$root/usr/bin/cindral" "$build/cindral"; do
  if readelf -d "$program" | grep -E "\((RPATH|RUNPATH)\)"; then
    fail "$program carries a library search path"
  fi
done

echo "-- the icon"
for size in "${sizes[@]}"; do
  file -b "$root/$icons/${size}x${size}/apps/$id.png" |
    grep -q "^PNG image data, $size x $size," || fail "icon at ${size}x${size} is not a ${size}x${size} PNG"
done
svg=$root/$icons/scalable/apps/$id.svg
file -b "$svg" | grep -q "SVG Scalable Vector Graphics image" || fail "the scalable icon is not an SVG image"
# Rendered at its own size, the scalable icon must be square; rendered at
# 256 pixels it must be the PNG of that size.
rsvg-convert --output "$scratch/icon.png" "$svg" || fail "the scalable icon does not render"
file -b "$scratch/icon.png" | grep -Eq "^PNG image data, ([0-9]+) x \1," || fail "the scalable icon is not square"
rsvg-convert --width 256 --height 256 --output "$scratch/icon-256.png" "$svg"
cmp -s "$scratch/icon-256.png" "$root/$icons/256x256/apps/$id.png" || fail "the 256 pixel icon is not the scalable one"
cmp -s "$source/data/icons/$id.svg" "$svg" || fail "installed scalable icon differs"

echo "-- validating the desktop entry and the AppStream metadata"
entry=$root/usr/share/applications/$id.desktop
desktop-file-validate "$entry" || fail "desktop-file-validate"
appstreamcli validate --no-net "$root/usr/share/metainfo/$id.metainfo.xml" || fail "appstreamcli validate"
# The metadata's launchable must be the desktop entry the package installs.
appstreamcli validate-tree --no-net "$root" || fail "appstreamcli validate-tree"
grep -qx "Icon=$id" "$entry" || fail "desktop entry names another icon"
grep -qx "Exec=cindral" "$entry" || fail "desktop entry starts another program"
grep -qx "StartupWMClass=$id" "$entry" || fail "desktop entry lacks StartupWMClass=$id"
grep -q "<icon type=\"stock\">$id</icon>" "$root/usr/share/metainfo/$id.metainfo.xml" ||
  fail "the AppStream metadata does not name the icon"
# The sources are what a developer edits; the installed copies must be them.
cmp -s "$source/data/$id.desktop" "$entry" || fail "installed desktop entry differs"

echo "-- copyright, changelog and manual page"
head -n1 "$root/$doc/copyright" |
  grep -qx "Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/" ||
  fail "copyright is not in the machine-readable format"
zcat "$root/$doc/changelog.gz" > "$scratch/changelog" || fail "changelog.gz is not gzip data"
changelog_version=$(dpkg-parsechangelog -l "$scratch/changelog" -S Version) || fail "changelog does not parse"
[ "$changelog_version" = "$version" ] ||
  fail "the changelog's latest entry is $changelog_version, the package is $version"
man_page=$(MANWIDTH=80 man --warnings -l "$root/usr/share/man/man6/cindral.6.gz" 2>"$scratch/man.err") ||
  { cat "$scratch/man.err"; fail "the manual page does not format"; }
[ ! -s "$scratch/man.err" ] || { cat "$scratch/man.err"; fail "the manual page formats with warnings"; }
grep -q "cindral - character generator" <<<"$man_page" || fail "the manual page lacks its NAME line"

runtime=$scratch/runtime
mkdir -m 700 "$runtime"
program=$root/usr/bin/cindral
# Each run gets a clean environment: no display but the one it names.
run() { (cd "$scratch" && exec env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM XDG_RUNTIME_DIR="$runtime" "$@"); }

echo "-- starting the installed program offscreen"
output=$(run QT_QPA_PLATFORM=offscreen CINDRAL_QUIT_AFTER_SHOWN=1 timeout 60 "$program" 2>"$scratch/stderr") ||
  { cat "$scratch/stderr"; fail "the program did not exit cleanly"; }
[ "$output" = "shown" ] || { cat "$scratch/stderr"; fail "expected \"shown\", got \"$output\""; }
echo "   $output"

echo "-- starting it without a display"
status=0
output=$(run timeout 60 "$program" 2>"$scratch/stderr") || status=$?
echo "   status $status: $(cat "$scratch/stderr")"
[ $status -eq 1 ] || fail "expected exit status 1 without a display, got $status"
[ -z "$output" ] || fail "expected nothing on stdout without a display, got \"$output\""
[ "$(wc -l <"$scratch/stderr")" -eq 1 ] || fail "expected one line on stderr without a display"
grep -q "^cindral: needs a graphical desktop session" "$scratch/stderr" || fail "the line does not say what is missing"

echo "-- starting it on a headless Wayland compositor"
socket=cindral-package-test
env -u DISPLAY -u WAYLAND_DISPLAY XDG_RUNTIME_DIR="$runtime" \
  weston --no-config --backend=headless-backend.so --socket=$socket --idle-time=0 \
  --log="$scratch/weston.log" > /dev/null 2>&1 &
started+=($!)
wait_for 30 test -S "$runtime/$socket" || { cat "$scratch/weston.log"; fail "weston did not start"; }
# The client's protocol log shows the app id the window announces.
output=$(run WAYLAND_DISPLAY=$socket QT_QPA_PLATFORM=wayland WAYLAND_DEBUG=client CINDRAL_QUIT_AFTER_SHOWN=1 \
  timeout 60 "$program" 2>"$scratch/stderr") ||
  { grep -v '^\[' "$scratch/stderr"; fail "the program did not exit cleanly on Wayland"; }
[ "$output" = "shown" ] || { grep -v '^\[' "$scratch/stderr"; fail "expected \"shown\" on Wayland, got \"$output\""; }
grep -q "xdg_toplevel@[0-9]*\.set_app_id(\"$id\")" "$scratch/stderr" ||
  fail "the window's Wayland app id is not $id: $(grep -o 'set_app_id(.*)' "$scratch/stderr" || echo none)"
echo "   $output, app id $id"

echo "-- starting it on a virtual X11 display"
Xvfb -displayfd 3 -nolisten tcp -screen 0 1024x768x24 3>"$scratch/display" > "$scratch/xvfb.log" 2>&1 &
started+=($!)
wait_for 30 test -s "$scratch/display" || { cat "$scratch/xvfb.log"; fail "Xvfb did not start"; }
display=:$(cat "$scratch/display")
run DISPLAY="$display" QT_QPA_PLATFORM=xcb timeout 60 "$program" > /dev/null 2>"$scratch/stderr" &
started+=($!)
wait_for 30 xprop -display "$display" -name "$title" WM_CLASS > "$scratch/wm_class" 2>/dev/null ||
  { cat "$scratch/stderr"; fail "no window named \"$title\" on the X11 display"; }
wm_class=$(cat "$scratch/wm_class")
echo "   $wm_class"
[ "$wm_class" = "WM_CLASS(STRING) = \"cindral\", \"$(sed -n 's/^StartupWMClass=//p' "$entry")\"" ] ||
  fail "the window's X11 class is not the desktop entry's StartupWMClass"

echo "PASS"
