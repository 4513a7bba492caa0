"""Reads the running window as a screen reader does, through the AT-SPI tree.

Fails on any focusable object without a name; checks that Tab goes from
Start/Stop to the density box and on to the drawing area; reads the drawing
area's description, pushes with keys, and reads it again.
    accessibility_tree.py PROGRAM WORKDIR
Run under dbus-run-session, on an X display, with /usr/bin/python3 (Debian's
pyatspi serves that Python only).
"""
import os
import subprocess
import sys
import time

try:
    import pyatspi
    from gi.repository import GLib
except ImportError:
    sys.exit("FAIL: pyatspi is missing (apt-get install python3-pyatspi at-spi2-core dbus)")

program, work = sys.argv[1], sys.argv[2]


def fail(message):
    print("FAIL: " + message)
    with open(os.path.join(work, "app.log")) as log:
        print(log.read())
    sys.exit(1)


def wait_for(what, find, seconds=15):
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        try:
            found = find()
        except Exception:  # the tree may change under a walk; try again
            found = None
        if found:
            return found
        time.sleep(0.2)
    fail("waited %d s for %s" % (seconds, what))


def walk(accessible, path=""):
    """Every object under `accessible`, with a path of role names to it."""
    here = "%s/%s" % (path, accessible.getRoleName())
    yield accessible, here
    for child in accessible:
        if child is not None:
            yield from walk(child, here)


def application():
    for app in pyatspi.Registry.getDesktop(0):
        if app is not None and app.name == "rigid-body":
            return app
    return None


def named(app, name):
    return next((a for a, _ in walk(app) if a.name == name), None)


def focused(app):
    return next((a for a, _ in walk(app) if a.getState().contains(pyatspi.STATE_FOCUSED)), None)


def keys(*names):
    subprocess.run(["xdotool", "key", "--delay", "40", *names], check=True)


env = dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1")
app_log = open(os.path.join(work, "app.log"), "w")
process = subprocess.Popen([program, "--record", "session.txt"], cwd=work, env=env, stdout=app_log, stderr=app_log)
try:
    app = wait_for("the program in the accessibility tree", application)
    area = wait_for("the drawing area", lambda: named(app, "drawing area"))
    window = subprocess.run(["xdotool", "search", "--sync", "--onlyvisible", "--name", "^Rigid Body Dynamics$"],
                            capture_output=True, text=True, timeout=20).stdout.split()
    if not window:
        fail("no window captioned Rigid Body Dynamics")
    subprocess.run(["xdotool", "windowfocus", "--sync", window[0]], check=True)
    # The panels and their values join the tree once they are shown.
    keys("ctrl+i", "ctrl+g")
    time.sleep(0.5)

    unnamed = [path for a, path in walk(app)
               if a.getState().contains(pyatspi.STATE_FOCUSABLE) and not a.name.strip()]
    if unnamed:
        fail("focusable objects without a name:\n  " + "\n  ".join(unnamed))

    before = wait_for("a description of the drawing area", lambda: area.description)
    if "The body is at" not in before:
        fail("the drawing area's description does not say where the body is: " + before)

    # From Start/Stop, Tab goes to the density box, then to the drawing area.
    start_stop = named(app, "Start/Stop")
    start_stop.queryComponent().grabFocus()
    wait_for("Start/Stop to take the focus", lambda: focused(app) and focused(app).name == "Start/Stop")
    keys("Tab")
    wait_for("Tab to reach the density box", lambda: focused(app) and focused(app).name == "density")
    keys("Tab")
    wait_for("Tab to reach the drawing area", lambda: focused(app) and focused(app).name == "drawing area")

    # Particle 1, pushed 20 pixels right and 10 up. A screen reader learns of
    # each new description from an event, as it comes.
    heard = []

    def on_description(event):
        if event.source.name == "drawing area":
            heard.append(event.source.description)
            if "Pushed particle 1" in heard[-1]:
                pyatspi.Registry.stop()

    def push():
        keys("n", *["Right"] * 10, "shift+Right", "shift+Up", "Return")
        return False

    pyatspi.Registry.registerEventListener(on_description, "object:property-change:accessible-description")
    GLib.timeout_add(100, push)
    GLib.timeout_add(10000, pyatspi.Registry.stop)
    pyatspi.Registry.start()
    if not heard or "Pushed particle 1" not in heard[-1]:
        fail("no description told of the push; heard: %s" % heard)
    after = heard[-1]
    # Under load, a description from before the keys may be heard first.
    if not any(said.startswith("Particle 1 of 8; the push goes ") for said in heard[:-1]):
        fail("the keys were not answered before the push: %s" % heard)
    if "A force of 22 pushes it up and to the right" not in after:
        fail("the description after the push does not tell of the force: " + after)
finally:
    process.terminate()
    process.wait(10)

with open(os.path.join(work, "session.txt")) as recording:
    lines = [line.strip() for line in recording if line.strip() in ("press 432 288", "release 452 278")]
if lines != ["press 432 288", "release 452 278"]:
    fail("the push with keys was not recorded as a press and a release at the particle: %s" % lines)
print("PASS: every focusable object named; Tab from Start/Stop to the density box to the drawing area; "
      "described before (%s) and after a push with keys (%s)" % (before, after))
