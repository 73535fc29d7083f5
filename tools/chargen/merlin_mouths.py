"""The three lip-sync mouths drawn over a frame while Merlin talks.

Each picture starts with a little patch of beard, the colour the beard has just under the
moustache, so the closed mouth of the frame underneath disappears; the patch stays below the
moustache so the moustache keeps its edge.
"""

import svgkit
from merlin_draw import compact, mouth_curve, n

MW, MH = 12, 9
MX, MY = MW / 2, 3.4
BEARD = "#f9f8f5"


def patch():
    return (f'<ellipse cx="{n(MX)}" cy="{n(MY + 1.3)}" rx="4.3" ry="2.5" fill="{BEARD}"/>'
            f'<path d="M{n(MX - 3.6)},{n(MY + 3.2)}Q{n(MX - 3.3)},{n(MY + 4.3)} {n(MX - 3.8)},{n(MY + 5.2)}'
            f'M{n(MX + 3.6)},{n(MY + 3.2)}Q{n(MX + 3.3)},{n(MY + 4.3)} {n(MX + 3.8)},{n(MY + 5.2)}" '
            'fill="none" stroke="#e4e6ec" stroke-width="0.6" stroke-linecap="round"/>')


def mouth_pictures():
    closed = mouth_curve(MX, MY, 0.5).replace('"/>', '" stroke-linecap="round"/>')
    narrow = (f'<path d="M{n(MX - 2.8)},{n(MY - 0.2)}Q{n(MX)},{n(MY + 0.5)} {n(MX + 2.8)},{n(MY - 0.2)}'
              f'Q{n(MX + 2.2)},{n(MY + 2.4)} {n(MX)},{n(MY + 2.5)}Q{n(MX - 2.2)},{n(MY + 2.4)} '
              f'{n(MX - 2.8)},{n(MY - 0.2)}Z" fill="#5a1f2a" stroke="#3a1018" stroke-width="0.7" '
              'stroke-linejoin="round"/>'
              f'<ellipse cx="{n(MX)}" cy="{n(MY + 1.7)}" rx="1.3" ry="0.55" fill="#e0707c"/>')
    opened = (f'<path d="M{n(MX - 3)},{n(MY - 0.4)}Q{n(MX)},{n(MY + 0.2)} {n(MX + 3)},{n(MY - 0.4)}'
              f'Q{n(MX + 3)},{n(MY + 3.8)} {n(MX)},{n(MY + 4.2)}Q{n(MX - 3)},{n(MY + 3.8)} '
              f'{n(MX - 3)},{n(MY - 0.4)}Z" fill="#5a1f2a" stroke="#3a1018" stroke-width="0.7" '
              'stroke-linejoin="round"/>'
              f'<ellipse cx="{n(MX)}" cy="{n(MY + 2.9)}" rx="1.8" ry="0.9" fill="#e0707c"/>'
              f'<path d="M{n(MX - 2)},{n(MY + 0.1)}L{n(MX + 2)},{n(MY + 0.1)}" stroke="#ffffff" '
              'stroke-width="0.8" stroke-linecap="round"/>')
    out = {}
    for name, body in (("closed", closed), ("narrow", narrow), ("open", opened)):
        out[f"mouth-{name}.svg"] = svgkit.svg(MW, MH, compact(patch() + body))
    return out
