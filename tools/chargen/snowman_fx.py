"""The snowman's little extras drawn around the figure: snowflakes, sparkles, the snow globe,
music notes, a question mark, an exclamation mark, ground puffs and the snow pile of its arrival.

Each is a dict with a "kind"; draw_fx() turns it into SVG.  Flakes are pale blue with a white core
so they read both on a white page and on a dark blue desktop.
"""

import math

from snowman_draw import n, M


def flake_path(x, y, size, rot):
    d = []
    for k in range(3):
        a = math.radians(rot + k * 60)
        c, s = math.cos(a), math.sin(a)
        d.append(f"M{n(x - c * size)},{n(y - s * size)}l{n(2 * c * size)},{n(2 * s * size)}")
    if size >= 3.2:
        for k in range(6):
            a = math.radians(rot + k * 60)
            c, s = math.cos(a), math.sin(a)
            bx, by = x + c * size * 0.58, y + s * size * 0.58
            for side in (-1, 1):
                b = a + side * math.radians(50)
                t = size * 0.34
                d.append(f"M{n(bx)},{n(by)}l{n(math.cos(b) * t)},{n(math.sin(b) * t)}")
    return "".join(d)


def flake(x, y, size, rot=0.0, op=1.0):
    d = flake_path(x, y, size, rot)
    w = 1.5 if size < 3.2 else 1.7
    return (f'<g fill="none" stroke-linecap="round"' + (f' opacity="{n(op)}"' if op < 0.99 else "") + ">"
            f'<path d="{d}" stroke="#6f9fd3" stroke-width="{n(w)}"/>'
            f'<path d="{d}" stroke="#ffffff" stroke-width="{n(w * 0.45)}"/></g>')


def sparkle(x, y, size, op=1.0, color="#fff7c9", edge="#e0a82e"):
    s, k = size, size * 0.28
    d = (f"M{n(x)},{n(y - s)}Q{n(x + k)},{n(y - k)} {n(x + s)},{n(y)}Q{n(x + k)},{n(y + k)} {n(x)},{n(y + s)}"
         f"Q{n(x - k)},{n(y + k)} {n(x - s)},{n(y)}Q{n(x - k)},{n(y - k)} {n(x)},{n(y - s)}Z")
    return (f'<path d="{d}" fill="{color}" stroke="{edge}" stroke-width="0.6" stroke-linejoin="round"'
            + (f' opacity="{n(op)}"' if op < 0.99 else "") + "/>")


def note(x, y, size, op=1.0, rot=-10.0):
    m = M.t(x, y) * M.r(rot) * M.s(size / 10, size / 10)
    return (f'<g transform="{m.svg()}"' + (f' opacity="{n(op)}"' if op < 0.99 else "") + ">"
            '<ellipse cx="-2.2" cy="4.6" rx="3" ry="2.2" transform="rotate(-20 -2.2 4.6)" fill="#3c64a8" '
            'stroke="#ffffff" stroke-width="0.8"/>'
            '<path d="M0.4,4.4L0.4,-7Q4.4,-5.6 5,-1.8" fill="none" stroke="#ffffff" stroke-width="3" '
            'stroke-linecap="round" stroke-linejoin="round"/>'
            '<path d="M0.4,4.4L0.4,-7Q4.4,-5.6 5,-1.8" fill="none" stroke="#3c64a8" stroke-width="1.5" '
            'stroke-linecap="round" stroke-linejoin="round"/>'
            '<ellipse cx="-2.2" cy="4.6" rx="2.5" ry="1.75" transform="rotate(-20 -2.2 4.6)" fill="#3c64a8"/>'
            "</g>")


def question(x, y, size, op=1.0, rot=0.0):
    m = M.t(x, y) * M.r(rot) * M.s(size / 10, size / 10)
    d = "M-3.6,-4.4Q-3.4,-8.6 0.4,-8.6Q4.2,-8.4 4,-5Q3.8,-2.4 1,-1.2Q-0.2,-0.4 0,2.2"
    return (f'<g transform="{m.svg()}" fill="none" stroke-linecap="round" stroke-linejoin="round"'
            + (f' opacity="{n(op)}"' if op < 0.99 else "") + ">"
            f'<path d="{d}" stroke="#ffffff" stroke-width="5"/><path d="{d}" stroke="#3f6fb8" stroke-width="2.6"/>'
            '<circle cy="6.3" r="2.3" fill="#3f6fb8" stroke="#ffffff" stroke-width="1"/></g>')


def exclaim(x, y, size, op=1.0, rot=0.0):
    m = M.t(x, y) * M.r(rot) * M.s(size / 10, size / 10)
    return (f'<g transform="{m.svg()}" stroke-linecap="round"' + (f' opacity="{n(op)}"' if op < 0.99 else "") + ">"
            '<path d="M0,-8L0,1.5" stroke="#ffffff" stroke-width="5.2"/>'
            '<path d="M0,-8L0,1.5" stroke="#d8343c" stroke-width="2.8"/>'
            '<circle cy="6" r="2.2" fill="#d8343c" stroke="#ffffff" stroke-width="1"/></g>')


def puff(x, y, size, op=1.0):
    out = []
    for dx, dy, r in ((-1.0, 0.0, 1.0), (-0.45, -0.45, 0.8), (0.35, -0.2, 0.9), (0.95, 0.1, 0.7)):
        out.append(f'<circle cx="{n(x + dx * size)}" cy="{n(y + dy * size)}" r="{n(r * size * 0.6)}"/>')
    return (f'<g fill="#f4f8fc" stroke="#9fb4cc" stroke-width="0.7" opacity="{n(op)}">'
            + "".join(out) + "</g>")


def pile(fig, amount):
    """A heap of fresh snow on the ground, `amount` 0..1."""
    if amount <= 0.02:
        return ""
    w, h = 30 * amount + 6, 11 * amount + 2
    g = 123.0
    d = (f"M{n(64 - w)},{n(g)}Q{n(64 - w * 0.85)},{n(g - h * 0.7)} {n(64 - w * 0.45)},{n(g - h * 0.85)}"
         f"Q{n(64 - w * 0.2)},{n(g - h * 1.25)} {n(64 + w * 0.1)},{n(g - h)}"
         f"Q{n(64 + w * 0.45)},{n(g - h * 1.15)} {n(64 + w * 0.65)},{n(g - h * 0.6)}"
         f"Q{n(64 + w * 0.92)},{n(g - h * 0.4)} {n(64 + w)},{n(g)}Z")
    return (f'<ellipse cx="64" cy="{n(g - 0.5)}" rx="{n(w + 2)}" ry="{n(2 + 2.5 * amount)}" fill="{fig.use("gs")}"/>'
            f'<path d="{d}" fill="{fig.use("sn")}" stroke="#7f95b0" stroke-width="1" stroke-linejoin="round"/>')


def globe(fig, item):
    """The little snow globe held between the two hands, with snow whirling inside."""
    (lx, ly), (rx, ry) = fig.arms[-1]["hand"], fig.arms[1]["hand"]
    s = item.get("scale", 1.0) * 1.35
    if s <= 0.03:
        return ""
    x, y = (lx + rx) / 2, (ly + ry) / 2 - 6.5 * s
    m = M.t(x, y) * M.r(item.get("rot", 0.0)) * M.s(s, s)
    phase = item.get("phase", 0.0)
    swirl = item.get("swirl", 1.0)
    dots = []
    for i in range(9):
        a = phase * 1.9 + i * 2.399
        rr = 1.4 + (i * 1.37) % 4.6
        fall = (phase * 1.2 + i * 0.37) % 1.0
        dx = math.cos(a) * rr * swirl
        dy = math.sin(a) * rr * 0.75 * swirl + (1 - swirl) * (fall * 7 - 3.5)
        dots.append(f'<circle cx="{n(dx)}" cy="{n(dy - 0.6)}" r="{n(0.55 + (i % 3) * 0.15)}"/>')
    return (f'<g transform="{m.svg()}">'
            f'<path d="M-6.6,5.4L-5.2,10.2Q0,11.6 5.2,10.2L6.6,5.4Z" fill="{fig.use("wd")}" stroke="#4c0d12" '
            'stroke-width="0.7" stroke-linejoin="round"/>'
            '<path d="M-5.6,8Q0,9.2 5.6,8" stroke="#f2c45a" stroke-width="0.8" fill="none"/>'
            '<circle r="8" fill="#dff0ff" opacity="0.55"/>'
            '<path d="M-7.4,3.2Q0,1.2 7.4,3.2Q6.4,6.2 0,7.9Q-6.4,6.2 -7.4,3.2Z" fill="#ffffff"/>'
            '<path d="M0,-3.8L2.8,2.2L-2.8,2.2Z" fill="#2f8a3e" stroke="#1b5a27" stroke-width="0.4"/>'
            '<path d="M-0.5,2.2L0.5,2.2L0.5,3.4L-0.5,3.4Z" fill="#6b4225"/>'
            '<g fill="#ffffff" stroke="#9cc0e4" stroke-width="0.25">' + "".join(dots) + "</g>"
            f'<circle r="8" fill="{fig.use("gl")}" stroke="#5d87b5" stroke-width="0.8"/>'
            '<path d="M-5.4,-3.2Q-4.6,-6 -1.6,-6.6" stroke="#ffffff" stroke-width="1.3" fill="none" '
            'stroke-linecap="round" opacity="0.9"/></g>')


def shiver(x, y, side):
    """Two little wobble marks beside the body."""
    d = "".join(f"M{n(x + side * i * 3.2)},{n(y - 5 + i * 1.5)}q{n(side * 1.6)},{n(2.5 - i * 0.7)} 0,{n(5 - i * 1.5)}"
                for i in range(2))
    return (f'<path d="{d}" fill="none" stroke="#ffffff" stroke-width="2.6"/>'
            f'<path d="{d}" fill="none" stroke="#5f8fc4" stroke-width="1.2"/>')


def draw_fx(fig, item):
    k = item["kind"]
    if k == "shiver":
        return shiver(item["x"], item["y"], item["side"])
    if k == "flake":
        return flake(item["x"], item["y"], item.get("size", 2.5), item.get("rot", 0.0), item.get("op", 1.0))
    if k == "sparkle":
        return sparkle(item["x"], item["y"], item.get("size", 3.0), item.get("op", 1.0),
                       item.get("color", "#fff7c9"), item.get("edge", "#e0a82e"))
    if k == "note":
        return note(item["x"], item["y"], item.get("size", 10), item.get("op", 1.0), item.get("rot", -10.0))
    if k == "question":
        return question(item["x"], item["y"], item.get("size", 10), item.get("op", 1.0), item.get("rot", 0.0))
    if k == "exclaim":
        return exclaim(item["x"], item["y"], item.get("size", 10), item.get("op", 1.0), item.get("rot", 0.0))
    if k == "puff":
        return puff(item["x"], item["y"], item.get("size", 4), item.get("op", 1.0))
    if k == "pile":
        return pile(fig, item["amount"])
    if k == "globe":
        return globe(fig, item)
    if k == "noseflake":
        x, y = fig.nose_tip()
        return flake(x + item.get("dx", 0.0), y - 2.2 + item.get("dy", 0.0), item.get("size", 2.4),
                     item.get("rot", 0.0), item.get("op", 1.0))
    raise ValueError(f"unknown effect {k}")
