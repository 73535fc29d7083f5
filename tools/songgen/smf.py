"""A small Standard MIDI File writer (format 1) and a checker for what it writes.

Times are in beats (quarter notes) as fractions; the writer turns them into ticks.
"""

from fractions import Fraction

DIVISION = 480  # ticks per quarter note


def _vlq(value):
    """A variable-length quantity: seven bits a byte, high bit set on all but the last."""
    if value < 0:
        raise ValueError("negative delta time")
    out = [value & 0x7F]
    value >>= 7
    while value:
        out.append(0x80 | (value & 0x7F))
        value >>= 7
    return bytes(reversed(out))


def _ticks(beats):
    ticks = Fraction(beats) * DIVISION
    if ticks.denominator != 1:
        # Triplets and the like round to the nearest tick; the error never accumulates because
        # every event is placed from its absolute time.
        return round(ticks)
    return int(ticks)


class Track:
    """Events at absolute times in beats; note-offs sort before note-ons at the same tick."""

    def __init__(self, name, channel=0):
        self.name = name
        self.channel = channel
        self.events = []  # (tick, order, bytes)
        self.meta(0, 0x03, name.encode("utf-8"))

    def _add(self, beats, order, data):
        self.events.append((_ticks(beats), order, len(self.events), bytes(data)))

    def meta(self, beats, kind, payload):
        self._add(beats, 0, bytes([0xFF, kind]) + _vlq(len(payload)) + payload)

    def tempo(self, beats, bpm):
        micros = round(60_000_000 / bpm)
        self.meta(beats, 0x51, micros.to_bytes(3, "big"))

    def time_signature(self, beats, numerator, denominator):
        power = {1: 0, 2: 1, 4: 2, 8: 3, 16: 4}[denominator]
        self.meta(beats, 0x58, bytes([numerator, power, 24, 8]))

    def key_signature(self, beats, sharps, minor=False):
        self.meta(beats, 0x59, bytes([sharps & 0xFF, 1 if minor else 0]))

    def program(self, beats, number):
        self._add(beats, 1, [0xC0 | self.channel, number & 0x7F])

    def control(self, beats, controller, value):
        self._add(beats, 1, [0xB0 | self.channel, controller & 0x7F, value & 0x7F])

    def note(self, start, length, pitch, velocity):
        if not 0 <= pitch <= 127:
            raise ValueError(f"pitch {pitch} out of range in {self.name}")
        end = Fraction(start) + Fraction(length)
        self._add(start, 3, [0x90 | self.channel, pitch, max(1, min(127, velocity))])
        self._add(end, 2, [0x80 | self.channel, pitch, 0])

    def encode(self):
        body = bytearray()
        last = 0
        for tick, _order, _seq, data in sorted(self.events):
            body += _vlq(tick - last) + data
            last = tick
        body += _vlq(0) + b"\xFF\x2F\x00"
        return b"MTrk" + len(body).to_bytes(4, "big") + bytes(body)


def encode_file(tracks):
    header = b"MThd" + (6).to_bytes(4, "big") + (1).to_bytes(2, "big")
    header += len(tracks).to_bytes(2, "big") + DIVISION.to_bytes(2, "big")
    return header + b"".join(track.encode() for track in tracks)


def check_file(data):
    """Reads a file back and returns (track count, notes) or raises ValueError: every note-on has
    its note-off, every track ends with its end-of-track event, running status is allowed."""
    if data[:4] != b"MThd" or int.from_bytes(data[4:8], "big") != 6:
        raise ValueError("no MThd header")
    count = int.from_bytes(data[10:12], "big")
    pos = 14
    notes = 0
    for _ in range(count):
        if data[pos:pos + 4] != b"MTrk":
            raise ValueError("missing MTrk")
        length = int.from_bytes(data[pos + 4:pos + 8], "big")
        end = pos + 8 + length
        pos += 8
        held = {}
        status = 0
        ended = False
        while pos < end:
            while data[pos] & 0x80:
                pos += 1
            pos += 1
            byte = data[pos]
            if byte == 0xFF:
                kind = data[pos + 1]
                pos += 2
                size = 0
                while True:
                    size = (size << 7) | (data[pos] & 0x7F)
                    pos += 1
                    if not data[pos - 1] & 0x80:
                        break
                pos += size
                if kind == 0x2F:
                    ended = True
                continue
            if byte & 0x80:
                status = byte
                pos += 1
            kind = status & 0xF0
            size = 1 if kind in (0xC0, 0xD0) else 2
            args = data[pos:pos + size]
            pos += size
            key = (status & 0x0F, args[0]) if size == 2 else None
            if kind == 0x90 and args[1] > 0:
                held[key] = held.get(key, 0) + 1
                notes += 1
            elif kind == 0x80 or (kind == 0x90 and args[1] == 0):
                if held.get(key, 0) < 1:
                    raise ValueError("note-off without note-on")
                held[key] -= 1
        if not ended or pos != end:
            raise ValueError("track does not end with its end-of-track event")
        if any(held.values()):
            raise ValueError("a note is never released")
    return count, notes
