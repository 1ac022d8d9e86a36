#!/usr/bin/env bash
# The window under a real screen reader: starts the program on a virtual X
# display with the accessibility bus and Orca, acts on it the three ways a
# player without sight does (keys on the focused control, the rule-text
# keys and About, the accessibility actions that voice control and switch
# access use), asks for explanations (a box's preview on focus, a value's
# breakdown with Shift+F1), and prints what Orca said after each step, from
# its debug log. The run fails when a check on what the accessibility bus reports, or
# on what Orca said, does not hold. Not part of scripts/test.sh: it needs a
# few more packages and takes about half a minute.
#
# scripts/screen_reader.sh [PROGRAM]   (default: builds build-screen-reader/cindral)
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/deps.sh xvfb at-spi2-core dbus-x11 orca python3-pyatspi xdotool
if [ $# -ge 1 ]; then
  program=$(realpath "$1")
else
  cmake -S . -B build-screen-reader -DCINDRAL_TESTS=OFF >/dev/null
  cmake --build build-screen-reader -j2 --target cindral >/dev/null
  program=$PWD/build-screen-reader/cindral
fi

# A scratch home, so that Orca starts with its default settings and nothing
# of the user's desktop is read or changed.
scratch=$(mktemp -d)
mkdir -p "$scratch/home" "$scratch/run"
chmod 700 "$scratch/run"
export HOME=$scratch/home XDG_RUNTIME_DIR=$scratch/run XDG_CONFIG_HOME=$scratch/home/.config
export XDG_DATA_HOME=$scratch/home/.local/share XDG_CACHE_HOME=$scratch/home/.cache
unset WAYLAND_DISPLAY QT_QPA_PLATFORM

pids=()
stop() {
  local pid
  for ((i = ${#pids[@]} - 1; i >= 0; i--)); do
    pid=${pids[i]}
    kill "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
  done
  [ -z "${DBUS_SESSION_BUS_PID:-}" ] || kill "$DBUS_SESSION_BUS_PID" 2>/dev/null || true
  rm -rf "$scratch"
}
trap stop EXIT

# The display: the first free number, as Xvfb reports it.
Xvfb -displayfd 5 -screen 0 1024x768x24 -nolisten tcp 5>"$scratch/display" 2>"$scratch/xvfb.log" &
pids+=($!)
for _ in $(seq 50); do [ -s "$scratch/display" ] && break; sleep 0.1; done
export DISPLAY=:$(head -n 1 "$scratch/display")

eval "$(dbus-launch --sh-syntax)"
/usr/libexec/at-spi-bus-launcher --launch-immediately >"$scratch/bus.log" 2>&1 &
pids+=($!)
sleep 1
orca --replace --debug-file="$scratch/orca.log" >"$scratch/orca.out" 2>&1 &
pids+=($!)
sleep 4  # Orca registers its listeners and says "Screen reader on."
"$program" >"$scratch/program.log" 2>&1 &
pids+=($!)

/usr/bin/python3 - "$scratch/orca.log" "$scratch/steps" <<'PYTHON'
import datetime, subprocess, sys, time

import pyatspi

orca_log, steps_file = sys.argv[1], sys.argv[2]
steps = []  # (title, start time as Orca's log writes it)
failures = []


def check(what, ok):
    print(("  ok: " if ok else "  FAILED: ") + what)
    if not ok:
        failures.append(what)


def application():
    for _ in range(100):
        for app in pyatspi.Registry.getDesktop(0):
            if app is not None and "cindral" in (app.name or "").lower():
                return app
        time.sleep(0.2)
    sys.exit("screen_reader: the program never appeared on the accessibility bus")


def everything(root):
    found, todo = [], [root]
    while todo:
        obj = todo.pop()
        found.append(obj)
        todo.extend(child for child in obj if child is not None)
    return found


app = application()
time.sleep(1)
# No window manager runs on the virtual display: give the window the
# keyboard as a desktop would.
subprocess.run(["xdotool", "search", "--sync", "--name", "Cindral PnP Character Generator", "windowfocus", "--sync"],
               check=True, stdout=subprocess.DEVNULL)
time.sleep(1)


def find(role, starts):
    for obj in everything(app):
        if obj.getRoleName() == role and (obj.name or "").startswith(starts):
            return obj
    return None


def step(title):
    steps.append((title, datetime.datetime.now().strftime("%H:%M:%S.%f")))


def key(name):
    subprocess.run(["xdotool", "key", name], check=True)
    time.sleep(0.8)


def focus(obj):
    obj.queryComponent().grabFocus()
    time.sleep(1.2)


def action(obj, name):
    actions = obj.queryAction()
    for i in range(actions.nActions):
        if actions.getName(i) == name:
            actions.doAction(i)
            time.sleep(0.8)
            return True
    return False


print("On the accessibility bus:")
plus = find("push button", "Strength 5, plus")
check('the "+" of Strength is named "Strength 5, plus"', plus is not None)
if plus is not None:
    step('Focus on "Strength, plus" (as Tab moves it)')
    focus(plus)
    step('Space on "Strength, plus" six times (the sixth at the maximum)')
    for _ in range(6):
        key("space")
    check('after the presses the "+" is named "Strength 10, plus"', plus.name == "Strength 10, plus")
    check("and its description says why", plus.description == "Strength is at the race's maximum")

bruiser = find("check box", "Bruiser")
traits_left = find("label", "Traits Left:")
if bruiser is not None:
    step('Focus on the trait box "Bruiser"')
    focus(bruiser)
    step("F1 on it")
    key("F1")
    check("after F1 the information panel is named by the Bruiser text",
          find("text", "Bruiser - ") is not None)
    step("Space on it (a tick)")
    key("space")
    check('the tick leaves "Traits Left: 1"', traits_left is not None and traits_left.name == "Traits Left: 1")
    check('and Bruiser\'s two points make the "+" "Strength 12, plus"',
          find("push button", "Strength 12, plus") is not None)
    step("Ctrl+F1 (the next caption text)")
    key("ctrl+F1")

bloody = find("check box", "Bloody Mess")
if bloody is not None and traits_left is not None:
    step('The Toggle action on "Bloody Mess", as voice control sends it (the box has no focus)')
    check('"Bloody Mess" offers the Toggle action', action(bloody, "Toggle"))
    check('the Toggle action ticks it', bloody.getState().contains(pyatspi.STATE_CHECKED))
    check('and the rules ran: "Traits Left: 0"', traits_left.name == "Traits Left: 0")

glowing = find("check box", "Glowing One")
if glowing is not None:
    step('The Toggle action on "Glowing One", which a Human cannot pick')
    action(glowing, "Toggle")
    check("a disabled box stays unticked", not glowing.getState().contains(pyatspi.STATE_CHECKED))

about = find("push button", "About")
if about is not None:
    step('Focus on "About"')
    focus(about)
    step('Space on "About"')
    key("space")

# What a click would change, said with the box on focus; a value's breakdown,
# asked for with Shift+F1 after Ctrl+F1 walked to its caption.
small_guns = find("check box", "Small Guns 25%")
if small_guns is not None:
    check('the tag box describes what its tick would change',
          (small_guns.description or "").startswith("Tags Left 3 \u2192 2. Small Guns 25% \u2192 45%"))
    step('Focus on the tag box "Small Guns"')
    focus(small_guns)
hit_points = find("label", "Hit Points:")
if hit_points is not None:
    check('the value "Hit Points" is described by its breakdown',
          (hit_points.description or "").startswith("Hit Points 37 = 15 + 12 (ST 12)"))
step("Ctrl+F1 (from the About text to the first caption, Hit Points)")
key("ctrl+F1")
step("Shift+F1 (the breakdown of the value of the caption walked to)")
key("shift+F1")
check("a balloon beside the value shows its breakdown", find("notification", "Hit Points 37 = 15 + ") is not None)
time.sleep(1)

with open(steps_file, "w") as out:
    for title, start in steps:
        out.write(start + "\t" + title + "\n")
    for failure in failures:
        out.write("FAILED\t" + failure + "\n")
PYTHON

# Orca writes its log as it goes; leave it time to present the last step,
# then end it so that the log is complete.
sleep 2
kill "${pids[-1]}" 2>/dev/null || true  # the program
kill "${pids[-2]}" 2>/dev/null || true  # Orca
wait "${pids[-2]}" 2>/dev/null || true

/usr/bin/python3 - "$scratch/orca.log" "$scratch/steps" <<'PYTHON'
import re, sys

orca_log, steps_file = sys.argv[1], sys.argv[2]
steps, failures = [], []
for line in open(steps_file):
    start, title = line.rstrip("\n").split("\t", 1)
    (failures if start == "FAILED" else steps).append((start, title))

spoken = []
for line in open(orca_log, errors="replace"):
    match = re.match(r"(\d\d:\d\d:\d\d\.\d+) - SPEECH OUTPUT: '(.*)' ?\{'established", line)
    if match and match.group(2) != "Screen reader off.":
        spoken.append((match.group(1), match.group(2).strip()))

print("\nWhat Orca said:")
said = {}
for i, (start, title) in enumerate(steps):
    end = steps[i + 1][0] if i + 1 < len(steps) else "99"
    words = [text for at, text in spoken if start <= at < end]
    said[title] = " / ".join(words)
    print("- " + title + ":")
    for text in words or ["(nothing)"]:
        print("    " + text)


def heard(step_start, phrase):
    return any(phrase in text for title, text in said.items() if title.startswith(step_start))


print("\nIn what Orca said:")
for step_start, phrase in [
    ("Space on \"Strength, plus\"", "Strength 6, plus"),
    ("Space on \"Strength, plus\"", "Strength is at the race's maximum"),
    ("Focus on the trait box", "Bruiser - "),
    ("F1 on it", "Bruiser - "),
    ("Space on it (a tick)", "checked"),
    ("Ctrl+F1", "Chem Reliant - "),
    ("Space on \"About\"", "Cindral PnP Character Generator v1.0"),
    ("Focus on the tag box \"Small Guns\"", "Small Guns 25% \u2192 45%"),
    ("Shift+F1", "Hit Points 37 = 15 + 12 (ST 12) + 10 (2 \u00d7 EN 5)"),
]:
    ok = heard(step_start, phrase)
    print(("  ok: " if ok else "  FAILED: ") + "after \"" + step_start + "\": \"" + phrase + "\"")
    if not ok:
        failures.append(("FAILED", phrase))

for _, failure in failures:
    print("FAILED: " + failure)
sys.exit(1 if failures else 0)
PYTHON
