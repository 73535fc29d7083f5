"""From a melody and its chords to the tracks of a song.

A melody is written as "G4:1 A4:.5 B4:.5 | C5:2 R:2 |": pitch (letter, optional # or b, octave) or
R for a rest, a colon, the length in beats (quarter notes). Chords are written the same way with
chord names ("G:2 D7:2 |"). Bar lines are checked: every bar but a pickup and the last one must
fill the metre exactly, so a wrong length is caught where it was written.
"""

from dataclasses import dataclass, field
from fractions import Fraction

import smf

_STEPS = {"C": 0, "D": 2, "E": 4, "F": 5, "G": 7, "A": 9, "B": 11}
_QUALITIES = {
    "": (0, 4, 7), "m": (0, 3, 7), "7": (0, 4, 7, 10), "m7": (0, 3, 7, 10),
    "maj7": (0, 4, 7, 11), "dim": (0, 3, 6), "sus4": (0, 5, 7), "6": (0, 4, 7, 9),
}


def pitch_class(name):
    pc = _STEPS[name[0]]
    for sign in name[1:]:
        pc += {"#": 1, "b": -1}[sign]
    return pc % 12


def parse_pitch(text):
    """'C4' is middle C (60); 'F#4', 'Bb3'."""
    letters = text.rstrip("-0123456789")
    octave = int(text[len(letters):])
    return (octave + 1) * 12 + _STEPS[letters[0]] + sum({"#": 1, "b": -1}[s] for s in letters[1:])


def parse_chord(text):
    root = text[0] + "".join(c for c in text[1:2] if c in "#b")
    quality = text[len(root):]
    if quality not in _QUALITIES:
        raise ValueError(f"unknown chord {text}")
    base = pitch_class(root)
    return tuple((base + step) % 12 for step in _QUALITIES[quality]), base


def parse_line(text, beats_per_bar, pickup, what, closing):
    """A list of (token, length) from the bar-checked notation. With a pickup the last bar holds
    what the pickup leaves of it (closing), so the song repeats in whole bars."""
    items = []
    bars = [bar.split() for bar in text.split("|")]
    while bars and not bars[-1]:
        bars.pop()
    for number, bar in enumerate(bars):
        total = Fraction(0)
        for token in bar:
            name, _, length = token.partition(":")
            beats = Fraction(length)
            if beats <= 0:
                raise ValueError(f"{what}: bad length in {token}")
            items.append((name, beats))
            total += beats
        first, last = number == 0, number == len(bars) - 1
        if first and pickup:
            expected_ok = total == pickup
        elif last and closing:
            expected_ok = total == closing
        elif last:
            expected_ok = 0 < total <= beats_per_bar
        else:
            expected_ok = total == beats_per_bar
        if not expected_ok:
            raise ValueError(f"{what}: bar {number + 1} holds {total} beats")
    return items


@dataclass
class Part:
    """One instrument of the arrangement. style: lead, double, oompah, waltz, block, bass, arpeggio,
    bells. program is a General MIDI program (0-based); lead parts may change it on each pass."""
    style: str
    program: int = 0
    programs: tuple = ()
    volume: int = 100
    pan: int = 64
    velocity: int = 80
    octave: int = 0


@dataclass
class Song:
    title: str
    bpm: float
    beats_per_bar: int
    key_sharps: int
    melody: str
    chords: str
    parts: list
    pickup: Fraction = Fraction(0)
    minor: bool = False
    passes: int = 2
    reverb: int = 56
    melody_items: list = field(default_factory=list, init=False)
    chord_items: list = field(default_factory=list, init=False)

    def parse(self):
        closing = self.beats_per_bar - self.pickup if self.pickup else 0
        self.melody_items = parse_line(self.melody, self.beats_per_bar, self.pickup, self.title + " melody",
                                       closing)
        # The chords start after the pickup, on the first full bar.
        self.chord_items = parse_line(self.chords, self.beats_per_bar, Fraction(0), self.title + " chords",
                                      closing)
        melody_beats = sum(length for _, length in self.melody_items)
        chord_beats = sum(length for _, length in self.chord_items)
        if melody_beats != self.pickup + chord_beats:
            raise ValueError(f"{self.title}: melody holds {melody_beats} beats, chords {chord_beats} "
                             f"after a pickup of {self.pickup}")


def _timeline(song):
    """Absolute (start, length, pitch or None, pass) of every melody note over all passes, and
    (start, length, chord tones, root) of every chord; the last chord of the song is flagged."""
    pass_length = sum(length for _, length in song.chord_items)
    notes, chords = [], []
    for number in range(song.passes):
        offset = pass_length * number
        final = number == song.passes - 1
        t = offset
        for index, (name, length) in enumerate(song.melody_items):
            if final and index == len(song.melody_items) - 1:
                length += song.pickup  # the last note fills the bar the pickup began
            pitch = None if name == "R" else parse_pitch(name)
            notes.append((t, length, pitch, number))
            t += length
        t = offset + song.pickup
        for index, (name, length) in enumerate(song.chord_items):
            tones, root = parse_chord(name)
            last = final and index == len(song.chord_items) - 1
            if last:
                length += song.pickup
            chords.append((t, length, tones, root, last))
            t += length
    end = chords[-1][0] + chords[-1][1]
    return notes, chords, end


def _voice(tones, low):
    return sorted(low + ((tone - low) % 12) for tone in tones)


def _bass_note(root, low=40):
    return low + ((root - low) % 12)


def _chord_at(chords, t):
    for chord in chords:
        if chord[0] <= t < chord[0] + chord[1]:
            return chord
    return None


def _beats(chords, start, end, step):
    """Grid points from start to end, every step beats."""
    t = start
    while t < end:
        yield t
        t += step


def _bar_beat(song, t):
    # Every pass is whole bars long, so the bar grid runs on from the first downbeat.
    return (t - song.pickup) % song.beats_per_bar


def _render_part(song, part, track, notes, chords, end):
    v = part.velocity
    if part.style in ("lead", "double"):
        shift = 12 * part.octave
        current = None
        for start, length, pitch, number in notes:
            if part.programs:
                program = part.programs[number % len(part.programs)]
                if program != current:
                    track.program(start, program)
                    current = program
            if pitch is None:
                continue
            accent = 8 if _bar_beat(song, start) == 0 else 0
            track.note(start, length * Fraction(95, 100), pitch + shift, v + accent)
        return

    for start, length, tones, root, last in chords:
        if last:
            # The song ends on one held chord, whatever the pattern was.
            if part.style == "bass":
                track.note(start, length, _bass_note(root), v)
            elif part.style == "bells":
                track.note(start, 1, 81, v)  # open triangle
            elif part.style == "arpeggio":
                for i, pitch in enumerate(_voice(tones, 55) + [p + 12 for p in _voice(tones, 55)]):
                    track.note(start + Fraction(i, 8), length - Fraction(i, 8), pitch, v - 10)
            else:
                for pitch in _voice(tones, 57):
                    track.note(start, length, pitch, v)
            continue
        if part.style == "block":
            for pitch in _voice(tones, 57):
                track.note(start, length * Fraction(97, 100), pitch, v)
        elif part.style == "bass":
            # Root on each downbeat inside the chord (and where the chord starts).
            points = [start] + [t for t in _beats(chords, start, start + length, Fraction(1))
                                if t != start and _bar_beat(song, t) == 0]
            for i, t in enumerate(points):
                stop = points[i + 1] if i + 1 < len(points) else start + length
                track.note(t, (stop - t) * Fraction(9, 10), _bass_note(root), v)
        elif part.style in ("oompah", "waltz"):
            for t in _beats(chords, start, start + length, Fraction(1)):
                beat = _bar_beat(song, t)
                step = min(Fraction(1), start + length - t)
                if beat.denominator != 1:
                    continue
                if beat == 0 or (part.style == "oompah" and song.beats_per_bar == 4 and beat == 2):
                    bass = _bass_note(root)
                    if beat == 2:
                        bass = _bass_note((root + 7) % 12)
                    track.note(t, step * Fraction(9, 10), bass, v + 6)
                else:
                    for pitch in _voice(tones, 57):
                        track.note(t, step * Fraction(7, 10), pitch, v - 8)
        elif part.style == "arpeggio":
            ladder = _voice(tones, 55) + [p + 12 for p in _voice(tones, 55)]
            for i, t in enumerate(_beats(chords, start, start + length, Fraction(1, 2))):
                step = min(Fraction(1, 2), start + length - t)
                accent = 6 if _bar_beat(song, t) == 0 else 0
                track.note(t, step * 2, ladder[i % len(ladder)], v + accent - 4 * (i % 2))
        elif part.style == "bells":
            for t in _beats(chords, start, start + length, Fraction(1, 2)):
                on_beat = (t - song.pickup).denominator == 1
                track.note(t, Fraction(1, 4), 54, v if on_beat else v - 25)  # tambourine
        else:
            raise ValueError(f"unknown style {part.style}")


def build(song):
    """The encoded Standard MIDI File of the song."""
    song.parse()
    notes, chords, end = _timeline(song)
    conductor = smf.Track(song.title)
    conductor.time_signature(0, song.beats_per_bar, 4)
    conductor.key_signature(0, song.key_sharps, song.minor)
    conductor.tempo(0, song.bpm)
    # A gentle slowing over the last two bars.
    bar = song.beats_per_bar
    conductor.tempo(end - 2 * bar, song.bpm * 0.92)
    conductor.tempo(end - bar, song.bpm * 0.8)
    tracks = [conductor]
    channel = 0
    for part in song.parts:
        if part.style == "bells":
            track = smf.Track("Bells", 9)
        else:
            if channel == 9:
                channel += 1
            track = smf.Track(part.style.capitalize(), channel)
            channel += 1
            track.program(0, part.programs[0] if part.programs else part.program)
        track.control(0, 7, part.volume)
        track.control(0, 10, part.pan)
        track.control(0, 91, song.reverb)
        track.control(0, 93, 20)
        _render_part(song, part, track, notes, chords, end)
        tracks.append(track)
    return smf.encode_file(tracks)


def length_seconds(song):
    """About how long the song plays (for the listing)."""
    song.parse()
    _, _, end = _timeline(song)
    bar = song.beats_per_bar
    plain = end - 2 * bar
    return float(plain * 60 / song.bpm + bar * 60 / (song.bpm * 0.92) + bar * 60 / (song.bpm * 0.8))
