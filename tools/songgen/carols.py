"""The carols of the default Music folder: traditional melodies with simple chords, each with its
own instruments. The file name of each song is its title."""

from fractions import Fraction

from arrange import Part, Song

JINGLE_BELLS = Song(
    title="Jingle Bells", bpm=176, beats_per_bar=4, key_sharps=1,
    melody="""
        D4:1 B4:1 A4:1 G4:1 | D4:3 D4:.5 D4:.5 | D4:1 B4:1 A4:1 G4:1 | E4:4 |
        E4:1 C5:1 B4:1 A4:1 | F#4:4 | D5:1 D5:1 C5:1 A4:1 | B4:4 |
        D4:1 B4:1 A4:1 G4:1 | D4:4 | D4:1 B4:1 A4:1 G4:1 | E4:3 E4:1 |
        E4:1 C5:1 B4:1 A4:1 | D5:1 D5:1 D5:1 D5:1 | E5:1 D5:1 C5:1 A4:1 | G4:2 D5:2 |
        B4:1 B4:1 B4:2 | B4:1 B4:1 B4:2 | B4:1 D5:1 G4:1.5 A4:.5 | B4:4 |
        C5:1 C5:1 C5:1.5 C5:.5 | C5:1 B4:1 B4:1 B4:.5 B4:.5 | B4:1 A4:1 A4:1 B4:1 | A4:2 D5:2 |
        B4:1 B4:1 B4:2 | B4:1 B4:1 B4:2 | B4:1 D5:1 G4:1.5 A4:.5 | B4:4 |
        C5:1 C5:1 C5:1.5 C5:.5 | C5:1 B4:1 B4:1 B4:.5 B4:.5 | D5:1 D5:1 C5:1 A4:1 | G4:4 |
    """,
    chords="""
        G:4 | G:4 | G:4 | C:4 | C:4 | D:4 | D7:4 | G:4 |
        G:4 | G:4 | G:4 | C:4 | C:4 | D7:4 | Am:2 D7:2 | G:2 D7:2 |
        G:4 | G:4 | G:4 | G:4 | C:4 | C:1 G:3 | A7:4 | D7:4 |
        G:4 | G:4 | G:4 | G:4 | C:4 | C:1 G:3 | D7:4 | G:4 |
    """,
    parts=[
        Part("lead", programs=(1, 9), velocity=92, volume=110),
        Part("double", program=9, octave=1, velocity=52, volume=80, pan=84),
        Part("oompah", program=0, velocity=66, volume=86, pan=44),
        Part("bass", program=32, velocity=86, volume=100),
        Part("bells", velocity=70, volume=70, pan=90),
    ],
)

DECK_THE_HALLS = Song(
    title="Deck the Halls", bpm=132, beats_per_bar=4, key_sharps=-1,
    melody="""
        C5:1.5 Bb4:.5 A4:1 G4:1 | F4:1 G4:1 A4:1 F4:1 | G4:.5 A4:.5 Bb4:.5 G4:.5 A4:1.5 G4:.5 | F4:1 E4:1 F4:2 |
        C5:1.5 Bb4:.5 A4:1 G4:1 | F4:1 G4:1 A4:1 F4:1 | G4:.5 A4:.5 Bb4:.5 G4:.5 A4:1.5 G4:.5 | F4:1 E4:1 F4:2 |
        G4:1.5 A4:.5 Bb4:1 G4:1 | A4:1.5 Bb4:.5 C5:1 G4:1 | A4:.5 B4:.5 C5:1 D5:.5 E5:.5 F5:1 | E5:1 D5:1 C5:2 |
        C5:1.5 Bb4:.5 A4:1 G4:1 | F4:1 G4:1 A4:1 F4:1 | D5:.5 D5:.5 C5:.5 Bb4:.5 A4:1.5 G4:.5 | F4:1 E4:1 F4:2 |
    """,
    chords="""
        F:2 F:1 C7:1 | F:4 | Gm:2 F:1 C7:1 | F:1 C7:1 F:2 |
        F:2 F:1 C7:1 | F:4 | Gm:2 F:1 C7:1 | F:1 C7:1 F:2 |
        C7:4 | F:2 C:2 | F:1 C:1 Bb:1 F:1 | C:4 |
        F:2 F:1 C7:1 | F:4 | Bb:2 F:1 C7:1 | F:1 C7:1 F:2 |
    """,
    parts=[
        Part("lead", programs=(71, 56), velocity=92, volume=108),
        Part("oompah", program=45, velocity=72, volume=92, pan=40),
        Part("arpeggio", program=46, velocity=54, volume=70, pan=88),
        Part("bass", program=33, velocity=84, volume=100),
        Part("bells", velocity=52, volume=56, pan=96),
    ],
)

SILENT_NIGHT = Song(
    title="Silent Night", bpm=72, beats_per_bar=3, key_sharps=0,
    melody="""
        G4:1.5 A4:.5 G4:1 | E4:3 | G4:1.5 A4:.5 G4:1 | E4:3 |
        D5:2 D5:1 | B4:3 | C5:2 C5:1 | G4:3 |
        A4:2 A4:1 | C5:1.5 B4:.5 A4:1 | G4:1.5 A4:.5 G4:1 | E4:3 |
        A4:2 A4:1 | C5:1.5 B4:.5 A4:1 | G4:1.5 A4:.5 G4:1 | E4:3 |
        D5:2 D5:1 | F5:1.5 D5:.5 B4:1 | C5:3 | E5:3 |
        C5:1 G4:1 E4:1 | G4:1.5 F4:.5 D4:1 | C4:3 | C4:3 |
    """,
    chords="""
        C:3 | C:3 | C:3 | C:3 | G7:3 | G7:3 | C:3 | C:3 |
        F:3 | F:3 | C:3 | C:3 | F:3 | F:3 | C:3 | C:3 |
        G7:3 | G7:3 | C:3 | C:3 | C:3 | G7:3 | C:3 | C:3 |
    """,
    passes=2,
    reverb=80,
    parts=[
        Part("lead", programs=(73, 52), velocity=84, volume=104),
        Part("block", program=49, velocity=48, volume=80, pan=50),
        Part("arpeggio", program=46, velocity=62, volume=84, pan=80),
        Part("bass", program=42, velocity=60, volume=78),
    ],
)

O_CHRISTMAS_TREE = Song(
    title="O Christmas Tree", bpm=96, beats_per_bar=3, key_sharps=-1, pickup=Fraction(1),
    melody="""
        C4:1 |
        F4:.75 F4:.25 F4:1.5 G4:.5 | A4:.75 A4:.25 A4:1.5 A4:.5 | G4:.5 A4:.5 Bb4:1 E4:1 | G4:1 F4:1 C5:.5 C5:.5 |
        A4:1 D5:1.5 C5:.5 | C5:.5 Bb4:.5 Bb4:1 Bb4:.5 Bb4:.5 | G4:1 C5:1.5 Bb4:.5 | Bb4:.5 A4:.5 A4:1 C4:1 |
        F4:.75 F4:.25 F4:1.5 G4:.5 | A4:.75 A4:.25 A4:1.5 A4:.5 | G4:.5 A4:.5 Bb4:1 E4:1 | G4:1 F4:1 |
    """,
    chords="""
        F:3 | F:3 | C7:3 | C7:1 F:2 |
        F:1 Bb:2 | C7:3 | C7:3 | F:2 C7:1 |
        F:3 | F:3 | C7:3 | C7:1 F:1 |
    """,
    passes=3,
    parts=[
        Part("lead", programs=(74, 40, 73), velocity=88, volume=106),
        Part("waltz", program=0, velocity=64, volume=84, pan=44),
        Part("block", program=48, velocity=40, volume=64, pan=84),
        Part("bass", program=32, velocity=80, volume=96),
    ],
)

WE_WISH_YOU = Song(
    title="We Wish You a Merry Christmas", bpm=168, beats_per_bar=3, key_sharps=1, pickup=Fraction(1),
    melody="""
        D4:1 |
        G4:1 G4:.5 A4:.5 G4:.5 F#4:.5 | E4:1 E4:1 E4:1 | A4:1 A4:.5 B4:.5 A4:.5 G4:.5 | F#4:1 D4:1 D4:1 |
        B4:1 B4:.5 C5:.5 B4:.5 A4:.5 | G4:1 E4:1 D4:.5 D4:.5 | E4:1 A4:1 F#4:1 | G4:2 D4:1 |
        G4:1 G4:1 G4:1 | F#4:2 F#4:1 | G4:1 F#4:1 E4:1 | D4:2 A4:1 |
        B4:1 A4:1 G4:1 | D5:1 D4:1 D4:.5 D4:.5 | E4:1 A4:1 F#4:1 | G4:2 D4:1 |
        G4:1 G4:.5 A4:.5 G4:.5 F#4:.5 | E4:1 E4:1 E4:1 | A4:1 A4:.5 B4:.5 A4:.5 G4:.5 | F#4:1 D4:1 D4:1 |
        B4:1 B4:.5 C5:.5 B4:.5 A4:.5 | G4:1 E4:1 D4:.5 D4:.5 | E4:1 A4:1 F#4:1 | G4:2 |
    """,
    chords="""
        G:3 | C:3 | A7:3 | D:3 | B7:3 | Em:3 | C:1 D7:2 | G:2 D:1 |
        G:3 | D:3 | Em:1 D:1 C:1 | D:3 | Em:1 D:1 Em:1 | D:3 | C:1 D7:2 | G:2 D:1 |
        G:3 | C:3 | A7:3 | D:3 | B7:3 | Em:3 | C:1 D7:2 | G:2 |
    """,
    passes=2,
    parts=[
        Part("lead", programs=(56,), velocity=90, volume=104),
        Part("double", program=73, octave=1, velocity=56, volume=76, pan=88),
        Part("waltz", program=61, velocity=60, volume=80, pan=40),
        Part("bass", program=57, velocity=78, volume=92),
        Part("bells", velocity=50, volume=54, pan=96),
    ],
)

JOY_TO_THE_WORLD = Song(
    title="Joy to the World", bpm=104, beats_per_bar=2, key_sharps=2,
    melody="""
        D5:1 C#5:.75 B4:.25 | A4:1.5 G4:.5 | F#4:1 E4:1 | D4:1.5 A4:.5 |
        B4:1.5 B4:.5 | C#5:1.5 C#5:.5 | D5:1.5 D5:.5 | D5:.5 C#5:.5 B4:.5 A4:.5 |
        A4:.75 G4:.25 F#4:.5 D5:.5 | D5:.5 C#5:.5 B4:.5 A4:.5 | A4:.75 G4:.25 F#4:.5 F#4:.5 |
        F#4:.5 F#4:.5 F#4:.5 F#4:.25 G4:.25 | A4:1.5 G4:.25 F#4:.25 | E4:.5 E4:.5 E4:.5 E4:.25 F#4:.25 |
        G4:1.5 F#4:.25 E4:.25 | D4:.5 D5:1 B4:.5 | A4:.75 G4:.25 F#4:.5 G4:.5 | F#4:1 E4:1 | D4:2 |
    """,
    chords="""
        D:2 | D:1 G:1 | D:1 A7:1 | D:2 |
        G:2 | A:2 | D:2 | D:2 |
        D:2 | D:2 | D:2 |
        D:2 | D:2 | A7:2 |
        A7:2 | D:1 G:1 | D:1 A7:1 | D:1 A7:1 | D:2 |
    """,
    passes=3,
    parts=[
        Part("lead", programs=(56, 52, 56), velocity=94, volume=108),
        Part("block", program=19, velocity=50, volume=72, pan=46),
        Part("arpeggio", program=14, velocity=40, volume=52, pan=86),
        Part("bass", program=32, velocity=84, volume=100),
    ],
)

HARK_THE_HERALD = Song(
    title="Hark! The Herald Angels Sing", bpm=112, beats_per_bar=4, key_sharps=1,
    melody="""
        D4:1 G4:1 G4:1.5 F#4:.5 | G4:1 B4:1 B4:1 A4:1 | D5:1 D5:1 D5:1.5 C5:.5 | B4:1 A4:1 B4:2 |
        D4:1 G4:1 G4:1.5 F#4:.5 | G4:1 B4:1 B4:1 A4:1 | D5:1 A4:1 A4:1.5 F#4:.5 | F#4:1 E4:1 D4:2 |
        D5:1 D5:1 D5:1 G4:1 | C5:1 B4:1 B4:1 A4:1 | D5:1 D5:1 D5:1 G4:1 | C5:1 B4:1 B4:1 A4:1 |
        E5:1 E5:1 E5:1 D5:1 | C5:1 B4:1 C5:2 | A4:1 B4:.5 C5:.5 D5:1.5 G4:.5 | G4:1 A4:1 B4:2 |
        E5:1.5 E5:.5 E5:1 D5:1 | C5:1 B4:1 C5:2 | A4:1 B4:.5 C5:.5 D5:1.5 G4:.5 | G4:1 A4:1 G4:2 |
    """,
    chords="""
        G:3 D:1 | G:3 D:1 | G:2 D7:2 | G:1 D:1 G:2 |
        G:3 D:1 | G:3 D:1 | D:4 | D:1 A7:1 D:2 |
        G:4 | C:1 G:2 D:1 | G:4 | C:1 G:2 D:1 |
        C:3 G:1 | C:1 G:1 C:2 | Am:1 G:1 D:2 | G:1 D:1 G:2 |
        C:3 G:1 | Am:1 G:1 C:2 | Am:1 G:1 D:2 | G:1 D:1 G:2 |
    """,
    passes=2,
    parts=[
        Part("lead", programs=(56, 61), velocity=92, volume=106),
        Part("block", program=19, velocity=50, volume=76, pan=44),
        Part("arpeggio", program=46, velocity=50, volume=66, pan=86),
        Part("bass", program=42, velocity=78, volume=94),
    ],
)

THE_FIRST_NOEL = Song(
    title="The First Noel", bpm=112, beats_per_bar=3, key_sharps=2, pickup=Fraction(1),
    melody="""
        F#4:.5 E4:.5 |
        D4:1.5 E4:.5 F#4:.5 G4:.5 | A4:2 B4:.5 C#5:.5 | D5:1 C#5:1 B4:1 | A4:2 B4:.5 C#5:.5 |
        D5:1 C#5:1 B4:1 | A4:1 B4:1 C#5:1 | D5:1 A4:1 G4:1 | F#4:2 F#4:.5 E4:.5 |
        D4:1.5 E4:.5 F#4:.5 G4:.5 | A4:2 B4:.5 C#5:.5 | D5:1 C#5:1 B4:1 | A4:2 B4:.5 C#5:.5 |
        D5:1 C#5:1 B4:1 | A4:1 B4:1 C#5:1 | D5:1 A4:1 G4:1 | F#4:2 F#4:.5 E4:.5 |
        D4:1.5 E4:.5 F#4:.5 G4:.5 | A4:2 D5:.5 C#5:.5 | B4:2 B4:1 | A4:2 D5:.5 C#5:.5 |
        D5:1 C#5:1 B4:1 | A4:1 B4:1 C#5:1 | D5:1 A4:1 G4:1 | F#4:2 |
    """,
    chords="""
        D:3 | D:2 A:1 | G:1 A:1 G:1 | D:2 A:1 | G:1 A:1 G:1 | D:1 G:1 A:1 | G:1 D:1 A7:1 | D:3 |
        D:3 | D:2 A:1 | G:1 A:1 G:1 | D:2 A:1 | G:1 A:1 G:1 | D:1 G:1 A:1 | G:1 D:1 A7:1 | D:3 |
        D:3 | D:2 A:1 | G:3 | D:2 A:1 | G:1 A:1 G:1 | D:1 G:1 A:1 | G:1 D:1 A7:1 | D:2 |
    """,
    passes=2,
    reverb=72,
    parts=[
        Part("lead", programs=(68, 52), velocity=88, volume=104),
        Part("block", program=48, velocity=46, volume=74, pan=48),
        Part("waltz", program=46, velocity=56, volume=70, pan=84),
        Part("bass", program=42, velocity=70, volume=88),
    ],
)

GOD_REST_YE = Song(
    title="God Rest Ye Merry, Gentlemen", bpm=132, beats_per_bar=4, key_sharps=1, minor=True,
    pickup=Fraction(1),
    melody="""
        E4:1 |
        E4:1 B4:1 B4:1 A4:1 | G4:1 F#4:1 E4:1 D4:1 | E4:1 F#4:1 G4:1 A4:1 | B4:3 E4:1 |
        E4:1 B4:1 B4:1 A4:1 | G4:1 F#4:1 E4:1 D4:1 | E4:1 F#4:1 G4:1 A4:1 | B4:3 B4:1 |
        C5:1 A4:1 B4:1 C5:1 | D5:1 E5:1 B4:1 A4:1 | G4:1 E4:1 F#4:1 G4:1 | A4:2 G4:1 A4:1 |
        B4:2 C5:1 B4:1 | B4:1 A4:1 G4:1 F#4:1 | E4:2 G4:1 F#4:1 | E4:2 D4:2 |
        E4:1 F#4:1 G4:1 A4:1 | B4:1 C5:1 B4:1 A4:1 | G4:1 F#4:1 E4:1 |
    """,
    chords="""
        Em:3 D:1 | Em:1 Bm:1 C:1 D:1 | C:1 D:1 Em:1 D:1 | B:3 Em:1 |
        Em:3 D:1 | Em:1 Bm:1 C:1 D:1 | C:1 D:1 Em:1 D:1 | B:4 |
        Am:2 Em:1 Am:1 | G:1 C:1 G:1 D:1 | Em:2 D:1 Em:1 | D:2 Em:1 D:1 |
        Em:2 Am:1 Em:1 | Em:1 D:1 Em:1 B:1 | Em:3 B:1 | Em:2 D:2 |
        C:1 D:1 Em:1 D:1 | Em:1 Am:1 Em:1 D:1 | Em:1 B:1 Em:1 |
    """,
    passes=2,
    parts=[
        Part("lead", programs=(68, 40), velocity=90, volume=106),
        Part("oompah", program=24, velocity=66, volume=84, pan=42),
        Part("block", program=48, velocity=38, volume=62, pan=86),
        Part("bass", program=32, velocity=82, volume=98),
    ],
)

O_COME_ALL_YE = Song(
    title="O Come, All Ye Faithful", bpm=100, beats_per_bar=4, key_sharps=1, pickup=Fraction(1),
    melody="""
        G4:1 |
        G4:2 D4:1 G4:1 | A4:2 D4:2 | B4:1 A4:1 B4:1 C5:1 | B4:2 A4:1 G4:1 |
        G4:2 F#4:1 E4:1 | F#4:1 G4:1 A4:1 B4:1 | F#4:2 E4:1.5 D4:.5 | D4:3 R:1 |
        D5:2 C5:1 B4:1 | C5:2 B4:2 | A4:1 B4:1 G4:1 A4:1 | F#4:1.5 E4:.5 D4:1 G4:1 |
        G4:1 F#4:1 G4:1 A4:1 | G4:2 D4:1 B4:1 | B4:1 A4:1 B4:1 C5:1 | B4:2 A4:1 B4:1 |
        C5:1 B4:1 A4:1 G4:1 | F#4:2 G4:1 C5:1 | B4:2 A4:2 | G4:3 |
    """,
    chords="""
        G:4 | D:4 | G:1 D:1 G:1 C:1 | G:2 D:1 G:1 |
        Em:2 D:1 C:1 | D:1 Em:1 D:1 G:1 | D:2 A7:2 | D:4 |
        G:2 Am:1 G:1 | C:2 G:2 | D:1 G:1 C:1 D:1 | D:2 D7:1 G:1 |
        G:1 D:1 G:1 D:1 | G:4 | G:1 D:1 G:1 C:1 | G:2 D:1 G:1 |
        C:1 G:1 D:1 Em:1 | D:2 Em:1 C:1 | G:2 D:2 | G:3 |
    """,
    passes=2,
    reverb=70,
    parts=[
        Part("lead", programs=(52, 56), velocity=90, volume=108),
        Part("block", program=19, velocity=52, volume=76, pan=46),
        Part("arpeggio", program=46, velocity=48, volume=64, pan=84),
        Part("bass", program=42, velocity=74, volume=92),
    ],
)

GOOD_KING_WENCESLAS = Song(
    title="Good King Wenceslas", bpm=116, beats_per_bar=4, key_sharps=1,
    melody="""
        G4:1 G4:1 G4:1 A4:1 | G4:1 G4:1 D4:2 | E4:1 D4:1 E4:1 F#4:1 | G4:2 G4:2 |
        G4:1 G4:1 G4:1 A4:1 | G4:1 G4:1 D4:2 | E4:1 D4:1 E4:1 F#4:1 | G4:2 G4:2 |
        D5:1 C5:1 B4:1 A4:1 | B4:1 A4:1 G4:2 | E4:1 D4:1 E4:1 F#4:1 | G4:2 G4:2 |
        D4:1 D4:1 E4:1 F#4:1 | G4:1 G4:1 A4:2 | D5:1 C5:1 B4:1 A4:1 | G4:2 C5:2 | G4:4 |
    """,
    chords="""
        G:3 D:1 | G:2 D:2 | C:1 G:1 C:1 D:1 | G:4 |
        G:3 D:1 | G:2 D:2 | C:1 G:1 C:1 D:1 | G:4 |
        G:1 Am:1 G:1 D:1 | G:1 D:1 G:2 | C:1 G:1 C:1 D:1 | G:4 |
        G:2 C:1 D:1 | Em:2 D:2 | G:1 Am:1 Em:1 D:1 | G:2 C:2 | G:4 |
    """,
    passes=2,
    parts=[
        Part("lead", programs=(74, 11), velocity=90, volume=106),
        Part("oompah", program=24, velocity=64, volume=82, pan=42),
        Part("arpeggio", program=8, velocity=44, volume=60, pan=88),
        Part("bass", program=70, velocity=76, volume=92),
    ],
)

ANGELS_WE_HAVE_HEARD = Song(
    title="Angels We Have Heard on High", bpm=104, beats_per_bar=4, key_sharps=1,
    melody="""
        B4:1 B4:1 B4:1 D5:1 | D5:1.5 C5:.5 B4:2 | B4:1 A4:1 B4:1 D5:1 | B4:1.5 A4:.5 G4:2 |
        B4:1 B4:1 B4:1 D5:1 | D5:1.5 C5:.5 B4:2 | B4:1 A4:1 B4:1 D5:1 | B4:1.5 A4:.5 G4:2 |
        D5:2 E5:.5 D5:.5 C5:.5 B4:.5 | C5:2 D5:.5 C5:.5 B4:.5 A4:.5 | B4:2 C5:.5 B4:.5 A4:.5 G4:.5 |
        A4:1.5 D4:.5 D4:2 | G4:1 A4:1 B4:1 C5:1 | B4:2 A4:2 |
        D5:2 E5:.5 D5:.5 C5:.5 B4:.5 | C5:2 D5:.5 C5:.5 B4:.5 A4:.5 | B4:2 C5:.5 B4:.5 A4:.5 G4:.5 |
        A4:1.5 D4:.5 D4:2 | G4:1 A4:1 B4:1 C5:1 | B4:2 A4:2 | G4:4 |
    """,
    chords="""
        G:4 | D:2 G:2 | G:1 D:1 G:2 | G:1 D:1 G:2 |
        G:4 | D:2 G:2 | G:1 D:1 G:2 | G:1 D:1 G:2 |
        G:2 C:2 | Am:2 D:2 | G:2 C:2 |
        D:2 D7:2 | G:1 D:1 G:1 C:1 | G:2 D:2 |
        G:2 C:2 | Am:2 D:2 | G:2 C:2 |
        D:2 D7:2 | G:1 D:1 G:1 C:1 | G:2 D7:2 | G:4 |
    """,
    passes=2,
    reverb=76,
    parts=[
        Part("lead", programs=(52, 73), velocity=90, volume=108),
        Part("block", program=49, velocity=46, volume=72, pan=46),
        Part("arpeggio", program=46, velocity=54, volume=72, pan=84),
        Part("bass", program=32, velocity=74, volume=92),
    ],
)

CAROLS = [
    JINGLE_BELLS, DECK_THE_HALLS, SILENT_NIGHT, O_CHRISTMAS_TREE, WE_WISH_YOU, JOY_TO_THE_WORLD,
    HARK_THE_HERALD, THE_FIRST_NOEL, GOD_REST_YE, O_COME_ALL_YE, GOOD_KING_WENCESLAS, ANGELS_WE_HAVE_HEARD,
]
