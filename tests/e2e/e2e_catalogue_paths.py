#!/usr/bin/python3
"""The real program under a virtual display, driven by the keyboard: a catalogue named by a
relative path is saved where it lies and remembered by its absolute path, and a catalogue too
large for the table, reopened at start, is never saved over.
Run as: xvfb-run -a dbus-run-session -- e2e_catalogue_paths.py PROGRAM MAKE_CATALOGUE"""
import os
import subprocess
import sys
import tempfile
import time

import pyatspi

from e2e_support import bus_launcher, wait_for

failures = []


def check(condition, what):
    print(("ok: " if condition else "FAIL: ") + what)
    if not condition:
        failures.append(what)


def walk(node, depth=0):
    if node is None or depth > 14:
        return
    try:
        yield node
        for i in range(node.childCount):
            yield from walk(node.getChildAtIndex(i), depth + 1)
    except Exception:  # a node that went away while walking
        return


def texts_of_windows(role_names):
    """The labels of every open window of the given roles, by window name."""
    found = []
    desktop = pyatspi.Registry.getDesktop(0)
    for app in (desktop.getChildAtIndex(i) for i in range(desktop.childCount)):
        for window in (app.getChildAtIndex(i) for i in range(app.childCount) if app):
            try:
                if window.getRoleName() in role_names:
                    labels = [n.name for n in walk(window) if n.getRoleName() == "label"]
                    found.append((window.name, labels))
            except Exception:
                continue
    return found




def key(*keys):
    for k in keys:
        subprocess.run(["xdotool", "key", k], capture_output=True)
        time.sleep(0.3)


def message_with(text):
    """The open message box whose labels hold text."""
    def look():
        for name, labels in texts_of_windows({"alert", "dialog"}):
            if any(text in label for label in labels):
                return name, labels
        return None
    return wait_for(look)


def file_dialog_open():
    return wait_for(lambda: [w for w in texts_of_windows({"dialog"})
                             if any("name:" in label or "Look in" in label
                                    for label in w[1])])


def main_window_shown():
    """Waits for the main window and gives it the keyboard (there is no window manager)."""
    found = wait_for(lambda: subprocess.run(
        ["xdotool", "search", "--onlyvisible", "--name", "Reel-Case Database - Version"],
        capture_output=True, text=True).stdout.split())
    if found:
        subprocess.run(["xdotool", "windowfocus", "--sync", found[0]], capture_output=True)
        time.sleep(0.5)
    return bool(found)


def start(program, args, cwd, config):
    env = dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", QT_ACCESSIBILITY="1",
               XDG_CONFIG_HOME=config)
    app = subprocess.Popen([program, *args], cwd=cwd, env=env)
    time.sleep(1)
    check(app.poll() is None, "the program runs")
    return app


def write_settings(config, last_file):
    folder = os.path.join(config, "reel-case")
    os.makedirs(folder, exist_ok=True)
    with open(os.path.join(folder, "settings.reg"), "w") as f:
        f.write('[SOFTWARE\\Reel-Case]\n"Ask_Before_Quiting"="0"\n')
        f.write('"Open_Last_File"="%s"\n' % last_file)


def relative_path_is_saved_where_it_lies(program, make, work):
    os.makedirs(os.path.join(work, "data"))
    two = os.path.join(work, "data", "two.rcb")
    subprocess.run([sys.executable, make, two, "2"], check=True)
    config = tempfile.mkdtemp(prefix="reelcase-e2e-config-")
    write_settings(config, ".")
    app = start(program, ["data/two.rcb"], work, config)
    try:
        check(main_window_shown(), "the main window is shown")
        before = os.stat(two).st_mtime_ns
        key("alt+f", "a")
        check(file_dialog_open(), "Save As shows the file dialog")
        key("Return")  # accept the offered name
        check(message_with("already exists") is not None, "the dialog asks before replacing")
        key("alt+y")
        check(message_with("The 2 MOVIES Are Now Succesfully Saved!") is not None,
              "the save succeeds")
        key("Return")
        check(os.stat(two).st_mtime_ns != before, "data/two.rcb was written")
        check(not os.path.exists(os.path.join(work, "two.rcb")),
              "nothing was written in the working folder")
        main_window_shown()
        key("alt+f", "x")
        check(wait_for(lambda: app.poll() is not None), "Exit ends the program")
        # In the sanitized build a leak or a crash on the way out shows as a non-zero code.
        check(app.poll() == 0, "the program ends cleanly (code %s)" % app.poll())
    finally:
        if app.poll() is None:
            app.kill()
    with open(os.path.join(config, "reel-case", "settings.reg")) as f:
        settings = f.read()
    check('"Open_Last_File"="%s"' % two in settings, "the last file is kept absolute")


def overfull_catalogue_is_never_saved_over(program, make, work):
    big = os.path.join(work, "big.rcb")
    subprocess.run([sys.executable, make, big, "100005"], check=True)
    size = os.path.getsize(big)
    config = tempfile.mkdtemp(prefix="reelcase-e2e-config-")
    write_settings(config, big)
    app = start(program, [], "/", config)
    try:
        check(message_with("5 movies of this file could not be taken in") is not None,
              "start says what was left out")
        key("Return")
        check(main_window_shown(), "the main window is shown")
        key("alt+f", "s")  # Save: there is no current file, so it asks for one
        check(file_dialog_open(), "Save asks for a file instead of writing over big.rcb")
        key("Escape")
        time.sleep(0.5)
        check(os.path.getsize(big) == size, "big.rcb keeps all its records")
    finally:
        app.kill()
        app.wait(timeout=10)


def main() -> int:
    program, make = sys.argv[1], sys.argv[2]
    launcher = bus_launcher()
    bus = subprocess.Popen([launcher, "--launch-immediately"]) if launcher else None
    time.sleep(1)
    wait_for(lambda: subprocess.run(["xdotool", "getdisplaygeometry"],
                                    capture_output=True).returncode == 0)
    try:
        with tempfile.TemporaryDirectory(prefix="reelcase-e2e-") as work:
            relative_path_is_saved_where_it_lies(program, make, work)
        with tempfile.TemporaryDirectory(prefix="reelcase-e2e-") as work:
            overfull_catalogue_is_never_saved_over(program, make, work)
    finally:
        if bus:
            bus.terminate()
    print("%d passed, %d failed" % (0 if failures else 1, 1 if failures else 0))
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
