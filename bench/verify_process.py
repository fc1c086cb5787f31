#!/usr/bin/env python3
"""Times `reelcase verify` as whole processes against a full catalogue of 100,000 movies, with
their peak memory: 10,000 files (most unchanged, some re-encoded and some new, which are
measured), the same with every file measured, and 100,000 unchanged files. An unchanged file
has its movie's size but takes little disk: a short clip with a sparse tail (among 100,000,
only the sparse tail, as none is opened).
Usage: verify_process.py REELCASE [RUNS]"""
import os
import random
import shutil
import subprocess
import sys
import tempfile
import time

sys.path.insert(0, os.path.join(os.path.dirname(__file__), "..", "tests", "support"))
from make_catalogue import FORMATS, GENRES, RATINGS, record  # noqa: E402

COUNT = 100_000
MB = 1048576
# Seconds (median) and megabytes (peak).
LIMITS = {
    "10,000 files": (2.0, 200),
    "10,000 files, every file measured": (60.0, 200),
    "100,000 files": (5.0, 300),
}


def name_of(i):
    return "Movie %06d" % i


def catalogue(path):
    rnd = random.Random(28)
    with open(path, "wb") as f:
        for i in range(COUNT):
            f.write(record(name_of(i), rnd.choice(GENRES), "AVI", rnd.choice(RATINGS), "",
                           rnd.randint(60, 200), 1, 100 + i % 5000))


def clip(path, seconds):
    subprocess.run(["ffmpeg", "-hide_banner", "-loglevel", "error", "-y", "-f", "lavfi", "-i",
                    "testsrc=duration=%d:size=32x32:rate=25" % seconds, "-c:v", "mpeg4", path],
                   check=True)


def collection(root, files, changed, new, model, short=None):
    """files in folders of 100: the first movies unchanged (of their stored size: the short
    clip, or nothing, then a sparse tail), then changed ones and new ones (links to a real
    clip, which are measured)."""
    unchanged = files - changed - new
    for i in range(files):
        folder = os.path.join(root, "Shelf %03d" % (i // 100))
        if i % 100 == 0:
            os.makedirs(folder)
        if i < unchanged:
            path = os.path.join(folder, name_of(i) + ".avi")
            if short:
                shutil.copyfile(short, path)
            with open(path, "ab") as f:
                f.truncate((100 + i % 5000) * MB + 4321)
        elif i < unchanged + changed:
            os.link(model, os.path.join(folder, name_of(i) + ".avi"))
        else:
            os.link(model, os.path.join(folder, "New arrival %05d.avi" % i))


def timed(args, runs):
    """Wall-clock seconds of each run, sorted, the peak memory of the largest (MB) and the exit
    status."""
    env = {k: v for k, v in os.environ.items() if k != "DISPLAY"}
    walls, peak, status = [], 0, 0
    for _ in range(runs):
        start = time.perf_counter()
        process = subprocess.Popen(args, env=env, stdout=subprocess.DEVNULL,
                                   stderr=subprocess.PIPE)
        err = process.stderr.read()
        _, raw, usage = os.wait4(process.pid, 0)
        walls.append(time.perf_counter() - start)
        peak = max(peak, usage.ru_maxrss / 1024)
        status = os.waitstatus_to_exitcode(raw)
        if status not in (0, 1):
            sys.exit(f"{args} failed ({status}): {err.decode()}")
    return sorted(walls), peak, status


def main():
    program = sys.argv[1]
    runs = int(sys.argv[2]) if len(sys.argv) > 2 else 5
    results = {}
    with tempfile.TemporaryDirectory() as folder:
        rcb = os.path.join(folder, "full.rcb")
        catalogue(rcb)
        model, short = os.path.join(folder, "clip.avi"), os.path.join(folder, "short.avi")
        clip(model, 61)
        clip(short, 2)
        ten = os.path.join(folder, "ten")
        collection(ten, 10_000, 50, 50, model, short)
        results["10,000 files"] = timed([program, "verify", rcb, ten], runs)
        results["10,000 files, every file measured"] = timed(
            [program, "verify", "--measure-all", rcb, ten], 1)
        shutil.rmtree(ten)
        hundred = os.path.join(folder, "hundred")
        collection(hundred, COUNT, 0, 0, model)
        results["100,000 files"] = timed([program, "verify", rcb, hundred], runs)
    print(f"verify against {COUNT} movies, whole processes: median [fastest..slowest], peak memory")
    failed = False
    for name, (walls, peak, status) in results.items():
        limit, memory = LIMITS[name]
        median = walls[len(walls) // 2]
        over = median > limit or peak > memory
        failed |= over
        print(f"  {name:36s} {median:7.3f} s [{walls[0]:.3f}..{walls[-1]:.3f}]  {peak:6.1f} MB"
              f"  exit {status}  (at most {limit} s, {memory} MB) {'OVER' if over else 'ok'}")
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
