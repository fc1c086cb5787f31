#!/usr/bin/python3
"""A screen reader hears where the keyboard went: after a command moves the focus to the search
box, the accessibility bus announces the search box, not the list entry that had it before.
Run as: xvfb-run -a dbus-run-session -- e2e_focus_announced.py PROGRAM CATALOGUE"""
import os
import shutil
import subprocess
import sys
import tempfile

import pyatspi
from gi.repository import GLib

from e2e_support import bus_launcher, find, run, wait_for

failures = []
# What the bus announced as focused, oldest first: (role, name) of each object.
announced = []


def check(condition, what):
    print(("ok: " if condition else "FAIL: ") + what, flush=True)
    if not condition:
        failures.append(what)


def on_focus(event):
    if event.type.startswith("object:state-changed:focused") and event.detail1 != 1:
        return
    try:
        announced.append((event.source.getRoleName(), event.source.name))
    except Exception:  # an object that went away before it was read
        announced.append(("gone", ""))


def pump():
    """Hands the events already received to on_focus."""
    context = GLib.MainContext.default()
    while context.pending():
        context.iteration(False)


def last_announced():
    pump()
    return announced[-1] if announced else None


def wait_announced(wanted, seconds=20.0):
    return wait_for(lambda: last_announced() == wanted, seconds)


def accessible(pid, predicate):
    desktop = pyatspi.Registry.getDesktop(0)
    for i in range(desktop.childCount):
        try:
            app = desktop.getChildAtIndex(i)
            if app is not None and app.get_process_id() == pid:
                return find(app, predicate)
        except Exception:  # an application that went away
            continue
    return None


def key(*keys):
    for k in keys:
        run("xdotool", "key", k)


def click_on(node):
    box = node.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    run("xdotool", "mousemove", box.x + box.width // 2, box.y + box.height // 2, "click", "1")


def text_of(node):
    text = node.queryText()
    return text.getText(0, text.characterCount)


def focus_goes_to_search_after_new_answered_no(program, catalogue):
    config = tempfile.mkdtemp(prefix="reelcase-e2e-config-")  # never the user's own settings
    env = dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", QT_ACCESSIBILITY="1",
               XDG_CONFIG_HOME=config)
    app = subprocess.Popen([program, catalogue], env=env)
    try:
        # The window program replaces the started one, so the process id stays the same.
        movie_list = wait_for(lambda: app.poll() is None and accessible(
            app.pid, lambda n: n.getRoleName() == "list" and n.childCount > 2), 30)
        check(bool(movie_list), "the movie list is shown")
        if not movie_list:
            return
        search = accessible(app.pid, lambda n: n.name == "Search" and n.getRoleName() == "text")
        check(search is not None, "the search box is an accessible text")
        window = run("xdotool", "search", "--onlyvisible", "--name",
                     "Reel-Case Database - Version").split()
        run("xdotool", "windowfocus", "--sync", window[0])

        entry = movie_list.getChildAtIndex(1)
        click_on(entry)
        check(wait_announced(("list item", entry.name)), "a clicked entry is announced")

        click_on(accessible(app.pid, lambda n: n.getRoleName() == "menu item" and
                            n.name == "File"))
        new = wait_for(lambda: accessible(app.pid, lambda n: n.getRoleName() == "menu item" and
                                          n.name == "New" and
                                          n.getState().contains(pyatspi.STATE_SHOWING)))
        check(bool(new), "the File menu is open")
        click_on(new)
        question = wait_for(lambda: accessible(app.pid, lambda n: n.getRoleName() == "label" and
                                               n.name.startswith("Do you want to start a new")))
        check(bool(question), "File > New asks first")
        key("alt+n")
        wait_announced(("text", "Search"))
        # Handing over: a key typed now lands in the search box only after the program has
        # dealt with everything the closing question set off, the activation of its window
        # included; whatever it announced on the way has then reached this side.
        key("q")
        check(wait_for(lambda: text_of(search) == "q"), "the keyboard is in the search box")
        print("announced:", announced, flush=True)
        check(last_announced() == ("text", "Search"),
              "the search box is announced as focused, last")
    finally:
        app.kill()
        app.wait(timeout=10)
        shutil.rmtree(config, ignore_errors=True)


def main() -> int:
    program, catalogue = sys.argv[1], sys.argv[2]
    launcher = bus_launcher()
    if launcher is None:
        print("FAIL: no accessibility bus launcher")
        return 1
    # xvfb-run may hand over before the server takes connections, and a launcher started
    # then cannot publish the bus on the display.
    if not wait_for(lambda: subprocess.run(["xdotool", "getdisplaygeometry"],
                                           capture_output=True).returncode == 0):
        print("FAIL: the virtual display never took connections")
        return 1
    bus = subprocess.Popen([launcher, "--launch-immediately"])
    # Listening needs the bus: asked earlier, none is found. The launcher answers on the session
    # bus once it runs (its address on the display's root window may never come when it met the
    # display too early).
    def bus_address():
        return run("dbus-send", "--session", "--print-reply", "--dest=org.a11y.Bus",
                   "/org/a11y/bus", "org.a11y.Bus.GetAddress")
    if "unix:" not in wait_for(bus_address, 45):
        print("FAIL: the accessibility bus never started (launcher %s)" % bus.poll())
        bus.terminate()
        return 1
    pyatspi.Registry.registerEventListener(on_focus, "object:state-changed:focused", "focus:")
    try:
        with tempfile.TemporaryDirectory(prefix="reelcase-e2e-") as work:
            copy = os.path.join(work, "movies.rcb")
            shutil.copyfile(catalogue, copy)
            focus_goes_to_search_after_new_answered_no(program, copy)
    finally:
        bus.terminate()
    print("%d passed, %d failed" % (0 if failures else 1, 1 if failures else 0))
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
