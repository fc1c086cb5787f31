#!/usr/bin/python3
"""The real program under a virtual display: a folder of clips is catalogued with "Add Movies
from Folder" and saved; months later (moved, re-encoded, deleted, renamed, new files, parts)
"Check Against Folders" shows the four groups, Apply makes the chosen changes, and Undo gives
the saved catalogue back byte for byte. `reelcase verify` reports the same groups.
Run as: xvfb-run -a -s "-screen 0 1280x1024x24" dbus-run-session -- e2e_disk_check.py PROGRAM SHOTS
Screenshots of the folders window and of the check window go to SHOTS; exits 77 (skipped)
without ffmpeg."""
import os
import shutil
import subprocess
import sys
import tempfile
import time

import pyatspi

from e2e_support import bus_launcher, find, run, wait_for

MB = 1048576
failures = []
current_process = {"pid": 0}


def check(condition, what):
    print(("ok: " if condition else "FAIL: ") + what, flush=True)
    if not condition:
        failures.append(what)
    return condition


# --- the collection ---------------------------------------------------------------------------

def clip(path, seconds, codec):
    fmt = ["-f", "mpeg", "-c:v", "mpeg1video"] if codec == "mpg" else ["-c:v", "mpeg4"]
    subprocess.run(["ffmpeg", "-hide_banner", "-loglevel", "error", "-y", "-f", "lavfi", "-i",
                    "testsrc=duration=%d:size=32x32:rate=25" % seconds] + fmt + [path], check=True)


def place(model, path, size=0):
    """A copy of a clip, padded with zero bytes to size where given (an AVI keeps its length)."""
    os.makedirs(os.path.dirname(path), exist_ok=True)
    shutil.copyfile(model, path)
    if size:
        os.truncate(path, size)


def make_collection(work):
    models = os.path.join(work, "models")
    os.makedirs(models)
    minute, longer = os.path.join(models, "minute.avi"), os.path.join(models, "longer.avi")
    longer_mpg, mkv = os.path.join(models, "longer.mpg"), os.path.join(models, "minute.mkv")
    clip(minute, 61, "avi")
    clip(longer, 125, "avi")
    clip(longer_mpg, 125, "mpg")
    clip(mkv, 61, "mkv")
    c = os.path.join(work, "collection")
    place(minute, os.path.join(c, "Alien.avi"), 3 * MB + MB // 2)
    place(minute, os.path.join(c, "Heat.avi"), 2 * MB + MB // 2)
    for name in ["Kill Bill part 1.avi", "Kill Bill part 2.avi", "Ran (1 of 2).avi",
                 "Ran (2 of 2).avi", "Old Tapes.avi", "Se7en.avi", "Zodiac.avi",
                 "shelf/Brazil.avi"]:
        place(minute, os.path.join(c, name), MB + MB // 2)
    return c, {"minute": minute, "longer": longer, "longer_mpg": longer_mpg, "mkv": mkv}


def drift(work, c, models):
    """What months do to a collection."""
    disk2 = os.path.join(work, "disk2")
    os.makedirs(disk2)
    os.rename(os.path.join(c, "Alien.avi"), os.path.join(disk2, "Alien.avi"))
    os.remove(os.path.join(c, "Heat.avi"))
    place(models["longer_mpg"], os.path.join(c, "Heat.mpg"))
    place(models["longer"], os.path.join(c, "Kill Bill part 2.avi"), 4 * MB + MB // 2)
    os.remove(os.path.join(c, "Old Tapes.avi"))
    os.rename(os.path.join(c, "Zodiac.avi"), os.path.join(c, "ZODIAC.avi"))
    os.rename(os.path.join(c, "Se7en.avi"), os.path.join(c, "Seven.avi"))
    for name in ["Up.avi", "New Parts CD1.avi", "New Parts CD2.avi"]:
        place(models["minute"], os.path.join(c, name), MB + MB // 2)
    place(models["mkv"], os.path.join(c, "Arrival.mkv"))
    with open(os.path.join(c, "broken.avi"), "wb") as f:
        f.write(b"j" * 50000)
    return disk2


# --- the program, through the accessibility bus and the pointer ------------------------------

def accessible(predicate):
    desktop = pyatspi.Registry.getDesktop(0)
    for i in range(desktop.childCount):
        try:
            app = desktop.getChildAtIndex(i)
            if app is not None and app.get_process_id() == current_process["pid"]:
                return find(app, predicate)
        except Exception:  # an application that went away
            continue
    return None


def named(role, name):
    return accessible(lambda n: n.getRoleName() == role and n.name == name)


def click_on(node, dx=None):
    """A real pointer click on the node (its middle, or dx pixels from its left edge)."""
    box = node.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    x = box.x + (box.width // 2 if dx is None else dx)
    run("xdotool", "mousemove", x, box.y + box.height // 2, "click", "1")


def choose(menu, item):
    click_on(wait_for(lambda: named("menu item", menu)))
    entry = wait_for(lambda: accessible(
        lambda n: n.getRoleName() == "menu item" and n.name == item
        and n.getState().contains(pyatspi.STATE_SHOWING)), 5)
    assert entry, "menu item %s > %s not shown" % (menu, item)
    click_on(entry)


def key(*keys):
    for k in keys:
        run("xdotool", "key", k)
        time.sleep(0.3)


def type_path(path):
    """Types a path into the file dialog that has the keyboard, and accepts it."""
    time.sleep(1)
    run("xdotool", "type", "--delay", "20", path)
    time.sleep(0.5)
    key("Return")
    # The name's completion list may take the first Return.
    time.sleep(0.5)
    if accessible(lambda n: n.getRoleName() == "dialog" and n.name in (
            "Add Movies from Folder", "Check Against Folders", "Save As")
            and find(n, lambda m: m.getRoleName() == "label" and m.name.startswith("Look in"))):
        key("Return")


def enabled(node):
    return node is not None and node.getState().contains(pyatspi.STATE_ENABLED)


def label_starting(text):
    node = accessible(lambda n: n.getRoleName() == "label" and n.name.startswith(text))
    return node.name if node else ""


def list_names():
    window = accessible(lambda n: n.getRoleName() == "frame" and n.name.startswith("Reel-Case"))
    movie_list = find(window, lambda n: n.getRoleName() == "list") if window else None
    if movie_list is None:
        return []
    return [movie_list.getChildAtIndex(i).name for i in range(movie_list.childCount)]


def message_answered(text):
    """Waits for the message box that shows text and closes it with Return."""
    found = wait_for(lambda: accessible(
        lambda n: n.getRoleName() == "label" and text in n.name), 20)
    if found:
        key("Return")
    return bool(found)


def shot(folder, name):
    path = os.path.join(folder, name + ".png")
    run("import", "-window", "root", path)
    print("screenshot:", path, flush=True)


# --- the story ----------------------------------------------------------------------------------

def catalogue_the_folder(collection, earlier, shots):
    choose("Movie Database", "Add Movies from Folder...")
    type_path(collection)
    add = wait_for(lambda: enabled(named("push button", "Add checked movies")), 60)
    check(add, "the folder window measured the collection")
    click_on(named("push button", "Add checked movies"))
    check(wait_for(lambda: len(list_names()) == 8, 20), "the 8 movies are listed")
    choose("File", "Save As...")
    type_path(earlier)
    saved = message_answered("Succesfully Saved")
    if not saved:
        shot(shots, "save-failed")
    check(saved, "the catalogue is saved")


def check_against_folders(collection, disk2, shots):
    choose("Movie Database", "Check Against Folders...")
    for folder in (collection, disk2):
        add = wait_for(lambda: named("push button", "Add Folder..."), 10)
        click_on(add)
        type_path(folder)
    listed = wait_for(lambda: (lambda d: d and find(
        d, lambda n: n.getRoleName() == "list" and n.childCount == 2))(shown_dialog()), 10)
    check(listed, "both folders are listed")
    shot(shots, "check-folders")
    click_on(named("push button", "Check"))
    apply = wait_for(lambda: enabled(named("push button", "Apply")), 90)
    check(apply, "the check ended and Apply can be pressed")
    time.sleep(0.5)
    groups = {
        "changed": label_starting("Changed ("),
        "missing": label_starting("Not found in these folders ("),
        "new": label_starting("New files ("),
        "in step": label_starting("In step:"),
    }
    print("groups:", groups, flush=True)
    check(groups["changed"].startswith("Changed (2)"), "two movies changed")
    check(groups["missing"].startswith("Not found in these folders (2)"), "two movies not found")
    check(groups["new"].startswith("New files (5)"), "five new files")
    check(groups["in step"] == "In step: 4 movies", "four movies in step")
    tables = [n for n in walk_tables()]
    names = [table_names(t) for t in tables]
    print("tables:", names, flush=True)
    check(names[:3] == [["Heat", "Kill Bill"], ["Old Tapes", "Se7en"],
                        ["Arrival", "New Parts", "Seven", "Up", "broken"]],
          "each group lists its movies")
    changed_sizes = table_cells(tables[0], 3)
    check(changed_sizes == ["2 \u2192 0", "2 \u2192 5"], "Changed shows old and new sizes")
    shot(shots, "check-window")

    # Old Tapes is gone for good: its box is checked, and the button says what that does.
    cell = tables[1].queryTable().getAccessibleAt(0, 0)
    click_on(cell, 12)
    if not wait_for(lambda: named("push button", "Apply and Delete 1 movie"), 3):
        key("space")
    check(wait_for(lambda: named("push button", "Apply and Delete 1 movie"), 5),
          "checking a missing movie names the deletion on the button")
    shot(shots, "check-window-delete-checked")
    click_on(named("push button", "Apply and Delete 1 movie"))
    expected = ["Alien", "Brazil", "Heat", "Kill Bill", "New Parts", "Ran", "Se7en", "Seven",
                "Up", "Zodiac"]
    check(wait_for(lambda: list_names() == expected, 20),
          "Apply updates, deletes and adds: %s" % list_names())
    return names[:3]


def shown_dialog():
    """The check's window that is on the screen (the folders window or the check window)."""
    return accessible(lambda n: n.getRoleName() == "dialog" and n.name == "Check Against Folders"
                      and n.getState().contains(pyatspi.STATE_SHOWING))


def walk_tables():
    """The check window's three tables, in the order they stand."""
    window = shown_dialog()
    found = []

    def visit(node, depth=0):
        if node is None or depth > 14:
            return
        if node.getRoleName() == "table":
            found.append(node)
            return
        for i in range(node.childCount):
            visit(node.getChildAtIndex(i), depth + 1)
    visit(window)
    found.sort(key=lambda t: t.queryComponent().getExtents(pyatspi.DESKTOP_COORDS).y)
    return found


def table_cells(table, column):
    t = table.queryTable()
    return [t.getAccessibleAt(r, column).name for r in range(t.nRows)]


def table_names(table):
    return table_cells(table, 1)


def verify_groups(program, earlier, collection, disk2):
    """The groups `reelcase verify` prints: heading to names."""
    out = subprocess.run([program, "verify", earlier, collection, disk2], capture_output=True,
                         text=True)
    check(out.returncode == 1, "verify exits 1 for differences (%d)" % out.returncode)
    groups, current = {}, None
    for line in out.stdout.splitlines():
        if not line.startswith(" "):
            current = line.split(" (")[0]
            groups[current] = []
        elif not line.startswith("    "):
            groups[current].append(line.strip().split(":")[0])
    print(out.stdout, flush=True)
    return groups


def main() -> int:
    program, shots = sys.argv[1], sys.argv[2]
    if shutil.which("ffmpeg") is None:
        print("SKIP: the ffmpeg command is not installed to make clips")
        return 77
    os.makedirs(shots, exist_ok=True)
    launcher = bus_launcher()
    bus = subprocess.Popen([launcher, "--launch-immediately"]) if launcher else None
    time.sleep(1)
    wait_for(lambda: subprocess.run(["xdotool", "getdisplaygeometry"],
                                    capture_output=True).returncode == 0)
    work = tempfile.mkdtemp(prefix="reelcase-e2e-check-")
    app = None
    try:
        collection, models = make_collection(work)
        earlier = os.path.join(work, "earlier.rcb")
        env = dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", QT_ACCESSIBILITY="1",
                   XDG_CONFIG_HOME=os.path.join(work, "config"))
        app = subprocess.Popen([program], env=env)
        current_process["pid"] = app.pid
        check(wait_for(lambda: list_names() == [] and accessible(
            lambda n: n.getRoleName() == "frame"), 30), "the main window is shown")
        catalogue_the_folder(collection, earlier, shots)
        with open(earlier, "rb") as f:
            saved = f.read()
        check(len(saved) == 8 * 272, "the catalogue holds 8 records")

        disk2 = drift(work, collection, models)
        cli = verify_groups(program, earlier, collection, disk2)
        window = check_against_folders(collection, disk2, shots)
        check(cli.get("Changed") == window[0] and
              cli.get("Not found in these folders") == window[1] and
              cli.get("New files") == window[2], "verify reports the window's groups")

        choose("Edit", "Undo Check Against Folders")
        check(wait_for(lambda: len(list_names()) == 8, 10), "undo lists the 8 movies again")
        choose("File", "Save")
        check(message_answered("Succesfully Saved"), "the undone catalogue is saved")
        with open(earlier, "rb") as f:
            check(f.read() == saved, "undo gives the catalogue back byte for byte")
    finally:
        if app is not None:
            app.kill()
            app.wait(timeout=10)
        if bus:
            bus.terminate()
        shutil.rmtree(work, ignore_errors=True)
    print("%d passed, %d failed" % (0 if failures else 1, 1 if failures else 0))
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
