#!/usr/bin/env python3
"""Writes a catalogue file of 272-byte movie records, for trying the program by hand and for
the end-to-end test. Usage: make_catalogue.py OUT.rcb [COUNT | --sorted | --sample COUNT]
Without COUNT it writes a small hand-made collection; with COUNT, that many generated movies
with numbered names; with --sample COUNT, a collection that reads like someone's own."""
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


FIRST = ["The", "Last", "Silent", "Crimson", "Midnight", "Golden", "Broken", "Northern",
         "Hidden", "Wild", "Distant", "Paper", "Iron", "Velvet", "Burning", "Frozen", "Lonely",
         "Electric", "Secret", "Little", "Long", "Dark", "Summer"]
SECOND = ["Harbour", "Road", "River", "Garden", "Station", "Island", "Letters", "Kingdom",
          "Mirror", "Orchard", "Lighthouse", "Circus", "Frontier", "Comet", "Carnival", "Valley",
          "Engine", "Lantern", "Voyage", "Passage", "Tides", "Planet", "Bridge", "Signal"]
TAIL = ["", "", "", "", " II", " III", " Returns", " of Dawn", " at Night", " in Winter",
        " of the North", ": The Beginning"]
NOTES = ["", "", "", "Seen twice.", "Borrowed to Sam.", "Great soundtrack.",
         "Kids loved it.", "Director's cut.", "Watch again!"]
SAMPLE_RATINGS = ["Walk Away Movie", "Boring", "Normal", "Nice", "Pretty Good", "Perfect Movie"]


def sample(count: int):
    """A collection that reads like a real one: made-up titles, all different."""
    rnd = random.Random(1984)
    names = set()
    while len(names) < count:
        name = "%s %s%s" % (rnd.choice(FIRST), rnd.choice(SECOND), rnd.choice(TAIL))
        if len(name) <= 29:  # the longest name a record holds
            names.add(name)
    rows = []
    # From the names in their own order: a set's order changes with every run's hash seed.
    for name in sorted(sorted(names), key=lambda _: rnd.random()):
        fmt = rnd.choice(FORMATS)
        size = rnd.randint(3500, 8500) if fmt == "DVD" else rnd.randint(300, 1500)
        rows.append((name, rnd.choice(GENRES), fmt, rnd.choice(SAMPLE_RATINGS),
                     rnd.choice(NOTES), rnd.randint(75, 190), rnd.randint(1, 5), size))
    return rows


def main() -> None:
    out = sys.argv[1]
    rows = []
    if len(sys.argv) > 3 and sys.argv[2] == "--sample":
        rows = sample(int(sys.argv[3]))
    elif len(sys.argv) > 2 and sys.argv[2] == "--sorted":
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
