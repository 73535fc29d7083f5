"""Merlin's animations as runs of key poses.

Seq.to() blends from the current pose to a new one over n frames; R=(x, y) or L=(x, y) places a
hand with the arm solved to reach it.  Effects are functions of (t, k, pose): t the progress
inside the step, k the frame's index in the animation.
"""

import math

import posekit
from merlin_draw import REST, DISCRETE, Figure, ik

Seq = posekit.sequence_for(REST, DISCRETE, ik)


def hand(pose, side):
    return Figure(pose).hand_frame(side)


def tip(pose):
    return Figure(pose).wand_tip()


def both(*fns):
    return lambda t, k, p: [item for f in fns for item in f(t, k, p)]


# ----- effect helpers ---------------------------------------------------------------------------
def twinkles(k, count=6, cx=64.0, cy=66.0, rx=44.0, ry=50.0, seed=0.0, op=1.0, size=2.6):
    """Sparkles winking on and off around the figure."""
    out = []
    for i in range(count):
        a = i * 2.399 + seed
        r = 0.55 + 0.45 * ((i * 7 + int(seed * 3)) % 5) / 4
        phase = (k * 0.9 + i * 1.7 + seed) % 3.0
        s = size * (0.5 + 0.6 * abs(math.sin(phase * 1.05)))
        out.append(dict(kind="sparkle", x=cx + math.cos(a) * rx * r, y=cy + math.sin(a) * ry * r,
                        size=s, op=op * min(1.0, 0.35 + abs(math.sin(phase)))))
    return out


def cloud(amount, cx=64.0, cy=82.0, spread=1.0, op=1.0, seed=0.0, count=15):
    """A billowing cloud of magic smoke around the figure: `amount` 0..1 how thick it is, `spread`
    how far it has rolled out."""
    if amount <= 0.02 or op <= 0.02:
        return []
    circles = []
    for i in range(count):
        a = i * 2.39996 + seed
        rad = math.sqrt((i + 0.5) / count)
        x = cx + math.cos(a) * rad * 25 * spread
        y = cy + math.sin(a) * rad * 34 * spread - (spread - 1) * 8 * rad
        r = (8.5 + 4.5 * ((i * 5) % 3) / 2) * amount * (1.1 - 0.35 * rad)
        circles.append((x, min(y, 121 - r * 0.6), r))
    return [dict(kind="cloud", circles=circles, op=op)]


def burst(q, x, y, count=9, reach=30.0, seed=0.0, gravity=10.0):
    """Stars and sparkles flying out of (x, y); q from 0 (just out) to 1 (faded)."""
    out = []
    for i in range(count):
        a = math.radians(-160 + i * (140 / max(1, count - 1))) + seed
        rr = 3 + reach * q * (0.7 + 0.3 * ((i * 5) % 3) / 2)
        px, py = x + math.cos(a) * rr, y + math.sin(a) * rr + gravity * q * q
        op = max(0.0, 1 - q * 0.9)
        if i % 2:
            out.append(dict(kind="star", x=px, y=py, size=2.2 + (i % 3) * 0.5, rot=i * 20 + q * 200, op=op))
        else:
            out.append(dict(kind="sparkle", x=px, y=py, size=2.6 + (i % 3) * 0.6, op=op))
    return out


# ----- the animations ---------------------------------------------------------------------------
def build_animations():
    A = {}

    def held(name, seq, back_n=3, back_ms=80):
        """An animation ending on a held pose, with the Return that brings the figure back."""
        A[name] = {"frames": seq.frames, "return": name + "Return"}
        r = Seq()
        r.pose = dict(seq.pose)
        r.rest(back_n, back_ms)
        A[name + "Return"] = {"frames": r.frames}

    A["RestPose"] = {"frames": Seq().hold(100).frames}
    s = Seq()
    s.to(1, 50, lid=0.5).to(1, 60, lid=1.0).to(1, 50, lid=0.5).to(1, 70, lid=0.0)
    A["Blink"] = {"frames": s.frames}

    # Show: a puff of smoke and sparkles, and out of it steps the wizard
    s = Seq(dict(vis=0.0))
    steps = 11

    def smoke(prog):
        amount = min(1.0, prog / 0.3) if prog < 0.55 else max(0.0, 1 - (prog - 0.55) / 0.45)
        spread = 0.45 + 0.55 * min(1.0, prog / 0.3) + 0.5 * max(0.0, prog - 0.45)
        return cloud(amount ** 0.7, spread=spread, op=min(1.0, 1.6 - prog * 1.4), seed=prog * 0.6)

    for k in range(steps):
        prog = k / (steps - 1)
        v = max(0.0, min(1.0, (prog - 0.35) / 0.4))
        fx = (lambda prog: lambda t, k, p: smoke(prog) + twinkles(k, 9, op=min(1.0, prog * 3), seed=1.0,
                                                                 rx=30 + 16 * prog, ry=40 + 12 * prog))(prog)
        s.to(1, 70 if k else 90, fx=fx, vis=v, happy=1.0 if prog > 0.7 else 0.0, glow=max(0.0, prog - 0.4))
    s.to(2, 90, happy=0.0, glow=0.0, fx=lambda t, k, p: twinkles(k, 4, op=1 - t, seed=2.0))
    A["Show"] = {"frames": s.frames}

    # Hide: a flourish of the wand, then he vanishes into a puff of sparkles
    s = Seq()
    s.to(3, 80, ra=40, rb=20, wand=85, glow=0.6, happy=1.0, brow=1.0)
    s.to(1, 80, ra=30, rb=10, wand=70, glow=1.0)
    steps = 9
    for k in range(steps):
        prog = (k + 1) / steps
        v = max(0.0, 1 - prog / 0.55)
        amount = min(1.0, prog / 0.35) if prog < 0.5 else max(0.0, 1 - (prog - 0.5) / 0.5)
        spread = 0.5 + 0.5 * min(1.0, prog / 0.35) + 0.6 * max(0.0, prog - 0.45)
        fx = (lambda prog, amount, spread: lambda t, k, p: (
            cloud(amount ** 0.7, spread=spread, op=min(1.0, 1.7 - prog * 1.5), seed=2.0 + prog * 0.6)
            + twinkles(k, 9, op=max(0.0, 1.2 - prog), seed=3.0, rx=30 + 25 * prog, ry=40 + 20 * prog)))(
            prog, amount, spread)
        s.to(1, 80, fx=fx, vis=v)
    s.to(1, 80, vis=0.0, fx=lambda t, k, p: twinkles(k, 5, op=0.5, seed=4.0, rx=50, ry=56, size=2))
    A["Hide"] = {"frames": s.frames}

    # Greet: a bow, lifting the hat a little by its brim
    s = Seq()
    s.to(3, 80, L=(47, 44, "out"), lh="fist", brow=0.8, happy=0.0, mouth=0.9)
    s.to(3, 90, L=(46, 38, "out"), hat_lift=4, hat_tilt=-10, hat_dx=-1, pitch=2.2, head_dy=2.4,
         squash=0.98, happy=1.0, tilt=-3, ra=-70, rb=30, wand=40, beard=0.6)
    s.hold(380)
    s.to(3, 90, L=(47, 44, "out"), hat_lift=0, hat_tilt=0, hat_dx=0, pitch=0, head_dy=0, squash=1.0,
         tilt=0, beard=-0.3)
    s.rest(3, 80)
    A["Greet"] = {"frames": s.frames}

    # Wave: the free hand up, waving from the elbow
    s = Seq()
    s.to(2, 70, la=0, lb=50, brow=0.8, mouth=0.9)
    s.to(2, 80, la=30, lb=55, lh="open", mouth=1.0, tilt=2, happy=1.0)
    loop = s.i
    s.to(2, 80, lb=20, tilt=1, hat_bend=0.2, ease="io")
    s.to(2, 80, lb=60, tilt=3, hat_bend=-0.2, ease="io")
    last = s.i - 1
    s.branch(last, loop, 80)
    down = s.i
    s.rest(3, 80)
    s.exits(range(loop, last + 1), down)
    A["Wave"] = {"frames": s.frames}

    # Acknowledge: two nods
    s = Seq()
    s.to(2, 70, pitch=2.4, head_dy=1.6, lid=0.45, mouth=0.9, beard=0.3)
    s.to(2, 70, pitch=-0.5, head_dy=-0.3, lid=0.0, beard=-0.2)
    s.to(2, 70, pitch=2.0, head_dy=1.3, lid=0.4)
    s.rest(2, 80)
    A["Acknowledge"] = {"frames": s.frames}

    # Decline: shakes the head, the beard swinging after
    s = Seq()
    s.to(2, 70, turn=-0.6, brow_t=1.5, mouth=-0.2, beard=0.8, hat_bend=0.3)
    s.to(2, 70, turn=0.6, beard=-0.9, hat_bend=-0.3)
    s.to(2, 70, turn=-0.5, beard=0.8, hat_bend=0.3)
    s.to(2, 70, turn=0.35, beard=-0.5, hat_bend=-0.2)
    s.rest(2, 80)
    A["Decline"] = {"frames": s.frames}
    # Scripts lower these two by name; both end at rest already, so a moment of rest is their return.
    for name in ("Wave", "Decline"):
        A[name + "Return"] = {"frames": Seq().hold(60).frames}

    # Pleased: a little hop, hands clasped, beaming
    s = Seq()
    s.to(2, 70, squash=0.95, happy=1.0, mouth=1.2, cheeks=1.0)
    s.to(2, 70, squash=1.0, dy=-2.2, hat_bend=-0.3, beard=0.4, la=-40, ra=-40, rb=40, wand=70)
    s.to(2, 70, squash=1.0, dy=0, hat_bend=0.2, beard=-0.3, ease="in")
    s.to(3, 80, L=(57, 84), lf=True, lh="open", ra=10, rb=30, wand=70, glow=0.5, tilt=4, hat_bend=0,
         beard=0, mouth=1.2, fx=lambda t, k, p: [dict(kind="sparkle", x=tip(p)[0] + 5, y=tip(p)[1] - 5,
                                                      size=2.6 * t)])
    s.to(1, 100, tilt=3.5, fx=lambda t, k, p: [dict(kind="sparkle", x=tip(p)[0] + 5, y=tip(p)[1] - 5, size=2.6),
                                               dict(kind="sparkle", x=tip(p)[0] - 6, y=tip(p)[1] + 3, size=1.6)])
    held("Pleased", s)

    # Sad: drooping head, brows and hat
    s = Seq()
    s.to(4, 90, tilt=-4, pitch=2.2, head_dy=1.0, brow_t=2.6, lid=0.35, mouth=-0.8, gaze_y=0.8,
         la=-84, lb=0, ra=-80, rb=10, wand=-20, hat_bend=0.6, hat_tilt=-3, squash=0.98, cheeks=0.4)
    s.to(2, 110, pitch=2.5, lid=0.45)
    held("Sad", s)

    # Alert: a jolt upright, wide eyes, an exclamation mark
    bang = lambda t, k, p: [dict(kind="exclaim", x=100, y=22 - 3 * t, size=9 + t, op=min(1.0, 0.5 + t))]
    steady = lambda t, k, p: [dict(kind="exclaim", x=100, y=19, size=10)]
    s = Seq()
    s.to(1, 60, squash=0.95, lid=0.2)
    s.to(1, 60, squash=1.01, dy=-1, wide=1.0, lid=0.0, brow=2.2, mouth=0.0, hat_lift=1.5,
         hat_bend=-0.4, la=-55, lb=20, fx=bang)
    s.to(2, 80, squash=1.0, dy=0, hat_lift=0, hat_bend=0.1, fx=steady)
    s.to(1, 100, hat_bend=0, fx=steady)
    held("Alert", s)

    # Surprised: jumps, the hat pops up off his head
    s = Seq()
    s.to(1, 60, squash=0.94, lid=0.3)
    s.to(2, 70, squash=1.0, dy=-1.5, wide=1.0, lid=0.0, brow=2.8, mouth_o=1.0, la=20, lb=40,
         ra=10, rb=40, wand=80, lh="open", hat_lift=4, hat_tilt=-8, hat_bend=-0.6)
    s.to(2, 70, squash=0.98, dy=0, hat_lift=1, hat_tilt=-2, hat_bend=0.3, ease="in")
    s.to(2, 80, squash=1.0, hat_lift=0, hat_tilt=0, hat_bend=0, mouth_o=0.6, la=0, lb=50)
    held("Surprised", s)

    # Confused: head tilted, scratching under the hat, a question mark
    def qm(t, k, p):
        return [dict(kind="question", x=98, y=24 - 2 * t, size=9, op=min(1.0, 0.3 + t), rot=12)]

    q = lambda t, k, p: [dict(kind="question", x=98, y=22, size=9, rot=12 + 6 * math.sin(k))]
    s = Seq()
    s.to(3, 80, tilt=-6, brow_l=2.0, brow_r=-0.5, mouth=-0.2, gaze_x=0.8, gaze_y=-0.6,
         L=(50, 44, "out"), lh="fist", hat_tilt=-4, hat_bend=0.3, fx=qm)
    for j in range(2):
        s.to(1, 80, L=(49, 41, "out"), hat_tilt=-6, fx=q)
        s.to(1, 80, L=(50, 45, "out"), hat_tilt=-4, fx=q)
    s.hold(100, fx=q)
    held("Confused", s)

    # Announce: wand and hand up, ta-da
    def tada(t, k, p):
        x, y = tip(p)
        return [dict(kind="sparkle", x=x - 6, y=y - 6, size=1.5 + 2 * t, op=t),
                dict(kind="sparkle", x=x + 4, y=y + 8, size=1 + 1.6 * t, op=t),
                dict(kind="sparkle", x=24, y=30, size=2 + 1.6 * t, op=t)]

    s = Seq()
    s.to(1, 70, squash=0.96)
    s.to(3, 80, squash=1.02, la=35, lb=25, lh="open", ra=40, rb=15, wand=75, glow=1.0, brow=1.8,
         wide=0.4, mouth=1.2, hat_bend=-0.3, fx=tada)
    s.to(2, 90, squash=1.0, hat_bend=0, fx=tada)
    held("Announce", s)

    # Explain: hands open at chest height
    s = Seq()
    s.to(4, 80, la=-20, lb=45, lh="open", ra=-30, rb=55, wand=70, brow=1.2, tilt=3, gaze_x=0.5,
         mouth=0.9)
    s.to(1, 100, tilt=2.5)
    held("Explain", s)

    # Suggest: a finger up, a bright idea sparkling above it
    def idea(t, k, p):
        x, y = hand(p, -1)
        return [dict(kind="sparkle", x=x - 3, y=y - 13, size=1.5 + 2.4 * t, op=min(1.0, 0.2 + t)),
                dict(kind="sparkle", x=x + 4, y=y - 9, size=0.8 + 1.2 * t, op=t)]

    s = Seq()
    s.to(4, 80, L=(46, 48, "out"), lh="point", brow_l=1.8, brow_r=1.0, gaze_x=-0.8, gaze_y=-0.8,
         tilt=2, mouth=0.9, fx=idea)
    s.hold(100, fx=idea)
    held("Suggest", s)

    # Thinking: a hand at the beard, eyes up, stroking slowly
    s = Seq()
    chin = (60, 70)
    s.to(4, 90, L=chin, lf=True, lh="open", gaze_x=1.0, gaze_y=-1.4, brow_l=0.4, brow_r=1.6,
         brow_t=0.6, mouth=0.1, tilt=3)
    loop = s.i
    s.to(2, 120, gaze_x=-0.8, gaze_y=-1.5, brow_l=1.6, brow_r=0.4, L=(61, 76), beard=0.2)
    s.hold(160)
    s.to(2, 120, gaze_x=1.0, gaze_y=-1.4, brow_l=0.4, brow_r=1.6, L=chin, beard=0.0)
    s.hold(160)
    last = s.i - 1
    s.branch(last, loop, 85)
    down = s.i
    s.rest(4, 80)
    s.exits(range(loop, last + 1), down)
    A["Thinking"] = {"frames": s.frames}

    # Processing: peering into a glowing crystal ball
    def ball(scale=1.0, glow=0.6):
        return lambda t, k, p: [dict(kind="orb", scale=scale if scale >= 0 else t, glow=glow, phase=k * 0.8,
                                     layer="mid")]

    s = Seq()
    lg, rg = (51, 92), (77, 92)
    s.to(3, 80, L=lg, R=rg, lh="open", wand=84, pitch=2.0, gaze_y=1.4, brow=0.6,
         mouth=0.3, fx=lambda t, k, p: [dict(kind="orb", scale=t, glow=0.3 * t, phase=k, layer="mid")])
    loop = s.i
    for j, g in enumerate((0.5, 0.8, 1.0, 0.8, 0.55, 0.4)):
        s.to(1, 110, fx=ball(1, g), brow=0.6 + g * 0.8, wide=g * 0.3, glow=g * 0.3,
             gaze_x=math.sin(j * 1.05) * 0.5, tilt=math.sin(j * 1.05) * 2)
    last = s.i - 1
    s.branch(last, loop, 85)
    down = s.i
    s.to(2, 80, fx=lambda t, k, p: [dict(kind="orb", scale=1 - t, glow=0.3, phase=k, layer="mid")],
         pitch=1.0, gaze_y=0.5, glow=0)
    s.rest(3, 80)
    s.exits(range(loop, last + 1), down)
    A["Processing"] = {"frames": s.frames}

    # StartListening: a hand cupped behind the ear, head tilted
    s = Seq()
    s.to(4, 90, L=(48, 50, "out"), lh="open", tilt=-5, gaze_x=-1.0, brow_l=1.5, brow_r=0.4,
         mouth=0.3, hat_bend=0.2)
    s.to(1, 100, hat_bend=0.1)
    held("StartListening", s)

    # DoMagic1: the wand raised high, its star glowing
    def glimmer(t, k, p):
        x, y = tip(p)
        return [dict(kind="sparkle", x=x + 7 * math.cos(k * 1.3), y=y + 7 * math.sin(k * 1.3), size=2.4 * t),
                dict(kind="sparkle", x=x - 6 * math.cos(k * 0.9), y=y + 5, size=1.6 * t, op=0.8)]

    s = Seq()
    s.to(2, 80, squash=0.97, brow=1.0, gaze_x=1.0, gaze_y=-1.2)
    s.to(4, 80, ra=55, rb=20, wand=80, glow=1.0, squash=1.0, brow=1.8, gaze_x=1.2, gaze_y=-1.5,
         mouth=0.9, hat_bend=-0.2, fx=glimmer)
    s.hold(120, fx=glimmer)
    s.hold(120, fx=glimmer)
    held("DoMagic1", s)

    # DoMagic2: a swish of the wand and a burst of sparkles and stars from its tip
    s = Seq()
    s.to(3, 80, ra=55, rb=20, wand=90, glow=0.6, brow=1.2, gaze_x=1.2, gaze_y=-1.5)
    k0 = s.i
    at = {}

    def flash(t, k, p):
        if "tip" not in at:
            at["tip"] = tip(p)
        x, y = at["tip"]
        return burst((k - k0 + t) / 7, x, y, 11, reach=36, gravity=14)

    s.to(1, 60, ra=20, rb=10, wand=40, glow=1.0, squash=1.02, wide=0.6, mouth=1.1, hat_bend=0.4,
         beard=0.5, fx=lambda t, k, p: [dict(kind="sparkle", x=tip(p)[0], y=tip(p)[1], size=6)])
    s.to(5, 80, squash=1.0, happy=1.0, wide=0.0, hat_bend=-0.1, beard=-0.2, glow=0.3, fx=flash)
    s.to(2, 80, glow=0.0, hat_bend=0, beard=0, fx=flash)
    s.rest(3, 80)
    A["DoMagic2"] = {"frames": s.frames}

    # Gestures, as seen on the screen
    s = Seq()
    s.to(4, 80, la=12, lb=-4, lh="point", turn=-0.35, gaze_x=-1.2, brow=1.0, mouth=0.9, tilt=-2,
         hat_bend=0.2)
    s.to(1, 100, hat_bend=0.1)
    held("GestureLeft", s)
    s = Seq()
    s.to(4, 80, ra=-2, rb=30, wand=18, glow=0.15, turn=0.35, gaze_x=1.2, brow=1.0, mouth=0.9, tilt=2,
         hat_bend=-0.2)
    s.to(1, 100, hat_bend=-0.1)
    held("GestureRight", s)
    s = Seq()
    s.to(4, 80, la=68, lb=16, lh="point", lf=True, pitch=-1.2, gaze_y=-1.6, gaze_x=-0.6, brow=1.6, mouth=0.9,
         tilt=-2)
    s.to(1, 100)
    held("GestureUp", s)
    s = Seq()
    s.to(4, 80, ra=-70, rb=30, wand=-62, glow=0.5, pitch=2.0, gaze_y=1.5, gaze_x=1.0, brow=0.6,
         mouth=0.8, tilt=3)
    s.to(1, 100)
    held("GestureDown", s)
    # How far below the top of the frame the hand points sideways: the figure stands that much above
    # the middle of what it shows.
    gesture_y = 60

    # Walking: a steady shuffle, the robe swaying and the slippers stepping out under the hem
    def walk(side, back=False):
        s = Seq()
        turn = 0.55 * side
        s.to(2, 80, turn=turn, gaze_x=1.0 * side, lean=2.0 * side, back=back, hat_bend=-0.2 * side)
        loop = s.i
        n_ = 8
        for j in range(n_):
            ph = (j + 1) / n_ * 2 * math.pi
            sn = math.sin(ph)
            s.to(1, 75, ease="lin", lift_l=max(0.0, sn) * 3.2, lift_r=max(0.0, -sn) * 3.2,
                 dy=-abs(sn) * 1.6, hem=(sn * 2.2) - side * 1.5, beard=-side * 0.4 + math.cos(ph) * 0.25,
                 hat_bend=-side * 0.35 + math.cos(ph) * 0.2, la=-74 + sn * 9, ra=-62 - sn * 9,
                 tilt=sn * 1.2)
        last = s.i - 1
        s.branch(last, loop, 95)
        stop = s.i
        s.to(2, 80, lift_l=0, lift_r=0, dy=0, hem=0, beard=0, hat_bend=0, la=-74, ra=-62, tilt=0, lean=0)
        s.rest(2, 80)
        s.exits(range(loop, last + 1), stop)
        return s.frames

    A["MoveLeft"] = {"frames": walk(-1)}
    A["MoveRight"] = {"frames": walk(1)}
    A["MoveUp"] = {"frames": walk(0, back=True)}
    A["MoveDown"] = {"frames": walk(0)}

    # Idle1: looks around
    s = Seq()
    s.to(3, 90, turn=-0.7, gaze_x=-1.2, brow_l=0.8, beard=0.3)
    s.hold(450)
    s.to(1, 60, lid=1.0).to(1, 60, lid=0.0)
    s.to(4, 90, turn=0.7, gaze_x=1.2, brow_l=0, brow_r=0.8, beard=-0.3)
    s.hold(450)
    s.rest(3, 90)
    A["Idle1"] = {"frames": s.frames}

    # Idle2: strokes his beard, pleased with it
    s = Seq()
    s.to(4, 80, L=(58, 68), lf=True, lh="open", gaze_y=1.0, gaze_x=0.4, lid=0.3, tilt=2)
    for j in range(2):
        s.to(2, 100, L=(61, 84), beard=0.35, lid=0.4)
        s.to(2, 90, L=(58, 68), beard=0.0)
    s.to(2, 90, happy=1.0, mouth=1.0, gaze_y=0, lid=0.0)
    s.hold(250)
    s.rest(4, 80)
    A["Idle2"] = {"frames": s.frames}

    # Idle3: a big yawn behind the hand
    s = Seq()
    s.to(3, 90, lid=0.6, brow=1.2, pitch=-1.0)
    s.to(3, 110, mouth_o=1.0, lid=1.0, brow=2.0, pitch=-1.8, L=(60, 62), lf=True, lh="open",
         squash=1.02, hat_bend=-0.3)
    s.hold(400, fx=lambda t, k, p: [dict(kind="zed", x=96, y=28, size=8, op=0.8)])
    s.to(3, 100, mouth_o=0.0, lid=0.5, brow=0.2, pitch=0, squash=1.0, hat_bend=0,
         fx=lambda t, k, p: [dict(kind="zed", x=98, y=24 - 4 * t, size=8 + 2 * t, op=0.8 * (1 - t))])
    s.to(1, 80, lid=1.0).to(1, 80, lid=0.3)
    s.rest(3, 90)
    A["Idle3"] = {"frames": s.frames}

    # Idle4: juggles three little golden stars
    def juggle(k0):
        def fx(t, k, p):
            (lx, ly), (rx, ry) = hand(p, -1), hand(p, 1)
            out = []
            for i in range(3):
                u = ((k - k0) / 4.0 + i / 3.0) % 1.0
                # one arc from the left hand to the right, returning low
                if u < 0.6:
                    v = u / 0.6
                    x = lx + (rx - lx) * v
                    y = ly - 6 - math.sin(v * math.pi) * 30
                else:
                    v = (u - 0.6) / 0.4
                    x = rx + (lx - rx) * v
                    y = ry - 5 - math.sin(v * math.pi) * 5
                out.append(dict(kind="star", x=x, y=y, size=4.0, rot=k * 30 + i * 40, glow=0.6))
            return out
        return fx

    s = Seq()
    s.to(2, 80, wand_on=0.0, fx=lambda t, k, p: [dict(kind="sparkle", x=tip(p)[0], y=tip(p)[1],
                                                      size=3 + 2 * t, op=1 - t * 0.6)])
    s.to(3, 80, L=(46, 84), R=(82, 84), lh="fist", rh="fist", gaze_y=-0.5, brow=1.0, mouth=0.8)
    k0 = s.i
    for j in range(12):
        up = j % 2
        s.to(1, 80, L=(46, 82 - 4 * up), R=(82, 86 - 4 * (1 - up)), gaze_x=math.sin(j * 0.8) * 1.1,
             gaze_y=-1.0, fx=juggle(k0))
    s.to(3, 80, happy=1.0, mouth=1.1, la=-74, lb=-4, ra=-62, rb=44, gaze_x=0, gaze_y=0,
         fx=lambda t, k, p: [dict(kind="sparkle", x=64 + (i - 1) * 16, y=50 - 10 * t, size=3 * (1 - t), op=1 - t)
                             for i in range(3)])
    s.to(2, 80, wand_on=1.0, happy=0.0, mouth=0.5, fx=lambda t, k, p: [dict(kind="sparkle", x=tip(p)[0],
                                                                             y=tip(p)[1], size=4 * (1 - t))])
    A["Idle4"] = {"frames": s.frames}

    states = {
        "Showing": ["Show"], "Hiding": ["Hide"], "Speaking": ["RestPose"],
        "MovingLeft": ["MoveLeft"], "MovingRight": ["MoveRight"],
        "MovingUp": ["MoveUp"], "MovingDown": ["MoveDown"],
        "GesturingLeft": ["GestureLeft"], "GesturingRight": ["GestureRight"],
        "GesturingUp": ["GestureUp"], "GesturingDown": ["GestureDown"],
        "Idling": ["Idle1", "Idle2", "Idle3", "Idle4", "Blink"],
    }
    return A, states, gesture_y
