"""The program's own theme: a bright tune in C with bells, played at start and in the about box."""

from arrange import Part, Song

THEME = Song(
    title="Glisterwood 99", bpm=132, beats_per_bar=4, key_sharps=0,
    melody="""
        E5:.5 G5:.5 C6:1 B5:.5 A5:.5 G5:1 | A5:.5 G5:.5 E5:.5 C5:.5 D5:2 |
        E5:.5 G5:.5 C6:1 B5:.5 A5:.5 G5:1 | A5:.5 B5:.5 C6:.5 D6:.5 C6:2 |
        F5:1 A5:1 G5:1 E5:1 | F5:.5 E5:.5 D5:.5 C5:.5 D5:2 |
        E5:1 G5:1 F5:1 D5:1 | E5:.5 D5:.5 C5:.5 B4:.5 C5:2 |
        E5:.5 G5:.5 C6:1 B5:.5 A5:.5 G5:1 | A5:.5 G5:.5 E5:.5 C5:.5 D5:2 |
        E5:.5 G5:.5 C6:1 B5:.5 A5:.5 G5:1 | A5:.5 B5:.5 C6:.5 D6:.5 C6:2 | C6:4 |
    """,
    chords="""
        C:2 G:2 | Am:2 G:2 | C:2 G:2 | F:1 G:1 C:2 |
        F:2 C:2 | Dm:2 G:2 | C:2 Dm:2 | C:1 G7:1 C:2 |
        C:2 G:2 | Am:2 G:2 | C:2 G:2 | F:1 G:1 C:2 | C:4 |
    """,
    passes=1,
    parts=[
        Part("lead", program=9, velocity=96, volume=112),
        Part("double", program=73, octave=-1, velocity=70, volume=84, pan=80),
        Part("oompah", program=45, velocity=70, volume=90, pan=44),
        Part("bass", program=33, velocity=86, volume=100),
        Part("bells", velocity=72, volume=72, pan=96),
    ],
)
