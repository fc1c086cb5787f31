#!/usr/bin/python3
"""The real program under a virtual display with a real window manager (openbox): the web
commands put the main window away (iconic), the windows open centred on the screen with their
frames, and the close box asks the same questions as File > Exit.
Run as: dbus-run-session -- e2e_window_manager.py PROGRAM CATALOGUE SHOTS_FOLDER [CASE...]
It starts its own virtual display (1024 x 768), window manager and accessibility bus, and exits
77 (skipped) with the reason when one of them cannot start. Screenshots of the main window, a dialog and the minimised state go to SHOTS_FOLDER."""
import os
import select
import shutil
import subprocess
import sys
import tempfile
import time

import pyatspi

from e2e_support import bus_launcher, find, run, start_window_manager, wait_for

SKIPPED = 77
MAIN_TITLE = "Reel-Case Database - Version 1.21 - VANO"
RECORD_SIZE = 272


class Skip(Exception):
    pass








# The process whose accessible objects are searched: the programs stopped before it may still
# be listed by the registry, and asking them anything waits for the bus to time out.
current_process = {"pid": 0}


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


def press(node):
    action = node.queryAction()
    for i in range(action.nActions):
        if action.getName(i) == "Press":
            action.doAction(i)
            return
    raise AssertionError("no Press action on %s %r" % (node.getRoleName(), node.name))


def click_on(node):
    """A real pointer click in the middle of the node, for commands that open a modal window:
    a Press through the accessibility bus would wait for that window to close."""
    box = node.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    run("xdotool", "mousemove", box.x + box.width // 2, box.y + box.height // 2, "click", "1")


def choose(menu, item):
    """Opens a menu of the menu bar with the pointer and clicks one of its items."""
    title = accessible(lambda n: n.getRoleName() == "menu item" and n.name == menu)
    click_on(title)
    entry = wait_for(lambda: accessible(
        lambda n: n.getRoleName() == "menu item" and n.name == item
        and n.getState().contains(pyatspi.STATE_SHOWING)), 5)
    assert entry, "menu item %s > %s not shown" % (menu, item)
    click_on(entry)


def question(text, seconds=5.0):
    """The message box showing text, once it is there."""
    label = wait_for(lambda: accessible(lambda n: n.name == text and n.getRoleName() == "label"),
                       seconds)
    if not label:
        return None
    box = label.parent
    while box is not None and box.getRoleName() not in ("dialog", "alert", "frame"):
        box = box.parent
    return box


def answer(box, button):
    press(find(box, lambda n: n.getRoleName() == "push button" and n.name == button))


# --- X windows, as the window manager keeps them ---------------------------------------------

def window_ids(title):
    return run("xdotool", "search", "--name", "^%s$" % title.replace(")", "\\)")).split()


def managed_window(title, seconds=10.0):
    """The X window with this title that the window manager has framed and shows."""
    def framed():
        for wid in window_ids(title):
            if "window state: Normal" in run("xprop", "-id", wid, "WM_STATE") and \
                    "_NET_FRAME_EXTENTS(CARDINAL)" in run("xprop", "-id", wid, "_NET_FRAME_EXTENTS"):
                return wid
        return None
    return wait_for(framed, seconds)


def wm_state(wid):
    text = run("xprop", "-id", wid, "WM_STATE", "_NET_WM_STATE")
    if "window state: Iconic" in text:
        return "iconic"
    if "window state: Normal" in text:
        return "normal"
    return "none"


def frame_rect(wid):
    """Left, top, width and height of the window with its frame, on the screen."""
    info = run("xwininfo", "-id", wid)
    assert "Absolute" in info, "window %s is gone" % wid
    value = lambda key: int(info.split(key)[1].split()[0])
    x, y = value("Absolute upper-left X:"), value("Absolute upper-left Y:")
    w, h = value("Width:"), value("Height:")
    extents = run("xprop", "-id", wid, "_NET_FRAME_EXTENTS").split("=")[1]
    left, right, top, bottom = (int(v) for v in extents.split(","))
    return x - left, y - top, w + left + right, h + top + bottom


def screen_size():
    w, h = run("xdotool", "getdisplaygeometry").split()
    return int(w), int(h)


def centring_error(wid):
    """How far the framed window's middle lies from the screen's, in pixels (x, y)."""
    x, y, w, h = frame_rect(wid)
    sw, sh_ = screen_size()
    # Half a pixel either way is centred: odd differences cannot split evenly.
    # (int() cuts toward zero, so -0.5 counts as 0 as +0.5 does.)
    return int((2 * x + w - sw) / 2), int((2 * y + h - sh_) / 2)


def settled_centring_error(wid, seconds=5):
    """The centring error once the window manager has applied the program's last move: the
    frame arrives after the window is shown, and the program places the window again then."""
    deadline = time.time() + seconds
    error = centring_error(wid)
    while error != (0, 0) and time.time() < deadline:
        time.sleep(0.2)
        error = centring_error(wid)
    return error


def click_close_box(wid):
    """The close button at the right end of the frame's title bar."""
    x, y, w, _ = frame_rect(wid)
    top = int(run("xprop", "-id", wid, "_NET_FRAME_EXTENTS").split("=")[1].split(",")[2])
    run("xdotool", "mousemove", x + w - 11, y + top // 2, "click", "1")


def shot(folder, name):
    run("import", "-window", "root", os.path.join(folder, name + ".png"))


# --- the program --------------------------------------------------------------------------------

class Program:
    def __init__(self, binary, catalogue, work):
        self.folder = tempfile.mkdtemp(prefix="run-", dir=work)
        self.catalogue = os.path.join(self.folder, "movies.rcb")
        shutil.copy(catalogue, self.catalogue)
        self.browser_log = os.path.join(self.folder, "browser.log")
        bin_dir = os.path.join(work, "bin")
        env = dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", QT_ACCESSIBILITY="1",
                   XDG_CONFIG_HOME=os.path.join(self.folder, "config"),
                   PATH=bin_dir + ":" + os.environ["PATH"],
                   BROWSER=os.path.join(bin_dir, "xdg-open"), BROWSER_LOG=self.browser_log)
        self.process = subprocess.Popen([binary, self.catalogue], env=env)
        current_process["pid"] = self.process.pid
        self.wid = managed_window(MAIN_TITLE, 30)
        assert self.wid, "the main window never appeared framed"
        self.window = wait_for(lambda: accessible(
            lambda n: n.getRoleName() == "frame" and n.name == MAIN_TITLE), 15)
        assert self.window, "the main window never appeared on the accessibility bus"

    def running(self):
        return self.process.poll() is None

    def ended(self, seconds=5.0):
        return wait_for(lambda: not self.running(), seconds)

    def movies_on_disk(self):
        return os.path.getsize(self.catalogue) // RECORD_SIZE

    def browser_calls(self):
        if not os.path.exists(self.browser_log):
            return []
        with open(self.browser_log) as log:
            return log.read().split()

    def select_first_movie(self):
        movie_list = find(self.window, lambda n: n.getRoleName() == "list")
        click_on(movie_list.getChildAtIndex(0))
        time.sleep(0.3)

    def make_a_change(self):
        """Deletes the selected movie: the catalogue then has unsaved changes."""
        self.select_first_movie()
        choose("Movie Database", "Delete Movie")
        box = wait_for(lambda: accessible(lambda n: n.getRoleName() in ("dialog", "alert")
                                            and find(n, lambda b: b.name == "Yes")), 5)
        assert box, "deleting asked nothing"
        answer(box, "Yes")
        done = question("The Movie is Succesfully Deleted From The Database")
        assert done, "no word that the movie was deleted"
        answer(done, "OK")
        time.sleep(0.3)

    def stop(self):
        if self.running():
            self.process.kill()
        self.process.wait(timeout=10)
        # X hands the next program the same window ids: these must be gone first.
        wait_for(lambda: not window_ids(MAIN_TITLE), 5)


# --- the cases ------------------------------------------------------------------------------

def web_commands_minimise(start, shots):
    p = start()
    p.select_first_movie()
    shot(shots, "main-window")
    # The movie site's lookup: the one "Check ..." item that opens no window of its own.
    press(accessible(lambda n: n.getRoleName() == "menu item" and n.name.startswith("Check ")
                     and n.name not in ("Check for update", "Check Against Folders...")))
    assert wait_for(lambda: wm_state(p.wid) == "iconic", 5), \
        "the lookup left the window %s" % wm_state(p.wid)
    time.sleep(0.5)  # the window manager's animation of putting it away
    shot(shots, "minimised")
    assert wait_for(lambda: p.browser_calls(), 5), "no address reached the browser"
    assert p.browser_calls()[0].endswith("/Find?Alien"), p.browser_calls()
    p.stop()

    p = start()
    press(accessible(lambda n: n.getRoleName() == "menu item" and n.name == "Check for update"))
    assert wait_for(lambda: wm_state(p.wid) == "iconic", 5), \
        "Check for update left the window %s" % wm_state(p.wid)
    assert wait_for(lambda: len(p.browser_calls()) == 1, 5), p.browser_calls()
    assert p.browser_calls()[0].endswith("/dvd/downloads/reel-case.html"), p.browser_calls()
    p.stop()


def dialog_centred(start, shots, menu, item, title, close):
    p = start()
    choose(menu, item)
    wid = managed_window(title)
    assert wid, "%s never appeared framed" % title
    time.sleep(0.3)
    if shots:
        shot(shots, "dialog-" + title.split()[0].lower())
    error = settled_centring_error(wid)
    print("  %s: window %s, frame %s" % (title, wid, frame_rect(wid)))
    close(wid)
    p.stop()
    return error


def windows_centred(start, shots):
    p = start()
    errors = {MAIN_TITLE: settled_centring_error(p.wid)}
    p.stop()
    errors["About Reel-Case Database"] = dialog_centred(
        start, shots, "Help", "About", "About Reel-Case Database", click_close_box)
    off = {title: error for title, error in errors.items() if error != (0, 0)}
    assert not off, "off the screen's middle: %s" % off


def add_and_preferences_centred(start, shots):
    escape = lambda wid: run("xdotool", "key", "--window", wid, "Escape")
    errors = {}
    for menu, item, title in [("Movie Database", "Add new Movie", "Add a new Movie!"),
                              ("File", "Preferences", "Preferences")]:
        error = dialog_centred(start, None, menu, item, title, escape)
        if error != (0, 0):
            errors[title] = error
    assert not errors, "off the screen's middle: %s" % errors


def close_box_asks_like_exit(start, shots):
    exit_question = "Do You Really Want To Exit!"
    save_question = "Exiting, Do You Want To Save First!"
    for close in ("box", "menu"):
        def ask(p):
            if close == "box":
                click_close_box(p.wid)
            else:
                choose("File", "Exit")

        # Nothing unsaved: the quit question; No keeps the window, Yes ends the program.
        p = start()
        ask(p)
        box = question(exit_question)
        assert box, "%s: no quit question" % close
        answer(box, "No")
        time.sleep(0.5)
        assert p.running() and wm_state(p.wid) == "normal", "%s: No did not keep the window" % close
        ask(p)
        answer(question(exit_question), "Yes")
        assert p.ended(), "%s: Yes did not end the program" % close
        # In the sanitized build a leak or a crash on the way out shows as a non-zero code.
        assert p.process.returncode == 0, "%s: ended with code %s" % (close, p.process.returncode)
        assert p.movies_on_disk() == 10

        # Unsaved changes: the save question with its three answers.
        for reply, stays, on_disk in [("Cancel", True, 10), ("No", False, 10), ("Yes", False, 9)]:
            p = start()
            p.make_a_change()
            ask(p)
            box = question(save_question)
            assert box, "%s: no save question" % close
            answer(box, reply)
            if reply == "Yes":
                saved = question("The 9 MOVIES Are Now Succesfully Saved!")
                assert saved, "%s: Yes saved nothing" % close
                answer(saved, "OK")
            if stays:
                time.sleep(0.5)
                assert p.running() and wm_state(p.wid) == "normal", \
                    "%s: %s closed the window" % (close, reply)
                assert question(exit_question, 0.5) is None, "%s: asked twice" % close
            else:
                assert p.ended(), "%s: %s did not end the program" % (close, reply)
            assert p.movies_on_disk() == on_disk, \
                "%s, %s: %d movies on disk" % (close, reply, p.movies_on_disk())
            p.stop()


CASES = {"web_commands_minimise": web_commands_minimise,
         "windows_centred": windows_centred,
         "add_and_preferences_centred": add_and_preferences_centred,
         "close_box_asks_like_exit": close_box_asks_like_exit}


# --- one X server, one window manager, one accessibility bus -----------------------------------

def start_display():
    """An X server of this run's own: it picks a free display number itself and says which,
    so runs beside each other on one machine never share one."""
    if os.environ.get("DISPLAY"):
        return None  # a display given by the caller (xvfb-run)
    xvfb = shutil.which("Xvfb")
    if xvfb is None:
        raise Skip("Xvfb is not installed (scripts/setup installs it)")
    read_end, write_end = os.pipe()
    server = subprocess.Popen([xvfb, "-displayfd", str(write_end), "-screen", "0", "1024x768x24",
                               "-noreset", "-nolisten", "tcp"], pass_fds=(write_end,),
                              stderr=subprocess.DEVNULL)
    os.close(write_end)
    ready, _, _ = select.select([read_end], [], [], 20)
    number = os.read(read_end, 16).decode().strip() if ready else ""
    os.close(read_end)
    if not number.isdigit():
        server.kill()
        server.wait()
        raise Skip("the virtual display did not start")
    os.environ["DISPLAY"] = ":" + number
    os.environ.pop("XAUTHORITY", None)
    return server


def start_desktop(work):
    launcher = bus_launcher()
    if launcher is None:
        raise Skip("no accessibility bus launcher (at-spi2-core)")
    openbox = shutil.which("openbox")
    if openbox is None:
        raise Skip("openbox is not installed (scripts/setup installs it)")
    bus = subprocess.Popen([launcher, "--launch-immediately"])
    wm_env = dict(os.environ, XDG_CONFIG_HOME=os.path.join(work, "wm-config"))
    wm_log = open(os.path.join(work, "openbox.log"), "w+")
    wm = start_window_manager(wm_env, wm_log)
    if wm is None:
        bus.terminate()
        wm_log.seek(0)
        raise Skip("the window manager did not take the display (%s)"
                   % " ".join(wm_log.read().split()[-40:]))
    # The browser: a recorder of the addresses it is handed.
    bin_dir = os.path.join(work, "bin")
    os.makedirs(bin_dir)
    recorder = os.path.join(bin_dir, "xdg-open")
    with open(recorder, "w") as f:
        f.write('#!/bin/sh\necho "$1" >> "$BROWSER_LOG"\n')
    os.chmod(recorder, 0o755)
    return [wm, bus]


def main() -> int:
    binary, catalogue, shots = sys.argv[1:4]
    chosen = sys.argv[4:] or [name for name in CASES if name != "add_and_preferences_centred"]
    os.makedirs(shots, exist_ok=True)
    work = tempfile.mkdtemp(prefix="reelcase-wm-")
    helpers = []
    try:
        server = start_display()
        if server is not None:
            helpers.append(server)
        helpers[:0] = start_desktop(work)  # stopped before the display they use
    except Skip as reason:
        for helper in helpers:
            helper.terminate()
            helper.wait(timeout=10)
        print("SKIP: %s" % reason)
        return SKIPPED
    programs = []

    def start_program():
        program = Program(binary, catalogue, work)
        programs.append(program)
        return program

    failed = 0
    try:
        for name in chosen:
            try:
                CASES[name](start_program, shots)
                print("PASS: %s" % name)
            except Exception as error:  # a case that cannot go on fails, the others still run
                failed += 1
                print("FAIL: %s: %s" % (name, error))
            finally:
                for program in programs:
                    program.stop()
                programs.clear()
    finally:
        for helper in helpers:
            helper.terminate()
            helper.wait(timeout=10)
        shutil.rmtree(work, ignore_errors=True)
    print("%d passed, %d failed" % (len(chosen) - failed, failed))
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
