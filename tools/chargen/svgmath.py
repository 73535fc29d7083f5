"""Numbers, points and transforms written as short SVG text, shared by the character generators."""

import math
import re


def n(v):
    """A number for SVG text: one decimal, no trailing zeros."""
    s = f"{v:.1f}"
    if s.endswith(".0"):
        s = s[:-2]
    if s == "-0":
        s = "0"
    return s


_HEX6 = re.compile(r"#([0-9a-f])\1([0-9a-f])\2([0-9a-f])\3\b")
_LEAD0 = re.compile(r"(?<![\d.])0\.(?=\d)")


def compact(text):
    """Shorter SVG text for the same picture: #rrggbb as #rgb where it can, .5 for 0.5."""
    return _LEAD0.sub(".", _HEX6.sub(r"#\1\2\3", text))


def pts(points):
    return " ".join(f"{n(x)},{n(y)}" for x, y in points)


class M:
    """A 2-D affine transform, as SVG's matrix(a b c d e f)."""

    def __init__(self, a=1.0, b=0.0, c=0.0, d=1.0, e=0.0, f=0.0):
        self.m = (a, b, c, d, e, f)

    def __mul__(self, o):
        a, b, c, d, e, f = self.m
        A, B, C, D, E, F = o.m
        return M(a * A + c * B, b * A + d * B, a * C + c * D, b * C + d * D,
                 a * E + c * F + e, b * E + d * F + f)

    def apply(self, x, y):
        a, b, c, d, e, f = self.m
        return (a * x + c * y + e, b * x + d * y + f)

    def identity(self):
        return all(abs(u - v) < 1e-4 for u, v in zip(self.m, (1, 0, 0, 1, 0, 0)))

    def svg(self):
        return "matrix(" + " ".join(n(v) if i >= 4 else f"{v:.4f}".rstrip("0").rstrip(".")
                                    for i, v in enumerate(self.m)) + ")"

    @staticmethod
    def t(x, y):
        return M(1, 0, 0, 1, x, y)

    @staticmethod
    def r(deg, cx=0.0, cy=0.0):
        a = math.radians(deg)
        c, s = math.cos(a), math.sin(a)
        return M.t(cx, cy) * M(c, s, -s, c, 0, 0) * M.t(-cx, -cy)

    @staticmethod
    def s(sx, sy, cx=0.0, cy=0.0):
        return M.t(cx, cy) * M(sx, 0, 0, sy, 0, 0) * M.t(-cx, -cy)
