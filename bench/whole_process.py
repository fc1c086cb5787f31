#!/usr/bin/env python3
"""Times what the user waits for, as whole processes under a virtual display: start to window
shown with the list filled (empty, 1,000, 10,000 and 100,000 movies, the last also with its
records in random order), the program's own peak memory, a save from the command to the success
message (the message box's own drawing apart), and a filter cleared back to the full list. The
program reports its moments itself when REELCASE_READY_REPORT is set.

With --floor, a ten-line Qt window's start is timed in every round as what Qt itself costs
here, and the empty start is held to it plus 40 ms. With --stub, a stand-in window program
that only prints the time shows the launcher's own hand-over.

Usage: whole_process.py PROGRAM [OTHER_PROGRAM] [--runs N] [--floor QT_FLOOR] [--stub STUB]
With two programs the runs are interleaved, so that both meet the same load."""
import os
import random
import shutil
import subprocess
import sys
import tempfile
import time

HERE = os.path.dirname(os.path.abspath(__file__))
MAKE_CATALOGUE = os.path.join(HERE, "..", "tests", "support", "make_catalogue.py")
SIZES = [0, 1000, 10000, 100000]
FULL = 100000
# At 100,000 movies, in milliseconds (memory in MB).
LIMITS = {
    "start, empty catalogue": 500,
    "load cost at start (100,000 minus empty)": 30,
    "load cost at start, random order (100,000 minus empty)": 30,
    "launcher hand-over": 5,
    "save, command to message": 70,
    "peak memory raised by a save (MB)": 2,
    "filter cleared, full list shown": 15,
    "peak memory, full table loaded (MB)": 120,
}


def now_ns():
    return time.clock_gettime_ns(time.CLOCK_MONOTONIC)


def start_display():
    """An Xvfb of our own; returns (process, display name)."""
    read, write = os.pipe()
    xvfb = subprocess.Popen(["Xvfb", "-displayfd", str(write), "-screen", "0", "1024x768x24",
                             "-nolisten", "tcp"], pass_fds=(write,), stderr=subprocess.DEVNULL)
    os.close(write)
    number = b""
    while not number.endswith(b"\n"):
        chunk = os.read(read, 16)
        if not chunk:
            sys.exit("Xvfb did not start")
        number += chunk
    os.close(read)
    return xvfb, ":" + number.decode().strip()


def waited(program, args, mode, env):
    """Runs the program once; returns its reported events in ms after the start, the peaks
    it reported, and the peak memory of the whole process from the kernel in kB."""
    env = dict(env, REELCASE_READY_REPORT=mode)
    start = now_ns()
    child = subprocess.Popen([program] + args, env=env, stdout=subprocess.PIPE,
                             stderr=subprocess.DEVNULL)
    out = child.stdout.read()
    _, status, usage = os.wait4(child.pid, 0)
    child.returncode = os.waitstatus_to_exitcode(status)
    events, peaks = {}, {}
    for line in out.decode().splitlines():
        parts = line.split()
        if len(parts) == 2 and parts[1].isdigit():
            events[parts[0]] = (int(parts[1]) - start) / 1e6
        elif len(parts) == 3 and parts[0] == "peak-kb":
            peaks[parts[1]] = int(parts[2])
    if child.returncode != 0 or "ready" not in events:
        sys.exit(f"{program} {args} ({mode}) failed: {child.returncode} {out.decode()}")
    return events, peaks, usage.ru_maxrss


def shuffled_copy(source, target, count):
    """The same movies with their records in random order, as a file merged by hand is."""
    with open(source, "rb") as f:
        data = f.read()
    size = len(data) // count
    records = [data[i:i + size] for i in range(0, size * count, size)]
    random.Random(1).shuffle(records)
    with open(target, "wb") as f:
        f.write(b"".join(records))


def summary(values):
    values = sorted(values)
    return values[len(values) // 2], values[0], values[-1]


def fmt(values, unit="ms"):
    median, low, high = summary(values)
    return f"{median:8.1f} {unit} [{low:.1f}-{high:.1f}]"


def launcher_beside_stub(program, stub, folder):
    """A copy of the launcher with the stand-in window program where it looks for its own."""
    os.makedirs(folder)
    launcher = os.path.join(folder, os.path.basename(program))
    shutil.copy2(program, launcher)
    shutil.copy2(stub, os.path.join(folder, "reelcase-window"))
    return launcher


def measure(programs, runs, folder, env, floor=None, stub=None):
    catalogues = {}
    for size in SIZES[1:]:
        catalogues[size] = os.path.join(folder, f"movies{size}.rcb")
        subprocess.run([sys.executable, MAKE_CATALOGUE, catalogues[size], str(size)], check=True)
    random_order = os.path.join(folder, "random-order.rcb")
    shuffled_copy(catalogues[FULL], random_order, FULL)
    saved = os.path.join(folder, "saved.rcb")
    launchers = {p: launcher_beside_stub(p, stub, os.path.join(folder, f"launcher{i}"))
                 for i, p in enumerate(programs)} if stub else {}
    results = {p: {} for p in programs}

    def note(program, name, value):
        results[program].setdefault(name, []).append(value)

    for _ in range(runs):
        for program in programs:
            if floor:
                note(program, "Qt's floor: a ten-line window", waited(floor, [], "1", env)[0]["ready"])
            for size in SIZES:
                args = ["--", catalogues[size]] if size else []
                events, peaks, _ = waited(program, args, "1", env)
                note(program, f"start, {size} movies", events["ready"])
                note(program, f"peak memory, {size} movies (MB)", peaks["ready"] / 1024)
            note(program, "load cost at start (100,000 minus empty)",
                 results[program][f"start, {FULL} movies"][-1] -
                 results[program]["start, 0 movies"][-1])
            events, _, _ = waited(program, ["--", random_order], "1", env)
            note(program, "start, 100000 movies in random order", events["ready"])
            note(program, "load cost at start, random order (100,000 minus empty)",
                 events["ready"] - results[program]["start, 0 movies"][-1])
            if stub:
                direct = waited(stub, [], "1", env)[0]["ready"]
                through = waited(launchers[program], [], "1", env)[0]["ready"]
                note(program, "launcher hand-over", through - direct)
            shutil.copyfile(catalogues[FULL], saved)
            events, peaks, _ = waited(program, ["--", saved], "save", env)
            note(program, "save, command to message", events["message-asked"] - events["save-asked"])
            note(program, "message box drawn (apart)", events["message-shown"] - events["message-asked"])
            note(program, "peak memory raised by a save (MB)", (peaks["saved"] - peaks["ready"]) / 1024)
            with open(saved, "rb") as a, open(catalogues[FULL], "rb") as b:
                note(program, "saved file equals the file opened", a.read() == b.read())
            events, _, _ = waited(program, ["--", catalogues[FULL]], "filter", env)
            note(program, "filter cleared, full list shown", events["full-list-shown"] - events["filter-asked"])
    return results


def report(programs, results, runs):
    floor_name = "Qt's floor: a ten-line window"
    if floor_name in results[programs[-1]]:
        LIMITS["start, empty catalogue"] = round(summary(results[programs[-1]][floor_name])[0] + 40, 1)
    print(f"Whole processes under Xvfb, median [min-max] of {runs} runs; load average "
          f"{os.getloadavg()[0]:.2f} on {os.cpu_count()} cores at the end:")
    names = list(results[programs[0]].keys())
    width = max(len(n) for n in names) + 2
    for name in names:
        line = f"  {name:{width}s}"
        for program in programs:
            values = results[program][name]
            if isinstance(values[0], bool):
                line += f"  {all(values)!s:>24s}"
                continue
            unit = "MB" if "(MB)" in name else "ms"
            line += "  " + fmt(values, unit)
        limit_name = "start, empty catalogue" if name == "start, 0 movies" else (
            "peak memory, full table loaded (MB)" if name == f"peak memory, {FULL} movies (MB)"
            else name)
        if limit_name in LIMITS:
            median = summary(results[programs[-1]][name])[0]
            verdict = "ok" if median <= LIMITS[limit_name] else "OVER"
            line += f"  (at most {LIMITS[limit_name]}) {verdict}"
        print(line)
    if len(programs) > 1:
        print("  columns: " + ", then ".join(programs))


def main():
    args = sys.argv[1:]
    runs = 5
    if "--runs" in args:
        at = args.index("--runs")
        runs = int(args[at + 1])
        del args[at:at + 2]
    floor = stub = None
    if "--floor" in args:
        at = args.index("--floor")
        floor = os.path.abspath(args[at + 1])
        del args[at:at + 2]
    if "--stub" in args:
        at = args.index("--stub")
        stub = os.path.abspath(args[at + 1])
        del args[at:at + 2]
    programs = [os.path.abspath(p) for p in args]
    if not programs:
        sys.exit(__doc__)
    print(f"load average {os.getloadavg()[0]:.2f} on {os.cpu_count()} cores at the start")
    xvfb, display = start_display()
    try:
        with tempfile.TemporaryDirectory() as folder:
            home = os.path.join(folder, "home")  # never the user's settings or last file
            os.makedirs(home, mode=0o700)
            env = {k: v for k, v in os.environ.items() if not k.startswith("QT_QPA")}
            env.update(DISPLAY=display, HOME=home, XDG_CONFIG_HOME=os.path.join(home, ".config"),
                       XDG_RUNTIME_DIR=home, QT_QPA_PLATFORM="xcb")
            results = measure(programs, runs, folder, env, floor, stub)
    finally:
        xvfb.terminate()
        xvfb.wait()
    report(programs, results, runs)
    return 0


if __name__ == "__main__":
    sys.exit(main())
