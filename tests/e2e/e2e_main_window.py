#!/usr/bin/python3
"""Starts the real program under a virtual display with a catalogue argument and reads, through
the accessibility bus, what the window shows: its title and the names in its movie list.
Run as: xvfb-run -a dbus-run-session -- e2e_main_window.py PROGRAM CATALOGUE NAME..."""
import os
import subprocess
import sys
import tempfile
import time

import pyatspi

from e2e_support import bus_launcher, find





def wait_for_display(seconds: float = 20) -> bool:
    """xvfb-run may hand over before the server takes connections."""
    deadline = time.time() + seconds
    while time.time() < deadline:
        if subprocess.run(["xdotool", "getdisplaygeometry"], capture_output=True).returncode == 0:
            return True
        time.sleep(0.2)
    return False


def main() -> int:
    program, catalogue, expected = sys.argv[1], sys.argv[2], sys.argv[3:]
    launcher = bus_launcher()
    bus = subprocess.Popen([launcher, "--launch-immediately"]) if launcher else None
    time.sleep(1)
    if not wait_for_display():
        print("FAIL: the virtual display never took connections")
        if bus:
            bus.terminate()
        return 1
    config = tempfile.mkdtemp(prefix="reelcase-e2e-")  # never the user's own settings
    env = dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", QT_ACCESSIBILITY="1",
               XDG_CONFIG_HOME=config)
    app = subprocess.Popen([program, catalogue], env=env)
    try:
        window = None
        deadline = time.time() + 30
        names = []
        while time.time() < deadline:
            # A program that ends before showing its list has crashed or refused to start:
            # that is the failure this test exists to catch, so it is never started again.
            if app.poll() is not None:
                print("FAIL: the program ended at start (code %s)" % app.returncode)
                return 1
            desktop = pyatspi.Registry.getDesktop(0)
            window = find(desktop, lambda n: n.getRoleName() == "frame"
                          and n.name.startswith("Reel-Case Database"))
            if window is not None:
                movie_list = find(window, lambda n: n.getRoleName() == "list")
                if movie_list is not None:
                    names = [movie_list.getChildAtIndex(i).name
                             for i in range(movie_list.childCount)]
                    if names:
                        break
            time.sleep(0.5)
        if window is None:
            print("FAIL: the main window never appeared")
            return 1
        print("window:", window.name)
        print("listed:", names)
        if window.name != "Reel-Case Database - Version 1.21 - VANO":
            print("FAIL: wrong title")
            return 1
        if names != expected:
            print("FAIL: expected", expected)
            return 1
        print("1 passed, 0 failed")
        return 0
    finally:
        app.terminate()
        app.wait(timeout=10)
        if bus:
            bus.terminate()


if __name__ == "__main__":
    sys.exit(main())
