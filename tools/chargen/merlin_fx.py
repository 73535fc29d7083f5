"""Merlin's little extras drawn around the figure: sparkles, golden stars, puffs of magic smoke,
the crystal ball, a question mark and an exclamation mark.

Each is a dict with a "kind"; draw_fx() turns it into SVG.  The colours keep a light core and a
darker edge so they read both on a white page and on a dark blue desktop.
"""

import math

from merlin_draw import M, GOLD, GOLD_EDGE, n, star_path


def _op(op):
    return f' opacity="{n(op)}"' if op < 0.99 else ""


def sparkle(x, y, size, op=1.0, color="#fff7c9", edge="#d89a22"):
    s, k = size, size * 0.26
    d = (f"M{n(x)},{n(y - s)}Q{n(x + k)},{n(y - k)} {n(x + s)},{n(y)}Q{n(x + k)},{n(y + k)} {n(x)},{n(y + s)}"
         f"Q{n(x - k)},{n(y + k)} {n(x - s)},{n(y)}Q{n(x - k)},{n(y - k)} {n(x)},{n(y - s)}Z")
    return f'<path d="{d}" fill="{color}" stroke="{edge}" stroke-width="0.6"{_op(op)}/>'


def star(fig, x, y, size, rot=0.0, op=1.0, glow=0.0):
    out = ""
    if glow > 0.02:
        out += f'<circle cx="{n(x)}" cy="{n(y)}" r="{n(size * 2.2)}" fill="{fig.use("halo")}"{_op(op * glow)}/>'
    out += (f'<path d="{star_path(x, y, size, rot)}" fill="{fig.use("gold")}" stroke="{GOLD_EDGE}" '
            f'stroke-width="0.7"{_op(op)}/>')
    return out


def puff(fig, x, y, size, op=1.0):
    """A round cloud of magic smoke."""
    out = []
    for dx, dy, r in ((-0.9, 0.15, 0.75), (-0.35, -0.45, 0.85), (0.45, -0.3, 0.8), (0.9, 0.2, 0.65),
                      (0.0, 0.25, 0.9)):
        out.append(f'<circle cx="{n(x + dx * size)}" cy="{n(y + dy * size)}" r="{n(r * size * 0.62)}"/>')
    return (f'<g fill="{fig.use("puff")}" stroke="#8c78cf" stroke-width="0.7"{_op(op)}>'
            + "".join(out) + "</g>")


def cloud(fig, circles, op=1.0):
    """One billowing cloud of magic smoke from overlapping circles: a single outline around them all."""
    circles = [c for c in circles if c[2] > 0.4]
    if not circles:
        return ""
    edge = "".join(f'<circle cx="{n(x)}" cy="{n(y)}" r="{n(r + 0.9)}"/>' for x, y, r in circles)
    body = "".join(f'<circle cx="{n(x)}" cy="{n(y)}" r="{n(r)}"/>' for x, y, r in circles)
    shine = "".join(f'<circle cx="{n(x - r * 0.35)}" cy="{n(y - r * 0.4)}" r="{n(r * 0.35)}"/>'
                    for x, y, r in circles if r > 3)
    return (f'<g{_op(op)}><g fill="#7d68c4">{edge}</g><g fill="{fig.use("puff")}">{body}</g>'
            f'<g fill="#ffffff" opacity="0.6">{shine}</g></g>')


def orb(fig, item):
    """The crystal ball on its little golden stand, held between both hands."""
    (lx, ly), (rx, ry) = fig.arms[-1]["hand"], fig.arms[1]["hand"]
    s = item.get("scale", 1.0)
    if s <= 0.03:
        return ""
    x, y = (lx + rx) / 2, min(ly, ry) - 4.0 * s
    glow = item.get("glow", 0.6)
    phase = item.get("phase", 0.0)
    m = M.t(x, y) * M.s(s * 1.25, s * 1.25)
    swirl = []
    for i in range(3):
        a = phase * 1.3 + i * 2.09
        r = 3.6 + i * 0.8
        x0, y0 = math.cos(a) * r, math.sin(a) * r * 0.6
        x1, y1 = math.cos(a + 1.7) * (r - 1.5), math.sin(a + 1.7) * (r - 1.5) * 0.6
        swirl.append(f"M{n(x0)},{n(y0 - 1)}Q{n((x0 + x1) * 0.2)},{n((y0 + y1) * 0.2 - 1)} {n(x1)},{n(y1 - 1)}")
    dots = "".join(f'<circle cx="{n(math.cos(phase * 0.9 + i * 1.9) * 4.5)}" '
                   f'cy="{n(math.sin(phase * 1.1 + i * 2.3) * 3.2 - 1)}" r="{n(0.5 + (i % 2) * 0.3)}"/>'
                   for i in range(5))
    return (f'<g transform="{m.svg()}">'
            f'<circle cy="-1" r="{n(13 + 5 * glow)}" fill="{fig.use("orbglow")}"{_op(min(1.0, glow))}/>'
            f'<path d="M-6,6.5L-4.6,3.4L4.6,3.4L6,6.5Q0,8.4 -6,6.5Z" fill="{fig.use("gold")}" '
            f'stroke="{GOLD_EDGE}" stroke-width="0.7"/>'
            f'<circle cy="-2" r="7.6" fill="{fig.use("orb")}" stroke="#2c3c96" stroke-width="0.9"/>'
            f'<path d="{"".join(swirl)}" fill="none" stroke="#ffffff" stroke-width="0.9" opacity="{n(0.4 + 0.5 * glow)}"/>'
            f'<g fill="#fffbe0"{_op(0.5 + 0.5 * glow)}>{dots}</g>'
            '<path d="M-4.6,-5.6Q-3.2,-8 -0.6,-8.4" fill="none" stroke="#ffffff" stroke-width="1.2" opacity="0.9"/>'
            "</g>")


def question(x, y, size, op=1.0, rot=0.0):
    m = M.t(x, y) * M.r(rot) * M.s(size / 10, size / 10)
    d = "M-3.6,-4.4Q-3.4,-8.6 0.4,-8.6Q4.2,-8.4 4,-5Q3.8,-2.4 1,-1.2Q-0.2,-0.4 0,2.2"
    return (f'<g transform="{m.svg()}" fill="none"{_op(op)}>'
            f'<path d="{d}" stroke="#ffffff" stroke-width="5"/><path d="{d}" stroke="#5a3fb0" stroke-width="2.6"/>'
            '<circle cy="6.3" r="2.3" fill="#5a3fb0" stroke="#ffffff" stroke-width="1"/></g>')


def exclaim(x, y, size, op=1.0, rot=0.0):
    m = M.t(x, y) * M.r(rot) * M.s(size / 10, size / 10)
    return (f'<g transform="{m.svg()}"{_op(op)}>'
            '<path d="M0,-8L0,1.5" stroke="#ffffff" stroke-width="5.2"/>'
            '<path d="M0,-8L0,1.5" stroke="#d8343c" stroke-width="2.8"/>'
            '<circle cy="6" r="2.2" fill="#d8343c" stroke="#ffffff" stroke-width="1"/></g>')


def zed(x, y, size, op=1.0):
    s = size / 10
    d = f"M{n(x - 3 * s)},{n(y - 3 * s)}L{n(x + 3 * s)},{n(y - 3 * s)}L{n(x - 3 * s)},{n(y + 3 * s)}L{n(x + 3 * s)},{n(y + 3 * s)}"
    return (f'<g fill="none"{_op(op)}><path d="{d}" stroke="#ffffff" stroke-width="{n(3.6 * s)}"/>'
            f'<path d="{d}" stroke="#5a3fb0" stroke-width="{n(1.8 * s)}"/></g>')


def draw_fx(fig, item):
    k = item["kind"]
    op = item.get("op", 1.0)
    if op <= 0.02:
        return ""
    if k == "sparkle":
        return sparkle(item["x"], item["y"], item.get("size", 3.0), op,
                       item.get("color", "#fff7c9"), item.get("edge", "#d89a22"))
    if k == "star":
        return star(fig, item["x"], item["y"], item.get("size", 3.0), item.get("rot", 0.0), op,
                    item.get("glow", 0.0))
    if k == "puff":
        return puff(fig, item["x"], item["y"], item.get("size", 6.0), op)
    if k == "cloud":
        return cloud(fig, item["circles"], op)
    if k == "orb":
        return orb(fig, item)
    if k == "question":
        return question(item["x"], item["y"], item.get("size", 10), op, item.get("rot", 0.0))
    if k == "exclaim":
        return exclaim(item["x"], item["y"], item.get("size", 10), op, item.get("rot", 0.0))
    if k == "zed":
        return zed(item["x"], item["y"], item.get("size", 8), op)
    raise ValueError(f"unknown effect {k}")
