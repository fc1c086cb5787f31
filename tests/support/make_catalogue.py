#!/usr/bin/env python3
"""Writes a catalogue file of 272-byte movie records, for trying the program by hand and for
the end-to-end test. Usage: make_catalogue.py OUT.rcb [COUNT | --sorted]
Without COUNT it writes a small hand-made collection; with COUNT, that many generated movies."""
import random
import struct
import sys

GENRES = ["Action", "Thriller", "Comedy", "Drama", "Horror", "Family", "SF", "Anime", "Fantasy"]
RATINGS = ["Walk Away Movie", "Boring", "Normal", "Nice", "Pretty Good", "Perfect Movie"]
FORMATS = ["AVI", "ASF", "MPG", "DVD", "RM"]


def text(value: bytes, room: int) -> bytes:
    value = value[:room]
    return bytes([len(value)]) + value + bytes(room - len(value))


def record(name, genre, fmt, rating, info, length, quality, size) -> bytes:
    enc = lambda s: s.encode("cp1252")
    data = (text(enc(name), 29) + text(enc(genre), 8) + text(enc(fmt), 3) + text(enc(rating), 15)
            + text(enc(info), 200) + struct.pack("<iii", length, quality, size))
    assert len(data) == 272
    return data


SAMPLE = [
    ("The Long Road", "Drama", "DVD", "Pretty Good", "Seen twice. Great soundtrack.", 128, 4, 4300),
    ("Alien", "SF", "AVI", "Nice", "", 117, 4, 700),
    ("Harbour Lights", "Drama", "DVD", "Pretty Good", "", 112, 4, 4380),
    ("Zebra Crossing", "Comedy", "RM", "Nice", "", 95, 3, 350),
    ("éclair at Dawn", "Family", "MPG", "Normal", "Sweet.\r\nKids loved it.", 88, 3, 800),
    ("apple Pie Summer", "Comedy", "AVI", "Boring", "", 91, 2, 650),
    ("Starship", "SF", "ASF", "Perfect Movie", "", 140, 5, 1400),
    ("LUCKY STAR", "Action", "AVI", "Normal", "", 101, 3, 690),
    ("Lodestar", "Thriller", "MPG", "Nice", "", 99, 4, 720),
    ("Edge of Night", "Horror", "DVD", "Walk Away Movie", "", 85, 1, 3900),
]


# The order the main list gives SAMPLE: letter case ignored, accents beside plain letters.
SORTED = ["Alien", "apple Pie Summer", "éclair at Dawn", "Edge of Night", "Harbour Lights",
          "Lodestar", "LUCKY STAR", "Starship", "The Long Road", "Zebra Crossing"]


def main() -> None:
    out = sys.argv[1]
    rows = []
    if len(sys.argv) > 2 and sys.argv[2] == "--sorted":
        rows = sorted(SAMPLE, key=lambda row: SORTED.index(row[0]))
    elif len(sys.argv) > 2:
        rnd = random.Random(7)
        for i in range(int(sys.argv[2])):
            name = "Movie %06d %s" % (i, "".join(rnd.choice("abcdefghij") for _ in range(6)))
            rows.append((name, rnd.choice(GENRES), rnd.choice(FORMATS), rnd.choice(RATINGS),
                         "", rnd.randint(60, 200), rnd.randint(1, 5), rnd.randint(100, 9000)))
    else:
        rows = SAMPLE
    with open(out, "wb") as f:
        for row in rows:
            f.write(record(*row))


if __name__ == "__main__":
    main()
