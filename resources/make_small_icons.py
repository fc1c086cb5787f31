#!/usr/bin/env python3
"""Draws the 16 and 24 pixel icons for their size, pixel by pixel: the reel of the scalable
icon with fewer, larger holes, so that it stays a reel and not a blur when small. Writes
reel-case-16.png and reel-case-24.png into the folder given (default: resources/icons) through
ImageMagick's convert. The results are kept in the repository, so the build does not need it.
Usage: resources/make_small_icons.py [FOLDER]"""
import math
import pathlib
import subprocess
import sys

OUTLINE = (0x14, 0x14, 0x28)
BODY = (0x3C, 0x46, 0x96)
HOLE = (0xDC, 0xE1, 0xF5)
SAMPLES = 4  # per pixel side, for the edges' coverage


def disc(cx, cy, r):
    return lambda x, y: (x - cx) ** 2 + (y - cy) ** 2 <= r * r


def draw(size, holes, hole_r, hub_r, edge_r, crisp_holes=False):
    """Each pixel's colour and alpha: outline ring, body, light holes and hub. Crisp holes are
    decided by the pixel's centre alone, which keeps them sharp where they are few pixels."""
    c = size / 2
    outer = disc(c, c, c - 0.05)
    inner = disc(c, c, c - edge_r)
    light = [disc(c + d * math.cos(a), c + d * math.sin(a), hole_r) for a, d in holes]
    light.append(disc(c, c, hub_r))
    pixels = []
    for py in range(size):
        row = []
        for px in range(size):
            acc = [0.0, 0.0, 0.0]
            cover = 0
            for sy in range(SAMPLES):
                for sx in range(SAMPLES):
                    x = px + (sx + 0.5) / SAMPLES
                    y = py + (sy + 0.5) / SAMPLES
                    if not outer(x, y):
                        continue
                    cover += 1
                    colour = OUTLINE
                    if inner(x, y):
                        hx, hy = (px + 0.5, py + 0.5) if crisp_holes else (x, y)
                        colour = HOLE if any(h(hx, hy) for h in light) else BODY
                    for i in range(3):
                        acc[i] += colour[i]
            n = SAMPLES * SAMPLES
            if cover == 0:
                row.append((0, 0, 0, 0))
            else:
                row.append(tuple(round(v / cover) for v in acc) + (round(255 * cover / n),))
        pixels.append(row)
    return pixels


def write(pixels, path):
    size = len(pixels)
    data = bytes(v for row in pixels for p in row for v in p)
    subprocess.run(["convert", "-size", f"{size}x{size}", "-depth", "8", "rgba:-",
                    "-strip", f"png32:{path}"], input=data, check=True)


def main():
    folder = pathlib.Path(sys.argv[1] if len(sys.argv) > 1 else
                          pathlib.Path(__file__).resolve().parent / "icons")
    # 16 px: four holes on the axes and a hub, each whole pixels wide.
    four = [(a * math.pi / 2, 4.0) for a in range(4)]
    write(draw(16, four, 1.9, 1.05, 1.2, crisp_holes=True), folder / "reel-case-16.png")
    # 24 px: the six holes of the large icon.
    six = [(a * math.pi / 3, 6.6) for a in range(6)]
    write(draw(24, six, 2.6, 1.6, 1.4), folder / "reel-case-24.png")


if __name__ == "__main__":
    main()
