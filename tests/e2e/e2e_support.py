"""What the end-to-end scripts share: running a command, waiting for a condition, finding a
node in the accessibility tree, and the accessibility bus launcher."""
import os
import subprocess
import time

LAUNCHERS = ["/usr/libexec/at-spi-bus-launcher", "/usr/lib/at-spi2-core/at-spi-bus-launcher"]


def bus_launcher():
    """The accessibility bus launcher of this system, or None."""
    return next((p for p in LAUNCHERS if os.path.exists(p)), None)


def run(*args) -> str:
    """A command's standard output ('' when it fails)."""
    return subprocess.run(list(map(str, args)), capture_output=True, text=True).stdout


def wait_for(predicate, seconds=20.0, step=0.2):
    """The first true value of predicate within seconds, else its last value."""
    deadline = time.time() + seconds
    while time.time() < deadline:
        value = predicate()
        if value:
            return value
        time.sleep(step)
    return predicate()


def find(node, predicate, depth=0):
    """The first node below node (itself included) that predicate accepts, or None."""
    if node is None or depth > 14:
        return None
    try:
        if predicate(node):
            return node
        for i in range(node.childCount):
            hit = find(node.getChildAtIndex(i), predicate, depth + 1)
            if hit is not None:
                return hit
    except Exception:  # a node that went away while walking
        return None
    return None


def start_window_manager(env=None, log=subprocess.DEVNULL, tries=3):
    """Starts openbox on the display and waits until it has taken it; returns the process, or
    None with the last attempt's process stopped. A manager that could not open the display
    (seen on a loaded machine) is started again a few times before giving up."""
    for _ in range(tries):
        wm = subprocess.Popen(["openbox", "--sm-disable"], env=env, stdout=log, stderr=log)
        taken = wait_for(lambda: wm.poll() is not None or
                         "window id" in run("xprop", "-root", "_NET_SUPPORTING_WM_CHECK"), 20)
        if taken and wm.poll() is None:
            return wm
        wm.kill()
        wm.wait()
        time.sleep(1)
    return None
