#!/usr/bin/python3
"""Starts the real program under a virtual display with a window manager and checks that the
main window, the add dialog and the preferences window stand centred on the screen, their
frames (title bar and borders, as the window manager draws them) included.
Run as: xvfb-run -a e2e_window_placement.py PROGRAM CATALOGUE
Exits with 77 (skipped) when the window manager cannot take the display."""
import os
import re
import subprocess
import sys
import tempfile
import time

from e2e_support import run, start_window_manager, wait_for


SKIPPED = 77






def window_named(pattern: str) -> str:
    ids = run("xdotool", "search", "--onlyvisible", "--name", pattern).split()
    return ids[0] if ids else ""


def frame_of(window: str):
    """The outer frame: the client's place and size grown by the frame the manager reports."""
    info = run("xwininfo", "-id", window)
    x = int(re.search(r"Absolute upper-left X:\s+(-?\d+)", info).group(1))
    y = int(re.search(r"Absolute upper-left Y:\s+(-?\d+)", info).group(1))
    w = int(re.search(r"Width:\s+(\d+)", info).group(1))
    h = int(re.search(r"Height:\s+(\d+)", info).group(1))
    extents = re.search(r"= (\d+), (\d+), (\d+), (\d+)", run("xprop", "-id", window,
                                                               "_NET_FRAME_EXTENTS"))
    if extents is None:
        return None
    left, right, top, bottom = (int(v) for v in extents.groups())
    return x - left, y - top, w + left + right, h + top + bottom


def settled_frame(window: str):
    """The frame once it has stopped moving (the manager frames a new window a moment late)."""
    last = None
    seen = []
    for _ in range(15):
        time.sleep(0.2)
        frame = frame_of(window)
        seen.append(frame)
        if frame is not None and frame == last:
            return frame
        last = frame
    print("frames seen while settling:", seen)
    return last


def main() -> int:
    program, catalogue = sys.argv[1], sys.argv[2]
    if not wait_for(lambda: run("xdotool", "getdisplaygeometry").strip()):
        print("no display")
        return 1
    screen_w, screen_h = (int(v) for v in run("xdotool", "getdisplaygeometry").split())
    # Windows mapped before the manager has taken the display are framed by it later, as
    # existing windows, not placed as new ones: start the program only once it has.
    manager = start_window_manager()
    if manager is None:
        print("SKIP: the window manager did not take the display")
        return SKIPPED
    config = tempfile.mkdtemp(prefix="reelcase-e2e-")  # never the user's own settings
    app = subprocess.Popen([program, catalogue], env=dict(os.environ, XDG_CONFIG_HOME=config))
    failures = []

    def check(name: str, window: str) -> None:
        frame = settled_frame(window) if window else None
        if frame is None:
            failures.append("%s: not found or not framed" % name)
            return
        x, y, w, h = frame
        off = (x + w / 2 - screen_w / 2, y + h / 2 - screen_h / 2)
        print("%s: frame %dx%d at %d,%d, centre off by %.1f,%.1f" % (name, w, h, x, y, *off))
        if abs(off[0]) > 1 or abs(off[1]) > 1:
            failures.append("%s is off centre by %.1f,%.1f" % (name, *off))

    try:
        main_window = wait_for(lambda: window_named("^Reel-Case Database - Version"), 30)
        check("main window", main_window)
        if main_window:
            # The toolbar's add button, 125 pixels from the left, below the menu bar.
            run("xdotool", "mousemove", "--window", main_window, "139", "36", "click", "1")
            add = wait_for(lambda: window_named("^Add a new Movie!$"))
            check("add dialog", add)
            run("xdotool", "key", "Escape")
            wait_for(lambda: not window_named("^Add a new Movie!$"))
            run("xdotool", "windowactivate", "--sync", main_window)
            run("xdotool", "key", "alt+f", "p")
            preferences = wait_for(lambda: window_named("^Preferences$"))
            check("preferences", preferences)
            run("xdotool", "key", "Escape")
    finally:
        app.kill()
        manager.kill()
    for failure in failures:
        print("FAIL:", failure)
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
