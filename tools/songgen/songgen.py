#!/usr/bin/env python3
"""Writes the program's songs as Standard MIDI Files:

    python3 tools/songgen/songgen.py <program-folder>

gives <program-folder>/THEME.MID and <program-folder>/Music/<title>.mid for every carol, and checks
each file it wrote by reading it back.
"""

import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

import arrange  # noqa: E402
import smf  # noqa: E402
from carols import CAROLS  # noqa: E402
from theme import THEME  # noqa: E402


def write(path, song):
    data = arrange.build(song)
    smf.check_file(data)
    with open(path + ".part", "wb") as out:
        out.write(data)
    os.replace(path + ".part", path)


def main():
    if len(sys.argv) != 2:
        sys.exit("usage: songgen.py <program-folder>")
    folder = sys.argv[1]
    music = os.path.join(folder, "Music")
    os.makedirs(music, exist_ok=True)
    write(os.path.join(folder, "THEME.MID"), THEME)
    for song in CAROLS:
        write(os.path.join(music, song.title + ".mid"), song)
    if os.environ.get("SONGGEN_LIST"):
        for song in [THEME] + CAROLS:
            print(f"{song.title}: {arrange.length_seconds(song):.0f} s")


if __name__ == "__main__":
    main()
