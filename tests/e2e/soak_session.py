#!/usr/bin/python3
"""Drives the real program with random user actions for a while (default 300 s) and fails if
it crashes or its sanitizers report anything. Run under a virtual display:
    xvfb-run -a -s "-screen 0 1024x768x24" tests/e2e/soak_session.py PROGRAM CATALOGUE [SECONDS]
"""
import glob
import os
import random
import shutil
import subprocess
import sys
import tempfile
import time

# Places in the main window, as it stands centred on a 1024 x 768 screen.
TOOLBAR = {"open": (241, 173), "save": (269, 173), "print": (297, 173), "export": (325, 173),
           "add": (361, 173), "modify": (389, 173), "delete": (417, 173)}
LIST = (300, 200, 560)          # x, top, bottom of the movie list
SEARCH_BOX = (574, 212)
SEARCH, CLEAR = (690, 212), (754, 212)
RESULTS = (600, 250, 330)
COMBOS = [(294, 602), (439, 602), (582, 602), (726, 602)]


def xdo(*args):
    subprocess.run(["xdotool", *map(str, args)], capture_output=True)


def click(x, y, button=1):
    xdo("mousemove", x, y, "click", button)


def focus_main_window():
    """Gives the main window the keyboard: with no window manager nothing else does, and Qt
    takes a menu's key only in the active window."""
    found = subprocess.run(["xdotool", "search", "--onlyvisible", "--name", "Reel-Case Database"],
                           capture_output=True, text=True).stdout.split()
    if found:
        xdo("windowfocus", "--sync", found[0])
        time.sleep(0.1)


def focus_newest_window(pid):
    """Gives the keyboard to the program's window shown last: a dialog left open, if any."""
    found = subprocess.run(["xdotool", "search", "--onlyvisible", "--pid", str(pid)],
                           capture_output=True, text=True).stdout.split()
    if found:
        xdo("windowfocus", "--sync", found[-1])
        time.sleep(0.1)


def menu(*keys):
    """Opens a menu by its key and chooses by keys, as a keyboard user does: a place on the
    screen moves whenever an item is added. "Movie Database" has no key of its own: it is
    reached from File, two menus to the right."""
    focus_main_window()
    for key in keys:
        xdo("key", key)
        time.sleep(0.15)


def choose_path(path):
    """Types a path into the file or folder dialog just opened and takes it."""
    time.sleep(0.5)
    xdo("type", path)
    xdo("key", "Return")
    time.sleep(0.3)


def dismiss():
    """Closes whatever question or dialog the last action left open."""
    for key in random.choice([["Escape"], ["Return"], ["alt+n"], ["Escape", "Escape"]]):
        xdo("key", key)
        time.sleep(0.05)


def action(workdir):
    kind = random.choice(["list", "keys", "search", "clear", "result", "filter", "add", "modify",
                          "delete", "save", "export", "print", "prefs", "resize", "open",
                          "folder", "import", "undo", "redo"])
    if kind == "list":
        click(LIST[0], random.randint(LIST[1], LIST[2]))
    elif kind == "keys":
        xdo("key", *random.choices(["Down", "Up", "Home", "End", "Page_Down"], k=4))
    elif kind == "search":
        click(*SEARCH_BOX)
        text = "".join(random.choice("aeiouSTARé 0!") for _ in range(random.randint(0, 4)))
        xdo("type", text)
        xdo("key", "Return")
    elif kind == "clear":
        click(*CLEAR)
    elif kind == "result":
        click(RESULTS[0], random.randint(RESULTS[1], RESULTS[2]))
    elif kind == "filter":
        click(*random.choice(COMBOS))
        time.sleep(0.2)
        xdo("key", *random.choices(["Up", "Down"], k=random.randint(1, 6)), "Return")
    elif kind == "add" or kind == "modify":
        if random.random() < 0.5:
            click(*TOOLBAR[kind])
        else:
            menu("alt+f", "Right", "Right", "a" if kind == "add" else "m")
        time.sleep(0.4)
        xdo("type", random.choice(["Soak ", "Test", "é", "x" * 40]) + str(random.randint(0, 99)))
        xdo("key", "Tab")
        xdo("type", random.choice(["90", "-5", "$5A", "1.5", ""]))
        xdo("key", "Tab")
        xdo("type", random.choice(["700", "0", "12a"]))
        xdo("key", random.choice(["Return", "Escape"]))
        time.sleep(0.3)
        dismiss()
    elif kind == "delete":
        click(*TOOLBAR["delete"])
        time.sleep(0.3)
        xdo("key", random.choice(["alt+y", "alt+n"]))
        time.sleep(0.2)
        dismiss()
    elif kind in ("save", "export"):
        # Both ask for a file name, may ask before replacing it, then report.
        click(*TOOLBAR[kind])
        stem = "saved%d" if kind == "save" else "list%d"
        choose_path(os.path.join(workdir, stem % random.randint(0, 3)))
        xdo("key", "alt+y")
        time.sleep(0.3)
        dismiss()
    elif kind == "print":
        click(*TOOLBAR["print"])
        time.sleep(0.3)
        dismiss()
    elif kind == "prefs":
        menu("alt+f", "p")
        time.sleep(0.5)
        xdo("key", *random.choices(["Tab", "space"], k=random.randint(1, 6)))
        xdo("key", random.choice(["Return", "Escape"]))
        time.sleep(0.3)
        dismiss()
    elif kind == "resize":
        window = subprocess.run(["xdotool", "search", "--name", "Reel-Case Database"],
                                capture_output=True, text=True).stdout.split()
        if window:
            xdo("windowsize", window[0], random.randint(588, 1000), random.randint(511, 760))
            time.sleep(0.3)
            xdo("windowsize", window[0], 588, 511)
    elif kind == "open":
        click(*TOOLBAR["open"])
        time.sleep(0.5)
        xdo("key", "Escape")
    elif kind == "folder":
        # The folder's files are found and measured, then added as checked, or not at all.
        menu("alt+f", "Right", "Right", "f")
        choose_path(os.path.join(workdir, random.choice(["videos", "videos/more", "none"])))
        time.sleep(random.uniform(0.5, 1.5))
        xdo("key", random.choice(["Return", "Escape"]))
        time.sleep(0.3)
        dismiss()
    elif kind == "import":
        menu("alt+f", "i")
        choose_path(os.path.join(workdir, random.choice(IMPORTS)))
        time.sleep(0.5)
        dismiss()
    elif kind in ("undo", "redo"):
        for _ in range(random.randint(1, 3)):
            if random.random() < 0.5:
                menu("alt+e", "u" if kind == "undo" else "r")
            else:
                focus_main_window()
                xdo("key", "ctrl+z" if kind == "undo" else "ctrl+y")
            time.sleep(0.1)
    time.sleep(random.uniform(0.05, 0.3))


# Files for Import: a good collection, one with a header but odd rows, and one that is none.
IMPORTS = ["import.csv", "odd.csv", "start.rcb"]


def prepare(workdir, catalogue):
    """The catalogue to start from, the collections to import, and folders of video files
    (empty ones: the measuring that fails is driven too)."""
    shutil.copy(catalogue, os.path.join(workdir, "start.rcb"))
    with open(os.path.join(workdir, "import.csv"), "w", encoding="utf-8") as f:
        f.write("Name,Genre,Format,Rating,Length\n")
        for i in range(30):
            f.write("Imported %d,Drama,DVD,Nice,%d\n" % (i, 60 + i))
    with open(os.path.join(workdir, "odd.csv"), "w", encoding="utf-8") as f:
        f.write('Title;Year\n"unclosed;1999\n;\nAlien;x\n')
    os.makedirs(os.path.join(workdir, "videos", "more"))
    for name in ["Soak Film.avi", "Another One.mkv", "Part 1.mpg", "Part 2.mpg",
                 "more/Deeper.mp4", "notes.txt"]:
        open(os.path.join(workdir, "videos", name), "wb").close()


def main() -> int:
    program, catalogue = sys.argv[1], sys.argv[2]
    seconds = float(sys.argv[3]) if len(sys.argv) > 3 else 300
    random.seed(int(os.environ.get("SOAK_SEED", "1")))
    workdir = tempfile.mkdtemp(prefix="reelcase-soak-")
    prepare(workdir, catalogue)
    logs = os.path.join(workdir, "sanitizer")
    # Preferences may register the file type: into the work folder, never the user's.
    env = dict(os.environ, XDG_CONFIG_HOME=os.path.join(workdir, "config"),
               XDG_DATA_HOME=os.path.join(workdir, "data"),
               ASAN_OPTIONS="log_path=%s:detect_leaks=0:abort_on_error=1" % logs,
               UBSAN_OPTIONS="log_path=%s:halt_on_error=1:print_stacktrace=1" % logs)
    app = subprocess.Popen([program, os.path.join(workdir, "start.rcb")], env=env)
    time.sleep(3)
    actions = 0
    deadline = time.time() + seconds
    while time.time() < deadline and app.poll() is None:
        action(workdir)
        actions += 1
    alive = app.poll() is None
    if alive:
        # With unsaved changes Exit asks to save first (No closes); otherwise it asks whether
        # to quit (Yes closes).
        for answer in ["alt+n", "alt+y", "alt+n", "alt+y"]:
            for _ in range(3):
                focus_newest_window(app.pid)
                xdo("key", "Escape")
                time.sleep(0.2)
            menu("alt+f", "x")  # Exit
            time.sleep(0.6)
            focus_newest_window(app.pid)
            xdo("key", answer)
            try:
                app.wait(timeout=3)
                break
            except subprocess.TimeoutExpired:
                continue
        if app.poll() is None:
            app.kill()
            app.wait()
    reports = glob.glob(logs + "*")
    print("actions: %d, program alive until the end: %s, exit code %s, sanitizer reports: %d"
          % (actions, alive, app.returncode, len(reports)))
    for report in reports:
        print(open(report).read()[:4000])
    ok = alive and not reports and app.returncode == 0
    print("1 passed, 0 failed" if ok else "0 passed, 1 failed")
    return 0 if ok else 1


if __name__ == "__main__":
    sys.exit(main())
