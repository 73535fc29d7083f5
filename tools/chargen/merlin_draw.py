"""Drawing Merlin: a pose (a dict of parameters) becomes the SVG body of one frame.

The wizard is a bell-shaped robe with golden trim and little slippers peeking out under the hem,
a round friendly face with bushy brows, a rosy nose and cheeks, a long white beard with a
moustache, a tall pointed hat with stars and a moon, two sleeved arms, and a wand with a star on
its tip in the hand on the right of the screen.  Everything is placed from a few numbers so that
poses can be blended frame by frame.

Coordinates are frame pixels (128 x 128, y down).  Light comes from the upper left.
"""

import math
from svgmath import M, compact, n, pts  # noqa: F401

W = H = 128
GROUND = 124.0
CX = 64.0
HEAD = (64.0, 50.0)            # the head's centre at rest
NECK = 60.0                    # where the robe's collar sits
HEM = 121.0                    # the robe's hem
L1, L2 = 13.0, 12.5            # upper arm and forearm
SHOULDER = (13.0, 67.0)        # shoulder: distance from the middle and height
WAND = 24.0                    # wand length from the grip to the star
HAT_H = 31.0                   # the hat's cone from the brim to the tip

OUTLINE = "#1d1440"
GOLD = "#f6c945"
GOLD_EDGE = "#9a6a12"

# The rest pose; every pose is this dict with some values changed.
REST = dict(
    dx=0.0, dy=0.0, lean=0.0, squash=1.0,
    tilt=0.0, turn=0.0, pitch=0.0, head_dy=0.0,
    gaze_x=0.0, gaze_y=0.0,
    lid=0.0, happy=0.0, wide=0.0,
    brow=0.0, brow_t=0.0, brow_l=0.0, brow_r=0.0,
    mouth=0.5, mouth_o=0.0, cheeks=0.8,
    hat_tilt=0.0, hat_lift=0.0, hat_bend=0.0, hat_dx=0.0,
    beard=0.0, hem=0.0,
    la=-74.0, lb=-4.0, ra=-62.0, rb=44.0,
    lh="open", rh="fist", lf=False, rf=False,
    wand=58.0, glow=0.0, wand_on=1.0,
    step=0.0, lift_l=0.0, lift_r=0.0,
    back=False, vis=1.0,
)
DISCRETE = {"lh", "rh", "lf", "rf", "back"}


def star_path(x, y, r, rot=0.0, inner=0.45):
    """A five-pointed star."""
    p = []
    for i in range(10):
        a = math.radians(rot - 90 + i * 36)
        rr = r if i % 2 == 0 else r * inner
        p.append((x + math.cos(a) * rr, y + math.sin(a) * rr))
    return f"M{pts(p)}Z"


def moon_path(x, y, r, rot=0.0):
    """A crescent moon opening to the right (before `rot`)."""
    a = math.radians(rot)
    c, s = math.cos(a), math.sin(a)

    def q(u, v):
        return (x + u * c - v * s, y + u * s + v * c)

    top, bot = q(0.35 * r, -0.94 * r), q(0.35 * r, 0.94 * r)
    return (f"M{pts([top])}A{n(r)} {n(r)} 0 1 0 {pts([bot])}"
            f"A{n(r * 0.78)} {n(r * 0.78)} 0 1 1 {pts([top])}Z")


def arm_dir(side, deg):
    """Screen direction of an arm part at `deg` (0 = straight out from the body, + = up)."""
    a = math.radians(deg)
    return (side * math.cos(a), -math.sin(a))


def dir_deg(side, vx, vy):
    return math.degrees(math.atan2(-vy, side * vx))


def shoulder(side):
    return (CX + side * SHOULDER[0], SHOULDER[1])


def ik(side, target, elbow="down", pose=REST):
    """Arm angles (upper, bend) that put the hand on `target` (figure coordinates).

    `elbow` picks which of the two solutions: the elbow "down", "up" or "out" (away from the body).
    """
    sx, sy = shoulder(side)
    tx, ty = target
    dx, dy = tx - sx, ty - sy
    d = math.hypot(dx, dy)
    d = min(L1 + L2 - 0.05, max(abs(L1 - L2) + 0.05, d))
    phi = math.atan2(dy, dx)
    alpha = math.acos((L1 * L1 + d * d - L2 * L2) / (2 * L1 * d))
    cands = [phi + alpha, phi - alpha]
    ex = [(sx + L1 * math.cos(p), sy + L1 * math.sin(p)) for p in cands]
    score = {"down": lambda e: e[1], "up": lambda e: -e[1], "out": lambda e: side * e[0]}[elbow]
    pick = max(range(2), key=lambda i: score(ex[i]))
    p = cands[pick]
    e = ex[pick]
    hx, hy = sx + d * math.cos(phi), sy + d * math.sin(phi)
    a_up = dir_deg(side, math.cos(p), math.sin(p))
    a_fo = dir_deg(side, hx - e[0], hy - e[1])
    bend = (a_fo - a_up + 180) % 360 - 180
    return a_up, bend


def wavy(points, bulge, first=True):
    """A path through `points` whose every segment bows outwards (to the left of travel) by bulge."""
    out = [f"M{pts([points[0]])}"] if first else []
    for (x0, y0), (x1, y1) in zip(points, points[1:]):
        dx, dy = x1 - x0, y1 - y0
        ln = math.hypot(dx, dy) or 1
        b = bulge * min(1.0, ln / 6)
        c = ((x0 + x1) / 2 + dy / ln * b, (y0 + y1) / 2 - dx / ln * b)
        out.append(f"Q{pts([c, (x1, y1)])}")
    return "".join(out)


GRADIENTS = {
    "hat": '<linearGradient id="hat" x1="0" y1="0" x2="1" y2="0">'
           '<stop offset="0" stop-color="#4d6fe0"/><stop offset="0.35" stop-color="#2c44b0"/>'
           '<stop offset="1" stop-color="#17206a"/></linearGradient>',
    "brim": '<linearGradient id="brim" x1="0" y1="0" x2="0" y2="1">'
            '<stop offset="0" stop-color="#3a55c4"/><stop offset="1" stop-color="#141c5a"/></linearGradient>',
    "robe": '<linearGradient id="robe" x1="0" y1="0" x2="1" y2="0">'
            '<stop offset="0" stop-color="#7b55d0"/><stop offset="0.4" stop-color="#5332a6"/>'
            '<stop offset="1" stop-color="#2c1a68"/></linearGradient>',
    "sleeve": '<linearGradient id="sleeve" x1="0" y1="0" x2="0" y2="1">'
              '<stop offset="0" stop-color="#6c48c4"/><stop offset="1" stop-color="#3b2386"/></linearGradient>',
    "gold": '<linearGradient id="gold" x1="0" y1="0" x2="0" y2="1">'
            '<stop offset="0" stop-color="#fff0a0"/><stop offset="0.5" stop-color="#f6c945"/>'
            '<stop offset="1" stop-color="#c8901c"/></linearGradient>',
    "skin": '<radialGradient id="skin" cx="0.42" cy="0.38" r="0.62">'
            '<stop offset="0" stop-color="#ffe6d6"/><stop offset="0.7" stop-color="#f6cdb5"/>'
            '<stop offset="1" stop-color="#e6a98e"/></radialGradient>',
    "nose": '<radialGradient id="nose" cx="0.38" cy="0.35" r="0.65">'
            '<stop offset="0" stop-color="#ffc6b4"/><stop offset="0.6" stop-color="#f2998a"/>'
            '<stop offset="1" stop-color="#d9716a"/></radialGradient>',
    "beard": '<linearGradient id="beard" x1="0" y1="0" x2="0" y2="1">'
             '<stop offset="0" stop-color="#ffffff"/><stop offset="0.3" stop-color="#f7f6f2"/>'
             '<stop offset="1" stop-color="#d3d8e6"/></linearGradient>',
    "hair": '<linearGradient id="hair" x1="0" y1="0" x2="1" y2="0">'
            '<stop offset="0" stop-color="#ffffff"/><stop offset="1" stop-color="#d6dae6"/></linearGradient>',
    "cheek": '<radialGradient id="cheek" cx="0.5" cy="0.5" r="0.5">'
             '<stop offset="0" stop-color="#ff7f8a" stop-opacity="0.85"/>'
             '<stop offset="1" stop-color="#ff7f8a" stop-opacity="0"/></radialGradient>',
    "shadow": '<radialGradient id="shadow" cx="0.5" cy="0.5" r="0.5">'
              '<stop offset="0" stop-color="#10183a" stop-opacity="0.45"/>'
              '<stop offset="0.7" stop-color="#10183a" stop-opacity="0.2"/>'
              '<stop offset="1" stop-color="#10183a" stop-opacity="0"/></radialGradient>',
    "halo": '<radialGradient id="halo" cx="0.5" cy="0.5" r="0.5">'
            '<stop offset="0" stop-color="#fffbe0" stop-opacity="0.95"/>'
            '<stop offset="0.35" stop-color="#ffe27a" stop-opacity="0.55"/>'
            '<stop offset="1" stop-color="#ffd24a" stop-opacity="0"/></radialGradient>',
    "shoe": '<linearGradient id="shoe" x1="0" y1="0" x2="0" y2="1">'
            '<stop offset="0" stop-color="#8a5fd6"/><stop offset="1" stop-color="#3d2380"/></linearGradient>',
    "orb": '<radialGradient id="orb" cx="0.4" cy="0.35" r="0.65" fx="0.35" fy="0.3">'
           '<stop offset="0" stop-color="#ffffff" stop-opacity="0.95"/>'
           '<stop offset="0.3" stop-color="#c9f2ff" stop-opacity="0.85"/>'
           '<stop offset="0.75" stop-color="#6fb4f0" stop-opacity="0.8"/>'
           '<stop offset="1" stop-color="#3a4fc0" stop-opacity="0.9"/></radialGradient>',
    "orbglow": '<radialGradient id="orbglow" cx="0.5" cy="0.5" r="0.5">'
               '<stop offset="0" stop-color="#bff0ff" stop-opacity="0.8"/>'
               '<stop offset="1" stop-color="#7fd8ff" stop-opacity="0"/></radialGradient>',
    "puff": '<radialGradient id="puff" cx="0.45" cy="0.4" r="0.6">'
            '<stop offset="0" stop-color="#ffffff"/><stop offset="0.6" stop-color="#efe6ff"/>'
            '<stop offset="1" stop-color="#b9a6ea"/></radialGradient>',
}


class Figure:
    def __init__(self, pose, fx=()):
        self.p = dict(REST)
        self.p.update(pose)
        self.fx = list(fx)
        p = self.p
        sx = 1 + (1 - p["squash"]) * 0.6
        self.mfig = M.t(p["dx"], p["dy"]) * M.r(p["lean"], CX, GROUND) * M.s(sx, p["squash"], CX, GROUND)
        self.mhead = (M.t(HEAD[0] + p["turn"] * 1.2, HEAD[1] + p["head_dy"])
                      * M.r(p["tilt"], 0, 10))
        self.arms = {s: self.arm_points(s) for s in (-1, 1)}
        self.used = set()
        self.hat_m = None

    # ----- geometry ---------------------------------------------------------------------------
    def face(self):
        p = self.p
        return dict(fx=p["turn"] * 4.0, fy=p["pitch"], t=p["turn"])

    def mouth_local(self):
        f = self.face()
        return (f["fx"] * 0.9, 10.2 + f["fy"] * 0.8)

    def mouth_point(self):
        """Where the lip-sync mouth goes on this frame, or None when the face is not frontal."""
        p = self.p
        if (p["back"] or p["vis"] < 1 or abs(p["tilt"]) > 7 or abs(p["turn"]) > 0.45
                or p["mouth_o"] > 0.05 or abs(p["lean"]) > 6 or abs(p["squash"] - 1) > 0.05
                or abs(p["pitch"]) > 2.5):
            return None
        x, y = (self.mfig * self.mhead).apply(*self.mouth_local())
        return [round(x), round(y)]

    def arm_points(self, side):
        p = self.p
        key = "r" if side > 0 else "l"
        a, bend = p[key + "a"], p[key + "b"]
        sh = shoulder(side)
        u = arm_dir(side, a)
        el = (sh[0] + u[0] * L1, sh[1] + u[1] * L1)
        v = arm_dir(side, a + bend)
        hand = (el[0] + v[0] * L2, el[1] + v[1] * L2)
        return dict(sh=sh, el=el, hand=hand, u=u, v=v, a=a, bend=bend)

    def hand_frame(self, side):
        return self.mfig.apply(*self.arms[side]["hand"])

    def wand_tip(self):
        hx, hy = self.arms[1]["hand"]
        d = arm_dir(1, self.p["wand"])
        return self.mfig.apply(hx + d[0] * WAND, hy + d[1] * WAND)

    def outside(self):
        """Parts of the figure that leave the frame."""
        out = []
        if self.hat_m is not None and self.p["vis"] >= 0.99:
            for x, y in ((self.tip_x(), -HAT_H), (-19, 0), (19, 0)):
                fx, fy = (self.mfig * self.hat_m).apply(x, y)
                if not (1 <= fx <= W - 1 and 1 <= fy):
                    out.append(f"the hat at ({fx:.1f}, {fy:.1f})")
        for side in (-1, 1):
            fx, fy = self.hand_frame(side)
            if not (4 <= fx <= W - 4 and 4 <= fy <= GROUND):
                out.append(f"a hand at ({fx:.1f}, {fy:.1f})")
        if self.p["wand_on"] > 0.5:
            fx, fy = self.wand_tip()
            if not (3 <= fx <= W - 3 and 3 <= fy <= GROUND):
                out.append(f"the wand's star at ({fx:.1f}, {fy:.1f})")
        return out

    def use(self, gid):
        self.used.add(gid)
        return f"url(#{gid})"

    def defs(self):
        return "<defs>" + "".join(GRADIENTS[k] for k in sorted(self.used)) + "</defs>"

    # ----- the body ---------------------------------------------------------------------------
    def robe(self):
        p = self.p
        h = p["hem"]
        back = p["back"]
        # collar, shoulders, flaring sides and a softly scalloped hem
        lsh, rsh = (CX - 14.5, 64.5), (CX + 14.5, 64.5)
        lhem, rhem = (CX - 26 + h, HEM), (CX + 26 + h, HEM)
        d = (f"M{n(CX - 8)},{n(NECK)}Q{n(CX - 13)},{n(NECK + 1)} {pts([lsh])}"
             f"Q{n(CX - 19 + h * 0.3)},{n(90)} {pts([lhem])}"
             f"Q{n(CX - 13 + h)},{n(HEM + 2.6)} {n(CX + h)},{n(HEM + 1.2)}"
             f"Q{n(CX + 13 + h)},{n(HEM + 2.6)} {pts([rhem])}"
             f"Q{n(CX + 19 + h * 0.3)},{n(90)} {pts([rsh])}"
             f"Q{n(CX + 13)},{n(NECK + 1)} {n(CX + 8)},{n(NECK)}Z")
        out = [f'<path d="{d}" fill="{self.use("robe")}" stroke="{OUTLINE}" stroke-width="1.2"/>']
        # folds
        folds = (f"M{n(CX - 9)},{n(80)}Q{n(CX - 12 + h * 0.5)},{n(100)} {n(CX - 14 + h)},{n(HEM)}"
                 f"M{n(CX + 10)},{n(82)}Q{n(CX + 13 + h * 0.5)},{n(102)} {n(CX + 15 + h)},{n(HEM)}")
        out.append(f'<path d="{folds}" fill="none" stroke="#2a175e" stroke-width="0.9" opacity="0.7"/>')
        out.append(f'<path d="M{n(CX - 16)},{n(70)}Q{n(CX - 20 + h * 0.3)},{n(95)} {n(CX - 22.5 + h)},{n(HEM - 2)}" '
                   'fill="none" stroke="#a58be8" stroke-width="1" opacity="0.55"/>')
        # golden hem band
        band = (f"M{n(lhem[0] + 0.4)},{n(HEM - 3.4)}Q{n(CX - 13 + h)},{n(HEM - 0.9)} {n(CX + h)},{n(HEM - 2.2)}"
                f"Q{n(CX + 13 + h)},{n(HEM - 0.9)} {n(rhem[0] - 0.4)},{n(HEM - 3.4)}"
                f"L{pts([rhem])}Q{n(CX + 13 + h)},{n(HEM + 2.6)} {n(CX + h)},{n(HEM + 1.2)}"
                f"Q{n(CX - 13 + h)},{n(HEM + 2.6)} {pts([lhem])}Z")
        out.append(f'<path d="{band}" fill="{self.use("gold")}" stroke="{GOLD_EDGE}" stroke-width="0.6"/>')
        if not back:
            # the front opening with its trim, running down from under the beard
            fr = (f"M{n(CX - 1.8)},{n(88)}L{n(CX + 1.8)},{n(88)}L{n(CX + 2.6 + h * 0.9)},{n(HEM - 2.4)}"
                  f"L{n(CX - 2.6 + h * 0.9)},{n(HEM - 2.4)}Z")
            out.append(f'<path d="{fr}" fill="{self.use("gold")}" stroke="{GOLD_EDGE}" stroke-width="0.6"/>')
        # a few golden stars on the cloth
        stars = [(-14, 104, 2.2, 10), (15, 98, 1.9, -8), (-8, 112, 1.4, 20), (10, 113, 1.6, 0)]
        if back:
            stars += [(0, 100, 2.4, 5)]
        sd = "".join(star_path(CX + x + h * (y - 70) / 51, y, r, rot) for x, y, r, rot in stars)
        out.append(f'<path d="{sd}" fill="{GOLD}" stroke="{GOLD_EDGE}" stroke-width="0.4"/>')
        return "".join(out)

    def feet(self):
        p = self.p
        out = []
        t = p["turn"]
        for side in (-1, 1):
            lift = p["lift_l"] if side < 0 else p["lift_r"]
            x = CX + side * 9 + p["hem"] * 0.6 + t * 4
            y = GROUND - 1.6 - lift
            dirn = 1 if t > 0.25 else (-1 if t < -0.25 else side)
            if p["back"]:
                d = (f"M{n(x - 5)},{n(y)}Q{n(x - 5)},{n(y - 4)} {n(x)},{n(y - 4)}"
                     f"Q{n(x + 5)},{n(y - 4)} {n(x + 5)},{n(y)}Q{n(x)},{n(y + 1.8)} {n(x - 5)},{n(y)}Z")
            else:
                tip = (x + dirn * 9, y - 3.4)
                d = (f"M{n(x - dirn * 4.5)},{n(y + 0.4)}Q{n(x - dirn * 5)},{n(y - 4.4)} {n(x)},{n(y - 4.2)}"
                     f"Q{n(x + dirn * 5)},{n(y - 3.8)} {n(x + dirn * 7.4)},{n(y - 1.2)}"
                     f"Q{n(tip[0] + dirn * 0.4)},{n(tip[1] - 1.8)} {n(tip[0] - dirn * 1.2)},{n(tip[1] - 1.0)}"
                     f"Q{n(x + dirn * 8.6)},{n(y + 1)} {n(x + dirn * 2)},{n(y + 1.2)}Z")
            out.append(f'<path d="{d}" fill="{self.use("shoe")}" stroke="{OUTLINE}" stroke-width="0.9"/>')
        return "".join(out)

    def arm(self, side):
        p = self.p
        key = "r" if side > 0 else "l"
        a = self.arms[side]
        sh, el, hand, v = a["sh"], a["el"], a["hand"], a["v"]
        # the sleeve runs to a little before the hand and flares into a bell cuff there
        cuff = (hand[0] - v[0] * 3.2, hand[1] - v[1] * 3.2)
        line = f"M{pts([sh])}L{pts([el, cuff])}"
        out = [f'<path d="{line}" fill="none" stroke="{OUTLINE}" stroke-width="9"/>',
               f'<path d="{line}" fill="none" stroke="{self.use("sleeve")}" stroke-width="7.2"/>']
        nx, ny = -v[1], v[0]
        base = (cuff[0] - v[0] * 5.0, cuff[1] - v[1] * 5.0)
        wb, wc = 3.6, 6.0
        bell = [(base[0] + nx * wb, base[1] + ny * wb), (cuff[0] + nx * wc, cuff[1] + ny * wc),
                (cuff[0] - nx * wc, cuff[1] - ny * wc), (base[0] - nx * wb, base[1] - ny * wb)]
        bc = (cuff[0] + v[0] * 1.6, cuff[1] + v[1] * 1.6)
        out.append(f'<path d="M{pts(bell[:2])}Q{pts([bc, bell[2]])}L{pts([bell[3]])}Z" '
                   f'fill="{self.use("sleeve")}" stroke="{OUTLINE}" stroke-width="0.9"/>')
        t0 = [(cuff[0] - v[0] * 1.6 + nx * wc * 0.93, cuff[1] - v[1] * 1.6 + ny * wc * 0.93),
              (cuff[0] + nx * wc, cuff[1] + ny * wc)]
        t1 = [(cuff[0] - nx * wc, cuff[1] - ny * wc),
              (cuff[0] - v[0] * 1.6 - nx * wc * 0.93, cuff[1] - v[1] * 1.6 - ny * wc * 0.93)]
        out.append(f'<path d="M{pts(t0)}Q{pts([bc, t1[0]])}L{pts([t1[1]])}'
                   f'Q{n(cuff[0] - v[0] * 0.2)},{n(cuff[1] - v[1] * 0.2)} {pts([t0[0]])}Z" '
                   f'fill="{self.use("gold")}" stroke="{GOLD_EDGE}" stroke-width="0.5"/>')
        if side > 0 and p["wand_on"] > 0.02:
            out.append(self.wand_svg())
        out.append(self.hand(side, hand, v, p[key + "h"]))
        return "".join(out)

    def hand(self, side, c, v, kind):
        out = []
        skin = self.use("skin")
        st = f'stroke="#8a5540" stroke-width="0.8"'
        x, y = c
        ang = math.degrees(math.atan2(v[1], v[0]))
        if kind == "point":
            tip = (x + v[0] * 7.5, y + v[1] * 7.5)
            out.append(f'<path d="M{pts([c, tip])}" stroke="#8a5540" stroke-width="3.2" fill="none"/>'
                       f'<path d="M{pts([c, tip])}" stroke="#f6cdb5" stroke-width="1.8" fill="none"/>')
            out.append(f'<circle cx="{n(x)}" cy="{n(y)}" r="3.2" fill="{skin}" {st}/>')
        elif kind == "open":
            m = M.t(x, y) * M.r(ang)
            th = -side if abs(ang) < 90 else side
            out.append(f'<g transform="{m.svg()}">'
                       f'<path d="M-1.8,-3Q1.6,-3.8 4.2,-3.1Q6.9,-2.8 6.7,-1.5Q7.4,-0.5 6.9,0.4Q7.4,1.4 6.6,2.2'
                       f'Q6.4,3.3 4.2,3.1Q1.6,3.8 -1.8,3Q-3.2,0 -1.8,-3Z" fill="{skin}" {st}/>'
                       '<path d="M4.3,-1.5L6.2,-1.4M4.4,0.4L6.4,0.4M4.2,2.1L5.9,2.1" stroke="#c98e74" '
                       'stroke-width="0.55" fill="none"/>'
                       f'<path d="M0.6,{n(-2.6 * th)}Q2.2,{n(-5.4 * th)} 4,{n(-4.6 * th)}" '
                       f'stroke="#8a5540" stroke-width="2.6" fill="none"/>'
                       f'<path d="M0.6,{n(-2.6 * th)}Q2.2,{n(-5.4 * th)} 4,{n(-4.6 * th)}" '
                       f'stroke="#f6cdb5" stroke-width="1.2" fill="none"/></g>')
        else:
            out.append(f'<circle cx="{n(x)}" cy="{n(y)}" r="3.3" fill="{skin}" {st}/>')
            nx, ny = -v[1], v[0]
            out.append(f'<path d="M{n(x + v[0] * 1.2 + nx * 2)},{n(y + v[1] * 1.2 + ny * 2)}'
                       f'Q{n(x + v[0] * 2.4)},{n(y + v[1] * 2.4)} {n(x + v[0] * 1.2 - nx * 2)},'
                       f'{n(y + v[1] * 1.2 - ny * 2)}" stroke="#c98e74" stroke-width="0.6" fill="none"/>')
        return "".join(out)

    def wand_svg(self):
        p = self.p
        hx, hy = self.arms[1]["hand"]
        d = arm_dir(1, p["wand"])
        a = (hx - d[0] * 4, hy - d[1] * 4)
        b = (hx + d[0] * (WAND - 3), hy + d[1] * (WAND - 3))
        tip = (hx + d[0] * WAND, hy + d[1] * WAND)
        op = p["wand_on"]
        out = [f'<g' + (f' opacity="{n(op)}"' if op < 0.99 else "") + ">"]
        if p["glow"] > 0.02:
            r = 7 + 6 * p["glow"]
            out.append(f'<circle cx="{n(tip[0])}" cy="{n(tip[1])}" r="{n(r)}" fill="{self.use("halo")}"'
                       + (f' opacity="{n(min(1.0, p["glow"]))}"' if p["glow"] < 0.99 else "") + "/>")
        out.append(f'<path d="M{pts([a, b])}" stroke="#2a160a" stroke-width="2.8" fill="none"/>'
                   f'<path d="M{pts([a, b])}" stroke="#7a4a22" stroke-width="1.7" fill="none"/>'
                   f'<path d="M{pts([(a[0] + d[0] * 6, a[1] + d[1] * 6), b])}" stroke="#c08a52" '
                   f'stroke-width="0.6" fill="none" transform="translate(-0.4,-0.3)"/>')
        rot = p["wand"] * 0.4
        out.append(f'<path d="{star_path(tip[0], tip[1], 4.6, rot)}" fill="{self.use("gold")}" '
                   f'stroke="{GOLD_EDGE}" stroke-width="0.8"/>')
        out.append(f'<circle cx="{n(tip[0] - 0.8)}" cy="{n(tip[1] - 0.9)}" r="0.9" fill="#ffffff" opacity="0.85"/>')
        out.append("</g>")
        return "".join(out)

    # ----- the head ---------------------------------------------------------------------------
    def hair(self):
        """White hair falling from under the hat at both sides of the face."""
        out = []
        t = self.face()["t"]
        for s in (-1, 1):
            k = 1 - 0.25 * max(0.0, s * -t)
            x0 = s * 9.0 + t * 1.5
            pl = [(x0, -8.5), (x0 + s * 4.2 * k, -6), (x0 + s * 4.8 * k, -1), (x0 + s * 4.6 * k, 4),
                  (x0 + s * 2.4 * k, 7), (x0 - s * 0.5, 3)]
            d = wavy(pl, 1.2 * s * -1 if s > 0 else 1.2) + "Z"
            out.append(f'<path d="{d}" fill="{self.use("hair")}" stroke="#8d95ad" stroke-width="0.8"/>')
        return "".join(out)

    def beard_shape(self):
        p = self.p
        f = self.face()
        sw = p["beard"]
        t = f["t"]
        fy = f["fy"] * 0.6
        # left side going down, the tip, the right side going up (mirrored)
        left = [(-10.2, 0.5), (-13, 7.5), (-15.6, 16), (-16.4, 25), (-14.6, 33.5), (-10, 40.5)]
        tip = (sw * 4 + t * 3 + 1.2, 47.5)
        right = [(-x, y) for x, y in reversed(left)]

        def shift(pt):
            x, y = pt
            k = max(0.0, y) / 47
            return (x + sw * 3.2 * k * k + t * (2.4 - 0.6 * abs(x) / 14) , y + fy * (1 - k))

        lp = [shift(q) for q in left]
        rp = [shift(q) for q in right]
        d = wavy(lp, 2.2)
        d += f"Q{n(lp[-1][0] + 2)},{n(lp[-1][1] + 5.5)} {pts([tip])}"
        d += f"Q{n(tip[0] + 2.2)},{n(tip[1] - 1.6)} {n(tip[0] + 1.4)},{n(tip[1] - 3.6)}"
        d += f"Q{n(rp[0][0] - 1)},{n(rp[0][1] + 2)} {pts([rp[0]])}"
        d += wavy(rp, 2.2, first=False)
        # along the top: under the cheeks, up to the moustache
        top = f"Q{n(10 + t * 4)},{n(7 + fy)} {n(4 + t * 4)},{n(8.4 + fy)}L{n(-4 + t * 4)},{n(8.4 + fy)}" \
              f"Q{n(-10 + t * 4)},{n(7 + fy)} {pts([lp[0]])}Z"
        return d + top, lp, rp, tip

    def beard(self):
        d, lp, rp, tip = self.beard_shape()
        t = self.face()["t"]
        sw = self.p["beard"]
        out = [f'<path d="{d}" fill="{self.use("beard")}" stroke="#7f88a3" stroke-width="0.9"/>']
        # a soft shade down the side away from the light
        shade = wavy([(rp[-3][0] - 3, rp[-3][1]), (rp[1][0] - 3.5, rp[1][1]), (tip[0] + 2, tip[1] - 4)], 1.2)
        shade += f"Q{pts([(rp[0][0] + 1, rp[0][1] + 2), rp[0]])}" + wavy(rp[:-2], 2.2, first=False) + "Z"
        out.append(f'<path d="{shade}" fill="#aab3cc" opacity="0.35"/>')
        strands = []
        for x0, y0, x1, y1, bend in ((-6, 13, -8, 35, -2.4), (0, 14, 0.6, 42, 1.6), (6.5, 13, 7.6, 35, 2.4),
                                      (-11.5, 11, -12, 26, -2), (11.5, 11, 12, 26, 2),
                                      (-3.2, 24, -4.6, 43, -1.4), (3.8, 23, 3.6, 42, 1.2),
                                      (-9, 28, -7.5, 39, -1.5), (9.5, 28, 7.6, 39, 1.5)):
            k0, k1 = y0 / 47, y1 / 47
            a = (x0 + sw * 3.2 * k0 * k0 + t * 2.4, y0)
            b = (x1 + sw * 3.2 * k1 * k1 + t * 2.4, y1)
            c = ((a[0] + b[0]) / 2 + bend, (a[1] + b[1]) / 2)
            strands.append(f"M{pts([a])}Q{pts([c, b])}")
        out.append(f'<path d="{"".join(strands)}" fill="none" stroke="#a7afc4" stroke-width="0.8"/>')
        return "".join(out)

    def moustache(self):
        f = self.face()
        cx, cy = f["fx"] * 1.0, 6.6 + f["fy"]
        sad = max(0.0, -self.p["mouth"])
        droop = 1.2 * sad
        out = []
        d = ""
        for s in (-1, 1):
            k = 1 - 0.3 * max(0.0, s * -f["t"])
            e = (cx + s * 10.5 * k, cy + 2.6 + droop)
            d += (f"M{n(cx)},{n(cy - 1.6)}Q{n(cx + s * 4.5 * k)},{n(cy - 3.4)} {n(cx + s * 8.6 * k)},{n(cy - 0.6 + droop * 0.5)}"
                  f"Q{n(e[0] + s * 1.4)},{n(e[1] - 1.8)} {pts([e])}"
                  f"Q{n(cx + s * 7.6 * k)},{n(cy + 2.4 + droop)} {n(cx + s * 4 * k)},{n(cy + 2.2)}"
                  f"Q{n(cx + s * 1.5)},{n(cy + 2.2)} {n(cx)},{n(cy + 0.8)}Z")
        out.append(f'<path d="{d}" fill="#ffffff" stroke="#7f88a3" stroke-width="0.85"/>')
        out.append(f'<path d="M{n(cx - 2.4)},{n(cy + 0.2)}Q{n(cx - 6)},{n(cy - 1)} {n(cx - 8)},{n(cy + 1.2)}'
                   f'M{n(cx + 2.4)},{n(cy + 0.2)}Q{n(cx + 6)},{n(cy - 1)} {n(cx + 8)},{n(cy + 1.2)}" '
                   'fill="none" stroke="#c3c9d6" stroke-width="0.6"/>')
        return "".join(out)

    def mouth(self):
        p = self.p
        mx, my = self.mouth_local()
        if p["mouth_o"] > 0.05:
            o = p["mouth_o"]
            return (f'<ellipse cx="{n(mx)}" cy="{n(my + 0.6 * o)}" rx="{n(1.8 + 1.2 * o)}" ry="{n(1.4 + 2.2 * o)}" '
                    f'fill="#5a1f2a" stroke="#3a1018" stroke-width="0.7"/>'
                    f'<ellipse cx="{n(mx)}" cy="{n(my + 1.6 * o + 0.4)}" rx="{n(1.1 + 0.7 * o)}" '
                    f'ry="{n(0.5 + 0.6 * o)}" fill="#e0707c"/>')
        return mouth_curve(mx, my, p["mouth"])

    def eye(self, side, cx, cy, sxk):
        p = self.p
        dark = "#2a1c2e"
        wide = 1 + 0.3 * p["wide"]
        rx, ry = 1.9 * wide * sxk, 2.4 * wide
        if p["happy"] >= 0.5:
            return (f'<path d="M{n(cx - rx * 1.6)},{n(cy + 0.9)}Q{n(cx)},{n(cy - ry * 1.5)} '
                    f'{n(cx + rx * 1.6)},{n(cy + 0.9)}" fill="none" stroke="{dark}" stroke-width="1.3"/>')
        lid = p["lid"]
        if lid >= 0.85:
            return (f'<path d="M{n(cx - rx * 1.6)},{n(cy + 0.2)}Q{n(cx)},{n(cy + ry * 1.0)} '
                    f'{n(cx + rx * 1.6)},{n(cy + 0.2)}" fill="none" stroke="{dark}" stroke-width="1.1"/>')
        gx, gy = p["gaze_x"] * 0.7, p["gaze_y"] * 0.7
        out = []
        if lid > 0.05:
            # the upper lid comes down over the eye as skin
            ry2 = ry * (1 - lid * 0.75)
            out.append(f'<ellipse cx="{n(cx + gx * 0.5)}" cy="{n(cy + gy * 0.5 + ry * lid * 0.75)}" '
                       f'rx="{n(rx)}" ry="{n(ry2)}" fill="{dark}"/>')
            out.append(f'<path d="M{n(cx - rx * 1.4)},{n(cy - ry + ry * 1.5 * lid)}Q{n(cx)},{n(cy - ry * 1.3 + ry * 1.5 * lid)} '
                       f'{n(cx + rx * 1.4)},{n(cy - ry + ry * 1.5 * lid)}" fill="none" stroke="#9b6550" stroke-width="0.8"/>')
        else:
            out.append(f'<ellipse cx="{n(cx + gx * 0.5)}" cy="{n(cy + gy * 0.5)}" rx="{n(rx)}" ry="{n(ry)}" fill="{dark}"/>')
            out.append(f'<circle cx="{n(cx + gx * 0.5 - rx * 0.3)}" cy="{n(cy + gy * 0.5 - ry * 0.38)}" '
                       f'r="{n(0.8 * wide)}" fill="#ffffff"/>')
        if p["wide"] < 0.5:
            # the soft smiling lower lid that makes the eyes kind
            out.append(f'<path d="M{n(cx - rx * 1.3)},{n(cy + ry * 0.95)}Q{n(cx)},{n(cy + ry * 1.55)} '
                       f'{n(cx + rx * 1.3)},{n(cy + ry * 0.95)}" fill="none" stroke="#c47f68" stroke-width="0.6"/>')
        return "".join(out)

    def brows(self, spacing, ey):
        p = self.p
        f = self.face()
        out = []
        for s in (-1, 1):
            k = 1 - 0.25 * max(0.0, s * -f["t"])
            raise_ = p["brow"] + (p["brow_l"] if s < 0 else p["brow_r"]) + 0.8 * p["wide"]
            tilt = p["brow_t"]          # + = the inner ends up (worried, kind)
            ex = f["fx"] + s * spacing
            y = ey - 4.2 - raise_
            inner = (ex - s * 3.0 * k, y - tilt * 0.3 + 0.4)
            outer = (ex + s * 6.2 * k, y + 2.2 + tilt * 0.2)
            top_c = (ex + s * 0.8 * k, y - 4.4)
            # a bushy tuft: a soft upper edge, a ragged lower edge with wisps hanging at the outside
            d = (f"M{pts([inner])}Q{pts([top_c, (outer[0], outer[1] - 0.6)])}"
                 f"Q{n(outer[0] + s * 1.2 * k)},{n(outer[1] + 1.6)} {n(outer[0] - s * 0.2 * k)},{n(outer[1] + 2.4)}"
                 f"Q{n(ex + s * 4.4 * k)},{n(y + 1.6)} {n(ex + s * 3.6 * k)},{n(y + 2.6)}"
                 f"Q{n(ex + s * 2.6 * k)},{n(y + 0.9)} {n(ex + s * 1.2 * k)},{n(y + 1.9)}"
                 f"Q{n(ex - s * 0.4 * k)},{n(y + 0.6)} {n(ex - s * 1.6 * k)},{n(y + 1.4)}"
                 f"Q{n(ex - s * 2.8 * k)},{n(y + 1.6)} {pts([inner])}Z")
            out.append(d)
        return (f'<path d="{"".join(out)}" fill="{self.use("hair")}" stroke="#6f7895" stroke-width="0.8"/>')

    def head_svg(self):
        p = self.p
        f = self.face()
        t = f["t"]
        out = [f'<g transform="{self.mhead.svg()}">']
        if p["back"]:
            # the ends of the beard peek out on both sides, the long hair falls over the collar
            for side in (-1, 1):
                d = wavy([(side * 8, 6), (side * 14.5, 10), (side * 16, 19), (side * 14.5, 28), (side * 10, 33),
                          (side * 7, 22)], 2.0 * side * -1 if side > 0 else 2.0)
                out.append(f'<path d="{d}Z" fill="{self.use("beard")}" stroke="#7f88a3" stroke-width="0.9"/>')
            d = (wavy([(-9.5, -9), (-12.2, -2), (-12.6, 6), (-11, 12.5), (-6.5, 16.2), (0, 17.2)], 2.0)
                 + wavy([(0, 17.2), (6.5, 16.2), (11, 12.5), (12.6, 6), (12.2, -2), (9.5, -9)], 2.0, first=False))
            out.append(f'<path d="{d}Z" fill="{self.use("hair")}" stroke="#7f88a3" stroke-width="0.9"/>')
            out.append('<path d="M-7,-4Q-8.4,5 -6.2,13.6M-2.4,-4Q-3,6 -2,15.6M2.4,-4Q3,6 2,15.6M7,-4Q8.4,5 6.2,13.6" '
                       'fill="none" stroke="#b3bacb" stroke-width="0.7"/>')
            out.append("</g>")
            return "".join(out)
        out.append(self.hair())
        # ears peeking out of the hair
        out.append(f'<ellipse cx="{n(t * 4 - 10.2 * (1 - 0.2 * max(0, t)))}" cy="1" rx="2" ry="3" fill="{self.use("skin")}" '
                   'stroke="#8a5540" stroke-width="0.7"/>'
                   f'<ellipse cx="{n(t * 4 + 10.2 * (1 - 0.2 * max(0, -t)))}" cy="1" rx="2" ry="3" fill="{self.use("skin")}" '
                   'stroke="#8a5540" stroke-width="0.7"/>')
        out.append(f'<ellipse cx="{n(t * 1.2)}" rx="{n(10.2 - abs(t) * 0.8)}" ry="11.5" fill="{self.use("skin")}" '
                   'stroke="#8a5540" stroke-width="0.9"/>')
        spacing = 4.5 * (1 - 0.12 * abs(t))
        ey = -0.8 + f["fy"]
        if p["cheeks"] > 0.02:
            for s in (-1, 1):
                k = 1 - 0.35 * max(0.0, s * -t)
                out.append(f'<ellipse cx="{n(f["fx"] * 0.9 + s * 6.6 * k)}" cy="{n(3.8 + f["fy"])}" '
                           f'rx="{n(3.2 * k)}" ry="2.3" fill="{self.use("cheek")}" opacity="{n(p["cheeks"])}"/>')
        # smile crinkles at the outer corners of the eyes
        if p["happy"] > 0.2 or p["mouth"] > 0.7:
            cr = ""
            for s in (-1, 1):
                ex = f["fx"] + s * (spacing + 3.0)
                cr += f"M{n(ex)},{n(ey - 0.6)}l{n(s * 1.5)},-0.6M{n(ex)},{n(ey + 0.8)}l{n(s * 1.5)},0.5"
            out.append(f'<path d="{cr}" fill="none" stroke="#c47f68" stroke-width="0.6"/>')
        for s in (-1, 1):
            sxk = 1 - 0.2 * max(0.0, s * -t)
            out.append(self.eye(s, f["fx"] + s * spacing, ey, sxk))
        out.append(self.beard())
        out.append(self.mouth())
        out.append(self.moustache())
        # the round rosy nose
        nx, ny = f["fx"] * 1.15, 3.6 + f["fy"]
        out.append(f'<ellipse cx="{n(nx)}" cy="{n(ny)}" rx="3.1" ry="2.7" fill="{self.use("nose")}" '
                   'stroke="#a8574c" stroke-width="0.8"/>'
                   f'<circle cx="{n(nx - 1)}" cy="{n(ny - 1)}" r="0.8" fill="#ffffff" opacity="0.75"/>')
        out.append("</g>")
        self.brow_svg = (f'<g transform="{self.mhead.svg()}">' + self.brows(spacing, ey) + "</g>")
        return "".join(out)

    def tip_x(self):
        return 5.0 + self.p["hat_bend"] * 6.0

    def hat(self):
        p = self.p
        f = self.face()
        anchor = self.mhead.apply(f["t"] * 1.0 + p["hat_dx"], -12.0 - p["hat_lift"])
        m = M.t(*anchor) * M.r(p["tilt"] + p["hat_tilt"] - 3)
        self.hat_m = m
        bend = p["hat_bend"]
        tx = self.tip_x()
        h = HAT_H
        tip = (tx, -h)
        droop = (tx + 4.6 + bend * 1.5, -h + 3.8 + abs(bend) * 0.6)
        d = (f"M-12.6,-1.4C-11.6,{n(-h * 0.36)} -6,{n(-h * 0.73)} {pts([tip])}"
             f"Q{n(tx + 3.6)},{n(-h + 0.4)} {pts([droop])}"
             f"Q{n(tx + 1.6)},{n(-h + 5.8)} {n(tx + 0.4 + bend * 0.6)},{n(-h + 9)}"
             f"C{n(5.6 + bend)},{n(-h * 0.55)} 10,{n(-h * 0.3)} 12.6,-1.4Q0,2.4 -12.6,-1.4Z")
        out = [f'<g transform="{m.svg()}">']
        out.append('<ellipse cy="0.2" rx="19.5" ry="4.6" fill="#0d1240" opacity="0.35" transform="translate(0.6,1.2)"/>')
        out.append(f'<ellipse rx="19.5" ry="4.6" fill="{self.use("brim")}" stroke="{OUTLINE}" stroke-width="1"/>')
        out.append('<path d="M-17.4,-0.8Q0,-5 17.4,-0.8" fill="none" stroke="#6b86ee" stroke-width="0.7" opacity="0.8"/>')
        out.append(f'<path d="{d}" fill="{self.use("hat")}" stroke="{OUTLINE}" stroke-width="1.1"/>')
        # a soft highlight down the lit side
        out.append(f'<path d="M-8.6,-5C-8,-12 -4.6,-20 {n(tx - 2)},{n(-h + 4)}" fill="none" stroke="#7d98f4" '
                   'stroke-width="1.1" opacity="0.6"/>')
        # the golden band
        out.append(f'<path d="M-12.6,-1.4Q0,2.4 12.6,-1.4L12.1,-4.6Q0,-0.9 -12.1,-4.6Z" fill="{self.use("gold")}" '
                   f'stroke="{GOLD_EDGE}" stroke-width="0.6"/>')
        # stars and a moon that follow the bend of the cone
        def on(x, y):
            y = y * h / 33
            k = -y / h
            return (x + (tx - 5) * k * k, y)

        stars = [(-4.6, -10.5, 2.5, 8), (3.8, -16.5, 1.8, -12), (-0.6, -24.5, 1.4, 20), (6.4, -8.6, 1.3, 0)]
        sd = "".join(star_path(*on(x, y), r, rot) for x, y, r, rot in stars)
        out.append(f'<path d="{sd}" fill="{GOLD}" stroke="{GOLD_EDGE}" stroke-width="0.45"/>')
        mx, my = on(-1.5, -17.5)
        out.append(f'<path d="{moon_path(mx, my, 2.9, -30)}" fill="#fff1a8" stroke="{GOLD_EDGE}" stroke-width="0.5"/>')
        out.append(f'<circle cx="{n(droop[0] + 0.4)}" cy="{n(droop[1] + 0.6)}" r="1.5" fill="{GOLD}" '
                   f'stroke="{GOLD_EDGE}" stroke-width="0.5"/>')
        out.append("</g>")
        return "".join(out)

    def ground_shadow(self):
        p = self.p
        lift = max(0.0, -p["dy"])
        k = max(0.4, 1 - lift / 22)
        return (f'<ellipse cx="{n(CX + p["dx"] + p["lean"] * 0.2)}" cy="{n(GROUND - 0.6)}" rx="{n(32 * k)}" '
                f'ry="{n(4.6 * k)}" fill="{self.use("shadow")}"' +
                (f' opacity="{n(p["vis"])}"' if p["vis"] < 0.99 else "") + "/>")

    # ----- the whole frame --------------------------------------------------------------------
    def svg_body(self):
        from merlin_fx import draw_fx
        p = self.p
        layers = {"back": [], "mid": [], "top": [], "ground": []}
        for item in self.fx:
            layers[item.get("layer", "top")].append(draw_fx(self, item))
        fig = []
        back = p["back"]
        if back:
            # seen from behind: the hat and head first would hide nothing, so the beard is not drawn
            fig.append(self.feet())
            fig.append(self.robe())
            for s in (-1, 1):
                fig.append(self.arm(s))
            fig.append(self.head_svg())
            fig.append(self.hat())
        else:
            fig.append(self.feet())
            fig.append(self.robe())
            for s in (-1, 1):
                if not p["lf" if s < 0 else "rf"]:
                    fig.append(self.arm(s))
            fig.append(self.head_svg())
            fig.append(self.hat())
            fig.append(self.brow_svg)
            fig.extend(layers["mid"])
            for s in (-1, 1):
                if p["lf" if s < 0 else "rf"]:
                    fig.append(self.arm(s))
        m = self.mfig
        if p["vis"] < 0.999:
            m = m * M.s(0.55 + 0.45 * p["vis"], 0.55 + 0.45 * p["vis"], CX, 80)
        body = self.ground_shadow() + "".join(layers["ground"]) + "".join(layers["back"])
        inner = "".join(fig)
        attrs = ""
        if not m.identity():
            attrs += f' transform="{m.svg()}"'
        if p["vis"] < 0.999:
            attrs += f' opacity="{n(max(0.0, p["vis"]))}"'
        body += f"<g{attrs}>{inner}</g>" if attrs else inner
        body += "".join(layers["top"])
        body = body.replace(' stroke-linecap="round"', "").replace(' stroke-linejoin="round"', "")
        return compact(self.defs() + '<g stroke-linecap="round" stroke-linejoin="round">' + body + "</g>")


def mouth_curve(mx, my, curve):
    """The closed mouth in the beard: a little dark smile (or frown) with a hint of lower lip."""
    hw = 2.8
    c = curve * 1.6
    return (f'<path d="M{n(mx - hw)},{n(my - c * 0.3)}Q{n(mx)},{n(my + c)} {n(mx + hw)},{n(my - c * 0.3)}" '
            f'fill="none" stroke="#6a2c34" stroke-width="1.1"/>')
