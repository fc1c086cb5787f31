#!/usr/bin/env python3
"""Times the command line at the catalogue's full capacity, as whole processes (start, read,
work, write, exit). Usage: exchange_processes.py REELCASE [RUNS]"""
import os
import random
import struct
import subprocess
import sys
import tempfile
import time

sys.path.insert(0, os.path.join(os.path.dirname(__file__), "..", "tests", "support"))
from make_catalogue import FORMATS, GENRES, RATINGS, record  # noqa: E402

COUNT = 100_000
LIMITS = {"export --format csv": 0.2, "import (CSV, new catalogue)": 0.5, "check": 0.1}


def catalogue(path):
    rnd = random.Random(18)
    with open(path, "wb") as f:
        for i in range(COUNT):
            name = "Movie %06d %s" % (i, "".join(rnd.choice("abcdefghij") for _ in range(6)))
            note = rnd.choice(["", "Seen twice, great soundtrack.", "Line one\r\nLine \"two\"",
                               "Caf\u00e9 cr\u00e8me " * 8])
            f.write(record(name, rnd.choice(GENRES), rnd.choice(FORMATS), rnd.choice(RATINGS),
                           note, rnd.randint(60, 200), rnd.randint(1, 5), rnd.randint(100, 9000)))


def timed(args, runs, before=None):
    """Wall-clock and CPU (user + system) seconds of each run, sorted."""
    env = {k: v for k, v in os.environ.items() if k != "DISPLAY"}
    walls, cpus = [], []
    for _ in range(runs):
        if before:
            before()
        start = time.perf_counter()
        process = subprocess.Popen(args, env=env, stdout=subprocess.DEVNULL,
                                   stderr=subprocess.PIPE)
        err = process.stderr.read()
        _, status, usage = os.wait4(process.pid, 0)
        walls.append(time.perf_counter() - start)
        cpus.append(usage.ru_utime + usage.ru_stime)
        if os.waitstatus_to_exitcode(status) != 0:
            sys.exit(f"{args} failed ({os.waitstatus_to_exitcode(status)}): {err.decode()}")
    return sorted(walls), sorted(cpus)


def main():
    program = sys.argv[1]
    runs = int(sys.argv[2]) if len(sys.argv) > 2 else 11
    with tempfile.TemporaryDirectory() as folder:
        rcb = os.path.join(folder, "full.rcb")
        csv = os.path.join(folder, "full.csv")
        target = os.path.join(folder, "imported.rcb")
        catalogue(rcb)
        subprocess.run([program, "export", rcb, "--format", "csv", "-o", csv], check=True)

        def fresh():
            for p in (target, target + ".bak"):
                if os.path.exists(p):
                    os.remove(p)

        results = {
            "export --format csv": timed([program, "export", rcb, "--format", "csv", "-o",
                                          os.path.join(folder, "out.csv")], runs),
            "import (CSV, new catalogue)": timed([program, "import", csv, "-o", target], runs,
                                                 fresh),
            "check": timed([program, "check", rcb], runs),
        }
        with open(target, "rb") as a, open(rcb, "rb") as b:
            same = a.read() == b.read()
    print(f"{COUNT} movies, {runs} runs each: median [fastest..slowest]; CPU = user + system")
    failed = False
    for name, (walls, cpus) in results.items():
        limit = LIMITS[name]
        median = walls[len(walls) // 2]
        verdict = "ok" if median <= limit else "OVER"
        failed |= median > limit
        print(f"  {name:28s} {median:.3f} s [{walls[0]:.3f}..{walls[-1]:.3f}]"
              f"  CPU {cpus[len(cpus) // 2]:.3f} s [{cpus[0]:.3f}..{cpus[-1]:.3f}]"
              f"  (at most {limit} s) {verdict}")
    print(f"  imported catalogue equals the original: {same}")
    return 1 if failed or not same else 0


if __name__ == "__main__":
    sys.exit(main())
