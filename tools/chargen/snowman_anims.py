"""The snowman's animations as runs of key poses.

Seq.to() blends from the current pose to a new one over n frames; R=(x, y) or L=(x, y) places a
hand with the arm solved to reach it.  Effects are functions of (t, k, pose): t the progress
inside the step, k the frame's index in the animation.
"""

import math

import posekit
from snowman_draw import REST, DISCRETE, Figure, ik

Seq = posekit.sequence_for(REST, DISCRETE, ik)


def hand(pose, side):
    return Figure(pose).hand_frame(side)


# ----- effect helpers ---------------------------------------------------------------------------
def swirl(progress, count=14, cx=64.0, cy=72.0, r0=54.0, inward=True, seed=0.0):
    """Flakes on a spiral: progress 0 far out, 1 arrived (or the other way round)."""
    out = []
    for i in range(count):
        delay = (i % 5) * 0.06
        p = min(1.0, max(0.0, (progress - delay) / (1 - 0.3)))
        if not inward:
            p = 1 - p
        ang = i * 2.399 + seed + p * 3.2
        r = r0 * (0.75 + 0.25 * ((i * 7) % 5) / 4) * (1 - p) ** 1.3
        op = min(1.0, (1 - p) * 3.0) * min(1.0, p * 6 + 0.4) if inward else min(1.0, (1 - p) * 3.0)
        if op < 0.05:
            continue
        size = 2.0 + (i % 3) * 0.9
        out.append(dict(kind="flake", x=cx + math.cos(ang) * r, y=cy + math.sin(ang) * r * 0.8,
                        size=size, rot=i * 17 + p * 120, op=op))
    return out


def drift(k, count=6, seed=1.0, top=8, bottom=118, speed=9.0):
    """A few flakes falling gently around the figure."""
    out = []
    for i in range(count):
        x = 10 + ((i * 37 + seed * 53) % 108)
        y = top + ((i * 23 + k * speed + seed * 31) % (bottom - top))
        x += math.sin(k * 0.7 + i) * 3
        out.append(dict(kind="flake", x=x, y=y, size=1.8 + (i % 3) * 0.7, rot=k * 15 + i * 20,
                        op=0.85, layer="back"))
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

    # RestPose and Blink
    A["RestPose"] = {"frames": Seq().hold(100).frames}
    s = Seq()
    s.to(1, 50, lid=0.55).to(1, 60, lid=1.0).to(1, 50, lid=0.45).to(1, 70, lid=0.0)
    A["Blink"] = {"frames": s.frames}

    # Show: snow gathers into a pile, rolls up into three balls, the hat drops on
    s = Seq(dict(build=0.0))
    steps = 10

    def show_fx(t, k, pose):
        prog = k / (steps - 1)
        amount = min(1.0, prog * 4) * (1 - min(1.0, max(0.0, (prog - 0.35) / 0.35)))
        fx = swirl(min(1.0, prog * 1.15), 16)
        fx.append(dict(kind="pile", amount=amount, layer="ground"))
        return fx

    for k in range(steps):
        prog = k / (steps - 1)
        b = max(0.0, min(1.0, (prog - 0.12) / 0.88))
        s.to(1, 90 if k else 110, fx=show_fx, build=b, squash=1.0, lid=0.0)
    s.to(1, 70, squash=1.06, lid=0.0, fx=lambda t, k, p: [
        dict(kind="sparkle", x=36, y=30, size=3.4), dict(kind="sparkle", x=94, y=44, size=2.6)])
    s.to(1, 80, squash=0.95, happy=1.0, mouth=1.1, fx=lambda t, k, p: [
        dict(kind="sparkle", x=32, y=26, size=2.4, op=0.7), dict(kind="sparkle", x=98, y=40, size=3.4)])
    s.to(1, 90, squash=1.0, happy=1.0, fx=lambda t, k, p: [dict(kind="sparkle", x=98, y=40, size=2, op=0.6)])
    s.to(1, 120, happy=0.0, mouth=0.6)
    A["Show"] = {"frames": s.frames}

    # Hide: a little hop, the hat spins up and the snowman whirls away into flakes and a heap of snow
    s = Seq()
    s.to(2, 70, squash=0.92, happy=1.0, brow_l=1, brow_r=1)
    s.to(1, 70, squash=1.05, dy=-2, happy=0.0, lid=0.0, hat_lift=3, hat_tilt=-6)
    schedule = [0.97, 0.9, 0.8, 0.68, 0.55, 0.42, 0.3, 0.18, 0.07, 0.0]

    def hide_fx(b, prog):
        def fx(t, k, p):
            heap = (1 - min(1.0, b / 0.34)) * (1 - max(0.0, (prog - 0.85) / 0.15) * 0.5)
            return swirl(1 - prog, 16, inward=False, seed=1.3) + [
                dict(kind="pile", amount=heap * 0.8, layer="ground")]
        return fx

    for j, b in enumerate(schedule):
        prog = (j + 1) / len(schedule)
        s.to(1, 80, fx=hide_fx(b, prog), build=b, dy=0, squash=1.0,
             hat_lift=3 + prog * 10, hat_tilt=-6 - prog * 40)
    s.to(1, 90, fx=lambda t, k, p: [dict(kind="pile", amount=0.25, layer="ground")])
    s.to(1, 80)
    A["Hide"] = {"frames": s.frames}

    # Greet: tips the hat with a little bow
    s = Seq()
    s.to(2, 80, ra=-10, rb=70, brow_r=1, gaze_x=0.5)
    s.to(2, 80, R=(80, 30, "out"), rh="hold")
    s.to(1, 80, R=(80, 30, "out"), hat_grab=1.0)
    s.to(3, 90, R=(84, 27, "out"), hat_tilt=-24, pitch=2.2, head_dy=3.0, tilt=-4, gaze_x=0,
         happy=1.0, mouth=1.1, scarf=-6, la=-30, lb=6)
    s.hold(320)
    s.to(3, 90, R=(80, 30, "out"), hat_tilt=0, pitch=0, head_dy=0, tilt=0,
         happy=0.0, scarf=3, la=-38, lb=-8)
    s.to(1, 80, hat_grab=0.0)
    s.rest(3, 80)
    A["Greet"] = {"frames": s.frames}

    # Wave: the right twig up, the forearm swinging
    s = Seq()
    s.to(2, 70, ra=5, rb=60, brow_l=1, brow_r=1, mouth=0.9)
    s.to(2, 80, ra=52, rb=28, rh="open", mouth=1.0, tilt=-3)
    loop = s.i
    s.to(2, 80, rb=-8, tilt=-1, scarf=-3, ease="io")
    s.to(2, 80, rb=40, tilt=-4, scarf=3, ease="io")
    last = s.i - 1
    s.branch(last, loop, 80)
    down = s.i
    s.rest(3, 80)
    s.exits(range(loop, last + 1), down)
    A["Wave"] = {"frames": s.frames}

    # Acknowledge: two nods
    s = Seq()
    s.to(2, 70, pitch=3, head_dy=1.6, lid=0.45, mouth=0.9, scarf=-1)
    s.to(2, 70, pitch=-0.5, head_dy=-0.3, lid=0.0, scarf=1)
    s.to(2, 70, pitch=2.5, head_dy=1.3, lid=0.4)
    s.rest(2, 80)
    A["Acknowledge"] = {"frames": s.frames}

    # Decline: shakes the head
    s = Seq()
    s.to(2, 70, turn=-0.7, brow_tl=10, brow_tr=10, mouth=-0.2, scarf=5)
    s.to(2, 70, turn=0.7, scarf=-5)
    s.to(2, 70, turn=-0.6, scarf=4)
    s.to(2, 70, turn=0.4, scarf=-3)
    s.rest(2, 80)
    A["Decline"] = {"frames": s.frames}
    # Scripts lower these two by name; both end at rest already, so a moment of rest is their return.
    for name in ("Wave", "Decline"):
        A[name + "Return"] = {"frames": Seq().hold(60).frames}

    # Pleased: a happy hop, ends beaming
    s = Seq()
    s.to(2, 70, squash=0.92, happy=1.0, mouth=1.1, cheeks=1.0, la=5, ra=5, lb=25, rb=25)
    s.to(2, 70, squash=1.03, dy=-3.5, grin=1.0, la=30, ra=30, scarf=-4, hat_tilt=-4)
    s.to(2, 70, squash=1.0, dy=0, scarf=4, hat_tilt=0, ease="in")
    s.to(1, 70, squash=0.95, grin=0.0, mouth=1.2)
    s.to(3, 80, squash=1.0, L=(60, 73), R=(68, 73), lf=True, rf=True, lh="hold", rh="hold",
         tilt=5, scarf=0)
    s.to(1, 100, tilt=4)
    held("Pleased", s)

    # Sad
    s = Seq()
    s.to(4, 90, tilt=-4, pitch=2.4, head_dy=0.8, brow_tl=24, brow_tr=24, brow_l=0.5, brow_r=0.5,
         lid=0.38, lid_tilt=16, mouth=-0.8, mouth_w=0.85, la=-66, ra=-66, lb=-6, rb=-6,
         squash=0.97, gaze_y=0.8, cheeks=0.3, hat_tilt=-3)
    s.to(2, 110, pitch=2.8, lid=0.45)
    held("Sad", s)

    # Alert: a jolt upright, wide eyes, an exclamation mark
    s = Seq()
    s.to(1, 60, squash=0.93, lid=0.2)
    bang = lambda t, k, p: [dict(kind="exclaim", x=96, y=20 - 3 * t, size=9 + t, op=min(1.0, 0.5 + t))]
    s.to(1, 60, squash=1.04, dy=-1, wide=1.0, lid=0.0, brow_l=2.5, brow_r=2.5, mouth=0.0,
         la=8, ra=8, lb=18, rb=18, hat_lift=1.5, scarf=-4, fx=bang)
    s.to(2, 80, squash=1.0, dy=0, hat_lift=0, scarf=2, fx=lambda t, k, p: [dict(kind="exclaim", x=96, y=17, size=10)])
    s.to(1, 100, scarf=0, fx=lambda t, k, p: [dict(kind="exclaim", x=96, y=17, size=10)])
    held("Alert", s)

    # Surprised: jumps, the hat pops up
    s = Seq()
    s.to(1, 60, squash=0.92, lid=0.3)
    s.to(2, 70, squash=1.03, dy=-1, wide=1.0, lid=0.0, brow_l=3, brow_r=3, mouth_o=1.0,
         la=38, ra=38, lb=22, rb=22, lspread=1.3, rspread=1.3, hat_lift=4, hat_tilt=-10, scarf=-6)
    s.to(2, 70, squash=0.97, dy=0, hat_lift=1, hat_tilt=-3, scarf=5, ease="in")
    s.to(2, 80, squash=1.0, hat_lift=0, hat_tilt=0, scarf=0, la=30, ra=30, lb=28, rb=28, mouth_o=0.6)
    held("Surprised", s)

    # Confused: head tilted, scratching behind the hat, a question mark
    def qm(t, k, p):
        return [dict(kind="question", x=34, y=18 - 2 * t, size=9, op=min(1.0, 0.3 + t), rot=-12)]

    s = Seq()
    s.to(3, 80, tilt=6, brow_l=2.2, brow_r=-0.4, brow_tl=-8, brow_tr=12, mouth=-0.1, mouth_w=0.8,
         gaze_x=-0.8, gaze_y=-0.6, R=(86, 36, "out"), rh="hold", hat_tilt=5, scarf=-2, fx=qm)
    q = lambda t, k, p: [dict(kind="question", x=34, y=16, size=9, rot=-12 + 6 * math.sin(k))]
    for j in range(2):
        s.to(1, 80, R=(87, 33, "out"), hat_tilt=7, fx=q)
        s.to(1, 80, R=(86, 37, "out"), hat_tilt=5, fx=q)
    s.hold(100, fx=q)
    held("Confused", s)

    # Announce: both twigs up, ta-da
    def tada(t, k, p):
        return [dict(kind="sparkle", x=22, y=22, size=2 + 2 * t, op=t),
                dict(kind="sparkle", x=106, y=22, size=2 + 2 * t, op=t)]

    s = Seq()
    s.to(1, 70, squash=0.95, la=-20, ra=-20)
    s.to(3, 80, squash=1.03, la=55, ra=55, lb=8, rb=8, brow_l=1.8, brow_r=1.8, wide=0.4,
         mouth=1.1, lspread=1.3, rspread=1.3, hat_lift=1.5, scarf=-3, fx=tada)
    s.to(2, 90, squash=1.0, hat_lift=0, scarf=0, fx=tada)
    held("Announce", s)

    # Explain: twigs open to the sides at chest height
    s = Seq()
    s.to(4, 80, la=-22, ra=2, lb=38, rb=30, lspread=1.25, rspread=1.25, brow_l=1.6, brow_r=0.8,
         tilt=4, gaze_x=0.6, mouth=0.8, scarf=2)
    s.to(1, 100, scarf=0)
    held("Explain", s)

    # Suggest: one twig finger up, a bright idea
    def idea(t, k, p):
        x, y = hand(p, 1)
        return [dict(kind="sparkle", x=x + 5, y=y - 11, size=1.5 + 2.4 * t, op=min(1.0, 0.2 + t))]

    s = Seq()
    s.to(4, 80, ra=68, rb=16, rh="point", brow_l=1.6, brow_r=2.2, gaze_x=1.0, gaze_y=-0.8,
         tilt=-3, mouth=0.9, fx=idea)
    s.hold(100, fx=idea)
    held("Suggest", s)

    # Thinking: twig to the chin, eyes up, loops
    s = Seq()
    chin = (71, 60, "down")
    s.to(4, 90, R=chin, rf=True, rfs=0.75, rfa=1.2, rh="point", gaze_x=-1.0, gaze_y=-1.3, brow_l=1.8, brow_r=0.2,
         brow_tl=-6, mouth=0.1, mouth_w=0.8, tilt=-3)
    loop = s.i
    s.to(2, 120, gaze_x=0.9, gaze_y=-1.4, brow_l=0.4, brow_r=1.8, R=(72, 59, "down"))
    s.hold(150)
    s.to(2, 120, gaze_x=-1.0, gaze_y=-1.3, brow_l=1.8, brow_r=0.2, R=chin)
    s.hold(150)
    last = s.i - 1
    s.branch(last, loop, 85)
    down = s.i
    s.rest(4, 80)
    s.exits(range(loop, last + 1), down)
    A["Thinking"] = {"frames": s.frames}

    # Processing: shakes a little snow globe
    def globe(scale=1.0, rot=0.0, swirl_=1.0):
        return lambda t, k, p: [dict(kind="globe", scale=scale if scale >= 0 else t, rot=rot,
                                     phase=k * 0.9, swirl=swirl_, layer="mid")]

    s = Seq()
    lg, rg = (54, 84), (74, 84)
    s.to(3, 80, L=lg, R=rg, lf=True, rf=True, lh="hold", rh="hold", pitch=2.2, gaze_y=1.4,
         mouth=0.8, fx=lambda t, k, p: [dict(kind="globe", scale=t, phase=k, swirl=0.2, layer="mid")])
    loop = s.i
    s.to(1, 80, L=(51, 83), R=(70, 80), tilt=-2, scarf=3, fx=globe(1, -14, 1.0))
    s.to(1, 80, L=(58, 81), R=(77, 84), tilt=2, scarf=-3, fx=globe(1, 12, 1.0))
    s.to(1, 80, L=(51, 84), R=(70, 82), tilt=-2, scarf=3, fx=globe(1, -12, 1.0))
    s.to(1, 90, L=lg, R=rg, tilt=0, scarf=0, fx=globe(1, 0, 0.6))
    s.to(1, 110, happy=1.0, mouth=1.0, fx=globe(1, 0, 0.3))
    s.to(1, 110, happy=0.0, mouth=0.8, fx=globe(1, 0, 0.1))
    last = s.i - 1
    s.branch(last, loop, 85)
    down = s.i
    s.to(2, 80, fx=lambda t, k, p: [dict(kind="globe", scale=1 - t, phase=k, swirl=0.0, layer="mid")],
         pitch=1.0, gaze_y=0.5)
    s.rest(3, 80)
    s.exits(range(loop, last + 1), down)
    A["Processing"] = {"frames": s.frames}

    # StartListening: twig cupped behind where an ear would be, head tilted
    s = Seq()
    s.to(4, 90, R=(87, 41, "out"), rh="hold", tilt=6, gaze_x=1.2, brow_r=1.6, brow_l=0.3,
         mouth=0.3, mouth_w=0.85, scarf=-2)
    s.to(1, 100, scarf=0)
    held("StartListening", s)
    r = Seq()
    r.pose = dict(s.pose)
    r.to(1, 80, lid=0.5).to(1, 80, lid=0.0).rest(3, 80)
    A["StopListening"] = {"frames": r.frames}

    # DoMagic1: conjures a ring of snowflakes that whirls around the snowman, then tosses it up
    def magic1(t, k, p, start=0):
        (lx, ly), (rx, ry) = hand(p, -1), hand(p, 1)
        age = k - start + t
        grow = min(1.0, age / 3.0)
        out = []
        for i in range(11):
            a = age * 0.55 + i * (2 * math.pi / 11)
            rr = 14 + 28 * grow
            y = 84 - 6 * grow + math.sin(a) * 9 * grow
            out.append(dict(kind="flake", x=64 + math.cos(a) * rr, y=y + math.sin(i * 1.7) * 2,
                            size=2.0 + (i % 3) * 0.8, rot=k * 25 + i * 13,
                            op=min(1.0, 0.35 + age * 0.25) * (0.75 if math.sin(a) < 0 else 1.0),
                            layer="back" if math.sin(a) < 0 else "top"))
        out.append(dict(kind="sparkle", x=lx, y=ly - 5, size=2.2 + (k % 2), op=0.9))
        out.append(dict(kind="sparkle", x=rx, y=ry - 5, size=3.2 - (k % 2), op=0.9))
        return out

    s = Seq()
    s.to(3, 80, la=22, ra=22, lb=28, rb=28, lspread=1.3, rspread=1.3, brow_l=1.5, brow_r=1.5,
         gaze_y=0.6, mouth=0.9, wide=0.3,
         fx=lambda t, k, p: [dict(kind="sparkle", x=hand(p, -1)[0], y=hand(p, -1)[1] - 5, size=2.6 * t),
                             dict(kind="sparkle", x=hand(p, 1)[0], y=hand(p, 1)[1] - 5, size=2.6 * t)])
    start = s.i
    for j in range(6):
        wig = 7 if j % 2 else -7
        s.to(1, 80, lb=28 + wig, rb=28 - wig, scarf=wig * 0.5, gaze_x=math.cos(j * 1.1) * 1.2,
             fx=lambda t, k, p: magic1(t, k, p, start))

    # toss it up: the flakes fly up and spread, then fall as snow
    def toss(t, k, p):
        out = []
        for i in range(11):
            x = 64 + math.cos(i * 2.4) * (40 + 8 * t)
            y = 80 - 60 * t + math.sin(i * 2.4) * 8 + 22 * t * t
            out.append(dict(kind="flake", x=x, y=y, size=2 + (i % 3) * 0.8, rot=i * 30 + 90 * t,
                            op=1 - 0.3 * t))
        return out

    s.to(2, 90, la=62, ra=62, lb=10, rb=10, happy=1.0, mouth=1.1, gaze_x=0, gaze_y=-1, scarf=-3, fx=toss)
    s.to(2, 100, fx=lambda t, k, p: [f for f in drift(k, 8, seed=3.0) if f.update(op=0.9 - 0.4 * t) or True],
         la=10, ra=10, lb=10, rb=10, happy=0.0, gaze_y=0, scarf=0)
    s.rest(3, 80)
    A["DoMagic1"] = {"frames": s.frames}

    # DoMagic2: a flurry bursting from the twig hands
    def burst(t, k, p, k0):
        q = (k - k0 + t) / 5
        out = []
        for side in (-1, 1):
            hx, hy = hand(p, side)
            for i in range(7):
                # a fan opening away from the face
                a = math.radians(-100 + i * 30)
                dx, dy = side * math.cos(a), math.sin(a)
                rr = 4 + 34 * q * (0.8 + 0.1 * (i % 3))
                out.append(dict(kind="flake", x=hx + dx * rr, y=hy + dy * rr * 0.9 + 10 * q * q,
                                size=2.0 + (i % 3) * 0.9, rot=i * 11 + q * 160 * side,
                                op=max(0.0, 1 - q * 0.85)))
            out.append(dict(kind="sparkle", x=hx + side * 8 * q, y=hy - 6 - 6 * q,
                            size=3.4 * (1 - q * 0.6), op=max(0.0, 1 - q)))
        return out

    s = Seq()
    s.to(3, 80, la=-10, ra=-10, lb=-30, rb=-30, squash=0.95, brow_l=1, brow_r=1, lid=0.2,
         fx=lambda t, k, p: [dict(kind="sparkle", x=hand(p, -1)[0], y=hand(p, -1)[1], size=2 * t),
                             dict(kind="sparkle", x=hand(p, 1)[0], y=hand(p, 1)[1], size=2 * t)])
    k0 = s.i
    s.to(1, 60, la=48, ra=48, lb=10, rb=10, squash=1.04, dy=-1.5, lspread=1.4, rspread=1.4, lid=0.0,
         wide=0.8, mouth=1.1, scarf=-5, hat_lift=1.5, fx=lambda t, k, p: burst(t, k, p, k0))
    s.to(4, 90, squash=1.0, dy=0, scarf=3, hat_lift=0, wide=0.3,
         fx=lambda t, k, p: burst(0, k, p, k0))
    s.to(3, 80, la=-38, ra=-38, lb=-8, rb=-8, lspread=1.0, rspread=1.0, scarf=0, wide=0.0,
         happy=1.0, fx=lambda t, k, p: drift(k, 6, seed=5.0))
    s.rest(2, 80)
    A["DoMagic2"] = {"frames": s.frames}

    # Gestures, as seen on the screen
    s = Seq()
    s.to(4, 80, la=34, lb=2, lh="point", turn=-0.45, gaze_x=-1.2, lean=-2.5, brow_l=1.2, brow_r=1.2,
         mouth=0.9, scarf=3, tilt=-2)
    s.to(1, 100, scarf=0)
    held("GestureLeft", s)
    gesture_y = round(hand(s.pose, -1)[1])  # the pointing hand's height below the top of the frame
    s = Seq()
    s.to(4, 80, ra=34, rb=2, rh="point", turn=0.45, gaze_x=1.2, lean=2.5, brow_l=1.2, brow_r=1.2,
         mouth=0.9, scarf=-3, tilt=2)
    s.to(1, 100, scarf=0)
    held("GestureRight", s)
    s = Seq()
    s.to(4, 80, ra=80, rb=6, rh="point", pitch=-2.2, gaze_y=-1.6, gaze_x=0.6, brow_l=1.8, brow_r=1.8,
         mouth=0.9, tilt=-2)
    s.to(1, 100)
    held("GestureUp", s)
    s = Seq()
    s.to(4, 80, ra=-42, rb=-8, rh="point", pitch=2.6, gaze_y=1.5, gaze_x=1.0, brow_l=0.6, brow_r=0.6,
         mouth=0.8, tilt=4, lean=2.5, turn=0.3)
    s.to(1, 100)
    held("GestureDown", s)

    # Walking: hops, leaning into the way it goes
    def hop(seq, side, back=False, forward=False):
        lean = 7 * side
        look = dict(turn=0.55 * side, gaze_x=1.0 * side) if side else {}
        down = dict(gaze_y=0.8, pitch=1.0) if forward else {}
        seq.to(2, 70, squash=0.9, lean=lean * 0.6, back=back, **look, **down, la=-20, ra=-20,
               scarf=-6 * side)
        loop = seq.i
        seq.to(1, 60, squash=1.04, dy=-2.5, lean=lean, la=-5, ra=-5, lb=10, rb=10, scarf=-10 * side - 4,
               hat_lift=0.5, ease="out")
        seq.to(1, 70, squash=1.01, dy=-5.5, scarf=-14 * side - 6, hat_lift=0.8, ease="out")
        seq.to(1, 70, squash=1.0, dy=-3, la=-30, ra=-30, lb=-4, rb=-4, hat_lift=0.5, ease="in")
        seq.to(1, 60, squash=0.9, dy=0, lean=lean * 0.6, scarf=-4 * side + 4, hat_lift=0, ease="in",
               fx=lambda t, k, p: [dict(kind="puff", x=40 - 6 * side, y=121, size=3.2, op=0.8, layer="ground"),
                                   dict(kind="puff", x=88 - 6 * side, y=121, size=2.8, op=0.8, layer="ground")])
        last = seq.i
        seq.to(1, 70, squash=0.95, la=-20, ra=-20, lb=-8, rb=-8, scarf=-6 * side,
               fx=lambda t, k, p: [dict(kind="puff", x=36 - 6 * side, y=120, size=4, op=0.45, layer="ground"),
                                   dict(kind="puff", x=92 - 6 * side, y=120, size=3.6, op=0.45, layer="ground")])
        seq.branch(last, loop, 95)
        stop = seq.i
        seq.to(2, 80, squash=1.0, lean=0, scarf=2 * side, dy=0, hat_lift=0, la=-38, ra=-38, lb=-8, rb=-8)
        seq.rest(2, 80)
        seq.exits(range(loop, last + 1), stop)
        return seq

    A["MoveLeft"] = {"frames": hop(Seq(), -1).frames}
    A["MoveRight"] = {"frames": hop(Seq(), 1).frames}
    A["MoveUp"] = {"frames": hop(Seq(), 0, back=True).frames}
    A["MoveDown"] = {"frames": hop(Seq(), 0, forward=True).frames}

    # Idle1: looks around
    s = Seq()
    s.to(3, 90, turn=-0.85, gaze_x=-1.2, brow_l=0.8, scarf=2)
    s.hold(450)
    s.to(1, 60, lid=1.0).to(1, 60, lid=0.0)
    s.to(4, 90, turn=0.85, gaze_x=1.2, brow_l=0, brow_r=0.8, scarf=-2)
    s.hold(450)
    s.rest(3, 90)
    A["Idle1"] = {"frames": s.frames}

    # Idle2: straightens the scarf
    s = Seq()
    s.to(4, 80, R=(60, 64), rf=True, rfs=0.6, rh="hold", pitch=1.6, gaze_y=1.2, gaze_x=-0.8, tilt=3)
    s.to(1, 80, R=(63, 67), scarf=8, scarf2=4, lid=0.3)
    s.to(1, 80, R=(59, 63), scarf=-5, scarf2=-3)
    s.to(1, 80, R=(63, 67), scarf=6, scarf2=3)
    s.to(2, 90, R=(60, 63), scarf=0, scarf2=0, lid=0.0, pitch=0, gaze_y=0, gaze_x=0, tilt=0,
         happy=1.0, mouth=1.0)
    s.hold(200)
    s.rest(4, 80)
    A["Idle2"] = {"frames": s.frames}

    # Idle3: a snowflake drifts down onto the carrot
    path = [(104, 6), (97, 13), (101, 20), (93, 27), (86, 33), (79, 38)]
    s = Seq()
    for j, (x, y) in enumerate(path):
        gy = -1.6 + j * 0.25
        gx = max(-1.3, min(1.3, (x - 64) / 14))
        s.to(1, 110, gaze_x=gx, gaze_y=gy, brow_l=1 + j * 0.2, brow_r=1 + j * 0.2, pitch=-1.2,
             fx=lambda t, k, p, x=x, y=y: [dict(kind="flake", x=x, y=y, size=3.6, rot=k * 20)])
    land = lambda t, k, p: [dict(kind="noseflake", size=3.4, rot=10)]
    s.to(1, 100, gaze_x=0, gaze_y=0.6, cross=1.6, pitch=0.5, brow_l=2, brow_r=2, fx=land)
    s.hold(350, fx=land)
    s.to(1, 80, cross=0.0, happy=1.0, mouth=1.2, cheeks=1.0, gaze_y=0, fx=land)
    s.hold(300, fx=lambda t, k, p: [dict(kind="noseflake", size=3.2, rot=10, op=0.65)])
    s.to(1, 90, fx=lambda t, k, p: [dict(kind="noseflake", size=2.6, rot=10, op=0.3)])
    s.rest(3, 90)
    A["Idle3"] = {"frames": s.frames}

    # Idle4: shivers, then shakes it off with a smile
    s = Seq()
    s.to(3, 80, la=-62, ra=-62, lb=30, rb=30, lf=True, rf=True, lh="hold", rh="hold",
         R=(74, 80), L=(54, 80), lid=0.3, brow_tl=16, brow_tr=16, mouth=-0.1, mouth_w=0.8,
         squash=0.97, pitch=1.0)
    def brr(j):
        side = 1 if j % 2 else -1
        return lambda t, k, p: [dict(kind="shiver", x=64 + side * 34, y=66, side=side),
                                dict(kind="shiver", x=64 - side * 31, y=90, side=-side)]

    for j in range(8):
        w = 1.1 if j % 2 else -1.1
        s.to(1, 50, wob=w, dx=w * 0.6, scarf=w * 3, hat_tilt=w * 1.5, fx=brr(j))
    s.to(2, 80, wob=0, dx=0, scarf=0, hat_tilt=0, happy=1.0, mouth=0.9, brow_tl=0, brow_tr=0)
    s.rest(4, 80)
    A["Idle4"] = {"frames": s.frames}

    # Idle5: sways and hums a little tune
    def notes(t, k, p):
        out = []
        for i in range(2):
            age = (k + i * 4) % 8
            if age < 7:
                out.append(dict(kind="note", x=92 + age * 2.4 + i * 5, y=34 - age * 3.4 + i * 3,
                                size=8 + i, op=min(1.0, 1.4 - age / 6), rot=-14 + age * 4 * (1 if i else -1)))
        return out

    s = Seq()
    s.to(2, 90, lid=1.0, mouth=0.9, cheeks=1.0, fx=notes)
    for j in range(3):
        s.to(2, 100, lean=-3, tilt=-5, scarf=4, fx=notes)
        s.to(2, 100, lean=3, tilt=5, scarf=-4, fx=notes)
    s.to(2, 90, lean=0, tilt=0, scarf=0, fx=notes)
    s.to(1, 80, lid=0.0)
    s.rest(2, 80)
    A["Idle5"] = {"frames": s.frames}

    states = {
        "Showing": ["Show"], "Hiding": ["Hide"], "Speaking": ["RestPose"],
        "MovingLeft": ["MoveLeft"], "MovingRight": ["MoveRight"],
        "MovingUp": ["MoveUp"], "MovingDown": ["MoveDown"],
        "GesturingLeft": ["GestureLeft"], "GesturingRight": ["GestureRight"],
        "GesturingUp": ["GestureUp"], "GesturingDown": ["GestureDown"],
        "Idling": ["Idle1", "Idle2", "Idle3", "Idle4", "Idle5", "Blink"],
    }
    return A, states, gesture_y
