"""Drawing the snowman: a pose (a dict of parameters) becomes the SVG body of one frame.

The figure is three snowballs on the ground line, a head with coal eyes, brows, a carrot nose and a
coal-dot smile, a top hat with a sprig of holly, a knitted scarf with two fringed tails and two twig
arms.  Everything is placed from a few numbers so that poses can be blended frame by frame.

Coordinates are frame pixels (128 x 128, y down).  Light comes from the upper left.
"""

import math
from svgmath import M, compact, n, pts  # noqa: F401

W = H = 128
GROUND = 123.0
CX = 64.0
RB, RM, RH = 24.0, 18.5, 17.0          # bottom, middle and head radii
OV1, OV2 = 11.0, 7.0                   # how far the middle ball sinks into the bottom one, the head into the middle
L1, L2 = 18.0, 16.0                    # twig upper arm and forearm
SHOULDER = (16.5, -6.5)                # shoulder offset from the middle ball's centre (right side)

# The rest pose; every pose is this dict with some values changed.
REST = dict(
    dx=0.0, dy=0.0, lean=0.0, squash=1.0, wob=0.0,
    tilt=0.0, turn=0.0, pitch=0.0, head_dy=0.0,
    gaze_x=0.0, gaze_y=0.0, cross=0.0,
    lid=0.0, lid_low=0.0, lid_tilt=0.0, happy=0.0, wide=0.0,
    brow_l=0.0, brow_r=0.0, brow_tl=0.0, brow_tr=0.0,
    mouth=0.6, mouth_w=1.0, mouth_o=0.0, grin=0.0, cheeks=0.75,
    hat_tilt=0.0, hat_lift=0.0, hat_grab=0.0, hat_dx=0.0,
    scarf=0.0, scarf2=0.0,
    la=-38.0, lb=-8.0, ra=-38.0, rb=-8.0,
    lh="open", rh="open", lf=False, rf=False, lspread=1.0, rspread=1.0,
    lfs=1.0, rfs=1.0, lfa=1.0, rfa=1.0,   # upper arm and forearm foreshortening (towards the viewer)
    back=False, build=1.0,
)
DISCRETE = {"lh", "rh", "lf", "rf", "back"}


def smooth(a, b, x):
    if b == a:
        return 1.0 if x >= b else 0.0
    t = min(1.0, max(0.0, (x - a) / (b - a)))
    return t * t * (3 - 2 * t)


def arm_dir(side, deg):
    """Screen direction of a twig at `deg` (0 = straight out from the body, + = up)."""
    a = math.radians(deg)
    return (side * math.cos(a), -math.sin(a))


def dir_deg(side, vx, vy):
    return math.degrees(math.atan2(-vy, side * vx))


def shoulder(side, pose=REST):
    g = geometry(pose)
    return (g["mc"][0] + side * SHOULDER[0], g["mc"][1] + SHOULDER[1])


def ik(side, target, elbow="down", pose=REST):
    """Arm angles (upper, bend) that put the hand (the root of the fingers) on `target`.

    `elbow` picks which of the two solutions: the elbow "down", "up" or "out" (away from the body).
    """
    sx, sy = shoulder(side, pose)
    key = "r" if side > 0 else "l"
    l1 = L1 * pose.get(key + "fs", 1.0)
    l2 = L2 * pose.get(key + "fa", 1.0)
    tx, ty = target
    dx, dy = tx - sx, ty - sy
    d = math.hypot(dx, dy)
    d = min(l1 + l2 - 0.05, max(abs(l1 - l2) + 0.05, d))
    phi = math.atan2(dy, dx)
    alpha = math.acos((l1 * l1 + d * d - l2 * l2) / (2 * l1 * d))
    cands = [phi + alpha, phi - alpha]
    ex = [(sx + l1 * math.cos(p), sy + l1 * math.sin(p)) for p in cands]
    score = {"down": lambda e: e[1], "up": lambda e: -e[1], "out": lambda e: side * e[0]}[elbow]
    pick = max(range(2), key=lambda i: score(ex[i]))
    p = cands[pick]
    e = ex[pick]
    hx, hy = sx + d * math.cos(phi), sy + d * math.sin(phi)
    a_up = dir_deg(side, math.cos(p), math.sin(p))
    a_fo = dir_deg(side, hx - e[0], hy - e[1])
    bend = (a_fo - a_up + 180) % 360 - 180
    return a_up, bend


def geometry(p):
    """Ball centres and scales for a pose; the build value grows the figure from the ground."""
    b = p["build"]
    sb = smooth(0.0, 0.34, b)
    sm = smooth(0.22, 0.55, b)
    sh = smooth(0.42, 0.74, b)
    g = {
        "sb": sb, "sm": sm, "sh": sh,
        "sarm": smooth(0.62, 0.86, b), "sscarf": smooth(0.56, 0.8, b),
        "hat": smooth(0.74, 1.0, b),
    }
    by = GROUND - RB * sb
    my = by - (RB * sb + RM * sm - OV1 * sm)
    hy = my - (RM * sm + RH * sh - OV2 * sh) + p["head_dy"]
    g["bc"] = (CX, by)
    g["mc"] = (CX + p["wob"], my)
    g["hc"] = (CX + 2 * p["wob"], hy)
    return g


def figure_matrix(p):
    squash = p["squash"]
    sx = 1 + (1 - squash) * 0.75
    return (M.t(p["dx"], p["dy"]) * M.r(p["lean"], CX, GROUND) * M.s(sx, squash, CX, GROUND))


class Figure:
    def __init__(self, pose, fx=()):
        self.p = dict(REST)
        self.p.update(pose)
        self.fx = list(fx)
        self.g = geometry(self.p)
        self.mfig = figure_matrix(self.p)
        hc = self.g["hc"]
        self.mhead_local = (M.t(hc[0], hc[1]) * M.s(self.g["sh"], self.g["sh"])
                            * M.r(self.p["tilt"], 0, RH * 0.85))
        self.arms = {s: self.arm_points(s) for s in (-1, 1)}
        self.used = set()

    # ----- geometry helpers -------------------------------------------------------------------
    def face(self):
        p = self.p
        t = p["turn"]
        return dict(fx=t * 4.6, fy=p["pitch"], t=t)

    def mouth_local(self):
        f = self.face()
        return (f["fx"], 9.5 + f["fy"] * 0.9)

    def mouth_point(self):
        """Where the lip-sync mouth goes on this frame, or None when the face is not frontal."""
        p = self.p
        if (p["back"] or p["build"] < 1 or abs(p["tilt"]) > 7 or abs(p["turn"]) > 0.5
                or p["mouth_o"] > 0.05 or p["grin"] > 0.05 or abs(p["lean"]) > 8
                or abs(p["squash"] - 1) > 0.05):
            return None
        x, y = (self.mfig * self.mhead_local).apply(*self.mouth_local())
        return [round(x), round(y)]

    def nose_tip(self):
        base, tip = self.nose_geom()
        return (self.mfig * self.mhead_local).apply(*tip)

    def nose_geom(self):
        f = self.face()
        t = f["t"]
        bx, by = f["fx"] * 1.1, 3.6 + f["fy"]
        k = 0.55 + 0.45 * t if t >= 0 else 0.55 + 1.55 * t
        k = max(-1.0, min(1.0, k))
        length = 11.5
        tip = (bx + length * k, by + 1.4 + 1.2 * (1 - abs(k)))
        if abs(tip[0] - bx) < 3:
            tip = (bx + (3 if k >= 0 else -3), tip[1])
        return (bx, by), tip

    def arm_points(self, side):
        p = self.p
        key = "r" if side > 0 else "l"
        a, bend = p[key + "a"], p[key + "b"]
        sa = self.g["sarm"]
        mc = self.g["mc"]
        sh = (mc[0] + side * SHOULDER[0], mc[1] + SHOULDER[1])
        u = arm_dir(side, a)
        l1 = L1 * p[key + "fs"]
        el = (sh[0] + u[0] * l1 * sa, sh[1] + u[1] * l1 * sa)
        v = arm_dir(side, a + bend)
        l2 = L2 * p[key + "fa"]
        hand = (el[0] + v[0] * l2 * sa, el[1] + v[1] * l2 * sa)
        return dict(sh=sh, el=el, hand=hand, u=u, v=v, a=a, bend=bend)

    def outside(self):
        """Parts of the figure that leave the frame (a full-size hat or a twig hand)."""
        out = []
        if getattr(self, "hat_m", None) and self.g["hat"] >= 0.99:
            for x, y in ((0, -16.3), (-13.6, 0), (13.6, 0)):
                fx, fy = self.hat_m.apply(x, y)
                if not (1 <= fx <= W - 1 and 1 <= fy):
                    out.append(f"the hat at ({fx:.1f}, {fy:.1f})")
        for side in (-1, 1):
            fx, fy = self.hand_frame(side)
            if not (5 <= fx <= W - 5 and 5 <= fy <= GROUND):
                out.append(f"a hand at ({fx:.1f}, {fy:.1f})")
        return out

    def hand_frame(self, side):
        """The hand's point in frame pixels."""
        return self.mfig.apply(*self.arms[side]["hand"])

    # ----- gradients --------------------------------------------------------------------------
    def defs(self):
        d = {
            "sn": '<radialGradient id="sn" cx="0.42" cy="0.38" r="0.64" fx="0.34" fy="0.26">'
                  '<stop offset="0" stop-color="#ffffff"/><stop offset="0.45" stop-color="#f4f8fc"/>'
                  '<stop offset="0.8" stop-color="#d6e1ed"/><stop offset="1" stop-color="#aabcd2"/>'
                  '</radialGradient>',
            "co": '<radialGradient id="co" cx="0.4" cy="0.35" r="0.7">'
                  '<stop offset="0" stop-color="#4a4c56"/><stop offset="1" stop-color="#0f1014"/>'
                  '</radialGradient>',
            "ca": '<linearGradient id="ca" x1="0" y1="0" x2="0" y2="1">'
                  '<stop offset="0" stop-color="#ffb35c"/><stop offset="0.5" stop-color="#f5821e"/>'
                  '<stop offset="1" stop-color="#cf5a0c"/></linearGradient>',
            "sc": '<linearGradient id="sc" x1="0" y1="0" x2="0" y2="1">'
                  '<stop offset="0" stop-color="#f2585c"/><stop offset="0.55" stop-color="#d3303a"/>'
                  '<stop offset="1" stop-color="#9c1c27"/></linearGradient>',
            "st": '<linearGradient id="st" x1="0" y1="0" x2="1" y2="0">'
                  '<stop offset="0" stop-color="#ee5056"/><stop offset="0.6" stop-color="#cf2c36"/>'
                  '<stop offset="1" stop-color="#a01f29"/></linearGradient>',
            "hb": '<linearGradient id="hb" x1="0" y1="0" x2="0" y2="1">'
                  '<stop offset="0" stop-color="#4d5364"/><stop offset="1" stop-color="#16181e"/>'
                  '</linearGradient>',
            "hc": '<linearGradient id="hc" x1="0" y1="0" x2="1" y2="0">'
                  '<stop offset="0" stop-color="#2b2f3a"/><stop offset="0.3" stop-color="#515869"/>'
                  '<stop offset="0.62" stop-color="#2a2e38"/><stop offset="1" stop-color="#14161b"/>'
                  '</linearGradient>',
            "ck": '<radialGradient id="ck" cx="0.5" cy="0.5" r="0.5">'
                  '<stop offset="0" stop-color="#ff8fa0" stop-opacity="0.9"/>'
                  '<stop offset="1" stop-color="#ff8fa0" stop-opacity="0"/></radialGradient>',
            "gs": '<radialGradient id="gs" cx="0.5" cy="0.5" r="0.5">'
                  '<stop offset="0" stop-color="#3f5878" stop-opacity="0.42"/>'
                  '<stop offset="0.7" stop-color="#3f5878" stop-opacity="0.18"/>'
                  '<stop offset="1" stop-color="#3f5878" stop-opacity="0"/></radialGradient>',
            "cs": '<radialGradient id="cs" cx="0.5" cy="0.5" r="0.5">'
                  '<stop offset="0" stop-color="#8197b3" stop-opacity="0.55"/>'
                  '<stop offset="1" stop-color="#8197b3" stop-opacity="0"/></radialGradient>',
            "gl": '<radialGradient id="gl" cx="0.4" cy="0.35" r="0.65">'
                  '<stop offset="0" stop-color="#ffffff" stop-opacity="0.55"/>'
                  '<stop offset="0.7" stop-color="#bfe0ff" stop-opacity="0.35"/>'
                  '<stop offset="1" stop-color="#7fb3e6" stop-opacity="0.6"/></radialGradient>',
            "wd": '<linearGradient id="wd" x1="0" y1="0" x2="0" y2="1">'
                  '<stop offset="0" stop-color="#d94046"/><stop offset="1" stop-color="#7e1a22"/>'
                  '</linearGradient>',
        }
        return "<defs>" + "".join(d[k] for k in sorted(self.used)) + "</defs>"

    def use(self, gid):
        self.used.add(gid)
        return f"url(#{gid})"

    # ----- parts ------------------------------------------------------------------------------
    def ball(self, c, r, extra=""):
        return (f'<circle cx="{n(c[0])}" cy="{n(c[1])}" r="{n(r)}" fill="{self.use("sn")}" '
                f'stroke="#7f95b0" stroke-width="1.1"{extra}/>')

    def contact(self, x, y, rx, ry, op=1.0):
        if rx <= 0.5:
            return ""
        return (f'<ellipse cx="{n(x)}" cy="{n(y)}" rx="{n(rx)}" ry="{n(ry)}" fill="{self.use("cs")}"'
                + (f' opacity="{n(op)}"' if op < 1 else "") + "/>")

    def buttons(self):
        p, g = self.p, self.g
        if p["back"] or g["sm"] < 0.3:
            return ""
        mc = g["mc"]
        s = g["sm"]
        shift = p["turn"] * 1.5
        out = []
        for i, dy in enumerate((-1.0, 6.0, 13.0)):
            x = mc[0] + shift * (1 - abs(dy) / 30) + (0.3 if i == 1 else 0)
            y = mc[1] + dy * s
            r = (1.9 if i != 1 else 2.0) * s
            out.append(f'<circle cx="{n(x)}" cy="{n(y)}" r="{n(r)}" fill="{self.use("co")}"/>')
            out.append(f'<circle cx="{n(x - r * 0.35)}" cy="{n(y - r * 0.4)}" r="{n(r * 0.3)}" '
                       f'fill="#ffffff" opacity="0.55"/>')
        return "".join(out)

    def twig(self, side):
        """Dark and light strokes of one twig arm with its little fingers."""
        p = self.p
        key = "r" if side > 0 else "l"
        a = self.arms[side]
        sa = self.g["sarm"]
        if sa < 0.05:
            return ""
        sh, el, hand, u, v = a["sh"], a["el"], a["hand"], a["u"], a["v"]
        kind = p[key + "h"]
        spread = p[key + "spread"]

        def bend_q(p0, p1, amount):
            mx, my = (p0[0] + p1[0]) / 2, (p0[1] + p1[1]) / 2
            dx, dy = p1[0] - p0[0], p1[1] - p0[1]
            ln = math.hypot(dx, dy) or 1
            return (mx - dy / ln * amount * side, my + dx / ln * amount * side)

        segs = []   # (path d, width)
        c1 = bend_q(sh, el, -0.8)
        segs.append((f"M{pts([sh])}Q{pts([c1, el])}", 3.1))
        c2 = bend_q(el, hand, 0.6)
        segs.append((f"M{pts([el])}Q{pts([c2, hand])}", 2.6))
        # a little side twig on the upper arm
        base = (sh[0] + (el[0] - sh[0]) * 0.58, sh[1] + (el[1] - sh[1]) * 0.58)
        sd = arm_dir(side, a["a"] + 58)
        tip = (base[0] + sd[0] * 4.4 * sa, base[1] + sd[1] * 4.4 * sa)
        segs.append((f"M{pts([base, tip])}", 1.6))
        # fingers
        ang = a["a"] + a["bend"]
        if kind == "point":
            fingers = [(0, 7.5), (-55, 2.4), (48, 2.6)]
        elif kind == "hold":
            fingers = [(-62, 3.6), (-8, 3.8), (50, 3.4)]
        else:
            fingers = [(-40 * spread, 4.6), (0, 5.4), (40 * spread, 4.4)]
        for off, ln in fingers:
            d = arm_dir(side, ang + off)
            f_tip = (hand[0] + d[0] * ln * sa, hand[1] + d[1] * ln * sa)
            if kind == "hold":
                d2 = arm_dir(side, ang + off - 55)
                cpt = (hand[0] + d[0] * ln * 0.7 * sa, hand[1] + d[1] * ln * 0.7 * sa)
                f_tip = (cpt[0] + d2[0] * ln * 0.5 * sa, cpt[1] + d2[1] * ln * 0.5 * sa)
                segs.append((f"M{pts([hand])}Q{pts([cpt, f_tip])}", 1.6))
            else:
                segs.append((f"M{pts([hand, f_tip])}", 1.6))
        def merged(items, widen):
            by_w = {}
            for d, w in items:
                by_w.setdefault(n(max(0.5, w * sa + widen)), []).append(d)
            return "".join(f'<path d="{"".join(ds)}" stroke-width="{w}"/>' for w, ds in by_w.items())

        dark = merged(segs, 0.9)
        light = merged(segs[:2], -1.3)
        return (f'<g fill="none" stroke-linecap="round" stroke-linejoin="round">'
                f'<g stroke="#43291a">{dark}</g>'
                f'<g stroke="#8c6240" transform="translate(-0.35,-0.4)">{light}</g></g>')

    def eye(self, side, cx, cy, sxk):
        p = self.p
        wide = 1 + 0.28 * p["wide"]
        rx, ry = 2.45 * wide * sxk, 3.15 * wide
        coal = "#1b1c21"
        if p["happy"] >= 0.5:
            return (f'<path d="M{n(cx - rx * 1.3)},{n(cy + 1.2)}Q{n(cx)},{n(cy - ry * 1.5)} '
                    f'{n(cx + rx * 1.3)},{n(cy + 1.2)}" fill="none" stroke="{coal}" '
                    f'stroke-width="1.7" stroke-linecap="round"/>')
        lid = p["lid"]
        if lid >= 0.9:
            return (f'<path d="M{n(cx - rx * 1.35)},{n(cy + 0.3)}Q{n(cx)},{n(cy + ry * 1.0)} '
                    f'{n(cx + rx * 1.35)},{n(cy + 0.3)}" fill="none" stroke="{coal}" '
                    f'stroke-width="1.3" stroke-linecap="round"/>')
        # the eyeball as a polygon, cut by the upper and lower lids
        slope = math.tan(math.radians(p["lid_tilt"])) * side   # + = outer corner of the lid lower
        ytop = cy - ry + 2 * ry * lid
        ybot = cy + ry - 2 * ry * p["lid_low"]
        poly = [(cx + rx * math.cos(2 * math.pi * i / 28), cy + ry * math.sin(2 * math.pi * i / 28))
                for i in range(28)]

        def clip(poly, keep):
            out = []
            for i in range(len(poly)):
                a, b = poly[i - 1], poly[i]
                ka, kb = keep(a), keep(b)
                if kb >= 0:
                    if ka < 0:
                        t = ka / (ka - kb)
                        out.append((a[0] + (b[0] - a[0]) * t, a[1] + (b[1] - a[1]) * t))
                    out.append(b)
                elif ka >= 0:
                    t = ka / (ka - kb)
                    out.append((a[0] + (b[0] - a[0]) * t, a[1] + (b[1] - a[1]) * t))
            return out

        cut = False
        if lid > 0.01 or abs(slope) > 0.01:
            poly = clip(poly, lambda q: q[1] - (ytop + slope * (q[0] - cx)))
            cut = True
        if p["lid_low"] > 0.01:
            poly = clip(poly, lambda q: ybot - q[1])
            cut = True
        out = []
        if not cut:
            out.append(f'<ellipse cx="{n(cx)}" cy="{n(cy)}" rx="{n(rx)}" ry="{n(ry)}" fill="{self.use("co")}"/>')
        elif len(poly) >= 3:
            out.append(f'<path d="M{pts(poly)}Z" fill="{self.use("co")}"/>')
            hx, hy = cx - rx * 0.32, cy - ry * 0.42
            if hy > ytop + slope * (hx - cx) + 0.6 and hy < ybot - 0.5:
                out.append(f'<circle cx="{n(hx)}" cy="{n(hy)}" r="{n(0.95 * wide)}" fill="#ffffff"/>')
            hx2, hy2 = cx + rx * 0.38, cy + ry * 0.38
            if hy2 > ytop + slope * (hx2 - cx) + 0.4 and hy2 < ybot - 0.3:
                out.append(f'<circle cx="{n(hx2)}" cy="{n(hy2)}" r="0.45" fill="#ffffff" opacity="0.8"/>')
        if lid > 0.08 or abs(slope) > 0.05:
            x0, x1 = cx - rx * 1.3, cx + rx * 1.3
            y0, y1 = ytop + slope * (x0 - cx), ytop + slope * (x1 - cx)
            out.append(f'<path d="M{n(x0)},{n(y0 + 0.2)}Q{n(cx)},{n(ytop - 0.7)} {n(x1)},{n(y1 + 0.2)}" '
                       f'fill="none" stroke="#3d4656" stroke-width="0.9" stroke-linecap="round"/>')
        return "".join(out)

    def brow(self, side, ex, ey, sxk):
        p = self.p
        raise_ = p["brow_l"] if side < 0 else p["brow_r"]
        tilt = p["brow_tl"] if side < 0 else p["brow_tr"]
        cy = ey - 6.0 - raise_ - 0.9 * p["wide"]
        hl = 2.9 * sxk
        t = math.sin(math.radians(tilt)) * hl
        inner = (ex - side * hl, cy - t)
        outer = (ex + side * hl, cy + t)
        ctrl = ((inner[0] + outer[0]) / 2, (inner[1] + outer[1]) / 2 - 1.1)
        return f"M{pts([inner])}Q{pts([ctrl, outer])}"

    def nose(self):
        (bx, by), (tx, ty) = self.nose_geom()
        vx, vy = tx - bx, ty - by
        ln = math.hypot(vx, vy)
        ux, uy = vx / ln, vy / ln
        nx, ny = -uy, ux
        h = 2.7
        p1 = (bx + nx * h, by + ny * h)
        p2 = (bx - nx * h, by - ny * h)
        c1 = (bx + vx * 0.45 + nx * h * 0.62, by + vy * 0.45 + ny * h * 0.62)
        c2 = (bx + vx * 0.45 - nx * h * 0.62, by + vy * 0.45 - ny * h * 0.62)
        cb = (bx - ux * h * 1.05, by - uy * h * 1.05)
        d = f"M{pts([p1])}Q{pts([c1, (tx, ty)])}Q{pts([c2, p2])}Q{pts([cb, p1])}Z"
        out = [f'<path d="{d}" fill="{self.use("ca")}" stroke="#a3470c" stroke-width="0.7" '
               f'stroke-linejoin="round"/>']
        ridges = []
        for k, side in ((0.32, 1), (0.55, -1), (0.74, 1)):
            w = h * (1 - k) * 0.9
            cxr, cyr = bx + vx * k, by + vy * k
            a = (cxr + nx * w * side, cyr + ny * w * side)
            b = (cxr + nx * w * side * 0.1 + ux * 0.8, cyr + ny * w * side * 0.1 + uy * 0.8)
            ridges.append(f"M{pts([a, b])}")
        out.append(f'<path d="{"".join(ridges)}" stroke="#b4500f" stroke-width="0.6" fill="none" '
                   f'stroke-linecap="round" opacity="0.8"/>')
        return "".join(out)

    def mouth(self):
        p = self.p
        mx, my = self.mouth_local()
        if p["mouth_o"] > 0.05:
            o = p["mouth_o"]
            return (f'<ellipse cx="{n(mx)}" cy="{n(my - 0.3)}" rx="{n(1.4 + 1.4 * o)}" ry="{n(1.6 + 2.0 * o)}" '
                    f'fill="#3a1a22" stroke="#15161a" stroke-width="0.8"/>'
                    f'<ellipse cx="{n(mx)}" cy="{n(my + 0.7 * o + 0.4)}" rx="{n(0.9 + 0.7 * o)}" '
                    f'ry="{n(0.5 + 0.6 * o)}" fill="#e56b7b"/>')
        if p["grin"] > 0.05:
            g = p["grin"]
            hw = 5.6 * p["mouth_w"]
            top = my - 1.0
            d = (f"M{n(mx - hw)},{n(top - 0.6)}Q{n(mx)},{n(top + 1.0)} {n(mx + hw)},{n(top - 0.6)}"
                 f"Q{n(mx + hw * 0.6)},{n(top + 4.6 * g + 1)} {n(mx)},{n(top + 4.8 * g + 1)}"
                 f"Q{n(mx - hw * 0.6)},{n(top + 4.6 * g + 1)} {n(mx - hw)},{n(top - 0.6)}Z")
            return (f'<path d="{d}" fill="#3a1a22" stroke="#15161a" stroke-width="0.8" stroke-linejoin="round"/>'
                    f'<ellipse cx="{n(mx)}" cy="{n(top + 3.4 * g + 0.6)}" rx="{n(hw * 0.42)}" '
                    f'ry="{n(1.2 * g)}" fill="#e56b7b"/>')
        return mouth_dots(mx, my, p["mouth"], p["mouth_w"])

    def head(self):
        p, g = self.p, self.g
        sh = g["sh"]
        if sh < 0.03:
            return ""
        out = [f'<g transform="{self.mhead_local.svg()}">',
               f'<circle r="{n(RH)}" fill="{self.use("sn")}" stroke="#7f95b0" stroke-width="{n(1.1 / sh)}"/>']
        if not p["back"] and sh > 0.5:
            f = self.face()
            t = f["t"]
            spacing = 6.6 * (1 - 0.1 * abs(t))
            ey = -1.4 + f["fy"] + p["gaze_y"]
            if p["cheeks"] > 0.02:
                for s in (-1, 1):
                    k = 1 - 0.35 * max(0, s * -t)
                    out.append(f'<ellipse cx="{n(f["fx"] * 0.9 + s * 10.6 * k)}" cy="{n(5.2 + f["fy"])}" '
                               f'rx="{n(3.4 * k)}" ry="2.2" fill="{self.use("ck")}" opacity="{n(p["cheeks"])}"/>')
            brows = []
            for s in (-1, 1):
                sxk = 1 - 0.18 * max(0, s * -t)       # the far eye is foreshortened
                ex = f["fx"] + s * spacing + p["gaze_x"] - s * p["cross"]
                out.append(self.eye(s, ex, ey, sxk))
                brows.append(self.brow(s, ex, -1.4 + f["fy"] * 0.8, sxk))
            out.append(f'<path d="{"".join(brows)}" fill="none" stroke="#3a3236" stroke-width="1.35"/>')
            out.append(self.mouth())
            out.append(self.nose())
        out.append("</g>")
        return "".join(out)

    def hat(self):
        p, g = self.p, self.g
        if g["hat"] <= 0.01:
            return ""
        # sitting on the head
        f = self.face()
        anchor = (2.0 + f["t"] * 1.6 + p["hat_dx"], -RH + 4.3 - p["hat_lift"])
        on = self.mhead_local.apply(*anchor)
        ang_on = p["tilt"] + 7 + p["hat_tilt"]
        # held in the right hand, brim towards the hand
        grab = p["hat_grab"]
        hand = self.arms[1]["hand"]
        held = (hand[0] - 13.0, hand[1] - 4.0)
        x = on[0] + (held[0] - on[0]) * grab
        y = on[1] + (held[1] - on[1]) * grab
        ang = ang_on + (p["hat_tilt"] - 4 - ang_on) * grab
        drop = (1 - g["hat"]) * -34
        m = M.t(x, y + drop) * M.r(ang) * M.s(g["sh"], g["sh"])
        self.hat_m = self.mfig * m
        op = min(1.0, g["hat"] * 1.6)
        shadow = ""
        near = (1 - grab) * max(0.0, 1 - p["hat_lift"] / 5) * g["hat"]
        if near > 0.05:
            # the brim's soft shadow on the snow, on the head's own surface
            sm = self.mhead_local * M.t(anchor[0] - 0.8, anchor[1] + p["hat_lift"] + 3.6) * M.r(7 + p["hat_tilt"])
            shadow = (f'<ellipse transform="{sm.svg()}" rx="11" ry="2.8" fill="{self.use("cs")}"'
                      + (f' opacity="{n(near)}"' if near < 0.99 else "") + "/>")
        return (shadow + f'<g transform="{m.svg()}"' + (f' opacity="{n(op)}"' if op < 1 else "") + ">"
                + hat_body(self.use, holly=not p["back"]) + "</g>")

    def scarf(self):
        """The neck band, the two tails and the knot; drawn over the head's bottom."""
        p, g = self.p, self.g
        s = g["sscarf"]
        if s < 0.03:
            return ""
        hc, mc = g["hc"], g["mc"]
        nx = (hc[0] + mc[0]) / 2
        ny = hc[1] + RH * g["sh"] - 0.5
        m = M.t(nx, ny) * M.s(s, s)
        out = [f'<g transform="{m.svg()}">']
        tails = []
        if p["back"]:
            root = (3.0, 2.5)
            tails.append((root, 21.0, 10 + p["scarf"], 1))
            tails.append((root, 17.0, -8 + p["scarf"] * 0.8 + p["scarf2"], 2))
        else:
            root = (-9.4, 3.4)
            tails.append((root, 17.5, -17 + p["scarf"] * 0.8 + p["scarf2"], 2))
            tails.append((root, 22.0, 3 + p["scarf"], 1))
        # band
        band = ("M-14.5,-3.2Q0,1.6 14.5,-3.2Q17.6,-0.4 15,3.6Q0,9.4 -15,3.6Q-17.6,-0.4 -14.5,-3.2Z")
        out.append(f'<path d="{band}" fill="{self.use("sc")}" stroke="#761722" stroke-width="0.8" '
                   'stroke-linejoin="round"/>')
        ribs = []
        for i in range(-4, 5):
            x = i * 3.2
            top = -3.2 + 4.8 * (1 - (x / 14.5) ** 2) - 0.1
            bot = 3.6 + 5.8 * (1 - (x / 15) ** 2) - 0.8
            ribs.append(f"M{n(x)},{n(top + 1)}L{n(x * 1.04)},{n(bot - 0.4)}")
        out.append(f'<path d="{"".join(ribs)}" stroke="#8e1b26" stroke-width="0.55" opacity="0.55" fill="none"/>')
        out.append('<path d="M-13,-1.4Q0,3.6 13,-1.4" stroke="#ff8e8e" stroke-width="0.8" fill="none" '
                   'opacity="0.6" stroke-linecap="round"/>')
        for root, length, ang, which in tails:
            out.append(scarf_tail(self.use, root, length, ang, p["scarf"], which))
        if not p["back"]:
            out.append(f'<ellipse cx="{n(root[0])}" cy="{n(root[1] + 0.3)}" rx="4.3" ry="3.6" '
                       f'fill="{self.use("sc")}" stroke="#761722" stroke-width="0.8"/>')
            out.append(f'<path d="M{n(root[0] - 2.4)},{n(root[1] - 0.6)}Q{n(root[0])},{n(root[1] + 1.6)} '
                       f'{n(root[0] + 2.4)},{n(root[1] - 0.6)}" stroke="#8e1b26" stroke-width="0.6" '
                       'fill="none" opacity="0.7"/>')
        out.append("</g>")
        return "".join(out)

    def ground_shadow(self):
        p, g = self.p, self.g
        lift = max(0.0, -p["dy"])
        k = max(0.35, 1 - lift / 22) * max(g["sb"], 0.25)
        rx = 31 * k * (1 + (1 - p["squash"]) * 0.7)
        return (f'<ellipse cx="{n(CX + p["dx"] + p["lean"] * 0.15)}" cy="{n(GROUND - 0.5)}" rx="{n(rx)}" '
                f'ry="{n(4.6 * k)}" fill="{self.use("gs")}"/>')

    # ----- the whole frame --------------------------------------------------------------------
    def svg_body(self):
        from snowman_fx import draw_fx
        p, g = self.p, self.g
        layers = {"back": [], "mid": [], "top": [], "ground": []}
        for item in self.fx:
            layers[item.get("layer", "top")].append(draw_fx(self, item))
        fig = []
        for s in (-1, 1):
            if not p["lf" if s < 0 else "rf"]:
                fig.append(self.twig(s))
        bc, mc, hc = g["bc"], g["mc"], g["hc"]
        if g["sb"] > 0.02:
            fig.append(self.ball(bc, RB * g["sb"]))
            if g["sm"] > 0.05:
                fig.append(self.contact(mc[0] + 1, bc[1] - RB * g["sb"] + OV1 * g["sm"] + 2.2,
                                        16 * g["sm"], 5 * g["sm"]))
        if g["sm"] > 0.02:
            fig.append(self.ball(mc, RM * g["sm"]))
            if g["sh"] > 0.05:
                fig.append(self.contact(hc[0] * 0.5 + mc[0] * 0.5 + 1, mc[1] - RM * g["sm"] + OV2 * g["sh"] + 4.5,
                                        12 * g["sh"], 4 * g["sh"], 0.8))
            fig.append(self.buttons())
        fig.append(self.head())
        fig.append(self.hat())
        fig.append(self.scarf())
        fig.extend(layers["mid"])
        for s in (-1, 1):
            if p["lf" if s < 0 else "rf"]:
                fig.append(self.twig(s))
        body = (self.ground_shadow() if g["sb"] > 0.02 else "") + "".join(layers["ground"])
        body += "".join(layers["back"])
        if self.mfig.m == (1, 0, 0, 1, 0, 0) or self.mfig.svg() == "matrix(1 0 0 1 0 0)":
            body += "".join(fig)
        else:
            body += f'<g transform="{self.mfig.svg()}">' + "".join(fig) + "</g>"
        body += "".join(layers["top"])
        # one round cap and join for every stroke of the frame
        body = body.replace(' stroke-linecap="round"', "").replace(' stroke-linejoin="round"', "")
        return compact(self.defs() + '<g stroke-linecap="round" stroke-linejoin="round">' + body + "</g>")


def mouth_dots(mx, my, curve, width=1.0):
    """The coal-dot smile: five little coals along a curve."""
    out = []
    hw = 5.0 * width
    for i, u in enumerate((-1.0, -0.5, 0.0, 0.5, 1.0)):
        x = mx + u * hw
        y = my + curve * 2.4 * (1 - u * u) - curve * 0.9
        r = 0.95 if abs(u) > 0.9 else 1.08
        out.append(f'<circle cx="{n(x)}" cy="{n(y)}" r="{n(r)}"/>')
    return '<g fill="#1f2026">' + "".join(out) + "</g>"


def hat_body(use, holly=True):
    """A small top hat around its brim's centre (0, 0), crown up."""
    parts = [
        f'<ellipse cy="0.3" rx="13.6" ry="3.4" fill="{use("hb")}" stroke="#0c0d11" stroke-width="0.8"/>',
        '<path d="M-11.6,-0.2Q0,-3.0 11.6,-0.2" stroke="#6a7184" stroke-width="0.7" fill="none" opacity="0.8"/>',
        f'<path d="M-8.4,-0.2L-9.1,-14A9.1 2.3 0 0 1 9.1,-14L8.4,-0.2A8.4 2.3 0 0 1-8.4,-0.2Z" '
        f'fill="{use("hc")}" stroke="#0c0d11" stroke-width="0.8"/>',
        '<ellipse cy="-14" rx="9.1" ry="2.3" fill="#3e4352" stroke="#0c0d11" stroke-width="0.8"/>',
        '<path d="M-6.5,-14.6Q0,-16 6.5,-14.6" stroke="#6c7386" stroke-width="0.6" fill="none"/>',
        '<path d="M-8.45,-0.9L-8.6,-4.3A8.6 2.2 0 0 0 8.6,-4.3L8.45,-0.9A8.45 2.3 0 0 1-8.45,-0.9Z" '
        'fill="#c22c34" stroke="#5a1016" stroke-width="0.6"/>'
        '<path d="M-7.6,-3.5A8.6 2.2 0 0 0-2,-2.3" stroke="#f07a7a" stroke-width="0.7" fill="none"/>',
    ]
    if holly:
        parts.append(
            '<g stroke="#174f22" stroke-width="0.5" stroke-linejoin="round">'
            '<path d="M4.6,-3.2Q6.2,-6.9 9.6,-7.2Q9.2,-4.4 4.6,-3.2Z" fill="#3a9a48"/>'
            '<path d="M4.6,-3.2Q8.0,-1.4 10.6,-3.4Q8.2,-5.2 4.6,-3.2Z" fill="#2c7f39"/></g>'
            '<g fill="#e0262e" stroke="#7d0f14" stroke-width="0.45">'
            '<circle cx="4.1" cy="-3.6" r="1.35"/><circle cx="5.6" cy="-2.3" r="1.25"/>'
            '<circle cx="3.2" cy="-2.2" r="1.15"/></g>'
            '<g fill="#ffffff" opacity="0.8"><circle cx="3.7" cy="-4" r="0.4"/>'
            '<circle cx="5.2" cy="-2.7" r="0.35"/></g>')
    return "".join(parts)


def scarf_tail(use, root, length, ang, swing, which):
    """One hanging scarf tail with cream stripes and a fringe; `ang` in degrees from straight down."""
    a = math.radians(ang)
    a0 = math.radians(ang - swing * 0.45)
    end = (root[0] + length * math.sin(a), root[1] + length * math.cos(a))
    ctrl = (root[0] + length * 0.55 * math.sin(a0), root[1] + length * 0.55 * math.cos(a0))

    def at(t):
        x = (1 - t) ** 2 * root[0] + 2 * (1 - t) * t * ctrl[0] + t * t * end[0]
        y = (1 - t) ** 2 * root[1] + 2 * (1 - t) * t * ctrl[1] + t * t * end[1]
        dx = 2 * (1 - t) * (ctrl[0] - root[0]) + 2 * t * (end[0] - ctrl[0])
        dy = 2 * (1 - t) * (ctrl[1] - root[1]) + 2 * t * (end[1] - ctrl[1])
        ln = math.hypot(dx, dy) or 1
        return (x, y), (dx / ln, dy / ln)

    w0, w1 = (3.0, 3.7) if which == 1 else (2.6, 3.2)

    def edge(t, side):
        (x, y), (dx, dy) = at(t)
        w = w0 + (w1 - w0) * t
        return (x - dy * w * side, y + dx * w * side)

    def through(side):
        # a quadratic through the edge's ends and its middle
        a, m, b = edge(0, side), edge(0.5, side), edge(1, side)
        return a, (2 * m[0] - (a[0] + b[0]) / 2, 2 * m[1] - (a[1] + b[1]) / 2), b

    l0, lc, l1 = through(1)
    r0, rc, r1 = through(-1)
    fill = use("st") if which == 1 else "#a51f2a"
    out = [f'<path d="M{pts([l0])}Q{pts([lc, l1])}L{pts([r1])}Q{pts([rc, r0])}Z" fill="{fill}" '
           'stroke="#761722" stroke-width="0.8" stroke-linejoin="round"/>']
    stripe_col = "#fff1dc" if which == 1 else "#e6d3bd"
    for t0, t1 in ((0.66, 0.74), (0.8, 0.88)):
        q = [edge(t0, 1), edge(t1, 1), edge(t1, -1), edge(t0, -1)]
        out.append(f'<path d="M{pts(q)}Z" fill="{stripe_col}"/>')
    ribs = []
    for t in (0.2, 0.4, 0.58):
        a1, b1 = edge(t, 0.8), edge(t, -0.8)
        ribs.append(f"M{pts([a1, b1])}")
    out.append(f'<path d="{"".join(ribs)}" stroke="#8a1823" stroke-width="0.5" opacity="0.5" fill="none"/>')
    # fringe
    (ex, ey), (dx, dy) = at(1.0)
    fr = []
    lag = math.radians(-swing * 0.35)
    c, s = math.cos(lag), math.sin(lag)
    fdx, fdy = dx * c - dy * s, dx * s + dy * c
    for i, u in enumerate((-0.8, -0.4, 0.0, 0.4, 0.8)):
        bx, by = ex - dy * w1 * u, ey + dx * w1 * u
        ln = 3.6 + (0.6 if i % 2 else 0)
        fr.append(f"M{n(bx)},{n(by - 0.3)}l{n(fdx * ln + u * 0.5)},{n(fdy * ln)}")
    col = "#b8262f" if which == 1 else "#8c1b25"
    out.append(f'<path d="{"".join(fr)}" stroke="{col}" stroke-width="1.3" fill="none"/>')
    return "".join(out)
