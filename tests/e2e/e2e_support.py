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
