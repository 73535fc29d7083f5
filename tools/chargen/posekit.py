"""The machinery every character generator shares: key poses blended into frames, and the frames
drawn into a character's pictures and manifest entries.

A figure module offers REST (every pose parameter at rest), DISCRETE (parameters that switch rather
than blend), ik(side, point, elbow, pose) solving an arm to reach a point, and a Figure class that draws
a pose as SVG. sequence_for() makes the Seq class of that figure.
"""

import svgkit

EASE = {
    "io": lambda t: t * t * (3 - 2 * t),
    "in": lambda t: t * t,
    "out": lambda t: 1 - (1 - t) * (1 - t),
    "lin": lambda t: t,
}


def sequence_for(rest, discrete, ik):
    """The Seq class of one figure.

    Seq.to() blends from the current pose to a new one over n frames; R=(x, y) or L=(x, y) places a
    hand with the arm solved to reach it. Effects are functions of (t, k, pose): t the progress
    inside the step, k the frame's index in the animation.
    """

    def blend(a, b, t):
        out = {}
        for k in rest:
            va, vb = a[k], b[k]
            if k in discrete or isinstance(va, (str, bool)):
                out[k] = vb if t >= 0.5 else va
            else:
                out[k] = va + (vb - va) * t
        return out

    def resolve(pose, changes):
        target = dict(pose)
        arms = {}
        for k, v in changes.items():
            if k in ("L", "R"):
                arms[k] = v
            else:
                target[k] = v
        for k, v in arms.items():
            side = -1 if k == "L" else 1
            elbow = v[2] if len(v) > 2 else "down"
            a, b = ik(side, (v[0], v[1]), elbow, target)
            key = "l" if side < 0 else "r"
            target[key + "a"], target[key + "b"] = a, b
        return target

    class Seq:
        def __init__(self, start=None):
            self.pose = dict(rest)
            if start:
                self.pose = resolve(self.pose, start)
            self.frames = []

        @property
        def i(self):
            """The index the next frame will get."""
            return len(self.frames)

        def _add(self, pose, ms, fx, t):
            k = len(self.frames)
            self.frames.append(dict(pose=pose, ms=ms, fx=fx(t, k, pose) if fx else []))

        def to(self, n=3, ms=80, ease="io", fx=None, **changes):
            target = resolve(self.pose, changes)
            for j in range(1, n + 1):
                t = j / n
                self._add(blend(self.pose, target, EASE[ease](t)), ms, fx, t)
            self.pose = target
            return self

        def hold(self, ms=100, fx=None):
            self._add(dict(self.pose), ms, fx, 1.0)
            return self

        def rest(self, n=3, ms=80, ease="io", fx=None):
            return self.to(n, ms, ease, fx, **rest)

        def branch(self, at, to, weight):
            self.frames[at].setdefault("branches", []).append({"frame": to, "weight": weight})

        def exits(self, frames, to):
            for f in frames:
                self.frames[f]["exit"] = to

    return Seq


class Library:
    """Frame pictures by content: a pose drawn twice is stored once."""

    def __init__(self):
        self.pictures = {}
        self.by_text = {}
        self.counts = {}

    def add(self, text, stem):
        if text in self.by_text:
            return self.by_text[text]
        self.counts[stem] = self.counts.get(stem, 0) + 1
        name = f"{stem}{self.counts[stem]:02d}.svg" if stem != "rest" else "rest.svg"
        if name in self.pictures:
            name = f"{stem}-{len(self.pictures)}.svg"
        self.pictures[name] = text
        self.by_text[text] = name
        return name


def render(animations, figure, width, height, may_leave=()):
    """Draws every frame; the manifest's animations and the pictures by file name. A frame that puts
    a part outside the picture stops the build, except in the animations of `may_leave`."""
    lib = Library()
    lib.add(svgkit.svg(width, height, figure({}).svg_body()), "rest")
    manifest_anims = {}
    for name, anim in animations.items():
        stem = name.lower()
        frames = []
        for fr in anim["frames"]:
            fig = figure(fr["pose"], fr.get("fx", ()))
            body = fig.svg_body()
            if name not in may_leave:
                for part in fig.outside():
                    svgkit.fail(f"frame {len(frames)} of '{name}' puts {part} outside the picture")
            out = {"image": lib.add(svgkit.svg(width, height, body), stem), "duration": int(fr["ms"])}
            mouth = fig.mouth_point()
            if mouth and not fr.get("no_mouth"):
                out["mouth"] = mouth
            if "exit" in fr:
                out["exit"] = fr["exit"]
            if fr.get("branches"):
                out["branches"] = fr["branches"]
            frames.append(out)
        entry = {"frames": frames}
        if anim.get("return"):
            entry["return"] = anim["return"]
        manifest_anims[name] = entry
    return manifest_anims, lib.pictures
